// The window itself: its controls, the selection handed back, cancelling,
// sorting and the keys. The search is in ConsultaCptes.cpp, the columns and
// pictures in ColumnasComprobantes.cpp.
#include "lookup/FrmConsComprobantes.h"

#include "platform/runtime/Text.h"
#include "platform/ui/KeyCodes.h"

namespace lookup {

FrmConsComprobantes::FrmConsComprobantes() : ui::Form(QStringLiteral("FrmConsComprobantes")) {
  Caption = QStringLiteral("Consulta de Comprobantes");
  BorderStyle = 3;
  Move(0, 0, 7260 + nonClientWidth(), 4995 + nonClientHeight());

  TxtNombre.Text = QStringLiteral("Buscar por nombre...");
  TxtNombre.ToolTipText = QStringLiteral("Ingrese parte del nombre buscado");
  TxtNombre.Move(0, 60, 2415, 285);
  TxtNumero.Text = QStringLiteral("Buscar por Numero...");
  TxtNumero.ToolTipText = QStringLiteral("Ingrese parte del numero buscado");
  TxtNumero.Move(2475, 60, 2415, 285);
  CmdBuscar.Caption = QStringLiteral("&Buscar");
  CmdBuscar.Move(4950, 30, 2265, 345);

  LlenaImagenes();
  ListView1.Move(0, 480, 7215, 4095);
  ListView1.Icons = &ImageList1;
  ListView1.SmallIcons = &ImageList1;
  ListView1.ColumnHeaderIcons = &ImageList1;

  CmdAceptar.Caption = QStringLiteral("&Aceptar");
  CmdAceptar.Move(3060, 4620, 2055, 375);
  CmdCancelar.Caption = QStringLiteral("&Cancelar");
  CmdCancelar.Move(5160, 4620, 2055, 375);

  ListView1.TabIndex = 0;
  CmdAceptar.TabIndex = 1;
  CmdCancelar.TabIndex = 2;
  TxtNombre.TabIndex = 3;
  TxtNumero.TabIndex = 4;
  CmdBuscar.TabIndex = 5;

  CmdBuscar.Click = [this] { CmdBuscar_Click(); };
  CmdAceptar.Click = [this] { CmdAceptar_Click(); };
  CmdCancelar.Click = [this] { CmdCancelar_Click(); };
  ListView1.DblClick = [this] { ListView1_DblClick(); };
  ListView1.KeyDown = [this](int& KeyCode, int Shift) { ListView1_KeyDown(KeyCode, Shift); };
  ListView1.ColumnClick = [this](ui::ColumnHeader& h) { ListView1_ColumnClick(h); };
  ListView1.BeforeLabelEdit = [this](int& Cancel) { ListView1_BeforeLabelEdit(Cancel); };
  ListView1.AfterLabelEdit = [this](int& Cancel, QString& s) { ListView1_AfterLabelEdit(Cancel, s); };
  TxtNombre.GotFocus = [this] { TxtNombre_GotFocus(); };
  TxtNumero.GotFocus = [this] { TxtNumero_GotFocus(); };
  TxtNombre.KeyPress = [this](int& k) { TxtNombre_KeyPress(k); };
  TxtNumero.KeyPress = [this](int& k) { TxtNumero_KeyPress(k); };
}

void FrmConsComprobantes::Form_Load() { ConsultaCptes(); }

// While the list fills, the window stays: it closes once the fill stops.
void FrmConsComprobantes::Form_QueryUnload(int& Cancel, int) {
  if (!buscando_) return;
  Cancel = 1;
  Pide(Pedido::Cerrar);
}

// The next showing starts from the caller's TC again.
void FrmConsComprobantes::Form_Unload(int&) {
  ListView1.ListItems.Clear();
  clave_ = tcEscrito_ = QString();
  Hide();
}

void FrmConsComprobantes::CmdBuscar_Click() { ConsultaCptes(); }

void FrmConsComprobantes::CmdAceptar_Click() { Seleccion(); }

void FrmConsComprobantes::CmdCancelar_Click() { Unload(); }

void FrmConsComprobantes::ListView1_DblClick() { Seleccion(); }

void FrmConsComprobantes::ListView1_KeyDown(int& KeyCode, int) {
  if (KeyCode == ui::key::Return) Seleccion();
}

void FrmConsComprobantes::ListView1_ColumnClick(ui::ColumnHeader& ColumnHeader) {
  ListView1.Sorted = true;
  ListView1.SortKey = ColumnHeader.Index() - 1;
  ListView1.SortOrder =
      ListView1.SortOrder() == ui::ListView::lvwAscending ? ui::ListView::lvwDescending : ui::ListView::lvwAscending;
}

void FrmConsComprobantes::ListView1_BeforeLabelEdit(int& Cancel) { Cancel = 1; }

void FrmConsComprobantes::ListView1_AfterLabelEdit(int& Cancel, QString&) { Cancel = 1; }

// Typing replaces the prompt (or the text searched for last).
void FrmConsComprobantes::TxtNombre_GotFocus() {
  TxtNombre.SelStart = 0;
  TxtNombre.SelLength = rt::Len(rt::Trim(TxtNombre.Text()));
}

void FrmConsComprobantes::TxtNumero_GotFocus() {
  TxtNumero.SelStart = 0;
  TxtNumero.SelLength = rt::Len(rt::Trim(TxtNumero.Text()));
}

void FrmConsComprobantes::TxtNombre_KeyPress(int& KeyAscii) {
  if (KeyAscii == ui::key::Return) TxtNumero.SetFocus();
}

void FrmConsComprobantes::TxtNumero_KeyPress(int& KeyAscii) {
  if (KeyAscii == ui::key::Return) CmdBuscar.SetFocus();
}

void FrmConsComprobantes::Pide(Pedido pedido) {
  if (pedido_ == Pedido::Ninguno) pedido_ = pedido;
}

void FrmConsComprobantes::Seleccion() {
  if (buscando_) return Pide(Pedido::Aceptar);
  const ui::ListItem* fila = ListView1.SelectedItem();
  if (!fila) {
    NroComprobante = QString();
  } else if (rt::OneOfText(TC, {"OT", "NP", "FC", "RM", "ND", "NC", "NCFP", "OP", "FP", "GF"})) {
    NroComprobante = fila->SubItems(1);
    IdComplemento = fila->SubItems(2);
  } else if (rt::OneOfText(TC, {"FCC", "NCC", "NCPE", "NDPR", "NCCP", "NDC", "RMC"})) {
    NroComprobante = fila->SubItems(1);
    Proveedor = fila->SubItems(2);
  } else if (rt::OneOfText(TC, {"PR"})) {
    NroComprobante = fila->SubItems(1);
    IdComplemento = QStringLiteral("0");
  } else if (rt::OneOfText(TC, {"T3"})) {
    NroComprobante = fila->Text();
    IdComplemento = QStringLiteral("0");
  } else if (rt::OneOfText(TC, {"OC"})) {
    QStringList tildados;
    for (int i = 1; i <= ListView1.ListItems.Count(); ++i)
      if (ListView1.ListItems(i).Checked()) tildados << ListView1.ListItems(i).SubItems(2);
    NroComprobante = tildados.isEmpty() ? fila->SubItems(2) : tildados.join(u',');
    IdComplemento = QStringLiteral("0");
  } else {
    NroComprobante = fila->SubItems(1);
  }
  Unload();
}

}  // namespace lookup
