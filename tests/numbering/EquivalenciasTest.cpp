// Units of an article, conversions both ways, stock balances and the unit
// columns of the articles grid.
#include <gtest/gtest.h>

#include "NumberingFixture.h"
#include "core/CoreState.h"
#include "numbering/Equivalencias.h"
#include "numbering/SaldosStock.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Form.h"
#include "platform/ui/MessageBox.h"
#include "support/Printers.h"
#include "support/SuiteDatabase.h"

namespace {

using namespace numbering;

class Equivalencias : public testing_support::NumberingDatabase {
 protected:
  void SetUp() override {
    NumberingDatabase::SetUp();
    exec("INSERT INTO V_MA_ARTICULOS (IDARTICULO, IDUNIDAD) VALUES ('ART1', 'UN'), ('SINUD', ' '), ('CERO', 'UN'), "
         "('QUESO', 'KG')");
    // 12 units make a box.
    exec("INSERT INTO S_TA_EQUIV (IdArticulo, IDUNIDAD, IDUNIDAD_EQUIV, Coeficiente) VALUES ('ART1', 'UN', 'CAJ', 12), "
         "('CERO', 'UN', 'CAJ', 0)");
  }
  double aplica(const QString& articulo, QString base, double cantidad, const QString& equivalente) {
    return AplicaEquivalencia(articulo, base, cantidad, equivalente);
  }
  double revierte(const QString& articulo, QString base, double cantidad, const QString& equivalente) {
    return RevierteEquivalencia(articulo, base, cantidad, equivalente);
  }
};

TEST_F(Equivalencias, ConvertBothWays) {
  EXPECT_EQ(aplica("ART1", "UN", 24, "CAJ"), 2);
  EXPECT_EQ(aplica("ART1", "CAJ", 2, "UN"), 24);
  EXPECT_EQ(revierte("ART1", "UN", 2, "CAJ"), 24);
  EXPECT_EQ(revierte("ART1", "CAJ", 24, "UN"), 2);
  EXPECT_EQ(aplica("ART1", "un", 5, "UN"), 5);
  EXPECT_EQ(revierte("ART1", "UN", 0, "CAJ"), 0);
  EXPECT_EQ(aplica("ART1", "UN", 0, "CAJ"), 0);
}

TEST_F(Equivalencias, WithoutEquivalenceApplyKeepsAndRevertGivesZero) {
  for (const char* articulo : {"ART1", "CERO", "NOEXISTE"}) {
    EXPECT_EQ(aplica(articulo, "UN", 7, "KG"), 7) << articulo;
    EXPECT_EQ(revierte(articulo, "UN", 7, "KG"), 0) << articulo;
  }
  EXPECT_EQ(aplica("CERO", "UN", 7, "CAJ"), 7);  // a coefficient of 0 is no equivalence
  EXPECT_EQ(revierte("CERO", "CAJ", 7, "UN"), 0);
}

TEST_F(Equivalencias, AnEmptyBaseUnitIsTheArticlesOwnBeforeTheUnitsAreCompared) {
  const struct {
    const char* articulo;
    const char* equivalente;
    double aplicada, revertida;  // of 24
    const char* base;            // written back
  } casos[] = {
      {"ART1", "UN", 24, 24, "UN"},  {"ART1", "un", 24, 24, "UN"}, {"QUESO", "KG", 24, 24, "KG"},
      {"ART1", "CAJ", 2, 288, "UN"}, {"ART1", "KG", 24, 0, "UN"},  {"SINUD", "UN", 24, 0, ""},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(std::string(c.articulo) + " to " + c.equivalente);
    QString base;
    EXPECT_EQ(AplicaEquivalencia(c.articulo, base, 24, c.equivalente), c.aplicada);
    EXPECT_EQ(base, c.base);
    base.clear();
    EXPECT_EQ(RevierteEquivalencia(c.articulo, base, 24, c.equivalente), c.revertida);
    EXPECT_EQ(base, c.base);
  }
}

TEST_F(Equivalencias, TheArticlesOwnUnitStandsInForAnEmptyOne) {
  QString operador, base;
  double coeficiente = -1;
  bool sinUnidad = true;
  EXPECT_TRUE(IdArticuloTieneEquivalencias("ART1", "CAJ", operador, base, coeficiente, sinUnidad));
  EXPECT_EQ(base, "UN");
  EXPECT_EQ(operador, "/");
  EXPECT_EQ(coeficiente, 12);
  EXPECT_FALSE(sinUnidad);
  base = "CAJ";
  EXPECT_TRUE(IdArticuloTieneEquivalencias("ART1", "UN", operador, base, coeficiente, sinUnidad));
  EXPECT_EQ(operador, "*");

  base.clear();
  EXPECT_FALSE(IdArticuloTieneEquivalencias("SINUD", "CAJ", operador, base, coeficiente, sinUnidad));
  EXPECT_TRUE(sinUnidad);
  EXPECT_EQ(coeficiente, 0);
  EXPECT_EQ(base, "");
}

TEST_F(Equivalencias, AnArticleThatDoesNotExistHasNoUnit) {
  EXPECT_EQ(ObtieneUnidadArticulo("ART1"), "UN");
  EXPECT_EQ(ObtieneUnidadArticulo("NOEXISTE"), "");
  QString operador, base;
  double coeficiente = 0;
  bool sinUnidad = false;
  EXPECT_FALSE(IdArticuloTieneEquivalencias("NOEXISTE", "CAJ", operador, base, coeficiente, sinUnidad));
  EXPECT_TRUE(sinUnidad);
}

class Saldos : public Equivalencias {
 protected:
  void SetUp() override {
    Equivalencias::SetUp();
    const QString insert = "INSERT INTO V_MV_STOCK (TC, IdComprobante, IdArticulo, IdDeposito, IdUnidad, Cantidad, "
                           "IdUnidadBase, CantidadUD) VALUES ";
    exec(insert + "('RM', '000100000001X', 'ART1', '   1', 'UN', 10, 'KG', 5)");
    exec(insert + "('RM', '000100000002X', 'ART1', '   1', 'UN', -3, 'KG', -1.5)");
    exec(insert + "('RM', '000100000003X', 'ART1', '   2', 'UN', 5, 'KG', 2.5)");
    exec(insert + "('RM', '000100000004X', 'ART1', '   1', 'CAJ', 1, 'UN', 12)");
  }
  double stock(const QString& deposito, const QString& articulo = "ART1", const QString& unidad = "UN") {
    double saldo = -99;
    ControlStock(deposito, articulo, unidad, saldo);
    return saldo;
  }
};

TEST_F(Saldos, PerDepositAndInAllDeposits) {
  EXPECT_EQ(stock("1"), 19);  // 10 - 3 in units, and the box counted in units
  EXPECT_EQ(stock("   2"), 5);
  EXPECT_EQ(stock(""), 24);
  EXPECT_EQ(stock("1", "ART1", "CAJ"), 1);
  EXPECT_EQ(stock("1", "ART1", "KG"), 3.5);
  EXPECT_EQ(stock("3"), 0);
  EXPECT_EQ(stock("", "ART2"), 0);
  EXPECT_EQ(stock("1", "  "), -99);
}

TEST_F(Saldos, AnArticleCodeOfDigitsIsLookedForAtItsFullWidth) {
  exec("INSERT INTO V_MV_STOCK (TC, IdComprobante, IdArticulo, IdDeposito, IdUnidad, Cantidad, IdUnidadBase, "
       "CantidadUD) VALUES ('RM', '000100000005X', '" + QString(22, u' ') + "123', '   1', 'UN', 4, 'UN', 4)");
  EXPECT_EQ(stock("1", "123"), 4);
}

TEST_F(Saldos, BalancesFollowTheMovements) {
  exec("UPDATE V_MV_STOCK SET Cantidad = 20 WHERE IdComprobante = '000100000001X'");
  EXPECT_EQ(stock("1"), 29);
  exec("UPDATE V_MV_STOCK SET IdDeposito = '   2' WHERE IdComprobante = '000100000002X'");
  EXPECT_EQ(stock("1"), 32);
  EXPECT_EQ(stock("2"), 2);
  exec("DELETE FROM V_MV_STOCK WHERE IdComprobante = '000100000004X'");
  EXPECT_EQ(stock("1", "ART1", "CAJ"), 0);
  EXPECT_EQ(stock("1"), 20);
}

TEST_F(Saldos, TheUnitsAndKilogramsTableSumsEveryDeposit) {
  core::gCore().gUsaStkStockUdKg = true;
  EXPECT_EQ(stock("1"), 15.5);
  EXPECT_EQ(stock("2", "ART1", "CAJ"), 2.5);
  EXPECT_EQ(stock(""), 18);
}

TEST_F(Saldos, AFailingQueryIsReported) {
  testing_support::DefineInDatabase(path, "DROP TABLE STK_SALDOS_UNIDADES");
  host.answer(ui::mb::Ignore).answer(ui::mb::Abort, "3704");
  EXPECT_EQ(stock("1"), -99);
  ASSERT_EQ(host.boxes().size(), 2u);
  EXPECT_TRUE(host.boxes()[1].title.contains("ControlStock")) << host.boxes()[1].title.toStdString();
}

// The articles grid of a voucher, as far as its unit columns go.
struct Comprobante : ui::Form {
  Comprobante() : ui::Form("FrmComprobante") {
    MSFlexGrid2.setCols(65);
    MSFlexGrid2.setRows(3);
  }
  void linea(int fila, const QString& articulo, const QString& unidad, const QString& cantidad,
             const QString& unidadBase, const QString& cantidadBase) {
    for (auto [col, texto] : {std::pair{0, articulo}, {5, unidad}, {7, cantidad}, {9, unidadBase}, {10, cantidadBase}})
      MSFlexGrid2.setTextMatrix(fila, col, texto);
  }
  QStringList unidades(int fila) const {
    return {MSFlexGrid2.TextMatrix(fila, 62), MSFlexGrid2.TextMatrix(fila, 63), MSFlexGrid2.TextMatrix(fila, 64)};
  }
  ui::FlexGrid MSFlexGrid2{*this, "MSFlexGrid2"};
};

TEST_F(Equivalencias, TheGridsUnitColumnsOfTheCurrentLine) {
  core::gCore().gUnidadMedidaM3 = "M3";
  core::gCore().gUnidadMedidaBL = "CAJ";
  core::gCore().gUnidadMedidaKG = "KG";
  Comprobante cpte;
  cpte.linea(1, "ART1", " UN ", "36", "KG", "4,5");
  cpte.linea(2, "ART1", "CAJ", "1,5", "caj", "1,5");
  cpte.MSFlexGrid2.setRow(1);
  numbering::CalculaUnidadesGrilla(cpte.MSFlexGrid2);
  // Reverted from the line's unit: the row (UN, CAJ, 12) gives 36 x 12.
  EXPECT_EQ(cpte.unidades(1), (QStringList{"0", "432", "4,5"}));
  EXPECT_EQ(cpte.unidades(2), (QStringList{"", "", ""}));
  cpte.MSFlexGrid2.setRow(2);
  numbering::CalculaUnidadesGrilla(cpte.MSFlexGrid2);
  EXPECT_EQ(cpte.unidades(2), (QStringList{"0", "1,5", "0"}));

  // A line without its unit is in the article's own.
  cpte.linea(1, "QUESO", "", "5", "", "");
  cpte.MSFlexGrid2.setRow(1);
  numbering::CalculaUnidadesGrilla(cpte.MSFlexGrid2);
  EXPECT_EQ(cpte.unidades(1), (QStringList{"0", "0", "5"}));
}

}  // namespace
