// Filled lines of the voucher grids, the units of the articles and the line
// capacity of a printed voucher.
#include <gtest/gtest.h>

#include "VoucherFixture.h"
#include "numbering/ColumnasGrillas.h"
#include "platform/runtime/StepRunner.h"
#include "support/Printers.h"
#include "support/SuiteDatabase.h"
#include "vouchers/ClsCmnCptes.h"

namespace {

using namespace testing_support;
using vouchers::ClsCmnCptes;
namespace a = numbering::articulos;

class Conteo : public VoucherDatabase {
 protected:
  void SetUp() override {
    VoucherDatabase::SetUp();
    // Three tasks (and a line without code), four articles, one concept.
    Lineas(ventana.MSFlexGrid1, 22, {{{0, "T1"}}, {{0, "T2"}}, {{0, " "}, {1, "sin código"}}, {{0, "T3"}}});
    Lineas(ventana.MSFlexGrid2, 96,
           {{{0, "A1"}, {a::Cantidad, "1,4"}}, {{0, "A2"}, {a::Cantidad, " 1.4 "}}, {{0, "A3"}, {a::Cantidad, ""}},
            {{0, "  "}, {a::Cantidad, "50"}}, {{0, "A4"}, {a::Cantidad, "3"}}});
    Lineas(ventana.MSFlexGrid3, 7, {{{0, "Flete"}}});
  }
  ui::FlexGrid* g1() { return &ventana.MSFlexGrid1; }
  ui::FlexGrid* g2() { return &ventana.MSFlexGrid2; }
  ui::FlexGrid* g3() { return &ventana.MSFlexGrid3; }
};

TEST_F(Conteo, FilledLinesAndUnitsRoundedAfterEveryLine) {
  int32_t tareas = -1, articulos = -1, otros = -1, unidades = -1;
  EXPECT_EQ(ClsCmnCptes().CuentaItems(g1(), g2(), g3(), &tareas, &articulos, &otros, &unidades), 8);
  EXPECT_EQ(tareas, 3);
  EXPECT_EQ(articulos, 4);
  EXPECT_EQ(otros, 1);
  EXPECT_EQ(unidades, 5);  // 1.4 gives 1, 1 + 1.4 gives 2, then 2 and 5

  const struct {
    std::vector<const char*> cantidades;
    int32_t unidades;
  } casos[] = {{{"1,4"}, 1}, {{"1,4", "1,4"}, 2}, {{"2.5"}, 2}, {{"2.5", "2.5"}, 4}, {{"0,5"}, 0},
               {{"1,5"}, 2}, {{"-3", "1"}, -2}, {{}, 0}};
  for (const auto& c : casos) {
    ui::FlexGrid& g = ventana.MSFlexGrid2;
    Lineas(g, 96, {});
    for (const char* q : c.cantidades) AgregaLinea(g, {{0, "ART"}, {a::Cantidad, QString::fromUtf8(q)}});
    EXPECT_EQ(ClsCmnCptes().CuentaItems(nullptr, &g, nullptr, nullptr, nullptr, nullptr, &unidades),
              int32_t(c.cantidades.size()));
    EXPECT_EQ(unidades, c.unidades) << c.cantidades.size();
  }
}

TEST_F(Conteo, EmptyOrAbsentGridsCountNothing) {
  for (ui::FlexGrid* g : {g1(), g2(), g3()}) Lineas(*g, g->Cols(), {});
  int32_t tareas = -1, articulos = -1, otros = -1, unidades = -1;
  EXPECT_EQ(ClsCmnCptes().CuentaItems(g1(), g2(), g3(), &tareas, &articulos, &otros, &unidades), 0);
  EXPECT_EQ(tareas + articulos + otros + unidades, 0);
  EXPECT_EQ(ClsCmnCptes().CuentaItems(nullptr, nullptr, nullptr), 0);
}

TEST_F(Conteo, AQuantityThatIsNoNumberGoesToTheErrorDialog) {
  AgregaLinea(ventana.MSFlexGrid2, {{0, "A5"}, {a::Cantidad, "dos"}});
  AgregaLinea(ventana.MSFlexGrid2, {{0, "A6"}, {a::Cantidad, "10"}});
  int32_t articulos = 0, unidades = 0, otros = -1;
  host.answer(rt::answer::Ignore);  // its units are passed over; the line still counts
  EXPECT_EQ(ClsCmnCptes().CuentaItems(g1(), g2(), g3(), nullptr, &articulos, &otros, &unidades), 10);
  EXPECT_EQ(articulos, 6);
  EXPECT_EQ(unidades, 15);
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_TRUE(host.boxes()[0].title.contains("CuentaItems&")) << host.boxes()[0].title.toStdString();

  host.answer(rt::answer::Abort);  // leaves with what was counted
  EXPECT_EQ(ClsCmnCptes().CuentaItems(g1(), g2(), g3(), nullptr, &articulos, &otros, &unidades), 0);
  EXPECT_EQ(articulos, 5);
  EXPECT_EQ(unidades, 5);
  EXPECT_EQ(otros, 0);
}

TEST_F(Conteo, LinesAgainstTheCapacityOfThePrintedVoucher) {
  exec("INSERT INTO TA_CONFIG_IMP_CPTE (ID, TC, LETRA, CANTLINEAS) VALUES (2, 'FC', 'A', 3), (1, 'FC', 'A', 10), "
       "(3, 'FC', 'B', 0), (4, 'F''C', 'A', 12)");
  const struct {
    const char* TC;
    const char* letra;
    int32_t agregar;
    bool cabe;
    int16_t capacidad;
    int16_t usadas;  // 99: untouched
  } casos[] = {{"FC", "A", 0, true, 10, 8},   {"FC", "A", 2, true, 10, 8},   {"FC", "A", 3, false, 10, 8},
               {"FC", "B", 500, true, 0, 99}, {"FC", "C", 500, true, 0, 99}, {"F'C", "A", 4, true, 12, 8},
               {"F'C", "A", 5, false, 12, 8}};
  for (const auto& c : casos) {
    SCOPED_TRACE(std::string(c.TC) + " " + c.letra + " + " + std::to_string(c.agregar));
    int16_t capacidad = -1, usadas = 99;
    EXPECT_EQ(ClsCmnCptes().ValidaCantidadLineasCpte(c.TC, c.letra, g1(), g2(), g3(), &capacidad, &usadas, c.agregar),
              c.cabe);
    EXPECT_EQ(capacidad, c.capacidad);
    EXPECT_EQ(usadas, c.usadas);
  }
  int16_t usadas = 0;
  EXPECT_TRUE(ClsCmnCptes().ValidaCantidadLineasCpte("FC", "A", nullptr, g2(), nullptr, nullptr, &usadas, 6));
  EXPECT_EQ(usadas, 4);
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(Conteo, TheCapacityPassedInReadsNothing) {
  DefineInDatabase(path, "DROP TABLE TA_CONFIG_IMP_CPTE");
  int16_t capacidad = 0, usadas = 99;
  EXPECT_TRUE(ClsCmnCptes().ValidaCantidadLineasCpte("FC", "A", g1(), g2(), g3(), &capacidad, &usadas, 50, -1));
  EXPECT_EQ(usadas, 99);
  capacidad = 9;
  EXPECT_TRUE(ClsCmnCptes().ValidaCantidadLineasCpte("FC", "A", g1(), g2(), g3(), &capacidad, &usadas, 1, -1));
  EXPECT_EQ(usadas, 8);
  EXPECT_FALSE(ClsCmnCptes().ValidaCantidadLineasCpte("FC", "A", g1(), g2(), g3(), &capacidad, &usadas, 2, -1));
  EXPECT_TRUE(host.boxes().empty());

  // Read from the table, the failure reaches the error dialog; leaving is false.
  host.answerAnyBoxWith(rt::answer::Abort);
  EXPECT_FALSE(ClsCmnCptes().ValidaCantidadLineasCpte("FC", "A", g1(), g2(), g3(), &capacidad, &usadas, 0));
  ASSERT_FALSE(host.boxes().empty());
  EXPECT_TRUE(host.boxes().back().title.contains("ValidaCantidadLineasCpte")) << host.boxes().back().title.toStdString();
}

}  // namespace
