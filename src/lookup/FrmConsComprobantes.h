#pragma once
// The voucher search window, "Consulta de Comprobantes": the stored vouchers
// of one type (optionally the pending ones only), narrowed by part of the
// name or of the number, one row each with the picture of its type or
// state; the operator picks one (purchase orders: ticks several) and the
// window hands back its number and its complement or supplier.
//
//   FrmConsComprobantes ventana;
//   ventana.TC = "RM/PENDIENTES";   // a type code or a type key
//   ventana.Filtro = "";            // a condition of the caller, or ""
//   ventana.NroComprobante = "";
//   ventana.Show(ui::vbModal);      // the load runs the first search
//   ... ventana.NroComprobante, ventana.IdComplemento, ventana.Proveedor
//
// "&Aceptar" (a double click, Enter on the list) takes the selected row and
// unloads the window; "&Cancelar" and the close box unload it and leave
// the results as they were. Each search writes the plain code of a type key
// back to TC ("RM/PENDIENTES" reads "RM" afterwards); the window keeps the
// key while it is loaded, so "&Buscar" searches the pending vouchers again.
//
// The list fills row by row, letting events run after each one. Meanwhile
// "&Buscar" is not taken, and "&Aceptar", "&Cancelar" or the close box end
// the fill after the current row and then act on the rows listed so far.
#include <QString>

#include "platform/ado/Recordset.h"
#include "platform/runtime/StepRunner.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Form.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ListView.h"

namespace lookup {

class FrmConsComprobantes : public ui::Form {
 public:
  FrmConsComprobantes();

  // ---- Request and answer.
  // A condition of the caller, joined to the statement with " AND " where
  // it takes one; for "OC" and "FP" a leading word WHERE is dropped (and
  // stays dropped here).
  QString Filtro;
  // A voucher type code ("FC", "OC", ...) or a type key ("RM/PENDIENTES"...).
  QString TC;
  // The chosen voucher's number ("" when none); for purchase orders the
  // numbers of the ticked rows joined by ",".
  QString NroComprobante;
  // Its complement (sales); "0" for "PR", "T3" and "OC".
  QString IdComplemento;
  // The supplier's account of a purchase voucher.
  QString Proveedor;

  // ---- Controls, in the window's order.
  ui::TextBox TxtNombre{*this, QStringLiteral("TxtNombre")};
  ui::TextBox TxtNumero{*this, QStringLiteral("TxtNumero")};
  ui::CommandButton CmdBuscar{*this, QStringLiteral("CmdBuscar")};
  ui::ImageList ImageList1{*this, QStringLiteral("ImageList1")};
  ui::ListView ListView1{*this, QStringLiteral("ListView1")};
  ui::CommandButton CmdAceptar{*this, QStringLiteral("CmdAceptar")};
  ui::CommandButton CmdCancelar{*this, QStringLiteral("CmdCancelar")};

  // One search: empties the list, lays its columns out for TC and lists
  // what the statement of TC, Filtro and the two boxes finds. Errors go to
  // the service's error dialog (4 retry, 5 next step, other: the rows so
  // far). Not taken while a search is filling the list.
  void ConsultaCptes();
  // The column headers of TC's layout, widths in the window's font; with
  // gUsaReferencia the sales vouchers and budgets show "Referencia". Errors
  // go to the error dialog "Encolumnar".
  void Encolumnar();
  // The index of ImageList1's picture tagged TC (trimmed, any case); the
  // "Generico" one for a type without its own; 0 when neither is there.
  int ObtieneIndiceImagen(const QString& TC) const;

  // Set by each search from "UsaReferenciaPresupuestos"; Encolumnar reads it.
  bool gUsaReferencia = false;

  // ---- Event procedures.
  void Form_Load() override;
  void Form_QueryUnload(int& Cancel, int UnloadMode) override;
  void Form_Unload(int& Cancel) override;
  void CmdBuscar_Click();
  void CmdAceptar_Click();
  void CmdCancelar_Click();
  void ListView1_DblClick();
  void ListView1_KeyDown(int& KeyCode, int Shift);
  void ListView1_ColumnClick(ui::ColumnHeader& ColumnHeader);
  void ListView1_BeforeLabelEdit(int& Cancel);
  void ListView1_AfterLabelEdit(int& Cancel, QString& NewString);
  void TxtNombre_GotFocus();
  void TxtNumero_GotFocus();
  void TxtNombre_KeyPress(int& KeyAscii);
  void TxtNumero_KeyPress(int& KeyAscii);

 private:
  // What the operator asked for while the list was filling, done once the
  // fill has stopped.
  enum class Pedido { Ninguno, Aceptar, Cerrar };

  // Hands back the selected row (or the ticked ones) and unloads.
  void Seleccion();
  void Pide(Pedido pedido);
  // The steps of ConsultaCptes up to the end of the fill.
  void Busca(rt::StepRunner& pasos);
  // One row of the result into the list (or none: a pending order not
  // prepared yet).
  void AgregaFila();
  // The statement's field as text ("" for Null).
  QString Campo(const char* nombre);
  void LlenaImagenes();

  bool gPendientes = false;
  ado::Recordset rs_;
  // The type as the caller gave it, and the plain code the last search
  // wrote back in its place (a TC that differs is the caller's new type);
  // both forgotten when the window unloads.
  QString clave_;
  QString tcEscrito_;
  // A search is running (the list filling, or about to).
  bool buscando_ = false;
  Pedido pedido_ = Pedido::Ninguno;
};

}  // namespace lookup
