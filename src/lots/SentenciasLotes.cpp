#include "lots/SentenciasLotes.h"

#include "numbering/Valores.h"

namespace lots::sentencia {

using numbering::Lit;

QString SeriesYLotesConStock(const QString& IdArticulo, const QString& IdDeposito) {
  return QStringLiteral("SELECT * FROM STK_SERIES_Y_LOTES WHERE IdArticulo = '") + Lit(IdArticulo) +
         QStringLiteral("' AND CANTIDAD <> 0  AND IDDEPOSITO = '") + Lit(IdDeposito) +
         QStringLiteral("' ORDER BY NROLOTE, NROSERIE ");
}

namespace {

// What the two statements by position share after their columns.
QString SaldosEnPosiciones(const QString& IdDeposito, const QString& IdArticulo) {
  return QStringLiteral(
             " FROM AC_SALDOSLAYOUT, ma_posiciones WHERE  ac_saldoslayout.iddeposito=ma_posiciones.iddeposito and "
             "ac_saldoslayout.idposicion=ma_posiciones.idposicion and  ac_saldoslayout.IDDEPOSITO='") +
         Lit(IdDeposito) + QStringLiteral("' and ac_saldoslayout.idarticulo='") + Lit(IdArticulo) +
         QStringLiteral("' and ac_saldoslayout.saldo > 0 order by "
                        "ac_saldoslayout.nrolote,ma_posiciones.ordeningreso,ac_saldoslayout.idposicion  ");
}

}  // namespace

QString SaldosPorPosicionYLote(const QString& IdDeposito, const QString& IdArticulo) {
  return QStringLiteral("SELECT AC_SALDOSLAYOUT.idposicion,AC_SALDOSLAYOUT.nrolote,AC_SALDOSLAYOUT.idunidadbase, "
                        "isnull(AC_SALDOSLAYOUT.saldo,0) as disponible") +
         SaldosEnPosiciones(IdDeposito, IdArticulo);
}

QString SaldosPorPosicion(const QString& IdDeposito, const QString& IdArticulo) {
  return QStringLiteral("SELECT AC_SALDOSLAYOUT.idposicion,AC_SALDOSLAYOUT.idunidadbase, "
                        "isnull(AC_SALDOSLAYOUT.saldo,0) as disponible") +
         SaldosEnPosiciones(IdDeposito, IdArticulo);
}

QString SaldoSinPosicion(const QString& IdDeposito, const QString& IdArticulo) {
  return QStringLiteral("SELECT (ISNULL(SALDO,0)) AS SALDO FROM AC_SALDOSLAYOUT WHERE IDDEPOSITO='") + Lit(IdDeposito) +
         QStringLiteral("' AND IDARTICULO='") + Lit(IdArticulo) + QStringLiteral("' and idposicion is null");
}

QString SaldosSinPosicionPorLote(const QString& IdDeposito, const QString& IdArticulo) {
  return QStringLiteral("SELECT NROLOTE, SUM(ISNULL(SALDO,0)) AS SALDO FROM AC_SALDOSLAYOUT WHERE IDDEPOSITO='") +
         Lit(IdDeposito) + QStringLiteral("' AND IDARTICULO='") + Lit(IdArticulo) +
         QStringLiteral("' and idposicion is null GROUP BY NROLOTE ORDER BY NROLOTE");
}

QString SaldosPorLote(const QString& IdDeposito, const QString& IdArticulo) {
  return QStringLiteral("SELECT nrolote, idunidadbase, SUM(ISNULL(saldo,0)) AS disponible FROM AC_SALDOSLAYOUT "
                        "WHERE iddeposito='") +
         Lit(IdDeposito) + QStringLiteral("' AND idarticulo='") + Lit(IdArticulo) +
         QStringLiteral("' AND saldo > 0 GROUP BY nrolote, idunidadbase ORDER BY nrolote");
}

}  // namespace lots::sentencia
