#include <gtest/gtest.h>

#include "platform/runtime/Environment.h"
#include "platform/suite/Library.h"
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
  suite::ArchivoIni ini;
  EXPECT_EQ(ini.LeeClave("ZI000zo.INI", "PC01|OPERADOR", "flattoolbars", "0"), "1");
  EXPECT_EQ(ini.LeeClave("ZI000zo.INI", "PC01|OPERADORBASEDEDATOS", "SERVIDOR", ""), "sqlite");
  EXPECT_EQ(ini.LeeClave("ZI000zo.INI", "PC01|OPERADORBASEDEDATOS", "DbName", ""), "C:\\datos\\suite.db");
  EXPECT_EQ(ini.LeeClave("ZI000zo.INI", "pc01|operadorbasededatos", "Clave", ""), "a=b");
  EXPECT_EQ(ini.LeeClave("ZI000zo.INI", "PC01|OPERADOR", "Falta", "defecto"), "defecto");
  EXPECT_EQ(ini.LeeClave("ZI000zo.INI", "NoHay", "Servidor", "d"), "d");
  EXPECT_EQ(ini.LeeClave("otro.ini", "Otra", "Servidor", "d"), "d");
}

// Lines end in CR LF, LF or CR alone, mixed too.
TEST_F(ArchivoIniTest, EveryLineEndingEndsALine) {
  for (const char* end : {"\r\n", "\n", "\r"}) {
    const QByteArray e(end);
    folder.write("x.ini", "[A]" + e + "Servidor=uno" + e + "[B]" + e + "Servidor=dos" + e + "DbName=base");
    suite::ArchivoIni ini;
    EXPECT_EQ(ini.LeeClave(folder.file("x.ini"), "A", "Servidor", "d"), "uno") << e.toHex().toStdString();
    EXPECT_EQ(ini.LeeClave(folder.file("x.ini"), "B", "Servidor", "d"), "dos") << e.toHex().toStdString();
    EXPECT_EQ(ini.LeeClave(folder.file("x.ini"), "B", "DbName", "d"), "base") << e.toHex().toStdString();
  }
  folder.write("x.ini", "[A]\rUno=1\n\rDos=2\r\nTres=3");
  EXPECT_EQ(suite::ArchivoIni().LeeClave(folder.file("x.ini"), "A", "Dos", "d"), "2");
  EXPECT_EQ(suite::ArchivoIni().LeeClave(folder.file("x.ini"), "A", "Tres", "d"), "3");
}

// The code page, UTF-8, and Notepad's "Unicode" (UTF-16 with its byte-order
// mark), which Windows reads as well.
TEST_F(ArchivoIniTest, ReadsTheEncodingsWindowsReads) {
  const QString text = QStringLiteral("[S]\r\nNombre=Muñoz\r\n");
  QByteArray utf16le("\xFF\xFE"), utf16be("\xFE\xFF");
  for (QChar c : text) {
    utf16le.append(static_cast<char>(c.unicode() & 0xFF)).append(static_cast<char>(c.unicode() >> 8));
    utf16be.append(static_cast<char>(c.unicode() >> 8)).append(static_cast<char>(c.unicode() & 0xFF));
  }
  const struct {
    const char* kind;
    QByteArray bytes;
  } cases[] = {{"windows-1252", QByteArray("[S]\r\nNombre=Mu\xF1oz\r\n")},
               {"utf-8 with mark", "\xEF\xBB\xBF" + text.toUtf8()},
               {"utf-16le", utf16le},
               {"utf-16be", utf16be}};
  for (const auto& c : cases) {
    folder.write("x.ini", c.bytes);
    EXPECT_EQ(suite::ArchivoIni().LeeClave(folder.file("x.ini"), "s", "nombre"), QStringLiteral("Muñoz")) << c.kind;
  }
}

}  // namespace
