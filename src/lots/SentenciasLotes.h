#pragma once
// The statement texts of the lot dialogs, blank for blank as the suite
// writes them. Texts between apostrophes have their own apostrophes
// doubled; codes arrive already filled to their width.
#include <QString>

namespace lots::sentencia {

// The lots and serials of an article with stock in a deposit.
QString SeriesYLotesConStock(const QString& IdArticulo, const QString& IdDeposito);

}  // namespace lots::sentencia
