// Tables written by the fixture writer, read back through the provider.
#include <gtest/gtest.h>

#include <QFile>

#include "DbfFixtures.h"
#include "platform/ado/Constants.h"
#include "platform/ado/dbf/DbfCursor.h"
#include "platform/ado/dbf/DbfFormat.h"
#include "platform/runtime/Dates.h"
#include "support/DbfWriter.h"
#include "support/Printers.h"
#include "support/TavernixTables.h"
#include "support/TempFolder.h"

using namespace ado::dbf;
using dbf_fixtures::money;
using dbf_fixtures::readTable;
using rt::MakeDate;
using rt::Variant;
using testing_support::DbfWriter;
using testing_support::TempFolder;

namespace {

struct FieldCase {
  const char* label;
  char type;
  int length, decimals;
  uint8_t flags;
  Variant written, expected;
  int adoType;
};

}  // namespace

TEST(DbfReader, ReadsEachFieldTypeExactly) {
  const FieldCase cases[] = {
      {"text keeps its blanks", 'C', 8, 0, 0, u"Peña", u"Peña    ", ado::adChar},
      {"blank text", 'C', 3, 0, 0, Variant::null(), "   ", ado::adChar},
      // Some writers pad with zero bytes: padding, read as the blanks it stands for; one within the text stays.
      {"text padded with zero bytes", 'C', 6, 0, 0, QString::fromLatin1("AB\0\0\0\0", 6), "AB    ", ado::adChar},
      {"a zero byte within the text", 'C', 5, 0, 0, QString::fromLatin1("A\0B", 3), QString::fromLatin1("A\0B  ", 5),
       ado::adChar},
      {"whole number", 'N', 6, 0, 0, int32_t(-4217), int32_t(-4217), ado::adNumeric},
      {"amount", 'N', 12, 2, 0, money("1234.50"), money("1234.5"), ado::adNumeric},
      {"small negative amount", 'N', 12, 2, 0, money("-0.05"), money("-0.05"), ado::adNumeric},
      {"whole number beyond Long", 'N', 18, 0, 0, money("123456789012345"), money("123456789012345"),
       ado::adNumeric},
      {"four decimals are exact", 'N', 12, 4, 0, "   -12.3456", money("-12.3456"), ado::adNumeric},
      {"six decimals", 'N', 12, 6, 0, "    3.141593", 3.141593, ado::adNumeric},
      {"blank number", 'N', 6, 0, 0, Variant::null(), Variant::null(), ado::adNumeric},
      {"float", 'F', 10, 3, 0, "     2.125", 2.125, ado::adDouble},
      {"blank float", 'F', 10, 3, 0, Variant::null(), Variant::null(), ado::adDouble},
      {"date", 'D', 8, 0, 0, MakeDate(2005, 7, 1), MakeDate(2005, 7, 1), ado::adDBDate},
      {"blank date", 'D', 8, 0, 0, Variant::null(), Variant::null(), ado::adDBDate},
      {"zero date", 'D', 8, 0, 0, "00000000", Variant::null(), ado::adDBDate},
      {"date-time", 'T', 8, 0, 0, MakeDate(2005, 6, 30, 23, 59, 58), MakeDate(2005, 6, 30, 23, 59, 58),
       ado::adDBTimeStamp},
      {"date-time to the second", 'T', 8, 0, 0, MakeDate(2005, 6, 30, 23, 59, 59).addMSecs(600),
       MakeDate(2005, 7, 1), ado::adDBTimeStamp},
      {"blank date-time", 'T', 8, 0, 0, Variant::null(), Variant::null(), ado::adDBTimeStamp},
      {"true", 'L', 1, 0, 0, true, true, ado::adBoolean},
      {"false", 'L', 1, 0, 0, false, false, ado::adBoolean},
      {"yes", 'L', 1, 0, 0, "Y", true, ado::adBoolean},
      {"unset logical", 'L', 1, 0, 0, "?", Variant::null(), ado::adBoolean},
      {"integer", 'I', 4, 0, 0, int32_t(-123456), int32_t(-123456), ado::adInteger},
      {"currency", 'Y', 8, 0, 0, money("922337203685477.5807"), money("922337203685477.5807"), ado::adCurrency},
      {"double", 'B', 8, 0, 0, 0.1, 0.1, ado::adDouble},
      {"memo", 'M', 4, 0, 0, u"Observación\r\nde dos líneas", u"Observación\r\nde dos líneas", ado::adLongVarChar},
      {"empty memo", 'M', 4, 0, 0, "", "", ado::adLongVarChar},
      {"varchar", 'V', 10, 0, 0, u"añil", u"añil", ado::adVarChar},
      {"full varchar", 'V', 4, 0, 0, "abcd", "abcd", ado::adVarChar},
      {"varbinary", 'Q', 6, 0, 0, QString::fromLatin1("\x01\xff\x00", 3), QString::fromLatin1("\x01\xff\x00", 3),
       ado::adVarBinary},
      {"general", 'G', 4, 0, 0, QString::fromLatin1("GIF\x89\xfe", 5), QString::fromLatin1("GIF\x89\xfe", 5),
       ado::adLongVarBinary},
      {"text without translation", 'C', 2, 0, fieldflag::Binary, QString::fromLatin1("\xf1\xa4"),
       QString::fromLatin1("\xf1\xa4"), ado::adChar},
  };
  for (const FieldCase& c : cases) {
    SCOPED_TRACE(c.label);
    TempFolder folder;
    DbfWriter w;
    w.codePage(850).field("VALOR", c.type, c.length, c.decimals, c.flags).add({c.written});
    w.write(folder.file("T.DBF"));
    const auto table = readTable(folder.path());
    ASSERT_EQ(table.rows.size(), 1u);
    EXPECT_EQ(table.rows[0][0], c.expected);
    EXPECT_EQ(table.columns[0].name, "VALOR");
    EXPECT_EQ(table.columns[0].type, c.adoType);
    EXPECT_EQ(table.columns[0].definedSize, c.length);
  }
}

