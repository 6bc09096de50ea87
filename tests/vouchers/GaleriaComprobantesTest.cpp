// The gallery's voucher entries over the demo database: each stored voucher
// of the demo opens loaded in the voucher window, which names its type.
#include <gtest/gtest.h>

#include "ComprobantesGuardados.h"
#include "GaleriaComprobantes.h"
#include "VentanaComprobante.h"
#include "platform/ui/Operator.h"
#include "platform/ui/ScriptedHost.h"
#include "support/DemoProgram.h"
#include "support/Printers.h"

namespace {

class GaleriaComprobantes : public testing_support::DemoProgram {};

TEST_F(GaleriaComprobantes, EveryStoredVoucherOfTheDemoOpensLoaded) {
  galeria::frmGaleria ventana(galeria::VentanasComprobantes());
  int cargados = 0;
  for (int i = 0; i < ventana.cmdVentana.Count(); ++i) {
    const QString titulo = ventana.cmdVentana(i).Caption();
    if (!titulo.startsWith("Cargar ")) continue;
    SCOPED_TRACE(titulo.toStdString());
    QString lineas, tipo;
    host.onModal<demo::VentanaComprobante>("frmComprobanteDemo", [&](demo::VentanaComprobante& f) {
      lineas = f.MSFlexGrid2.TextMatrix(1, 0);
      tipo = f.cboTipo.Text();
      f.Hide();
    });
    ui::op::click(ventana.cmdVentana(i));
    EXPECT_FALSE(lineas.isEmpty());
    EXPECT_EQ(tipo, demo::ComprobantesGuardados().at(static_cast<std::size_t>(cargados)).TC);
    EXPECT_TRUE(ventana.txtResultado.Text().contains(" cargado: ")) << ventana.txtResultado.Text().toStdString();
    ++cargados;
  }
  EXPECT_EQ(cargados, 5);
  EXPECT_TRUE(host.boxes().empty());
}

}  // namespace
