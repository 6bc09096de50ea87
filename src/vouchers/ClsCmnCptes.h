#pragma once
// The suite's common voucher class. A voucher form creates one instance,
// hands it the grids it owns (tasks MSFlexGrid1, articles MSFlexGrid2,
// other concepts MSFlexGrid3, totals MSFlexGrid4; their columns are named in
// numbering/ColumnasGrillas.h) and calls its operations; the lot dialogs create an
// instance of their own.
//
// The class spans three layers. It is declared here whole, with all its
// state; each member is defined in the library of the layer that owns it:
// vouchers (this folder: grid layouts, the voucher loader, counts, totals,
// grid helpers, audit rows, related vouchers, the voucher search over the
// lookups' window, the list-string members), stock (src/stock: the stock
// movements, their accounting entry, the voucher sign, stock balances) and
// lots (src/lots: the lot, serial and position requests). A library links
// the ones above it, never the reverse; a program links the library of every
// member it calls. Members are declared in the order of the class's public
// interface.
//
// Grids, edit boxes, status bars and tab controls are the caller's: no
// member keeps any of them between calls. A grid or box passed as a pointer
// may be absent (nullptr): whatever belongs to it is skipped.
#include <QHash>
#include <QString>
#include <cstdint>
#include <vector>

#include "platform/runtime/Currency.h"
#include "platform/runtime/Variant.h"
#include "platform/ui/Colors.h"

namespace ado {
class Recordset;
}

namespace ui {
class FlexGrid;
class Form;
class StatusBar;
class TabControl;
class TextBox;
}  // namespace ui

namespace vouchers {

class FormCargosReales;

class ClsCmnCptes {
 public:
  // Reads the configuration keys PIVA, PIVARec, AsientosXStock and
  // LenDescripcion. A failing read, or a LenDescripcion beyond a 16-bit
  // number (overflow, 6), makes the creation fail with that error.
  ClsCmnCptes();

  // ---- Properties, read and written without checks.
  // True: ObtieneSignoComprobante gives a supplier's debit note (ND) the
  // sign -1. Only the caller sets it.
  bool DebitoProveedor = false;
  // The longest article description written into a stock row: the leading
  // number of LenDescripcion, 100 when that is 0.
  int16_t gLenDesc = 100;

  // ---- The accounting entry of a stock movement (stock).
  // The statements, each after CR LF, of the entry that values at cost the
  // stock movement of the articles grid (of row SoloRegistro alone when it
  // is not 0): a line on the counter account of the motive for the whole
  // amount and one per stock account of the articles on the other side,
  // inserted, or with SoloRegistro added to the line of the same entry,
  // account and side. "" when AsientosXStock is off, the type or kind
  // books no entry, or the entry is refused (with a message where the
  // operator can mend it). The kind TipoMov (0 to 5, 99 the cost of goods
  // sold) decides the cost column, the configured motive and the counter
  // side (EsDebito, handed back); kind 99 numbers a CMV voucher into TC,
  // Suc, Nro and Letra. Secuencia (1 when absent) is the counter line's and
  // comes back as the next free one. Errors go to the error dialog.
  QString GeneraAsientoStock(ui::FlexGrid& Grid, QString& eMotivoStock, QString& TC, QString& Suc, QString& Nro,
                             QString& Letra, const QString& Fecha, bool& EsDebito, int16_t TipoMov,
                             int32_t SoloRegistro = 0, int16_t* Secuencia = nullptr);