TEST(DbfReader, ReadsEveryHeaderVersion) {
  for (uint8_t v : {version::Dbase3, version::VisualFoxPro, version::VisualFoxProAutoinc,
                    version::VisualFoxProVarchar, version::Dbase3Memo, version::Dbase4Memo, version::FoxPro2Memo}) {
    SCOPED_TRACE(int(v));
    const bool memo = v != version::Dbase3;
    TempFolder folder;
    DbfWriter w(v);
    w.field("RAZON", 'C', 12).field("TOTAL", 'N', 10, 2).field("FECHA", 'D').field("ACTIVO", 'L');
    if (memo) w.field("TEXTO1", 'M');
    const auto record = [&](const char* name, const char* total, int day, const char* text) {
      std::vector<Variant> r = {QString::fromUtf8(name), money(total), MakeDate(2005, 7, day), true};
      if (memo) r.push_back(QString::fromUtf8(text));
      return r;
    };
    w.add(record("Ñoño", "10.5", 1, "primera")).addDeleted(record("Borrado", "1", 2, "x"));
    w.add(record("Zúñiga", "-3", 3, ""));
    w.write(folder.file("T.DBF"));
    const auto table = readTable(folder.path());
    EXPECT_EQ(table.knownCount, 2);
    ASSERT_EQ(table.rows.size(), 2u);
    EXPECT_EQ(table.rows[0], record("Ñoño        ", "10.5", 1, "primera"));
    EXPECT_EQ(table.rows[1], record("Zúñiga      ", "-3", 3, ""));
  }
}

TEST(DbfReader, DecodesTheCodePageTheHeaderNames) {
  const QString text = QString::fromUtf8("Ñandú Peña ÁÉÍÓÚ áéíóú ü");
  struct Case { int codePage; QString text; char enye; };
  for (const Case& c : {Case{850, text, '\xa4'}, Case{1252, text, '\xf1'},
                        Case{437, QString::fromUtf8("Ñandú Güemes Peña"), '\xa4'}}) {
    SCOPED_TRACE(c.codePage);
    TempFolder folder;
    DbfWriter w;
    w.codePage(c.codePage).field(QString::fromUtf8("AÑO"), 'C', 30).field("OBS", 'M').add({c.text, c.text});
    w.write(folder.file("T.DBF"));
    EXPECT_TRUE(w.tableBytes().contains(QByteArray("Pe") + c.enye + "a"));
    const auto table = readTable(folder.path());
    EXPECT_EQ(table.columns[0].name, QString::fromUtf8("AÑO"));
    EXPECT_EQ(table.rows.at(0)[0], Variant(c.text.leftJustified(30)));
    EXPECT_EQ(table.rows.at(0)[1], Variant(c.text));
  }
}

