#include <gtest/gtest.h>

#include "platform/suite/Library.h"
#include "platform/ui/MessageBox.h"
#include "support/ErrorNumber.h"
#include "support/HostFixture.h"
#include "support/Printers.h"

using suite::gUtilidades;

TEST(Utilidades, TextoANumeroReadsEitherSeparator) {
  struct Case { const char* text; const char* value; };
  for (const Case& c : {Case{"1234,5", "1234.5"}, Case{"1234.50", "1234.5"}, Case{"-3", "-3"}, Case{"", "0"},
                        Case{"   ", "0"}, Case{"1.234,56", "1234.56"}, Case{"1,234.56", "1234.56"},
                        Case{"1.234.567", "1234567"}, Case{" 12,5 ", "12.5"}, Case{"0,00015", "0.0002"}, Case{"0,00005", "0"}}) {
    EXPECT_EQ(gUtilidades().TextoANumero(QString::fromUtf8(c.text)).toSqlText(), QString::fromUtf8(c.value))
        << c.text;
  }
  for (const char* bad : {"abc", "12abc", "1,2.3,4"}) {
    try {
      gUtilidades().TextoANumero(QString::fromUtf8(bad));
      ADD_FAILURE() << bad << " read as a number";
    } catch (const rt::Error& e) {
      EXPECT_EQ(e.Number(), 13);
    }
  }
  EXPECT_DOUBLE_EQ(gUtilidades().TextoADoble("1.234,5"), 1234.5);
  EXPECT_DOUBLE_EQ(gUtilidades().TextoADoble(""), 0);
}

TEST(Utilidades, RellenaCodigoAlignsDigitCodesOnly) {
  struct Case { const char* code; int width; const char* result; };
  for (const Case& c : {Case{"1", 4, "   1"}, Case{" 1 ", 4, "   1"}, Case{"   1", 4, "   1"}, Case{"12", 4, "  12"},
                        Case{"12345", 4, "12345"}, Case{"FC", 4, "FC"}, Case{" OC ", 4, "OC"},
                        Case{"ELDELGRID", 4, "ELDELGRID"}, Case{"'x'", 4, "'x'"}, Case{"", 4, ""},
                        Case{"7", 25, "                        7"}, Case{"NULL", 4, "NULL"}})
    EXPECT_EQ(gUtilidades().RellenaCodigo(QString::fromUtf8(c.code), c.width), QString::fromUtf8(c.result)) << c.code;
  EXPECT_EQ(gUtilidades().RellenaCodigo("1"), "   1");
}

TEST(Utilidades, PathsAcceptBothSeparators) {
  QString folder, file, ext, name;
  gUtilidades().SeparaRuta("E:\\migrar\\TXFAC.DBF", folder, file, ext, name);
  EXPECT_EQ(folder, "E:/migrar/");
  EXPECT_EQ(file, "TXFAC.DBF");
  EXPECT_EQ(ext, "DBF");
  EXPECT_EQ(name, "TXFAC");
  gUtilidades().SeparaRuta("/datos/export/txcli.dbf", folder, file, ext, name);
  EXPECT_EQ(folder, "/datos/export/");
  EXPECT_EQ(ext, "dbf");
  gUtilidades().SeparaRuta("sinextension", folder, file, ext, name);
  EXPECT_EQ(folder, "");
  EXPECT_EQ(ext, "");
  EXPECT_EQ(gUtilidades().NormalizaCarpeta("E:\\migrar"), "E:/migrar/");
  EXPECT_EQ(gUtilidades().NormalizaCarpeta("/datos/"), "/datos/");
  EXPECT_EQ(gUtilidades().NormalizaCarpeta(""), "");
}

TEST(Utilidades, CodificaRoundTrips) {
  for (const char* text : {"Veltrix", "", "contraseña=1;2", "sa"}) {
    QString plain = QString::fromUtf8(text);
    QString coded = gUtilidades().Codifica(plain);
    if (!plain.isEmpty()) {
      EXPECT_NE(coded, plain);
    }
    EXPECT_EQ(gUtilidades().Decodifica(coded), plain);
  }
  // Only what Codifica wrote is decoded: plain values that look like
  // hexadecimal stay as they are, a damaged encoding too.
  const QString coded = gUtilidades().Codifica("Veltrix");
  QString damaged = coded;
  damaged[0] = damaged[0] == u'A' ? u'B' : u'A';
  for (const QString& plain : {QString("texto plano"), QString("CAFE"), QString("1234"), QString("00000000"),
                               QString("DEADBEEF0123"), coded.left(coded.size() - 2), damaged})
    EXPECT_EQ(gUtilidades().Decodifica(plain), plain) << plain.toStdString();
}

TEST(Utilidades, WordsTextsAndLists) {
  EXPECT_EQ(gUtilidades().CuentaPalabras("SELECT * FROM T"), 4);
  EXPECT_EQ(gUtilidades().CuentaPalabras("  MA_CUENTAS  "), 1);
  EXPECT_EQ(gUtilidades().CuentaPalabras(""), 0);
  EXPECT_EQ(gUtilidades().CuentaPalabras("a\r\nb\tc"), 3);
  EXPECT_EQ(gUtilidades().LimitaTexto("abcdef", 3), "abc");
  EXPECT_EQ(gUtilidades().LimitaTexto("ab", 250), "ab");
  EXPECT_TRUE(gUtilidades().EstaEnLista("vs", {"AJP", "AJN", "VS", "IR"}));
  EXPECT_FALSE(gUtilidades().EstaEnLista("V", {"AJP", "VS"}));
  EXPECT_EQ(gUtilidades().QuitaCaracteres(QStringLiteral("iva\u00FF\u0000x"), QStringLiteral("\u00FF"),
                                          QString(QChar(0))),
            "ivax");
  EXPECT_EQ(gUtilidades().ValorCampo(rt::Variant::null()).toString(), "");
  EXPECT_EQ(gUtilidades().ValorCampo(rt::Variant(3.5)).toDouble(), 3.5);
}

