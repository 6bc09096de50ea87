// The totals grid: a summary line per visible tab and the article units by
// rubro, by type or by article.
#include <gtest/gtest.h>

#include "VoucherFixture.h"
#include "core/CoreState.h"
#include "numbering/ColumnasGrillas.h"
#include "support/Printers.h"
#include "vouchers/ClsCmnCptes.h"

namespace {

using namespace testing_support;
using vouchers::ClsCmnCptes;
namespace a = numbering::articulos;

class Totales : public VoucherDatabase {
 protected:
  void SetUp() override {
    VoucherDatabase::SetUp();
    exec("INSERT INTO V_ta_Rubros (IdRubro, Descripcion) VALUES ('A', 'Almacén'), ('B', 'Bebidas')");
    exec("INSERT INTO V_ta_TipoArticulo (IdTipo, Descripcion) VALUES ('   1', 'Mercadería'), ('   2', 'Servicio')");
    exec("INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION) VALUES ('ACEITE', 'Aceite de oliva'), "
         "('AGUA', 'Agua mineral')");
    ventana.SSTab1.setTabCaption(0, "Tareas");
    ventana.SSTab1.setTabCaption(1, "Artículos");
    ventana.SSTab1.setTabCaption(2, "Otros conceptos");
    Lineas(ventana.MSFlexGrid1, 22,
           {{{0, "T1"}, {2, "2:30"}}, {{0, "T2"}, {2, "1:45"}}, {{0, " "}, {2, "9:00"}}, {{0, "T3"}, {2, "3"}}});
    Lineas(ventana.MSFlexGrid2, 96,
           {{{0, "ACEITE"}, {a::Cantidad, "2"}, {a::RubroArticulo, "A"}, {a::TipoArticulo, "1"}},
            {{0, "AGUA"}, {a::Cantidad, "1,5"}, {a::RubroArticulo, "B"}, {a::TipoArticulo, "2"}},
            {{0, "ACEITE"}, {a::Cantidad, "3"}, {a::RubroArticulo, "a"}, {a::TipoArticulo, "1"}},
            {{0, "  "}, {a::Cantidad, "100"}, {a::RubroArticulo, "A"}},
            {{0, "SIN"}, {a::Cantidad, "0.5"}, {a::RubroArticulo, " "}, {a::TipoArticulo, ""}}});
    Lineas(ventana.MSFlexGrid3, 7, {{{0, "Flete"}}, {{0, "Seguro"}}});
    ventana.MSFlexGrid4.setCols(3);
  }

  void totaliza(bool porRubro = false, bool porTipo = false) {
    ClsCmnCptes().TotalizadorControl(ventana.MSFlexGrid1, ventana.MSFlexGrid2, ventana.MSFlexGrid3,
                                     ventana.MSFlexGrid4, ventana.SSTab1, porRubro, porTipo);
  }
  // Rows below the titles: description|items|quantity|colour of every cell.
  QStringList filas() const {
    const ui::FlexGrid& g = ventana.MSFlexGrid4;
    QStringList out;
    for (int f = 1; f < g.Rows(); ++f) {
      QString color = QString::number(g.cellFormat(f, 0).back);
      for (int c = 1; c < g.Cols(); ++c)
        if (g.cellFormat(f, c).back != g.cellFormat(f, 0).back) color = "mixed";
      out << g.TextMatrix(f, 0) + "|" + g.TextMatrix(f, 1) + "|" + g.TextMatrix(f, 2) + "|" + color;
    }
    return out;
  }
};

TEST_F(Totales, EveryTabByRubro) {
  totaliza(true);
  EXPECT_EQ(filas(), QStringList({"Tareas|3|07:15|12648447", "Artículos|4|7|12648447", "-||0,5|12640511",
                                  "A-Almacén||5|12640511", "B-Bebidas||1,5|12640511", "Otros conceptos|2||12648447",
                                  "|||16711680"}));
  ASSERT_EQ(core::gCore().ListaTotalizador.size(), 3u);
  EXPECT_EQ(core::gCore().ListaTotalizador[1].Clave, "A") << "the key as the first line wrote it";
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(Totales, ByTypeByArticleAndRubroFirst) {
  ventana.SSTab1.setTabVisible(0, false);
  ventana.SSTab1.setTabVisible(2, false);
  totaliza(false, true);
  EXPECT_EQ(filas(), QStringList({"Artículos|4|7|12648447", "-||0,5|12640511", "1-Mercadería||5|12640511",
                                  "2-Servicio||1,5|12640511", "|||16711680"}));
  totaliza();
  EXPECT_EQ(filas(), QStringList({"Artículos|4|7|12648447", "-|||12640511", "ACEITE-Aceite de oliva||5|12640511",
                                  "AGUA-Agua mineral||1,5|12640511", "SIN-||0,5|12640511", "|||16711680"}));
  totaliza(true, true);
  EXPECT_EQ(filas()[2], "A-Almacén||5|12640511");
}

TEST_F(Totales, HiddenTabsAndCallingAgain) {
  totaliza(true);
  const QStringList primera = filas();
  totaliza(true);
  EXPECT_EQ(filas(), primera);

  ventana.SSTab1.setTabVisible(1, false);
  totaliza();
  EXPECT_EQ(filas(), QStringList({"Tareas|3|07:15|12648447", "Otros conceptos|2||12648447", "|||16711680"}));
  EXPECT_EQ(core::gCore().ListaTotalizador.size(), 3u) << "the breakdown of the last run with the articles";

  // No visible tab: one row, painted, with nothing left of the earlier lines.
  ventana.SSTab1.setTabVisible(0, false);
  ventana.SSTab1.setTabVisible(2, false);
  totaliza();
  EXPECT_EQ(filas(), QStringList({"|||16711680"}));
}

TEST_F(Totales, HoursAsTimesInTheConfiguredSeparator) {
  ventana.SSTab1.setTabVisible(1, false);
  ventana.SSTab1.setTabVisible(2, false);
  totaliza();
  EXPECT_EQ(filas()[0], "Tareas|3|07:15|12648447");
  config("SeparadorHora", ".");
  totaliza();
  EXPECT_EQ(filas()[0], "Tareas|3|7.25|12648447");
  Lineas(ventana.MSFlexGrid1, 22, {{{0, "T1"}, {2, "1:45"}}, {{0, "T2"}, {2, "0:30"}}});
  exec("DELETE FROM TA_CONFIGURACION");
  totaliza();
  EXPECT_EQ(filas()[0], "Tareas|2|02:15|12648447");
}

TEST_F(Totales, AQuantityThatIsNoNumberGoesToTheErrorDialog) {
  AgregaLinea(ventana.MSFlexGrid2, {{0, "MALO"}, {a::Cantidad, "dos"}, {a::RubroArticulo, "B"}});
  ventana.SSTab1.setTabVisible(0, false);
  host.answer(5);  // that line is passed over
  totaliza(true);
  EXPECT_EQ(filas()[0], "Artículos|4|7|12648447");
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_TRUE(host.boxes()[0].title.contains("TotalizadorControl"));
  host.answer(3);  // leaves with the grid as far as it got
  totaliza(true);
  EXPECT_EQ(filas(), QStringList({"|||0"}));
}

}  // namespace
