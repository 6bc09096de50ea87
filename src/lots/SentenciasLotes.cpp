#include "lots/SentenciasLotes.h"

#include "numbering/Valores.h"

namespace lots::sentencia {

using numbering::Lit;

QString SeriesYLotesConStock(const QString& IdArticulo, const QString& IdDeposito) {
  return QStringLiteral("SELECT * FROM STK_SERIES_Y_LOTES WHERE IdArticulo = '") + Lit(IdArticulo) +
         QStringLiteral("' AND CANTIDAD > 0  AND IDDEPOSITO = '") + Lit(IdDeposito) +
         QStringLiteral("' ORDER BY NROLOTE, NROSERIE ");
}

}  // namespace lots::sentencia