  // ---- Grid layouts.
  // Prepares the edit box about to float over a cell of column `Columna`:
  // the field it edits (DataField), the table or view its codes come from
  // (Tag) and its longest text (MaxLength, 0 no limit). The box's name,
  // trimmed and without regard to case, says the grid: TxtEdit tasks;
  // TxtEdit2, TXTAUX1, TXTAUX2, TXTAUX3 articles; TxtEdit3 other concepts.
  // Any other box, or a column that is not edited, is only reset.
  void TextPropiedades(ui::TextBox& Texto, int32_t Columna);
  // Empties the grids given and lays them out for the voucher type TC (its
  // family is the SISTEMA of V_TA_CPTE: VENTAS, COMPRAS or STOCK): rows,
  // columns, titles, widths in `Obj`'s font, alignment, hidden columns, as
  // the configuration keys PideDepositoEnCptes, NoMostrarImportesEnOT,
  // NombreArticulos, V_ListaPreciosPorItemArticulos, ConfirmaUDEquiv,
  // V_DescuentoPorArticulos, ComprasDescuentoPorArticulo and
  // TransporteCombustibles and the timber-yard mode gMaderera say. Every
  // column gets a width, so a grid laid out again shows no column of an
  // earlier layout; a visible column always has its title. The edit boxes
  // float over the grids: TxtEdit and txtEdit2 are hidden, txtEdit3
  // emptied. Errors reach the caller, the grids laid out as far as reached;
  // `Obj` absent while a grid is given raises 424.
  void InicializaGrids(ui::FlexGrid* MSFlexGrid1, ui::FlexGrid* MSFlexGrid2, ui::FlexGrid* MSFlexGrid3,
                       ui::TextBox* TxtEdit, ui::TextBox* txtEdit2, ui::TextBox* txtEdit3, const ui::Form* Obj,
                       const QString& TC = QString(), ui::FlexGrid* MSFlexGrid4 = nullptr);

  // ---- Audit rows and related vouchers.
  // The voucher audit row of V_MV_CPTEACCIONES: the action is A (lEsAlta),
  // else M (lEsModificacion), else B; now, the logged user and this
  // computer. With GeneraSentencia the INSERT comes back in `SentenciaSQL`
  // for the caller's batch and nothing runs; without it, it runs at once. A
  // step that fails is passed over; a failed insert is reported by the
  // service. A complement that is a whole number goes in bare, any other
  // quoted; an entry number that is no number goes in as NULL.
  void ActualizaBuchon(const QString& TC, const QString& SucNroLetra, const QString& IdComplemento, bool lEsAlta,
                       bool lEsModificacion, bool GeneraSentencia = true, QString* SentenciaSQL = nullptr,
                       const QString& NroAsiento = QString());
  // The voucher search window (defined in lookup) over the vouchers of TC,
  // a type code or a key such as "RM/PENDIENTES", and the caller's
  // condition `Filtro` (none when Empty or Null): the operator picks one,
  // and `Respuesta` gets its number ("" when none was picked), the outputs
  // given its complement and supplier as the window hands them back. A
  // fresh window each call. Errors go to the error dialog
  // "ConsultaComprobante".
  void ConsultaComprobante(const QString& TC, QString& Respuesta, const rt::Variant& Filtro = rt::Variant(),
                           QString* IdComplemento = nullptr, QString* Proveedor = nullptr);
  // The sum of the balances of the account's applied charges; errors go to
  // the error dialog "ImporteCargosReales@" (0 when left before the sum).
  rt::Currency ImporteCargosReales(const QString& Cuenta);
  // Hands the customer and the registration to the caller's window and
  // shows it modally.
  void ControlDeCargosReales(FormCargosReales& FrmCtrlCargosReales, const QString& Cliente,
                             const QString& Matricula = QString());
  // True when a sales voucher names this one as its origin; annulled ones
  // count only with TenerEnCuentaAnulados. Errors reach the caller.
  bool EstaRelacionadoAOtroComprobante(const QString& TC, const QString& SucNroLetra,
                                       const QString& Complemento = QStringLiteral("0"),
                                       bool TenerEnCuentaAnulados = false);
  // The total amount of the sales vouchers, not annulled, that name this
  // one as their origin (any complement); a Null amount counts 0. Errors
  // reach the caller.
  rt::Currency ObtieneImporteCptesAsociados(const QString& TC, const QString& SucNroLetra);

