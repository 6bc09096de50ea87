#include "numbering/SentenciasStock.h"

#include "numbering/Valores.h"

namespace numbering::sentencia {

QString ComprobanteDeStock(const QString& TC, const QString& IdComprobante) {
  return "SELECT TC,IDCOMPROBANTE From V_MV_STOCK  with(nolock) WHERE TC = '" + Lit(TC) + "' AND IDCOMPROBANTE = '" +
         Lit(IdComprobante) + "'";
}

QString UltimoComprobanteDeStock(const QString& TC, const QString& Sucursal, const QString& Letra) {
  return "SELECT MAX(IDCOMPROBANTE) AS ULTIMO From V_MV_STOCK  with(nolock) WHERE TC = '" + Lit(TC) +
         "' AND SUBSTRING(IDCOMPROBANTE, 1, 4)= '" + Lit(Sucursal) + "' AND SUBSTRING(IDCOMPROBANTE, 13, 1)= '" +
         Lit(Letra) + "'";
}

QString LotesConStock(const QString& IdArticulo, const QString& Deposito) {
  return "SELECT * FROM STK_SERIES_Y_LOTES WHERE IdArticulo = '" + Lit(IdArticulo) +
         "' AND CANTIDAD > 0  AND IDDEPOSITO = " + Deposito + " and not nrolote is null ORDER BY NROLOTE";
}

QString Insumos(const QString& IdArticulo) {
  return "SELECT * FROM V_MA_INSUMOS  with(nolock)  WHERE IDARTICULO = '" + Lit(IdArticulo) + "'";
}

QString UnidadDelArticulo(const QString& IdArticulo) {
  return "SELECT IDUNIDAD FROM V_MA_ARTICULOS WHERE IDARTICULO = '" + Lit(IdArticulo) + "'";
}

QString Equivalencia(const QString& IdArticulo, const QString& IdUnidad, const QString& IdUnidadEquiv) {
  return "SELECT * FROM  S_TA_EQUIV  with(nolock)  WHERE IdArticulo = '" + Lit(IdArticulo) + "' AND IDUNIDAD = '" +
         Lit(IdUnidad) + "' AND IDUNIDAD_EQUIV = '" + Lit(IdUnidadEquiv) + "'";
}

QString StockEnDeposito(const QString& IdArticulo, const QString& IdUnidad, const QString& IdDeposito) {
  return "SELECT STOCK AS STOCK FROM STK_SALDOS_UNIDADES with(nolock) WHERE IDARTICULO = '" + Lit(IdArticulo) +
         "' AND EQUIVALENCIA = '" + Lit(IdUnidad) + "' AND IDDEPOSITO = '" + Lit(IdDeposito) + "'";
}

QString StockEnTodosLosDepositos(const QString& IdArticulo, const QString& IdUnidad) {
  return "SELECT SUM(STOCK) AS STOCK  FROM STK_SALDOS_UNIDADES with(nolock) WHERE IDARTICULO = '" + Lit(IdArticulo) +
         "' AND EQUIVALENCIA = '" + Lit(IdUnidad) + "' ";
}

QString StockUdKgEnDeposito(const QString& IdArticulo, const QString& IdDeposito) {
  return "SELECT CantidadUd AS STOCK FROM STK_STOCK_UDKG with(nolock) WHERE IDARTICULO = '" + Lit(IdArticulo) +
         "' AND IDDEPOSITO = '" + Lit(IdDeposito) + "'";
}

QString StockUdKgEnTodosLosDepositos(const QString& IdArticulo) {
  return "SELECT SUM(CantidadUd) AS STOCK FROM STK_STOCK_UDKG with(nolock) WHERE IDARTICULO = '" + Lit(IdArticulo) +
         "' ";
}

}  // namespace numbering::sentencia
