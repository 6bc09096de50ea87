#pragma once
// One recording of a voucher's stock movements (ClsCmnCptes::ActualizaStock):
// its arguments as normalised, the settings read once, the working state of
// the passes, and the steps that the flow, the rows and the discharge share.
#include <QHash>
#include <QString>
#include <functional>
#include <vector>

#include "numbering/ComprobantesStock.h"
#include "platform/runtime/Currency.h"
#include "platform/runtime/StepRunner.h"

namespace ui {
class FlexGrid;
}

namespace stock {

// What one item of a line writes: its lot and serial (trimmed, "" for
// none) and its quantity before the sign; a quantity of 0 writes no row.
struct Item {
  QString Lote;
  QString Serie;
  double Cantidad = 0;
};

// What a line writes in its base unit: nothing for a weighed line without
// one; otherwise the unit and the whole line's quantity in it, signed.
struct UnidadBase {
  bool Escribe = false;
  QString Unidad;  // padded to 4
  rt::Currency Total;
};

class Grabacion {
 public:
  // What the rows wrote of each line (grid row), signed as its column 7; a
  // line missing wrote nothing.
  using Escritas = QHash<int32_t, rt::Currency>;
  // The entry of a line (fila > 0, immediate mode) or of the whole grid
  // (fila 0), valuing what the rows wrote: its statements; `Nuevo` takes a
  // fresh entry number.
  using Asentador =
      std::function<QString(int32_t fila, int16_t tipoMov, bool nuevo, int16_t& secuencia, const Escritas& escritas)>;
  // The voucher already has an entry (told to the operator).
  using Cargado = std::function<bool()>;

  // ---- The call.
  Grabacion(ui::FlexGrid& grilla, QString& sqlTemp, Asentador asentador, Cargado cargado)
      : Grilla(grilla),
        SQLTemp(sqlTemp),
        Asienta(std::move(asentador)),
        YaCargado(std::move(cargado)),
        Pasos(&Grabacion::Trampa) {}

  ui::FlexGrid& Grilla;
  QString TC, SucNroLetra, IdComplemento, Fecha;
  // By reference: as normalised (SQL literals, "NULL", or "ELDELGRID" for
  // the deposit), then as the rows leave them.
  QString IdDeposito, IdDepositoDestino, IdMotivoStock, TcOrigen, ComprobanteOrigen;
  bool EsTransferencia = false;
  QString Cuenta;
  bool Acumula = false;
  QString& SQLTemp;
  QString IdTecnico, LoteFijo, Aduana, LoteOrigen, IdVendedor;
  int16_t SignoRemota = 0;
  bool MuestraCartel = false;
  float SecuenciaFija = 0;
  bool DebitoProveedor = false;
  double PIVA = 0;
  int LenDesc = 100;
  Asentador Asienta;
  Cargado YaCargado;

  // The voucher's movements: true when recorded; false when refused or
  // stopped (what a stop wrote is the caller's to undo).
  bool Registra();

  // ---- What the rows and the discharge share.
  // The error trap of the recording: the status window closed, then the
  // error dialog "ActualizaStock" (4 retry, 5 go on, other leave).
  static int Trampa(const rt::Error& error);
  rt::StepRunner Pasos;
  // A step under the trap; false once the recording is to be left.
  template <class Step>
  bool Paso(Step&& step) {
    return Pasos.run(std::forward<Step>(step));
  }
  // Lets pending events run, under the trap.
  bool Cede();
  // Accumulate mode appends the statement after a CR; immediate mode runs
  // it at once and stops on a database error (reported), or when fewer than
  // `filas` rows were written (a row the database dropped without an
  // error). False to stop.
  bool Graba(const QString& sentencia, int filas = 0);

