// The login dialog on the way to an open connection.
#include <gtest/gtest.h>

#include "support/ServiceDatabase.h"
#include "core/forms/Forms.h"
#include "data_access/DialogoAcceso.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Operator.h"
#include "support/Printers.h"
#include "support/SuiteDatabase.h"

namespace {

using core::frmAcceso;
using data_access::gDB;

class LoginDialog : public testing_support::ServiceDatabase {
 protected:
  void SetUp() override {
    ServiceDatabase::SetUp();
    data_access::EstableceDialogoAcceso(core::PideAccesoBaseDatos);
    gDB().gServidor = "sqlite";
    gDB().gDBName = folder.file("equivocada.db");
    gDB().gUsuario = "Ana";
  }
  // The operator types the database and the platform, then accepts.
  void operatorEnters(const QString& database, int platform = 0) {
    host.onModal<frmAcceso>("frmAcceso", [database, platform](frmAcceso& f) {
      ui::op::type(f.TxtDbName, database);
      ui::op::choose(f.CboPlataformaDB, platform);
      ui::op::click(f.bcAceptar);
    });
  }
};

TEST_F(LoginDialog, TheDialogsConnectionReplacesTheGivenOne) {
  frmAcceso* shown = nullptr;
  host.onModal<frmAcceso>("frmAcceso", [&](frmAcceso& f) {
    shown = &f;
    EXPECT_EQ(f.TxtDbName.Text(), folder.file("equivocada.db"));
    EXPECT_EQ(f.TxtServidor.Text(), "sqlite");
    EXPECT_EQ(f.TxtUserId.Text(), "Ana");
    EXPECT_EQ(f.CboPlataformaDB.ListIndex(), 0);
    ui::op::type(f.TxtDbName, path);
    ui::op::type(f.TxtUserPassword, " clave ");
    ui::op::click(f.bcAceptar);
  });
  gDB().OpenServerADODB(true, 3, "PROVIDER=SQLOLEDB;Server=otro;Database =x;");
  ASSERT_NE(shown, nullptr);
  EXPECT_TRUE(gDB().gOpenFlag);
  EXPECT_EQ(gDB().gUserPassWord, " clave ");
  EXPECT_EQ(gDB().gConnString, "PROVIDER=SQLOLEDB;Server=sqlite;Database =" + path + ";UId=Ana;Pwd={ clave };");
  EXPECT_FALSE(shown->Loaded());
}

TEST_F(LoginDialog, CancellingLeavesTheConnectionClosed) {
  host.onModal<frmAcceso>("frmAcceso", [](frmAcceso& f) { ui::op::click(f.bcCancelar); });
  gDB().OpenServerADODB(true);
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

  operatorEnters("XE", 1);
  gDB().OpenServerADODB(true, 3, QString(), true, false);
  EXPECT_EQ(gDB().gServidor, "#srv");
}

TEST_F(LoginDialog, AFailedOpenCanBeCorrectedInTheDialog) {
  host.answer(ui::mb::Yes, "Desea Intentarlo Nuevamente");
  operatorEnters(path);
  gDB().OpenServerADODB();
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
  data_access::DatosAcceso recibidos;
  data_access::EstableceDialogoAcceso([&](data_access::DatosAcceso& datos) {
    recibidos = datos;
    datos.BaseDatos = path;
    datos.Servidor = "sqlite";
    return true;
  });
  data_access::ResetDataAccess();
  gDB().gDBName = "otra.db";
  gDB().gUsuario = "Ana";
  gDB().gUserPassWord = "x";
  gDB().OpenServerADODB(true);
  EXPECT_EQ(recibidos.BaseDatos, "otra.db");
  EXPECT_EQ(recibidos.Usuario, "Ana");
  EXPECT_EQ(recibidos.Clave, "x");
  EXPECT_EQ(recibidos.Plataforma, 0);
  EXPECT_TRUE(gDB().gOpenFlag);
  EXPECT_EQ(gDB().gCnn.State(), ado::adStateOpen);
}

}  // namespace
