#pragma once
// The list, tree and grid views draw the text of their cells and column
// headers a pixel in from each side (the desktop style leaves three in a
// cell and four in a header), and a cell's text that would not fit so
// takes the whole cell: the windows size their columns as the width of n
// capital X, and such a column shows n digits whole while keeping the
// model's width on screen. Asked for the cell margin with a cell's style
// options, the views' style answers the margin that cell is drawn with.
class QAbstractItemView;

namespace qt {

void useNarrowCellMargins(QAbstractItemView& view);

}  // namespace qt
