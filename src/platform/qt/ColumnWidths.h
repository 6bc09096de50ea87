#pragma once
// The columns of the list, tree and grid views as the windows size them:
// the windows give their columns as the width of n capital X, and such a
// column keeps that width on screen, however narrow, and shows n digits
// whole. Cells and column headers draw their text a pixel in from each side
// (the desktop style leaves three in a cell and four in a header), and a
// cell's text that would not fit so takes the whole cell. Asked for the
// cell margin with a cell's style options, the views' style answers the
// margin that cell is drawn with.
class QAbstractItemView;

namespace qt {

void keepColumnsAsSized(QAbstractItemView& view);

}  // namespace qt
