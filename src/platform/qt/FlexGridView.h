#pragma once
// The flexible grid on screen: a table view over the grid model. The fixed
// rows are the view's header (their texts one per line), fixed columns are
// drawn in the header colour and cannot be selected; cell colours, bold,
// column widths (0 hides), row heights, alignments and the current cell and
// selection follow the model. Changes are gathered and shown once per pass
// of the event loop, so filling thousands of rows stays quick.
#include <QWidget>

namespace ui {
class FlexGrid;
}

namespace qt {

class Binding;
class FormWindow;

Binding* bindFlexGrid(ui::FlexGrid& grid, QWidget* parent, FormWindow& window);

}  // namespace qt
