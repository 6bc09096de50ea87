// The demo rows of the voucher windows: every kind of reference the demo
// offers is found by the article search, and the sample window lays out and
// totals its lines.
#include <gtest/gtest.h>

#include "DemoComprobantes.h"
#include "VentanaComprobante.h"
#include "VoucherFixture.h"
#include "core/BuscaArticulo.h"
#include "core/CoreState.h"
#include "numbering/ColumnasGrillas.h"
#include "support/Printers.h"

namespace {

using namespace testing_support;

class DemoComprobantes : public VoucherDatabase {
 protected:
  void SetUp() override {
    VoucherDatabase::SetUp();
    demo::LlenaComprobantes(cn);
    demo::LlenaComprobantes(cn);  // rows already there are left alone
  }
};

TEST_F(DemoComprobantes, EveryReferenceOfTheDemoIsFound) {
  core::gCore().gMascaraBalanza = "0CCCCCQQQQQ";
  core::gCore().gDecimalesBalanza = "3";
  for (const demo::ReferenciaDemo& r : demo::ReferenciasDemo()) {
    SCOPED_TRACE(r.clase.toStdString());
    QString codigo = r.referencia, descripcion, udBase;
    bool esCodigoBarra = true;
    double cantidad = 1;
    rt::Currency importe;
    ado::Recordset rs;
    EXPECT_TRUE(core::BuscaArticuloPorCodigo(codigo, rs, true, esCodigoBarra, descripcion, r.proveedor, udBase,
                                             r.lista, cantidad, importe));
    EXPECT_FALSE(descripcion.isEmpty());
  }
}

TEST_F(DemoComprobantes, TheSampleWindowLaysOutEachTypeAndTotalsByRubro) {
  demo::VentanaComprobante ventanaDemo;
  ventanaDemo.Muestra("FCC");
  // Six lines any voucher finds and two by the supplier's codes, then the entry row.
  EXPECT_EQ(ventanaDemo.MSFlexGrid2.Rows(), 10);
  EXPECT_EQ(ventanaDemo.MSFlexGrid2.TextMatrix(0, 0), "Artículo");
  EXPECT_EQ(ventanaDemo.MSFlexGrid4.TextMatrix(2, 0), "Artículos");
  EXPECT_EQ(ventanaDemo.MSFlexGrid4.TextMatrix(2, 1), "8");
  ventanaDemo.Muestra("AJP");
  EXPECT_EQ(ventanaDemo.MSFlexGrid2.Rows(), 8);
  EXPECT_EQ(ventanaDemo.MSFlexGrid2.ColWidth(numbering::articulos::Importe), 0);
  EXPECT_EQ(ventanaDemo.MSFlexGrid4.TextMatrix(1, 0), "Artículos") << "a stock voucher shows its articles alone";
  EXPECT_FALSE(ventanaDemo.AgregaArticulo("NO-EXISTE"));
  EXPECT_EQ(ventanaDemo.lblResultado.Caption(), "No se encontró el artículo \"NO-EXISTE\"");
  EXPECT_TRUE(host.boxes().empty());
}

// An operator adding a line by its reference sees it described in the
// status line, whatever line was current.
TEST_F(DemoComprobantes, TheStatusLineDescribesTheLineJustAdded) {
  core::gCore().gMascaraBalanza = "0CCCCCQQQQQ";
  demo::VentanaComprobante ventanaDemo;
  ventanaDemo.Muestra("FC");
  ui::FlexGrid& grilla = ventanaDemo.MSFlexGrid2;
  for (const char* referencia : {"AGUA-500", "3*HARINA-000", "SERVILLETA"}) {
    // The last one while the entry row, where it goes, is current.
    if (QString(referencia) == "SERVILLETA") grilla.setCurrentCell(grilla.Rows() - 1, numbering::articulos::Cantidad);
    ASSERT_TRUE(ventanaDemo.AgregaArticulo(referencia));
    const int linea = grilla.Rows() - 2;
    EXPECT_EQ(grilla.Row(), linea) << referencia;
    EXPECT_TRUE(ventanaDemo.StatB.Panels(1).Text().startsWith(grilla.TextMatrix(linea, numbering::articulos::IdArticulo)))
        << referencia << ": " << ventanaDemo.StatB.Panels(1).Text().toStdString();
  }
}

}  // namespace
