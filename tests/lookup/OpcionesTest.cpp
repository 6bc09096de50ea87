// The service's fixed lists of options, in the list window without a
// statement: a pick list and a check list.
#include <gtest/gtest.h>

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
    EXPECT_EQ(f.CmbSearch(0).Width(), f.ListView1.ColumnHeaders(1).Width()) << "both as wide as the list was";
    ASSERT_EQ(f.ListView1.ListItems.Count(), 2);
    EXPECT_EQ(f.Width(), 7 * 120) << "as wide as the longest text";
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

}  // namespace
