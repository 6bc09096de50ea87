// The restaurant system's tables through the data-access objects, as the
// import window opens them.
#include <gtest/gtest.h>

#include <QStringList>
#include <functional>

#include "platform/ado/Connection.h"
#include "platform/ado/Constants.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/Error.h"
#include "support/DbfWriter.h"
#include "support/Printers.h"
#include "support/RuntimeErrors.h"
#include "support/TempFolder.h"

using rt::Variant;
using testing_support::DbfWriter;
using testing_support::TempFolder;

namespace {

// TXFAC.DBF with three vouchers, the second deleted.
void writeTxfac(const TempFolder& folder) {
  DbfWriter w;
  w.codePage(850).field("COD_CPB", 'C', 1).field("COD_CLI", 'N', 6).field("FECHA", 'D');
  w.field("TOTAL", 'N', 12, 2).field("CUIT", 'C', 13);
  w.add({"A", 25, rt::MakeDate(2005, 6, 30), *rt::Currency::parse(u"1210.50"), "20-12345678-9"});
  w.addDeleted({"B", 1, rt::MakeDate(2005, 7, 1), *rt::Currency::parse(u"1"), ""});
  w.add({"M", 0, Variant::null(), *rt::Currency::parse(u"-99.99"), ""});
  w.write(folder.file("TXFAC.DBF"));
}

QString connectionString(const QString& folder) {
  return "Provider=vfpoledb.1;Data Source=" + folder + "/;Collating Sequence=general";
}

}  // namespace

TEST(DbfConnection, TheImportOpensItsSourceTableThroughTheFolderConnection) {
  TempFolder folder;
  writeTxfac(folder);
  ado::Connection source;
  source.Open(connectionString(folder.path()));
  EXPECT_EQ(source.State(), ado::adStateOpen);
  EXPECT_EQ(source.Errors().Count(), 0);

  ado::Recordset test;
  test.Open("Select * from [TXFAC]", source);
  EXPECT_EQ(source.Errors().Count(), 0);
  test.Close();

  ado::Recordset rs;
  rs.Open("Select * from TXFAC ", source);
  EXPECT_EQ(rs.RecordCount(), 2);
  ASSERT_FALSE(rs.EOF());
  EXPECT_EQ(rs.Fields("Cod_Cpb").Value(), Variant("A"));
  EXPECT_EQ(rs.Fields("cod_cli").Value(), Variant(int32_t(25)));
  EXPECT_EQ(rs.Fields("Fecha").Value(), Variant(rt::MakeDate(2005, 6, 30)));
  EXPECT_EQ(rs.Fields("Total").Value(), Variant(*rt::Currency::parse(u"1210.5")));
  EXPECT_EQ(rs.Fields("Total").Type(), ado::adNumeric);
  EXPECT_EQ(rs.Fields("Total").DefinedSize(), 12);
  EXPECT_EQ(rs.Fields("Cuit").Value(), Variant("20-12345678-9"));
  rs.MoveNext();
  ASSERT_FALSE(rs.EOF());
  EXPECT_EQ(rs.Fields("Cod_Cpb").Value(), Variant("M"));
  EXPECT_TRUE(rs.Fields("Fecha").Value().isNull());
  rs.MoveNext();
  EXPECT_TRUE(rs.EOF());
  rs.Close();
  source.Close();
}

// A record holding a value that is no value is reported when the recordset
// reaches it (the first one by the open), marked as one record's bad value;
// the next move goes to the records after it, so one bad record neither
// ends the table early nor makes it look empty. Every record reached, read
// or not, is named by its bookmark: its number in the table, deleted records
// counted, as the provider's report names it.
TEST(DbfConnection, ARecordThatCannotBeReadIsPassedByTheNextMove) {
  struct Case {
    int record;
    const char* field;
    const char* bytes;
  };
  // Where NUMERO 1, 2 and 3 stand: a deleted record before the first and
  // another before the third.
  const int place[] = {0, 2, 3, 5};
  for (const Case& c : {Case{1, "TOTAL", "12x4.00"}, Case{2, "FECHA", "20051340"}, Case{3, "FECHA", "2005AB01"}}) {
    TempFolder folder;
    DbfWriter w;
    w.field("NUMERO", 'N', 4).field("FECHA", 'D').field("TOTAL", 'N', 8, 2);
    for (int i = 1; i <= 3; ++i) {
      if (i != 2) w.addDeleted({0, Variant::null(), Variant::null()});
      w.add({i, i == c.record && c.field[0] == 'F' ? Variant(c.bytes) : Variant(rt::MakeDate(2005, 7, i)),
             i == c.record && c.field[0] == 'T' ? Variant(c.bytes) : Variant(*rt::Currency::parse(u"10.50"))});
    }
    w.write(folder.file("TXFAC.DBF"));
    for (const int cursorLocation : {ado::adUseServer, ado::adUseClient}) {
      SCOPED_TRACE(testing::Message() << "record " << c.record << ", cursor " << cursorLocation);
      ado::Connection source;
      source.setCursorLocation(cursorLocation);
      source.Open(connectionString(folder.path()));
      ado::Recordset rs;
      // What each step saw: the record's NUMERO, or the failure's text; and
      // the bookmark.
      QStringList seen;
      const auto step = [&](const std::function<void()>& move) {
        try {
          move();
          if (rs.EOF()) return;
          seen << rs.Fields("NUMERO").Value().toString() + " @" + rs.Bookmark().toString();
        } catch (const rt::Error& e) {
          EXPECT_EQ(e.Number(), ado::errnum::E_FAIL);
          ASSERT_GE(source.Errors().Count(), 1);
          EXPECT_EQ(source.Errors()[0].SQLState, ado::kSqlStateInvalidValue);
          seen << source.Errors()[0].Description.section(u'(', 1).section(u')', 0, 0) + " @" +
                      rs.Bookmark().toString();
        }
      };
      step([&] { rs.Open("Select * from TXFAC ", source); });
      while (!rs.EOF()) step([&] { rs.MoveNext(); });
      QStringList expected = {"1 @2", "2 @3", "3 @5"};
      expected[c.record - 1] =
          QStringLiteral("registro %1, campo %2 @%1").arg(place[c.record]).arg(QString::fromLatin1(c.field));
      EXPECT_EQ(seen, expected);
      EXPECT_EQ(testing_support::errorNumberOf([&] { (void)rs.Bookmark(); }), ado::errnum::BofOrEof);
    }
  }
}

