// Opening the service's connection and the administrator test.
#include <gtest/gtest.h>

#include <QDir>

#include "platform/ado/ConnectionString.h"
#include "platform/ui/MessageBox.h"
#include "support/ServiceDatabase.h"
#include "support/Printers.h"
#include "support/SuiteDatabase.h"

namespace {

using data_access::gDB;

class Connecting : public testing_support::ServiceDatabase {};

TEST_F(Connecting, BuildsTheServerStringAndOpens) {
  gDB().gServidor = "sqlite";
  gDB().gDBName = path;
  gDB().gUsuario = "Ana";
  gDB().gUserPassWord = "x";
  gDB().gExtended = "App=VX;";
  gDB().OpenServerADODB();
  EXPECT_TRUE(gDB().gOpenFlag);
  EXPECT_EQ(gDB().gConnString, "PROVIDER=SQLOLEDB;Server=sqlite;Database =" + path + ";UId=Ana;Pwd=x;App=VX;");
  EXPECT_EQ(gDB().gProveedor, "SQLOLEDB");
  EXPECT_EQ(gDB().gCnn.State(), ado::adStateOpen);
  EXPECT_EQ(gDB().gCnn.CursorLocation(), ado::adUseClient);
}

// A password holding ";" or quotes reaches the provider whole, in both
// strings the service builds.
TEST_F(Connecting, APasswordWithSeparatorsReachesTheProviderWhole) {
  for (const char* server : {"otro", "#ORCL"}) {
    gDB().gServidor = server;
    gDB().gDBName = "XE";
    gDB().gUsuario = "vx";
    gDB().gUserPassWord = "a;b'}c";
    gDB().OpenServerADODB(false, 3, QString(), true, false);
    const ado::provider::ConnectionSpec spec = ado::ParseConnectionString(gDB().gConnString);
    EXPECT_EQ(spec.value(server[0] == '#' ? "password" : "pwd"), "a;b'}c") << gDB().gConnString.toStdString();
  }
}

TEST_F(Connecting, OracleServerBuildsTheOracleString) {
  gDB().gServidor = "#ORCL";
  gDB().gDBName = "XE";
  gDB().gUsuario = "vx";
  gDB().gUserPassWord = "clave";
  gDB().gExtended = "App=VX;";
  gDB().OpenServerADODB(false, 3, QString(), true, false);
  EXPECT_EQ(gDB().gConnString, "Provider=OraOLEDB.Oracle.1;Data Source=XE;User Id=vx;Password=clave;");
  EXPECT_EQ(gDB().gProveedor, "SQLOLEDB");
  // No Oracle provider answers here: a silent failure.
  EXPECT_FALSE(gDB().gOpenFlag);
}

// "oracle" in a password is no Oracle connection: statements reach the
// embedded database untranslated, the administrator is recognised and
// lookups find their rows without a box.
TEST_F(Connecting, APasswordHoldingOracleIsNoOracleConnection) {
  exec("INSERT INTO TA_USUARIOS (Nombre, Administrador) VALUES ('Ana', 1)");
  gDB().gServidor = "sqlite";
  gDB().gDBName = path;
  gDB().gUsuario = "Ana";
  gDB().gUserPassWord = "MiOracle1";
  gDB().OpenServerADODB();
  ASSERT_TRUE(gDB().gOpenFlag);
  EXPECT_TRUE(gDB().gEsAdmin);
  const QString top = "SELECT TOP 1 Nombre FROM TA_USUARIOS with(nolock) ";
  EXPECT_EQ(gDB().ORACLE_Dicc(top), top);
  ado::Recordset rs;
  gDB().AbrirRecordset(top, rs);
  ASSERT_EQ(rs.State(), ado::adStateOpen);
  EXPECT_EQ(rs.Fields("Nombre").Value().toString(), "Ana");
  EXPECT_TRUE(gDB().ExisteEnTabla("TA_USUARIOS", "Ana", "Nombre"));
  EXPECT_FALSE(gDB().ExisteCampoDB("TA_USUARIOS", "NoExiste"));
  EXPECT_TRUE(host.boxes().empty());
}

// A "#" server at start-up leaves the provider name at SQLOLEDB and builds
// an Oracle string: that string is what tells.
TEST_F(Connecting, AnOracleStringCountsWhateverTheProviderName) {
  gDB().gProveedor = "SQLOLEDB";
  gDB().gConnString = "Provider=OraOLEDB.Oracle.1;Data Source=XE;User Id=vx;Password=;";
  EXPECT_EQ(gDB().ORACLE_Dicc("SELECT ISNULL(A,0) FROM T"), "SELECT NVL(A,0) FROM T");
  EXPECT_TRUE(gDB().ExisteCampoDB("TA_USUARIOS", "NoExiste"));
}

TEST_F(Connecting, AGivenStringIsUsedUnchanged) {
  const QString given = testing_support::EmbeddedConnectionString(path);
  gDB().gServidor = "otro";
  gDB().OpenServerADODB(false, 2, given, false);
  EXPECT_TRUE(gDB().gOpenFlag);
  EXPECT_EQ(gDB().gConnString, given);
  EXPECT_EQ(gDB().gCnn.CursorLocation(), ado::adUseServer);
}

TEST_F(Connecting, TheUsersRowDecidesTheAdministrator) {
  exec("INSERT INTO TA_USUARIOS (Nombre, Administrador) VALUES ('Ana', 1)");
  exec("INSERT INTO TA_USUARIOS (Nombre, Administrador) VALUES ('Beto', 0)");
  exec("INSERT INTO TA_USUARIOS (Nombre, Administrador) VALUES ('Carla', NULL)");
  exec("INSERT INTO TA_USUARIOS (Nombre, Administrador) VALUES ('O''Brien', 1)");
  struct Case {
    const char* user;
    bool admin;
  };
  for (const Case& c : {Case{"Ana", true}, Case{" ana ", true}, Case{"Beto", false}, Case{"Carla", false},
                        Case{"O'Brien", true}, Case{"Nadie", false}}) {
    data_access::ResetDataAccess();
    connectAs(c.user);
    EXPECT_EQ(gDB().gEsAdmin, c.admin) << c.user;
  }
}

TEST_F(Connecting, WithoutValidationOrMessagesEveryUserIsAdministrator) {
  exec("INSERT INTO TA_USUARIOS (Nombre, Administrador) VALUES ('Beto', 0)");
  gDB().gServidor = "sqlite";
  gDB().gDBName = path;
  gDB().gUsuario = "Beto";
  gDB().OpenServerADODB(false, 3, QString(), false);
  EXPECT_TRUE(gDB().gEsAdmin);

  data_access::ResetDataAccess();
  gDB().gServidor = "sqlite";
  gDB().gDBName = path;
  gDB().gUsuario = "Beto";
  gDB().OpenServerADODB(false, 3, QString(), true, false);
  EXPECT_TRUE(gDB().gOpenFlag);
  EXPECT_TRUE(gDB().gEsAdmin);
}

TEST_F(Connecting, AFailedOpenAsksToTryAgain) {
  gDB().gServidor = "sqlite";
  gDB().gDBName = folder.file("no_existe.db");
  host.answer(ui::mb::No);
  gDB().OpenServerADODB();
  EXPECT_FALSE(gDB().gOpenFlag);
  ASSERT_EQ(host.boxes().size(), 1u);
  const ado::Error& first = gDB().gCnn.Errors()[0];
  const QString cr(QChar(13));
  EXPECT_EQ(host.boxes()[0].prompt, " Estado de Sql: " + first.SQLState + cr + "Numero de Error: " +
                                        QString::number(first.Number) + cr + "Descripcion: " + first.Description + cr +
                                        "Codigo Nativo: " + QString::number(first.NativeError) + cr +
                                        " - Desea Intentarlo Nuevamente??? ");
  EXPECT_EQ(host.boxes()[0].title, " Error de Conexion a Base de Datos");
  EXPECT_EQ(host.boxes()[0].buttons, ui::mb::YesNo | ui::mb::Critical);
}

TEST_F(Connecting, SilentFailureAndReopening) {
  gDB().gServidor = "sqlite";
  gDB().gDBName = folder.file("no_existe.db");
  gDB().OpenServerADODB(false, 3, QString(), true, false);
  EXPECT_FALSE(gDB().gOpenFlag);

  // An open connection is closed and opened again, once.
  data_access::ResetDataAccess();
  connectAs("Ana");
  gDB().OpenServerADODB();
  EXPECT_TRUE(gDB().gOpenFlag);
  EXPECT_EQ(gDB().gCnn.State(), ado::adStateOpen);
}

class JetFile : public testing_support::ServiceFixture {};

TEST_F(JetFile, AnOpenWithoutProviderIsReported) {
  gDB().gProveedor = gDB().pJETOLEDB40();
  gDB().gDBName = "C:\\datos\\base.mdb";
  gDB().gUsuario = "admin";
  host.answer(ui::mb::Ok);
  gDB().OpenLocalADODB();
  ASSERT_EQ(host.boxes().size(), 1u);
  ASSERT_GT(gDB().gCnn.Errors().Count(), 0);
  EXPECT_TRUE(host.boxes()[0].prompt.endsWith("  " + gDB().gCnn.Errors()[0].Description))
      << host.boxes()[0].prompt.toStdString();
  EXPECT_EQ(host.boxes()[0].buttons, ui::mb::Critical);
  EXPECT_EQ(gDB().gConnString, "");
  EXPECT_EQ(gDB().gCnn.ConnectionString(),
            "PROVIDER=Microsoft.Jet.OLEDB.4.0;Data Source =C:\\datos\\base.mdb;User Id=admin;Password=;");
}

TEST_F(JetFile, TheFileIsChosenWhenNoneIsSet) {
  host.cancelFile();
  gDB().OpenLocalADODB();
  EXPECT_EQ(gDB().CmdDlg.Titulo, "Buscar Base de Datos");
  EXPECT_EQ(gDB().CmdDlg.Filtro, "Base de Datos de Microsoft Access |*.MDB");
  EXPECT_EQ(gDB().gCnn.State(), ado::adStateClosed);
  EXPECT_TRUE(host.boxes().empty());

  host.chooseFile("/datos/base.mdb").answer(ui::mb::Ok);
  gDB().gProveedor = gDB().pJETOLEDB35();
  gDB().OpenLocalADODB(QString(), "UID", "PWD");
  EXPECT_EQ(gDB().gDBName, "/datos/base.mdb");
  EXPECT_EQ(gDB().gCnn.ConnectionString(),
            "PROVIDER=Microsoft.Jet.OLEDB.3.51;Data Source =/datos/base.mdb;UID=;PWD=;");
}

}  // namespace

