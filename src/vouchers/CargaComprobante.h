#pragma once
// One load of a stored voucher into the grids of a voucher window
// (ClsCmnCptes::AsignarDatosComprobante): the state every section reads,
// set up at the start of the call and dropped at its end. The frame, the
// loading loop, the task and other-concept rows are in
// CargaComprobante.cpp; the article rows in CargaArticulos.cpp; the
// timber-yard measures in MedidasArticulos.cpp, with the merge of equal
// lines of ConsolidaArticulos.h.
#include <QHash>
#include <QString>
#include <cstdint>
#include <optional>

#include "platform/ado/Recordset.h"
#include "platform/runtime/Currency.h"
#include "platform/ui/FlexGrid.h"
#include "vouchers/ConsolidaArticulos.h"
#include "vouchers/PasosCarga.h"

namespace vouchers {

class ClsCmnCptes;

namespace carga {

// The caller's arguments, as AsignarDatosComprobante takes them.
struct Argumentos {
  const QString& TC;
  const QString& SucNroLetra;
  const QString& IdComplemento;
  ui::FlexGrid& MSFlexGrid1;
  ui::FlexGrid& MSFlexGrid2;
  ui::FlexGrid& MSFlexGrid3;
  ado::Recordset* LrcsCpte;
  bool Compras;
  const QString& Proveedor;
  int16_t* IdRepartoRM;
  bool ConvertirMoneda;
  const QString& WhrTareas;
};

class CargaComprobante {
 public:
  CargaComprobante(ClsCmnCptes& clase, const Argumentos& a);
  // Runs the load to its end, or until a step is answered with leaving.
  void Carga();

 private:
  void cargaTodo();
  // The loading loop of the three grids: each stored line into a row of its
  // own (a new one when the last row already holds a line), then one empty
  // entry row. A set without rows leaves the grid untouched; a failing
  // test or move of the set ends the section.
  void cargaLineas(ado::Recordset& rs, ui::FlexGrid& grilla, void (CargaComprobante::*llenaFila)());
  void LlenaFilaTarea();
  void LlenaFilaOtroConcepto();

  // The article row (CargaArticulos.cpp), in its stretches.
  void LlenaFilaArticulo();
  // What is served of the line: the article's applied quantity shared out
  // over its positive lines in load order, each taking at most its own.
  void cantidadAplicada();
  void reparteAplicada(rt::Currency aplicadaDelArticulo);
  // The sum of the voucher's positive lines of an article (its key form).
  rt::Currency lineasPositivas(const QString& articulo);
  void valoresLinea();
  void datosMaestro();
  void ivaLotesYPrecios();
  // Timber-yard sales (MedidasArticulos.cpp): measures, price unit and
  // amount, then the merge into an equal earlier row.
  void medidas();

  // ---- Cells: every write goes to the grid's last row, each one a step of
  // the trap.
  template <class Valor>
  void escribe(ui::FlexGrid& grilla, int columna, Valor&& valor);
  void copia(ui::FlexGrid& grilla, int columna, ado::Recordset& rs, const char* campo);
  static int fila(const ui::FlexGrid& grilla);

  // ---- Fields. A field's text is its Null-safe value, trimmed.
  static rt::Variant valor(ado::Recordset& rs, const char* campo);
  static QString texto(ado::Recordset& rs, const char* campo);
  // The Null-safe value as an amount or number: an empty one raises 13.
  static rt::Currency monto(ado::Recordset& rs, const char* campo);
  static double numero(ado::Recordset& rs, const char* campo);
  // The field times the header's exchange rate when the load converts
  // (exact amounts); otherwise its text.
  QString convertido(ado::Recordset& rs, const char* campo);
  rt::Currency convierte(rt::Currency importe);
  // The header's IdReparto is -1: the voucher is delivered by distribution.
  bool entregaPorReparto();

  ClsCmnCptes& clase_;
  const Argumentos& a_;
  PasosCarga pasos_;

  // Set once per call.
  QString prefijo_;
  QString condicion_;
  bool esCompras_ = false;  // the type's SISTEMA is COMPRAS
  bool descargaStockRemitos_ = false;
  bool entregaParcial_ = true;
  bool devolucion_ = false;  // IdRepartoRM came in as -98
  ado::Recordset cabecera_, tareas_, articulos_, otros_;
  ado::Recordset maestro_, precios_;  // reused line after line
  ConsolidacionArticulos consolidacion_;

  // Per article (key form, case folded): its positive lines, read once
  // when first needed, and what its earlier lines took of what is applied.
  std::optional<QHash<QString, rt::Currency>> positivas_;
  QHash<QString, rt::Currency> repartida_;

  // Set afresh for every article row.
  bool pideDeposito_ = false;
  double aplicada_ = 0;  // what is already served of the line
};

template <class Valor>
void CargaComprobante::escribe(ui::FlexGrid& grilla, int columna, Valor&& valor) {
  pasos_([&] { grilla.setTextMatrix(fila(grilla), columna, valor()); });
}

}  // namespace carga
}  // namespace vouchers
