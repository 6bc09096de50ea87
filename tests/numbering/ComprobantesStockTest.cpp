// Stock voucher numbers, lots allotted by quantity and components.
#include <gtest/gtest.h>

#include "Libros.h"
#include "NumberingFixture.h"
#include "core/CoreState.h"
#include "numbering/ComprobantesStock.h"
#include "support/Printers.h"

namespace {

using namespace numbering;
using testing_support::InsertaLibro;
using testing_support::Libro;

// An element as "code|unit|quantity", the fixed widths trimmed.
QStringList Elementos(const std::vector<ItemStock>& items) {
  QStringList out;
  for (const ItemStock& i : items) {
    EXPECT_EQ(i.Codigo.size(), 25);
    EXPECT_EQ(i.Unidad.size(), 4);
    out << i.Codigo.trimmed() + "|" + i.Unidad.trimmed() + "|" + QString::number(i.Cantidad);
  }
  return out;
}

class ComprobantesStock : public testing_support::NumberingDatabase {
 protected:
  void SetUp() override {
    NumberingDatabase::SetUp();
    core::gCore().gUNegocio = "   1";
  }
  void movimiento(const QString& articulo, const QString& deposito, const QString& lote, double cantidad,
                  const QString& id = "000100000001X") {
    exec(QStringLiteral("INSERT INTO V_MV_STOCK (TC, IdComprobante, IdArticulo, IdDeposito, NroLote, Cantidad) "
                        "VALUES ('RM', '%1', '%2', '%3', %4, %5)")
             .arg(id, articulo, deposito, lote.isEmpty() ? QStringLiteral("NULL") : "'" + lote + "'")
             .arg(cantidad));
  }
  QStringList lotes(double cantidad, const QString& deposito = "1") {
    std::vector<ItemStock> items{ItemStock("sin tocar", "", 0)};
    resultado = ArticuloTieneLotes("ART1", deposito, items, cantidad);
    return Elementos(items);
  }
  bool resultado = false;
};

TEST_F(ComprobantesStock, AStockVoucherTakesTheBooksNumberWhenItIsFree) {
  exec(InsertaLibro({.codigo = "PE", .letras = "X", .letra = "X", .ultimo = 30, .hasta = 1000}));
  exec(InsertaLibro({.codigo = "PE", .talonario = 2, .letras = "X", .letra = "X", .ultimo = 70, .hasta = 1000,
                     .unegocio = "   2"}));
  exec("INSERT INTO V_MV_STOCK (TC, IdComprobante) VALUES ('PE', '000100000041X')");
  EXPECT_EQ(AsignarNumeroComprobante("PE", "0001", "X"), "000100000030X");
  core::gCore().gUNegocio = "   2";
  EXPECT_EQ(AsignarNumeroComprobante("PE", "0001", "X"), "000100000070X");
}

TEST_F(ComprobantesStock, AUsedNumberMovesPastTheHighestStockVoucher) {
  exec(InsertaLibro({.codigo = "PE", .letras = "X", .letra = "X", .ultimo = 30, .hasta = 1000}));
  exec("INSERT INTO V_MV_STOCK (TC, IdComprobante) VALUES ('PE', '000100000030X'), ('PE', '000100000041X'), "
       "('PE', '000200000090X'), ('RM', '000100000095X')");
  EXPECT_EQ(AsignarNumeroComprobante("PE", "0001", "X"), "000100000042X");
}

TEST_F(ComprobantesStock, ATypeWithoutBooksStillGetsThirteenCharacters) {
  EXPECT_EQ(AsignarNumeroComprobante("PE", "0001", "X"), "000100000001X");
}

TEST_F(ComprobantesStock, LotsAreAllottedInLotOrderUpToTheQuantity) {
  movimiento("ART1", "   1", "L2", 3);
  movimiento("ART1", "   1", "L1", 6);
  EXPECT_EQ(lotes(10), (QStringList{"L1||6", "L2||3", "||0", "||1"}));  // short
  EXPECT_TRUE(resultado);
  EXPECT_EQ(lotes(9), (QStringList{"L1||6", "L2||3", "||0"}));  // exact
  EXPECT_EQ(lotes(8), (QStringList{"L1||6", "L2||2"}));
  EXPECT_EQ(lotes(6), (QStringList{"L1||6", "L2||0"}));
  EXPECT_EQ(lotes(2.5, "'   1'"), (QStringList{"L1||2.5"}));  // the stock writer's literal
}

TEST_F(ComprobantesStock, OnlyLotsWithStockInTheDepositCount) {
  movimiento("ART1", "   1", "L1", 4);
  movimiento("ART1", "   1", "L1", -4, "000100000002X");  // used up
  movimiento("ART1", "   1", "L2", -1);
  movimiento("ART1", "   1", "", 9);  // no lot
  movimiento("ART1", "   2", "L3", 5);
  movimiento("ART2", "   1", "L4", 5);
  EXPECT_EQ(lotes(3), (QStringList{"||3", "||3"}));
  EXPECT_FALSE(resultado);
  EXPECT_EQ(lotes(3, "2"), (QStringList{"L3||3"}));
  EXPECT_EQ(lotes(3, "ELDELGRID"), QStringList{"sin tocar||0"});
  EXPECT_FALSE(resultado);
  // Only a well-formed literal stands in the statement as it is.
  EXPECT_EQ(lotes(3, "'2' OR IDDEPOSITO = '   1'"), (QStringList{"||3", "||3"}));
  EXPECT_FALSE(resultado);
}

TEST_F(ComprobantesStock, ComponentsEndWithABlankElement) {
  exec("INSERT INTO V_MA_INSUMOS (IDARTICULO, IdArticuloInsumo, IdUnidadInsumo, Cantidad) VALUES "
       "('PIZZA', 'HARINA', 'KG', 0.25), ('PIZZA', 'QUESO', 'KG', 0.1), ('PAN', 'HARINA', 'KG', 0.5)");
  std::vector<ItemStock> items{ItemStock("viejo", "", 1), ItemStock("viejo", "", 1)};
  EXPECT_TRUE(IdArticuloTieneInsumos(" PIZZA ", items));
  EXPECT_EQ(Elementos(items), (QStringList{"HARINA|KG|0.25", "QUESO|KG|0.1", "||0"}));
  EXPECT_FALSE(IdArticuloTieneInsumos("AGUA", items));
  EXPECT_EQ(Elementos(items), QStringList{"||0"});
}

TEST(ItemStock, CodesKeepTheirFixedWidths) {
  const ItemStock largo(QString(30, u'L'), "UNIDAD", 1);
  EXPECT_EQ(largo.Codigo, QString(25, u'L'));
  EXPECT_EQ(largo.Unidad, "UNID");
  EXPECT_EQ(ItemStock("L1", "KG", 2).Codigo, "L1" + QString(23, u' '));
  EXPECT_EQ(ItemStock().Codigo, QString(25, u' '));
}

}  // namespace
