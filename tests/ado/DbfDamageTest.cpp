// Damaged tables: a clear error naming the file (and the record), never a
// crash or a wrong value.
#include <gtest/gtest.h>

#include <functional>

#include "DbfFixtures.h"
#include "platform/ado/Constants.h"
#include "platform/runtime/Dates.h"
#include "support/DbfWriter.h"
#include "support/Printers.h"
#include "support/TempFolder.h"

using dbf_fixtures::descriptionOf;
using dbf_fixtures::failureOf;
using rt::Variant;
using testing_support::DbfWriter;
using testing_support::TempFolder;

namespace {

// T.DBF: ID N(3) at byte 1, FECHA D at 4, OBS M at 12; records of 16 bytes
// after a 392-byte header; T.FPT with 64-byte blocks, record 1's memo at 512.
constexpr int kHeader = 392, kRecord = 16, kId = 1, kFecha = 4, kObs = 12;

DbfWriter sample() {
  DbfWriter w;
  w.field("ID", 'N', 3).field("FECHA", 'D').field("OBS", 'M');
  for (int i = 1; i <= 3; ++i) w.add({i, rt::MakeDate(2005, 7, i), QStringLiteral("memo %1").arg(i)});
  return w;
}

void put(QByteArray& bytes, int at, QByteArrayView what) { bytes.replace(at, what.size(), what.toByteArray()); }
int recordAt(int record) { return kHeader + (record - 1) * kRecord; }

struct DamageCase {
  const char* label;
  std::function<void(QByteArray& table, QByteArray& memo)> damage;
  const char* fileName;  // the file the message names
  const char* expected;
};

}  // namespace

