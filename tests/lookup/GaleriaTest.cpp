// The gallery's lookup entries over the demo database: each opens its
// window with rows to choose from and tells what came back.
#include <gtest/gtest.h>

#include "GaleriaConsultas.h"
#include "lookup/Lib_FrmCons3.h"
#include "lookup/Lib_FrmCons3Tree.h"
#include "platform/ui/Operator.h"
#include "platform/ui/ScriptedHost.h"
#include "support/DemoProgram.h"
#include "support/Printers.h"

namespace {

class Galeria : public testing_support::DemoProgram {};

TEST_F(Galeria, EveryLookupOpensOverTheDemoDatabase) {
  galeria::frmGaleria ventana(galeria::VentanasConsultas());
  for (int i = 0; i < ventana.cmdVentana.Count(); ++i) {
    const QString titulo = ventana.cmdVentana(i).Caption();
    int filas = 0;
    if (titulo.contains("(árbol)")) {
      host.onModal<lookup::Lib_FrmCons3Tree>("Lib_FrmCons3Tree", [&](lookup::Lib_FrmCons3Tree& f) {
        filas = f.TreeV.Nodes.Count() - 1;
        ui::op::click(f.CmdAceptar);
      });
    } else {
      host.onModal<lookup::Lib_FrmCons3>("Lib_FrmCons3", [&](lookup::Lib_FrmCons3& f) {
        filas = f.ListView1.ListItems.Count();
        ui::op::click(f.CmdAceptar);
      });
    }
    ui::op::click(ventana.cmdVentana(i));
    EXPECT_GT(filas, 1) << titulo.toStdString();
    EXPECT_TRUE(ventana.txtResultado.Text().startsWith(titulo + ":\r\n")) << titulo.toStdString();
  }
}

}  // namespace
