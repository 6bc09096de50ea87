#pragma once
// The flexible grid on screen: a table view over the grid model. The fixed
// rows are the view's header (their texts one per line), fixed columns are
// drawn in the header colour and cannot be selected; cell colours, bold,
// column widths (0 hides), row heights, alignments and the current cell and
// selection follow the model. Changes are gathered and shown once per pass
// of the event loop, so filling thousands of rows stays quick. The view
// never searches by typed letters; the operator's scrolling moves TopRow
// and LeftCol, and the program's TopRow and LeftCol scroll the view (fixed
// columns scroll with the others). A current cell the program moves does
// not scroll the view, one the operator moves does.
#include <QWidget>
#include <optional>

namespace ui {
class FlexGrid;
struct TwipsRect;
}

namespace qt {

class Binding;
class FormWindow;

Binding* bindFlexGrid(ui::FlexGrid& grid, QWidget* parent, FormWindow& window);
// The grid's current cell as its view shows it, in twips from the view's
// top-left corner; nothing when `binding` is not a grid's or its view is
// not on screen.
std::optional<ui::TwipsRect> shownCurrentCell(Binding& binding);

}  // namespace qt