namespace {

// Database files, servers and data sources holding ";" reach the provider
// whole, in every string the service builds; plain ones stand as they are.
TEST_F(Connecting, ValuesWithSeparatorsReachTheProviderWhole) {
  QDir(folder.path()).mkpath("a;b");
  const QString file = testing_support::NewSuiteDatabase(folder, "a;b/suite.db");
  gDB().gServidor = "sqlite";
  gDB().gDBName = file;
  gDB().gUsuario = "Ana";
  gDB().OpenServerADODB();
  EXPECT_TRUE(gDB().gOpenFlag);
  EXPECT_EQ(gDB().gConnString, "PROVIDER=SQLOLEDB;Server=sqlite;Database ={" + file + "};UId=Ana;Pwd=;");
  EXPECT_EQ(gDB().gCnn.State(), ado::adStateOpen);

  const struct {
    const char* server;
    const char* key;  // where the database name goes
  } servers[] = {{"srv;x", "database"}, {"#ORCL", "data source"}};
  gDB().gCnn.Close();
  for (const auto& s : servers) {
    // No such server answers here: the strings are what is looked at.
    gDB().gServidor = s.server;
    gDB().gDBName = "KORA;NET";
    gDB().OpenServerADODB(false, 3, QString(), true, false);
    const ado::provider::ConnectionSpec spec = ado::ParseConnectionString(gDB().gConnString);
    EXPECT_EQ(spec.value(s.key), "KORA;NET") << gDB().gConnString.toStdString();
    if (s.server[0] != '#') {
      EXPECT_EQ(spec.value("server"), s.server) << gDB().gConnString.toStdString();
    }
  }
}

}  // namespace
