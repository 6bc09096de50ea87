#include "import/ImportSql.h"

#include "data_access/LookupSql.h"
#include "platform/runtime/Text.h"

namespace importacion::sql {

using data_access::sql::Quoted;

QString ObtieneNroAsiento(int Mes, int Periodo, const QString& TipoReg) {
  QString text = QStringLiteral("SELECT MAX([NUMERO ASIENTO]) AS [NRO_ASIENTO] FROM @ADMIN_MV_ASIENTOS WITH(NOLOCK) "
                                "WHERE MES_OPERATIVO = ") +
                 QString::number(Mes);
  const QString tipo = rt::Trim(TipoReg);
  if (!tipo.isEmpty())
    text += QStringLiteral(" AND TIPO_REG = ") + Quoted(tipo);
  else
    text += QStringLiteral(" AND (TIPO_REG = ") + Quoted(rt::Chr(255) + QStringLiteral("RS")) +
            QStringLiteral(" OR TIPO_REG = '')");
  return text + QStringLiteral(" AND PERIODO = ") + QString::number(Periodo);
}

QString ExisteComprobante(const QString& TC, const QString& IdComprobante) {
  return QStringLiteral("SELECT * FROM v_mv_cpte  with(nolock)  WHERE tc =") + Quoted(TC) +
         QStringLiteral(" and idcomprobante = ") + Quoted(IdComprobante);
}

QString ExisteAsientoCliente(const QString& TC, const QString& Sucursal, const QString& Numero, const QString& Letra) {
  return QStringLiteral("SELECT * FROM MV_ASIENTOS  with(nolock)  INNER JOIN MA_CUENTAS ON  "
                        "MV_ASIENTOS.CUENTA = MA_CUENTAS.CODIGO  WHERE MA_CUENTAS.TipoVista = 'CL' AND TC = ") +
         Quoted(TC) + QStringLiteral(" AND SUCURSAL = ") + Quoted(Sucursal) + QStringLiteral(" AND NUMERO = ") +
         Quoted(Numero) + QStringLiteral(" AND LETRA = ") + Quoted(Letra);
}

}  // namespace importacion::sql
