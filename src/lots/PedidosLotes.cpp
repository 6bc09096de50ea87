// The voucher class's lot and serial requests: each fills a new serial and
// lot dialog, shows it and hands its lists back.
#include "core/Configuration.h"
#include "core/library/Library.h"
#include "lots/FrmCargaLotesySeries.h"
#include "numbering/ListasSeriesLotes.h"
#include "numbering/Valores.h"
#include "platform/runtime/Text.h"
#include "platform/ui/FlexGrid.h"
#include "vouchers/ClsCmnCptes.h"
#include "vouchers/ColumnasGrillas.h"

namespace vouchers {

namespace {

// Appends a list to another as one list: its opening "|" goes when the other
// already holds items.
void Agrega(QString& lista, const QString& otra) { lista += lista.isEmpty() ? otra : otra.mid(1); }

}  // namespace

void ClsCmnCptes::PideSerieLote(const QString& Articulo, double Cantidad, const QString& SerieAnt,
                                const QString& LoteAnt, QString& SerieNvo, QString& LoteNvo, bool Serie, bool Lote,
                                bool Talle) {
  rt::StepRunner pasos = numbering::Trampa(QStringLiteral("PideSerieLote"));
  if (Cantidad == 0) {
    SerieNvo.clear();
    LoteNvo.clear();
    return;
  }
  lots::FrmCargaLotesySeries dialogo;
  if (!pasos.run([&] {
        dialogo.Cantidad = Cantidad;
        dialogo.EsSerie = Serie;
        dialogo.EsLote = Lote;
        dialogo.EsTalle = Talle;
        dialogo.Articulo = Articulo;
        dialogo.SeriesAnteriores = SerieAnt;
        dialogo.LotesAnteriores = LoteAnt;
      }))
    return;
  if (!pasos.run([&] { dialogo.CargaDatos(); }) || !pasos.run([&] { dialogo.lblArticulo.Caption = Articulo; }) ||
      !pasos.run([&] { dialogo.Show(ui::vbModal); }))
    return;
  if (!pasos.run([&] { SerieNvo = dialogo.Series; }) || !pasos.run([&] { LoteNvo = dialogo.Lotes; })) return;
  pasos.run([&] { dialogo.Unload(); });
}

void ClsCmnCptes::PideSerieLote_Salidas(const ui::FlexGrid& Grilla, const QString& Articulo,
                                        const QString& Descripcion, double& Cantidad, const QString& SeriesLoteAnt,
                                        const QString& CantidadANT, QString& SeriesLoteNvo, QString& CantidadesNVO,
                                        bool Lote, bool Serie, bool Talle, QString* Deposito, bool MostrarForm) {
  rt::StepRunner pasos = numbering::Trampa(QStringLiteral("PideSerieLote_Salidas"));
  QString sinDeposito;
  QString& deposito = Deposito ? *Deposito : sinDeposito;
  if (deposito.isEmpty() && !pasos.run([&] { deposito = core::Cfg(QStringLiteral("DepositoDefault")); })) return;
  if (Cantidad == 0) return;
  lots::FrmCargaLotesySeries dialogo;
  if (!pasos.run([&] {
        dialogo.Cantidad = Cantidad;
        dialogo.Articulo = Articulo;
        dialogo.EsConsultaDeSerieLote = true;
        dialogo.EsLote = Lote;
        dialogo.EsSerie = Serie;
        dialogo.EsTalle = Talle;
        dialogo.Deposito = library::gUtilidades().RellenaCodigo(rt::Trim(deposito), 4);
        dialogo.Lotes = SeriesLoteAnt;
        dialogo.Series = CantidadANT;
      }))
    return;
  if (!pasos.run([&] { CuentaLotesEnGrilla(Grilla, Articulo, dialogo.LotesExistentes, dialogo.SeriesExistentes); }))
    return;
  if (!pasos.run([&] { dialogo.CargaDatos(); }) ||
      !pasos.run([&] { dialogo.lblArticulo.Caption = Articulo + QStringLiteral(" - ") + Descripcion; }) ||
      !pasos.run([&] { dialogo.MostrarForm = MostrarForm; }))
    return;
  if (!pasos.run([&] {
        if (MostrarForm) dialogo.Show(ui::vbModal);
        else dialogo.CmdAceptar_Click();
      }))
    return;
  if (!pasos.run([&] { SeriesLoteNvo = dialogo.Lotes; }) || !pasos.run([&] { CantidadesNVO = dialogo.Series; }) ||
      !pasos.run([&] { Cantidad = dialogo.Cantidad; }))
    return;
  pasos.run([&] { dialogo.Unload(); });
}

void ClsCmnCptes::CuentaLotesEnGrilla(const ui::FlexGrid& Grilla, const QString& Articulo, QString& LotesEnGrid,
                                      QString& CantidadesEnGrid) {
  LotesEnGrid.clear();
  CantidadesEnGrid.clear();
  for (int i = 1; i < Grilla.Rows(); ++i) {
    if (!rt::EqualsText(Grilla.TextMatrix(i, articulos::IdArticulo), Articulo)) continue;
    Agrega(LotesEnGrid, Grilla.TextMatrix(i, articulos::NroLote));
    Agrega(CantidadesEnGrid, Grilla.TextMatrix(i, articulos::NroSerie));
  }
}

int32_t ClsCmnCptes::Busca_Lotes_Series(const QString& PipeSeriesLotes, const QString& QueSerieLote) const {
  return numbering::Busca_Lotes_Series(PipeSeriesLotes, QueSerieLote);
}

}  // namespace vouchers
