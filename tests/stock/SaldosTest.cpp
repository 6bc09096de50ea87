// Stock balances of an article after movements written through the schema:
// by unit and deposit, by lot, serial and position, and in a second unit.
#include <gtest/gtest.h>

#include <optional>

#include "StockFixture.h"
#include "numbering/ComprobantesStock.h"
#include "support/Printers.h"

namespace {

using namespace testing_support;

class Saldos : public StockDatabase {
 protected:
  void SetUp() override {
    StockDatabase::SetUp();
    movimiento("TORNILLO", "   1", "", "", "20");
    movimiento("TORNILLO", "   2", "", "", "5");
    movimiento("VINO", "   1", "L1", "", "10");
    movimiento("VINO", "   1", "L2", "", "5");
    movimiento("VINO", "   2", "L1", "", "3");
    movimiento("VINO", "   1", "L1", "", "-4");
    movimiento("CELULAR", "   1", "", "S1", "1");
    movimiento("CELULAR", "   1", "", "S2", "1");
    movimiento("CELULAR", "   1", "", "S1", "-1");
    // Quantities with four decimals add up exactly.
    movimiento("HARINA", "   1", "H1", "", "0.1", "KG");
    movimiento("HARINA", "   1", "H1", "", "0.2", "KG");
    movimiento("HARINA", "   1", "H1", "", "-0.3", "KG");
  }
};

using Filtro = std::optional<QString>;  // nullopt: left out

TEST_F(Saldos, ObtieneStockByItsFilters) {
  const struct {
    const char* articulo;
    Filtro deposito, lote, serie, posicion, unidad;
    double saldo;
  } casos[] = {
      // Without lot and serial: a unit in a deposit; "Ignorar" is the
      // default deposit and the article's unit, a blank deposit every one.
      {"TORNILLO", {}, {}, {}, {}, {}, 20},
      {"TORNILLO", "Ignorar", "IGNORAR", "ignorar", {}, "Ignorar", 20},
      {"TORNILLO", "2", {}, {}, {}, {}, 5},
      {"TORNILLO", "", {}, {}, {}, {}, 25},
      {"TORNILLO", {}, {}, {}, "A01", {}, 20},  // no position on this path
      {"TORNILLO", {}, {}, {}, {}, "KG", 0},
      {" tornillo ", {}, {}, {}, {}, "UN", 20},
      // A lot or a serial: the lot and serial balances of the filters given.
      {"VINO", {}, "L1", {}, {}, {}, 9},
      {"VINO", "1", "L1", {}, {}, {}, 6},
      {"VINO", "   2", " L1 ", "Ignorar", {}, {}, 3},
      {"VINO", " ", "", "", {}, {}, 14},
      {"VINO", {}, "L1", {}, "A01", {}, 0},
      {"VINO", {}, "ZZ", {}, {}, {}, 0},
      {"CELULAR", {}, {}, "S2", {}, {}, 1},
      {"CELULAR", {}, {}, "S1", {}, {}, 0},
      {"CELULAR", {}, "L1", {}, {}, {}, 0},  // serials only: the lot is asked and none at once
      {"HARINA", "1", "H1", {}, {}, {}, 0},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(std::string(c.articulo) + " " + c.deposito.value_or("-").toStdString() + " " +
                 c.lote.value_or("-").toStdString() + " " + c.serie.value_or("-").toStdString());
    Filtro deposito = c.deposito, lote = c.lote, serie = c.serie, posicion = c.posicion, unidad = c.unidad;
    const auto puntero = [](Filtro& f) { return f ? &*f : nullptr; };
    EXPECT_EQ(cpte().ObtieneStock(c.articulo, puntero(deposito), puntero(lote), puntero(serie), puntero(posicion),
                                  puntero(unidad)),
              c.saldo);
  }
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(Saldos, IgnorarIsWrittenBackOnTheUnitPath) {
  QString deposito = "Ignorar", unidad = "IGNORAR";
  EXPECT_EQ(cpte().ObtieneStock("TORNILLO", &deposito, nullptr, nullptr, nullptr, &unidad), 20);
  EXPECT_EQ(deposito, "   1");
  EXPECT_EQ(unidad, "UN");
  // A lot asked for leaves them alone.
  QString lote = "L1";
  deposito = unidad = "Ignorar";
  EXPECT_EQ(cpte().ObtieneStock("VINO", &deposito, &lote, nullptr, nullptr, &unidad), 9);
  EXPECT_EQ(deposito, "Ignorar");
  EXPECT_EQ(unidad, "Ignorar");
}

TEST_F(Saldos, ALotUsedUpIsNoStock) {
  std::vector<numbering::ItemStock> lotes;
  EXPECT_FALSE(numbering::ArticuloTieneLotes("HARINA", "1", lotes, 1));
  EXPECT_EQ(scalar("SELECT CANTIDAD FROM STK_SERIES_Y_LOTES WHERE NROLOTE = 'H1'").toDouble(), 0.0);
  verificaSaldos();
}

TEST_F(Saldos, AnArticleTheMasterLacksGoesToTheErrorDialog) {
  host.answer(5, "3021");  // go on: no flags, the sum of what there is
  QString lote = "L1";
  EXPECT_EQ(cpte().ObtieneStock("NOEXISTE", nullptr, &lote), 0);
  host.answer(3, "3021");
  EXPECT_EQ(cpte().ObtieneStock("NOEXISTE", nullptr, &lote), 0);
  ASSERT_EQ(host.boxes().size(), 2u);
  EXPECT_TRUE(host.boxes()[1].title.contains("ObtieneStock")) << host.boxes()[1].title.toStdString();
}

TEST_F(Saldos, ObtieneStockxEquivInTheBaseAndTheWantedUnit) {
  // The coefficient turns a quantity in UN into CJ as the unit helpers do.
  exec("INSERT INTO S_TA_EQUIV (IdArticulo, IDUNIDAD, IDUNIDAD_EQUIV, Coeficiente) VALUES ('TORNILLO', 'UN', 'CJ', 0.1)");
  const struct {
    const char* deposito;
    const char* equivalente;
    double base, equiv;
  } casos[] = {{"1", "", 20, 0}, {"1", "UN", 20, 20}, {"", "un", 25, 25}, {"2", "CJ", 5, 0.5}, {"1", "KG", 20, 0}};
  for (const auto& c : casos) {
    SCOPED_TRACE(std::string(c.deposito) + " " + c.equivalente);
    double base = -1, equiv = -1;
    cpte().ObtieneStockxEquiv(c.deposito, "TORNILLO", "UN", c.equivalente, base, equiv);
    EXPECT_EQ(base, c.base);
    EXPECT_DOUBLE_EQ(equiv, c.equiv);
  }
}

}  // namespace
