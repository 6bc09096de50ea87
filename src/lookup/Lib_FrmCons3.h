#pragma once
// The list lookup window: the caller sets the public variables (above all
// the statement in SQL) and shows it modally; the window builds a column
// and a search box per field, lists the rows, lets the operator find rows
// by typing, re-query with a LIKE condition (F5), sort by a column, tick
// rows, type quantities and report an article missing from stock (F12),
// and hides itself on accept or cancel, leaving ValorDevuelto, Valores and
// Cantidades to be read back before the caller unloads it.
//
// With SQL empty the load lists nothing, and a caller fills the list
// itself (the service's check and pick lists).
#include <QString>
#include <QStringList>
#include <optional>

#include "platform/ado/Recordset.h"
#include "platform/runtime/Variant.h"
#include "platform/suite/Utilidades.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ControlArray.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Form.h"
#include "platform/ui/ListView.h"
#include "platform/ui/ScrollBar.h"

namespace data_access {
class DB_Dll;
}

namespace lookup {

class Lib_FrmCons3 : public ui::Form {
 public:
  Lib_FrmCons3();

  // ---- Public variables, in the suite's order.
  // Colours of an article row by stock level (a colour value, or blank).
  rt::Variant StkNivel1, StkNivel2, StkNivel3, StkNivel4;
  // "SI" (any case) colours article rows by stock.
  QString MuestraStock;
  QString SQL;
  // Header of the column whose value is returned.
  QString CampoDevuelto;
  // Headers of the columns whose values a single choice returns in Valores.
  std::optional<QStringList> CmpsDevueltos;
  bool CheckBoxes = false;
  // Not used by the window.
  QString gConnString;
  rt::Variant ValorDevuelto;
  // Initial text of the first search box.
  QString FiltroInicial;
  // Not used by the window.
  QString CampoBusqueda;
  // Sort the list after filling it.
  bool OrdenarPorLwv = false;
  std::optional<QStringList> Valores;
  // Made empty at every load. With UsaCantidades and a "Cantidad" column,
  // accept rebuilds it beside Valores: the quantity of each returned row
  // ("2", "3.5": "." for the decimal point, no trailing zeros).
  std::optional<QStringList> Cantidades;
  // Insert, Delete and Shift+Insert change the "Cantidad" column.
  bool UsaCantidades = false;
  // Values whose rows a check list ticks at load; "@10" widens the columns.
  QString ValoresDefault;
  // F5 searches the text anywhere in the column (otherwise at its start).
  bool CfgUsaConsultaLIKE = false;
  // Save the column widths in the width file at unload.
  bool GrabarCfg = false;
  // Read through gDBAuxiliar() (when its caller connected it) instead of gDB().
  bool UsarUDBC = false;

  // ---- Controls.
  ui::PictureBox picFields{*this, "picFields"};
  ui::ControlArray<ui::ComboBox> CmbSearch{picFields, "CmbSearch", {0}};
  ui::ListView ListView1{picFields, "ListView1"};
  ui::HScrollBar HScroll1{*this, "HScroll1"};
  ui::Frame Frame1{*this, "Frame1"};
  ui::CommandButton CmdAceptar{Frame1, "CmdAceptar"};
  ui::CommandButton CmdCancelar{Frame1, "CmdCancelar"};
  ui::CommandButton CmdNueva{Frame1, "CmdNueva"};

  // ---- Public methods.
  // Places the search boxes over their columns and sizes the list, the
  // panel, the scroll bar and the window from the column widths.
  void CalcularAncho();
  // Adds every remaining row of the open recordset (there is no paging:
  // both arguments are accepted and not used).
  void Leer(long Cdesde, long Cuantas);
  // A column and a search box per field of the open recordset.
  void Encolumnar();
  // Index of the first item whose text in `Columna` (0 the item's own,
  // n its sub-item n) begins with `QueValor`, both trimmed, without regard
  // to case; 0 when none.
  long Busqueda(int Columna, const QString& QueValor);
  // 1-based number of the first column headed `Columna` (trimmed, any
  // case); 0 when none.
  int16_t IndiceColumna(const QString& Columna) const;

  // ---- Event procedures.
  void Form_Load() override;
  void Form_Resize() override;
  void Form_KeyDown(int& KeyCode, int Shift) override;
  void Form_Unload(int& Cancel) override;
  void CmdAceptar_Click();
  void CmdCancelar_Click();
  void CmdNueva_Click();
  void CmbSearch_Change(int Index);
  void CmbSearch_KeyDown(int Index, int& KeyCode, int Shift);
  void CmbSearch_GotFocus(int Index);
  void CmbSearch_LostFocus(int Index);
  void ListView1_KeyDown(int& KeyCode, int Shift);
  void ListView1_KeyPress(int& KeyAscii);
  void ListView1_ColumnClick(ui::ColumnHeader& ColumnHeader);
  void HScroll1_Change();

 private:
  // The load's work, run again by F5 and "Nueva Busqueda".
  void Carga();
  data_access::DB_Dll& servicio() const;
  // The text of column `n` of an item (1 its own text); "" for 0.
  QString valorColumna(ui::ListItem& item, int n) const;
  void setValorColumna(ui::ListItem& item, int n, const QString& valor);
  // The quantity keys on the selected row's "Cantidad" cell.
  void cambiaCantidad(int KeyCode, int Shift);
  void informaFaltante(ui::ListItem& item);
  // The search boxes over their columns, as far as the list shows them.
  void ubicaBusquedas();
  // The smallest the window is let be: its title and buttons whole, a few
  // rows of the list in view.
  int anchoMinimo() const;
  int altoMinimo() const;
  // The column-width file.
  void LeeAnchoColumnas();
  void GrabaAnchoColumnas();

  QString SQLInicial;
  QString SQLBase;
  QString SQLCola;
  // The statement's table (the word after its first "from"), by which the
  // widths are saved.
  QString NombreTabla;
  bool EsArticulos = false;
  int16_t IndiceBusqueda = 0;
  ado::Recordset rs_;
  suite::Utilidades utilidades_;
};

}  // namespace lookup