// Starting again and, on a client cursor, moving back name the rows the
// same way; counting reads ahead but does not move, so a record that could
// not be read stays the one named.
TEST(DbfConnection, ABookmarkNamesTheRowTheSetStandsOn) {
  TempFolder folder;
  DbfWriter w;
  w.field("NUMERO", 'N', 4).field("FECHA", 'D');
  const Variant fecha = rt::MakeDate(2005, 7, 1);
  w.addDeleted({1, fecha}).add({2, fecha}).add({3, "20051340"}).addDeleted({4, fecha}).add({5, fecha});
  w.add({6, "2005AB01"});
  w.write(folder.file("TXFAC.DBF"));
  for (const int cursorLocation : {ado::adUseServer, ado::adUseClient}) {
    SCOPED_TRACE(testing::Message() << "cursor " << cursorLocation);
    ado::Connection source;
    source.setCursorLocation(cursorLocation);
    source.Open(connectionString(folder.path()));
    ado::Recordset rs;
    rs.Open("Select * from TXFAC ", source);
    EXPECT_NE(testing_support::errorNumberOf([&] { rs.MoveNext(); }), 0);
    EXPECT_EQ(rs.Bookmark(), Variant(int32_t(3)));
    rs.MoveNext();
    EXPECT_EQ(rs.Bookmark(), Variant(int32_t(5)));
    rs.MoveFirst();
    EXPECT_EQ(rs.Bookmark(), Variant(int32_t(2)));
    if (cursorLocation != ado::adUseClient) continue;
    rs.MoveNext();
    rs.MovePrevious();
    EXPECT_EQ(rs.Bookmark(), Variant(int32_t(2)));
    ado::Recordset again;
    again.Open("Select * from TXFAC ", source);
    EXPECT_NE(testing_support::errorNumberOf([&] { again.MoveNext(); }), 0);
    EXPECT_NE(testing_support::errorNumberOf([&] { (void)again.RecordCount(); }), 0);
    EXPECT_EQ(again.Bookmark(), Variant(int32_t(3)));
  }
}

TEST(DbfConnection, ExecuteReturnsTheTableRows) {
  TempFolder folder;
  writeTxfac(folder);
  ado::Connection source;
  source.Open(connectionString(folder.path()));
  ado::Recordset rs = source.Execute("Select * from [TXFAC]");
  ASSERT_FALSE(rs.EOF());
  EXPECT_EQ(rs.Fields("COD_CPB").Value(), Variant("A"));
}

TEST(DbfConnection, AMissingTableFillsErrorsWithItsDescription) {
  TempFolder folder;
  writeTxfac(folder);
  ado::Connection source;
  source.Open(connectionString(folder.path()));
  ado::Recordset rs;
  try {
    rs.Open("Select * from [TXCLI]", source);
    FAIL() << "the missing table opened";
  } catch (const rt::Error& e) {
    EXPECT_EQ(e.Number(), ado::errnum::MissingTable);
  }
  ASSERT_GE(source.Errors().Count(), 1);
  EXPECT_EQ(source.Errors()[0].Description, "No se encuentra la tabla TXCLI en la carpeta " + folder.path() + ".");
}

TEST(DbfConnection, AMissingFolderIsAConnectionError) {
  TempFolder folder;
  ado::Connection source;
  try {
    source.Open(connectionString(folder.file("migrar")));
    FAIL() << "the missing folder opened";
  } catch (const rt::Error&) {
  }
  EXPECT_EQ(source.State(), ado::adStateClosed);
  ASSERT_GE(source.Errors().Count(), 1);
  EXPECT_EQ(source.Errors()[0].Description, "No se encuentra la carpeta de datos " + folder.file("migrar") + ".");
}

TEST(DbfConnection, TheTableSchemaListsTheFolderTables) {
  TempFolder folder;
  writeTxfac(folder);
  DbfWriter().field("CODIGO", 'N', 4).write(folder.file("TXCLI.DBF"));
  ado::Connection source;
  source.Open(connectionString(folder.path()));
  ado::Recordset tables = source.OpenSchema(ado::adSchemaTables);
  QStringList names;
  for (; !tables.EOF(); tables.MoveNext()) {
    EXPECT_EQ(tables.Fields("TABLE_TYPE").Value(), Variant("TABLE"));
    names << tables.Fields("TABLE_NAME").Value().toString();
  }
  EXPECT_EQ(names, (QStringList{"TXCLI", "TXFAC"}));
}
