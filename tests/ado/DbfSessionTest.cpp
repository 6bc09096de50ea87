// The DBF provider's session: a folder, its statements, its tables.
#include <gtest/gtest.h>

#include "DbfFixtures.h"
#include "platform/ado/Constants.h"
#include "support/DbfWriter.h"
#include "support/Printers.h"
#include "support/TempFolder.h"
#include "support/Unreadable.h"

using dbf_fixtures::descriptionOf;
using dbf_fixtures::failureOf;
using dbf_fixtures::openFolder;
using dbf_fixtures::readAll;
using rt::Variant;
using testing_support::DbfWriter;
using testing_support::TempFolder;

namespace {

// txfac.DbF with its memo TxFac.fpt: names in any case, as copied from Windows.
void writeTxfac(const TempFolder& folder) {
  DbfWriter w;
  w.field("NUMERO", 'N', 8).field("OBS", 'M').add({1, "uno"}).add({2, "dos"});
  folder.write("txfac.DbF", w.tableBytes());
  folder.write("TxFac.fpt", w.memoBytes());
}

const std::vector<std::vector<Variant>> kTxfacRows = {{int32_t(1), "uno"}, {int32_t(2), "dos"}};

}  // namespace

TEST(DbfSession, OpensTheFolderWithEitherSeparatorAndAFinalOne) {
  TempFolder folder;
  writeTxfac(folder);
  QString backslashes = folder.path();
  backslashes.replace(u'/', u'\\');
  for (const QString& path : {folder.path(), folder.path() + u'/', backslashes + u'\\'}) {
    SCOPED_TRACE(path.toStdString());
    EXPECT_EQ(readAll(*openFolder(path), "Select * from [TXFAC]").rows, kTxfacRows);
  }
}

TEST(DbfSession, AMissingFolderIsAConnectionError) {
  TempFolder folder;
  const QString archivo = folder.write("TXFAC.DBF", {});
  for (const QString& missing : {folder.file("migrar"), archivo}) {
    const auto failure = failureOf([&] { openFolder(missing); });
    EXPECT_EQ(failure.number, ado::errnum::E_FAIL);
    EXPECT_EQ(descriptionOf(failure), "No se encuentra la carpeta de datos " + missing + ".");
  }
}

// A folder or table the system does not let this program read is named
// with the system's reason, never as missing: its tables are there. A
// folder that becomes unreadable after the connection opened is told so
// when a table is opened.
TEST(DbfSession, AFolderOrTableThatCannotBeReadIsToldWithTheReason) {
  TempFolder folder;
  writeTxfac(folder);
  const QString reason = QStringLiteral("No se puede leer la carpeta de datos %1: no tiene permiso.").arg(folder.path());
  auto session = openFolder(folder.path());
  {
    testing_support::Unreadable closed(folder.path());
    if (!closed.holds()) GTEST_SKIP() << "this system lets the tests read a folder without permissions";
    EXPECT_EQ(descriptionOf(failureOf([&] { openFolder(folder.path()); })), reason);
    const auto failure = failureOf([&] { session->open("Select * from TXFAC"); });
    EXPECT_EQ(failure.number, ado::errnum::E_FAIL);
    EXPECT_EQ(descriptionOf(failure), reason);
  }
  const QString table = folder.file("txfac.DbF");
  testing_support::Unreadable closed(table);
  EXPECT_EQ(descriptionOf(failureOf([&] { session->open("Select * from TXFAC"); })),
            "No se puede abrir el archivo " + table + ": no tiene permiso.");
}

TEST(DbfSession, SelectsAWholeTableWrittenInAnyOfItsForms) {
  TempFolder folder;
  writeTxfac(folder);
  auto session = openFolder(folder.path());
  for (const char* sql : {"Select * from [TXFAC]", "Select * from TXFAC ", "select * from txfac",
                          "SELECT * FROM TXFAC.DBF", "Select * from [txfac.dbf]", "  Select  *  from  TXFAC ;"}) {
    SCOPED_TRACE(sql);
    const auto table = readAll(*session, sql);
    EXPECT_EQ(table.rows, kTxfacRows);
    EXPECT_EQ(table.knownCount, 2);
  }
  auto executed = session->execute("Select * from TXFAC ");
  ASSERT_TRUE(executed.rows);
  EXPECT_EQ(executed.rows->columns().at(1).name, "OBS");
}

