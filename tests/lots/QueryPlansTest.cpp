// Every statement of the lot dialogs is served by an index, in the exact
// form the program writes it.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "lots/SentenciasLotes.h"
#include "support/Printers.h"
#include "support/QueryPlan.h"

namespace {

class QueryPlans : public testing_support::QueryPlanTest {};

TEST_F(QueryPlans, EveryStatementUsesAnIndex) {
  namespace sql = lots::sentencia;
  const QString statements[] = {
      sql::SeriesYLotesConStock("ART1", "   1"),  sql::SaldosPorPosicionYLote("   1", "ART1"),
      sql::SaldosPorPosicion("   1", "ART1"),     sql::SaldoSinPosicion("   1", "ART1"),
      sql::SaldosPorLote("   1", "ART1"),        sql::SaldosSinPosicionPorLote("   1", "ART1"),
  };
  for (const QString& s : statements) {
    const QString plan = planOf(s);
    EXPECT_TRUE(plan.contains("INDEX")) << s.toStdString() << "\n" << plan.toStdString();
    EXPECT_FALSE(plan.contains(QRegularExpression("SCAN (?!CONSTANT)"))) << s.toStdString() << "\n" << plan.toStdString();
  }
}

}  // namespace
