// The stored vouchers of the demo, loaded by the voucher class as the gallery
// shows them.
#include <gtest/gtest.h>

#include "ComprobanteEnVentana.h"
#include "ComprobantesGuardados.h"
#include "DemoComprobantes.h"
#include "VoucherFixture.h"
#include "numbering/ColumnasGrillas.h"
#include "platform/ui/Operator.h"
#include "support/Printers.h"

namespace {

using namespace testing_support;
namespace a = numbering::articulos;

class ComprobantesGuardados : public VoucherDatabase {
 protected:
  void SetUp() override {
    VoucherDatabase::SetUp();
    demo::LlenaComprobantes(cn);
    demo::GuardaComprobantesDemo(cn);
    demo::GuardaComprobantesDemo(cn);  // what is there is left alone
  }
  static QStringList columna(const ui::FlexGrid& g, int c) {
    QStringList out;
    for (int f = 1; f < g.Rows(); ++f) out << g.TextMatrix(f, c);
    return out;
  }
};

TEST_F(ComprobantesGuardados, EachLoadsIntoTheVoucherWindowWithItsLines) {
  const struct {
    const char* tareas;
    const char* articulos;  // column 0, then the quantity still to serve of each line
    const char* cantidades;
    const char* otros;
  } esperados[] = {
      {"1|2|", "ACEITE-OLIVA|VINO-MALBEC|TALADRO|20451|TIRANTE-PINO|", "2|6|1|1,5|3|", "Flete a domicilio|"},
      {"", "AGUA-500|HARINA-000|", "14|0|", ""},
      {"", "AGUA-500|HARINA-000|", "10|10|", ""},
      {"", "SERVILLETA|DETERGENTE|", "5|12|", ""},
      {"3|", "DETERGENTE|SERVILLETA|", "24|10|", "Seguro de carga|"},
  };
  const std::vector<demo::ComprobanteGuardado> guardados = demo::ComprobantesGuardados();
  ASSERT_EQ(guardados.size(), std::size(esperados));
  for (size_t i = 0; i < guardados.size(); ++i) {
    SCOPED_TRACE(guardados[i].descripcion.toStdString());
    demo::VentanaComprobante ventana;
    demo::CargaComprobanteGuardado(ventana, guardados[i]);
    EXPECT_EQ(columna(ventana.MSFlexGrid1, 0).join('|'), esperados[i].tareas);
    EXPECT_EQ(columna(ventana.MSFlexGrid2, 0).join('|'), esperados[i].articulos);
    EXPECT_EQ(columna(ventana.MSFlexGrid2, a::Cantidad).join('|'), esperados[i].cantidades);
    EXPECT_EQ(columna(ventana.MSFlexGrid3, 0).join('|'), esperados[i].otros);
    EXPECT_EQ(ventana.lblResultado.Caption(), guardados[i].descripcion);
  }
  EXPECT_TRUE(host.boxes().empty());
}

// The type box names a loaded delivery note's type, which the window cannot
// lay out: once the operator chooses another type, it is no longer offered.
TEST_F(ComprobantesGuardados, ALoadedVouchersTypeIsNamedButNotLeftToChoose) {
  const auto tipos = [](const ui::ComboBox& c) {
    QStringList out;
    for (int i = 0; i < c.ListCount(); ++i) out << c.List(i);
    return out.join('|');
  };
  demo::VentanaComprobante ventana;
  const demo::ComprobanteGuardado remito = demo::ComprobantesGuardados().at(1);
  ASSERT_EQ(remito.TC, "RM");
  demo::CargaComprobanteGuardado(ventana, remito);
  EXPECT_EQ(ventana.cboTipo.Text(), "RM");
  ui::op::choose(ventana.cboTipo, 1);
  EXPECT_EQ(ventana.cboTipo.Text(), "FCC");
  EXPECT_EQ(ventana.Caption(), "Comprobante FCC - InicializaGrids");
  EXPECT_EQ(tipos(ventana.cboTipo), "FC|FCC|AJP");
  demo::CargaComprobanteGuardado(ventana, remito);
  EXPECT_EQ(ventana.cboTipo.Text(), "RM") << "named again when loaded again";
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(ComprobantesGuardados, TheInvoiceShowsItsListPriceLotsAndSerial) {
  demo::VentanaComprobante ventana;
  demo::CargaComprobanteGuardado(ventana, demo::ComprobantesGuardados().front());
  const ui::FlexGrid& g = ventana.MSFlexGrid2;
  EXPECT_EQ(g.TextMatrix(1, a::ListaConIVA), "-1");
  EXPECT_EQ(g.TextMatrix(1, a::Importe), "6292,00");
  EXPECT_EQ(g.TextMatrix(2, a::NroLote), "|L2301|L2302|");
  EXPECT_EQ(g.TextMatrix(2, a::PideLote), "-1");
  EXPECT_EQ(g.TextMatrix(3, a::NroSerie), "|SN-88121|");
  EXPECT_EQ(g.TextMatrix(4, a::Pesable), "-1");
  EXPECT_EQ(ventana.MSFlexGrid4.TextMatrix(2, 0), "Artículos");
  EXPECT_EQ(ventana.MSFlexGrid4.TextMatrix(2, 1), "5");
}

}  // namespace
