#pragma once
// What the two lot dialogs share: their controls and the in-grid editor
// through which the operator types into the grid, whose cells take no
// typing of their own.
//
// A key typed on an editable cell opens the floating box TxtEdit exactly over
// that cell (the grid is scrolled first, so the box never floats over
// another one). A confirming key hands the text to the dialog's CampoValida;
// unless it is refused the text goes into the cell and the current cell
// moves: Enter to the next editable column or the same column of the next
// row, Up and Down a row; Escape drops the text without any check. Clicking
// another cell or giving the grid the focus writes the text unchecked, so
// accept checks every cell the operator changed again by the same rule; a
// cell the dialog filled itself (its proposal, the restored picks) and left
// as it was is checked against its row's stock alone, so a proposed fraction
// or a negative line's quantity passes. Accept, F2 and the toolbar first pass
// an open box through the confirming path. The toolbar copies or clears the
// column below the current cell, only on the columns an edit can start on.
//
// The two dialogs differ in a few points (Diferencias), fixed by each, and in
// the columns their mode lays out (Columnas), set by their InicializaGrid.
#include <QString>
#include <map>
#include <optional>
#include <utility>
#include <vector>

#include "platform/runtime/Currency.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Form.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/Toolbar.h"

namespace lots {

class DialogoConEditor : public ui::Form {
 public:
  // The grid's columns by role, as the dialog's mode lays them out.
  struct Columnas {
    // An edit starts only on these columns (never on a fixed row or
    // column); Enter on the last one goes to the same column of the next
    // row.
    int primeraEditable = 1;
    int ultimaEditable = 1;
    // The quantity column (its box has the data field "Cantidad"; checked,
    // summed and proposed) and the stock column the proposals read; -1 none.
    int cantidad = -1;
    int stock = -1;
    // The column whose blank cells CompletaTodoIgual fills; -1 none.
    int copia = -1;
  };

  // What tells one dialog's editor from the other's.
  struct Diferencias {
    // Run-time errors EditKeyCode passes over without a word.
    std::vector<long> erroresOmitidos;
    // What toolbar button 2 writes below the current cell.
    QString blanqueo;
    // Enter on the last data row gives the focus to CmdAceptar (otherwise
    // it goes back to the first editable column).
    bool aceptarAlFinal = false;
    // Toolbar button 3 proposes every quantity again.
    bool botonProponer = false;
  };

  static constexpr const char* kTituloAviso = "Aviso al Operador";
  static constexpr const char* kTituloPregunta = "Aviso al Operador!!!";

  ui::ImageList ImageList1{*this, QStringLiteral("ImageList1")};
  ui::Toolbar Toolbar1{*this, QStringLiteral("Toolbar1")};
  ui::Label lblArticulo{*this, QStringLiteral("lblArticulo")};
  ui::FlexGrid MSFlexGrid1{*this, QStringLiteral("MSFlexGrid1")};
  ui::TextBox TxtEdit{*this, QStringLiteral("TxtEdit")};
  ui::CommandButton CmdAceptar{*this, QStringLiteral("CmdAceptar")};
  ui::CommandButton CmdCancelar{*this, QStringLiteral("CmdCancelar")};

  // Opens the box over the current cell for the key typed on the grid: a
  // printable character starts a new value, a control character or the
  // blank opens the cell's value with the caret at its end.
  void MsflexGridEdt(ui::FlexGrid& MsFlexGrid, ui::TextBox& Edt, int KeyAscii);
  // The box's data field, maximum length and tag for column `Col`.
  void Text_Propiedades(ui::TextBox& Texto, int Col);
  // Moves the current cell for a confirmed key (13, 27, 38, 40).
  void EditKeyCode(ui::FlexGrid& MsFlexGrid, ui::TextBox& Edt, int KeyCode, int Shift);
  // Blank cells of the copy column take the first row's value.
  void CompletaTodoIgual();
  // The quantity column's sum, leaving row `MenosCual` out (-1: none).
  rt::Currency SumaFilas(int MenosCual);
  // The sum equals the requested quantity.
  bool ValidaCantidadCantidadPedida();

