// The restaurant system's tables through the data-access objects, as the
// import window opens them.
#include <gtest/gtest.h>

#include "platform/ado/Connection.h"
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

// A damaged record is reported when the recordset reaches it; moving on
// again goes to the records after it, so one bad record does not end the
// table early.
TEST(DbfConnection, MovingPastADamagedRecordReachesTheRecordsAfterIt) {
  TempFolder folder;
  DbfWriter w;
  w.field("NUMERO", 'N', 4).field("FECHA", 'D');
  w.add({1, rt::MakeDate(2005, 7, 1)});
  w.add({2, "20051340"});
  w.add({3, rt::MakeDate(2005, 7, 3)});
  w.write(folder.file("TXFAC.DBF"));
  for (const int cursorLocation : {ado::adUseServer, ado::adUseClient}) {
    SCOPED_TRACE(cursorLocation);
    ado::Connection source;
    source.setCursorLocation(cursorLocation);
    source.Open(connectionString(folder.path()));
    ado::Recordset rs;
    rs.Open("Select * from TXFAC ", source);
    EXPECT_EQ(rs.Fields("NUMERO").Value(), Variant(int32_t(1)));
    EXPECT_EQ(testing_support::errorNumberOf([&] { rs.MoveNext(); }), ado::errnum::E_FAIL);
    ASSERT_GE(source.Errors().Count(), 1);
    EXPECT_TRUE(source.Errors()[0].Description.contains("registro 2, campo FECHA"));
    rs.MoveNext();
    ASSERT_FALSE(rs.EOF());
    EXPECT_EQ(rs.Fields("NUMERO").Value(), Variant(int32_t(3)));
    rs.MoveNext();
    EXPECT_TRUE(rs.EOF());
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
