// Colouring rows and columns, repeated codes and the fraction test.
#include <gtest/gtest.h>

#include "VoucherFixture.h"
#include "support/ErrorNumber.h"
#include "support/Printers.h"
#include "vouchers/ClsCmnCptes.h"

namespace {

using namespace testing_support;
using vouchers::ClsCmnCptes;

class Ayudas : public VoucherDatabase {
 protected:
  // Rows of the grid as their back colours, "." for none.
  static QStringList colores(const ui::FlexGrid& g) {
    QStringList out;
    for (int f = 0; f < g.Rows(); ++f) {
      QStringList fila;
      for (int c = 0; c < g.Cols(); ++c) {
        const ui::Color color = g.cellFormat(f, c).back;
        fila << (color == 0 ? QStringLiteral(".") : QString::number(color));
      }
      out << fila.join(u' ');
    }
    return out;
  }
  ClsCmnCptes cpte;
};

TEST_F(Ayudas, PaintingARowKeepsTheColumnAndMovesTheRow) {
  ui::FlexGrid& g = ventana.MSFlexGrid1;
  Lineas(g, 3, {{{0, "T1"}}, {{0, "T2"}}, {{0, "T3"}}});
  g.setRow(1);
  g.setCol(2);
  cpte.PintarFila(3, g);
  EXPECT_EQ(g.Row(), 3);
  EXPECT_EQ(g.Col(), 2);
  EXPECT_EQ(colores(g), QStringList({". . .", ". . .", ". . .", "65535 65535 65535", ". . ."}));
  cpte.PintarFila(0, g, 255);
  EXPECT_EQ(colores(g)[0], "255 255 255");
  EXPECT_EQ(ErrorNumberOf([&] { cpte.PintarFila(9, g); }), 381);
}

TEST_F(Ayudas, PaintingAColumnKeepsTheRowAndPassesOverMissingRows) {
  ui::FlexGrid& g = ventana.MSFlexGrid2;
  Lineas(g, 3, {{{0, "A1"}}, {{0, "A2"}}});
  g.setRow(2);
  g.setCol(0);
  cpte.PintarColuma(1, g);
  EXPECT_EQ(g.Row(), 2);
  EXPECT_EQ(g.Col(), 1);
  EXPECT_EQ(colores(g), QStringList({". 65535 .", ". 65535 .", ". 65535 .", ". 65535 ."}));

  Lineas(g, 3, {{{0, "A1"}}, {{0, "A2"}}});
  cpte.PintarColuma(2, g, 5, 4);
  EXPECT_EQ(colores(g).join(u'|'), ". . .|. . .|. . .|. . .") << "from 5 to 4 paints nothing";
  cpte.PintarColuma(2, g, 2, 9, 16711680);  // rows beyond the grid are passed over
  EXPECT_EQ(colores(g), QStringList({". . .", ". . .", ". . 16711680", ". . 16711680"}));
  cpte.PintarColuma(7, g);  // a column beyond the grid paints nothing, and says nothing
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(Ayudas, RepeatedCodesIgnoringCaseBlanksAndTheRowBeingEdited) {
  Lineas(ventana.MSFlexGrid1, 3, {{{0, "T1"}}, {{0, " t2 "}}, {{0, "T3"}}, {{0, "T2"}}});
  const struct {
    const char* codigo;
    int32_t ignorar;
    bool repetido;
    int32_t fila;  // -7: untouched
  } casos[] = {{"T2", -1, true, 2},  {"t2", 2, true, 4}, {" T1", -1, true, 1}, {"T1", 1, false, -7},
               {"T9", -1, false, -7}, {"", -1, true, 5},  {"   ", -1, true, 5}};
  for (const auto& c : casos) {
    SCOPED_TRACE(std::string(c.codigo) + " ignoring " + std::to_string(c.ignorar));
    int32_t fila = -7;
    EXPECT_EQ(cpte.TareaRepetida(ventana.MSFlexGrid1, c.codigo, c.ignorar, &fila), c.repetido);
    EXPECT_EQ(fila, c.fila);
  }
  Lineas(ventana.MSFlexGrid2, 96, {{{0, "ART1"}}});
  Lineas(ventana.MSFlexGrid3, 7, {{{0, "Flete"}}});
  int32_t fila = 0;
  EXPECT_TRUE(cpte.ArticuloRepetido(ventana.MSFlexGrid2, "art1 ", -1, &fila));
  EXPECT_EQ(fila, 1);
  EXPECT_TRUE(cpte.OtrosConceptosRepetidos(ventana.MSFlexGrid3, "FLETE"));
  EXPECT_FALSE(cpte.OtrosConceptosRepetidos(ventana.MSFlexGrid3, "Flete", 1));
}

TEST_F(Ayudas, FractionsAtAnySize) {
  const struct {
    rt::Variant numero;
    bool fraccion;
  } casos[] = {{2, false},         {-7, false},          {3.0, false},           {2.5, true},
               {0.001, true},      {-0.5, true},         {"2,5", true},          {"1.5", true},
               {"40000", false},   {40000.5, true},      {-1e10, false},         {"", false},
               {rt::Currency::fromRaw(12500), true},     {rt::Currency::fromInt(70000), false}};
  for (const auto& c : casos) {
    SCOPED_TRACE(c.numero.toString().toStdString());
    EXPECT_EQ(cpte.NumeroEsFraccion(c.numero), c.fraccion);
  }
  EXPECT_EQ(ErrorNumberOf([&] { cpte.NumeroEsFraccion("dos"); }), 13);
  EXPECT_EQ(ErrorNumberOf([&] { cpte.NumeroEsFraccion(rt::Variant::null()); }), 94);
}

}  // namespace

namespace {

class Detalle : public Ayudas {
 protected:
  void SetUp() override {
    Ayudas::SetUp();
    for (int i = 0; i < 4; ++i) ventana.StatB.Panels.Add();
    Lineas(ventana.MSFlexGrid1, 22, {{{0, "T1"}, {1, "Primera"}}, {{0, " T2 "}, {1, " Revisión  "}}});
    Lineas(ventana.MSFlexGrid2, 96,
           {{{0, "A1"}, {1, "Tornillo"}, {31, "12.5"}}, {{0, "A2"}, {1, "Tuerca"}, {31, "3"}},
            {{0, "A3"}, {1, "Arandela"}, {31, "mucho"}}});
    Lineas(ventana.MSFlexGrid3, 7, {{{0, " Flete "}}});
  }
  QStringList paneles() const {
    QStringList out;
    for (int i = 1; i <= ventana.StatB.Panels.Count(); ++i) out << ventana.StatB.Panels(i).Text();
    return out;
  }
};

TEST_F(Detalle, TheCurrentLineInTheStatusBar) {
  ventana.StatB.Panels.Add(0, "stock");
  ventana.MSFlexGrid1.setRow(2);
  cpte.MuestraDetalleTareas(ventana.MSFlexGrid1, ventana.StatB);
  EXPECT_EQ(paneles(), QStringList({"", "", "", "T2 - Revisión", ""}));
  ventana.MSFlexGrid2.setRow(1);
  cpte.MuestraDetalleArticulos(ventana.MSFlexGrid2, ventana.StatB);
  EXPECT_EQ(paneles(), QStringList({"", "", "", "A1 - Tornillo", "Stock: 12,5"}));
  ventana.MSFlexGrid2.setRow(2);
  cpte.MuestraDetalleArticulos(ventana.MSFlexGrid2, ventana.StatB, 2);
  EXPECT_EQ(paneles(), QStringList({"", "A2 - Tuerca", "", "A1 - Tornillo", "Stock: 3"}));
  ventana.MSFlexGrid3.setRow(1);
  cpte.MuestraDetalleOtrosConceptos(ventana.MSFlexGrid3, ventana.StatB);
  EXPECT_EQ(paneles()[3], "Flete");
  cpte.MuestraDetalle("Listo", ventana.StatB, 1);
  EXPECT_EQ(paneles()[0], "Listo");
}

TEST_F(Detalle, AStockThatIsNoNumberOrAMissingPanel) {
  ventana.MSFlexGrid2.setRow(3);
  cpte.MuestraDetalleArticulos(ventana.MSFlexGrid2, ventana.StatB);
  EXPECT_EQ(paneles(), QStringList({"", "", "", "A3 - Arandela"})) << "no panel keyed Stock";
  ventana.StatB.Panels.Add(0, "Stock", "antes");
  cpte.MuestraDetalleArticulos(ventana.MSFlexGrid2, ventana.StatB);
  EXPECT_EQ(paneles()[4], "antes");
  // Without panel 4 the articles still show their stock; the others fail.
  ventana.StatB.Panels.Remove(4);
  ventana.StatB.Panels.Remove(3);
  ventana.MSFlexGrid2.setRow(1);
  cpte.MuestraDetalleArticulos(ventana.MSFlexGrid2, ventana.StatB);
  EXPECT_EQ(paneles(), QStringList({"", "", "Stock: 12,5"}));
  EXPECT_EQ(ErrorNumberOf([&] { cpte.MuestraDetalleTareas(ventana.MSFlexGrid1, ventana.StatB); }), 35600);
  EXPECT_EQ(ErrorNumberOf([&] { cpte.MuestraDetalle("x", ventana.StatB, 0); }), 35600);
  EXPECT_TRUE(host.boxes().empty());
}

}  // namespace
