// The voucher class's lot, serial and position requests: each fills a new
// lot dialog, shows it and hands its lists back.
#include <functional>

#include "core/Configuration.h"
#include "lots/FrmCargaLotesySeries.h"
#include "lots/FrmLoteyPosicion.h"
#include "numbering/ColumnasGrillas.h"
#include "numbering/ListasSeriesLotes.h"
#include "numbering/Valores.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/FlexGrid.h"
#include "vouchers/ClsCmnCptes.h"

namespace vouchers {

namespace {

// Appends a list to another as one list: its opening "|" goes when the other
// already holds items.
void Agrega(QString& lista, const QString& otra) { lista += lista.isEmpty() ? otra : otra.mid(1); }

// A request's road, each step under the request's trap: the dialog's
// variables, its data, the caller's caption, the dialog shown, the results
// read back, the dialog unloaded. A step left by the operator ends it there
// (false).
bool Recorre(const QString& rutina, std::initializer_list<std::function<void()>> pasos) {
  rt::StepRunner trampa = numbering::Trampa(rutina);
  for (const std::function<void()>& paso : pasos)
    if (!trampa.run(paso)) return false;
  return true;
}

}  // namespace

void ClsCmnCptes::PideSerieLote(const QString& Articulo, double Cantidad, const QString& SerieAnt,
                                const QString& LoteAnt, QString& SerieNvo, QString& LoteNvo, bool Serie, bool Lote,
                                bool Talle) {
  if (Cantidad == 0) {
    SerieNvo.clear();
    LoteNvo.clear();
    return;
  }
  lots::FrmCargaLotesySeries dialogo;
  Recorre(QStringLiteral("PideSerieLote"),
          {[&] {
             dialogo.Cantidad = Cantidad;
             dialogo.EsSerie = Serie;
             dialogo.EsLote = Lote;
             dialogo.EsTalle = Talle;
             dialogo.Articulo = Articulo;
             dialogo.SeriesAnteriores = SerieAnt;
             dialogo.LotesAnteriores = LoteAnt;
           },
           [&] { dialogo.CargaDatos(); }, [&] { dialogo.lblArticulo.Caption = Articulo; },
           [&] { dialogo.Show(ui::vbModal); }, [&] { SerieNvo = dialogo.Series; }, [&] { LoteNvo = dialogo.Lotes; },
           [&] { dialogo.Unload(); }});
}

void ClsCmnCptes::PideSerieLote_Salidas(const ui::FlexGrid& Grilla, const QString& Articulo,
                                        const QString& Descripcion, double& Cantidad, const QString& SeriesLoteAnt,
                                        const QString& CantidadANT, QString& SeriesLoteNvo, QString& CantidadesNVO,
                                        bool Lote, bool Serie, bool Talle, QString* Deposito, bool MostrarForm) {
  QString sinDeposito;
  QString& deposito = Deposito ? *Deposito : sinDeposito;
  if (deposito.isEmpty() && !Recorre(QStringLiteral("PideSerieLote_Salidas"),
                                     {[&] { deposito = core::Cfg(QStringLiteral("DepositoDefault")); }}))
    return;
  if (Cantidad == 0) return;
  lots::FrmCargaLotesySeries dialogo;
  Recorre(QStringLiteral("PideSerieLote_Salidas"),
          {[&] {
             dialogo.Cantidad = Cantidad;
             dialogo.Articulo = Articulo;
             dialogo.EsConsultaDeSerieLote = true;
             dialogo.EsLote = Lote;
             dialogo.EsSerie = Serie;
             dialogo.EsTalle = Talle;
             dialogo.Deposito = suite::gUtilidades().RellenaCodigo(rt::Trim(deposito), 4);
             dialogo.Lotes = SeriesLoteAnt;
             dialogo.Series = CantidadANT;
           },
           [&] { CuentaLotesEnGrilla(Grilla, Articulo, dialogo.LotesExistentes, dialogo.SeriesExistentes); },
           [&] { dialogo.CargaDatos(); },
           [&] { dialogo.lblArticulo.Caption = Articulo + QStringLiteral(" - ") + Descripcion; },
           [&] { dialogo.MostrarForm = MostrarForm; },
           [&] {
             if (MostrarForm) dialogo.Show(ui::vbModal);
             else dialogo.CmdAceptar_Click();
           },
           [&] { SeriesLoteNvo = dialogo.Lotes; }, [&] { CantidadesNVO = dialogo.Series; },
           [&] { Cantidad = dialogo.Cantidad; }, [&] { dialogo.Unload(); }});
}

void ClsCmnCptes::CuentaLotesEnGrilla(const ui::FlexGrid& Grilla, const QString& Articulo, QString& LotesEnGrid,
                                      QString& CantidadesEnGrid) {
  LotesEnGrid.clear();
  CantidadesEnGrid.clear();
  for (int i = 1; i < Grilla.Rows(); ++i) {
    if (!rt::EqualsText(Grilla.TextMatrix(i, numbering::articulos::IdArticulo), Articulo)) continue;
    Agrega(LotesEnGrid, Grilla.TextMatrix(i, numbering::articulos::NroLote));
    Agrega(CantidadesEnGrid, Grilla.TextMatrix(i, numbering::articulos::NroSerie));
  }
}

void ClsCmnCptes::PidePosicionLote(const QString& Articulo, const QString& IdUnidad, double& Cantidad,
                                   const QString& Deposito, const QString& PosicionAnt, const QString& LoteAnt,
                                   QString& PosicionNVO, QString& LoteNvo, bool Posicion, bool Lote) {
  if (Cantidad == 0) {
    PosicionNVO.clear();
    LoteNvo.clear();
    return;
  }
  lots::FrmLoteyPosicion dialogo;
  Recorre(QStringLiteral("PidePosicionLote"),
          {[&] {
             dialogo.Cantidad1 = Cantidad;
             dialogo.EsConsultaDePosicionLote = !PosicionAnt.isEmpty() || !LoteAnt.isEmpty();
             dialogo.EsPosicion = Posicion;
             dialogo.EsLote = Lote;
             dialogo.IUNIDAD = IdUnidad;
             dialogo.Articulo = Articulo;
             dialogo.Deposito = Deposito;
             dialogo.PosicionesAnteriores = PosicionAnt;
             dialogo.LotesAnteriores = LoteAnt;
           },
           [&] { dialogo.CargaDatos(); }, [&] { dialogo.lblArticulo.Caption = Articulo; },
           [&] { dialogo.Show(ui::vbModal); }, [&] { PosicionNVO = dialogo.Posiciones; },
           [&] { LoteNvo = dialogo.Lotes; }, [&] { Cantidad = dialogo.Cantidad1; }, [&] { dialogo.Unload(); }});
}

int32_t ClsCmnCptes::Busca_Lotes_Series(const QString& PipeSeriesLotes, const QString& QueSerieLote) const {
  return numbering::Busca_Lotes_Series(PipeSeriesLotes, QueSerieLote);
}

}  // namespace vouchers