TEST(DbfReader, TheConnectionCodePageReplacesTheHeaderMark) {
  TempFolder folder;
  const QString text = QString::fromUtf8("Castañeda");
  DbfWriter w;
  w.codePage(850).languageDriver(0x03).field("RAZON", 'C', 9).add({text});
  w.write(folder.file("T.DBF"));
  EXPECT_EQ(readTable(folder.path(), "850").rows.at(0)[0], Variant(text));
  EXPECT_NE(readTable(folder.path()).rows.at(0)[0], Variant(text));

  const QString euro = QString::fromUtf8("€ Peña");
  DbfWriter iso;
  iso.codePage(28605).field("RAZON", 'C', 6).add({euro});
  iso.write(folder.file("T.DBF"));
  EXPECT_EQ(readTable(folder.path(), "28605").rows.at(0)[0], Variant(euro));
}

TEST(DbfReader, UnmarkedTablesAreWindows1252AndUnknownMarksAreRefused) {
  TempFolder folder;
  DbfWriter w;
  w.codePage(1252).languageDriver(0).field("RAZON", 'C', 4).add({u"Peña"});
  w.write(folder.file("T.DBF"));
  EXPECT_EQ(readTable(folder.path()).rows.at(0)[0], Variant(u"Peña"));

  w.languageDriver(0xEE).write(folder.file("T.DBF"));
  const QString error = dbf_fixtures::descriptionOf(dbf_fixtures::failureOf([&] { readTable(folder.path()); }));
  EXPECT_TRUE(error.contains("0xEE") && error.contains("CodePage=")) << error.toStdString();
}

TEST(DbfReader, ReadsMemosOfEveryBlockLayout) {
  const QString longText = QString::fromUtf8("Ñandú y cigüeña. ").repeated(200);
  struct Case { uint8_t version; int blockSize; const char* memoName; };
  for (const Case& c : {Case{version::VisualFoxPro, 64, "T.FPT"}, Case{version::VisualFoxPro, 1, "T.FPT"},
                        Case{version::VisualFoxPro, 512, "T.FPT"}, Case{version::FoxPro2Memo, 32, "T.FPT"},
                        Case{version::Dbase3Memo, 512, "T.DBT"}, Case{version::Dbase4Memo, 1024, "T.DBT"}}) {
    SCOPED_TRACE(c.memoName + std::to_string(c.blockSize));
    TempFolder folder;
    DbfWriter w(c.version);
    w.codePage(850).memoBlockSize(c.blockSize).field("ID", 'N', 3).field("TEXTO1", 'M');
    w.add({1, longText}).add({2, ""}).add({3, u"corto"});
    w.write(folder.file("T.DBF"));
    ASSERT_TRUE(QFile::exists(folder.file(c.memoName)));
    const auto table = readTable(folder.path());
    ASSERT_EQ(table.rows.size(), 3u);
    EXPECT_EQ(table.rows[0][1], Variant(longText));
    EXPECT_EQ(table.rows[1][1], Variant(""));
    EXPECT_EQ(table.rows[2][1], Variant(u"corto"));
  }
}

TEST(DbfReader, SkipsDeletedRecordsAndCountsTheLiveOnes) {
  TempFolder folder;
  DbfWriter w;
  w.field("N", 'N', 2);
  w.addDeleted({1}).add({2}).addDeleted({3}).add({4}).addDeleted({5});
  w.write(folder.file("T.DBF"));
  const auto table = readTable(folder.path());
  EXPECT_EQ(table.knownCount, 2);
  ASSERT_EQ(table.rows.size(), 2u);
  EXPECT_EQ(table.rows[0][0], Variant(int32_t(2)));
  EXPECT_EQ(table.rows[1][0], Variant(int32_t(4)));
}

