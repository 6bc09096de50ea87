// The statement batch on a real database: one transaction, rolled back and
// recorded in AUX_ERR on failure.
#include <gtest/gtest.h>

#include "support/CoreFixture.h"
#include "core/Batch.h"
#include "data_access/DataAccessState.h"
#include "data_access/ErrorLog.h"
#include "platform/ado/Error.h"
#include "platform/runtime/Environment.h"
#include "platform/ui/MessageBox.h"
#include "support/BusyWriter.h"
#include "support/Printers.h"
#include "support/SuiteDatabase.h"

using namespace core;

namespace {

const QString CR(QChar(13));

class Batch : public testing_support::CoreDatabase {
 protected:
  void SetUp() override {
    CoreDatabase::SetUp();
    connectAs("Ana");
    exec("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('EXISTE', 'x')");
  }
  static QString insert(const char* clave) {
    return QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('%1', 'v')").arg(clave);
  }
  void run(const std::vector<QString>& sentencias, bool ignorarDuplicado = false, bool muestra = true) {
    GActualizarDatoScript(sentencias, hayError, codigo, ignorarDuplicado, false, script, descripcion, muestra);
  }
  int configRows() { return scalar("SELECT COUNT(*) FROM TA_CONFIGURACION").toLong(); }

  bool hayError = true;
  long codigo = -1;
  QString script = "sin tocar", descripcion;
};

TEST_F(Batch, OnlyBlankStatementsRunNothing) {
  run({"", "  ", ""});
  EXPECT_FALSE(hayError);
  EXPECT_EQ(codigo, -1);
  EXPECT_EQ(script, "sin tocar");
  run({});
  EXPECT_FALSE(hayError);
}

TEST_F(Batch, AGoodBatchCommitsAsOneScript) {
  run({insert("A"), "", insert("B")});
  EXPECT_EQ(script, "BEGIN TRANSACTION " + CR + CR + CR + insert("A") + CR + insert("B") + CR);
  EXPECT_FALSE(hayError);
  EXPECT_EQ(codigo, 0);
  EXPECT_EQ(configRows(), 3);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM AUX_ERR").toLong(), 0);
}

TEST_F(Batch, ADuplicateKeyRollsBackAndIsRecorded) {
  host.answer(ui::mb::Ok, "2627 : ");
  run({insert("NUEVA"), insert("EXISTE")});
  EXPECT_TRUE(hayError);
  EXPECT_EQ(codigo, 2627);
  EXPECT_EQ(configRows(), 1) << "the first insert was rolled back";
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].title, "Aviso al Operador!");
  EXPECT_EQ(host.boxes()[0].buttons, ui::mb::Critical);
  EXPECT_EQ(host.boxes()[0].prompt, descripcion);
  EXPECT_TRUE(descripcion.startsWith("2627 : ")) << descripcion.toStdString();
  EXPECT_TRUE(descripcion.endsWith(CR + QChar(10)));
  EXPECT_EQ(descripcion.count(CR), 1) << "the closing entry is not listed";
  EXPECT_EQ(data_access::gDB().gCnn.Errors().Count(), 0);

  const QStringList aux = rows("SELECT Proceso, Fecha, Error, Descripcion, SQL, PC, Usuario FROM AUX_ERR");
  ASSERT_EQ(aux.size(), 1);
  EXPECT_EQ(aux[0], QStringList({rt::ExecutableName(), "15/03/2024 14:05:00", "2627", descripcion, script,
                                 rt::ComputerName(), "Ana"})
                        .join(u'|'));
}

TEST_F(Batch, AnExpectedDuplicateShowsNothingButIsRecorded) {
  run({insert("EXISTE")}, true);
  EXPECT_TRUE(hayError);
  EXPECT_EQ(codigo, 2627);
  EXPECT_FALSE(descripcion.isEmpty());
  EXPECT_FALSE(descripcion.startsWith("2627 : ")) << "the description of the first entry alone";
  EXPECT_TRUE(host.boxes().empty());
  EXPECT_EQ(rows("SELECT Error, COALESCE(Descripcion, '') FROM AUX_ERR"), QStringList{"2627|"});
}

TEST_F(Batch, WithoutTheNoticeTheFailureIsStillRecorded) {
  run({insert("EXISTE")}, false, false);
  EXPECT_TRUE(hayError);
  EXPECT_TRUE(host.boxes().empty());
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM AUX_ERR").toLong(), 1);
}

// The script handed back and recorded is the one that ran: without the
// "@Admin_" markers, which reached the plain tables.
TEST_F(Batch, TheScriptIsRecordedAsItRan) {
  const QString marked = "INSERT INTO @Admin_TA_CONFIGURACION (CLAVE, VALOR) VALUES ('EXISTE', 'v')";
  host.answer(ui::mb::Ok, "2627 : ");
  run({marked});
  EXPECT_TRUE(hayError);
  EXPECT_EQ(script, "BEGIN TRANSACTION " + CR + CR + CR + insert("EXISTE") + CR);
  EXPECT_EQ(rows("SELECT SQL FROM AUX_ERR"), QStringList{script});
}

