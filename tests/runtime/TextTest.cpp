#include <gtest/gtest.h>

#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"
#include "support/Printers.h"

TEST(Text, TrimRemovesBlanksOnly) {
  EXPECT_EQ(rt::Trim("  a b  "), "a b");
  EXPECT_EQ(rt::Trim("\ta\t"), "\ta\t");
  EXPECT_EQ(rt::LTrim("  a "), "a ");
  EXPECT_EQ(rt::RTrim("  a "), "  a");
  EXPECT_EQ(rt::Trim("\r\n x"), "\r\n x");
}

TEST(Text, PositionsCountCharacters) {
  const QString s = QStringLiteral("Peñarol Muñoz");
  EXPECT_EQ(rt::Len(s), 13);
  EXPECT_EQ(rt::Mid(s, 3, 3), QStringLiteral("ñar"));
  EXPECT_EQ(rt::Mid(s, 9), QStringLiteral("Muñoz"));
  EXPECT_EQ(rt::Mid(s, 40), "");
  EXPECT_EQ(rt::Left(s, 3), QStringLiteral("Peñ"));
  EXPECT_EQ(rt::Right(s, 3), QStringLiteral("ñoz"));
  EXPECT_THROW(rt::Mid(s, 0), rt::Error);
  EXPECT_THROW(rt::Mid(s, 2, -1), rt::Error);
  EXPECT_THROW(rt::Left(s, -1), rt::Error);
}

TEST(Text, TextCompareFoldsCaseBeyondAscii) {
  EXPECT_TRUE(rt::EqualsText(QStringLiteral("MUÑOZ"), QStringLiteral("muñoz")));
  EXPECT_FALSE(rt::EqualsText(QStringLiteral("Muñoz"), QStringLiteral("Munoz")));
  EXPECT_TRUE(rt::EqualsText(QStringLiteral("Cod_Cli"), QStringLiteral("COD_CLI")));
  EXPECT_FALSE(rt::EqualsText(QStringLiteral("IVA1"), QStringLiteral("iva2")));
  EXPECT_FALSE(rt::EqualsText(QStringLiteral("a@"), QStringLiteral("A`")));
  EXPECT_TRUE(rt::EqualsText(QStringLiteral("x\u212A"), QStringLiteral("Xk")));
  EXPECT_EQ(rt::InStr(QStringLiteral("select * from t WHERE x"), " where ", rt::Compare::Text), 16);
  EXPECT_EQ(rt::InStr(QStringLiteral("select * from t WHERE x"), " where "), 0);
  EXPECT_EQ(rt::InStr(3, "abcabc", "a"), 4);
  EXPECT_EQ(rt::InStrRev("a.b.c", "."), 4);
  EXPECT_EQ(rt::Replace("aXbxc", "x", "-", rt::Compare::Text), "a-b-c");
  EXPECT_EQ(rt::StrComp("abc", "ABD", rt::Compare::Text), -1);
  // Letter for letter: the length never changes.
  EXPECT_EQ(rt::UCase(QStringLiteral("ñandú straße")), QStringLiteral("ÑANDÚ STRAßE"));
  EXPECT_EQ(rt::LCase(QStringLiteral("ÑANDÚ \u0130")).size(), 7);
  EXPECT_EQ(rt::LCase(QStringLiteral("ÑANDÚ \u0130")).left(5), QStringLiteral("ñandú"));
}

// Qt's case-insensitive search is the reference for every start position.
TEST(Text, TextSearchFindsWhatQtFinds) {
  const QString texts[] = {QStringLiteral("aaab aAB"), QStringLiteral("DROP TABLE x\r\ncreate Drop"),
                           QStringLiteral("Muñoz \u212Aelvin kELVIN"), QStringLiteral("@ADMIN_MV @admin_x @Admin_"),
                           QStringLiteral("ab")};
  const char* needles[] = {"aab", "b", "AB", "drop", "CREATE", "kelvin", "@Admin_", "n", "abc"};
  for (const QString& text : texts)
    for (const char* needle : needles) {
      const QString find = QString::fromLatin1(needle);
      for (int start = 1; start <= text.size(); ++start)
        EXPECT_EQ(rt::InStr(start, text, find, rt::Compare::Text),
                  text.indexOf(find, start - 1, Qt::CaseInsensitive) + 1)
            << qPrintable(text) << " / " << needle << " from " << start;
      EXPECT_EQ(rt::Replace(text, find, "#", rt::Compare::Text),
                QString(text).replace(find, "#", Qt::CaseInsensitive))
          << qPrintable(text) << " / " << needle;
    }
  // A needle longer than any skip.
  const QString longNeedle = QString(300, u'a') + u'B';
  const QString longText = QString(200, u'b') + QString(400, u'A') + u'b' + QString(50, u'a');
  EXPECT_EQ(rt::InStr(longText, longNeedle, rt::Compare::Text), 301);
}

TEST(Text, ChrFollowsTheWindowsCodePage) {
  EXPECT_EQ(rt::Chr(255), QChar(0xFF));
  EXPECT_EQ(rt::Chr(128), QChar(0x20AC));
  EXPECT_EQ(rt::Asc(QChar(0x20AC)), 128);
  EXPECT_EQ(rt::Asc(QChar(0xF1)), 0xF1);
}

TEST(Text, ProperCaseRaisesTheFirstLetterOfEveryWord) {
  struct Case { const char* text; const char* proper; };
  for (const Case& c : {Case{"TORNILLO DE ACERO", "Tornillo De Acero"}, Case{"  doble  blanco ", "  Doble  Blanco "},
                        Case{"ñandú ÁRBOL", "Ñandú Árbol"}, Case{"3/8\" X 2 CAÑO", "3/8\" X 2 Caño"},
                        Case{"uno\tdos\r\ntres", "Uno\tDos\r\nTres"}, Case{"o'BRIEN-SMITH", "O'brien-smith"},
                        Case{"STRAßE", "Straße"}, Case{"", ""}})
    EXPECT_EQ(rt::ProperCase(QString::fromUtf8(c.text)), QString::fromUtf8(c.proper)) << c.text;
}
