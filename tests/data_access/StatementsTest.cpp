// Statements and recordsets on a real database: which errors the operator
// sees, which stay for the caller, and the reconnection.
#include <gtest/gtest.h>

#include <QFile>

#include "support/BrokenLink.h"
#include "support/ServiceDatabase.h"
#include "support/SuiteDatabase.h"
#include "platform/ui/MessageBox.h"
#include "support/Printers.h"

namespace {

using data_access::gDB;

class Statements : public testing_support::ServiceDatabase {
 protected:
  // Under every database file the tests open, so a test can break it.
  testing_support::BrokenLink link;
  void SetUp() override {
    ServiceDatabase::SetUp();
    exec("INSERT INTO TA_USUARIOS (Nombre, Administrador) VALUES ('Ana', 1)");
    exec("INSERT INTO TA_USUARIOS (Nombre, Administrador) VALUES ('Beto', 0)");
  }
  // A duplicate key leaves entries in the Errors collection.
  void leaveAnError() {
    gDB().EjecutaConsultaSQL("INSERT INTO TA_USUARIOS (Nombre) VALUES ('Ana')");
    ASSERT_GT(gDB().gCnn.Errors().Count(), 0);
  }
};

TEST_F(Statements, RunsWithTheAdminMarkerRemoved) {
  connectAs("Beto");
  QString sql = "DELETE FROM @Admin_TA_USUARIOS WHERE Nombre = 'Beto'";
  long affected = 0;
  gDB().EjecutaConsultaSQL(sql, &affected);
  EXPECT_EQ(sql, "DELETE FROM TA_USUARIOS WHERE Nombre = 'Beto'");
  EXPECT_EQ(affected, 1);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM TA_USUARIOS").toLong(), 1);

  ado::Recordset rows;
  gDB().EjecutaConsultaSQL("SELECT Nombre FROM TA_USUARIOS", nullptr, &rows);
  ASSERT_EQ(rows.State(), ado::adStateOpen);
  EXPECT_EQ(rows.Fields("Nombre").Value().toString(), "Ana");
}

TEST_F(Statements, OnlyScriptsThatDropAndCreateGetTheSynonyms) {
  connectAs("Beto");
  struct Case {
    const char* sql;
    const char* run;
  };
  const Case cases[] = {
      {"DROP VIEW V_X\rCREATE VIEW V_X AS SELECT * FROM MA_CUENTAS WHERE 1=1",
       "DROP VIEW V_X\rCREATE VIEW V_X AS SELECT * FROM SS_MA_CUENTAS WHERE 1=1"},
      {"DROP VIEW V_X\rCREATE VIEW V_X AS SELECT * FROM MA_CUENTAS WHERE 1=1\rDELETE FROM T",
       "DROP VIEW V_X\rCREATE VIEW V_X AS SELECT * FROM MA_CUENTAS WHERE 1=1\rDELETE FROM T"},
      {"DROP VIEW V_X\rCREATE VIEW V_X AS SELECT * FROM @Admin_MA_CUENTAS , MA_CUENTAS WHERE 1=1",
       "DROP VIEW V_X\rCREATE VIEW V_X AS SELECT * FROM MA_CUENTAS , MA_CUENTAS WHERE 1=1"},
      {"UPDATE MA_CUENTAS SET X = 1 WHERE CODIGO IN (SELECT CODIGO FROM @admin_MA_CUENTAS )",
       "UPDATE MA_CUENTAS SET X = 1 WHERE CODIGO IN (SELECT CODIGO FROM MA_CUENTAS )"},
  };
  for (const Case& c : cases) {
    QString sql = c.sql;
    gDB().EjecutaConsultaSQL(sql);
    EXPECT_EQ(sql, QString::fromUtf8(c.run)) << c.sql;
  }
  // Their failures here (no such tables, no views) are of the silent kinds.
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(Statements, ExpectedErrorsStaySilentInTheErrorsCollection) {
  connectAs("Ana");
  leaveAnError();
  EXPECT_EQ(gDB().gCnn.Errors()[0].NativeError, 2627);
  gDB().EjecutaConsultaSQL("INSERT INTO NO_EXISTE (A) VALUES (1)");
  gDB().EjecutaConsultaSQL("UPDATE TA_USUARIOS SET NoExiste = 1");
  EXPECT_TRUE(host.boxes().empty());
  EXPECT_GT(gDB().gCnn.Errors().Count(), 0);
}

TEST_F(Statements, UnexpectedErrorsAreShownOutsideTransactions) {
  connectAs("Ana");
  gDB().gCnn.Close();
  host.answer(ui::mb::Ok);
  gDB().EjecutaConsultaSQL("DELETE FROM TA_USUARIOS");
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].title, "Aviso al operador!!!");
  EXPECT_EQ(host.boxes()[0].buttons, ui::mb::Critical | ui::mb::OkOnly);
  EXPECT_FALSE(host.boxes()[0].prompt.isEmpty());

