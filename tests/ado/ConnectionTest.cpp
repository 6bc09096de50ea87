#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QDir>
#include <QFile>

#include "platform/ado/Connection.h"
#include "platform/runtime/Error.h"
#include "support/ErrorNumber.h"
#include "support/Printers.h"
#include "support/SuiteDatabase.h"

using namespace testing_support;
namespace errnum = ado::errnum;

TEST(Connection, AMissingDatabaseFileIsAConnectionErrorAndNoFileIsCreated) {
  TempFolder folder;
  const QString missing = folder.file(QStringLiteral("no_esta.db"));
  ado::Connection cn;
  try {
    cn.Open(EmbeddedConnectionString(missing));
    FAIL() << "opened a missing file";
  } catch (const rt::Error& e) {
    EXPECT_EQ(e.Number(), errnum::E_FAIL);
    EXPECT_TRUE(e.Description().contains(missing)) << e.Description().toStdString();
  }
  ASSERT_EQ(cn.Errors().Count(), 1);
  EXPECT_EQ(cn.Errors()[0].Number, errnum::E_FAIL);
  EXPECT_EQ(cn.Errors()[0].Description, QStringLiteral("No se encuentra la base de datos \"%1\".").arg(missing));
  EXPECT_EQ(cn.State(), ado::adStateClosed);
  EXPECT_FALSE(QFile::exists(missing));
}

TEST(Connection, AFileThatIsNotADatabaseIsAConnectionError) {
  TempFolder folder;
  const QString path = folder.write(QStringLiteral("texto.db"), QByteArray(4096, 'x'));
  ado::Connection cn;
  EXPECT_EQ(ErrorNumberOf([&] { cn.Open(EmbeddedConnectionString(path)); }), errnum::E_FAIL);
  ASSERT_EQ(cn.Errors().Count(), 1);
  EXPECT_TRUE(cn.Errors()[0].Description.contains(QStringLiteral("no es una base de datos")));
  EXPECT_EQ(cn.State(), ado::adStateClosed);
}

namespace {

// An SQLite file of some other program: its own table, rollback journal.
QString foreignDatabase(const TempFolder& folder) {
  const QString path = folder.file(QStringLiteral("otra.db"));
  sqlite3* db = nullptr;
  sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  sqlite3_exec(db, "CREATE TABLE clientes (codigo INTEGER, nombre TEXT); INSERT INTO clientes VALUES (1, 'a');", nullptr,
               nullptr, nullptr);
  sqlite3_close(db);
  return path;
}

QByteArray contentsOf(const QString& path) {
  QFile file(path);
  file.open(QIODevice::ReadOnly);
  return file.readAll();
}

}  // namespace

// A file that is no suite database, or a damaged one, is refused with one
// connection error in Spanish, and nothing is written to it: an empty file
// is not turned into a database, another program's is left as it was.
// SQLite's own words on the damage come in a second entry.
TEST(Connection, AFileThatIsNoSuiteDatabaseOrIsDamagedIsRefusedUntouched) {
  TempFolder folder;
  struct Case {
    QString path;
    QString description;
    bool detail;
  };
  const QString empty = folder.write(QStringLiteral("vacia.db"), QByteArray());
  const QString foreign = foreignDatabase(folder);
  const QString damaged = NewDamagedSuiteDatabase(folder);
  const QString noSuite = QStringLiteral("El archivo \"%1\" no es una base de datos del sistema: le faltan sus tablas.");
  for (const Case& c : {
           Case{empty, noSuite.arg(empty), false},
           Case{foreign, noSuite.arg(foreign), false},
           Case{damaged,
                QStringLiteral("La base de datos \"%1\" está dañada. Restaure una copia de seguridad antes de usarla.")
                    .arg(damaged),
                true},
       }) {
    SCOPED_TRACE(c.path.toStdString());
    const QByteArray before = contentsOf(c.path);
    ado::Connection cn;
    EXPECT_EQ(ErrorNumberOf([&] { cn.Open(EmbeddedConnectionString(c.path)); }), errnum::E_FAIL);
    ASSERT_EQ(cn.Errors().Count(), c.detail ? 2 : 1);
    EXPECT_EQ(cn.Errors()[0].Description, c.description);
    EXPECT_EQ(cn.Errors()[0].SQLState, "08001");
    if (c.detail) {
      EXPECT_EQ(cn.Errors()[1].Source, "SQLite");
      EXPECT_FALSE(cn.Errors()[1].Description.isEmpty());
    }
    EXPECT_EQ(cn.State(), ado::adStateClosed);
    EXPECT_EQ(contentsOf(c.path), before);
    EXPECT_FALSE(QFile::exists(c.path + QStringLiteral("-wal")));
  }
}

