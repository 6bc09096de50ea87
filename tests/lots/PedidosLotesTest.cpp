// The voucher class's lot and serial requests: what they hand the dialog,
// what they hand back, and when no dialog opens.
#include <gtest/gtest.h>

#include <array>

#include "LotesFixture.h"
#include "lots/FrmCargaLotesySeries.h"
#include "numbering/ColumnasGrillas.h"
#include "platform/runtime/Text.h"
#include "platform/ui/KeyCodes.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Operator.h"
#include "support/Printers.h"
#include "vouchers/ClsCmnCptes.h"

namespace {

using lots::FrmCargaLotesySeries;
using testing_support::Fila;
namespace articulos = numbering::articulos;

const QString y = QString(rt::Chr(255));

// A voucher form's articles grid, with its lines given as (article, lot
// list, quantity list).
class Comprobante : public ui::Form {
 public:
  Comprobante() : ui::Form("FrmComprobante") { MSFlexGrid2.setCols(articulos::Columnas); }
  void lineas(const std::vector<std::array<QString, 3>>& lineas) {
    MSFlexGrid2.setRows(static_cast<int>(lineas.size()) + 2);
    for (size_t i = 0; i < lineas.size(); ++i) {
      const int fila = static_cast<int>(i) + 1;
      MSFlexGrid2.setTextMatrix(fila, articulos::IdArticulo, lineas[i][0]);
      MSFlexGrid2.setTextMatrix(fila, articulos::NroLote, lineas[i][1]);
      MSFlexGrid2.setTextMatrix(fila, articulos::NroSerie, lineas[i][2]);
    }
  }
  ui::FlexGrid MSFlexGrid2{*this, "MSFlexGrid2"};
};

class PedidosLotes : public testing_support::LotesDatabase {
 protected:
  void SetUp() override {
    LotesDatabase::SetUp();
    exec("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('DepositoDefault', '1')");
  }
  vouchers::ClsCmnCptes cpte;
  Comprobante comprobante;
};

TEST_F(PedidosLotes, CuentaLotesEnGrillaJoinsTheListsOfTheArticlesLines) {
  comprobante.lineas({{"ART-1", "|A|B|", "|1|2|"}, {"OTRO", "|X|", "|9|"}, {"art-1", "|C|", "|3|"}, {"ART-1 ", "|Z|", "|1|"}});
  QString lotes = "viejo", cantidades = "viejo";
  cpte.CuentaLotesEnGrilla(comprobante.MSFlexGrid2, "ART-1", lotes, cantidades);
  EXPECT_EQ(lotes, "|A|B|C|");
  EXPECT_EQ(cantidades, "|1|2|3|");
  cpte.CuentaLotesEnGrilla(comprobante.MSFlexGrid2, "NINGUNO", lotes, cantidades);
  EXPECT_EQ(lotes, "");
  EXPECT_EQ(cantidades, "");
}

TEST_F(PedidosLotes, PideSerieLoteEntersTheSerialsOfALineComingIn) {
  QString series = "viejo", lotes = "viejo";
  cpte.PideSerieLote("ART-1", 0, "|A|", "", series, lotes, true);
  EXPECT_EQ(series, "");
  EXPECT_EQ(lotes, "");
  EXPECT_TRUE(host.shownForms().empty()) << "nothing to ask";

  host.onModal<FrmCargaLotesySeries>("FrmCargaLotesySeries", [](FrmCargaLotesySeries& d) {
    EXPECT_EQ(d.lblArticulo.Caption(), "ART-1");
    EXPECT_EQ(Fila(d.MSFlexGrid1, 0), "ITEM|Número de Lote|Número de Serie");
    EXPECT_EQ(Fila(d.MSFlexGrid1, 1), "1|L1|A");
    testing_support::Abre(d);
    d.MSFlexGrid1.setCurrentCell(2, 2);
    testing_support::Confirma(d, "B");
    ui::op::key(d.MSFlexGrid1, ui::key::F2);
  });
  cpte.PideSerieLote("ART-1", 2, "|A|", "|L1|", series, lotes, true, true);
  EXPECT_EQ(series, "|A|B|");
  EXPECT_EQ(lotes, "|L1|L1|");

  host.onModal<FrmCargaLotesySeries>("FrmCargaLotesySeries", [](FrmCargaLotesySeries& d) { ui::op::close(d); });
  cpte.PideSerieLote("ART-1", 2, "|A|", "|L1|", series, lotes, true, true);
  EXPECT_EQ(series, "") << "the close box cancels: nothing entered";
  EXPECT_EQ(lotes, "");
}

TEST_F(PedidosLotes, PideSerieLoteSalidasChoosesFromTheDepositLessTheOtherLines) {
  existencia("ART-1", "L1", "", "10");
  existencia("ART-1", "L2", "", "5");
  existencia("ART-1", "L1", "", "50", "2");
  // This line took 3 of L1 earlier; another line takes 4.
  comprobante.lineas({{"ART-1", "|L1" + y + "|", "|4|"}, {"ART-1", "|L1" + y + "|", "|3|"}});
  host.onModal<FrmCargaLotesySeries>("FrmCargaLotesySeries", [](FrmCargaLotesySeries& d) {
    EXPECT_EQ(d.Caption(), "Números de Lote (Deposito:    1)");
    EXPECT_EQ(d.lblArticulo.Caption(), "ART-1 - Vino tinto");
    EXPECT_EQ(Fila(d.MSFlexGrid1, 1), "L1||6|3");
    EXPECT_EQ(Fila(d.MSFlexGrid1, 2), "L2||5|");
    testing_support::Abre(d);
    d.MSFlexGrid1.setCurrentCell(2, 3);
    testing_support::Confirma(d, "2");
    ui::op::click(d.CmdAceptar);
  });
  QString deposito, pares = "viejo", cantidades = "viejo";
  double cantidad = 5;
  cpte.PideSerieLote_Salidas(comprobante.MSFlexGrid2, "ART-1", "Vino tinto", cantidad, "|L1" + y + "|", "|3|", pares,
                             cantidades, true, false, false, &deposito);
  EXPECT_EQ(deposito, "1") << "the configured deposit, for the caller too";
  EXPECT_EQ(pares, "|L1" + y + "|L2" + y + "|" + y + "|");
  EXPECT_EQ(cantidades, "|3|2|-|");
  EXPECT_EQ(cantidad, 5);
}

TEST_F(PedidosLotes, PideSerieLoteSalidasWithNothingToTakeOnlySetsTheDeposit) {
  QString deposito, pares = "viejo", cantidades = "viejo";
  double cantidad = 0;
  cpte.PideSerieLote_Salidas(comprobante.MSFlexGrid2, "ART-1", "", cantidad, "", "", pares, cantidades, true, false,
                             false, &deposito);
  EXPECT_EQ(deposito, "1");
  EXPECT_EQ(pares, "viejo");
  EXPECT_EQ(cantidades, "viejo");
  EXPECT_TRUE(host.shownForms().empty());
}

TEST_F(PedidosLotes, PideSerieLoteSalidasWithoutTheDialog) {
  existencia("ART-1", "L1", "", "3");
  existencia("ART-1", "L2", "", "4");
  QString deposito = "1", pares, cantidades;
  double cantidad = 5;
  cpte.PideSerieLote_Salidas(comprobante.MSFlexGrid2, "ART-1", "", cantidad, "", "", pares, cantidades, true, false,
                             false, &deposito, false);
  EXPECT_EQ(pares, "|L1" + y + "|L2" + y + "|" + y + "|");
  EXPECT_EQ(cantidades, "|3|2|0|");
  EXPECT_TRUE(host.shownForms().empty());
  EXPECT_TRUE(host.boxes().empty());

  // Too little stock: only the notice, and the lists passed in come back.
  host.answer(ui::mb::Ok, "El Stock es Menor a la cantidad solicitada ");
  cantidad = 9;
  cpte.PideSerieLote_Salidas(comprobante.MSFlexGrid2, "ART-1", "", cantidad, "|L1" + y + "|", "|1|", pares, cantidades,
                             true, false, false, &deposito, false);
  EXPECT_EQ(pares, "|L1" + y + "|");
  EXPECT_EQ(cantidades, "|1|");
  EXPECT_EQ(cantidad, 9);
}

// Without the dialog the proposal is taken as it stands, a fraction of a
// lot by weight or a negative line's lots, with no box.
TEST_F(PedidosLotes, PideSerieLoteSalidasWithoutTheDialogTakesAFractionOrANegativeLine) {
  existencia("ART-1", "L1", "", "2,5");
  const struct {
    double cantidad;
    const char* cantidades;
  } cases[] = {{2.5, "|2,5|0|"}, {-2, "|-2|0|"}};
  for (const auto& c : cases) {
    QString deposito = "1", pares, cantidades;
    double cantidad = c.cantidad;
    cpte.PideSerieLote_Salidas(comprobante.MSFlexGrid2, "ART-1", "", cantidad, "", "", pares, cantidades, true, false,
                               false, &deposito, false);
    EXPECT_EQ(pares, "|L1" + y + "|" + y + "|") << c.cantidad;
    EXPECT_EQ(cantidades, c.cantidades) << c.cantidad;
    EXPECT_EQ(cantidad, c.cantidad);
  }
  EXPECT_TRUE(host.shownForms().empty());
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(PedidosLotes, AnAdjustedQuantityAndACancelComeBack) {
  existencia("ART-1", "L1", "", "3");
  QString deposito = "1", pares, cantidades;
  double cantidad = 5;
  host.onModal<FrmCargaLotesySeries>("FrmCargaLotesySeries", [](FrmCargaLotesySeries& d) { d.CmdAceptar_Click(); });
  host.answer(ui::mb::Yes, "Es Menor a la solicitada");
  cpte.PideSerieLote_Salidas(comprobante.MSFlexGrid2, "ART-1", "", cantidad, "", "", pares, cantidades, true, false,
                             false, &deposito);
  EXPECT_EQ(cantidad, 3);
  EXPECT_EQ(pares, "|L1" + y + "|" + y + "|");
  EXPECT_EQ(cantidades, "|3|0|");

  host.onModal<FrmCargaLotesySeries>("FrmCargaLotesySeries",
                                      [](FrmCargaLotesySeries& d) { ui::op::click(d.CmdCancelar); });
  cantidad = 2;
  cpte.PideSerieLote_Salidas(comprobante.MSFlexGrid2, "ART-1", "", cantidad, "|L1" + y + "|", "|1|", pares, cantidades,
                             true, false, false, &deposito);
  EXPECT_EQ(pares, "|L1" + y + "|");
  EXPECT_EQ(cantidades, "|1|");
  EXPECT_EQ(cantidad, 2);
}

TEST_F(PedidosLotes, BuscaLotesSeriesIsTheListHelpers) {
  EXPECT_EQ(cpte.Busca_Lotes_Series("|A|B|C|", "b"), 2);
  EXPECT_EQ(cpte.Busca_Lotes_Series("|A|B|C|", "D"), 0);
}

}  // namespace
