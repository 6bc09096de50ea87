#include "support/QueryPlan.h"

#include <sqlite3.h>

#include <QRegularExpression>

#include "data_access/Synonyms.h"
#include "platform/ado/sqlite/Database.h"
#include "platform/ado/sqlite/SchemaCache.h"
#include "platform/ado/sqlite/TsqlTranslator.h"
#include "support/SuiteDatabase.h"

namespace testing_support {

QueryPlanTest::QueryPlanTest() {
  const QString path = NewSuiteDatabase(folder);
  sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
  ado::sqlite::ConfigureConnection(db);
}

QueryPlanTest::~QueryPlanTest() { sqlite3_close_v2(db); }

QString QueryPlanTest::planOf(const QString& tsql) {
  ado::sqlite::SchemaCache schema(db);
  const auto statements = ado::sqlite::Translate(data_access::WithoutAdminMarker(tsql), schema);
  const QByteArray text = ("EXPLAIN QUERY PLAN " + statements.at(0).sql).toUtf8();
  sqlite3_stmt* stmt = nullptr;
  if (sqlite3_prepare_v2(db, text.constData(), -1, &stmt, nullptr) != SQLITE_OK) return sqlite3_errmsg(db);
  QString plan;
  while (sqlite3_step(stmt) == SQLITE_ROW)
    plan += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 3))) + "\n";
  sqlite3_finalize(stmt);
  return plan;
}

void QueryPlanTest::expectIndexed(const QString& tsql) {
  const QString plan = planOf(tsql);
  EXPECT_TRUE(plan.contains(QLatin1String("INDEX"))) << tsql.toStdString() << "\n" << plan.toStdString();
  EXPECT_FALSE(plan.contains(QRegularExpression(QStringLiteral("SCAN (?!CONSTANT)"))))
      << tsql.toStdString() << "\n" << plan.toStdString();
}

}  // namespace testing_support