  // ---- Stock movements (stock).
  // Records the stock movements of the articles grid: one signed row of
  // V_MV_STOCK per line with article and quantity, and per lot, serial or
  // size item of its lists (columns 21 and 22); transfers and production
  // orders in two passes; then the discharge of the lines' components
  // through a "PE" voucher of its own, and the accounting entry.
  // Immediate mode runs every row at once, with its line's entry lines,
  // inside one transaction: a voucher is recorded whole or not at all
  // (within a caller's transaction, the caller's to end). Accumulate mode
  // (GeneraSentenciaSQL) runs nothing and appends every statement, each
  // after a CR, to SQLTemp, for the caller's batch. "ELDELGRID" as a
  // deposit, motive or origin takes it per line from the grid. HayError
  // tells a voucher refused (no business unit, an unknown type, a call
  // while this instance records another) or stopped (a database error, the
  // error dialog left). The deposit, destination, motive and origin
  // arguments come back in the form the rows wrote them.
  void ActualizaStock(ui::FlexGrid& MSFlexGrid2, const QString& TC, const QString& SucNroLetra,
                      const QString& IdComplemento, const QString& Fecha, QString* IdDeposito = nullptr,
                      QString* IdDepositoDestino = nullptr, QString* IdMotivoStock = nullptr,
                      QString* TcOrigen = nullptr, QString* ComprobanteOrigen = nullptr, bool EsTransferencia = false,
                      const QString& Cuenta = QStringLiteral("PorDefault"), bool GeneraSentenciaSQL = false,
                      QString* SQLTemp = nullptr, bool* HayError = nullptr,
                      const QString& IdTecnico = QStringLiteral("Null"), const QString& LoteFijo = QString(),
                      const QString& Aduana = QString(), const QString& LoteOrigen = QString(), int16_t SignoRemota = 0,
                      bool MuestraCartel = false, const QString& IdVendedor = QString(), float SecuenciaFija = 0);
  // The direction of the voucher type: +1 in (or the VAT book adds), -1
  // out (subtracts), 0 none. The stock reading takes ES of V_TA_CPTE, the
  // VAT-book reading (LibroIVA) its Signo, each falling back on fixed lists
  // of type codes, compared with TC as given. A type missing from V_TA_CPTE
  // is reported and gives 0; errors go to the error dialog.
  int16_t ObtieneSignoComprobante(const QString& TC, bool LibroIVA = false);
  // ---- The voucher loader (CargaComprobante.cpp and its sections).
  // The quantity of the article (its code made 25 wide) still to deliver on
  // the voucher TC + SucNroLetra: what the voucher holds of it less what its
  // stock movements delivered, never below 0. Errors reach the caller.
  double CantRepartoPend(const QString& TC, const QString& SucNroLetra, const QString& IdArticulo);
  // Loads the stored voucher TC + SucNroLetra of the sales set (V_, by its
  // complement IdComplemento) or, with Compras, of the purchases set (C_, by
  // the supplier account Proveedor) into the grids laid out by
  // InicializaGrids: its tasks into MSFlexGrid1 (WhrTareas, opening with its
  // own AND, narrows them), its article lines with what is still to serve
  // into MSFlexGrid2 (equal lines merged in timber-yard sales), its other
  // concepts into MSFlexGrid3; amounts times the header's Cotizacion with
  // ConvertirMoneda. Lines follow what the grids hold, each grid ending with
  // one empty entry row; a grid without lines to load is not touched, nor
  // are the grids of a voucher that is not stored. A complement that is no
  // whole number is compared as text (an empty one finds nothing).
  // IdRepartoRM: -98 in loads a return; out, the header's IdReparto (a
  // purchases type keeps it). LrcsCpte, when given, receives the open header
  // recordset at the end. Inicializar asks for nothing. Errors go to the
  // error dialog "AsignarDatosComprobante" (4 retry, 5 next step, other
  // leave: the grids keep what was loaded, LrcsCpte is untouched).
  void AsignarDatosComprobante(const QString& TC, const QString& SucNroLetra, const QString& IdComplemento,
                               ui::FlexGrid& MSFlexGrid1, ui::FlexGrid& MSFlexGrid2, ui::FlexGrid& MSFlexGrid3,
                               bool Inicializar = false, ado::Recordset* LrcsCpte = nullptr, bool Compras = false,
                               const QString& Proveedor = QString(), int16_t* IdRepartoRM = nullptr,
                               bool ConvertirMoneda = false, const QString& WhrTareas = QString());

