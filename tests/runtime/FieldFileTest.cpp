#include <gtest/gtest.h>

#include "platform/runtime/Error.h"
#include "platform/runtime/FieldFile.h"
#include "support/ErrorNumber.h"
#include "support/Printers.h"
#include "support/TempFolder.h"

using testing_support::ErrorNumberOf;
using testing_support::TempFolder;

namespace {

using Records = std::vector<QStringList>;

TEST(FieldFile, RoundTripKeepsCommasAccentsAndQuotes) {
  TempFolder folder;
  const QString path = folder.file("CONSULTASLEN.VTX");
  const Records records = {{"V_MA_ARTICULOS", "1440,5|2000|"},
                           {QStringLiteral("Año, Señal"), ""},
                           {"dice \"hola\"", " blancos "}};
  rt::WriteFieldLines(path, records);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_TRUE(bytes.startsWith("\"V_MA_ARTICULOS\",\"1440,5|2000|\"\r\n\"A\xF1o, Se\xF1""al\",\"\"\r\n"))
      << bytes.constData();
  EXPECT_EQ(rt::ReadFieldLines(path), records);
}

TEST(FieldFile, ReadsWhatOtherWritersLeave) {
  struct Case { const char* bytes; Records records; };
  const Case cases[] = {
      {"\"A\",\"1|2|\"\n\"B\",\"3|\"\n", {{"A", "1|2|"}, {"B", "3|"}}},     // LF-only lines
      {"\"A\",\"1|2|\"\r\n\r\n\"B\",\"3|\"", {{"A", "1|2|"}, {"B", "3|"}}},  // a blank line, no final line end
      {"\"A\", 1440 ,-2.5\r\n", {{"A", "1440", "-2.5"}}},                   // numbers as Write # leaves them
      {"\"A\",\r\n", {{"A", ""}}},
      // A missing closing quote ends the field with its line; the next line is whole.
      {"\"A\",\"1|2|\r\n\"B\",\"3|\"\r\n", {{"A", "1|2|"}, {"B", "3|"}}},
      {"\"A\"x,\"y\r\n", {{"A", "y"}}},  // what follows a closing quote is no data
      {"\"", {{""}}},
  };
  TempFolder folder;
  for (const Case& c : cases)
    EXPECT_EQ(rt::ReadFieldLines(folder.write("f.txt", c.bytes)), c.records) << c.bytes;
}

// A stray CR inside a line, as a hand edit leaves it, is data: read as it
// stands and written back as it was.
TEST(FieldFile, AStrayCarriageReturnIsReadAndWrittenBack) {
  TempFolder folder;
  const QByteArray bytes = "\"VT_PROVEEDORES\",\"2880|\r1440|\"\r\n\"MA_CUENTAS\",\"1500|\r\"\r\n";
  const QString path = folder.write("CONSULTASLEN.VTX", bytes);
  const Records records = rt::ReadFieldLines(path);
  EXPECT_EQ(records, (Records{{"VT_PROVEEDORES", "2880|\r1440|"}, {"MA_CUENTAS", "1500|\r"}}));
  rt::WriteFieldLines(path, records);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), bytes);
}

TEST(FieldFile, FailuresRaiseBeforeAnythingIsWritten) {
  TempFolder folder;
  EXPECT_EQ(ErrorNumberOf([&] { rt::ReadFieldLines(folder.file("falta.vtx")); }), rt::err::FileNotFound);
  EXPECT_EQ(ErrorNumberOf([&] { rt::WriteFieldLines(folder.file("no/hay/carpeta.vtx"), {{"A"}}); }),
            rt::err::PathFileAccess);
  const QString path = folder.write("f.vtx", "\"A\",\"1|\"\r\n");
  EXPECT_EQ(ErrorNumberOf([&] { rt::WriteFieldLines(path, {{"B"}, {"dos\r\nlineas"}}); }), rt::err::InvalidCall);
  EXPECT_EQ(rt::ReadFieldLines(path), (Records{{"A", "1|"}}));
}

}  // namespace
