#include "platform/ui/Operator.h"

#include <algorithm>

#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Form.h"
#include "platform/ui/KeyCodes.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/TabControl.h"
#include "platform/ui/Toolbar.h"
#include "platform/ui/ListView.h"
#include "platform/ui/TreeView.h"

namespace ui::op {

namespace {
// Focus for a click: the click goes on only when the focus is where it
// should be (a refusal in Validate swallows the click).
bool focusForClick(Control& c) { return !c.takesFocus() || focus(c); }

CommandButton* buttonWith(Form& form, Property<bool> CommandButton::*flag) {
  for (Control* c : form.controls())
    if (auto* b = dynamic_cast<CommandButton*>(c); b && (b->*flag)() && b->available()) return b;
  return nullptr;
}
}  // namespace

bool focus(Control& control) { return control.available() && control.form().moveFocus(control); }

void click(Control& control) {
  if (!control.available() || !focusForClick(control)) return;
  if (auto* check = dynamic_cast<CheckBox*>(&control)) {
    check->Value = check->Value() == 1 ? 0 : 1;
  } else if (auto* option = dynamic_cast<OptionButton*>(&control)) {
    if (option->Value()) option->Click();
    else option->Value = true;
  } else {
    control.Click();
  }
}

void type(TextBox& box, const QString& text) {
  if (!box.available() || !focus(box) || box.Locked()) return;
  box.Text = box.MaxLength() > 0 ? text.left(box.MaxLength()) : text;
  box.SelStart = static_cast<int>(box.Text().size());
  box.SelLength = 0;
}

void choose(ComboBox& combo, int index) {
  if (!combo.available() || !focus(combo)) return;
  combo.ListIndex = index;
}

void clickCell(FlexGrid& grid, int row, int col) {
  if (!grid.available() || !focus(grid)) return;
  grid.setCurrentCell(row, col);
  grid.Click();
}

int keyDown(Control& control, int keyCode, int shift) {
  Form& form = control.form();
  const bool onButton = dynamic_cast<CommandButton*>(&control) != nullptr;
  if (keyCode == key::Return && shift == 0) {
    if (CommandButton* b = onButton ? static_cast<CommandButton*>(&control) : buttonWith(form, &CommandButton::Default)) {
      click(*b);
      return 0;
    }
  }
  if (keyCode == key::Escape && shift == 0) {
    if (CommandButton* b = buttonWith(form, &CommandButton::Cancel)) {
      click(*b);
      return 0;
    }
  }
  if (form.KeyPreview()) {
    form.Form_KeyDown(keyCode, shift);
    if (keyCode == 0) return 0;
  }
  control.KeyDown(keyCode, shift);
  return keyCode;
}

int keyPress(Control& control, int keyAscii) {
  control.KeyPress(keyAscii);
  return keyAscii;
}

void keyUp(Control& control, int keyCode, int shift) { control.KeyUp(keyCode, shift); }

void key(Control& control, int keyCode, int shift, int ascii) {
  if (!control.available()) return;
  if (keyDown(control, keyCode, shift) == 0) return;
  if (ascii != 0) ascii = keyPress(control, ascii);
  if (auto* box = dynamic_cast<TextBox*>(&control); box && ascii >= 32 && !box->Locked()) {
    QString text = box->Text();
    text.replace(box->SelStart(), box->SelLength(), QChar(ascii));
    if (box->MaxLength() == 0 || text.size() <= box->MaxLength()) {
      const int caret = box->SelStart() + 1;
      box->Text = text;
      box->SelStart = caret;
      box->SelLength = 0;
    }
  }
  keyUp(control, keyCode, shift);
}

void clickButton(Toolbar& toolbar, int index) {
  ToolbarButton& button = toolbar.Buttons(index);
  if (toolbar.available() && button.Enabled() && button.Visible()) toolbar.ButtonClick(button);
}

void scroll(HScrollBar& bar, int value) {
  if (!bar.available() || !focus(bar)) return;
  bar.Value = std::clamp(value, bar.lowest(), bar.highest());
}

void chooseTab(TabControl& tabs, int tab) {
  if (!tabs.available() || !tabs.TabVisible(tab) || !focus(tabs)) return;
  tabs.setTab(tab);
}

void close(Form& form) { form.Unload(unload::ControlMenu); }

void clickItem(ListView& list, ListItem& item) {
  if (!list.available() || !focus(list)) return;
  list.setSelectedItem(&item);
  list.ItemClick(item);
  list.Click();
}

void doubleClickItem(ListView& list, ListItem& item) {
  if (!list.available() || !focus(list)) return;
  list.setSelectedItem(&item);
  list.DblClick();
}

void clickColumn(ListView& list, ColumnHeader& header) {
  if (!list.available() || !focus(list)) return;
  list.ColumnClick(header);
}

void checkItem(ListView& list, ListItem& item, bool checked) {
  if (!list.available() || !list.Checkboxes() || !focus(list)) return;
  item.Checked = checked;
  list.ItemCheck(item);
}

bool beginLabelEdit(ListView& list, ListItem& item) {
  if (!list.available() || list.LabelEdit() != ListView::lvwAutomatic || !focus(list)) return false;
  list.setSelectedItem(&item);
  int cancel = 0;
  list.BeforeLabelEdit(cancel);
  return cancel == 0;
}

bool endLabelEdit(ListView& list, ListItem& item, const QString& text) {
  if (!list.available()) return false;
  int cancel = 0;
  QString newText = text;
  list.AfterLabelEdit(cancel, newText);
  if (cancel != 0) return false;
  item.Text = newText;
  return true;
}

void clickNode(TreeView& tree, Node& node) {
  if (!tree.available() || !focus(tree)) return;
  tree.setSelectedItem(&node);
  tree.NodeClick(node);
  tree.Click();
}

void doubleClickNode(TreeView& tree, Node& node) {
  if (!tree.available() || !focus(tree)) return;
  tree.setSelectedItem(&node);
  tree.DblClick();
}

void checkNode(TreeView& tree, Node& node, bool checked) {
  if (!tree.available() || !tree.Checkboxes() || !focus(tree)) return;
  node.Checked = checked;
  tree.NodeCheck(node);
}

}  // namespace ui::op
