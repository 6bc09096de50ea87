#pragma once
// What the operator does to a form, with the events each action raises in
// the desktop's order. The Qt host turns mouse and keyboard input into these
// calls; tests call them directly (inside ScriptedHost::onModal actions).
// Actions on a control that is disabled or hidden do nothing, as on screen.
#include <QString>

namespace ui {
class Control;
class ComboBox;
class FlexGrid;
class Form;
class HScrollBar;
class TabControl;
class TextBox;
class Toolbar;
class ListView;
class ListItem;
class ColumnHeader;
class TreeView;
class Node;
}  // namespace ui

namespace ui::op {

// Tab or a click moves the focus here; the control losing it may refuse in
// Validate. False when the focus did not move.
bool focus(Control& control);

// A mouse click: the focus comes here (when the kind takes it), then the
// control reacts: a check box toggles, an option button is chosen, and
// Click is raised.
void click(Control& control);

// Types `text` over the box's text (a locked box refuses, MaxLength cuts).
void type(TextBox& box, const QString& text);

// Chooses item `index` of a combo box's list.
void choose(ComboBox& combo, int index);

// A click on a grid cell: it becomes the current cell, then Click.
void clickCell(FlexGrid& grid, int row, int col);

// The key-down half of a key press. Enter and Escape press the form's
// default and cancel buttons; any other key goes to Form_KeyDown first when
// the form has KeyPreview, then to the control's KeyDown. Returns the key
// code left after the handlers: 0 means consumed.
int keyDown(Control& control, int keyCode, int shift = 0);
// The character half: KeyPress with the character code; returns the code
// left after the handler (0: the character is dropped).
int keyPress(Control& control, int keyAscii);
void keyUp(Control& control, int keyCode, int shift = 0);
// A whole key press as tests play it: down, the character (when `ascii` is
// not 0) typed into a text box at its caret, up.
void key(Control& control, int keyCode, int shift = 0, int ascii = 0);

// A click on toolbar button `index` (35600 when there is none): ButtonClick
// when the toolbar and the button are enabled and visible. The focus stays
// where it was.
void clickButton(Toolbar& toolbar, int index);

// The operator drags or clicks the scroll bar to `value` (kept in its
// range): the focus comes to the bar, then Value changes.
void scroll(HScrollBar& bar, int value);

// A click on tab `tab` (a hidden one cannot be clicked): the focus comes to
// the tab control, then the tab is chosen.
void chooseTab(TabControl& tabs, int tab);

// The window's close box: Form_QueryUnload with ControlMenu may refuse,
// otherwise the form unloads.
void close(Form& form);

// The list view. A click on an item: the focus comes to the list, the item
// becomes the selected one (the only one without MultiSelect), ItemClick,
// then Click. A double click is a click, then doubleClickItem: DblClick.
void clickItem(ListView& list, ListItem& item);
void doubleClickItem(ListView& list, ListItem& item);
void clickColumn(ListView& list, ColumnHeader& header);
// A tick or untick of an item's box (a click on it, or Space): Checked
// changes, then ItemCheck. Nothing while the list shows no boxes.
void checkItem(ListView& list, ListItem& item, bool checked);
// Editing an item's text in place: the start, which BeforeLabelEdit may
// refuse (and LabelEdit manual always does), and the end, which
// AfterLabelEdit may refuse or change. True when the edit goes on or the
// text changed.
bool beginLabelEdit(ListView& list, ListItem& item);
bool endLabelEdit(ListView& list, ListItem& item, const QString& text);

// The tree view, the same way: NodeClick then Click; DblClick; NodeCheck.
void clickNode(TreeView& tree, Node& node);
void doubleClickNode(TreeView& tree, Node& node);
void checkNode(TreeView& tree, Node& node, bool checked);

}  // namespace ui::op
