// The gallery's lot dialogs over the demo database: each opens from a line
// of the sample voucher window with the demo stock and tells what came back.
#include <gtest/gtest.h>

#include "GaleriaLotes.h"
#include "LotesFixture.h"
#include "lots/FrmCargaLotesySeries.h"
#include "lots/FrmLoteyPosicion.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Operator.h"
#include "support/DemoProgram.h"
#include "support/Printers.h"

namespace {

class GaleriaLotes : public testing_support::DemoProgram {};

TEST_F(GaleriaLotes, EveryLotDialogOpensOverTheDemoStock) {
  galeria::frmGaleria ventana(galeria::VentanasLotes());
  const QString y = QString(rt::Chr(255));
  const QStringList esperados = {
      "SerieNvo: «|S1|S2|S3|S4|»\r\nLoteNvo: «|L1|L1|L1|L1|»",
      "SerieNvo: «»\r\nLoteNvo: «|L1|L1|L1|»",
      "SeriesLoteNvo: «|L2301" + y + "|L2302" + y + "|L2310" + y + "|" + y + "|»\r\nCantidadesNVO: «|24|16|0|0|»\r\n"
      "Cantidad: 40\r\nDeposito: «   1»",
      "SeriesLoteNvo: «|IMP-2024-03" + y + "NB14-A001|IMP-2024-03" + y + "NB14-A002|IMP-2024-03" + y +
          "NB14-A003|IMP-2024-05" + y + "NB14-B001|IMP-2024-05" + y + "NB14-B002|" + y +
          "|»\r\nCantidadesNVO: «|1|1|0|0|0|0|»\r\nCantidad: 2\r\nDeposito: «   1»",
      "PosicionNVO: «|A01*4|A02*2|B03*3|»\r\nLoteNvo: «|L0412|L0412|L0412|»\r\nCantidad: 9",
      "PosicionNVO: «|A01*30|»\r\nLoteNvo: «»\r\nCantidad: 30",
      "PosicionNVO: «|*30|»\r\nLoteNvo: «|L0412|»\r\nCantidad: 30",
  };
  ASSERT_EQ(ventana.cmdVentana.Count(), esperados.size());
  for (int i = 0; i < ventana.cmdVentana.Count(); ++i) {
    const QString titulo = ventana.cmdVentana(i).Caption();
    QStringList filas;
    if (titulo.contains("PidePosicionLote")) {
      host.onModal<lots::FrmLoteyPosicion>("FrmLoteyPosicion", [&](lots::FrmLoteyPosicion& d) {
        for (int r = 1; r < d.MSFlexGrid1.Rows(); ++r) filas << testing_support::Fila(d.MSFlexGrid1, r);
        d.CmdAceptar_Click();
      });
    } else {
      host.onModal<lots::FrmCargaLotesySeries>("FrmCargaLotesySeries", [&](lots::FrmCargaLotesySeries& d) {
        ui::FlexGrid& g = d.MSFlexGrid1;
        for (int r = 1; r < g.Rows(); ++r) filas << testing_support::Fila(g, r);
        // What the operator types on a line coming in.
        if (!d.EsConsultaDeSerieLote)
          for (int r = 1; r < g.Rows(); ++r) {
            g.setTextMatrix(r, 1, "L1");
            if (g.Cols() == 3) g.setTextMatrix(r, 2, "S" + QString::number(r));
          }
        d.CmdAceptar_Click();
      });
    }
    ui::op::click(ventana.cmdVentana(i));
    EXPECT_FALSE(filas.isEmpty()) << titulo.toStdString();
    // The wine's earlier line took 6 of lot L2302's 36: 30 are left to offer.
    if (titulo.startsWith("Lotes que egresan")) {
      EXPECT_TRUE(filas.contains("L2302||30|16")) << filas.join("\n").toStdString();
    }
    EXPECT_EQ(ventana.txtResultado.Text(), titulo + ":\r\n" + esperados[i]) << filas.join("\n").toStdString();
  }
  EXPECT_TRUE(host.scriptExhausted());
}

}  // namespace