  // "TRANS" anywhere, a table name too, keeps it silent.
  gDB().EjecutaConsultaSQL("DELETE FROM TRANSPORTES");
  EXPECT_EQ(host.boxes().size(), 1u);
}

TEST_F(Statements, TruncationIsClearedOutsideTransactionScriptsOnly) {
  connectAs("Ana");
  gDB().EjecutaConsultaSQL("INSERT INTO TA_USUARIOS (Nombre, UNegocio) VALUES ('Zoe', '12345')");
  EXPECT_EQ(gDB().gCnn.Errors().Count(), 0);

  gDB().EjecutaConsultaSQL("BEGIN TRANSACTION \r\rINSERT INTO TA_USUARIOS (Nombre, UNegocio) VALUES ('Zoe', '12345')\r");
  ASSERT_GT(gDB().gCnn.Errors().Count(), 0);
  EXPECT_EQ(gDB().gCnn.Errors()[0].NativeError, 8152);
  gDB().gCnn.Errors().Clear();
  gDB().EjecutaConsultaSQL("ROLLBACK TRANSACTION");
  EXPECT_TRUE(host.boxes().empty());
  EXPECT_EQ(gDB().gCnn.Errors().Count(), 0);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM TA_USUARIOS WHERE Nombre = 'Zoe'").toLong(), 0);
}

TEST_F(Statements, ReadsGoThroughTheUsersSynonyms) {
  const QString sql = "SELECT ' MA_CUENTAS ' AS Tabla FROM TA_USUARIOS";
  connectAs("Beto");
  QString forUser = sql;
  ado::Recordset rs;
  gDB().AbrirRecordset(forUser, rs);
  EXPECT_EQ(forUser, "SELECT ' SS_MA_CUENTAS ' AS Tabla FROM TA_USUARIOS");
  EXPECT_EQ(rs.Fields("Tabla").Value().toString(), " SS_MA_CUENTAS ");

  data_access::ResetDataAccess();
  connectAs("Ana");
  QString forAdmin = sql;
  gDB().AbrirRecordset(forAdmin, rs);
  EXPECT_EQ(forAdmin, sql);
}

TEST_F(Statements, ALostConnectionIsOpenedAgain) {
  connectAs("Ana");
  link.breakOpenFiles();
  ado::Recordset rs;
  gDB().AbrirRecordset("SELECT * FROM TA_USUARIOS ORDER BY Nombre", rs);
  ASSERT_EQ(rs.State(), ado::adStateOpen);
  EXPECT_EQ(rs.Fields("Nombre").Value().toString(), "Ana");
  EXPECT_TRUE(gDB().gOpenFlag);
  EXPECT_EQ(gDB().gCnn.CommandTimeout(), 5);
  EXPECT_TRUE(host.boxes().empty());
}

// Only a failure of the service's own connection whose own entries say the
// link is lost opens it again, and never inside a transaction: reopening
// would end it, and what it wrote would be gone with no one told.
TEST_F(Statements, OtherFailuresAreReportedWithoutReconnecting) {
  enum class Failure { StaleEntriesClosedConnection, LostLinkInATransaction, LostLinkOfAnotherConnection };
  for (Failure failure : {Failure::StaleEntriesClosedConnection, Failure::LostLinkInATransaction,
                          Failure::LostLinkOfAnotherConnection}) {
    SCOPED_TRACE(static_cast<int>(failure));
    data_access::ResetDataAccess();
    connectAs("Ana");
    const int timeout = gDB().gCnn.CommandTimeout();
    ado::Connection other;
    ado::Connection* failing = nullptr;
    switch (failure) {
      case Failure::StaleEntriesClosedConnection:
        // What an earlier lost link left, then a connection closed on purpose.
        gDB().gCnn.Errors().Add({ado::errnum::E_FAIL, "Se perdió el vínculo.", "ODBC", "08S01", 0});
        leaveAnError();
        gDB().gCnn.Close();
        break;
      case Failure::LostLinkInATransaction:
        gDB().gCnn.BeginTrans();
        gDB().EjecutaConsultaSQL("INSERT INTO TA_USUARIOS (Nombre) VALUES ('Carla')");
        link.breakOpenFiles();
        break;
      case Failure::LostLinkOfAnotherConnection:
        leaveAnError();
        other.Open(testing_support::EmbeddedConnectionString(path));
        failing = &other;
        link.breakOpenFiles();
        break;
    }
    const size_t boxes = host.boxes().size();
    host.answer(ui::mb::Abort);
    ado::Recordset rs;
    // A table not read before: inside a transaction the pages read so far
    // are at hand without the disk.
    gDB().AbrirRecordset("SELECT * FROM MA_CUENTAS", rs, failing);
    EXPECT_EQ(rs.State(), ado::adStateClosed);
    EXPECT_EQ(host.boxes().size(), boxes + 1);
    EXPECT_TRUE(host.boxes().size() > boxes && host.boxes().back().prompt.contains("AbrirRecordset"));
    EXPECT_EQ(gDB().gCnn.CommandTimeout(), timeout) << "not reconnected";
    if (failure == Failure::LostLinkInATransaction) {
      EXPECT_TRUE(gDB().gCnn.InTransaction());
    } else if (failure == Failure::StaleEntriesClosedConnection) {
      EXPECT_EQ(gDB().gCnn.State(), ado::adStateClosed);
    }
  }
}