TEST(DbfSession, RefusesMissingTablesAndOtherStatements) {
  TempFolder folder;
  writeTxfac(folder);
  auto session = openFolder(folder.path());
  struct Case { const char* sql; long number; QString expected; };
  const Case cases[] = {
      {"Select * from [TXCLI]", ado::errnum::MissingTable,
       "No se encuentra la tabla TXCLI en la carpeta " + folder.path() + "."},
      {"Select * from [../TXFAC]", ado::errnum::MissingTable, "No se encuentra la tabla ../TXFAC"},
      {"Select NUMERO from TXFAC", ado::errnum::CommandText,
       "El proveedor DBF sólo admite instrucciones \"Select * from TABLA\"; no puede ejecutar: Select NUMERO from "
       "TXFAC"},
      {"Select * from TXFAC where NUMERO = 1", ado::errnum::CommandText, "sólo admite"},
      {"DELETE TXFAC", ado::errnum::CommandText,
       "Las tablas DBF se abren sólo para lectura; no se puede ejecutar: DELETE TXFAC"},
      {"insert into TXFAC values (3)", ado::errnum::CommandText, "sólo para lectura"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.sql);
    for (const auto& step : {std::function<void()>([&] { session->open(c.sql); }),
                             std::function<void()>([&] { session->execute(c.sql); })}) {
      const auto failure = failureOf(step);
      EXPECT_EQ(failure.number, c.number);
      EXPECT_TRUE(descriptionOf(failure).contains(c.expected)) << descriptionOf(failure).toStdString();
    }
  }
  const auto failure = failureOf([&] { session->writerFor("Select * from TXFAC", {}); });
  EXPECT_EQ(failure.number, ado::errnum::NotSupported);
  EXPECT_EQ(descriptionOf(failure), "Las tablas DBF se abren sólo para lectura.");
}

TEST(DbfSession, ListsTheFolderTables) {
  TempFolder folder;
  writeTxfac(folder);
  DbfWriter w;
  w.field("CODIGO", 'N', 4).write(folder.file("txcli.dbf"));
  folder.write("notas.txt", "no es una tabla");
  auto session = openFolder(folder.path());

  EXPECT_TRUE(readAll(*session, "Select * from TXCLI").rows.empty());
  const auto tables = [&](std::vector<Variant> restrictions) {
    auto cursor = session->schema(ado::adSchemaTables, restrictions);
    EXPECT_EQ(cursor->columns().at(2).name, "TABLE_NAME");
    EXPECT_EQ(cursor->columns().at(3).name, "TABLE_TYPE");
    std::vector<Variant> row;
    std::vector<std::pair<Variant, Variant>> names;
    while (cursor->next(row)) names.emplace_back(row[2], row[3]);
    return names;
  };
  using Names = std::vector<std::pair<Variant, Variant>>;
  EXPECT_EQ(tables({}), (Names{{"txcli", "TABLE"}, {"txfac", "TABLE"}}));
  EXPECT_EQ(tables({Variant(), Variant(), "TXFAC"}), (Names{{"txfac", "TABLE"}}));
  EXPECT_EQ(tables({Variant(), Variant(), Variant(), "VIEW"}), Names{});
  EXPECT_EQ(failureOf([&] { session->schema(ado::adSchemaColumns, {}); }).number, ado::errnum::NotSupported);
}

TEST(DbfSession, ACodePageTheSystemCannotConvertIsAConnectionError) {
  TempFolder folder;
  for (const char* page : {"9999", "ochocientos"}) {
    const auto failure = failureOf([&] { openFolder(folder.path(), page); });
    EXPECT_EQ(descriptionOf(failure), QStringLiteral("La página de códigos %1 de la cadena de conexión no es "
                                                     "válida en este sistema.")
                                          .arg(page));
  }
}
