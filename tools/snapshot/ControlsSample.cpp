#include "ControlsSample.h"

#include "platform/ui/Controls.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Form.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/TabControl.h"
#include "platform/ui/Toolbar.h"

namespace {

class MuestraControles : public ui::Form {
 public:
  MuestraControles() : ui::Form(QStringLiteral("MuestraControles")) {
    Caption = QStringLiteral("Posiciones (Deposito: 1)");
    BorderStyle = 3;
    Move(0, 0, 8400, 5700);
    ImageList1.ListImages.Add(0, QStringLiteral("Llenar"), QStringLiteral(":/snapshot/pictures/llenar.png"));
    ImageList1.ListImages.Add(0, QStringLiteral("Blanquear"), QStringLiteral(":/snapshot/pictures/blanquear.png"));
    ImageList1.ListImages.Add(0, QStringLiteral("Proponer"), QStringLiteral(":/snapshot/pictures/proponer.png"));
    Toolbar1.ImageList = &ImageList1;
    // The bars lie across the client area, at its top and at its bottom.
    Toolbar1.Move(0, 0, ScaleWidth(), 420);
    Toolbar1.Buttons.Add(0, QString(), QString(), 1).ToolTipText =
        QStringLiteral("Llenar las demas celdas con el valor de las seleccionadas");
    Toolbar1.Buttons.Add(0, QString(), QString(), 2).ToolTipText =
        QStringLiteral("Blanquear las Celdas a partir de la celda seleccionada");
    Toolbar1.Buttons.Add(0, QString(), QString(), 3).ToolTipText = QStringLiteral("Proponer Automaticamente");

    SSTab1.Move(120, 480, 8000, 330);
    SSTab1.setTabCaption(0, QStringLiteral("Tareas"));
    SSTab1.setTabCaption(1, QStringLiteral("Artículos"));
    SSTab1.setTabCaption(2, QStringLiteral("Otros Conceptos"));
    SSTab1.setTab(1);

    lblArticulo.Move(120, 900, 8000, 255);
    lblArticulo.Caption = QStringLiteral("Tornillo Autoperforante 8 X 1");
    MSFlexGrid1.Move(120, 1200, 8000, 2640);
    fillGrid();
    HScroll1.Move(120, 3900, 8000, 255);
    HScroll1.Max = 100;
    HScroll1.LargeChange = 20;
    HScroll1.Value = 30;

    StatB.Move(0, ScaleHeight() - 330, ScaleWidth(), 330);
    StatB.Panels.Add(0, QString(), QStringLiteral("Renglón 3 de 7")).Width = 1800;
    StatB.Panels.Add(0, QStringLiteral("Stock"), QStringLiteral("Stock: 12")).Width = 1500;
    StatB.Panels.Add(0, QString(), QStringLiteral("TOR-8X1 - Tornillo Autoperforante 8 X 1"));

    TxtEdit.Visible = false;
    MSFlexGrid1.setRow(3);
    MSFlexGrid1.setCol(4);
  }

  // The edit box open on the current cell, as the lot dialogs open it once
  // the grid is on screen.
  void openEditBox() {
    TxtEdit.Text = QStringLiteral("2");
    TxtEdit.SelStart = 1000;
    TxtEdit.Move(MSFlexGrid1.Left() + MSFlexGrid1.CellLeft(), MSFlexGrid1.Top() + MSFlexGrid1.CellTop(),
                 MSFlexGrid1.CellWidth(), MSFlexGrid1.CellHeight());
    TxtEdit.Visible = true;
    TxtEdit.ZOrder();
    TxtEdit.SetFocus();
  }

 private:
  void fillGrid() {
    ui::FlexGrid& g = MSFlexGrid1;
    g.setRows(8);
    g.setCols(5);
    const char* headers[] = {"POSICION", "LOTE", "UNIDAD", "DISPONIBLE", "CANT."};
    const int widths[] = {1500, 1500, 1000, 1500, 1200};
    for (int c = 0; c < 5; ++c) {
      g.setTextMatrix(0, c, QString::fromUtf8(headers[c]));
      g.setColWidth(c, widths[c]);
    }
    g.setColAlignment(0, ui::FlexGrid::CenterTop);
    g.setColAlignment(1, ui::FlexGrid::CenterTop);
    const char* rows[][5] = {{"A-01-1", "L0012", "UN", "3", "3"},  {"A-01-2", "L0012", "UN", "4", "0"},
                             {"A-02-1", "L0013", "UN", "5", "0"},  {"B-01-1", "L0013", "UN", "12", "0"},
                             {"B-03-2", "L0020", "UN", "1", "0"},  {"C-01-1", "L0021", "UN", "8", "0"},
                             {"DEPOSITO 1", "", "", "20", "0"}};
    for (int r = 0; r < 7; ++r)
      for (int c = 0; c < 5; ++c) g.setTextMatrix(r + 1, c, QString::fromUtf8(rows[r][c]));
  }

  ui::ImageList ImageList1{*this, QStringLiteral("ImageList1")};
  ui::Toolbar Toolbar1{*this, QStringLiteral("Toolbar1")};
  ui::TabControl SSTab1{*this, QStringLiteral("SSTab1")};
  ui::Label lblArticulo{*this, QStringLiteral("lblArticulo")};
  ui::FlexGrid MSFlexGrid1{*this, QStringLiteral("MSFlexGrid1")};
  ui::TextBox TxtEdit{*this, QStringLiteral("TxtEdit")};
  ui::HScrollBar HScroll1{*this, QStringLiteral("HScroll1")};
  ui::StatusBar StatB{*this, QStringLiteral("StatB")};
};

}  // namespace

bool captureControlsSample(const Capture& capture) {
  return capture(QStringLiteral("MuestraControles"), [] {
    MuestraControles muestra;
    muestra.Show();
    muestra.openEditBox();
    muestra.Show(ui::vbModal);
  });
}