TEST(Connection, StatesAndTheErrorsOfClosedAndOpenObjects) {
  TempFolder folder;
  const QString path = NewSuiteDatabase(folder);
  ado::Connection cn;
  EXPECT_EQ(cn.State(), ado::adStateClosed);
  EXPECT_EQ(ErrorNumberOf([&] { cn.Execute(QStringLiteral("SELECT 1")); }), errnum::ClosedObject);
  EXPECT_EQ(ErrorNumberOf([&] { cn.Close(); }), errnum::ClosedObject);
  EXPECT_EQ(ErrorNumberOf([&] { cn.BeginTrans(); }), errnum::ClosedObject);
  ado::Recordset rs;
  EXPECT_EQ(ErrorNumberOf([&] { rs.Open(QStringLiteral("SELECT 1"), cn); }), errnum::ConnectionUnusable);

  cn.setConnectionString(EmbeddedConnectionString(path));
  cn.Open();
  EXPECT_EQ(cn.State(), ado::adStateOpen);
  EXPECT_EQ(ErrorNumberOf([&] { cn.Open(); }), errnum::AlreadyOpen);
  EXPECT_EQ(ErrorNumberOf([&] { cn.setConnectionString(QString()); }), errnum::AlreadyOpen);
  EXPECT_EQ(cn.Errors().Count(), 0) << "errors raised by the objects themselves are not provider errors";

  rs.Open(QStringLiteral("SELECT CLAVE FROM TA_CONFIGURACION"), cn);
  cn.Close();
  EXPECT_EQ(rs.State(), ado::adStateClosed) << "closing the connection closes its recordsets";
  EXPECT_EQ(ErrorNumberOf([&] { (void)rs.EOF(); }), errnum::ClosedObject);

  cn.Open();  // the same connection string again
  EXPECT_EQ(cn.State(), ado::adStateOpen);
}

TEST(Connection, ABareNameIsADatabaseBesideTheLastOneOpenedByPath) {
  TempFolder folder;
  const QString suite = NewSuiteDatabase(folder);
  NewSuiteDatabase(folder, QStringLiteral("VX_ESTADISTICAS.db"));
  ado::Connection main, statistics;
  main.Open(EmbeddedConnectionString(suite));
  main.Execute(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('DONDE', 'principal')"));

  statistics.Open(EmbeddedConnectionString(QStringLiteral("VX_ESTADISTICAS")));
  statistics.Execute(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('DONDE', 'estadisticas')"));
  ado::Recordset rs = statistics.Execute(QStringLiteral("SELECT COUNT(*) FROM TA_CONFIGURACION"));
  EXPECT_EQ(rs.Fields(0).Value(), rt::Variant(1)) << "each name is a database of its own";
  EXPECT_EQ(statistics.DefaultDatabase(), QStringLiteral("VX_ESTADISTICAS"));

  ado::Connection other;
  EXPECT_EQ(ErrorNumberOf([&] { other.Open(EmbeddedConnectionString(QStringLiteral("OTRA"))); }), errnum::E_FAIL);
  EXPECT_TRUE(other.Errors()[0].Description.contains(QDir(folder.path()).filePath(QStringLiteral("OTRA.db"))));
}

TEST(Connection, DefaultDatabaseAcceptsTheOpenDatabaseOnly) {
  TempFolder folder;
  const QString path = NewSuiteDatabase(folder);
  ado::Connection cn;
  cn.Open(QStringLiteral("DRIVER=SQLite3 ODBC Driver;Database=%1;").arg(path));
  EXPECT_EQ(cn.DefaultDatabase(), path);
  cn.setDefaultDatabase(QStringLiteral("suite"));
  EXPECT_EQ(cn.DefaultDatabase(), QStringLiteral("suite"));
  cn.setDefaultDatabase(path);
  EXPECT_EQ(ErrorNumberOf([&] { cn.setDefaultDatabase(QStringLiteral("GESTION")); }), errnum::E_FAIL);
  EXPECT_EQ(cn.Errors()[0].NativeError, 911);
  EXPECT_EQ(cn.DefaultDatabase(), path);
}

TEST(Connection, KeepsItsPropertiesAcrossOpening) {
  TempFolder folder;
  ado::Connection cn;
  EXPECT_EQ(cn.CursorLocation(), ado::adUseServer);
  EXPECT_EQ(cn.CommandTimeout(), 30);
  EXPECT_EQ(cn.IsolationLevel(), ado::adXactReadCommitted);
  cn.setCursorLocation(ado::adUseClient);
  cn.setCommandTimeout(360);
  cn.Open(EmbeddedConnectionString(NewSuiteDatabase(folder)));
  cn.setIsolationLevel(ado::adXactReadUncommitted);
  cn.setCommandTimeout(5);
  EXPECT_EQ(cn.CursorLocation(), ado::adUseClient);
  EXPECT_EQ(cn.CommandTimeout(), 5);
  EXPECT_EQ(cn.IsolationLevel(), ado::adXactReadUncommitted);
  EXPECT_TRUE(cn.ConnectionString().contains(QStringLiteral("Server=sqlite")));
}

TEST(Connection, ExecuteReportsTheRowsItTouched) {
  TempFolder folder;
  ado::Connection cn;
  cn.Open(EmbeddedConnectionString(NewSuiteDatabase(folder)));
  long affected = 0;
  cn.Execute(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE) VALUES ('A')"), &affected);
  EXPECT_EQ(affected, 1);
  cn.Execute(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE) SELECT CLAVE || 'x' FROM TA_CONFIGURACION"), &affected);
  EXPECT_EQ(affected, 1);
  cn.Execute(QStringLiteral("UPDATE TA_CONFIGURACION SET VALOR = '1'"), &affected);
  EXPECT_EQ(affected, 2);
  ado::Recordset none = cn.Execute(QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE CLAVE = 'zz'"), &affected);
  EXPECT_EQ(affected, 0);
  EXPECT_EQ(none.State(), ado::adStateClosed) << "a statement without rows gives a closed recordset";
  ado::Recordset rows = cn.Execute(QStringLiteral("SELECT * FROM TA_CONFIGURACION"), &affected);
  EXPECT_EQ(affected, -1);
  EXPECT_EQ(rows.State(), ado::adStateOpen);
}
