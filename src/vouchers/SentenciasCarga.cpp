#include "vouchers/SentenciasCarga.h"

#include <QRegularExpression>

#include "data_access/LookupSql.h"
#include "platform/runtime/Text.h"

namespace vouchers::sentencia {

using data_access::sql::Quoted;

namespace {

const QString kOrden = QStringLiteral(" ORDER BY ID ");

QString Desde(const QString& prefijo, const char* tabla) {
  return QStringLiteral("SELECT * FROM ") + prefijo + QLatin1String(tabla) + QStringLiteral("  with(nolock)  ");
}

// The voucher and article of the views of quantities.
QString ComprobanteYArticulo(const QString& SucNroLetra, const QString& IdArticulo) {
  return QStringLiteral(" AND IDCOMPROBANTE = ") + Quoted(SucNroLetra) + QStringLiteral(" AND IDARTICULO = ") +
         Quoted(IdArticulo);
}

}  // namespace

QString Complemento(const QString& IdComplemento) {
  static const QRegularExpression entero(QStringLiteral("^-?(0|[1-9][0-9]*)$"));
  return entero.match(rt::Trim(IdComplemento)).hasMatch() ? IdComplemento : Quoted(IdComplemento);
}

QString CondicionComprobante(const QString& TC, const QString& SucNroLetra, const QString& IdComplemento, bool Compras,
                             const QString& Proveedor) {
  const QString comprobante =
      QStringLiteral(" WHERE TC = ") + Quoted(TC) + QStringLiteral(" AND IDCOMPROBANTE = ") + Quoted(SucNroLetra);
  if (Compras) return comprobante + QStringLiteral(" AND CUENTA = ") + Quoted(Proveedor);
  return comprobante + QStringLiteral(" AND IdComplemento = ") + Complemento(IdComplemento);
}

QString CabeceraComprobante(const QString& prefijo, const QString& condicion) {
  return Desde(prefijo, "MV_CPTE") + condicion + kOrden;
}

QString TareasComprobante(const QString& prefijo, const QString& condicion, const QString& WhrTareas) {
  return Desde(prefijo, "MV_CPTETAREAS") + condicion + WhrTareas + kOrden;
}

QString ArticulosComprobante(const QString& prefijo, const QString& condicion, bool PorPallets) {
  return Desde(prefijo, "MV_CPTEINSUMOS") + condicion + (PorPallets ? QStringLiteral(" ORDER BY PALLETS ") : kOrden);
}

QString OtrosConceptosComprobante(const QString& prefijo, const QString& condicion) {
  return Desde(prefijo, "MV_CPTE_Observ") + condicion + QStringLiteral(" AND TIPO_OBS ='OC' ") + kOrden;
}

QString CantidadAplicada(const QString& TC, const QString& SucNroLetra, const QString& IdArticulo) {
  return QStringLiteral("SELECT CantidadAplicada FROM VT_V_MV_INSUMOS_APLICACION WHERE TCO_ORIGEN = ") + Quoted(TC) +
         QStringLiteral(" AND IDCOMPROBANTEORIGEN = ") + Quoted(SucNroLetra) + QStringLiteral(" AND IDARTICULO = ") +
         Quoted(IdArticulo);
}

QString CantidadPedida(const QString& TC, const QString& SucNroLetra, const QString& IdArticulo) {
  return QStringLiteral("SELECT * FROM VT_V_MV_CPTEINSUMOS_CONS2  with(nolock)  WHERE (TC = ") + Quoted(TC) +
         QStringLiteral(")") + ComprobanteYArticulo(SucNroLetra, IdArticulo);
}

QString CantidadEntregada(const QString& TC, const QString& SucNroLetra, const QString& IdArticulo) {
  return QStringLiteral("SELECT SUM(CANTIDAD) AS CANTIDAD FROM VT_V_MV_Stock_Cons WHERE (TC = ") + Quoted(TC) +
         QStringLiteral(")") + ComprobanteYArticulo(SucNroLetra, IdArticulo);
}

QString ListaConIva(const QString& IdArticulo, const QString& IdLista) {
  return QStringLiteral("SELECT CONIVA FROM  VT_MA_PRECIOS_ARTICULOS WHERE IDARTICULO = ") + Quoted(IdArticulo) +
         QStringLiteral(" AND IDLISTA = ") + Quoted(IdLista) + QStringLiteral(" AND TIPOLISTA = 'V'");
}

}  // namespace vouchers::sentencia
