#include "vouchers/SentenciasComprobantes.h"

#include "data_access/LookupSql.h"

namespace vouchers::sentencia {

using data_access::sql::Quoted;

namespace {
const QString kOrigen = QStringLiteral("SELECT * FROM V_MV_CPTE  with(nolock)  WHERE TCORIGEN = ");
}

QString SistemaDelComprobante(const QString& TC) {
  return QStringLiteral("SELECT SISTEMA FROM V_TA_CPTE with(nolock) WHERE CODIGO = ") + Quoted(TC);
}

QString CapacidadDeLineas(const QString& TC, const QString& Letra) {
  return QStringLiteral("SELECT CANTLINEAS FROM TA_CONFIG_IMP_CPTE WHERE TC=") + Quoted(TC) +
         QStringLiteral(" AND LETRA=") + Quoted(Letra) + QStringLiteral(" ORDER BY ID");
}

QString CargosReales(const QString& Cuenta) {
  return QStringLiteral("SELECT SUM (SALDO) AS IMPORTE FROM V_MV_CargosAplicados WHERE CUENTA = ") + Quoted(Cuenta);
}

QString ComprobantesRelacionados(const QString& TC, const QString& SucNroLetra, const QString& Complemento,
                                 bool ConAnulados) {
  return kOrigen + Quoted(TC) + QStringLiteral(" AND COMPROBANTEORIGEN = ") + Quoted(SucNroLetra) +
         QStringLiteral(" AND COMPLEMENTOORIGEN = ") + Quoted(Complemento) + QStringLiteral(" ") +
         (ConAnulados ? QString() : QStringLiteral(" AND ANULADA = 0"));
}

QString ComprobantesAsociados(const QString& TC, const QString& SucNroLetra) {
  return kOrigen + Quoted(TC) + QStringLiteral(" AND COMPROBANTEORIGEN = ") + Quoted(SucNroLetra) +
         QStringLiteral(" AND ANULADA = 0");
}

}  // namespace vouchers::sentencia
