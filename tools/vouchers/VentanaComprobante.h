#pragma once
// A voucher window of the suite as the demo shows it, for the gallery and
// the snapshots: the tab row of the entry grids, the task, article and
// other-concept grids, the totals grid and a status bar, laid out by the
// voucher class for a voucher type and filled with sample lines whose
// articles are found by the article search. The reference box adds a line
// by any reference the search takes (code, barcode, DUN, "3*code", scale
// barcode, supplier codes on a purchase voucher). It needs gDB() connected
// to a database holding the demo rows of DemoComprobantes.h.
#include <QString>

#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Form.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/TabControl.h"
#include "vouchers/ClsCmnCptes.h"

namespace demo {

class VentanaComprobante : public ui::Form {
 public:
  VentanaComprobante();

  ui::Label lblTipo{*this, QStringLiteral("lblTipo")};
  ui::ComboBox cboTipo{*this, QStringLiteral("cboTipo")};
  ui::Label lblReferencia{*this, QStringLiteral("lblReferencia")};
  ui::TextBox txtReferencia{*this, QStringLiteral("txtReferencia")};
  ui::Label lblResultado{*this, QStringLiteral("lblResultado")};
  ui::TabControl SSTab1{*this, QStringLiteral("SSTab1")};
  ui::Label lblTareas{*this, QStringLiteral("lblTareas")};
  ui::FlexGrid MSFlexGrid1{*this, QStringLiteral("MSFlexGrid1")};
  ui::Label lblArticulos{*this, QStringLiteral("lblArticulos")};
  ui::FlexGrid MSFlexGrid2{*this, QStringLiteral("MSFlexGrid2")};
  ui::Label lblOtros{*this, QStringLiteral("lblOtros")};
  ui::FlexGrid MSFlexGrid3{*this, QStringLiteral("MSFlexGrid3")};
  ui::Label lblTotales{*this, QStringLiteral("lblTotales")};
  ui::FlexGrid MSFlexGrid4{*this, QStringLiteral("MSFlexGrid4")};
  ui::TextBox TxtEdit{*this, QStringLiteral("TxtEdit")};
  ui::TextBox txtEdit2{*this, QStringLiteral("txtEdit2")};
  ui::TextBox txtEdit3{*this, QStringLiteral("txtEdit3")};
  ui::StatusBar StatB{*this, QStringLiteral("StatB")};

  // Lays the grids out for TC (FC, FCC or AJP) and fills them with the
  // sample lines and their totals by rubro.
  void Muestra(const QString& TC);
  // Adds the article of `referencia` as a line, which becomes the current
  // one; false (and a notice in lblResultado) when the search finds none.
  bool AgregaArticulo(const QString& referencia);
  // Shows TC in the type box, leaving the grids as they are; a type the
  // window cannot lay out (a loaded voucher's) stays in the list until the
  // next Muestra.
  void NombraTipo(const QString& TC);

 private:
  void ubica();
  void totaliza();

  vouchers::ClsCmnCptes cpte_;
  QString tc_;
  bool nombrandoTipo_ = false;
};

// Shows the window modally for the voucher type TC: what the gallery calls.
void MuestraVentanaComprobante(const QString& TC);

}  // namespace demo
