// The login dialog on the way to an open connection: the service hands the
// connection data to the dialog function it was given and takes back what
// the operator accepted.
#include <gtest/gtest.h>

#include <functional>

#include "data_access/DialogoAcceso.h"
#include "platform/ui/MessageBox.h"
#include "support/Printers.h"
#include "support/ServiceDatabase.h"
#include "support/SuiteDatabase.h"

namespace {

using data_access::DatosAcceso;
using data_access::gDB;

class LoginDialog : public testing_support::ServiceDatabase {
 protected:
  void SetUp() override {
    ServiceDatabase::SetUp();
    data_access::EstableceDialogoAcceso([this](DatosAcceso& datos) {
      ++mostrado;
      recibidos = datos;
      return operador ? operador(datos) : false;
    });
    gDB().gServidor = "sqlite";
    gDB().gDBName = folder.file("equivocada.db");
    gDB().gUsuario = "Ana";
  }
  // The operator types the database and the platform, then accepts.
  void operatorEnters(const QString& database, int platform = 0) {
    operador = [database, platform](DatosAcceso& datos) {
      datos.BaseDatos = database;
      datos.Plataforma = platform;
      return true;
    };
  }

  std::function<bool(DatosAcceso&)> operador;
  DatosAcceso recibidos;
  int mostrado = 0;
};

TEST_F(LoginDialog, TheDialogsConnectionReplacesTheGivenOne) {
  operador = [this](DatosAcceso& datos) {
    datos.BaseDatos = path;
    datos.Clave = " clave ";
    return true;
  };
  gDB().OpenServerADODB(true, 3, "PROVIDER=SQLOLEDB;Server=otro;Database =x;");
  ASSERT_EQ(mostrado, 1);
  EXPECT_EQ(recibidos.BaseDatos, folder.file("equivocada.db"));
  EXPECT_EQ(recibidos.Servidor, "sqlite");
  EXPECT_EQ(recibidos.Usuario, "Ana");
  EXPECT_EQ(recibidos.Plataforma, 0);
  EXPECT_TRUE(gDB().gOpenFlag);
  EXPECT_EQ(gDB().gUserPassWord, " clave ");
  EXPECT_EQ(gDB().gConnString, "PROVIDER=SQLOLEDB;Server=sqlite;Database =" + path + ";UId=Ana;Pwd={ clave };");
}

TEST_F(LoginDialog, CancellingLeavesTheConnectionClosed) {
  gDB().OpenServerADODB(true);
  EXPECT_EQ(mostrado, 1);
  EXPECT_FALSE(gDB().gOpenFlag);
  EXPECT_EQ(gDB().gCnn.State(), ado::adStateClosed);
}

TEST_F(LoginDialog, ChoosingOracleMarksTheServer) {
  operatorEnters("XE", 1);
  gDB().gServidor = "srv";
  gDB().OpenServerADODB(true, 3, QString(), true, false);
  EXPECT_EQ(gDB().gServidor, "#srv");
  EXPECT_EQ(gDB().gProveedor, "OraOLEDB.Oracle.1");
  EXPECT_EQ(gDB().gConnString, "Provider=OraOLEDB.Oracle.1;Data Source=XE;User Id=Ana;Password=;");

  gDB().OpenServerADODB(true, 3, QString(), true, false);
  EXPECT_EQ(gDB().gServidor, "#srv");
}

TEST_F(LoginDialog, AFailedOpenCanBeCorrectedInTheDialog) {
  host.answer(ui::mb::Yes, "Desea Intentarlo Nuevamente");
  operatorEnters(path);
  gDB().OpenServerADODB();
  EXPECT_EQ(mostrado, 1);
  EXPECT_TRUE(gDB().gOpenFlag);
  EXPECT_EQ(gDB().gCnn.State(), ado::adStateOpen);
  EXPECT_EQ(gDB().gDBName, path);
  EXPECT_EQ(gDB().gCnn.Errors().Count(), 0);
}

TEST_F(LoginDialog, WithoutADialogHandedTheLoginIsCancelled) {
  data_access::EstableceDialogoAcceso(nullptr);
  gDB().OpenServerADODB(true);
  EXPECT_FALSE(gDB().gOpenFlag);
  EXPECT_EQ(gDB().gCnn.State(), ado::adStateClosed);
}

TEST_F(LoginDialog, TheHandedDialogSurvivesAResetOfTheService) {
  operatorEnters(path);
  data_access::ResetDataAccess();
  gDB().gServidor = "sqlite";
  gDB().gDBName = "otra.db";
  gDB().gUsuario = "Ana";
  gDB().gUserPassWord = "x";
  gDB().OpenServerADODB(true);
  ASSERT_EQ(mostrado, 1);
  EXPECT_EQ(recibidos.BaseDatos, "otra.db");
  EXPECT_EQ(recibidos.Usuario, "Ana");
  EXPECT_EQ(recibidos.Clave, "x");
  EXPECT_TRUE(gDB().gOpenFlag);
  EXPECT_EQ(gDB().gCnn.State(), ado::adStateOpen);
}

}  // namespace
