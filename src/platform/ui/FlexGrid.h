#pragma once
// The flexible grid: a table of texts with fixed (header) rows and columns,
// a current cell and a selection, per-cell colours and bold, column widths
// in twips (0 hides a column), row heights and column alignments. Most of
// its properties are indexed by row and column, so all are methods: X()
// reads, setX(v) writes. A row or column out of range raises error 381.
// With Redraw off, changes are not announced until it is turned on again.
// LeaveCell is raised before the current cell changes (Row and Col still
// tell the cell being left) and EnterCell after, only when it does change,
// whether the program or the operator moves it; a current cell pulled back
// by rows or columns going away raises neither (the cell left is gone).
#include <QString>
#include <vector>

#include "platform/ui/Control.h"

namespace ui {

struct TwipsRect;

class FlexGrid : public Control {
 public:
  // ColAlignment codes.
  static constexpr int LeftTop = 0, LeftCenter = 1, LeftBottom = 2, CenterTop = 3, CenterCenter = 4,
                       CenterBottom = 5, RightTop = 6, RightCenter = 7, RightBottom = 8, General = 9;
  // Width of a column and height of a row never set, in twips.
  static constexpr int DefaultColWidth = 960, DefaultRowHeight = 240;
  // RemoveItem of the only row below the fixed ones.
  static constexpr long CannotRemoveLastRow = 30015;

  // A cell's colours (0 is the grid's own colour) and weight.
  struct CellFormat {
    Color fore = 0;
    Color back = 0;
    bool bold = false;
    bool operator==(const CellFormat&) const = default;
  };

  FlexGrid(Component& container, QString name, int index = -1);

  // Shape. Growing adds empty cells, shrinking drops the last ones; the
  // other texts, formats and widths stay.
  int Rows() const { return static_cast<int>(rows_.size()); }
  void setRows(int rows);
  int Cols() const { return cols_; }
  void setCols(int cols);
  int FixedRows() const { return fixedRows_; }
  void setFixedRows(int rows);
  int FixedCols() const { return fixedCols_; }
  void setFixedCols(int cols);

  QString TextMatrix(int row, int col) const;
  void setTextMatrix(int row, int col, const QString& text);
  CellFormat cellFormat(int row, int col) const;

  // Current cell (fixed cells included) and the far corner of the selection;
  // setting Row collapses the selection's rows onto it, Col its columns.
  // setCurrentCell moves both at once as the operator does, with one
  // LeaveCell and EnterCell.
  int Row() const { return row_; }
  void setRow(int row);
  int Col() const { return col_; }
  void setCol(int col);
  int RowSel() const { return rowSel_; }
  void setRowSel(int row);
  int ColSel() const { return colSel_; }
  void setColSel(int col);
  void setCurrentCell(int row, int col);

  // The current cell's text and format.
  QString Text() const;
  void setText(const QString& text);
  Color CellForeColor() const;
  void setCellForeColor(Color c);
  Color CellBackColor() const;
  void setCellBackColor(Color c);
  bool CellFontBold() const;
  void setCellFontBold(bool bold);

  // -1 restores the default.
  int ColWidth(int col) const;
  void setColWidth(int col, int twips);
  int RowHeight(int row) const;
  void setRowHeight(int row, int twips);
  int ColAlignment(int col) const;
  void setColAlignment(int col, int alignment);

  // First row and column shown below and beside the fixed ones.
  int TopRow() const { return topRow_; }
  void setTopRow(int row);
  int LeftCol() const { return leftCol_; }
  void setLeftCol(int col);

  // Empties every cell, fixed ones too, and their formats; shape, widths,
  // heights and alignments stay.
  void Clear();
  // A new row at `index` (the end when -1) whose cells take the
  // tab-separated texts of `item` from column 0 on.
  void AddItem(const QString& item, int index = -1);
  // Removes a row below the fixed ones; the last such row cannot go.
  void RemoveItem(int index);

  bool Redraw() const { return redraw_; }
  void setRedraw(bool redraw);
  // Shows the grid as it stands now, with Redraw on or off.
  void Refresh();

  // The current cell's place and size in twips from the grid's top-left
  // corner, as the host lays the grid out: a box laid over the cell goes to
  // Left + CellLeft, Top + CellTop. Fixed rows and columns, TopRow and
  // LeftCol and hidden columns count; a cell scrolled out of sight lies
  // outside the grid's own width and height.
  int CellLeft() const;
  int CellTop() const;
  int CellWidth() const;
  int CellHeight() const;
  // The same from the widths and heights alone, without grid lines: fixed
  // rows and columns first, then the rows from TopRow and the columns from
  // LeftCol (a cell before those at a negative offset).
  TwipsRect laidOutCell() const;

  Event<> LeaveCell;
  Event<> EnterCell;

  bool takesFocus() const override { return true; }

 private:
  struct Cell {
    QString text;
    CellFormat format;
  };
  struct RowData {
    std::vector<Cell> cells;
    int height = -1;
  };

  void checkRow(int row) const;
  void checkCol(int col) const;
  Cell& current();
  const Cell& current() const;
  void clampCursor();
  void moveCurrent(int row, int col, int rowSel, int colSel);
  void announce(const PropertyChange& change);

  std::vector<RowData> rows_;
  int cols_ = 2;
  int fixedRows_ = 1;
  int fixedCols_ = 1;
  std::vector<int> colWidths_;
  std::vector<int> colAlignments_;
  int row_ = 1, col_ = 1, rowSel_ = 1, colSel_ = 1;
  int topRow_ = 1, leftCol_ = 1;
  bool redraw_ = true;
};

}  // namespace ui
