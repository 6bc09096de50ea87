// The exact texts of the lot dialogs' statements.
#include <gtest/gtest.h>

#include "lots/SentenciasLotes.h"
#include "support/Printers.h"

namespace {

namespace sql = lots::sentencia;

TEST(StatementText, StockByLotAndSerial) {
  EXPECT_EQ(sql::SeriesYLotesConStock("VINO-MALBEC", "   1"),
            "SELECT * FROM STK_SERIES_Y_LOTES WHERE IdArticulo = 'VINO-MALBEC' AND CANTIDAD > 0  AND IDDEPOSITO = "
            "'   1' ORDER BY NROLOTE, NROSERIE ");
  EXPECT_EQ(sql::SeriesYLotesConStock("O'NEIL", "D'1"),
            "SELECT * FROM STK_SERIES_Y_LOTES WHERE IdArticulo = 'O''NEIL' AND CANTIDAD > 0  AND IDDEPOSITO = "
            "'D''1' ORDER BY NROLOTE, NROSERIE ");
}

}  // namespace