  // ---- List strings of lots, serials, positions and quantities (the "|"
  // lists of numbering/ListasSeriesLotes.h, whose rules they follow).
  QString StrSerieLote(const QString& Serie_Lote) const;
  void DescomponeSerieLote(const QString& Serie_Lote, std::vector<QString>& arreglo) const;
  void DescomponePosicionCantidadLote(const QString& Posicion_Lote, const QString& PIPELotes,
                                      std::vector<QString>& ArrPosiciones, std::vector<QString>& ArrCantidades,
                                      std::vector<QString>& ArrLote) const;
  int32_t Cuenta_Series_Lotes(const QString& PipeSeries, const QString& PIPELotes, bool SinConsolidar = false) const;
  QString ExtraeSerieLote(const QString& Serie_Lote, int16_t QuePosicion) const;
  int32_t Cantidad_Series_Lotes(const QString& Pipes) const;
  QString InsertaCHR255(const QString& iPipe) const;

  // ---- Lot, serial and position requests (lots): each shows a new lot
  // dialog modally and hands its "|" lists back. Failures go to the error
  // dialog under the member's name.
  // Serials and/or lots (or size items) of a line that brings goods in; a
  // quantity of 0 empties both lists without asking. Cancel gives empty
  // lists.
  void PideSerieLote(const QString& Articulo, double Cantidad, const QString& SerieAnt, const QString& LoteAnt,
                     QString& SerieNvo, QString& LoteNvo, bool Serie = false, bool Lote = false, bool Talle = false);
  // The stock a line that takes goods out chooses in deposit `Deposito`
  // (blank: the configured DepositoDefault, written back), by lot-serial pair
  // (SeriesLoteNvo) and quantity (CantidadesNVO), less what the grid's other
  // lines of the article take. `Cantidad` comes back adjusted when the
  // operator agreed to. A quantity of 0 changes nothing else; without
  // MostrarForm the choice is accepted as proposed, without the dialog.
  // Cancel or a refused accept hands the earlier lists back.
  void PideSerieLote_Salidas(const ui::FlexGrid& Grilla, const QString& Articulo, const QString& Descripcion,
                             double& Cantidad, const QString& SeriesLoteAnt, const QString& CantidadANT,
                             QString& SeriesLoteNvo, QString& CantidadesNVO, bool Lote, bool Serie, bool Talle,
                             QString* Deposito = nullptr, bool MostrarForm = true);
  // The lot lists (column NroLote) and quantity lists (NroSerie) of every
  // line of the article (letter case ignored), joined into one list each.
  void CuentaLotesEnGrilla(const ui::FlexGrid& Grilla, const QString& Articulo, QString& LotesEnGrid,
                           QString& CantidadesEnGrid);
  // The storage positions (and lots) a line takes its quantity from in
  // deposit `Deposito`, as "|position*quantity|" items (PosicionNVO) and the
  // parallel lots (LoteNvo), balances shown in the line's unit IdUnidad.
  // `Cantidad` comes back adjusted when the operator agreed to. A quantity
  // of 0 empties both lists without asking; cancel gives empty lists. With
  // Lote alone the lots of the deposit are offered, placed or not, and come
  // back with empty positions.
  void PidePosicionLote(const QString& Articulo, const QString& IdUnidad, double& Cantidad, const QString& Deposito,
                        const QString& PosicionAnt, const QString& LoteAnt, QString& PosicionNVO, QString& LoteNvo,
                        bool Posicion = true, bool Lote = false);
  // ---- Stock balances (stock).
  // The balance of the article in IdDeposito (blank: every deposit) in its
  // unit UdBase, and that balance in udEquivBuscada (0 when that is empty).
  // Errors reach the caller, those of the balance read excepted.
  void ObtieneStockxEquiv(const QString& IdDeposito, const QString& IdArticulo, const QString& UdBase,
                          const QString& udEquivBuscada, double& StockUdBase, double& StockEquiv);
  // The balance of the article. Each filter absent (nullptr) or "Ignorar"
  // is off. Without lot and serial: the balance in a unit and deposit, the
  // article's unit and the configured default deposit standing for
  // "Ignorar" (and written back into the caller's variable); a blank
  // deposit sums every deposit. With a lot or a serial: the sum of the lot
  // and serial balances that match every filter given, blank ones left
  // out. Errors go to the error dialog "ObtieneStock" (what was found so
  // far when left).
  double ObtieneStock(const QString& IdArticulo, QString* IdDeposito = nullptr, QString* NroLote = nullptr,
                      QString* NroSerie = nullptr, QString* IdPosicion = nullptr, QString* IdUnidad = nullptr);
  // The 1-based position of an item in a list; 0 when it is not there.
  int32_t Busca_Lotes_Series(const QString& PipeSeriesLotes, const QString& QueSerieLote) const;

