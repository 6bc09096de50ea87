#pragma once
// A fresh program for each test of the voucher class: the core's fixtures
// (scripted host, program folder, fixed clock, fresh core state and suite
// database) with the service connected as a user who is no administrator,
// and a voucher window holding the four grids, their edit boxes, a status
// bar and the tabs of the three entry grids.
#include <QString>
#include <initializer_list>
#include <utility>

#include "platform/ui/Controls.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Form.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/TabControl.h"
#include "support/CoreFixture.h"

namespace testing_support {

class VentanaComprobante : public ui::Form {
 public:
  VentanaComprobante() : ui::Form(QStringLiteral("frmComprobante")) {}
  ui::FlexGrid MSFlexGrid1{*this, QStringLiteral("MSFlexGrid1")};
  ui::FlexGrid MSFlexGrid2{*this, QStringLiteral("MSFlexGrid2")};
  ui::FlexGrid MSFlexGrid3{*this, QStringLiteral("MSFlexGrid3")};
  ui::FlexGrid MSFlexGrid4{*this, QStringLiteral("MSFlexGrid4")};
  ui::TextBox TxtEdit{*this, QStringLiteral("TxtEdit")};
  ui::TextBox txtEdit2{*this, QStringLiteral("txtEdit2")};
  ui::TextBox txtEdit3{*this, QStringLiteral("txtEdit3")};
  ui::StatusBar StatB{*this, QStringLiteral("StatB")};
  ui::TabControl SSTab1{*this, QStringLiteral("SSTab1")};
};

// Cells of one line: column and text.
using Linea = std::initializer_list<std::pair<int, QString>>;

// Puts the line before the grid's last (entry) row.
void AgregaLinea(ui::FlexGrid& grilla, Linea celdas);
// A grid of a title row, the lines and the entry row.
void Lineas(ui::FlexGrid& grilla, int columnas, std::initializer_list<Linea> lineas);

class VoucherDatabase : public CoreDatabase {
 protected:
  void SetUp() override;
  // A row of the configuration table.
  void config(const QString& clave, const QString& valor);
  // The lines of the error log.
  QStringList errorLog() const;

  VentanaComprobante ventana;
};

}  // namespace testing_support