  // Places rows 1 to last in the quantity column from the requested
  // quantity, row after row up to each row's stock; what does not fit stays
  // unplaced.
  void DistribuyeCantidad();
  // Every column as wide as its longest text (header included) in capital
  // Xs, and one X more; empty and hidden columns keep their width.
  void AjustaAnchoColumnas();

  // Checks the box's text for the current cell; sets ErrorEnCampo and shows
  // the refusal when it does not pass.
  void CampoValida(ui::TextBox& Texto);
  virtual void CmdAceptar_Click() = 0;
  // Hides the dialog; its results stay as they are.
  void CmdCancelar_Click();

  // The suite's preparation and look of a window.
  void Form_Load() override;
  // Shows the notice of codes left out the first time the dialog shows.
  void propertyChanged(ui::Prop prop) override;
  // The close box acts as Cancelar.
  void Form_QueryUnload(int& Cancel, int UnloadMode) override;

 protected:
  DialogoConEditor(QString nombre, Diferencias diferencias);

  // The requested quantity of the voucher line.
  virtual rt::Currency CantidadPedida() const = 0;
  // The refusal of quantity text `texto` (trimmed) on row `fila`; nothing
  // when it passes. `propia`: the dialog wrote the value itself, which only
  // the row's stock may refuse.
  virtual std::optional<QString> RevisaCantidad(const QString& texto, int fila, bool propia) = 0;
  // What a text typed on a column without data field asks; nothing by
  // default.
  virtual void EntradaValida(const QString& texto);

  // An open box goes through the confirming path: false when its text is
  // refused (the box stays open), true once it is in its cell or when no
  // box was open.
  bool CierraEdicion();
  // The check of a value on row `fila`, a quantity or not: no separator,
  // and a quantity RevisaCantidad's; nothing when it passes.
  std::optional<QString> RechazoDeValor(const QString& texto, int fila, bool cantidad, bool propia);
  // Every editable cell passes its check (RechazoDeValor), as typed unless
  // the dialog filled it itself and it is unchanged; at the first that does
  // not, its cell becomes current and the refusal is shown.
  bool RevisaCeldas();
  // A cell the dialog fills itself (a proposal, a restored pick).
  void Propone(int fila, int columna, const QString& texto);
  // The grid emptied, and with it what the dialog had filled.
  void LimpiaGrilla();
  // The quantity column's sum against the request `pedida`: equal passes;
  // above or below it the operator is asked whether to adjust the request
  // (Yes makes it the sum), except that a sum below it with `mostrado` false
  // only shows `avisoMenor`. A No shows what the sum must come to.
  bool SumaAceptada(double& pedida, bool mostrado, const QString& avisoMenor);
  // The current cell scrolled into sight.
  void MuestraCeldaActual(ui::FlexGrid& grilla);
  // The current cell moved to the first editable column of row 1, when
  // there is such a row.
  void VaAPrimeraCelda();
  // ErrorEnCampo set and the refusal shown.
  void Rechaza(const QString& mensaje);
  // What the dialog tells, once, when it shows (the codes it does not
  // offer); "" for nothing.
  void AvisaAlMostrar(const QString& aviso) { avisoAlMostrar_ = aviso; }

  Columnas columnas;
  bool ErrorEnCampo = false;

 private:
  void TxtEdit_KeyPress(int& KeyAscii);
  void TxtEdit_KeyDown(int& KeyCode, int Shift);
  void Toolbar1_ButtonClick(ui::ToolbarButton& Button);
  // The box's text into the cell being left or the current cell.
  void MSFlexGrid1_Commit();
  void SiguienteFila(ui::FlexGrid& grilla);
  // `columna` kept within the editable columns.
  int ColumnaEditable(int columna) const;

  Diferencias diferencias_;
  QString avisoAlMostrar_;
  // The cells the dialog filled, with what it wrote there.
  std::map<std::pair<int, int>, QString> propuestas_;
};

// The list string of `items`: "|" and every item closed by "|".
QString ListaDeItems(const std::vector<QString>& items);

}  // namespace lots