  // ---- Line counts. A filled line is a data row whose column 0, trimmed,
  // is not empty; an absent grid counts 0 lines.
  // True when the filled lines of the three grids plus `Agragarle` fit the
  // capacity of TA_CONFIG_IMP_CPTE for TC and Letra (0 or no row: no
  // limit). With LineasAnteriores -1 the capacity is the CantLineas passed
  // in and nothing is read. CantLineas comes back with the capacity,
  // CantLineasUsadas with the lines (untouched without a limit). Errors go
  // to the error dialog "ValidaCantidadLineasCpte" (false when left).
  bool ValidaCantidadLineasCpte(const QString& TC, const QString& Letra, ui::FlexGrid* MSFlexGrid1,
                                ui::FlexGrid* MSFlexGrid2, ui::FlexGrid* MSFlexGrid3, int16_t* CantLineas = nullptr,
                                int16_t* CantLineasUsadas = nullptr, int32_t Agragarle = 0,
                                int16_t LineasAnteriores = 0);
  // The filled lines of the three grids, each count in its output, and the
  // units of the articles: the running total is rounded to a whole number
  // (halves to even) after every line, so 1.4 and 1.4 give 1, then 2.
  // Errors go to the error dialog "CuentaItems&" (0 when left; the outputs
  // keep what was counted).
  int32_t CuentaItems(ui::FlexGrid* MSFlexGrid1, ui::FlexGrid* MSFlexGrid2, ui::FlexGrid* MSFlexGrid3,
                      int32_t* CantTareas = nullptr, int32_t* CantArticulos = nullptr,
                      int32_t* CantOtrosConceptos = nullptr, int32_t* TotUnidades = nullptr);

  // ---- The current line (the grid's Row) in the form's status bar: code
  // and description of a task or an article, the text of a concept.
  void MuestraDetalleTareas(ui::FlexGrid& MSFlexGrid1, ui::StatusBar& StatB);
  // Code - description of the current row into panel `Columna`, then its
  // available stock into the panel keyed "Stock", when there is one. A
  // failing step is passed over.
  void MuestraDetalleArticulos(ui::FlexGrid& MSFlexGrid2, ui::StatusBar& StatB, int32_t Columna = 4);
  void MuestraDetalleOtrosConceptos(ui::FlexGrid& MSFlexGrid3, ui::StatusBar& StatB);
  // `Detalle` into panel `Columna`; 35600 for a panel the bar does not have.
  void MuestraDetalle(const QString& Detalle, ui::StatusBar& StatB, int32_t Columna = 4);

  // ---- The totals grid, rebuilt from the entry grids: one summary line per
  // visible tab of SSTab1 (0 tasks, with their hours; 1 articles, with their
  // units; 2 other concepts), then, after the articles, one line per group
  // of their units (by rubro, by article type, else by article code; the
  // groups stay in gCore().ListaTotalizador). Task hours are summed as
  // minutes and shown as MinutosAHoras writes them. Errors go to the error
  // dialog "TotalizadorControl".
  void TotalizadorControl(ui::FlexGrid& MSFlexGrid1, ui::FlexGrid& MSFlexGrid2, ui::FlexGrid& MSFlexGrid3,
                          ui::FlexGrid& MSFlexGrid4, ui::TabControl& SSTab1, bool AbiertoPorRubro = false,
                          bool AbiertoPorTipo = false);

