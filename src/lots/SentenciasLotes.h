#pragma once
// The statement texts of the lot dialogs, blank for blank as the suite
// writes them. Texts between apostrophes have their own apostrophes
// doubled; codes arrive already filled to their width.
#include <QString>

namespace lots::sentencia {

// The rows of an article's lots and serials in a deposit that hold stock,
// above or below 0 (a pair's net stock is their sum).
QString SeriesYLotesConStock(const QString& IdArticulo, const QString& IdDeposito);

// The balances of an article in a deposit by storage position and lot, by
// lot, then the position's entry order, then the position.
QString SaldosPorPosicionYLote(const QString& IdDeposito, const QString& IdArticulo);
// The same rows without the lot column (one per position and lot).
QString SaldosPorPosicion(const QString& IdDeposito, const QString& IdArticulo);
// The balance rows of the deposit's stock without position (one per lot).
QString SaldoSinPosicion(const QString& IdDeposito, const QString& IdArticulo);
// The deposit's stock without position added up by lot, in lot order.
QString SaldosSinPosicionPorLote(const QString& IdDeposito, const QString& IdArticulo);
// The balances of an article in a deposit by lot, placed or not.
QString SaldosPorLote(const QString& IdDeposito, const QString& IdArticulo);

}  // namespace lots::sentencia