TEST(Utilidades, TextoAEnteroReadsTheTextOfANumber) {
  struct Case { const char* text; int32_t value; };
  for (const Case& c : {Case{" 13", 13}, Case{"13 ", 13}, Case{"-7", -7}, Case{"", 0}, Case{"2,5", 2},
                        Case{"3.5", 4}, Case{"4.5", 4}, Case{"2147483647", 2147483647}})
    EXPECT_EQ(gUtilidades().TextoAEntero(QString::fromUtf8(c.text)), c.value) << c.text;
  EXPECT_EQ(testing_support::ErrorNumberOf([] { gUtilidades().TextoAEntero("x1"); }), rt::err::TypeMismatch);
  EXPECT_EQ(testing_support::ErrorNumberOf([] { gUtilidades().TextoAEntero("2147483648"); }), rt::err::Overflow);
}

TEST(Utilidades, ReemplazaTextoReplacesWholeTableNamesOnly) {
  struct Case { const char* sql; const char* result; };
  for (const Case& c : {
           Case{"SELECT * FROM V_MA_ARTICULOS WHERE X=1", "SELECT * FROM VT_MA_ARTICULOS WHERE X=1"},
           Case{"select * from v_ma_articulos", "select * from VT_MA_ARTICULOS"},
           Case{"SELECT * FROM dbo.[V_MA_Articulos],V_MA_ARTICULOS", "SELECT * FROM dbo.[VT_MA_ARTICULOS],VT_MA_ARTICULOS"},
           Case{"SELECT * FROM VT_MA_ARTICULOS", "SELECT * FROM VT_MA_ARTICULOS"},
           Case{"SELECT * FROM V_MA_ARTICULOS2", "SELECT * FROM V_MA_ARTICULOS2"},
           Case{"SELECT * FROM SS_V_MA_ARTICULOS", "SELECT * FROM SS_V_MA_ARTICULOS"},
           Case{"SELECT A.* FROM V_MA_ARTICULOS_EXT A JOIN V_MA_ARTICULOS B ON 1=1",
                "SELECT A.* FROM V_MA_ARTICULOS_EXT A JOIN VT_MA_ARTICULOS B ON 1=1"},
           Case{"V_MA_ARTICULOS", "VT_MA_ARTICULOS"}, Case{"", ""}})
    EXPECT_EQ(gUtilidades().ReemplazaTexto(QString::fromUtf8(c.sql), "V_MA_ARTICULOS", "VT_MA_ARTICULOS"),
              QString::fromUtf8(c.result))
        << c.sql;
}

TEST(Utilidades, QuitaComillasAndNormalizaCodigo) {
  EXPECT_EQ(gUtilidades().QuitaComillas("'OC  '"), "OC  ");
  EXPECT_EQ(gUtilidades().QuitaComillas("\"RM\""), "RM");
  EXPECT_EQ(gUtilidades().QuitaComillas("NULL"), "NULL");
  // Codes take the key form of every stock writer.
  const QString lote = QStringLiteral("L-2024") + QString(19, u' ');
  EXPECT_EQ(gUtilidades().NormalizaCodigo(lote), gUtilidades().RellenaCodigo(lote, 25));
  EXPECT_EQ(gUtilidades().NormalizaCodigo(QStringLiteral("  42 ")), QString(23, u' ') + "42");
  struct Case { double quantity; const char* text; };
  for (const Case& c : {Case{2.5, "2.5"}, Case{0.1 + 0.2, "0.3"}, Case{1.0 / 3, "0.3333"}, Case{-12, "-12"},
                        Case{0.00005, "0"}, Case{0.00015, "0.0002"}})
    EXPECT_EQ(gUtilidades().NormalizaCodigo(c.quantity), QString::fromLatin1(c.text)) << c.text;
  EXPECT_DOUBLE_EQ(gUtilidades().TextoADoble(gUtilidades().NormalizaCodigo(1.0 / 3)), 0.3333);
}

class DialogoErrorTest : public testing_support::HostFixture {};

TEST_F(DialogoErrorTest, ShowsAbortRetryIgnoreAndReturnsTheAnswer) {
  host.answer(ui::mb::Ignore, "3704");
  int a = gUtilidades().DialogoError(rt::Error(3704, "Objeto cerrado ", "ADODB"), "ConectarProveedor");
  EXPECT_EQ(a, ui::mb::Ignore);
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(ui::mb::buttonSet(host.boxes()[0].buttons), ui::mb::AbortRetryIgnore);
  EXPECT_EQ(ui::mb::icon(host.boxes()[0].buttons), ui::mb::Critical);
  EXPECT_TRUE(host.boxes()[0].prompt.contains("Objeto cerrado"));
  EXPECT_TRUE(host.boxes()[0].prompt.contains("ConectarProveedor"));
}
