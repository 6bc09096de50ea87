// The discharge of production inputs: the components of the recorded lines
// through a PE voucher, plain, in percent, by lots, behind the gate, for a
// transfer, and its numbering. Every test ends with both invariants.
#include <gtest/gtest.h>

#include "StockFixture.h"
#include "numbering/ColumnasGrillas.h"
#include "support/Printers.h"

namespace {

using namespace testing_support;
namespace a = numbering::articulos;

class DescargaInsumos : public StockDatabase {
 protected:
  void SetUp() override {
    StockDatabase::SetUp();
    exec("INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION, IDUNIDAD, Costo, CUENTAPROVEEDOR) VALUES "
         "('MEZCLA', 'Mezcla para pan', 'KG', 2, '211010009')");
    exec("INSERT INTO V_MA_INSUMOS (IDARTICULO, IdArticuloInsumo, IdUnidadInsumo, Cantidad) VALUES "
         "('MEZCLA', 'HARINA', 'KG', 25), ('MEZCLA', 'QUESO', ' ', 10)");
  }
  // The discharge rows: "Secuencia|IdDeposito|IdArticulo|NroLote|Cantidad".
  QStringList descarga() {
    return filas("SELECT Secuencia, IdDeposito, IdArticulo, NroLote, Cantidad FROM V_MV_STOCK WHERE TC = 'PE' "
                 "ORDER BY Secuencia");
  }
  QString ultimoPE() { return scalar("SELECT X_ULTIMO_NRO FROM V_TA_CPTE WHERE CODIGO = 'PE'").toString(); }
};

TEST_F(DescargaInsumos, TheComponentsOfEachLineLeaveThroughAVoucherOfTheirOwn) {
  Registro r{.acumula = true};
  registra(grilla("RM", {Articulo("PIZZA", "3"), Articulo("TORNILLO", "1")}), r);
  const QStringList s = Sentencias(r.sql);
  ASSERT_EQ(s.size(), 2 + 2 + 1 + 3);  // two rows, two inputs, the numbering, the entry
  const auto harina = Columnas(s[2]);
  EXPECT_EQ(harina.at("TC"), "'PE'");
  EXPECT_EQ(harina.at("IdComprobante"), "'000100000001X'");
  EXPECT_EQ(harina.at("Secuencia"), "1");
  EXPECT_EQ(harina.at("IdArticulo"), "'HARINA'");
  EXPECT_EQ(harina.at("Descripcion"), "'Harina 000'");
  EXPECT_EQ(harina.count("NroLote"), 0u);  // no lots in the deposit
  EXPECT_EQ(harina.at("IdUnidad"), "'KG'");
  EXPECT_EQ(harina.at("Cantidad"), "-0.75");
  EXPECT_EQ(harina.at("CuentaProveedor"), "'211010004'");
  EXPECT_EQ(harina.at("IdMotivoStock"), "'   5'");
  EXPECT_EQ(harina.at("Costo"), "0.5");
  EXPECT_EQ(harina.at("Tc_Origen"), "'RM'");
  EXPECT_EQ(harina.at("IdComprobante_Origen"), "'000100000015R'");
  EXPECT_EQ(harina.at("ControladoPor"), "'PIZZA'");
  const auto queso = Columnas(s[3]);
  EXPECT_EQ(queso.at("Secuencia"), "2");
  EXPECT_EQ(queso.at("Cantidad"), "-0.3");
  EXPECT_EQ(queso.count("CuentaProveedor"), 0u);  // the master has none
  EXPECT_EQ(s[4], "UPDATE V_TA_CPTE SET X_ULTIMO_NRO =  2 WHERE CODIGO = 'PE' AND TALONARIO=1");

  ASSERT_TRUE(ejecutaLote(r.sql));
  EXPECT_EQ(descarga(), (QStringList{"1|   1|HARINA|<null>|-0.75", "2|   1|QUESO|<null>|-0.3"}));
  EXPECT_EQ(ultimoPE(), "2");
  verificaInvariantes();
}

TEST_F(DescargaInsumos, ComponentsInPercentOfTheBaseQuantity) {
  const struct {
    const char* base;  // column 74
    QStringList filas;
  } casos[] = {
      {"10", {"1|   1|MEZCLA|<null>|4", "2|   1|HARINA|<null>|-2.5", "3|   1|QUESO|<null>|-1"}},
      {"", {"1|   1|MEZCLA|<null>|4", "2|   1|HARINA|<null>|-1", "3|   1|QUESO|<null>|-0.4"}},
  };
  int numero = 14;
  for (const auto& c : casos) {
    SCOPED_TRACE(c.base);
    exec("DELETE FROM V_MV_STOCK WHERE TC = 'PE'");
    Registro r{.sucNroLetra = QStringLiteral("0001000000%1R").arg(++numero)};
    registra(grilla("RM", {Articulo("MEZCLA", "4", {{a::IdUnidad, "KG"}, {a::InsumosPorPorcentaje, "true"}, {a::CantidadUdBase, c.base}})}),
             r);
    ASSERT_FALSE(r.hayError);
    EXPECT_EQ(descarga(), c.filas);
    // The made article names its own supplier; the unit of a component
    // without one is NULL.
    EXPECT_EQ(filas("SELECT CuentaProveedor, IdUnidad FROM V_MV_STOCK WHERE TC = 'PE' ORDER BY Secuencia"),
              (QStringList{"211010009|KG", "211010009|KG", "211010009|<null>"}));
  }
  verificaInvariantes();
}

// A return of a line in percent brings back the components its sale took:
// the base quantity is column 74's whenever it is not 0, signed as the
// line's quantity, however the return's cell was typed.
TEST_F(DescargaInsumos, AReturnOfALineInPercentBringsBackWhatItsSaleTook) {
  const struct {
    const char* caso;
    const char* devolucion;  // column 74 of the return's line of -4
    const char* harina;      // the flour back
  } casos[] = {
      {"the base quantity signed as the line", "-10", "2.5"},
      {"the base quantity typed without its sign", "10", "2.5"},
      {"no base quantity: the line's", "", "1"},
  };
  int numero = 14;
  for (bool acumula : {false, true}) {
    for (const auto& c : casos) {
      SCOPED_TRACE(std::string(c.caso) + (acumula ? " (accumulated)" : " (immediate)"));
      exec("DELETE FROM V_MV_STOCK");
      const auto linea = [](const char* cantidad, const char* base) {
        return Articulo("MEZCLA", cantidad, {{a::IdUnidad, "KG"}, {a::InsumosPorPorcentaje, "true"},
                                             {a::IdUnidadBase, "KG"}, {a::CantidadUdBase, base}});
      };
      for (const auto& [cantidad, base] : {std::pair{"4", *c.devolucion ? "10" : ""}, std::pair{"-4", c.devolucion}}) {
        nueva();
        Registro r{.sucNroLetra = QStringLiteral("0001000000%1R").arg(++numero), .acumula = acumula};
        ASSERT_TRUE(graba(grilla("RM", {linea(cantidad, base)}), r));
      }
      EXPECT_EQ(filas("SELECT Cantidad FROM V_MV_STOCK WHERE TC = 'PE' AND IdArticulo = 'HARINA' AND Cantidad > 0"),
                QStringList{c.harina});
      EXPECT_EQ(filas("SELECT IdArticulo, SUM(Cantidad), SUM(ISNULL(CantidadUD, 0)) FROM V_MV_STOCK "
                      "GROUP BY IdArticulo ORDER BY 1"),
                (QStringList{"HARINA|0|0", "MEZCLA|0|0", "QUESO|0|0"}));
    }
  }
  verificaInvariantes();
}

// The made article goes back into stock in its base unit as its line went
// out of it: the balance in the base unit and the one without unit agree.
// A weighed line without a base unit writes none, as the line's own rows.
TEST_F(DescargaInsumos, TheMadeArticleMovesInItsBaseUnitAsItsLine) {
  const struct {
    const char* caso;
    const char* tc;  // RM out, NC in
    Celdas celdas;   // of a MEZCLA line of 4 kilograms, in percent
    const char* articulo;  // its article row: "CantidadUD|IdUnidadBase"
    const char* unidad;    // the base unit whose balance is the one without unit
    bool equivalente = false;
  } casos[] = {
      {"in its own unit", "RM", {}, "4|KG", "KG"},
      {"in a base unit of its own", "RM", {{a::IdUnidadBase, "BL"}, {a::CantidadUdBase, "10"}}, "10|BL", "BL"},
      {"a return", "NC", {{a::IdUnidadBase, "BL"}, {a::CantidadUdBase, "10"}}, "-10|BL", "BL"},
      {"weighed", "RM", {{a::Pesable, "-1"}, {a::IdUnidadBase, "BL"}, {a::CantidadUdBase, "10"}}, "10|BL", "BL"},
      {"in the equivalent unit", "RM", {{a::UnidadEquiv, "CJ"}, {a::CantidadEquiv, "2"}}, "2|CJ", "CJ", true},
      {"weighed without a base unit", "RM", {{a::Pesable, "-1"}, {a::CantidadUdBase, "10"}}, "<null>|<null>",
       nullptr},
  };
  int numero = 14;
  for (bool acumula : {false, true}) {
    for (const auto& c : casos) {
      SCOPED_TRACE(std::string(c.caso) + (acumula ? " (accumulated)" : " (immediate)"));
      exec("DELETE FROM V_MV_STOCK");
      config("ConfirmaUDEquiv", c.equivalente ? "SI" : "NO");
      nueva();
      Registro r{.tc = c.tc, .sucNroLetra = QStringLiteral("0001000000%1R").arg(++numero), .acumula = acumula};
      Celdas celdas{{a::IdUnidad, "KG"}, {a::InsumosPorPorcentaje, "true"}};
      celdas.insert(celdas.end(), c.celdas.begin(), c.celdas.end());
      registra(grilla(c.tc, {Articulo("MEZCLA", "4", celdas)}), r);
      ASSERT_FALSE(r.hayError);
      if (acumula) {
        ASSERT_TRUE(ejecutaLote(r.sql));
      }
      EXPECT_EQ(filas("SELECT CantidadUD, IdUnidadBase FROM V_MV_STOCK WHERE TC = 'PE' AND IdArticulo = 'MEZCLA'"),
                QStringList{c.articulo});
      EXPECT_EQ(filas("SELECT COUNT(*) FROM V_MV_STOCK WHERE TC = 'PE' AND IdArticulo <> 'MEZCLA' "
                      "AND (CantidadUD IS NOT NULL OR IdUnidadBase IS NOT NULL)"),
                QStringList{"0"});  // the inputs write none
      const QStringList sinUnidad = filas("SELECT CantidadUd FROM STK_STOCK_UDKG WHERE IDARTICULO = 'MEZCLA'");
      EXPECT_EQ(sinUnidad, filas("SELECT ISNULL(SUM(CantidadUD), 0) FROM V_MV_STOCK WHERE IdArticulo = 'MEZCLA'"));
      if (c.unidad) {
        EXPECT_EQ(sinUnidad, filas(QStringLiteral("SELECT STOCK FROM STK_SALDOS_UNIDADES WHERE IDARTICULO = 'MEZCLA' "
                                                  "AND EQUIVALENCIA = '%1'")
                                       .arg(QString::fromLatin1(c.unidad))));
      }
    }
  }
  verificaInvariantes();
}

TEST_F(DescargaInsumos, LotsAreAllottedInTheDepositTheRowsGoTo) {
  movimiento("HARINA", "   2", "A", "", "3", "KG");
  movimiento("HARINA", "   2", "B", "", "5", "KG");
  movimiento("HARINA", "   1", "C", "", "50", "KG");  // another deposit's lot
  const struct {
    const char* pizzas;  // 0.25 of flour each
    QStringList harina;
  } casos[] = {
      {"24", {"   2|HARINA|A|-3", "   2|HARINA|B|-3"}},
      {"32", {"   2|HARINA|A|-3", "   2|HARINA|B|-5", "   2|HARINA|<null>|0"}},
      {"40", {"   2|HARINA|A|-3", "   2|HARINA|B|-5", "   2|HARINA|<null>|0", "   2|HARINA|<null>|-2"}},
  };
  int numero = 14;
  for (const auto& c : casos) {
    SCOPED_TRACE(c.pizzas);
    exec("DELETE FROM V_MV_STOCK WHERE TC = 'PE'");
    Registro r{.sucNroLetra = QStringLiteral("0001000000%1R").arg(++numero)};
    registra(grilla("RM", {Articulo("PIZZA", c.pizzas, {{a::IdDeposito, "2"}})}), r);
    ASSERT_FALSE(r.hayError);
    EXPECT_EQ(filas("SELECT IdDeposito, IdArticulo, NroLote, Cantidad FROM V_MV_STOCK WHERE TC = 'PE' AND "
                    "IdArticulo = 'HARINA' ORDER BY Secuencia"),
              c.harina);
  }
  verificaInvariantes();
}

TEST_F(DescargaInsumos, TheGateAndLinesWithoutComponents) {
  const struct {
    const char* tc;
    const char* clave;  // DescargaInsumosProduccion
    const char* articulo;
  } casos[] = {{"AJP", "NO", "PIZZA"}, {"AJN", "", "PIZZA"}, {"RM", "si", "PIZZA"}, {"RM", "NO", "TORNILLO"}};
  int numero = 14;
  for (const auto& c : casos) {
    SCOPED_TRACE(std::string(c.tc) + " " + c.clave + " " + c.articulo);
    config("DescargaInsumosProduccion", c.clave);
    Registro r{.tc = c.tc, .sucNroLetra = QStringLiteral("0001000000%1R").arg(++numero), .acumula = true};
    registra(grilla(c.tc, {Articulo(c.articulo, "2"), Articulo("PIZZA", "0"), Articulo("", "3")}), r);
    EXPECT_FALSE(r.sql.contains("'PE'")) << r.sql.toStdString();
    EXPECT_FALSE(r.sql.contains("X_ULTIMO_NRO"));
    ASSERT_TRUE(ejecutaLote(r.sql));
  }
  EXPECT_EQ(ultimoPE(), "1");
  verificaInvariantes();
}

TEST_F(DescargaInsumos, ATransferMovesItsComponentsUnderOneVoucher) {
  Registro r{.tc = "TR", .sucNroLetra = "000100000004X", .destino = "3", .transferencia = true};
  registra(grilla("TR", {Articulo("PIZZA", "4")}), r);
  ASSERT_FALSE(r.hayError);
  EXPECT_EQ(filas("SELECT TC, IdComprobante, Secuencia, IdDeposito, IdArticulo, Cantidad FROM V_MV_STOCK "
                  "ORDER BY Secuencia"),
            (QStringList{"TR|000100000004X|1|   1|PIZZA|-4", "TR|000100000004X|2|   3|PIZZA|4",
                         "PE|000100000001X|3|   1|HARINA|-1", "PE|000100000001X|4|   1|QUESO|-0.4",
                         "PE|000100000001X|5|   3|HARINA|1", "PE|000100000001X|6|   3|QUESO|0.4"}));
  // Recorded once, by the caller.
  EXPECT_EQ(Sentencias(r.sql), QStringList{"UPDATE V_TA_CPTE SET X_ULTIMO_NRO =  2 WHERE CODIGO = 'PE' AND TALONARIO=1"});
  verificaInvariantes();
}

TEST_F(DescargaInsumos, TheMotiveOfTheLineWhenTakenPerLine) {
  Registro r{.motivo = "ELDELGRID", .acumula = true};
  registra(grilla("RM", {Articulo("PIZZA", "1", {{a::MotivoStock, "2"}}), Articulo("MEZCLA", "1")}), r);
  const QStringList s = Sentencias(r.sql);
  QStringList motivos;
  for (const QString& sentencia : s)
    if (sentencia.contains("V_MV_STOCK")) motivos << Columnas(sentencia).at("IdMotivoStock");
  EXPECT_EQ(motivos, (QStringList{"'   2'", "'   5'", "'   2'", "'   2'", "'   5'", "'   5'"}));
  ASSERT_TRUE(ejecutaLote(r.sql));
  verificaInvariantes();
}

}  // namespace
