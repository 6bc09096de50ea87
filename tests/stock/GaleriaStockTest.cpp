// The gallery's stock entry over the demo database: it records the demo
// adjustment and tells the rows and the balanced entry it wrote, a new
// voucher each time.
#include <gtest/gtest.h>

#include "DemoDatabase.h"
#include "GaleriaStock.h"
#include "core/Startup.h"
#include "data_access/DataAccessState.h"
#include "platform/ui/Operator.h"
#include "support/CoreFixture.h"
#include "support/Printers.h"

namespace {

class GaleriaStock : public testing_support::CoreFixture {};

TEST_F(GaleriaStock, RecordsTheDemoAdjustmentAndShowsItsRowsAndEntry) {
  const QString base = demo::CreaBaseDemo(folder.file("demo"));
  QString conexion;
  core::IniciaSistema(false, "@Server=sqlite;@DbName=" + base + ";@Usuario=" + demo::kUsuario + ";@Password=;",
                      conexion, 3);
  ASSERT_EQ(programEnds, 0);
  galeria::frmGaleria ventana(galeria::VentanasStock());
  ASSERT_EQ(ventana.cmdVentana.Count(), 1);
  for (const char* numero : {"000100000001X", "000100000002X"}) {
    ui::op::click(ventana.cmdVentana(0));
    const QString texto = ventana.txtResultado.Text();
    EXPECT_TRUE(texto.startsWith(QStringLiteral("Grabación de stock (AJP):\r\nAjuste de stock AJP ") + numero + "\r\n"))
        << texto.toStdString();
    EXPECT_TRUE(texto.contains("  1 | 1 | ACEITE-OLIVA | 2 | 800\r\n")) << texto.toStdString();
    EXPECT_TRUE(texto.contains("| 511030001 | H | 14500\r\n")) << texto.toStdString();
    EXPECT_FALSE(texto.contains("(ninguna)")) << texto.toStdString();
  }
  ado::Recordset rs = data_access::gDB().gCnn.Execute(
      "SELECT SUM(CASE [DEBE-HABER] WHEN 'D' THEN Importe ELSE -Importe END), COUNT(*) FROM MV_ASIENTOS WHERE TC = 'AJP'");
  EXPECT_EQ(rs.Fields(0).Value().toDouble(), 0.0);
  EXPECT_GT(rs.Fields(1).Value().toLong(), 2);
  EXPECT_TRUE(host.boxes().empty());
}

}  // namespace
