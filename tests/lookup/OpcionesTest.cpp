// The service's fixed lists of options, in the list window without a
// statement: a pick list and a check list.
#include <gtest/gtest.h>

#include <QRect>

#include "LookupFixture.h"
#include "core/CoreState.h"
#include "lookup/Lib_FrmCons3.h"
#include "platform/ui/KeyCodes.h"
#include "platform/ui/Operator.h"
#include "platform/ui/ScriptedHost.h"
#include "support/Printers.h"

namespace {

using lookup::Lib_FrmCons3;

class Opciones : public lookup_tests::LookupDatabase {
 protected:
  void enLaLista(std::function<void(Lib_FrmCons3&)> action) {
    host.onModal<Lib_FrmCons3>("Lib_FrmCons3", std::move(action));
  }
};

TEST_F(Opciones, APickListReturnsTheTextChosen) {
  enLaLista([](Lib_FrmCons3& f) {
    EXPECT_EQ(f.Caption(), "Elija");
    EXPECT_FALSE(f.CmdNueva.Visible());
    EXPECT_FALSE(f.ListView1.Checkboxes());
    ASSERT_EQ(f.ListView1.ColumnHeaders.Count(), 1);
    EXPECT_EQ(f.ListView1.ColumnHeaders(1).Text(), "Elija");
    EXPECT_EQ(f.CmbSearch(0).Width(), f.ListView1.Width()) << "as wide as the list";
    ASSERT_EQ(f.ListView1.ListItems.Count(), 2);
    EXPECT_EQ(f.Width(), 1695 + 1695 + 400) << "its two buttons side by side";
    ui::op::clickItem(f.ListView1, f.ListView1.ListItems(2));
    ui::op::keyDown(f.ListView1, ui::key::Return);
  });
  EXPECT_EQ(core::gConsultas().MenuOpciones("Elija", {"Primera", "Segunda"}), "Segunda");

  enLaLista([](Lib_FrmCons3& f) { ui::op::click(f.CmdCancelar); });
  EXPECT_EQ(core::gConsultas().MenuOpciones("Elija", {"Primera", "Segunda"}), "");
}

TEST_F(Opciones, AListOfOneOptionShowsIt) {
  enLaLista([](Lib_FrmCons3& f) {
    ASSERT_EQ(f.ListView1.ListItems.Count(), 1);
    ui::op::click(f.CmdAceptar);
  });
  EXPECT_EQ(core::gConsultas().MenuOpciones("Única", {"Sola"}), "Sola");
}

TEST_F(Opciones, ACheckListShowsEachOptionsTickAndReturnsTheTicked) {
  enLaLista([](Lib_FrmCons3& f) {
    EXPECT_TRUE(f.ListView1.Checkboxes());
    ASSERT_EQ(f.ListView1.ListItems.Count(), 2);
    EXPECT_EQ(f.ListView1.ListItems(1).Text(), "Clientes");
    EXPECT_TRUE(f.ListView1.ListItems(1).Checked());
    EXPECT_EQ(f.ListView1.ListItems(2).Text(), "Facturas");
    EXPECT_FALSE(f.ListView1.ListItems(2).Checked());
    ui::op::checkItem(f.ListView1, f.ListView1.ListItems(2), true);
    ui::op::click(f.CmdAceptar);
  });
  core::Lib_ClsCons3& consultas = core::gConsultas();
  EXPECT_EQ(consultas.CheckOpciones("Tablas", std::nullopt, {"1Clientes", "0Facturas"}), "");
  EXPECT_EQ(consultas.Valores, std::optional<QStringList>(QStringList{"Clientes", "Facturas"}));

  enLaLista([](Lib_FrmCons3& f) { ui::op::keyDown(f.ListView1, ui::key::Escape); });
  consultas.CheckOpciones("Tablas", std::nullopt, {"1Clientes"});
  EXPECT_EQ(consultas.Valores, std::nullopt);
}

TEST_F(Opciones, F5OnAListWithoutStatementLeavesTheListAndTheTextAlone) {
  for (const bool checks : {false, true}) {
    enLaLista([](Lib_FrmCons3& f) {
      ui::op::focus(f.CmbSearch(0));
      f.CmbSearch(0).Text = "Se";
      ui::op::keyDown(f.CmbSearch(0), ui::key::F5);
      EXPECT_EQ(f.SQL, "");
      EXPECT_EQ(f.CmbSearch(0).Text(), "Se");
      ASSERT_EQ(f.ListView1.ListItems.Count(), 2);
      EXPECT_EQ(f.ListView1.SelectedItem(), &f.ListView1.ListItems(2)) << "found by the text typed";
      ui::op::checkItem(f.ListView1, f.ListView1.ListItems(2), true);
      ui::op::click(f.CmdAceptar);
    });
    core::Lib_ClsCons3& consultas = core::gConsultas();
    if (checks) {
      consultas.CheckOpciones("Elija", std::nullopt, {"0Primera", "0Segunda"});
      EXPECT_EQ(consultas.Valores, std::optional<QStringList>(QStringList{"Segunda"}));
    } else {
      EXPECT_EQ(consultas.MenuOpciones("Elija", {"Primera", "Segunda"}), "Segunda");
    }
  }
}

// Where a control lies in the window's client area, in twips.
QRect enLaVentana(const ui::Control& c) {
  QRect r(c.Left(), c.Top(), c.Width(), c.Height());
  for (auto* p = dynamic_cast<const ui::Control*>(&c.Container()); p;
       p = dynamic_cast<const ui::Control*>(&p->Container()))
    r.translate(p->Left(), p->Top());
  return r;
}

TEST_F(Opciones, TheirSearchBoxAndButtonsLieInsideTheWindowAtEverySizeItTakes) {
  const struct {
    QString titulo;
    QStringList opciones;
    bool marcas;
  } listas[] = {
      {"Elija una acción", {"Importar clientes", "Importar facturación", "Borrar movimientos"}, false},
      {"Tablas a importar", {"1Clientes (TXCLI.DBF)", "1Detalle de Facturacion (TXFAC.DBF)", "0Movimientos"}, true},
      {"Elija", {"A", "B"}, false},
      {"Elija las tablas cuyos datos se importan ahora", {"0Clientes", "0Facturas"}, true},
  };
  // As it opens, then dragged to: tiny, narrow and low, tall, wide.
  const QSize medidas[] = {{0, 0}, {600, 600}, {2000, 2500}, {3000, 9000}, {14000, 6000}};
  for (const auto& l : listas) {
    enLaLista([&](Lib_FrmCons3& f) {
      for (const QSize& medida : medidas) {
        if (!medida.isEmpty()) f.Move(f.Left(), f.Top(), medida.width(), medida.height());
        SCOPED_TRACE((l.titulo + QString(" at %1 x %2").arg(f.Width()).arg(f.Height())).toStdString());
        const QRect cliente(0, 0, f.ScaleWidth(), f.ScaleHeight());
        EXPECT_GE(cliente.width(), f.TextWidth(l.titulo) + 900) << "the title and the close box fit";
        const std::pair<const ui::Control*, const char*> controles[] = {{&f.CmbSearch(0), "CmbSearch(0)"},
                                                                         {&f.ListView1, "ListView1"},
                                                                         {&f.HScroll1, "HScroll1"},
                                                                         {&f.CmdAceptar, "CmdAceptar"},
                                                                         {&f.CmdCancelar, "CmdCancelar"}};
        for (const auto& [c, nombre] : controles) {
          ASSERT_TRUE(c->Visible()) << nombre;
          EXPECT_TRUE(cliente.contains(enLaVentana(*c))) << nombre;
          const ui::Component& contenedor = c->Container();
          EXPECT_TRUE(QRect(0, 0, contenedor.Width(), contenedor.Height())
                          .contains(QRect(c->Left(), c->Top(), c->Width(), c->Height())))
              << nombre;
        }
        EXPECT_EQ(f.CmbSearch(0).Width(), f.ListView1.Width()) << "the search box as wide as the list";
        EXPECT_GT(f.ListView1.Height(), 0);
        EXPECT_EQ(f.CmdAceptar.Width(), 1695);
        EXPECT_EQ(f.CmdCancelar.Width(), 1695);
        EXPECT_GE(f.CmdCancelar.Left(), f.CmdAceptar.Left() + f.CmdAceptar.Width() + 150) << "apart";
      }
      ui::op::click(f.CmdCancelar);
    });
    if (l.marcas) core::gConsultas().CheckOpciones(l.titulo, std::nullopt, l.opciones);
    else core::gConsultas().MenuOpciones(l.titulo, l.opciones);
  }
}

}  // namespace
