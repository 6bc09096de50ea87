#pragma once
// The list view and the tree view on screen, each a tree widget over its
// model (flat for the list). Model changes are gathered and shown once per
// pass of the event loop: a list filled row by row, with a yield per row,
// gets its new rows inserted at each pass instead of the whole view rebuilt.
// Neither view searches by typed letters on its own: the program's key
// handlers do that, and the view's search would move the current row under
// them.
#include <QWidget>

namespace ui {
class ListView;
class TreeView;
}  // namespace ui

namespace qt {

class Binding;
class FormWindow;

Binding* bindListView(ui::ListView& list, QWidget* parent, FormWindow& window);
Binding* bindTreeView(ui::TreeView& tree, QWidget* parent, FormWindow& window);

// Brings every list and tree view up to its model now: a yield does this
// first, since the event loop leaves posted work for later while it runs a
// timer's handler.
void showGatheredChanges();

// What the binding of a list or tree view did so far: passes of the event
// loop in which it brought its view up to the model, and how many of them
// rebuilt the whole view. Zeros for any other widget.
struct RefreshCounts {
  int passes = 0;
  int rebuilds = 0;
};
RefreshCounts refreshCounts(const QWidget& view);

}  // namespace qt
