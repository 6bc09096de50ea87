// The exact texts of the lot dialogs' statements.
#include <gtest/gtest.h>

#include "lots/SentenciasLotes.h"
#include "support/Printers.h"

namespace {

namespace sql = lots::sentencia;

TEST(StatementText, StockByLotAndSerial) {
  EXPECT_EQ(sql::SeriesYLotesConStock("VINO-MALBEC", "   1"),
            "SELECT * FROM STK_SERIES_Y_LOTES WHERE IdArticulo = 'VINO-MALBEC' AND CANTIDAD <> 0  AND IDDEPOSITO = "
            "'   1' ORDER BY NROLOTE, NROSERIE ");
  EXPECT_EQ(sql::SeriesYLotesConStock("O'NEIL", "D'1"),
            "SELECT * FROM STK_SERIES_Y_LOTES WHERE IdArticulo = 'O''NEIL' AND CANTIDAD <> 0  AND IDDEPOSITO = "
            "'D''1' ORDER BY NROLOTE, NROSERIE ");
}

TEST(StatementText, BalancesByPositionAndLot) {
  EXPECT_EQ(sql::SaldosPorPosicionYLote("   1", "ACEITE"),
            "SELECT AC_SALDOSLAYOUT.idposicion,AC_SALDOSLAYOUT.nrolote,AC_SALDOSLAYOUT.idunidadbase, "
            "isnull(AC_SALDOSLAYOUT.saldo,0) as disponible FROM AC_SALDOSLAYOUT, ma_posiciones WHERE  "
            "ac_saldoslayout.iddeposito=ma_posiciones.iddeposito and ac_saldoslayout.idposicion=ma_posiciones.idposicion "
            "and  ac_saldoslayout.IDDEPOSITO='   1' and ac_saldoslayout.idarticulo='ACEITE' and ac_saldoslayout.saldo > 0 "
            "order by ac_saldoslayout.nrolote,ma_posiciones.ordeningreso,ac_saldoslayout.idposicion  ");
  EXPECT_EQ(sql::SaldosPorPosicion("D'1", "O'NEIL"),
            "SELECT AC_SALDOSLAYOUT.idposicion,AC_SALDOSLAYOUT.idunidadbase, isnull(AC_SALDOSLAYOUT.saldo,0) as "
            "disponible FROM AC_SALDOSLAYOUT, ma_posiciones WHERE  ac_saldoslayout.iddeposito=ma_posiciones.iddeposito "
            "and ac_saldoslayout.idposicion=ma_posiciones.idposicion and  ac_saldoslayout.IDDEPOSITO='D''1' and "
            "ac_saldoslayout.idarticulo='O''NEIL' and ac_saldoslayout.saldo > 0 order by "
            "ac_saldoslayout.nrolote,ma_posiciones.ordeningreso,ac_saldoslayout.idposicion  ");
  EXPECT_EQ(sql::SaldoSinPosicion("   1", "O'NEIL"),
            "SELECT (ISNULL(SALDO,0)) AS SALDO FROM AC_SALDOSLAYOUT WHERE IDDEPOSITO='   1' AND IDARTICULO='O''NEIL' "
            "and idposicion is null");
  EXPECT_EQ(sql::SaldosSinPosicionPorLote("   1", "O'NEIL"),
            "SELECT NROLOTE, SUM(ISNULL(SALDO,0)) AS SALDO FROM AC_SALDOSLAYOUT WHERE IDDEPOSITO='   1' AND "
            "IDARTICULO='O''NEIL' and idposicion is null GROUP BY NROLOTE ORDER BY NROLOTE");
  EXPECT_EQ(sql::SaldosPorLote("   1", "O'NEIL"),
            "SELECT nrolote, idunidadbase, SUM(ISNULL(saldo,0)) AS disponible FROM AC_SALDOSLAYOUT WHERE "
            "iddeposito='   1' AND idarticulo='O''NEIL' AND saldo > 0 GROUP BY nrolote, idunidadbase ORDER BY nrolote");
}

}  // namespace
