#pragma once
// The statement texts of the stock helpers, blank for blank as the suite
// writes them. Texts between apostrophes have their own apostrophes
// doubled; codes arrive already filled to their width.
#include <QString>

namespace numbering::sentencia {

QString ComprobanteDeStock(const QString& TC, const QString& IdComprobante);
QString UltimoComprobanteDeStock(const QString& TC, const QString& Sucursal, const QString& Letra);
// `Deposito` is an SQL literal (quoted text, or NULL).
QString LotesConStock(const QString& IdArticulo, const QString& Deposito);
QString Insumos(const QString& IdArticulo);

QString UnidadDelArticulo(const QString& IdArticulo);
QString Equivalencia(const QString& IdArticulo, const QString& IdUnidad, const QString& IdUnidadEquiv);

QString StockEnDeposito(const QString& IdArticulo, const QString& IdUnidad, const QString& IdDeposito);
QString StockEnTodosLosDepositos(const QString& IdArticulo, const QString& IdUnidad);
QString StockUdKgEnDeposito(const QString& IdArticulo, const QString& IdDeposito);
QString StockUdKgEnTodosLosDepositos(const QString& IdArticulo);

}  // namespace numbering::sentencia
