// List strings of lots, serials, positions and quantities: what each reader
// makes of well-formed lists, and how malformed ones are reported.
#include <gtest/gtest.h>

#include "NumberingFixture.h"
#include "numbering/ListasSeriesLotes.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"
#include "platform/ui/MessageBox.h"
#include "support/Printers.h"

namespace {

using namespace numbering;
using Arreglo = std::vector<QString>;

const QString y = QString(rt::Chr(255));

// Every box the readers show must be scripted.
class ListasSeriesLotes : public testing_support::NumberingFixture {};

TEST_F(ListasSeriesLotes, StrSerieLoteGivesTheDistinctItems) {
  const std::pair<const char*, const char*> cases[] = {
      {"", ""},
      {"ABC", ""},
      {"|A|B|C|", " A B C"},
      {"|A|B|a|", " A B"},
      {"|A| |B|", " A B"},
      {"|A|B|C", " A B"},
      {"   |A|", " A"},
      {"||A|", " A"},
      {"| x |-|-|S1*2|", " x - S1*2"},
  };
  for (const auto& [lista, esperado] : cases) EXPECT_EQ(StrSerieLote(lista), esperado) << lista;
}

TEST_F(ListasSeriesLotes, DescomponeSerieLoteEndsEveryArrayWithOneEmptyElement) {
  const std::pair<QString, Arreglo> cases[] = {
      {"", {""}},
      {"   ", {""}},
      {"ABC", {"ABC", ""}},
      {" ABC ", {"ABC", ""}},
      {"|A||B|", {"A", "", "B", ""}},
      {"| A |b|", {"A", "b", ""}},
      {"||A|", {"", "A", ""}},
      {"|L1" + y + "S1|L2" + y + "|", {"L1" + y + "S1", "L2" + y, ""}},
  };
  for (const auto& [lista, esperado] : cases) {
    Arreglo arreglo{"viejo"};
    DescomponeSerieLote(lista, arreglo);
    EXPECT_EQ(arreglo, esperado) << lista.toStdString();
  }
}

TEST_F(ListasSeriesLotes, ExtraeSerieLoteGivesTheItemUntrimmed) {
  struct Case {
    const char* lista;
    int16_t posicion;
    const char* esperado;
  };
  const Case cases[] = {
      {"|A| B |", 2, " B "}, {"|A|B|", 1, "A"},   {"|A|B|", 0, ""},   {"|A|B|", 3, ""},    {"|A|B|", -1, ""},
      {"ABC", 1, "ABC"},     {"|A|B|C", 3, ""},   {"", 1, ""},        {"  |A|", 1, "A"},   {"||A|", 1, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(ExtraeSerieLote(c.lista, c.posicion), c.esperado) << c.lista << c.posicion;
}

TEST_F(ListasSeriesLotes, BuscaLotesSeriesGivesThePositionOfTheFirstMatchingItem) {
  struct Case {
    QString lista;
    QString buscado;
    int32_t esperado;
  };
  const Case cases[] = {
      {"|A|B|C|", "b", 2},
      {"|A|B|C|", "D", 0},
      {"|A|B|A|", "A", 1},
      {"", "A", 0},
      {"ABC", "ABC", 0},  // no separator, no item
      {"|A|B", "B", 0},   // text after the last "|" is no item
      {"| A |  b|", "A", 1},
      {"|A|B|", " b ", 2},
      {"   |A|B|", "B", 2},
      {"|A||B|", "", 2},
      {"|L1" + y + "S1|L1" + y + "S2|", "l1" + y + "s2", 2},
      {"|L1" + y + "S1|", "L1" + y, 0},  // a pair matches whole
  };
  for (const Case& c : cases)
    EXPECT_EQ(Busca_Lotes_Series(c.lista, c.buscado), c.esperado) << c.lista.toStdString() << " / " << c.buscado.toStdString();
}

TEST_F(ListasSeriesLotes, ItemsAndWhatTheyStandFor) {
  EXPECT_EQ(ItemsDeLista("  |A| b ||-|C"), (Arreglo{"A", " b ", "", "-"}));
  EXPECT_EQ(ItemsDeLista(""), Arreglo{});
  EXPECT_EQ(ItemsDeLista("ABC"), Arreglo{});
  EXPECT_EQ(ValorDeItem(" - "), "");
  EXPECT_EQ(ValorDeItem(" -1 "), "-1");
  EXPECT_EQ(ValorDeItem(" S1 "), "S1");
}

TEST_F(ListasSeriesLotes, BuscaLotesSeriesReportsAListBeyondTheLimit) {
  host.answer(ui::mb::Abort, "Desbordamiento");
  EXPECT_EQ(Busca_Lotes_Series("|A|" + QString(40000, u'B') + "|", "A"), 0);
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_TRUE(host.boxes()[0].title.contains("Busca_Lotes_Series"));
}

TEST_F(ListasSeriesLotes, CountsItemsAndDistinctPairs) {
  EXPECT_EQ(Cantidad_Series_Lotes(""), 0);
  EXPECT_EQ(Cantidad_Series_Lotes("   "), 0);
  EXPECT_EQ(Cantidad_Series_Lotes("ABC"), 1);
  EXPECT_EQ(Cantidad_Series_Lotes("|A||B|"), 3);

  struct Case {
    const char* series;
    const char* lotes;
    bool sinConsolidar;
    int32_t esperado;
  };
  const Case cases[] = {
      {"|S1|S2|S1|", "|L1|L2|L3|", false, 2},  // the lots are ignored when there are serials
      {"|S1|S2|S1|", "|L1|L2|L3|", true, 3},
      {"", "|L1|L1|L2|", false, 2},
      {"", "|L1|L1|L2|", true, 3},
      {"|s1|S1|", "", false, 1},
      {"|S1*2|-|-|", "", false, 2},
      {"| |S1|", "", false, 1},
      {"", "", false, 0},
      {"", "", true, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Cuenta_Series_Lotes(c.series, c.lotes, c.sinConsolidar), c.esperado) << c.series << " / " << c.lotes;
}

TEST_F(ListasSeriesLotes, InsertaCHR255KeepsEveryLot) {
  const std::pair<QString, QString> cases[] = {
      {"", "|"},
      {"|A|B|", "|A" + y + "|B" + y + "|"},
      {"A|B|", "|A" + y + "|B" + y + "|"},  // no opening "|": the first lot stays
      {"  |A|", "|A" + y + "|"},
  };
  for (const auto& [lista, esperado] : cases) EXPECT_EQ(InsertaCHR255(lista), esperado) << lista.toStdString();
}

TEST_F(ListasSeriesLotes, PositionsQuantitiesAndLots) {
  struct Case {
    const char* posiciones;
    const char* lotes;
    Arreglo esperadasPosiciones, esperadasCantidades, esperadosLotes;
  };
  const Case cases[] = {
      {"|A01*2|B02*3,5|", "|L1|L2|", {"A01", "B02", ""}, {"2", "3,5", ""}, {"L1", "L2", ""}},
      {"A01*2", "|L1|", {""}, {""}, {"L1", ""}},  // without "|" there are no positions
      {"|", "|", {""}, {""}, {""}},               // a list without picks
      {"|*2|", "||", {"", ""}, {"2", ""}, {"", ""}},  // stock outside any position
      {"|A01*2*3|", "", {"A01", ""}, {"2*3", ""}, {""}},
  };
  for (const Case& c : cases) {
    Arreglo posiciones{"x"}, cantidades{"x"}, lotes{"x"};
    DescomponePosicionCantidadLote(c.posiciones, c.lotes, posiciones, cantidades, lotes);
    EXPECT_EQ(posiciones, c.esperadasPosiciones) << c.posiciones;
    EXPECT_EQ(cantidades, c.esperadasCantidades) << c.posiciones;
    EXPECT_EQ(lotes, c.esperadosLotes) << c.posiciones;
  }
}

TEST_F(ListasSeriesLotes, TextAfterTheLastSeparatorIsReportedOnceAndTheItemsKept) {
  for (int respuesta : {ui::mb::Retry, ui::mb::Ignore, ui::mb::Abort}) {
    host.answer(respuesta, "C");
    Arreglo arreglo;
    DescomponeSerieLote("|A|B|C", arreglo);
    EXPECT_EQ(arreglo, (Arreglo{"A", "B", ""}));
  }
  ASSERT_EQ(host.boxes().size(), 3u);
  EXPECT_EQ(host.boxes()[0].title, "importar_tavernix - Cuenta_Series_Y_Lotes% Aviso al operador!!! ");
  EXPECT_EQ(errorLog().size(), 3);
}

TEST_F(ListasSeriesLotes, APositionWithoutQuantity) {
  Arreglo posiciones, cantidades, lotes;
  host.answer(ui::mb::Ignore, "B02");
  DescomponePosicionCantidadLote("|A01*2|B02|C03*1|", "|L1|L2|L3|", posiciones, cantidades, lotes);
  EXPECT_EQ(posiciones, (Arreglo{"A01", "B02", "C03", ""}));
  EXPECT_EQ(cantidades, (Arreglo{"2", "", "1", ""}));
  EXPECT_EQ(lotes, (Arreglo{"L1", "L2", "L3", ""}));

  host.answer(ui::mb::Abort, "B02");
  DescomponePosicionCantidadLote("|A01*2|B02|C03*1|", "|L1|L2|L3|", posiciones, cantidades, lotes);
  EXPECT_EQ(posiciones, (Arreglo{"A01", "B02", "C03*1", ""}));
  EXPECT_EQ(cantidades, (Arreglo{"2", "", ""}));
  EXPECT_EQ(lotes, (Arreglo{""}));
}

TEST_F(ListasSeriesLotes, AListBeyondTheFormatsLimit) {
  const QString larga = "|" + QString(40000, u'A') + "|";
  host.answer(ui::mb::Abort, "Desbordamiento");
  EXPECT_EQ(StrSerieLote(larga), "");
  EXPECT_THROW(ExtraeSerieLote(larga, 1), rt::Error);
}

}  // namespace
