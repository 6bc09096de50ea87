#include <gtest/gtest.h>

#include "ado/OdbcFixture.h"
#include "platform/ado/Constants.h"
#include "platform/runtime/Dates.h"
#include "support/Printers.h"

namespace {

using namespace ado;
using testing_support::failureOf;
using testing_support::odbcSpec;
using testing_support::rowsOf;

class OdbcSessionTest : public testing_support::OdbcFixture {};

TEST_F(OdbcSessionTest, ExecuteReportsTheRowsEachStatementTouched) {
  run({"create table t (id integer primary key, nombre varchar(20))"});
  EXPECT_EQ(session->execute("insert into t values (1, 'a')").recordsAffected, 1);
  EXPECT_EQ(session->execute("insert into t values (2, 'b')").recordsAffected, 1);
  EXPECT_EQ(session->execute("update t set nombre = 'c'").recordsAffected, 2);
  EXPECT_EQ(session->execute("update t set nombre = 'd' where id = 9").recordsAffected, 0);
  EXPECT_EQ(session->execute("delete from t where id = 1").recordsAffected, 1);

  provider::ExecuteResult select = session->execute("select nombre from t");
  ASSERT_TRUE(select.rows);
  EXPECT_EQ(select.recordsAffected, -1);
  EXPECT_EQ(rowsOf(*select.rows), (std::vector<std::vector<rt::Variant>>{{"c"}}));
  EXPECT_FALSE(session->open("update t set nombre = 'e'"));
}

TEST_F(OdbcSessionTest, AFailingStatementHandsOverTheDriversDiagnostics) {
  const auto missing = failureOf([&] { session->execute("select * from no_existe"); });
  ASSERT_TRUE(missing);
  ASSERT_FALSE(missing->errors.empty());
  const Error& e = missing->errors.front();
  EXPECT_EQ(e.SQLState, "HY000");
  EXPECT_EQ(e.NativeError, 1);
  EXPECT_TRUE(e.Description.contains("no such table: no_existe")) << e.Description.toStdString();
  EXPECT_EQ(e.Source, "ODBC");
  EXPECT_EQ(missing->number, errnum::CommandText);

  run({"create table t (id integer primary key)", "insert into t values (1)"});
  const auto duplicate = failureOf([&] { session->execute("insert into t values (1)"); });
  ASSERT_TRUE(duplicate);
  EXPECT_EQ(duplicate->errors.front().NativeError, 19);
  EXPECT_TRUE(duplicate->errors.front().Description.contains("UNIQUE")) << duplicate->errors.front().Description.toStdString();
  // The session goes on after a failure.
  EXPECT_EQ(session->execute("insert into t values (2)").recordsAffected, 1);
}

TEST_F(OdbcSessionTest, TransactionsCommitOrRollBackAndThenAutocommitReturns) {
  run({"create table t (id integer)"});
  session->beginTransaction();
  run({"insert into t values (1)"});
  session->rollbackTransaction();
  EXPECT_EQ(scalar("select count(*) from t"), rt::Variant(int32_t(0)));

  session->beginTransaction();
  run({"insert into t values (2)", "insert into t values (3)"});
  session->commitTransaction();
  run({"insert into t values (4)"});  // autocommit again

  auto other = connect();
  EXPECT_EQ(rowsOf(*other->open("select id from t order by id")),
            (std::vector<std::vector<rt::Variant>>{{int32_t(2)}, {int32_t(3)}, {int32_t(4)}}));
}

TEST_F(OdbcSessionTest, TransactionCallsOutOfOrderFailCleanly) {
  EXPECT_TRUE(failureOf([&] { session->commitTransaction(); }));
  EXPECT_TRUE(failureOf([&] { session->rollbackTransaction(); }));
  session->beginTransaction();
  const auto nested = failureOf([&] { session->beginTransaction(); });
  ASSERT_TRUE(nested);
  EXPECT_EQ(nested->number, errnum::E_FAIL);
  session->rollbackTransaction();
}

TEST_F(OdbcSessionTest, AnIsolationLevelTheDriverDoesNotOfferIsLeftToIt) {
  session->setIsolationLevel(adXactReadUncommitted);  // SQLite offers serializable only
  session->setCommandTimeout(5);
  run({"create table t (id integer)"});
  session->beginTransaction();
  session->setIsolationLevel(adXactSerializable);
  session->commitTransaction();
}

TEST_F(OdbcSessionTest, TheDefaultDatabaseIsOnlyRememberedOutsideSqlServer) {
  session->setDefaultDatabase("Empresa");
  EXPECT_EQ(session->defaultDatabase(), "Empresa");
}

TEST_F(OdbcSessionTest, ARecordsetReadsEveryTypeExactly) {
  const QString longText = QString("Ñandú, pingüino y 'comillas'; ").repeated(400);
  run({"create table tipos (i integer, s smallint, y tinyint, g bigint, b bit, r real, d double, n numeric(12,2),"
       " m money, x decimal(18,6), v varchar(10), t text, o blob, f datetime, fd date, h time)",
       "insert into tipos values (7, -3, 5, 12345678901, 1, 1.5, 2.25, 1234.56, 3.1416, 1.123456, 'Ñandú', null,"
       " x'00FF10', '2024-01-02 03:04:05', '2024-03-04', '10:11:12')",
       "insert into tipos values (null, null, null, 42, null, null, null, null, null, null, '', null, null, null, null, null)"});
  session->execute("update tipos set t = '" + QString(longText).replace("'", "''") + "' where i = 7");

  std::unique_ptr<provider::Cursor> rows = session->open("select * from tipos");
  ASSERT_TRUE(rows);
  EXPECT_EQ(rows->knownCount(), 2);
  std::vector<int> types;
  for (const provider::ColumnInfo& c : rows->columns()) types.push_back(c.type);
  EXPECT_EQ(types, (std::vector<int>{adInteger, adSmallInt, adTinyInt, adBigInt, adBoolean, adDouble, adDouble, adNumeric,
                                     adCurrency, adNumeric, adVarChar, adLongVarChar, adBinary, adDBTimeStamp, adDBDate,
                                     adDBTime}));
  EXPECT_EQ(rows->columns()[10].definedSize, 10);
  EXPECT_EQ(rows->columns()[10].baseTable, "tipos");

  std::vector<rt::Variant> row;
  ASSERT_TRUE(rows->next(row));
  EXPECT_EQ(row[0], rt::Variant(int32_t(7)));
  EXPECT_EQ(row[1], rt::Variant(int16_t(-3)));
  EXPECT_EQ(row[2], rt::Variant(int16_t(5)));
  EXPECT_EQ(row[3], rt::Variant(12345678901.0));  // beyond Long
  EXPECT_EQ(row[4], rt::Variant(true));
  EXPECT_EQ(row[5], rt::Variant(1.5));
  EXPECT_EQ(row[6], rt::Variant(2.25));
  EXPECT_EQ(row[7], rt::Variant(rt::Currency::fromRaw(12345600)));
  EXPECT_EQ(row[8], rt::Variant(rt::Currency::fromRaw(31416)));
  EXPECT_EQ(row[9], rt::Variant(1.123456));  // more places than Currency holds
  EXPECT_EQ(row[10], rt::Variant("Ñandú"));
  EXPECT_EQ(row[11].toString(), longText);
  EXPECT_EQ(row[12], rt::Variant(QString::fromLatin1("\x00\xFF\x10", 3)));
  EXPECT_EQ(row[13], rt::Variant(rt::MakeDate(2024, 1, 2, 3, 4, 5)));
  EXPECT_EQ(row[14], rt::Variant(rt::MakeDate(2024, 3, 4)));
  EXPECT_EQ(row[15], rt::Variant(rt::MakeDate(1899, 12, 30, 10, 11, 12)));

  ASSERT_TRUE(rows->next(row));
  EXPECT_TRUE(row[0].isNull());
  EXPECT_EQ(row[3], rt::Variant(int32_t(42)));
  for (size_t i : {4, 7, 8, 9, 11, 12, 13, 14, 15}) EXPECT_TRUE(row[i].isNull()) << i;
  EXPECT_EQ(row[10], rt::Variant(""));  // an empty text is not Null
  EXPECT_FALSE(rows->next(row));
}

TEST(OdbcMissingSource, AMissingDriverIsTheDriverManagersIM002) {
  const auto f = failureOf([] { ado::provider::openOdbcSession(odbcSpec("DRIVER=Controlador Inexistente;Database=x;")); });
  ASSERT_TRUE(f);
  EXPECT_EQ(f->number, errnum::E_FAIL);
  ASSERT_GE(f->errors.size(), 2u);
  EXPECT_EQ(f->errors[0].SQLState, "IM002");
  EXPECT_TRUE(f->errors[0].Description.contains("Controlador Inexistente"));
  EXPECT_TRUE(f->errors[1].Description.contains("[unixODBC][Driver Manager]")) << f->errors[1].Description.toStdString();
}

TEST(OdbcMissingSource, AMissingDataSourceIsTheDriverManagersIM002) {
  const auto f = failureOf(
      [] { ado::provider::openOdbcSession(odbcSpec("Provider=OraOLEDB.Oracle.1;Data Source=NoHay;User Id=u;Password=p;")); });
  ASSERT_TRUE(f);
  ASSERT_FALSE(f->errors.empty());
  EXPECT_EQ(f->errors[0].SQLState, "IM002");
  EXPECT_TRUE(f->errors[0].Description.contains("[unixODBC][Driver Manager]Data source name not found"));
}

// The Oracle mapping opens the data source by name; a test data source
// over the SQLite driver stands in for the Oracle one.
TEST(OdbcOracleDataSource, IsOpenedByItsName) {
  testing_support::TempFolder folder;
  folder.write("odbc.ini", QStringLiteral("[Prueba XE]\nDriver=SQLite3\nDatabase=%1\n").arg(folder.file("xe.db")).toUtf8());
  const QByteArray saved = qgetenv("ODBCINI");
  qputenv("ODBCINI", folder.file("odbc.ini").toUtf8());
  {
    auto s = ado::provider::openOdbcSession(
        odbcSpec("Provider=OraOLEDB.Oracle.1;Data Source=Prueba XE;User Id=scott;Password=tiger;"));
    EXPECT_EQ(s->execute("create table t (a integer)").recordsAffected, 0);
  }
  if (saved.isNull())
    qunsetenv("ODBCINI");
  else
    qputenv("ODBCINI", saved);
  EXPECT_TRUE(QFile::exists(folder.file("xe.db")));
}

}  // namespace
