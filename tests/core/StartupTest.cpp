// The program's start-up on the embedded database, from the parameter text
// to the access-log row.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include "support/CoreFixture.h"
#include "support/EndStatus.h"
#include "core/CoreState.h"
#include "core/Startup.h"
#include "core/forms/frmAcceso.h"
#include "data_access/DataAccessState.h"
#include "data_access/ErrorLog.h"
#include "platform/ado/Connection.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Environment.h"
#include "platform/runtime/ProgramEnd.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Operator.h"
#include "support/BusyWriter.h"
#include "support/Printers.h"
#include "support/SuiteDatabase.h"

using namespace core;

namespace {

class Startup : public testing_support::CoreDatabase {
 protected:
  void SetUp() override {
    CoreDatabase::SetUp();
    exec("INSERT INTO TA_MENU (Clave, Proceso, Nombre) VALUES ('M1', 'importar_tavernix', 'Importación Tavernix')");
    exec("INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES ('Ana', 'M1')");
  }
  QString parameters(const QString& user = "Ana") const {
    return "@Server=sqlite;@DbName=" + path + ";@Usuario=" + user + ";@Password=;";
  }
  void start(const QString& parametros) {
    QString connString;
    IniciaSistema(false, parametros, connString, 3);
  }
  QStringList accessLog() { return rows("SELECT Formulario, Tarea, Usuario FROM Control_Acceso"); }
};

TEST_F(Startup, ConnectsConfiguresAndLogsTheStart) {
  const QString vx = createStatisticsDatabase();
  testing_support::DefineInDatabase(vx, "INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('TimeOut', '45')");
  exec("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('PERIODO', '1')");
  start(parameters() + "@Caja= 7 ;@Menu=Importar;");

  const CoreState& st = gCore();
  data_access::DB_Dll& db = data_access::gDB();
  EXPECT_TRUE(db.gOpenFlag);
  EXPECT_EQ(st.gUsuarioLogeado, "Ana");
  EXPECT_EQ(st.gCaja, "7");
  EXPECT_EQ(st.gMenuInicio, "Importar");
  EXPECT_EQ(st.gTiempoEspera, 45);
  EXPECT_EQ(db.gCnn.CommandTimeout(), 45);
  EXPECT_EQ(db.gCnn.IsolationLevel(), 256);
  EXPECT_EQ(st.gCadenaDSN, "DSN=" + path + "; UID=Ana; PWD=");
  EXPECT_EQ(st.gPeriodo, 1) << "the configuration was loaded";
  EXPECT_EQ(st.gColorFondo, 0xFFFF00);
  EXPECT_EQ(st.gUNegocio, "   1");
  EXPECT_EQ(st.gArchivoAyuda, folder.path() + "/htmlhelp/rededuroziv.chm");
  EXPECT_EQ(gConsultas().gConnString, db.gConnString);
  EXPECT_TRUE(gConsultas().gUsarMascarasConsultas);
  EXPECT_EQ(gConsultas().gRutaMascaraConsultas, folder.path() + "/consultas.vtx");
  EXPECT_EQ(QFileInfo(folder.file("consultas.vtx")).size(), 13222);
  EXPECT_EQ(accessLog(), QStringList{"IMPORTAR_TAVERNIX|IMPORTACIÓN TAVERNIX|ANA"});
  EXPECT_EQ(programEnds, 0);
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(Startup, TheCommandLineServesWhenNoParametersAreGiven) {
  rt::SetCommandLine(parameters());
  start(QString());
  EXPECT_EQ(gCore().gTiempoEspera, 360) << "no statistics database";
  EXPECT_EQ(gCore().gCaja, "1");
  EXPECT_EQ(accessLog().size(), 1);
}

// Asked for, a blank command line takes the connection from the INI
// file's section of this computer and user.
TEST_F(Startup, ABlankCommandLineTakesTheConnectionFromTheIni) {
  const suite::Utilidades& u = suite::gUtilidades();
  const QString section = rt::ComputerName().toUpper() + "|" + rt::LoginName().toUpper() + "BaseDeDatos";
  folder.write("ZI000zo.INI", ("[" + section + "]\r\nServidor=sqlite\r\nDbName=" + path + "\r\nUsuario=" +
                               u.Codifica("Ana") + "\r\nUserPassWord=" + u.Codifica("clave") + "\r\n")
                                  .toUtf8());
  rt::SetCommandLine("  ");
  QString connString;
  IniciaSistema(true, QString(), connString, 3);
  const data_access::DB_Dll& db = data_access::gDB();
  EXPECT_TRUE(db.gOpenFlag);
  EXPECT_EQ(db.gServidor, "sqlite");
  EXPECT_EQ(db.gDBName, path);
  EXPECT_EQ(db.gUsuario, "Ana");
  EXPECT_EQ(db.gUserPassWord, "clave");
  EXPECT_EQ(accessLog(), QStringList{"IMPORTAR_TAVERNIX|IMPORTACIÓN TAVERNIX|ANA"});
}

// Another program holding the database: start-up waits for it one TimeOut
// in all, the upgrade of an earlier build's database included, and then
// tells the operator once; the access-log row that could not be written is
// kept in the error log, not waited for again in AUX_ERR. Once started, the
// service's statements wait their TimeOut again.
TEST_F(Startup, AnotherProgramWritingCostsTheStartUpOneTimeOutAndOneBox) {
  const QString vx = createStatisticsDatabase();
  testing_support::DefineInDatabase(vx, "INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('TimeOut', '2')");
  size_t boxes = 0;
  for (const bool earlierBuild : {false, true}) {
    SCOPED_TRACE(earlierBuild ? "earlier build" : "up to date");
    data_access::ResetDataAccess();
    core::ResetCore();
    QFile::remove(data_access::ErrorLogPath(QString()));
    if (earlierBuild)
      testing_support::DefineInDatabase(
          path, "DROP TABLE AUX_CLIENTES_IMPORTADOS; CREATE TABLE AUX_CLIENTES_IMPORTADOS (Archivo VARCHAR(400) "
                "NOT NULL, Codigo VARCHAR(254) NOT NULL, Orden INTEGER NOT NULL, Cuenta VARCHAR(9) NOT NULL)");
    testing_support::BusyWriter otro(path, testing_support::BusyWriter::Release::Never);
    host.answer(ui::mb::Ok, "Otro programa está grabando en la base de datos");
    start(parameters());
    EXPECT_EQ(otro.waitedMicroseconds(), 2'000'000);
    EXPECT_EQ(programEnds, 0);
    ASSERT_EQ(host.boxes().size(), ++boxes);
    EXPECT_EQ(host.boxes().back().prompt,
              "Otro programa está grabando en la base de datos: no terminó en los 2 segundos de espera.\r\n\r\n"
              "Su ingreso al sistema no quedó registrado: ciérrelo y vuelva a abrir este programa.");
    EXPECT_EQ(host.boxes().back().title, "Aviso al Operador!");
    EXPECT_TRUE(accessLog().isEmpty());
    EXPECT_EQ(rows("SELECT COUNT(*) FROM AUX_ERR"), QStringList{"0"});
    const QString log = readFile(data_access::ErrorLogPath(QString()));
    EXPECT_TRUE(log.contains("Rutina: - GActualizarDatoScript Mensaje Otro programa está grabando en la base de "
                             "datos; el lote no se grabó en AUX_ERR: 1222 : "))
        << log.toStdString();
    EXPECT_TRUE(log.contains("INSERT INTO Control_Acceso")) << log.toStdString();
    EXPECT_EQ(log.count("no se pudo poner al día"), earlierBuild ? 1 : 0) << log.toStdString();

    EXPECT_THROW(data_access::gDB().gCnn.Execute("INSERT INTO Control_Acceso (Usuario) VALUES ('Ana')"), rt::Error);
    EXPECT_EQ(otro.waitedMicroseconds(), 4'000'000);
  }
}

// Another program keeping readers out (as it does a moment while it folds
// its log into the database on closing): the opening waits for it within a
// second of the TimeOut, then opens as usual; kept out past that second,
// the operator is told that the database cannot be opened now.
TEST_F(Startup, TheOpeningWaitsASecondForAProgramKeepingReadersOut) {
  using testing_support::BusyWriter;
  cn.Close();  // the file may have no other connection while readers are kept out
  {
    BusyWriter otro(path, BusyWriter::Release::AtTheFirstWait, BusyWriter::Keeps::Everyone);
    start(parameters());
    EXPECT_TRUE(otro.waitedFor());
  }
  EXPECT_TRUE(host.boxes().empty());
  cn.Open(testing_support::EmbeddedConnectionString(path));
  EXPECT_EQ(accessLog(), QStringList{"IMPORTAR_TAVERNIX|IMPORTACIÓN TAVERNIX|ANA"});

  cn.Close();
  data_access::ResetDataAccess();
  core::ResetCore();
  BusyWriter otro(path, BusyWriter::Release::Never, BusyWriter::Keeps::Everyone);
  host.answer(ui::mb::No, "Desea Intentarlo Nuevamente");
  EXPECT_EQ(testing_support::EndStatusOf([&] { start(parameters()); }), rt::exitstatus::NoConnection);
  EXPECT_EQ(otro.waitedMicroseconds(), 1'000'000);
  EXPECT_EQ(host.boxes().size(), 1u);
}

// Start-up's waits for another program are told in a notice, whose button
// ends the program as one that could not connect, without a box: while it
// writes (the access-log row waits for it), and while it keeps readers out
// (the opening waits for it).
TEST_F(Startup, EndingAWaitOfTheStartUpEndsTheProgram) {
  using testing_support::BusyWriter;
  const QString vx = createStatisticsDatabase();
  testing_support::DefineInDatabase(vx, "INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('TimeOut', '60')");
  const struct {
    BusyWriter::Keeps keeps;
    const char* limit;
  } cases[] = {{BusyWriter::Keeps::Writers, "60"}, {BusyWriter::Keeps::Everyone, "1"}};
  host.atEveryYield([&] {
    if (host.waitNoticeShown()) host.endWait();
  });
  cn.Close();  // the file may have no other connection while readers are kept out
  for (const auto& c : cases) {
    SCOPED_TRACE(c.limit);
    data_access::ResetDataAccess();
    core::ResetCore();
    const size_t notices = host.waitNotices().size();
    BusyWriter otro(path, BusyWriter::Release::Never, c.keeps);
    EXPECT_EQ(testing_support::EndStatusOf([&] { start(parameters()); }), rt::exitstatus::NoConnection);
    EXPECT_TRUE(host.boxes().empty());
    ASSERT_EQ(host.waitNotices().size(), notices + 1);
    EXPECT_EQ(host.waitNotices().back(),
              QStringLiteral("Otro programa está grabando en la base de datos: este programa espera a que termine "
                             "para seguir.\r\n\r\nEsperando: 1 de %1 segundos.")
                  .arg(c.limit));
    EXPECT_LT(otro.waitedMicroseconds(), 1'000'000);
  }
  cn.Open(testing_support::EmbeddedConnectionString(path));
  EXPECT_TRUE(accessLog().isEmpty());
}

TEST_F(Startup, AnExistingLayoutFileIsLeftAlone) {
  folder.write("consultas.vtx", QByteArray());
  start(parameters());
  EXPECT_EQ(QFileInfo(folder.file("consultas.vtx")).size(), 0);
}

TEST_F(Startup, TheLoggedUserItemNeverStandsForTheUser) {
  exec("INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES ('pedro', 'M1')");
  start("@UsuarioLogeado=pedro;@Server=sqlite;@DbName=" + path + ";@Usuario=Ana;@Password=;");
  EXPECT_EQ(data_access::gDB().gUsuario, "Ana");
  EXPECT_EQ(gCore().gUsuarioLogeado, "Ana");
  EXPECT_EQ(accessLog(), QStringList{"IMPORTAR_TAVERNIX|IMPORTACIÓN TAVERNIX|ANA"});
}

TEST_F(Startup, ARefusedUserEndsTheProgram) {
  host.answer(ui::mb::Ok, "NO TIENE ACCESO");
  EXPECT_EQ(testing_support::EndStatusOf([&] { start(parameters("Pedro")); }), rt::exitstatus::NoAccess);
  EXPECT_EQ(programEnds, 1);
  EXPECT_TRUE(accessLog().isEmpty());
}

TEST_F(Startup, NoConnectionEndsTheProgram) {
  host.answer(ui::mb::No, "Desea Intentarlo Nuevamente");
  EXPECT_EQ(testing_support::EndStatusOf([&] {
              start("@Server=sqlite;@DbName=" + folder.file("no_existe.db") + ";@Usuario=Ana;@Password=;");
            }),
            rt::exitstatus::NoConnection);
  EXPECT_EQ(programEnds, 1);
}

// An empty file given for the database is refused at the connection: one
// box, no rows written, the program ends with the status of no connection.
TEST_F(Startup, AFileThatIsNoSuiteDatabaseEndsTheStartUpAfterOneBox) {
  const QString empty = folder.write("vacia.db", QByteArray());
  host.answer(ui::mb::No, "no es una base de datos del sistema");
  EXPECT_EQ(testing_support::EndStatusOf(
                [&] { start("@Server=sqlite;@DbName=" + empty + ";@Usuario=Ana;@Password=;"); }),
            rt::exitstatus::NoConnection);
  EXPECT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(QFileInfo(empty).size(), 0);
}

// A damaged database is refused at the connection with its Spanish text
// alone; SQLite's own words on the damage go to the error log.
TEST_F(Startup, ADamagedDatabaseIsToldInSpanishAndItsDetailLogged) {
  const QString damaged = testing_support::NewDamagedSuiteDatabase(folder);
  QString detail;
  {
    ado::Connection probe;
    try {
      probe.Open(testing_support::EmbeddedConnectionString(damaged));
    } catch (const rt::Error&) {
    }
    ASSERT_EQ(probe.Errors().Count(), 2);
    detail = probe.Errors()[1].Description.simplified();
  }
  host.answer(ui::mb::No, "está dañada. Restaure una copia de seguridad antes de usarla.");
  EXPECT_EQ(testing_support::EndStatusOf(
                [&] { start("@Server=sqlite;@DbName=" + damaged + ";@Usuario=Ana;@Password=;"); }),
            rt::exitstatus::NoConnection);
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_FALSE(host.boxes()[0].prompt.contains(detail)) << host.boxes()[0].prompt.toStdString();
  QFile log(data_access::ErrorLogPath(QString()));
  ASSERT_TRUE(log.open(QIODevice::ReadOnly));
  const QString logged = QString::fromUtf8(log.readAll());
  EXPECT_TRUE(logged.contains(detail)) << logged.toStdString();
  EXPECT_TRUE(logged.contains("Rutina: - OpenServerADODB")) << logged.toStdString();
}

// An INI value that cannot be read (a number beyond the runtime's range)
// takes its default and start-up goes on; the error log names the file, the
// section and the key.
TEST_F(Startup, AnUnreadableIniValueTakesItsDefault) {
  const QString section = rt::ComputerName().toUpper() + "|" + rt::LoginName().toUpper();
  const QString ini = folder.write("ZI000zo.INI", ("[" + section + "]\r\nFlatToolbars=1e400\r\n").toUtf8());
  start(parameters());
  EXPECT_EQ(programEnds, 0);
  EXPECT_TRUE(host.boxes().empty());
  EXPECT_EQ(gCore().gEstiloBarras, 1);
  EXPECT_EQ(accessLog().size(), 1);
  QFile log(data_access::ErrorLogPath(QString()));
  ASSERT_TRUE(log.open(QIODevice::ReadOnly));
  const QString logged = QString::fromUtf8(log.readAll());
  EXPECT_TRUE(logged.contains("Rutina: - IniciaSistema Mensaje El archivo " + ini + ", sección [" + section +
                              "], clave FlatToolbars: el valor \"1e400\" no se puede leer ("))
      << logged.toStdString();
  EXPECT_TRUE(logged.contains("); se usa 1.")) << logged.toStdString();
}

TEST_F(Startup, WithoutServerOrUserTheLoginDialogIsShown) {
  host.onModal<frmAcceso>("frmAcceso", [&](frmAcceso& f) {
    EXPECT_EQ(f.TxtServidor.Text(), "");
    EXPECT_EQ(f.TxtUserId.Text(), "");
    ui::op::click(f.bcCancelar);
  });
  EXPECT_EQ(testing_support::EndStatusOf([&] { start(QString()); }), rt::exitstatus::NoConnection);
  EXPECT_EQ(programEnds, 1);

  host.onModal<frmAcceso>("frmAcceso", [&](frmAcceso& f) {
    EXPECT_EQ(f.TxtDbName.Text(), path);
    ui::op::type(f.TxtServidor, "sqlite");
    ui::op::type(f.TxtUserId, "Ana");
    ui::op::click(f.bcAceptar);
  });
  start("@DbName=" + path + ";");
  EXPECT_EQ(accessLog().size(), 1);
}

TEST_F(Startup, AStartUpThatCannotFinishIsReportedAndEnds) {
  // The program folder cannot hold the layout file, and neither can the
  // user's data folder.
  folder.write("archivo", "x");
  rt::SetProgramFolder(folder.file("archivo/programa"));
  const QByteArray xdg = qgetenv("XDG_DATA_HOME");
  qputenv("XDG_DATA_HOME", folder.file("archivo").toUtf8());
  host.answer(ui::mb::Ok, "No se pudo completar el inicio del sistema (error 75");
  EXPECT_EQ(testing_support::EndStatusOf([&] { start(parameters()); }), rt::exitstatus::StartupFailed);
  if (xdg.isNull()) qunsetenv("XDG_DATA_HOME");
  else qputenv("XDG_DATA_HOME", xdg);
  EXPECT_EQ(programEnds, 1);
  EXPECT_TRUE(accessLog().isEmpty());
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].title, "Aviso al Operador!");
}

TEST_F(Startup, AnOracleServerGetsItsConnectionString) {
  host.answer(ui::mb::No);  // no Oracle here: the connection fails
  QString connString;
  EXPECT_THROW(IniciaSistema(false, "@Server=#orasrv;@DbName=VENTAS;@Usuario=ana;@Password=c;", connString, 3),
               rt::ProgramEnded);
  EXPECT_EQ(connString, "Provider=OraOLEDB.Oracle.1;Data Source=VENTAS;User Id=ana;Password=c;");
  EXPECT_EQ(data_access::gDB().gServidor, "orasrv");
}

}  // namespace
