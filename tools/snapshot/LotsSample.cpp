#include "LotsSample.h"

#include <QTemporaryDir>

#include "DemoLots.h"
#include "SampleDatabase.h"
#include "core/CoreState.h"
#include "lots/FrmCargaLotesySeries.h"
#include "numbering/ColumnasGrillas.h"
#include "platform/runtime/Text.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Form.h"
#include "vouchers/ClsCmnCptes.h"

namespace {

namespace articulos = numbering::articulos;

// The articles grid of a voucher with one line of the wine already taking
// 6 of lot L2302.
struct Comprobante : ui::Form {
  Comprobante() : ui::Form(QStringLiteral("Comprobante")) {
    MSFlexGrid2.setCols(articulos::Columnas);
    MSFlexGrid2.setRows(3);
    MSFlexGrid2.setTextMatrix(1, articulos::IdArticulo, QString::fromLatin1(demo::articulo::Lotes));
    MSFlexGrid2.setTextMatrix(1, articulos::NroLote, QStringLiteral("|L2302") + rt::Chr(255) + u'|');
    MSFlexGrid2.setTextMatrix(1, articulos::NroSerie, QStringLiteral("|6|"));
  }
  ui::FlexGrid MSFlexGrid2{*this, QStringLiteral("MSFlexGrid2")};
};

}  // namespace

bool captureLotSamples(const Capture& capture) {
  QTemporaryDir carpeta;
  if (!ConectaBaseDeMuestra(carpeta, demo::LlenaLotesYPosiciones)) return false;
  vouchers::ClsCmnCptes cpte;
  QString series, lotes, deposito = QStringLiteral("1");
  bool ok = capture(QStringLiteral("FrmCargaLotesySeries_Carga"), [&] {
    cpte.PideSerieLote(QString::fromLatin1(demo::articulo::LotesYSeries), 4, QStringLiteral("|NB14-C001|NB14-C002|"),
                       QStringLiteral("|IMP-2024-07|"), series, lotes, true, true);
  });
  ok &= capture(QStringLiteral("FrmCargaLotesySeries_Eleccion"), [&] {
    Comprobante comprobante;
    double cantidad = 40;
    cpte.PideSerieLote_Salidas(comprobante.MSFlexGrid2, QString::fromLatin1(demo::articulo::Lotes),
                               QStringLiteral("Vino Malbec Reserva 750 ml"), cantidad, QString(), QString(), lotes,
                               series, true, false, false, &deposito);
  });
  // Lots and serials, with the floating box open on a quantity.
  ok &= capture(QStringLiteral("FrmCargaLotesySeries_Series"), [&] {
    lots::FrmCargaLotesySeries dialogo;
    dialogo.Cantidad = 2;
    dialogo.Articulo = QString::fromLatin1(demo::articulo::LotesYSeries);
    dialogo.ArticuloDescripcion = QStringLiteral("NOTEBOOK 14 PULGADAS 8 GB");
    dialogo.EsConsultaDeSerieLote = dialogo.EsLote = dialogo.EsSerie = true;
    dialogo.Deposito = QString::fromLatin1(demo::kDepositoLotes);
    dialogo.CargaDatos();
    dialogo.MostrarForm = true;
    dialogo.Show();
    dialogo.MSFlexGrid1.setCurrentCell(4, lots::FrmCargaLotesySeries::kColumnaCantidad);
    dialogo.MsflexGridEdt(dialogo.MSFlexGrid1, dialogo.TxtEdit, '1');
    dialogo.Show(ui::vbModal);
  });
  // The oil, asked for in boxes of 12: positions and lots, then positions
  // alone with an earlier pick put back.
  ok &= capture(QStringLiteral("FrmLoteyPosicion_Lotes"), [&] {
    double cajas = 9;
    cpte.PidePosicionLote(QString::fromLatin1(demo::articulo::Posiciones), QStringLiteral("CAJ"), cajas,
                          QStringLiteral("1"), QString(), QString(), series, lotes, true, true);
  });
  ok &= capture(QStringLiteral("FrmLoteyPosicion_Posiciones"), [&] {
    double unidades = 30;
    cpte.PidePosicionLote(QString::fromLatin1(demo::articulo::Posiciones), QStringLiteral("UN"), unidades,
                          QStringLiteral("1"), QStringLiteral("|B02*20|*10|"), QStringLiteral("||"), series, lotes);
  });
  core::ResetCore();
  return ok;
}
