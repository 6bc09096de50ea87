#include "LookupSnapshots.h"

#include <QDir>
#include <QTemporaryDir>

#include "ArranqueDemo.h"
#include "core/CoreState.h"
#include "lookup/Lib_FrmCons3Tree.h"
#include "platform/runtime/Environment.h"
#include "platform/ui/Operator.h"

bool captureLookupWindows(const Capture& capture) {
  QTemporaryDir demo;
  if (!ArrancaDemo(demo.path())) return false;
  core::Lib_ClsCons3& consultas = core::gConsultas();
  bool ok = capture(QStringLiteral("Lib_FrmCons3"), [&] {
    consultas.CampoDevuelto = QStringLiteral("IDARTICULO");
    // The stock columns first, so that the screen of the offscreen host shows them.
    consultas.ConsultaSearch(QStringLiteral("SELECT IDARTICULO, PUNTOPEDIDO, Stock, DESCRIPCION FROM V_MA_ARTICULOS "
                                            "WHERE SUSPENDIDO = 0 ORDER BY DESCRIPCION"));
  });
  ok &= capture(QStringLiteral("Lib_FrmCons3-CheckOpciones"), [&] {
    consultas.CheckOpciones(QStringLiteral("Tablas a importar"), std::nullopt,
                            {QStringLiteral("1Clientes (TXCLI.DBF)"), QStringLiteral("1Detalle de Facturacion (TXFAC.DBF)"),
                             QStringLiteral("0Movimientos de stock")});
  });
  // The trees as an operator leaves them: a family chosen deep down, and
  // accounts ticked under a title.
  ok &= capture(QStringLiteral("Lib_FrmCons3Tree-Familias"), [&] {
    lookup::Lib_FrmCons3Tree arbol;
    arbol.SQL = QStringLiteral("V_TA_FAMILIAS");
    arbol.CampoDevuelto = QStringLiteral("IDFAMILIA");
    arbol.Load();
    ui::Node& sandwiches = arbol.TreeV.Nodes(QStringLiteral("A020101"));
    sandwiches.EnsureVisible();
    arbol.TreeV.setSelectedItem(&sandwiches);
    arbol.TreeV.Nodes(QStringLiteral("A01")).Expanded = true;
    arbol.Show(ui::vbModal);
  });
  ok &= capture(QStringLiteral("Lib_FrmCons3Tree-Cuentas"), [&] {
    lookup::Lib_FrmCons3Tree arbol;
    arbol.SQL = QStringLiteral("SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS ORDER BY CODIGO");
    arbol.CampoDevuelto = QStringLiteral("CODIGO");
    arbol.CheckBoxes = true;
    arbol.Load();
    ui::Node& caja = arbol.TreeV.Nodes(QStringLiteral("A111"));
    ui::op::checkNode(arbol.TreeV, caja, true);
    arbol.TreeV.Nodes(QStringLiteral("A1110201")).EnsureVisible();
    arbol.TreeV.Nodes(QStringLiteral("A21101")).EnsureVisible();
    arbol.TreeV.setSelectedItem(&caja);
    arbol.Show(ui::vbModal);
  });
  core::ResetCore();
  rt::SetProgramFolder(QString());
  return ok;
}
