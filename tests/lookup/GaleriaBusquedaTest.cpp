// The gallery's voucher searches over the demo database: each opens the
// search window with vouchers to choose from and tells what came back.
#include <gtest/gtest.h>

#include "DemoDatabase.h"
#include "GaleriaBusqueda.h"
#include "core/Startup.h"
#include "lookup/FrmConsComprobantes.h"
#include "platform/ui/Operator.h"
#include "platform/ui/ScriptedHost.h"
#include "support/CoreFixture.h"
#include "support/Printers.h"

namespace {

class GaleriaBusqueda : public testing_support::CoreFixture {};

TEST_F(GaleriaBusqueda, EverySearchOpensOverTheDemoDatabase) {
  const QString base = demo::CreaBaseDemo(folder.file("demo"));
  QString conexion;
  core::IniciaSistema(false, "@Server=sqlite;@DbName=" + base + ";@Usuario=" + demo::kUsuario + ";@Password=;",
                      conexion, 3);
  ASSERT_EQ(programEnds, 0);
  galeria::frmGaleria ventana(galeria::VentanasBusqueda());
  for (int i = 0; i < ventana.cmdVentana.Count(); ++i) {
    const QString titulo = ventana.cmdVentana(i).Caption();
    QString elegido;
    host.onModal<lookup::FrmConsComprobantes>("FrmConsComprobantes", [&](lookup::FrmConsComprobantes& f) {
      ASSERT_GT(f.ListView1.ListItems.Count(), 0) << titulo.toStdString();
      ui::ListItem& fila = f.ListView1.ListItems(1);
      elegido = titulo.contains("(T3)") ? fila.Text() : fila.SubItems(titulo.contains("(OC") ? 2 : 1);
      ui::op::click(f.CmdAceptar);
    });
    ui::op::click(ventana.cmdVentana(i));
    EXPECT_TRUE(ventana.txtResultado.Text().startsWith(titulo + ":\r\nRespuesta: «" + elegido + "»"))
        << ventana.txtResultado.Text().toStdString();
  }
  EXPECT_TRUE(host.boxes().empty());
}

}  // namespace
