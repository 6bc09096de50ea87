#pragma once
// A form with a list view, a tree view, their image list and a text box to
// take the focus elsewhere, recording the events the lists raise.
#include <QStringList>

#include "platform/ui/Controls.h"
#include "platform/ui/Form.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ListView.h"
#include "platform/ui/TreeView.h"

class ListsForm : public ui::Form {
 public:
  ListsForm() : ui::Form("frmListas") {
    Caption = "Listas";
    Move(0, 0, 9000, 6000);
    txtBuscar.Move(120, 120, 3000, 315);
    ListView1.Move(120, 600, 5000, 4000);
    TreeV.Move(5300, 600, 3400, 4000);
    ListView1.Click = [this] { log << "ListView1_Click"; };
    ListView1.DblClick = [this] { log << "ListView1_DblClick"; };
    ListView1.ItemClick = [this](ui::ListItem& item) { log << "ListView1_ItemClick " + item.Text(); };
    ListView1.ItemCheck = [this](ui::ListItem& item) {
      log << QStringLiteral("ListView1_ItemCheck %1 %2").arg(item.Text()).arg(item.Checked());
    };
    ListView1.ColumnClick = [this](ui::ColumnHeader& header) { log << "ListView1_ColumnClick " + header.Text(); };
    TreeV.Click = [this] { log << "TreeV_Click"; };
    TreeV.DblClick = [this] { log << "TreeV_DblClick"; };
    TreeV.NodeClick = [this](ui::Node& node) { log << "TreeV_NodeClick " + node.Key(); };
    TreeV.NodeCheck = [this](ui::Node& node) {
      log << QStringLiteral("TreeV_NodeCheck %1 %2").arg(node.Key()).arg(node.Checked());
    };
  }

  QStringList log;

  ui::TextBox txtBuscar{*this, "txtBuscar"};
  ui::ImageList ImageList1{*this, "ImageList1"};
  ui::ListView ListView1{*this, "ListView1"};
  ui::TreeView TreeV{*this, "TreeV"};
};