  // ---- Grid helpers.
  // Colours every cell of row `Fila`; the grid's Col is put back, its Row
  // is left at `Fila`. Errors reach the caller.
  void PintarFila(int32_t Fila, ui::FlexGrid& MsFlexGrid, ui::Color Color = ui::color::Yellow);
  // Colours column `Columna` from FilaDesde to FilaHasta (-1: row 0 and the
  // last row); the grid's Row is put back, its Col left at `Columna`. A
  // failing step is passed over.
  void PintarColuma(int32_t Columna, ui::FlexGrid& MsFlexGrid, int32_t FilaDesde = -1, int32_t FilaHasta = -1,
                    ui::Color Color = ui::color::Yellow);
  // True when a data row other than FilaIgnorar holds the code in column 0
  // (both trimmed, without regard to case); FilaEncontrada gets the first
  // such row and is untouched otherwise. A blank code finds the first blank
  // row, normally the entry row.
  bool TareaRepetida(ui::FlexGrid& MSFlexGrid1, const QString& Tarea, int32_t FilaIgnorar = -1,
                     int32_t* FilaEncontrada = nullptr);
  bool ArticuloRepetido(ui::FlexGrid& MSFlexGrid2, const QString& Articulo, int32_t FilaIgnorar = -1,
                        int32_t* FilaEncontrada = nullptr);
  bool OtrosConceptosRepetidos(ui::FlexGrid& MSFlexGrid3, const QString& OtroConcepto, int32_t FilaIgnorar = -1,
                               int32_t* FilaEncontrada = nullptr);
  // True when the number (its text read with either decimal separator) has
  // a fractional part, at any size. Errors reach the caller.
  bool NumeroEsFraccion(const rt::Variant& Numero);

 private:
  double gPIVA = 0;              // PIVA: the VAT percentage of stock rows
  double gPIVARec = 0;           // PIVARec: loaded, read by no operation
  bool gAsientosXStock = false;  // AsientosXStock "SI": stock movements get their accounting entry

  // ---- Stock entries (stock). An entry is numbered within its series (its
  // month, period and register type): past the entries written and past the
  // last number this instance took in the series, whose entry may still wait
  // in a caller's batch; or (Actual) with the number taken last, when it is
  // of the same series.
  struct AsientoStock {
    int32_t Numero = 0;
    int Mes = 0;
    int Periodo = 0;
    QString TipoReg;
  };
  enum class NumeracionAsiento { Siguiente, Actual };
  // What the stock writer's rows wrote of each articles-grid line, signed as
  // its column 7; a line missing wrote nothing.
  using CantidadesEscritas = QHash<int32_t, rt::Currency>;
  // GeneraAsientoStock's entry. With `Escritas` (the stock writer's call)
  // each line is valued by what its rows wrote, and the writer has already
  // refused a voucher whose entry was loaded before.
  QString ArmaAsientoStock(ui::FlexGrid& Grid, QString& eMotivoStock, QString& TC, QString& Suc, QString& Nro,
                           QString& Letra, const QString& Fecha, bool& EsDebito, int16_t TipoMov,
                           int32_t SoloRegistro, NumeracionAsiento Numeracion, int16_t& Secuencia,
                           const CantidadesEscritas* Escritas = nullptr);
  // The voucher already has entry lines and the type books a stock entry:
  // told to the operator ("El comprobante ya ha Sido Cargado. Asiento MM -
  // NNNNNN"). Also true when the look-up was left at its error dialog.
  bool AsientoYaCargado(const QString& TC, const QString& Suc, const QString& Nro, const QString& Letra);
  // The number of an entry of the series; 0 when the numbering was left at
  // its error dialog.
  int32_t NumeraAsiento(NumeracionAsiento Numeracion, int Mes, int Periodo, const QString& TipoReg);
  // The last number taken in each series, the latest at the back.
  std::vector<AsientoStock> gAsientosStock;
  // ActualizaStock is recording a voucher (it yields to events meanwhile).
  bool gGrabandoStock = false;
};

}  // namespace vouchers
