#include <gtest/gtest.h>

#include "core/library/Library.h"
#include "platform/runtime/Environment.h"
#include "support/Printers.h"
#include "support/TempFolder.h"

namespace {

class ArchivoIniTest : public ::testing::Test {
 protected:
  void SetUp() override { rt::SetProgramFolder(folder.path()); }
  void TearDown() override { rt::SetProgramFolder(QString()); }
  testing_support::TempFolder folder;
};

TEST_F(ArchivoIniTest, ReadsSectionsAndKeysWithoutRegardToCase) {
  folder.write("zi000zo.ini",
               "; comentario\r\n"
               "[PC01|OPERADOR]\r\n"
               "FlatToolbars = 1\r\n"
               "[pc01|operadorBaseDeDatos]\r\n"
               "Servidor=sqlite\r\n"
               "DbName = \"C:\\datos\\suite.db\"\r\n"
               "# otro comentario\r\n"
               "Clave=a=b\r\n"
               "[Otra]\r\n"
               "Servidor=otro\r\n");
  library::ArchivoIni ini;
  EXPECT_EQ(ini.LeeClave("ZI000zo.INI", "PC01|OPERADOR", "flattoolbars", "0"), "1");
  EXPECT_EQ(ini.LeeClave("ZI000zo.INI", "PC01|OPERADORBASEDEDATOS", "SERVIDOR", ""), "sqlite");
  EXPECT_EQ(ini.LeeClave("ZI000zo.INI", "PC01|OPERADORBASEDEDATOS", "DbName", ""), "C:\\datos\\suite.db");
  EXPECT_EQ(ini.LeeClave("ZI000zo.INI", "pc01|operadorbasededatos", "Clave", ""), "a=b");
  EXPECT_EQ(ini.LeeClave("ZI000zo.INI", "PC01|OPERADOR", "Falta", "defecto"), "defecto");
  EXPECT_EQ(ini.LeeClave("ZI000zo.INI", "NoHay", "Servidor", "d"), "d");
  EXPECT_EQ(ini.LeeClave("otro.ini", "Otra", "Servidor", "d"), "d");
}

TEST_F(ArchivoIniTest, ReadsWindowsCodePageFiles) {
  folder.write("x.ini", QByteArray("[S]\r\nNombre=Mu\xF1oz\r\n"));
  EXPECT_EQ(library::ArchivoIni().LeeClave(folder.file("x.ini"), "s", "nombre"), QStringLiteral("Muñoz"));
}

}  // namespace
