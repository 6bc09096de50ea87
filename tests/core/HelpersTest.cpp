// Truth values, amounts, times and lookups in lists.
#include <gtest/gtest.h>

#include "support/CoreFixture.h"
#include "core/CoreState.h"
#include "core/Formatting.h"
#include "core/TextHelpers.h"
#include "core/Totalizador.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/Regional.h"
#include "platform/runtime/Text.h"
#include "platform/ui/MessageBox.h"
#include "support/ErrorNumber.h"
#include "support/Printers.h"

using namespace core;

namespace {

using Helpers = testing_support::CoreFixture;

TEST(ValorLogico, ReadsTheTruthWordsWithoutRegardToCase) {
  struct Case {
    const char* text;
    bool whenDefaultTrue;
    bool whenDefaultFalse;
  };
  for (const Case& c : std::vector<Case>{
           {"FALSE", false, false}, {"falso", false, false}, {"0", false, false},   {"No", false, false},
           {"n", false, false},     {"TRUE", true, true},    {"verdadero", true, true}, {"1", true, true},
           {"si", true, true},      {"S", true, true},       {"", true, false},     {" SI", true, false},
           {"NO ", true, false},    {"quizás", true, false},
       }) {
    EXPECT_EQ(ValorLogico(c.text, true), c.whenDefaultTrue) << c.text;
    EXPECT_EQ(ValorLogico(c.text, false), c.whenDefaultFalse) << c.text;
  }
  EXPECT_TRUE(ValorLogico(""));
}

TEST(Masks, FormatTheClockAsTheSuiteWritesIt) {
  const QDateTime t = rt::MakeDate(2005, 7, 1, 9, 5);
  EXPECT_EQ(rt::FormatDate(t, FormatoFechaHora()), "01/07/05 09:05");
  EXPECT_EQ(rt::FormatDate(t, FormatoFecha()), "01/07/05");
  EXPECT_EQ(rt::FormatDate(t, FormatoHora()), "09:05");
}

TEST_F(Helpers, AmountsWithTheAskedConfiguredOrRegionalPlaces) {
  gCore().gCantidadDecimales = "3";
  struct Case {
    const char* amount;
    int decimals;
    const char* text;
  };
  for (const Case& c : std::vector<Case>{
           {"1234,5", -3, "1234,5"},
           {"1234,5", 2, "1234,50"},
           {"1234.5", 2, "1234,50"},
           {"1234,5", -2, "1234"},
           {"1234,5", 0, "1234,50"},  // the regional currency digits
           {"1234,5", -1, "1234,500"},
           {"2,345", 2, "2,34"},       // halves to even
           {"2,355", 2, "2,36"},
           {"0,5", -2, "0"},
           {"1,5", -2, "2"},
           {"-7,125", 2, "-7,12"},
           {"12345678901,5", 1, "12345678901,5"},
           {"1,23456", 6, "1,234600"},  // amounts carry four places
           {"", 2, "0,00"},
       }) {
    EXPECT_EQ(FmtMoneda(c.amount, c.decimals), c.text) << c.amount << " " << c.decimals;
  }
  gCore().gCantidadDecimales = " ";
  EXPECT_EQ(FmtMoneda("3", -1), "3,00") << "blank configured places: the regional ones";
  rt::regional().currencyDigits = 0;
  EXPECT_EQ(FmtMoneda("3,6", 0), "4");
  rt::regional() = rt::RegionalSettings::spanishArgentina();
}

TEST_F(Helpers, AnAmountThatIsNoNumberGoesToTheErrorDialog) {
  host.answer(ui::mb::Abort, "No coinciden los tipos");
  EXPECT_EQ(FmtMoneda("doce", 2), "");
  host.answer(ui::mb::Abort);
  EXPECT_EQ(FmtMoneda("1", 5 - 10), "") << "a negative count of places";
  EXPECT_EQ(host.boxes().size(), 2u);
}

TEST(HorasAMinutos, TimesTextsAndHoursAndMinutes) {
  EXPECT_EQ(HorasAMinutos("1:30", "", "", 1), 90);
  EXPECT_EQ(HorasAMinutos("25:10", "", "", 1), 1510);
  EXPECT_EQ(HorasAMinutos("3", "", "", 1), 180);
  EXPECT_EQ(HorasAMinutos("1:30", "", "", 0), 90);
  EXPECT_EQ(HorasAMinutos("15/03/2024 14:05", "", "", 0), 845);
  EXPECT_EQ(HorasAMinutos("", "2", "15", 0), 135);
  EXPECT_EQ(HorasAMinutos("  ", "", "", 0), 0);
  EXPECT_EQ(HorasAMinutos("", "0", "0", 0), 0);
  EXPECT_EQ(HorasAMinutos("", "1.5", "", 0), 90);
  EXPECT_EQ(HorasAMinutos("30:45", "", "", 0), 1845);
}

TEST(LimpiaTexto, RemovesControlBytesAndBlanks) {
  EXPECT_EQ(LimpiaTexto(QString("  IVA") + rt::Chr(255) + QChar(0) + "\n21 "), "IVA21");
  EXPECT_EQ(LimpiaTexto(rt::Variant(12)), "12");
  EXPECT_EQ(testing_support::ErrorNumberOf([] { LimpiaTexto(rt::Variant::null()); }), rt::err::InvalidUseOfNull);
}

TEST(BuscaEnVector, FromTheStartWithoutRegardToCase) {
  const std::vector<QString> v{"FC", "nc", "NC", " ND"};
  EXPECT_EQ(BuscaEnVector(v, "NC", 0), 1);
  EXPECT_EQ(BuscaEnVector(v, "NC", 2), 2);
  EXPECT_EQ(BuscaEnVector(v, "ND", 0), -1) << "no trimming";
  EXPECT_EQ(BuscaEnVector(v, "FC", 4), -1);
  EXPECT_EQ(BuscaEnVector(v, "FC", -3), 0) << "a start below the lower bound starts there";
  EXPECT_EQ(BuscaEnVector({}, "FC", 0), -1);
}

TEST_F(Helpers, TotalsListLookup) {
  EXPECT_EQ(IndiceTotalizador("IVA"), -1) << "the list was never filled";
  gCore().ListaTotalizador = {{"", ""}, {"Neto", "100"}, {QString("iva") + rt::Chr(255), "21"}, {" IVA ", "0"}};
  EXPECT_EQ(IndiceTotalizador(" IVA"), 2);
  EXPECT_EQ(IndiceTotalizador("neto"), 1);
  EXPECT_EQ(IndiceTotalizador(""), 0);
  EXPECT_EQ(IndiceTotalizador("Percepción"), -1);
}

}  // namespace
