// The list lookup end to end: ConsultaSearch over a real database, the
// window played by the operator on the scripted host, and what the caller
// reads back.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "LookupFixture.h"
#include "core/CoreState.h"
#include "lookup/Lib_FrmCons3.h"
#include "platform/runtime/Error.h"
#include "platform/ui/KeyCodes.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Operator.h"
#include "platform/ui/ScriptedHost.h"
#include "support/Printers.h"
#include "support/SuiteDatabase.h"

namespace {

using lookup::Lib_FrmCons3;

// The texts of a row, "text|sub 1|sub 2".
QString fila(const ui::ListItem& item) {
  QStringList textos{item.Text()};
  for (int j = 1; j < item.list().ColumnHeaders.Count(); ++j) textos << item.SubItems(j);
  return textos.join(u'|');
}

QStringList filas(const ui::ListView& lista) {
  QStringList todas;
  for (int i = 1; i <= lista.ListItems.Count(); ++i) todas << fila(lista.ListItems(i));
  return todas;
}

ui::ListItem& itemDe(ui::ListView& lista, const QString& texto) {
  for (int i = 1; i <= lista.ListItems.Count(); ++i)
    if (lista.ListItems(i).Text() == texto) return lista.ListItems(i);
  throw std::runtime_error("no row " + texto.toStdString());
}

class ListaConsulta : public lookup_tests::LookupDatabase {
 protected:
  void SetUp() override {
    LookupDatabase::SetUp();
    articulo("GAS001", "Coca-Cola 500 ml", 24, 60);
    articulo("GAS002", "Sprite 500 ml", 24, 10);
    articulo("AGU001", "Agua mineral 500 ml", 48, 48);
    articulo("TOR001", "TORNILLO 1/4'", 0, 5);
    articulo("VIN001", "Vino discontinuado", 0, 3, true);
  }
  core::Lib_ClsCons3& consultas() { return core::gConsultas(); }
  // The next list window runs `action`.
  void enLaLista(std::function<void(Lib_FrmCons3&)> action) {
    host.onModal<Lib_FrmCons3>("Lib_FrmCons3", std::move(action));
  }
};

TEST_F(ListaConsulta, TheOperatorFindsARowByTypingAndTakesIt) {
  consultas().CampoDevuelto = "IDARTICULO";
  std::optional<QStringList> cmps = QStringList{"DESCRIPCION", "idarticulo"};
  QString campo;
  enLaLista([](Lib_FrmCons3& f) {
    EXPECT_EQ(f.ListView1.ColumnHeaders.Count(), 2);
    EXPECT_EQ(f.ListView1.ColumnHeaders(1).Text(), "DESCRIPCION");
    // Widths of n capital X in the window's font: 60 at most, the code's 25.
    EXPECT_EQ(f.ListView1.ColumnHeaders(1).Width(), 60 * f.TextWidth("X"));
    EXPECT_EQ(f.ListView1.ColumnHeaders(2).Width(), 25 * f.TextWidth("X"));
    EXPECT_EQ(f.CmbSearch.Count(), 2);
    EXPECT_EQ(f.CmbSearch(1).Tag(), "IDARTICULO");
    EXPECT_EQ(f.CmbSearch(1).Left(), f.ListView1.ColumnHeaders(2).Left());
    EXPECT_EQ(filas(f.ListView1), QStringList({"Agua mineral 500 ml|AGU001", "Coca-Cola 500 ml|GAS001",
                                               "Sprite 500 ml|GAS002", "TORNILLO 1/4'|TOR001"}))
        << "by description, without the suspended article";
    ui::op::focus(f.CmbSearch(0));
    f.CmbSearch(0).Text = "sp";
    ASSERT_NE(f.ListView1.SelectedItem(), nullptr);
    EXPECT_EQ(f.ListView1.SelectedItem()->Text(), "Sprite 500 ml");
    EXPECT_EQ(f.ListView1.visibleItem(), f.ListView1.SelectedItem()) << "brought into view";
    ui::op::keyDown(f.CmbSearch(0), ui::key::Down);
    EXPECT_EQ(f.ActiveControl(), &f.ListView1);
    ui::op::keyDown(f.ListView1, ui::key::Return);
  });
  consultas().ConsultaSearch("V_MA_ARTICULOS", &cmps, "", &campo);
  EXPECT_EQ(consultas().ValorDevuelto, rt::Variant("GAS002"));
  EXPECT_EQ(consultas().Valores, std::optional<QStringList>({"Sprite 500 ml", "GAS002"}));
  EXPECT_EQ(consultas().Cantidades, std::optional<QStringList>(QStringList()));
  EXPECT_EQ(cmps, std::nullopt) << "the caller's returned columns come back as no collection";
  EXPECT_EQ(consultas().CampoDevuelto, "");
  EXPECT_EQ(campo, "DESCRIPCION");
}

TEST_F(ListaConsulta, AStatementWithoutItsOwnOrderIsSortedByTheList) {
  struct Case {
    const char* sql;
    bool ordena;
    const char* primera;
  };
  const Case cases[] = {
      {"SELECT IDARTICULO FROM V_MA_ARTICULOS WHERE SUSPENDIDO = 0", true, "AGU001"},
      {"SELECT IDARTICULO FROM V_MA_ARTICULOS WHERE SUSPENDIDO = 0 ORDER BY DESCRIPCION DESC", false, "TOR001"},
      {"select IDARTICULO from V_MA_ARTICULOS where SUSPENDIDO = 0 order by IDARTICULO desc", false, "TOR001"},
  };
  for (const Case& c : cases) {
    enLaLista([&](Lib_FrmCons3& f) {
      EXPECT_EQ(f.OrdenarPorLwv, c.ordena) << c.sql;
      EXPECT_EQ(f.ListView1.Sorted(), c.ordena) << c.sql;
      EXPECT_EQ(f.ListView1.ListItems(1).Text(), c.primera) << c.sql;
      ui::op::click(f.CmdCancelar);
    });
    consultas().ConsultaSearch(c.sql);
  }
}

TEST_F(ListaConsulta, CancelGivesNothingBack) {
  consultas().CampoDevuelto = "IDARTICULO";
  consultas().Checks = true;
  enLaLista([](Lib_FrmCons3& f) { ui::op::keyDown(f.ListView1, ui::key::Escape); });
  consultas().ConsultaSearch("V_MA_ARTICULOS");
  EXPECT_EQ(consultas().ValorDevuelto, rt::Variant(""));
  EXPECT_EQ(consultas().Valores, std::nullopt);
  EXPECT_FALSE(consultas().Checks);
}

TEST_F(ListaConsulta, TheInitialKeySelectsItsRowAndFiltersNothing) {
  consultas().CampoDevuelto = "IDARTICULO";
  enLaLista([](Lib_FrmCons3& f) {
    EXPECT_EQ(f.CmbSearch(0).Text(), "coca");
    EXPECT_EQ(f.ListView1.ListItems.Count(), 4);
    EXPECT_EQ(f.ListView1.SelectedItem()->Text(), "Coca-Cola 500 ml");
    ui::op::doubleClickItem(f.ListView1, *f.ListView1.SelectedItem());
  });
  consultas().ConsultaSearch("V_MA_ARTICULOS", nullptr, "coca");
  EXPECT_EQ(consultas().ValorDevuelto, rt::Variant("GAS001"));
}

TEST_F(ListaConsulta, AColumnNameThatMatchesNoColumnReturnsNothing) {
  consultas().CampoDevuelto = "NO_EXISTE";
  std::optional<QStringList> cmps = QStringList{"IDARTICULO", "OTRA"};
  enLaLista([](Lib_FrmCons3& f) {
    f.CmbSearch(0).Text = "Sprite";
    ui::op::click(f.CmdAceptar);
  });
  consultas().ConsultaSearch("V_MA_ARTICULOS", &cmps);
  EXPECT_EQ(consultas().Valores, std::optional<QStringList>({"GAS002", ""}));
  EXPECT_EQ(consultas().ValorDevuelto, rt::Variant(""));

  // A blank returned column keeps its rule: the last value taken.
  consultas().CampoDevuelto = " ";
  cmps = QStringList{"IDARTICULO", "DESCRIPCION"};
  enLaLista([](Lib_FrmCons3& f) {
    f.CmbSearch(0).Text = "Sprite";
    ui::op::click(f.CmdAceptar);
  });
  consultas().ConsultaSearch("V_MA_ARTICULOS", &cmps);
  EXPECT_EQ(consultas().ValorDevuelto, rt::Variant("Sprite 500 ml"));
}

TEST_F(ListaConsulta, ALayoutToConfigureShowsNoWindowAndLeavesTheRequestAsItWas) {
  layouts({{"UNA", "T_UNA", "|CODIGO|", ""}});
  host.answer(ui::mb::Ok, "Debe configurar la consulta para esta tabla");
  consultas().Checks = true;
  consultas().CampoDevuelto = "CODIGO";
  std::optional<QStringList> cmps = QStringList{"CODIGO"};
  QString where = "A = 1";
  consultas().ConsultaSearch("T_UNA", &cmps, "", nullptr, &where);
  EXPECT_TRUE(host.shownForms().empty());
  EXPECT_TRUE(consultas().Checks);
  EXPECT_EQ(consultas().CampoDevuelto, "CODIGO");
  EXPECT_EQ(cmps, std::optional<QStringList>(QStringList{"CODIGO"}));
  EXPECT_EQ(where, " (A = 1) ");
}

TEST_F(ListaConsulta, AnEmptyResultReturnsNothing) {
  consultas().CampoDevuelto = "CODIGO";
  enLaLista([](Lib_FrmCons3& f) {
    EXPECT_EQ(f.ListView1.ColumnHeaders.Count(), 2) << "the columns come from the fields";
    EXPECT_EQ(f.ListView1.ListItems.Count(), 0);
    ui::op::click(f.CmdAceptar);
  });
  consultas().ConsultaSearch("MA_POSICIONES", nullptr, "", nullptr, nullptr, "SELECT IDPOSICION AS CODIGO, DESCRIPCION FROM MA_POSICIONES");
  EXPECT_EQ(consultas().Valores, std::optional<QStringList>(QStringList()));
  EXPECT_TRUE(consultas().ValorDevuelto.isEmpty());
}

TEST_F(ListaConsulta, ACheckListReturnsTheTickedRowsAndTicksTheDefaultsButNoBlank) {
  exec("UPDATE V_MA_ARTICULOS SET CodigoArtProveedor = 'AB' WHERE IDARTICULO = 'GAS001'");
  exec("UPDATE V_MA_ARTICULOS SET CodigoArtProveedor = 'BC' WHERE IDARTICULO = 'GAS002'");
  exec("UPDATE V_MA_ARTICULOS SET CodigoArtProveedor = '' WHERE IDARTICULO = 'AGU001'");
  exec("UPDATE V_MA_ARTICULOS SET CodigoArtProveedor = 'X' WHERE IDARTICULO = 'TOR001'");
  consultas().CampoDevuelto = "CodigoArtProveedor";
  consultas().Checks = true;
  enLaLista([](Lib_FrmCons3& f) {
    EXPECT_TRUE(f.ListView1.Checkboxes());
    QStringList marcadas;
    for (int i = 1; i <= f.ListView1.ListItems.Count(); ++i)
      if (f.ListView1.ListItems(i).Checked()) marcadas << f.ListView1.ListItems(i).Text();
    EXPECT_EQ(marcadas, QStringList({"GAS001", "GAS002"})) << "values found in ABC; never the blank one";
    ui::op::checkItem(f.ListView1, itemDe(f.ListView1, "TOR001"), true);
    ui::op::checkItem(f.ListView1, itemDe(f.ListView1, "GAS002"), false);
    ui::op::click(f.CmdAceptar);
  });
  consultas().ConsultaSearch(
      "SELECT IDARTICULO, CodigoArtProveedor FROM V_MA_ARTICULOS WHERE SUSPENDIDO = 0 ORDER BY IDARTICULO", nullptr,
      "", nullptr, nullptr, "", false, "abc");
  EXPECT_EQ(consultas().Valores, std::optional<QStringList>({"AB", "X"}));
  EXPECT_TRUE(consultas().ValorDevuelto.isEmpty()) << "unchanged by a check list";
  EXPECT_FALSE(consultas().Checks);
}

TEST_F(ListaConsulta, ACheckListWithoutReturnedColumnReturnsItsFirstColumn) {
  consultas().Checks = true;
  enLaLista([](Lib_FrmCons3& f) {
    ui::op::checkItem(f.ListView1, itemDe(f.ListView1, "Sprite 500 ml"), true);
    ui::op::click(f.CmdAceptar);
  });
  consultas().ConsultaSearch("V_MA_ARTICULOS");
  EXPECT_EQ(consultas().Valores, std::optional<QStringList>(QStringList{"Sprite 500 ml"}));
}

TEST_F(ListaConsulta, QuantitiesAreTypedIntoTheirColumnAndReadWithEitherSeparator) {
  consultas().UsaCantidades = true;
  consultas().Checks = true;
  consultas().CampoDevuelto = "IDARTICULO";
  enLaLista([this](Lib_FrmCons3& f) {
    ui::ListItem& coca = itemDe(f.ListView1, "Coca-Cola 500 ml");
    ui::op::clickItem(f.ListView1, coca);
    ui::op::keyDown(f.ListView1, ui::key::Insert);
    EXPECT_EQ(coca.SubItems(2), "1,0");
    EXPECT_TRUE(coca.Checked());
    ui::op::keyDown(f.ListView1, ui::key::Insert);
    EXPECT_EQ(coca.SubItems(2), "2,0") << "a cell written with a comma reads back as its number";
    host.input("1,5");
    ui::op::keyDown(f.ListView1, ui::key::Insert, ui::key::ShiftMask);
    EXPECT_EQ(host.inputPrompts().back(), "Ingrese la Cantidad del Articulo...");
    EXPECT_EQ(coca.SubItems(2), "1,50");
    ui::op::keyDown(f.ListView1, ui::key::Delete);
    EXPECT_EQ(coca.SubItems(2), "0,5");
    EXPECT_TRUE(coca.Checked());
    ui::op::keyDown(f.ListView1, ui::key::Delete);
    EXPECT_EQ(coca.SubItems(2), "0.00");
    EXPECT_FALSE(coca.Checked());

    ui::ListItem& agua = itemDe(f.ListView1, "Agua mineral 500 ml");
    ui::op::clickItem(f.ListView1, agua);
    ui::op::keyDown(f.ListView1, ui::key::Insert);
    ui::op::keyDown(f.ListView1, ui::key::Delete);
    EXPECT_EQ(agua.SubItems(2), "0.00") << "1,0 less 1";
    EXPECT_FALSE(agua.Checked());

    ui::ListItem& sprite = itemDe(f.ListView1, "Sprite 500 ml");
    ui::op::clickItem(f.ListView1, sprite);
    host.input("");  // a cancelled answer is a quantity of 0
    ui::op::keyDown(f.ListView1, ui::key::Insert, ui::key::ShiftMask);
    EXPECT_EQ(sprite.SubItems(2), "0,00");
    EXPECT_TRUE(sprite.Checked());
    ui::op::click(f.CmdAceptar);
  });
  consultas().ConsultaSearch(
      "SELECT DESCRIPCION, IDARTICULO, 0 AS Cantidad FROM V_MA_ARTICULOS WHERE SUSPENDIDO = 0 ORDER BY DESCRIPCION");
  EXPECT_EQ(consultas().Valores, std::optional<QStringList>(QStringList{"GAS002"}));
  EXPECT_EQ(consultas().Cantidades, std::optional<QStringList>(QStringList{"0"})) << "beside the values";
}

TEST_F(ListaConsulta, TheQuantitiesTypedComeBackBesideTheValues) {
  struct Case {
    const char* que;
    bool checks, usaCantidades;
    const char* columnas;  // the code is always the second column
    bool teclea;           // the quantity keys are played
    QStringList valores, cantidades;
  };
  const Case cases[] = {
      {"check list", true, true, "DESCRIPCION, IDARTICULO, 0 AS Cantidad", true, {"GAS001", "GAS002"}, {"2", "3.5"}},
      {"single row", false, true, "DESCRIPCION, IDARTICULO, 0 AS Cantidad", true, {"GAS002"}, {"3.5"}},
      {"quantity first", false, true, "0 AS Cantidad, IDARTICULO", true, {"GAS002"}, {"3.5"}},
      {"quantities not used", true, false, "DESCRIPCION, IDARTICULO, 0 AS Cantidad", false, {"GAS002"}, {}},
      {"no quantity column", true, true, "DESCRIPCION, IDARTICULO", false, {"GAS002"}, {}},
  };
  for (const Case& c : cases) {
    consultas().UsaCantidades = c.usaCantidades;
    consultas().Checks = c.checks;
    consultas().CampoDevuelto = "IDARTICULO";
    std::optional<QStringList> cmps = QStringList{"IDARTICULO"};
    enLaLista([&](Lib_FrmCons3& f) {
      const bool primera = QString(c.columnas).startsWith("0 AS Cantidad");
      const auto cantidad = [&](ui::ListItem& item) { return primera ? item.Text() : item.SubItems(2); };
      const auto codigo = [&](const QString& buscado) -> ui::ListItem& {
        for (int i = 1; i <= f.ListView1.ListItems.Count(); ++i)
          if (f.ListView1.ListItems(i).SubItems(1) == buscado) return f.ListView1.ListItems(i);
        throw std::runtime_error("no row " + buscado.toStdString());
      };
      ui::ListItem& sprite = codigo("GAS002");
      if (c.teclea && c.checks) {
        ui::ListItem& coca = codigo("GAS001");
        ui::op::clickItem(f.ListView1, coca);
        ui::op::keyDown(f.ListView1, ui::key::Insert);
        ui::op::keyDown(f.ListView1, ui::key::Insert);
        EXPECT_EQ(cantidad(coca), "2,0") << c.que;
      }
      ui::op::clickItem(f.ListView1, sprite);
      if (c.teclea) {
        host.input("3,5");
        ui::op::keyDown(f.ListView1, ui::key::Insert, ui::key::ShiftMask);
        EXPECT_EQ(cantidad(sprite), "3,50") << c.que;
      } else if (c.checks) {
        ui::op::checkItem(f.ListView1, sprite, true);
      }
      ui::op::click(f.CmdAceptar);
    });
    consultas().ConsultaSearch(
        QStringLiteral("SELECT %1 FROM V_MA_ARTICULOS WHERE SUSPENDIDO = 0 ORDER BY DESCRIPCION").arg(c.columnas), &cmps);
    EXPECT_EQ(consultas().Valores, std::optional<QStringList>(c.valores)) << c.que;
    EXPECT_EQ(consultas().Cantidades, std::optional<QStringList>(c.cantidades)) << c.que;
  }
}

TEST_F(ListaConsulta, ValuesAndQuantitiesStayTogetherWhateverTheOperatorClicks) {
  const QString sql =
      "SELECT DESCRIPCION, IDARTICULO, 0 AS Cantidad FROM V_MA_ARTICULOS WHERE SUSPENDIDO = 0 ORDER BY DESCRIPCION";
  struct Case {
    const char* que;
    int aceptar;    // clicks on Aceptar
    bool cancelar;  // then Cancelar
    std::optional<QStringList> valores, cantidades;
  };
  const Case cases[] = {
      {"accepted twice", 2, false, QStringList{"GAS002"}, QStringList{"3.5"}},
      {"accepted, then cancelled", 1, true, std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    consultas().UsaCantidades = true;
    consultas().Checks = true;
    consultas().CampoDevuelto = "IDARTICULO";
    enLaLista([&](Lib_FrmCons3& f) {
      ui::ListItem& sprite = itemDe(f.ListView1, "Sprite 500 ml");
      ui::op::clickItem(f.ListView1, sprite);
      host.input("3,5");
      ui::op::keyDown(f.ListView1, ui::key::Insert, ui::key::ShiftMask);
      for (int i = 0; i < c.aceptar; ++i) f.CmdAceptar_Click();
      if (c.cancelar) f.CmdCancelar_Click();
    });
    consultas().ConsultaSearch(sql);
    EXPECT_EQ(consultas().Valores, c.valores) << c.que;
    EXPECT_EQ(consultas().Cantidades, c.cantidades) << c.que;
  }
}

TEST_F(ListaConsulta, QuantityKeysWithoutAQuantityColumnGoToTheErrorDialog) {
  consultas().UsaCantidades = true;
  host.answer(ui::mb::Abort, "El valor de la propiedad no es válido");
  enLaLista([](Lib_FrmCons3& f) {
    ui::op::keyDown(f.ListView1, ui::key::Insert);
    EXPECT_EQ(fila(*f.ListView1.SelectedItem()), "Agua mineral 500 ml|AGU001");
    ui::op::click(f.CmdCancelar);
  });
  consultas().ConsultaSearch("V_MA_ARTICULOS");
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_TRUE(host.boxes()[0].prompt.contains("Rutina: ListView1_KeyDown")) << host.boxes()[0].prompt.toStdString();
}

TEST_F(ListaConsulta, F5NarrowsTheStatementWithTheTextAsALiteralAndNuevaBusquedaReturns) {
  key("UsaConsultaLike", "SI");
  reinicia();
  consultas().CampoDevuelto = "IDARTICULO";
  enLaLista([](Lib_FrmCons3& f) {
    EXPECT_TRUE(f.CfgUsaConsultaLIKE);
    ui::op::focus(f.CmbSearch(0));
    f.CmbSearch(0).Text = "1/4'";
    ui::op::keyDown(f.CmbSearch(0), ui::key::F5);
    EXPECT_TRUE(f.SQL.contains("  and DESCRIPCION like '%1/4''%' ORDER BY DESCRIPCION")) << f.SQL.toStdString();
    EXPECT_EQ(filas(f.ListView1), QStringList({"TORNILLO 1/4'|TOR001"}));
    EXPECT_EQ(f.CmbSearch(0).Text(), "");
    ui::op::focus(f.CmbSearch(1));
    f.CmbSearch(1).Text = "GAS";
    ui::op::keyDown(f.CmbSearch(1), ui::key::F5);
    EXPECT_EQ(f.ListView1.ListItems.Count(), 0) << "searches add up";
    ui::op::click(f.CmdNueva);
    EXPECT_EQ(f.ListView1.ListItems.Count(), 4);
    EXPECT_FALSE(f.SQL.contains("like"));
    ui::op::click(f.CmdCancelar);
  });
  consultas().ConsultaSearch("V_MA_ARTICULOS");
}

TEST_F(ListaConsulta, F5WithoutContainsSearchTakesTheAsteriskForAWildcard) {
  consultas().CampoDevuelto = "IDARTICULO";
  enLaLista([](Lib_FrmCons3& f) {
    EXPECT_FALSE(f.CfgUsaConsultaLIKE);
    ui::op::focus(f.CmbSearch(0));
    f.CmbSearch(0).Text = "S*e";
    ui::op::keyDown(f.CmbSearch(0), ui::key::F5);
    EXPECT_TRUE(f.SQL.contains("DESCRIPCION like 'S%e%' ")) << f.SQL.toStdString();
    EXPECT_EQ(filas(f.ListView1), QStringList({"Sprite 500 ml|GAS002"}));
    ui::op::click(f.CmdCancelar);
  });
  consultas().ConsultaSearch("V_MA_ARTICULOS");
}

// The columns, search boxes and width of the window, "caption:width@left ...".
QString disposicion(Lib_FrmCons3& f) {
  QStringList partes;
  for (int k = 1; k <= f.ListView1.ColumnHeaders.Count(); ++k) {
    const ui::ColumnHeader& h = f.ListView1.ColumnHeaders(k);
    const ui::ComboBox& caja = f.CmbSearch(k - 1);
    partes << QStringLiteral("%1:%2@%3 caja %4@%5%6")
                  .arg(h.Text())
                  .arg(h.Width())
                  .arg(h.Left())
                  .arg(caja.Width())
                  .arg(caja.Left())
                  .arg(caja.Visible() ? "" : " oculta");
  }
  partes << QStringLiteral("ventana %1").arg(f.Width());
  return partes.join(u' ');
}

TEST_F(ListaConsulta, ASearchThatFindsNothingKeepsTheComputedColumnsAndTheWindowWidth) {
  consultas().CampoDevuelto = "IDARTICULO";
  enLaLista([](Lib_FrmCons3& f) {
    const QString completa = disposicion(f);
    // The stock the article view computes, and a quantity the statement computes.
    EXPECT_TRUE(completa.contains(QStringLiteral("Stock:%1@").arg(8 * f.TextWidth("X")))) << completa.toStdString();
    EXPECT_TRUE(completa.contains(QStringLiteral("Cantidad:%1@").arg(4 * f.TextWidth("X")))) << completa.toStdString();
    for (const char* texto : {"zzz", "Coca"}) {
      ui::op::focus(f.CmbSearch(0));
      f.CmbSearch(0).Text = texto;
      ui::op::keyDown(f.CmbSearch(0), ui::key::F5);
      EXPECT_EQ(f.ListView1.ListItems.Count(), QByteArray(texto) == "zzz" ? 0 : 1) << texto;
      EXPECT_EQ(disposicion(f), completa) << texto;
      ui::op::click(f.CmdNueva);
    }
    ui::op::click(f.CmdCancelar);
  });
  consultas().ConsultaSearch(
      "SELECT DESCRIPCION, IDARTICULO, Stock, 0 AS Cantidad FROM V_MA_ARTICULOS WHERE SUSPENDIDO = 0 ORDER BY "
      "DESCRIPCION");
}

TEST_F(ListaConsulta, F12ReportsTheArticleAsMissingFromStockWithItsTextsIntact) {
  host.answer(ui::mb::Yes, "Desea informar el articulo TOR001 TORNILLO 1/4'\r\ncomo un faltante de stock?");
  host.answer(ui::mb::No, "Desea informar el articulo GAS001");
  enLaLista([](Lib_FrmCons3& f) {
    ui::op::clickItem(f.ListView1, itemDe(f.ListView1, "TORNILLO 1/4'"));
    EXPECT_EQ(ui::op::keyDown(f.ListView1, ui::key::F12), 0) << "the key is consumed";
    ui::op::focus(f.CmbSearch(0));
    f.CmbSearch(0).Text = "Coca";
    ui::op::keyDown(f.CmbSearch(0), ui::key::F12);
    ui::op::click(f.CmdCancelar);
  });
  consultas().ConsultaSearch("V_MA_ARTICULOS");
  ASSERT_EQ(host.boxes().size(), 2u);
  EXPECT_EQ(host.boxes()[0].title, "Atención!");
  EXPECT_EQ(host.boxes()[0].buttons, ui::mb::Question | ui::mb::YesNo);
  EXPECT_EQ(rows("SELECT FechaHora, IdArticulo, Descripcion, Usuario FROM V_MV_FALTANTES"),
            QStringList({"15/03/2024 14:05:09|TOR001|TORNILLO 1/4'|admin"}));
}

TEST_F(ListaConsulta, ClickingAColumnSortsByItAndTheOrderTogglesOnEveryClick) {
  enLaLista([](Lib_FrmCons3& f) {
    const auto primeros = [&] { return f.ListView1.ListItems(1).Text() + "," + f.ListView1.ListItems(4).Text(); };
    ui::op::clickColumn(f.ListView1, f.ListView1.ColumnHeaders(2));
    EXPECT_EQ(primeros(), "TORNILLO 1/4',Agua mineral 500 ml") << "by code, descending";
    ui::op::clickColumn(f.ListView1, f.ListView1.ColumnHeaders(2));
    EXPECT_EQ(primeros(), "Agua mineral 500 ml,TORNILLO 1/4'") << "ascending again";
    ui::op::clickColumn(f.ListView1, f.ListView1.ColumnHeaders(1));
    EXPECT_EQ(primeros(), "TORNILLO 1/4',Agua mineral 500 ml") << "the other column, descending";
    ui::op::click(f.CmdCancelar);
  });
  consultas().ConsultaSearch("V_MA_ARTICULOS");
}

TEST_F(ListaConsulta, WhatIsTypedOnTheListGoesToTheSearchBox) {
  enLaLista([](Lib_FrmCons3& f) {
    ui::op::focus(f.CmbSearch(1));
    ui::op::focus(f.ListView1);
    ui::op::key(f.ListView1, ui::key::F3);
    ui::op::key(f.ListView1, 'G', 0, 'g');
    EXPECT_EQ(f.ActiveControl(), &f.CmbSearch(1));
    EXPECT_EQ(f.CmbSearch(1).BackColor(), 0xFFFF00u);
    ui::op::focus(f.ListView1);
    EXPECT_EQ(f.CmbSearch(1).BackColor(), 0xFFFFFFu);
    ui::op::key(f.ListView1, ui::key::Numpad0 + 2, 0, '2');
    ui::op::key(f.ListView1, ui::key::Space, 0, ' ');
    EXPECT_EQ(f.CmbSearch(1).Text(), "g2 ") << "the characters typed; a function key types nothing";
    ui::op::key(f.ListView1, ui::key::Back, 0, 8);
    ui::op::key(f.ListView1, ui::key::Back, 0, 8);
    EXPECT_EQ(f.CmbSearch(1).Text(), "g");
    EXPECT_EQ(f.ListView1.SelectedItem()->Text(), "Coca-Cola 500 ml");
    ui::op::click(f.CmdCancelar);
  });
  consultas().ConsultaSearch("V_MA_ARTICULOS");
}

TEST_F(ListaConsulta, ArticleRowsTakeTheirStockColour) {
  key("MostrarStockenConsultas", "si");
  key("Stk_Nivel1", "32768");
  key("Stk_Nivel2", "16711680");
  key("Stk_Nivel3", "255");
  key("Stk_Nivel4", "8421504");
  reinicia();
  articulo("CER001", "Cerveza", 0, 0);
  enLaLista([](Lib_FrmCons3& f) {
    struct Case {
      const char* texto;
      ui::Color color;
    };
    for (const Case& c : {Case{"Coca-Cola 500 ml", 16711680}, Case{"Sprite 500 ml", 255},
                          Case{"Agua mineral 500 ml", 8421504}, Case{"TORNILLO 1/4'", 32768},
                          Case{"Cerveza", 8421504}}) {
      ui::ListItem& item = itemDe(f.ListView1, c.texto);
      EXPECT_EQ(item.ForeColor(), c.color) << c.texto;
      EXPECT_TRUE(item.Bold()) << c.texto;
      EXPECT_EQ(item.ListSubItems(3).ForeColor(), c.color) << c.texto;
      EXPECT_TRUE(item.ListSubItems(3).Bold()) << c.texto;
    }
    EXPECT_EQ(fila(itemDe(f.ListView1, "Sprite 500 ml")), "Sprite 500 ml|GAS002|  24|  10");
    ui::op::click(f.CmdCancelar);
  });
  consultas().ConsultaSearch(
      "SELECT DESCRIPCION, IDARTICULO, PUNTOPEDIDO, Stock FROM V_MA_ARTICULOS WHERE SUSPENDIDO = 0");
}

TEST_F(ListaConsulta, WithoutStockColumnsOrTheSwitchRowsKeepTheirColour) {
  key("Stk_Nivel1", "32768");
  reinicia();
  enLaLista([](Lib_FrmCons3& f) {
    EXPECT_FALSE(itemDe(f.ListView1, "TORNILLO 1/4'").Bold()) << "MostrarStockenConsultas is not SI";
    ui::op::click(f.CmdCancelar);
  });
  consultas().ConsultaSearch("SELECT DESCRIPCION, PUNTOPEDIDO, Stock FROM V_MA_ARTICULOS");
}

}  // namespace

namespace {

class VentanaLista : public lookup_tests::LookupDatabase {
 protected:
  // Shows a window over `sql` and hands it to `mira` while it is open.
  void muestra(const QString& sql, const std::function<void(Lib_FrmCons3&)>& mira,
               const std::function<void(Lib_FrmCons3&)>& prepara = nullptr) {
    Lib_FrmCons3 f;
    f.SQL = sql;
    if (prepara) prepara(f);
    host.onModal<Lib_FrmCons3>("Lib_FrmCons3", [&](Lib_FrmCons3& w) {
      mira(w);
      ui::op::click(w.CmdCancelar);
    });
    f.Show(ui::vbModal);
    f.Unload();
  }
};

TEST_F(VentanaLista, TheWindowIsAsWideAsItsColumnsAndNeverWiderThanTheScreen) {
  articulo("GAS001", "Coca-Cola 500 ml");
  muestra("SELECT IDARTICULO, DESCRIPCION FROM V_MA_ARTICULOS", [](Lib_FrmCons3& f) {
    const int total = (25 + 60) * f.TextWidth("X");
    EXPECT_EQ(f.Width(), total + 360 + 280);
    EXPECT_EQ(f.HScroll1.Max(), static_cast<int>(std::lround((total + 360 + 480) * 0.6)));
    EXPECT_EQ(f.CmbSearch(1).Width(), 60 * f.TextWidth("X") - 50);
  });
  muestra("SELECT DESCRIPCION, DESCRIPCION AS D2, DESCRIPCION AS D3 FROM V_MA_ARTICULOS", [](Lib_FrmCons3& f) {
    EXPECT_EQ(f.Width(), ui::Screen().Width - 480);
    // Three columns of 7200 in a list of 14740, then dragged narrower
    // (the list 140 narrower than the window): the boxes as far as the
    // list shows them, none cut to less than 600.
    const struct {
      int ancho;
      std::vector<int> cajas;  // widths, 0 for a hidden box
    } medidas[] = {{f.Width(), {7150, 7150, 0}}, {10000, {7150, 2660, 0}}, {8000, {7150, 660, 0}}, {7700, {7150, 0, 0}}};
    for (const auto& m : medidas) {
      f.Width = m.ancho;
      for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(QString("box %1 at %2").arg(i).arg(m.ancho).toStdString());
        EXPECT_EQ(f.CmbSearch(i).Visible(), m.cajas[i] > 0);
        if (m.cajas[i] == 0) continue;
        EXPECT_EQ(f.CmbSearch(i).Left(), f.ListView1.ColumnHeaders(i + 1).Left());
        EXPECT_EQ(f.CmbSearch(i).Width(), m.cajas[i]);
        EXPECT_LE(f.CmbSearch(i).Left() + f.CmbSearch(i).Width(), f.ListView1.Width());
      }
    }
  });
  // Narrow columns: as wide as its three buttons need, 150 apart ("Cancelar"
  // centred, "Nueva Busqueda" 150 from the right).
  muestra("SELECT IDARTICULO, PUNTOPEDIDO FROM V_MA_ARTICULOS",
          [](Lib_FrmCons3& f) { EXPECT_EQ(f.Width(), 5685); });
}

TEST_F(VentanaLista, PriceColumnsOfArticlesTakeTheirListNamesAndOtherColumnsWidenOnRequest) {
  key("NOM_PCLASE2", "Mayorista");
  testing_support::DefineInDatabase(
      path, "CREATE VIEW STK_MA_ARTICULOS AS SELECT IDARTICULO, 1.5 AS PRECIO2, 2.5 AS precio9 FROM V_MA_ARTICULOS");
  articulo("GAS001", "Coca-Cola 500 ml");
  muestra("SELECT IDARTICULO, PRECIO2, precio9 FROM STK_MA_ARTICULOS", [](Lib_FrmCons3& f) {
    EXPECT_EQ(f.ListView1.ColumnHeaders(2).Text(), "Mayorista");
    EXPECT_EQ(f.ListView1.ColumnHeaders(3).Text(), "precio9");
  });
  muestra(
      "SELECT CODIGO FROM TA_CCOSTO",
      [](Lib_FrmCons3& f) { EXPECT_EQ(f.ListView1.ColumnHeaders(1).Width(), (9 + 10) * f.TextWidth("X")); },
      [](Lib_FrmCons3& f) { f.ValoresDefault = "@10"; });
}

TEST_F(VentanaLista, ARowTheListCouldNotAddIsPassedOverAndTheNextRecordsFollow) {
  articulo("GAS001", "Coca-Cola 500 ml");
  articulo("GAS002", "Sprite 500 ml");
  articulo("TOR001", "Tornillo");
  // The list fails to take the second row; the operator goes on (5).
  host.answer(5, "Rutina: FORM_LOAD");
  muestra(
      "SELECT IDARTICULO, DESCRIPCION FROM V_MA_ARTICULOS ORDER BY IDARTICULO",
      [](Lib_FrmCons3& f) {
        ASSERT_EQ(f.ListView1.ListItems.Count(), 3);
        EXPECT_EQ(fila(f.ListView1.ListItems(1)), "GAS001|Coca-Cola 500 ml");
        EXPECT_EQ(fila(f.ListView1.ListItems(3)), "TOR001|Tornillo") << "the records after it are listed whole";
      },
      [](Lib_FrmCons3& f) {
        f.ListView1.watch([&f, fallo = true](const ui::PropertyChange&) mutable {
          if (f.ListView1.ListItems.Count() != 2 || !std::exchange(fallo, false)) return;
          throw rt::Error(7, QStringLiteral("Memoria insuficiente"));
        });
      });
}

TEST_F(VentanaLista, TheAuxiliaryServiceIsReadOnlyWhenItsCallerConnectedIt) {
  articulo("GAS001", "Coca-Cola 500 ml");
  const auto usaAuxiliar = [](Lib_FrmCons3& f) { f.UsarUDBC = true; };
  muestra("SELECT IDARTICULO FROM V_MA_ARTICULOS",
          [](Lib_FrmCons3& f) { EXPECT_EQ(f.ListView1.ListItems.Count(), 1) << "not connected: the shared service"; },
          usaAuxiliar);

  const QString otra = testing_support::NewSuiteDatabase(folder, "otra.db");
  testing_support::DefineInDatabase(otra, "INSERT INTO V_MA_ARTICULOS (IDARTICULO) VALUES ('X1'), ('X2')");
  data_access::DB_Dll& auxiliar = core::gDBAuxiliar();
  auxiliar.gServidor = "sqlite";
  auxiliar.gDBName = otra;
  auxiliar.gUsuario = "admin";
  auxiliar.OpenServerADODB();
  ASSERT_TRUE(auxiliar.gOpenFlag);
  Lib_FrmCons3 f;
  f.SQL = "SELECT IDARTICULO FROM V_MA_ARTICULOS";
  f.UsarUDBC = true;
  host.onModal<Lib_FrmCons3>("Lib_FrmCons3", [](Lib_FrmCons3& w) {
    EXPECT_EQ(filas(w.ListView1), QStringList({"X1", "X2"}));
    ui::op::click(w.CmdCancelar);
  });
  f.Show(ui::vbModal);
  f.Unload();
  EXPECT_FALSE(f.UsarUDBC) << "unloading switches it off";
}

}  // namespace
