#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <string>

#include <sqlite3.h>

#include "platform/ado/Connection.h"
#include "platform/ado/sqlite/SqlFunctions.h"
#include "support/Printers.h"
#include "support/SuiteDatabase.h"

using namespace testing_support;

namespace {

class SqlFunctionsTest : public SuiteDatabaseTest {
 protected:
  SqlFunctionsTest() {
    for (const char* key : {"fc  ", "Ñandú", "canción", "    "})
      exec(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('%1', '%1')").arg(QString::fromUtf8(key)));
  }
  // The keys whose VALOR satisfies `condition`, in key order.
  QString keysWhere(const QString& condition) {
    ado::Recordset rs = cn.Execute(QStringLiteral("SELECT CLAVE FROM TA_CONFIGURACION WHERE ") + condition +
                                   QStringLiteral(" ORDER BY CLAVE"));
    QStringList keys;
    for (; !rs.EOF(); rs.MoveNext()) keys << rs.Fields(0).Value().toString();
    return keys.join(u'|');
  }
};

}  // namespace

TEST_F(SqlFunctionsTest, TextComparesLikeSqlServer) {
  struct Case {
    const char* condition;
    const char* keys;
  };
  for (const Case& c : {
           Case{"VALOR = 'FC'", "fc  "},
           Case{"VALOR = 'fc'", "fc  "},
           Case{"VALOR = ''", "    "},
           Case{"VALOR = ' '", "    "},
           Case{"VALOR = 'ñANDÚ'", "Ñandú"},
           Case{"VALOR = 'Ñandu'", ""},  // accents count
           Case{"VALOR = 'CANCIÓN  '", "canción"},
           Case{"VALOR > 'EZ'", "fc  |Ñandú"},
           Case{"VALOR IN ('FC', 'CANCIÓN')", "canción|fc  "},
       })
    EXPECT_EQ(keysWhere(QString::fromUtf8(c.condition)), QString::fromUtf8(c.keys)) << c.condition;
  EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM TA_CONFIGURACION WHERE CLAVE = 'FC'")), rt::Variant(1));
}

// The collation orders every pair as Qt's case folding orders the texts
// without their trailing blanks.
TEST_F(SqlFunctionsTest, TextOrderFollowsCaseFolding) {
  const char* texts[] = {"abc", "ABD", "ab", "ab  ", "abé", "abÉ x", "aBé", "Ab_", "ab[", "ñ", "Ña", "n", "z", "é", "", "  "};
  const auto rightTrimmed = [](QString t) {
    while (t.endsWith(u' ')) t.chop(1);
    return t;
  };
  for (const char* a : texts)
    for (const char* b : texts) {
      const QString ta = QString::fromUtf8(a), tb = QString::fromUtf8(b);
      const int qt = rightTrimmed(ta).compare(rightTrimmed(tb), Qt::CaseInsensitive);
      EXPECT_EQ(scalar(QStringLiteral("SELECT CASE WHEN '%1' < '%2' THEN -1 WHEN '%1' = '%2' THEN 0 ELSE 1 END")
                           .arg(ta, tb)),
                rt::Variant(qt < 0 ? -1 : (qt > 0 ? 1 : 0)))
          << a << " / " << b;
    }
}

// Text written by other tools may not be valid UTF-8: such bytes are
// ordered as Qt reads them too, also when one text is the start of the
// other and that start ends inside a character.
TEST(SqlFunctions, TextThatIsNotUtf8IsOrderedAsQtReadsIt) {
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
  ASSERT_EQ(ado::sqlite::RegisterSqlFunctions(db), SQLITE_OK);
  sqlite3_stmt* compare = nullptr;
  ASSERT_EQ(sqlite3_prepare_v2(db, "SELECT (?1 > ?2 COLLATE CI_AS) - (?1 < ?2 COLLATE CI_AS)", -1, &compare, nullptr),
            SQLITE_OK);
  const std::string texts[] = {"\xC3", "\xC3\xA9", "a\xC3", "A\xC3\xB1", "a\xC3 ", "\xE2\x84", "\xE2\x84\xAA",
                               "\xE2\x84" "a", "\xFF", "\xFF\xFF", "e", std::string("\xC3\0", 2)};
  for (const std::string& a : texts)
    for (const std::string& b : texts) {
      sqlite3_bind_text(compare, 1, a.data(), static_cast<int>(a.size()), SQLITE_STATIC);
      sqlite3_bind_text(compare, 2, b.data(), static_cast<int>(b.size()), SQLITE_STATIC);
      ASSERT_EQ(sqlite3_step(compare), SQLITE_ROW);
      const auto read = [](const std::string& t) {
        QString s = QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
        while (s.endsWith(u' ')) s.chop(1);
        return s;
      };
      const int qt = read(a).compare(read(b), Qt::CaseInsensitive);
      EXPECT_EQ(sqlite3_column_int(compare, 0), qt < 0 ? -1 : (qt > 0 ? 1 : 0))
          << QByteArray::fromStdString(a).toHex().constData() << " / " << QByteArray::fromStdString(b).toHex().constData();
      sqlite3_reset(compare);
    }
  sqlite3_finalize(compare);
  sqlite3_close(db);
}

TEST_F(SqlFunctionsTest, LenCountsCharactersWithoutTrailingBlanks) {
  struct Case {
    const char* expression;
    int length;
  };
  for (const Case& c : {Case{"'ab  '", 2}, Case{"'  ab'", 4}, Case{"'ñandú '", 5}, Case{"''", 0}, Case{"'   '", 0},
                        Case{"123", 3}, Case{"VALOR", 2}})
    EXPECT_EQ(scalar(QStringLiteral("SELECT LEN(%1) FROM TA_CONFIGURACION WHERE CLAVE = 'FC'")
                         .arg(QString::fromUtf8(c.expression))),
              rt::Variant(c.length))
        << c.expression;
  EXPECT_TRUE(scalar(QStringLiteral("SELECT LEN(NULL)")).isNull());
}

TEST_F(SqlFunctionsTest, LikeFoldsCaseBeyondAscii) {
  struct Case {
    const char* condition;
    const char* keys;
  };
  for (const Case& c : {
           Case{"VALOR LIKE 'ñan%'", "Ñandú"},
           Case{"VALOR LIKE '%NDÚ'", "Ñandú"},
           Case{"VALOR LIKE '%ndu'", ""},
           Case{"VALOR LIKE 'F_%'", "fc  "},
           // Blanks ending the value may be left out of the pattern, not those ending the pattern.
           Case{"VALOR LIKE 'fc'", "fc  "},
           Case{"VALOR LIKE 'fc_'", "fc  "},
           Case{"VALOR LIKE 'ñandú '", ""},
           Case{"VALOR LIKE ''", "    "},
           Case{"VALOR LIKE '[c-f]%'", "canción|fc  "},
           Case{"VALOR LIKE '[^c-f]%'", "    |Ñandú"},
           Case{"VALOR LIKE '[ñ]%'", "Ñandú"},
           Case{"VALOR LIKE '%ó%'", "canción"},
           Case{"VALOR NOT LIKE '%'", ""},
       })
    EXPECT_EQ(keysWhere(QString::fromUtf8(c.condition)), QString::fromUtf8(c.keys)) << c.condition;
  EXPECT_EQ(scalar(QStringLiteral("SELECT '50%' LIKE '50!%' ESCAPE '!'")), rt::Variant(1));
  EXPECT_EQ(scalar(QStringLiteral("SELECT '500' LIKE '50!%' ESCAPE '!'")), rt::Variant(0));
  EXPECT_EQ(scalar(QStringLiteral("SELECT 'a[b' LIKE 'a[b'")), rt::Variant(1));
  EXPECT_TRUE(scalar(QStringLiteral("SELECT NULL LIKE 'a'")).isNull());
}

TEST_F(SqlFunctionsTest, TheSqliteShellOpensTheDatabaseWithTheExtension) {
  const QString shell = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
  if (shell.isEmpty()) GTEST_SKIP() << "the sqlite3 shell is not installed";
  cn.Close();
  QProcess process;
  process.start(shell, {path});
  process.write(QStringLiteral(".load %1\n"
                               "SELECT CLAVE FROM TA_CONFIGURACION WHERE VALOR = 'FC';\n"
                               "SELECT LEN('ñandú  '), 'Ñandú' LIKE 'ñAN%';\n"
                               // The schema's checks hold, and need nothing the extension lacks.
                               "INSERT INTO MV_ASIENTOS (MES_OPERATIVO, Periodo, Secuencia, [NUMERO ASIENTO], EsAjuste, "
                               "Moneda, Importe, Fecha) VALUES (7, 1, 1, 1, 1, 'ÑÑÑÑ', 1.5, '2005-07-01');\n"
                               "SELECT COUNT(*) FROM MV_ASIENTOS WHERE Moneda = 'ññññ';\n")
                    .arg(QStringLiteral(CI_AS_EXTENSION))
                    .toUtf8());
  process.closeWriteChannel();
  ASSERT_TRUE(process.waitForFinished(10000));
  EXPECT_EQ(QString::fromUtf8(process.readAllStandardError()), QString());
  EXPECT_EQ(QString::fromUtf8(process.readAllStandardOutput()), QStringLiteral("fc  \n5|1\n1\n"));
}