  // The deposit literal of a line: the line's column 6, else `Argumento`
  // ("ELDELGRID" standing for the configured default), else NULL.
  QString DepositoDeLinea(int fila, const QString& Argumento) const;
  // The motive literal of a line's rows: column 86 (then the configured
  // default, then NULL) when the motive is taken per line, else the
  // argument; the argument keeps the code without apostrophes.
  QString MotivoDeLinea(int fila);
  // The row's supplier account: `Cuenta`, or with "PorDefault" the
  // article's; "NULL" for none.
  QString CuentaDeArticulo(const QString& IdArticulo);
  // The article's cost in the master.
  rt::Currency CostoDeArticulo(const QString& IdArticulo);

 private:
  // One line of one pass as it is to be written.
  struct LineaAGrabar {
    int pasada = 1;
    int16_t signo = 1;
    int fila = 0;
    std::vector<Item> items;
    UnidadBase base;
    std::vector<rt::Currency> partesBase;  // each item's share of the base quantity
    rt::Currency cantidad;                 // the line's (column 7)
    rt::Currency suma;                     // what its items add up to
  };
  // Every line of every pass, read before anything is written. A line that
  // cannot be read is asked about once; going on leaves it out. False to
  // leave the recording.
  bool Planifica(int pasadas, std::vector<LineaAGrabar>& plan);
  // Every line's rows add up to its quantity (as four-place amounts); the
  // first that does not is told to the operator, naming it: false.
  bool CuadranLasLineas(const std::vector<LineaAGrabar>& plan) const;
  // The items of a line in the pass the recording stands in.
  std::vector<Item> Items(int fila);
  // The items of an incoming line of serials: one unit each, signed as the
  // line, "serial*units" in the asterisk format that many; a lone serial on
  // a line that is not whole carries the line.
  std::vector<Item> ItemsDeSeries(int fila, double linea);
  // What the line writes in its base unit moving with `signo`, read once for
  // all its rows; the discharge's made article writes it against the sign.
  UnidadBase BaseDeLinea(int fila, int16_t signo) const;
  // The line's quantity in its base unit (column 74): its size, signed as
  // the line's quantity, whatever sign the cell was typed with.
  rt::Currency CantidadBase(int fila) const;
  // Each item's share of the line's base quantity `base`, signed, in
  // proportion to its quantity, rounded cumulatively: rows that add up to
  // the line add up to its base quantity, and no part is of the sign
  // opposite to its exact share's.
  std::vector<rt::Currency> PartesBase(int fila, const UnidadBase& base, const std::vector<Item>& items) const;
  // The row of `item`, writing `cantidadUD` in the line's base unit `base`.
  QString Renglon(int fila, const Item& item, const UnidadBase& base, rt::Currency cantidadUD);
  bool DescargaInsumos();
  // The discharge of the components of the lines with `signo`, into the
  // deposit `destino` ("" : each line's own), under `identidad` (taken at
  // the first line with components).
  bool Descarga(QString& identidad, int16_t signo, const QString& destino);
  QString RenglonInsumo(int fila, const QString& identidad, int16_t signo, const QString& deposito,
                        const QString& IdInsumo, const QString& Unidad, double cantidad, const QString* lote,
                        bool porcentaje);
  int16_t TipoAsientoStock() const;

  // Settings and state of the passes.
  QString depositoDefault_;  // literal or NULL
  QString motivoDefault_;    // the configured code, trimmed
  bool depositoDelGrid_ = false, motivoDelGrid_ = false, tcOrigenDelGrid_ = false, cpteOrigenDelGrid_ = false;
  bool compras_ = false, equivalente_ = false, produccion_ = false, asterisco_ = false;
  int16_t signo_ = -1;
  int pasada_ = 1;
  float secuencia_ = 0;
  QString cuentaFila_;  // the account of the last row written
  bool comodato_ = false;
  // What each line's rows wrote, in its first pass (the one its entry
  // values): the entry values it, and the discharge takes only lines in it.
  Escritas escritas_;
  // What the master says of an article, read once per recording: nothing
  // the recording writes changes it.
  QHash<QString, QString> cuentasProveedor_;
  QHash<QString, rt::Currency> costos_;
  QHash<QString, std::vector<numbering::ItemStock>> insumos_;
};

}  // namespace stock