TEST_F(Statements, AConnectionThatCannotBeOpenedAgainIsReported) {
  connectAs("Ana");
  link.breakOpenFiles();
  cn.Close();
  ASSERT_TRUE(QFile::remove(path));
  host.answer(ui::mb::Abort);
  ado::Recordset rs;
  gDB().AbrirRecordset("SELECT * FROM TA_USUARIOS", rs);
  EXPECT_EQ(rs.State(), ado::adStateClosed);
  EXPECT_FALSE(gDB().gOpenFlag);
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_TRUE(host.boxes()[0].prompt.contains("AbrirRecordset"));
}

TEST_F(Statements, AReconnectionIsNotRepeatedWhenTheOpenStillFails) {
  connectAs("Ana");
  leaveAnError();
  ado::Connection closed;
  host.answer(ui::mb::Abort);
  ado::Recordset rs;
  gDB().AbrirRecordset("SELECT * FROM TA_USUARIOS", rs, &closed);
  EXPECT_EQ(rs.State(), ado::adStateClosed);
  EXPECT_EQ(host.boxes().size(), 1u);
  EXPECT_TRUE(gDB().gOpenFlag);
}

TEST_F(Statements, AClosedConnectionWithoutErrorsIsNotReopened) {
  connectAs("Ana");
  gDB().gCnn.Close();
  host.answer(ui::mb::Abort);
  ado::Recordset rs;
  gDB().AbrirRecordset("SELECT * FROM TA_USUARIOS", rs);
  EXPECT_EQ(rs.State(), ado::adStateClosed);
  EXPECT_EQ(gDB().gCnn.State(), ado::adStateClosed);
  EXPECT_EQ(host.boxes().size(), 1u);
}

// A table a statement finds damaged, in a file that passed its check at
// the first opening: the box tells it in Spanish alone, the error log keeps
// SQLite's own words on the damage.
TEST_F(Statements, ADamagedTableIsToldInSpanishAndItsDetailLogged) {
  connectAs("Ana");
  cn.Close();
  gDB().gCnn.Close();
  testing_support::DamageTable(path, "MA_CUENTAS");
  connectAs("Ana");
  host.answer(ui::mb::Abort, "está dañada. Restaure una copia de seguridad antes de usarla.");
  ado::Recordset rs;
  gDB().AbrirRecordset("SELECT * FROM MA_CUENTAS", rs);
  EXPECT_EQ(rs.State(), ado::adStateClosed);
  ASSERT_EQ(gDB().gCnn.Errors().Count(), 2);
  const QString detail = gDB().gCnn.Errors()[1].Description;
  ASSERT_FALSE(detail.isEmpty());
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_FALSE(host.boxes()[0].prompt.contains(detail)) << host.boxes()[0].prompt.toStdString();
  const QString log = readFile(folder.file("VXERR.LOG"));
  EXPECT_TRUE(log.contains(QStringLiteral("Rutina: - SQLite Mensaje La base de datos \"%1\" está dañada. Restaure "
                                          "una copia de seguridad antes de usarla. | %2")
                               .arg(path, detail)))
      << log.toStdString();
}

TEST_F(Statements, ClosingCancelsAPendingEdit) {
  connectAs("Ana");
  ado::Recordset rs;
  gDB().AbrirRecordset("select  top 1 * from TA_USUARIOS  with(nolock) ", rs, nullptr, ado::adOpenDynamic,
                       ado::adLockOptimistic);
  ASSERT_EQ(rs.State(), ado::adStateOpen);
  rs.AddNew();
  rs.Fields("Nombre") = rt::Variant("Carla");
  gDB().CierraRecordset(rs);
  EXPECT_EQ(rs.State(), ado::adStateClosed);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM TA_USUARIOS").toLong(), 2);
  gDB().CierraRecordset(rs);
  EXPECT_TRUE(host.boxes().empty());
}

}  // namespace