TEST(DbfReader, NullFlagsMarkNullsAndVarcharLengths) {
  const uint8_t N = fieldflag::Nullable;
  TempFolder folder;
  DbfWriter w(version::VisualFoxProVarchar);
  w.field("NOMBRE", 'V', 8, 0, N).field("CODIGO", 'C', 3, 0, N).field("TOTAL", 'N', 8, 2, N);
  w.field("FECHA", 'D', 0, 0, N).field("CANT", 'I', 0, 0, N).field("IMPORTE", 'Y', 0, 0, N);
  w.field("ACTIVO", 'L', 0, 0, N).field("OBS", 'M', 0, 0, N).field("CLAVE", 'V', 4);
  const Variant null = Variant::null();
  const std::vector<Variant> values = {"ab", "x", money("1.5"), MakeDate(2005, 1, 2), int32_t(0), money("0"),
                                       false, "", "wxyz"};
  const std::vector<Variant> nulls = {null, null, null, null, null, null, null, null, ""};
  w.add(values).add(nulls);
  w.write(folder.file("T.DBF"));

  // Bits in field order: NOMBRE's length bit, its Null bit, then one Null bit
  // for each nullable field; CLAVE (not nullable) has a length bit only.
  const QByteArray bytes = w.tableBytes();
  const int recordLength = uint8_t(bytes[10]) | uint8_t(bytes[11]) << 8;
  const int firstRecord = uint8_t(bytes[8]) | uint8_t(bytes[9]) << 8;
  const auto flagsOf = [&](int record) {
    const int end = firstRecord + (record + 1) * recordLength;
    return uint8_t(bytes[end - 2]) | uint8_t(bytes[end - 1]) << 8;
  };
  EXPECT_EQ(flagsOf(0), 0b0000000001);
  EXPECT_EQ(flagsOf(1), 0b1111111110);

  const auto table = readTable(folder.path());
  ASSERT_EQ(table.columns.size(), 9u);
  ASSERT_EQ(table.rows.size(), 2u);
  EXPECT_EQ(table.rows[0], (std::vector<Variant>{"ab", "x  ", money("1.5"), MakeDate(2005, 1, 2), int32_t(0),
                                                  money("0"), false, "", "wxyz"}));
  EXPECT_EQ(table.rows[1], nulls);
}

TEST(DbfReader, RepeatedBytesNullsAndAReusedRowKeepEveryValueRight) {
  const uint8_t N = fieldflag::Nullable;
  TempFolder folder;
  DbfWriter w;
  w.field("TOTAL", 'N', 12, 2, N).field("FECHA", 'D', 0, 0, N).field("COD", 'C', 3);
  w.field("GRANDE", 'N', 20, 2).field("CANT", 'N', 3);
  const Variant null = Variant::null();
  const Variant day1 = MakeDate(2005, 7, 1), day2 = MakeDate(2005, 7, 2);
  const std::vector<std::vector<Variant>> records = {
      {money("1.5"), day1, "ab ", money("123456789012.34"), int32_t(7)},
      {money("1.5"), day1, "ab ", money("123456789012.34"), int32_t(7)},
      {null, null, "ab ", money("123456789012.34"), int32_t(7)},
      {money("1.5"), day1, "cd ", money("-5"), int32_t(8)},
      {money("2"), day2, "ab ", money("123456789012.34"), int32_t(7)},
  };
  for (const auto& r : records) w.add(r);
  w.write(folder.file("T.DBF"));

  auto session = dbf_fixtures::openFolder(folder.path());
  auto cursor = session->open("Select * from T");
  std::vector<Variant> row;
  std::vector<std::vector<Variant>> kept;
  QString firstCode;
  while (cursor->next(row)) {
    kept.push_back(row);
    if (firstCode.isNull()) firstCode = row[2].toString();
  }
  EXPECT_EQ(kept, records);
  EXPECT_EQ(firstCode, "ab ");
}

TEST(DbfReader, StreamsALargeTableThroughOneBlockBuffer) {
  TempFolder folder;
  testing_support::writeTxfacTable(folder.file("T.DBF"), 200000);
  auto session = dbf_fixtures::openFolder(folder.path());
  auto cursor = session->open("Select * from T");
  const auto& reader = dynamic_cast<const DbfCursor&>(*cursor).reader();
  const qsizetype buffer = reader.bufferBytes();
  EXPECT_LE(buffer, TableReader::kBlockBytes);
  std::vector<Variant> row;
  long long rows = 0;
  while (cursor->next(row)) {
    ++rows;
    if (reader.bufferBytes() != buffer) FAIL() << "the buffer grew at record " << rows;
  }
  EXPECT_EQ(rows, 200000);
  EXPECT_EQ(cursor->knownCount(), 200000);
  EXPECT_EQ(row[4], Variant(int32_t(200000)));
}