TEST_F(Batch, ErrorsLeftByAnEarlierStatementDoNotFailTheNextBatch) {
  data_access::gDB().EjecutaConsultaSQL(insert("EXISTE"));  // a silent failure
  ASSERT_GT(data_access::gDB().gCnn.Errors().Count(), 0);
  run({insert("C")});
  EXPECT_FALSE(hayError);
  EXPECT_EQ(codigo, 0);
  EXPECT_EQ(configRows(), 2);

  host.answer(ui::mb::Ok);
  run({insert("EXISTE")});
  ASSERT_TRUE(hayError);
  run({insert("D")});
  EXPECT_FALSE(hayError) << "a good batch after a failed one commits";
  EXPECT_EQ(configRows(), 3);
}

TEST_F(Batch, ABatchThatCannotReachTheDatabaseIsAFailedBatch) {
  data_access::gDB().gCnn.Close();
  host.answer(ui::mb::Abort);  // the error table cannot be written either
  run({insert("NUEVA")}, false, false);
  EXPECT_TRUE(hayError);
}

// A row the error table does not take, while another program writes to
// the database past the wait, is kept in the error log with why instead of
// being lost: a record an import rejects is recorded somewhere.
TEST_F(Batch, ARowTheErrorTableDoesNotTakeIsKeptInTheErrorLog) {
  const QString texto = "TXCLI.DBF registro 4: El archivo está\r\ndañado; el registro no se importó.";
  {
    testing_support::BusyWriter otro(path, testing_support::BusyWriter::Release::Never);
    EscribeErrorAux("INSERT INTO X\rVALUES (1)", "", 0, texto);
    EXPECT_TRUE(otro.waitedFor());
  }
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM AUX_ERR").toLong(), 0);
  const QString log = readFile(data_access::ErrorLogPath(QString()));
  EXPECT_TRUE(log.contains("Rutina: - EscribeErrorAux Mensaje No se pudo grabar en AUX_ERR (Se superó el tiempo de "
                           "espera de la solicitud de bloqueo.): TXCLI.DBF registro 4: El archivo está dañado; el "
                           "registro no se importó. | INSERT INTO X VALUES (1) Respondió"))
      << log.toStdString();
}

TEST(BatchErrorText, ListsEveryEntryButTheClosingOne) {
  const auto entry = [](long native, const char* text) {
    ado::Error e;
    e.NativeError = native;
    e.Description = text;
    return e;
  };
  ado::Errors errors;
  errors.Add(entry(2627, "Clave duplicada"));
  EXPECT_EQ(TextoErroresLote(errors), "2627 : Clave duplicada\r\n");
  errors.Add(entry(3621, "Se terminó la instrucción."));
  EXPECT_EQ(TextoErroresLote(errors), "2627 : Clave duplicada\r\n");
  errors.Replace({entry(547, "Conflicto"), entry(2627, "Clave duplicada"), entry(3621, "Se terminó la instrucción.")});
  EXPECT_EQ(TextoErroresLote(errors), "547 : Conflicto\r\n2627 : Clave duplicada\r\n");
  // A failure of the provider itself has no native number: its own shows.
  ado::Error disco = entry(0, "Error de lectura o escritura");
  disco.Number = -2147467259;
  errors.Replace({disco});
  EXPECT_EQ(TextoErroresLote(errors), "-2147467259 : Error de lectura o escritura\r\n");
}

TEST_F(Batch, ACommitThatFailsIsAFailedBatch) {
  // A deferred reference is checked at the commit, which then fails.
  testing_support::DefineInDatabase(path, "CREATE TABLE PADRE (ID INTEGER PRIMARY KEY)");
  testing_support::DefineInDatabase(
      path, "CREATE TABLE HIJO (ID INTEGER, PADRE INTEGER REFERENCES PADRE(ID) DEFERRABLE INITIALLY DEFERRED)");
  host.answer(ui::mb::Ok, "FOREIGN KEY");
  run({insert("NUEVA"), "INSERT INTO HIJO (ID, PADRE) VALUES (1, 99)"});
  EXPECT_TRUE(hayError);
  EXPECT_NE(codigo, 0);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM AUX_ERR").toLong(), 1);
  // Rolled back, and the next batch is a transaction of its own again.
  run({insert("OTRA")});
  EXPECT_FALSE(hayError);
  EXPECT_EQ(rows("SELECT CLAVE FROM TA_CONFIGURACION ORDER BY CLAVE"), QStringList({"EXISTE", "OTRA"}));
}

}  // namespace
