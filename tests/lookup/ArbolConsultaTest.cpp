// The tree lookup end to end: both tree builders, the search box, F5, node
// checks and what the caller reads back.
#include <gtest/gtest.h>

#include "LookupFixture.h"
#include "core/CoreState.h"
#include "lookup/Lib_FrmCons3Tree.h"
#include "platform/ui/KeyCodes.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Operator.h"
#include "platform/ui/ScriptedHost.h"
#include "support/Printers.h"

namespace {

using lookup::Lib_FrmCons3Tree;

// Every node as "key<parent key", in node order.
QStringList arbol(const ui::TreeView& tree) {
  QStringList nodos;
  for (int i = 1; i <= tree.Nodes.Count(); ++i) {
    const ui::Node& n = tree.Nodes(i);
    nodos << n.Key() + u'<' + (n.Parent() ? n.Parent()->Key() : QString());
  }
  return nodos;
}

class ArbolConsulta : public lookup_tests::LookupDatabase {
 protected:
  core::Lib_ClsCons3& consultas() { return core::gConsultas(); }
  void enElArbol(std::function<void(Lib_FrmCons3Tree&)> action) {
    host.onModal<Lib_FrmCons3Tree>("Lib_FrmCons3Tree", std::move(action));
  }
  void centros(std::initializer_list<const char*> codigos) {
    for (const char* c : codigos)
      exec(QStringLiteral("INSERT INTO TA_CCOSTO (CODIGO, DESCRIPCION) VALUES ('%1', 'Centro %1')").arg(c));
  }
  void arbolDeCentros(const QString& campo = "CODIGO") {
    consultas().CampoDevuelto = campo;
    consultas().ConsultaSearch("SELECT CODIGO, DESCRIPCION FROM TA_CCOSTO ORDER BY CODIGO", nullptr, "", nullptr,
                               nullptr, "", true);
  }
};

TEST_F(ArbolConsulta, ACodeHangsFromTheLongestCodeThatBeginsIt) {
  centros({"1", "10", "101", "11", "2"});
  enElArbol([](Lib_FrmCons3Tree& f) {
    EXPECT_EQ(arbol(f.TreeV), QStringList({"A<", "A1<A", "A10<A1", "A101<A10", "A11<A1", "A2<A"}));
    EXPECT_EQ(f.TreeV.Nodes(1).Text(), "Consulta...");
    EXPECT_TRUE(f.TreeV.Nodes(1).Expanded());
    EXPECT_EQ(f.TreeV.Nodes("A101").Text(), "101 - Centro 101");
    ui::op::clickNode(f.TreeV, f.TreeV.Nodes("A101"));
    ui::op::click(f.CmdAceptar);
  });
  arbolDeCentros();
  EXPECT_EQ(consultas().ValorDevuelto, rt::Variant("101"));
  EXPECT_EQ(consultas().Valores, std::optional<QStringList>(QStringList())) << "the window's empty collection";
  EXPECT_EQ(consultas().CampoDevuelto, "");
}

TEST_F(ArbolConsulta, FamiliesHangFromTheParentTheDatabaseGives) {
  for (const char* f : {"01", "0101", "0102", "02", "0201"})
    exec(QStringLiteral("INSERT INTO V_TA_FAMILIAS (IdFamilia, Descripcion) VALUES ('%1', 'Familia %1')").arg(f));
  consultas().CampoDevuelto = "IdFamilia";
  enElArbol([](Lib_FrmCons3Tree& f) {
    EXPECT_EQ(arbol(f.TreeV), QStringList({"A<", "A01<A", "A0101<A01", "A0102<A01", "A02<A", "A0201<A02"}));
    EXPECT_EQ(f.SQL, lookup::SentenciaFamilias());
    ui::op::doubleClickNode(f.TreeV, f.TreeV.Nodes("A0102"));
  });
  consultas().ConsultaSearch("V_TA_FAMILIAS", nullptr, "", nullptr, nullptr, "", true);
  EXPECT_EQ(consultas().ValorDevuelto, rt::Variant("0102"));
}

TEST_F(ArbolConsulta, AStatementWithoutRowsShowsTheRootWhichReturnsNothing) {
  for (const char* campo : {"IDFAMILIA", "IDPOSICION", "CODIGO"}) {
    enElArbol([](Lib_FrmCons3Tree& f) {
      EXPECT_EQ(arbol(f.TreeV), QStringList({"A<"}));
      ui::op::click(f.CmdAceptar);
    });
    consultas().ValorDevuelto = QStringLiteral("antes");
    arbolDeCentros(campo);
    EXPECT_EQ(consultas().ValorDevuelto, rt::Variant("")) << campo;
  }
}

TEST_F(ArbolConsulta, AcceptingWithNothingSelectedReturnsNothing) {
  centros({"1"});
  enElArbol([](Lib_FrmCons3Tree& f) {
    f.TreeV.setSelectedItem(nullptr);
    ui::op::click(f.CmdAceptar);
  });
  arbolDeCentros();
  EXPECT_EQ(consultas().ValorDevuelto, rt::Variant(""));
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(ArbolConsulta, ACodeIsLookedUpAsCostCentreThenAsAccount) {
  centros({"1"});
  exec("INSERT INTO MA_CUENTAS (CODIGO, DESCRIPCION) VALUES ('1', 'Activo'), ('11', 'Activo corriente')");
  enElArbol([](Lib_FrmCons3Tree& f) {
    ui::op::clickNode(f.TreeV, f.TreeV.Nodes("A11"));
    ui::op::click(f.CmdAceptar);
  });
  consultas().CampoDevuelto = "codigo";
  consultas().ConsultaSearch("SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS ORDER BY CODIGO", nullptr, "", nullptr,
                             nullptr, "", true);
  EXPECT_EQ(consultas().ValorDevuelto, rt::Variant("11"));

  enElArbol([](Lib_FrmCons3Tree& f) {
    ui::op::clickNode(f.TreeV, f.TreeV.Nodes("A1"));
    ui::op::click(f.CmdAceptar);
  });
  consultas().CampoDevuelto = "CODIGO";
  consultas().ConsultaSearch("SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS ORDER BY CODIGO", nullptr, "", nullptr,
                             nullptr, "", true);
  EXPECT_EQ(consultas().ValorDevuelto, rt::Variant("1")) << "the cost centre's row";
}

TEST_F(ArbolConsulta, ACheckGoesDownSixLevelsAndNeverUp) {
  centros({"1", "12", "123", "1234", "12345", "123456", "1234567", "12345678", "2"});
  enElArbol([](Lib_FrmCons3Tree& f) {
    EXPECT_TRUE(f.TreeV.Checkboxes());
    ui::op::checkNode(f.TreeV, f.TreeV.Nodes("A1"), true);
    QStringList marcados;
    for (int i = 1; i <= f.TreeV.Nodes.Count(); ++i)
      if (f.TreeV.Nodes(i).Checked()) marcados << f.TreeV.Nodes(i).Key();
    EXPECT_EQ(marcados, QStringList({"A1", "A12", "A123", "A1234", "A12345", "A123456", "A1234567"}))
        << "the seventh level below keeps its state";
    ui::op::checkNode(f.TreeV, f.TreeV.Nodes("A123"), false);
    EXPECT_TRUE(f.TreeV.Nodes("A12").Checked()) << "ancestors never change";
    EXPECT_FALSE(f.TreeV.Nodes("A1234567").Checked());
    ui::op::click(f.CmdAceptar);
  });
  consultas().Checks = true;
  arbolDeCentros();
  EXPECT_EQ(consultas().Valores, std::optional<QStringList>(QStringList{"1", "12"}));
  EXPECT_FALSE(consultas().Checks);
}

TEST_F(ArbolConsulta, CheckedNodesReturnTheirCodesOrTheirPositions) {
  for (const char* f : {"01", "0101"})
    exec(QStringLiteral("INSERT INTO V_TA_FAMILIAS (IdFamilia, Descripcion) VALUES ('%1', 'Familia %1')").arg(f));
  enElArbol([](Lib_FrmCons3Tree& f) {
    ui::op::checkNode(f.TreeV, f.TreeV.Nodes("A"), true);
    ui::op::click(f.CmdAceptar);
  });
  consultas().Checks = true;
  consultas().CampoDevuelto = "IDFAMILIA";
  consultas().ConsultaSearch("V_TA_FAMILIAS", nullptr, "", nullptr, nullptr, "", true);
  EXPECT_EQ(consultas().Valores, std::optional<QStringList>(QStringList{"", "01", "0101"})) << "a checked root adds its empty code";

  exec("INSERT INTO MA_POSICIONES (IDPOSICION, DESCRIPCION) VALUES ('A', 'Frío'), ('A01', 'Estante')");
  enElArbol([](Lib_FrmCons3Tree& f) {
    ui::op::checkNode(f.TreeV, f.TreeV.Nodes("AA"), true);
    ui::op::click(f.CmdAceptar);
  });
  consultas().Checks = true;
  consultas().CampoDevuelto = "IDPOSICION";
  consultas().ConsultaSearch("SELECT IDPOSICION, DESCRIPCION FROM MA_POSICIONES ORDER BY IDPOSICION", nullptr, "",
                             nullptr, nullptr, "", true);
  EXPECT_EQ(consultas().Valores, std::optional<QStringList>(QStringList{"A", "A01"}));
}

TEST_F(ArbolConsulta, CancelAfterCheckingGivesNothingBack) {
  centros({"1"});
  enElArbol([](Lib_FrmCons3Tree& f) {
    ui::op::checkNode(f.TreeV, f.TreeV.Nodes("A1"), true);
    ui::op::keyDown(f.TreeV, ui::key::Escape);
  });
  consultas().Checks = true;
  arbolDeCentros();
  EXPECT_EQ(consultas().Valores, std::nullopt);
  EXPECT_EQ(consultas().ValorDevuelto, rt::Variant(""));
}

TEST_F(ArbolConsulta, TypingSelectsTheFirstNodeWhoseCodeOrDescriptionBeginsSo) {
  exec("INSERT INTO TA_CCOSTO (CODIGO, DESCRIPCION) VALUES ('1', 'Salón'), ('11', 'Salón - terraza'), ('2', "
       "'Cocina'), ('21', 'Cocina caliente')");
  enElArbol([](Lib_FrmCons3Tree& f) {
    const auto seleccionado = [&] { return f.TreeV.SelectedItem()->Key(); };
    f.CmbSearch(0).Text = "con";
    EXPECT_EQ(seleccionado(), "A") << "the root's text begins so";
    f.CmbSearch(0).Text = "COC";
    EXPECT_EQ(seleccionado(), "A2");
    f.CmbSearch(0).Text = "21";
    EXPECT_EQ(seleccionado(), "A21");
    f.CmbSearch(0).Text = "zz";
    EXPECT_EQ(seleccionado(), "A21") << "no match keeps the selection";
    f.CmbSearch(0).Text = "Salón - t";
    EXPECT_EQ(seleccionado(), "A11") << "split at the first dash, the rest is the description";
    ui::op::click(f.CmdCancelar);
  });
  arbolDeCentros();
}

TEST_F(ArbolConsulta, F5RebuildsTheTreeFromTheDescriptionsHoldingTheText) {
  exec("INSERT INTO MA_CUENTAS (CODIGO, DESCRIPCION) VALUES ('1', 'Activo'), ('111', 'Caja y bancos'), ('11101', "
       "'Caja'), ('2', 'Pasivo'), ('3', 'Caja d''ahorro')");
  enElArbol([](Lib_FrmCons3Tree& f) {
    ui::op::focus(f.CmbSearch(0));
    f.CmbSearch(0).Text = "caja";
    ui::op::keyDown(f.CmbSearch(0), ui::key::F5);
    EXPECT_EQ(f.SQL,
              "SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS  where Descripcion like '%caja%' ORDER BY CODIGO");
    EXPECT_EQ(arbol(f.TreeV), QStringList({"A<", "A111<A", "A11101<A111", "A3<A"}));
    EXPECT_EQ(f.CmbSearch(0).Text(), "");
    f.CmbSearch(0).Text = "d'a";
    ui::op::keyDown(f.CmbSearch(0), ui::key::F5);
    EXPECT_EQ(arbol(f.TreeV), QStringList({"A<", "A3<A"})) << "an apostrophe searched, searches narrowing";
    ui::op::click(f.CmdCancelar);
  });
  consultas().CampoDevuelto = "CODIGO";
  consultas().ConsultaSearch("SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS ORDER BY CODIGO", nullptr, "", nullptr,
                             nullptr, "", true);
}

TEST_F(ArbolConsulta, ARepeatedCodeGoesToTheDialogAndIgnoringSkipsIt) {
  exec("INSERT INTO MA_CUENTAS (CODIGO, DESCRIPCION) VALUES ('1', 'Activo'), ('2', 'Pasivo')");
  host.answer(ui::mb::Ignore, "Rutina: ArmarTreeVAutomatico");
  enElArbol([](Lib_FrmCons3Tree& f) {
    EXPECT_EQ(arbol(f.TreeV), QStringList({"A<", "A1<A", "A2<A"}));
    ui::op::click(f.CmdCancelar);
  });
  consultas().ConsultaSearch("SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS UNION ALL SELECT '1', 'otra vez' ORDER BY 1",
                             nullptr, "", nullptr, nullptr, "", true);
  EXPECT_EQ(host.boxes().size(), 1u);
}

}  // namespace
