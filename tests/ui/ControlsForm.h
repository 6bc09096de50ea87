#pragma once
// A form with a toolbar and its image list, a status bar, a tab control, a
// scroll bar and a grid with a floating edit box, recording the events it
// gets.
#include <QStringList>

#include "platform/ui/Controls.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Form.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/TabControl.h"
#include "platform/ui/Toolbar.h"

class ControlsForm : public ui::Form {
 public:
  ControlsForm() : ui::Form("frmControles") {
    Caption = "Controles";
    Move(0, 0, 7200, 5400);
    ImageList1.ListImages.Add(0, "Llenar", ":/a.png");
    ImageList1.ListImages.Add(0, "Blanquear", ":/b.png");
    Toolbar1.ImageList = &ImageList1;
    Toolbar1.Move(0, 0, 7000, 420);
    Toolbar1.Buttons.Add(0, "Llenar", "", 1).ToolTipText = "Llenar las demas celdas con el valor de las seleccionadas";
    Toolbar1.Buttons.Add(0, "Blanquear", "", "blanquear").ToolTipText =
        "Blanquear las Celdas a partir de la celda seleccionada";
    txtDato.Move(120, 480, 2000, 315);
    SSTab1.Move(2400, 480, 4000, 360);
    MSFlexGrid1.Move(120, 960, 6000, 2400);
    TxtEdit.Visible = false;
    HScroll1.Move(120, 3480, 6000, 255);
    StatB.Move(0, 4600, 7000, 315);

    Toolbar1.ButtonClick = [this](ui::ToolbarButton& Button) { log << QStringLiteral("ButtonClick %1").arg(Button.Index); };
    txtDato.LostFocus = [this] { log << "txtDato_LostFocus"; };
    SSTab1.Click = [this] { log << QStringLiteral("SSTab1_Click %1").arg(SSTab1.Tab()); };
    HScroll1.Change = [this] { log << QStringLiteral("HScroll1_Change %1").arg(HScroll1.Value()); };
    MSFlexGrid1.LeaveCell = [this] {
      log << QStringLiteral("LeaveCell %1,%2").arg(MSFlexGrid1.Row()).arg(MSFlexGrid1.Col());
    };
    MSFlexGrid1.EnterCell = [this] {
      log << QStringLiteral("EnterCell %1,%2").arg(MSFlexGrid1.Row()).arg(MSFlexGrid1.Col());
    };
  }

  // The grid's rows below the header hold "a", "b", ... in column 1.
  void fillGrid(int rows, int cols) {
    MSFlexGrid1.setRows(rows);
    MSFlexGrid1.setCols(cols);
    for (int r = 1; r < rows; ++r) MSFlexGrid1.setTextMatrix(r, 1, QString(QChar('a' + (r - 1) % 26)));
  }

  // The edit box laid over the current cell as the lot dialogs lay it.
  void placeEditBox() {
    TxtEdit.Move(MSFlexGrid1.Left() + MSFlexGrid1.CellLeft(), MSFlexGrid1.Top() + MSFlexGrid1.CellTop(),
                 MSFlexGrid1.CellWidth(), MSFlexGrid1.CellHeight());
    TxtEdit.Visible = true;
  }

  QStringList log;

  ui::ImageList ImageList1{*this, "ImageList1"};
  ui::Toolbar Toolbar1{*this, "Toolbar1"};
  ui::TextBox txtDato{*this, "txtDato"};
  ui::TabControl SSTab1{*this, "SSTab1"};
  ui::FlexGrid MSFlexGrid1{*this, "MSFlexGrid1"};
  ui::TextBox TxtEdit{*this, "TxtEdit"};
  ui::HScrollBar HScroll1{*this, "HScroll1"};
  ui::StatusBar StatB{*this, "StatB"};
};
