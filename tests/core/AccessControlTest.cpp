// The user's right to run a program, and the access log.
#include <gtest/gtest.h>

#include "support/CoreFixture.h"
#include "support/EndStatus.h"
#include "core/AccessControl.h"
#include "core/CoreState.h"
#include "data_access/DataAccessState.h"
#include "platform/runtime/Environment.h"
#include "platform/runtime/ProgramEnd.h"
#include "platform/ui/MessageBox.h"
#include "support/Printers.h"
#include "support/SuiteDatabase.h"

using namespace core;

namespace {

class AccessControl : public testing_support::CoreDatabase {
 protected:
  void grant(const QString& user, const QString& clave, const QString& proceso, const QString& nombre) {
    exec(QStringLiteral("INSERT INTO TA_MENU (Clave, Proceso, Nombre) VALUES ('%1', '%2', '%3')").arg(clave, proceso, nombre));
    exec(QStringLiteral("INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES ('%1', '%2')").arg(QString(user).replace("'", "''"), clave));
  }
  // Formulario|Tarea|Usuario|NombreUsuario of every log row.
  QStringList log() { return rows("SELECT Formulario, Tarea, Usuario, NombreUsuario FROM Control_Acceso"); }
  void expectRefused(const QString& proceso) {
    host.answer(ui::mb::Ok, "NO TIENE ACCESO A ESTE PROCESO, UTILICE EL MENU CORRESPONDIENTE!!!");
    EXPECT_EQ(testing_support::EndStatusOf([&] { ControlAcceso(proceso); }), rt::exitstatus::NoAccess);
    EXPECT_EQ(programEnds, 1);
    ASSERT_FALSE(host.boxes().empty());
    EXPECT_EQ(host.boxes().back().title, "ATENCION!");
    EXPECT_EQ(host.boxes().back().buttons, ui::mb::Critical);
    EXPECT_TRUE(log().isEmpty());
  }
};

TEST_F(AccessControl, GrantedByATaskOfTheMenuAndLogged) {
  connectAs("ana");
  grant("Ana", "M1", "c:\\suite\\IMPORTAR_TAVERNIX.exe", "Importación Tavernix");
  gCore().gUsuarioLogeado = "otro";
  ControlAcceso(QString());
  EXPECT_EQ(gCore().gUsuarioLogeado, "ana") << "the service's user";
  EXPECT_EQ(rows("SELECT Maquina, Formulario, Tarea, Usuario, NombreUsuario, Ingreso FROM Control_Acceso"),
            QStringList{QStringList({rt::ComputerName().trimmed().toUpper(), "IMPORTAR_TAVERNIX", "IMPORTACIÓN TAVERNIX",
                                     "ANA", "ana", "15/03/2024 14:05:00"})
                            .join(u'|')});
  EXPECT_EQ(programEnds, 0);
}

TEST_F(AccessControl, AliasesShareTheRightsOfTheirProgram) {
  connectAs("Ana");
  grant("Ana", "V1", "V_MV_VENTAS", "Ventas");
  ControlAcceso("fs_v_mv_ventash");
  EXPECT_EQ(log(), QStringList{"V_MV_VENTAS|VENTAS|ANA|Ana"});
}

TEST_F(AccessControl, WithoutAMenuEntryTheDatabaseOwnerAndTheSupervisorPass) {
  connectAs("Ana");
  data_access::DB_Dll& db = data_access::gDB();
  db.gUsuario = "Koranet";
  db.gDBName = "KORANET";
  ControlAcceso(QString());
  db.gUsuario = "administra keldran qz";
  ControlAcceso(QString());
  EXPECT_EQ(log(), QStringList({"IMPORTAR_TAVERNIX|IMPORTAR_TAVERNIX|KORANET|Koranet",
                                "IMPORTAR_TAVERNIX|IMPORTAR_TAVERNIX|ADMINISTRA KELDRAN QZ|administra keldran qz"}));
}

TEST_F(AccessControl, ExemptProgramsAreLoggedWithoutATask) {
  connectAs("Ana");
  ControlAcceso("vxmapa");
  EXPECT_EQ(log(), QStringList{"VXMAPA||ANA|Ana"});
}

TEST_F(AccessControl, AUserWithoutTheRightIsRefusedAndTheProgramEnds) {
  connectAs("Ana");
  grant("Ana", "M2", "OTRO_PROGRAMA", "Otro");
  grant("Pedro", "M1", "importar_tavernix", "Importación");
  expectRefused(QString());
}

// The program's name is found as written, "_" included: an entry that only
// matches with "_" as a wildcard grants nothing.
TEST_F(AccessControl, TheNameIsMatchedAsWrittenNotAsAPattern) {
  connectAs("Ana");
  grant("Ana", "M1", "importarXtavernix", "Otro");
  grant("Ana", "M2", "IMPORTAR%TAVERNIX", "Otro más");
  expectRefused(QString());
}

TEST_F(AccessControl, AFailingRightsQueryGrantsNothing) {
  connectAs("Ana");
  testing_support::DefineInDatabase(path, "DROP TABLE TA_TAREAS");
  host.answer(ui::mb::Ignore, "TA_TAREAS");  // the service's report of the failed query
  expectRefused(QString());
}

TEST_F(AccessControl, ApostrophesInTheUserNameAreQuotedAndRemovedFromTheLog) {
  connectAs("D'Angelo");
  grant("D'Angelo", "M1", "importar_tavernix", "Importación");
  ControlAcceso(QString());
  EXPECT_EQ(log(), QStringList{"IMPORTAR_TAVERNIX|IMPORTACIÓN|DANGELO|DAngelo"});
  EXPECT_TRUE(host.boxes().empty());
}

// A log row that cannot be written is shown once, with its number; on a
// database that takes no writes nothing is shown at start-up, since an
// import run refuses to start on it with its own box.
TEST_F(AccessControl, AFailedLogRowIsShownOnceUnlessTheDatabaseTakesNoWrites) {
  grant("Ana", "M1", "importar_tavernix", "Importación");
  testing_support::DefineInDatabase(path, "DROP TABLE Control_Acceso");
  connectAs("Ana");
  host.answer(ui::mb::Ok, "Control_Acceso");
  ControlAcceso(QString());
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_TRUE(host.boxes()[0].prompt.startsWith("208 : ")) << host.boxes()[0].prompt.toStdString();
  EXPECT_EQ(host.boxes()[0].title, "Aviso al Operador!");

  cn.Close();
  data_access::gDB().gCnn.Close();
  testing_support::DefineInDatabase(path, "CREATE TABLE Control_Acceso (Maquina TEXT, Usuario TEXT, Formulario TEXT, "
                                          "Tarea TEXT, Ingreso TEXT, NombreUsuario TEXT)");
  testing_support::MarkReadOnly(path);
  connectAs("Ana");
  ControlAcceso(QString());
  EXPECT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(programEnds, 0);
}

}  // namespace
