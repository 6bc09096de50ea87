#include "ListsSample.h"

#include "platform/ui/Form.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ListView.h"
#include "platform/ui/TreeView.h"

namespace snapshot {

namespace {

class frmListas : public ui::Form {
 public:
  frmListas() : ui::Form("frmListas") {
    Caption = "Listas y árboles";
    BorderStyle = 3;
    Move(0, 0, 14160, 4560);
    for (const char* name : {"factura", "anulado", "aprobado", "generico", "columna"})
      ImageList1.ListImages.Add(0, name, QStringLiteral(":/snapshot/pictures/%1.png").arg(QLatin1String(name)), name);
    fillList();
    fillTree();
  }

 private:
  void fillList() {
    ListView1.Move(120, 120, 10080, 3840);
    ListView1.Checkboxes = true;
    ListView1.SmallIcons = &ImageList1;
    ListView1.ColumnHeaderIcons = &ImageList1;
    ListView1.ColumnHeaders.Add("", "FECHA", TextWidth(QString(16, QLatin1Char('X')))).Icon = 5;
    ListView1.ColumnHeaders.Add("", "COMPROBANTE", TextWidth(QString(20, QLatin1Char('X'))));
    ListView1.ColumnHeaders.Add("", "NOMBRE", TextWidth(QString(19, QLatin1Char('X'))));
    ListView1.ColumnHeaders.Add("", "IMPORTE", TextWidth(QString(10, QLatin1Char('X'))), ui::ListView::lvwColumnRight);
    const struct {
      const char* fecha;
      int image;
      const char* comprobante;
      const char* nombre;
      const char* importe;
    } rows[] = {
        {"01/03/2024", 1, "FC A 0001-00000123", "La Esquina SRL", "12.500,00"},
        {"02/03/2024", 2, "FC A 0001-00000124", "Bar El Sol", "0,00"},
        {"04/03/2024", 3, "PR 0001-00000031", "Parrilla Don Juan", "8.340,50"},
        {"05/03/2024", 4, "RM 0001-00000877", "Cafetería Central", "1.275,75"},
        {"06/03/2024", 1, "FC B 0002-00004410", "Pizzería Roma", "-320,00"},
    };
    for (const auto& r : rows) {
      ui::ListItem& item = ListView1.ListItems.Add(0, "", r.fecha, r.image, r.image);
      item.setSubItems(1, r.comprobante);
      item.setSubItems(2, r.nombre);
      item.setSubItems(3, r.importe);
    }
    ListView1.ListItems(1).Checked = true;
    ListView1.ListItems(3).Checked = true;
    ui::ListItem& anulada = ListView1.ListItems(2);
    anulada.ForeColor = ui::color::Red;
    for (int j = 1; j <= 3; ++j) anulada.ListSubItems(j).ForeColor = ui::color::Red;
    ListView1.ListItems(5).ListSubItems(3).Bold = true;
    ListView1.ListItems(3).Selected = true;
  }

  void fillTree() {
    TreeV.Move(10320, 120, 3600, 3840);
    TreeV.Checkboxes = true;
    TreeV.LineStyle = ui::TreeView::tvwRootLines;
    TreeV.Nodes.Add("", 0, "A", "Consulta...").Expanded = true;
    const struct {
      const char* parent;
      const char* code;
      const char* description;
      bool checked;
    } nodes[] = {
        {"A", "01", "Bebidas", false},      {"A01", "0101", "Gaseosas", true},  {"A01", "0102", "Vinos", true},
        {"A0102", "010201", "Tintos", true}, {"A0102", "010202", "Blancos", false}, {"A", "02", "Comidas", false},
        {"A02", "0201", "Minutas", false},   {"A", "03", "Postres", false},
    };
    for (const auto& n : nodes) {
      ui::Node& node = TreeV.Nodes.Add(n.parent, ui::TreeView::tvwChild, QStringLiteral("A") + n.code,
                                       QStringLiteral("%1 - %2").arg(QLatin1String(n.code), QString::fromUtf8(n.description)));
      node.Checked = n.checked;
    }
    for (const char* key : {"A01", "A0102", "A02"}) TreeV.Nodes(key).Expanded = true;
    TreeV.Nodes("A010201").Selected = true;
  }

  ui::ImageList ImageList1{*this, "ImageList1"};
  ui::ListView ListView1{*this, "ListView1"};
  ui::TreeView TreeV{*this, "TreeV"};
};

}  // namespace

void ShowListsSample() {
  frmListas form;
  form.Show(ui::vbModal);
}

}  // namespace snapshot