TEST(DbfDamage, DamagedFilesGiveAClearError) {
  const DamageCase cases[] = {
      {"truncated header", [](QByteArray& t, QByteArray&) { t.truncate(20); }, "T.DBF",
       "está dañado: el encabezado está incompleto (20 bytes)."},
      {"header longer than the file", [](QByteArray& t, QByteArray&) { t.truncate(300); }, "T.DBF",
       "el encabezado dice medir 392 bytes y el archivo tiene 300"},
      {"truncated record area", [](QByteArray& t, QByteArray&) { t.chop(10); }, "T.DBF",
       "el encabezado indica 3 registros y el archivo sólo contiene 2 completos"},
      {"record count beyond the file", [](QByteArray& t, QByteArray&) { put(t, 4, "\xe8\x03"); }, "T.DBF",
       "el encabezado indica 1000 registros"},
      {"wrong record length", [](QByteArray& t, QByteArray&) { put(t, 10, "\x11"); }, "T.DBF",
       "el encabezado dice que cada registro mide 17 bytes y sus campos suman 16"},
      {"header too short for its fields", [](QByteArray& t, QByteArray&) { put(t, 8, QByteArray("\x50\x00", 2)); },
       "T.DBF", "la lista de campos no termina dentro del encabezado"},
      {"unknown field type", [](QByteArray& t, QByteArray&) { put(t, 32 + 32 + 11, "Z"); }, "T.DBF",
       "el campo FECHA es de un tipo desconocido (Z)"},
      {"width impossible for the type", [](QByteArray& t, QByteArray&) { put(t, 32 + 32 + 16, "\x07"); }, "T.DBF",
       "el campo FECHA de tipo D no puede medir 7 bytes"},
      {"unknown version", [](QByteArray& t, QByteArray&) { put(t, 0, "\x04"); }, "T.DBF",
       "no es una tabla dBase o FoxPro conocida (tipo 0x04)"},
      {"bad deletion mark", [](QByteArray& t, QByteArray&) { put(t, recordAt(2), "X"); }, "T.DBF",
       "(registro 2): la marca de borrado (código 88) no es la de un registro"},
      {"impossible date", [](QByteArray& t, QByteArray&) { put(t, recordAt(3) + kFecha, "20051340"); }, "T.DBF",
       "(registro 3, campo FECHA): la fecha «20051340» es inválida"},
      {"unreadable number", [](QByteArray& t, QByteArray&) { put(t, recordAt(1) + kId, "1a3"); }, "T.DBF",
       "(registro 1, campo ID): el número «1a3» es ilegible"},
      {"number with a control byte", [](QByteArray& t, QByteArray&) { put(t, recordAt(1) + kId, "1\x01" "3"); },
       "T.DBF", "(registro 1, campo ID): el número «1\\x013» es ilegible"},
      {"date with a zero byte and one of another code page",
       [](QByteArray& t, QByteArray&) { put(t, recordAt(3) + kFecha, QByteArray("2005\0\xe9\\1", 8)); }, "T.DBF",
       "(registro 3, campo FECHA): la fecha «2005\\x00\\xE9\\x5C1» es inválida"},
      {"number that overflowed its field", [](QByteArray& t, QByteArray&) { put(t, recordAt(1) + kId, "***"); },
       "T.DBF", "(registro 1, campo ID): el número «***» es ilegible"},
      {"memo pointer past the end",
       [](QByteArray& t, QByteArray&) { put(t, recordAt(2) + kObs, QByteArray("\x9f\x86\x01\x00", 4)); }, "T.DBF",
       "(registro 2, campo OBS): el memo apunta al bloque 99999, fuera de los bloques de "},
      {"memo pointer into the memo header",
       [](QByteArray& t, QByteArray&) { put(t, recordAt(2) + kObs, QByteArray("\x01\x00\x00\x00", 4)); }, "T.DBF",
       "(registro 2, campo OBS): el memo apunta al bloque 1"},
      {"memo longer than its file", [](QByteArray&, QByteArray& m) { put(m, 512 + 4, "\x7f\xff\xff\xff"); },
       "T.FPT", "(registro 1, campo OBS): el memo dice medir 2147483647 bytes y pasa el final"},
      {"truncated memo header", [](QByteArray&, QByteArray& m) { m.truncate(100); }, "T.FPT",
       "el encabezado de memos está incompleto (100 bytes)"},
      {"memo block size 0", [](QByteArray&, QByteArray& m) { put(m, 6, QByteArray(2, '\0')); }, "T.FPT",
       "el tamaño de bloque de memos es 0"},
      {"missing memo file", [](QByteArray&, QByteArray& m) { m.clear(); }, "T.DBF",
       "No se encuentra el archivo de memos T.FPT de la tabla "},
  };
  const DbfWriter w = sample();
  for (const DamageCase& c : cases) {
    SCOPED_TRACE(c.label);
    TempFolder folder;
    QByteArray table = w.tableBytes(), memo = w.memoBytes();
    c.damage(table, memo);
    folder.write("T.DBF", table);
    if (!memo.isEmpty()) folder.write("T.FPT", memo);
    const auto failure = failureOf([&] { dbf_fixtures::readTable(folder.path()); });
    const QString text = descriptionOf(failure);
    EXPECT_EQ(failure.number, ado::errnum::E_FAIL);
    EXPECT_TRUE(text.contains(folder.file(QString::fromLatin1(c.fileName)))) << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8(c.expected))) << text.toStdString();
    // One record's damage, its bytes or its memo's, is marked as such, so
    // that a reader can pass over that record alone; among it, a field of
    // the table whose bytes are no value as one record's bad value. The rest
    // is damage of the files themselves.
    const bool oneRecord = text.contains(QStringLiteral("(registro "));
    const bool oneValue = QByteArrayView(c.fileName) == "T.DBF" && text.contains(QStringLiteral(", campo "));
    EXPECT_EQ(failure.errors.at(0).SQLState.startsWith(QLatin1String(ado::kSqlStateClassRowData)), oneRecord);
    EXPECT_EQ(failure.errors.at(0).SQLState == QLatin1String(ado::kSqlStateInvalidValue), oneValue);
  }
}

TEST(DbfDamage, ADamagedRecordIsReportedAndTheNextOnesStillCome) {
  TempFolder folder;
  const DbfWriter w = sample();
  QByteArray table = w.tableBytes();
  put(table, recordAt(2) + kFecha, "2005-7-2");
  folder.write("T.DBF", table);
  folder.write("T.FPT", w.memoBytes());
  auto session = dbf_fixtures::openFolder(folder.path());
  auto cursor = session->open("Select * from T");
  std::vector<Variant> row;
  ASSERT_TRUE(cursor->next(row));
  EXPECT_EQ(row[0], Variant(int32_t(1)));
  EXPECT_TRUE(descriptionOf(failureOf([&] { cursor->next(row); })).contains("registro 2, campo FECHA"));
  ASSERT_TRUE(cursor->next(row));
  EXPECT_EQ(row[0], Variant(int32_t(3)));
  EXPECT_FALSE(cursor->next(row));
}
