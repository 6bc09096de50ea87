#include "platform/ui/FlexGrid.h"

#include <QStringList>
#include <algorithm>

#include "platform/runtime/Error.h"
#include "platform/ui/Host.h"

namespace ui {

namespace {
[[noreturn]] void outOfRange() { rt::raise(rt::err::InvalidPropertyArrayIndex); }

// Offset of `index` along one axis whose first `fixed` parts stay and whose
// others are shown from `first` on; `size` gives each part's extent.
template <class Size>
int offsetOf(int index, int fixed, int first, Size size) {
  int offset = 0;
  for (int i = 0; i < std::min(index, fixed); ++i) offset += size(i);
  if (index < fixed) return offset;
  for (int i = first; i < index; ++i) offset += size(i);
  for (int i = index; i < first; ++i) offset -= size(i);
  return offset;
}
}  // namespace

FlexGrid::FlexGrid(Component& container, QString name, int index)
    : Control(container, std::move(name), index),
      rows_(2, RowData{std::vector<Cell>(2), -1}),
      colWidths_(2, -1),
      colAlignments_(2, General) {
  BackColor.assign(color::WindowBackground);
  ForeColor.assign(color::WindowText);
}

void FlexGrid::checkRow(int row) const {
  if (row < 0 || row >= Rows()) outOfRange();
}

void FlexGrid::checkCol(int col) const {
  if (col < 0 || col >= cols_) outOfRange();
}

void FlexGrid::announce(const PropertyChange& change) {
  if (redraw_) notify(change);
}

void FlexGrid::clampCursor() {
  const int lastRow = std::max(Rows() - 1, 0), lastCol = std::max(cols_ - 1, 0);
  row_ = std::min(row_, lastRow);
  col_ = std::min(col_, lastCol);
  rowSel_ = std::min(rowSel_, lastRow);
  colSel_ = std::min(colSel_, lastCol);
  topRow_ = std::clamp(topRow_, std::min(fixedRows_, lastRow), lastRow);
  leftCol_ = std::clamp(leftCol_, std::min(fixedCols_, lastCol), lastCol);
}

void FlexGrid::setRows(int rows) {
  if (rows < fixedRows_) outOfRange();
  const auto count = static_cast<std::size_t>(rows);
  if (count < rows_.size()) rows_.resize(count);
  while (rows_.size() < count) rows_.push_back({std::vector<Cell>(static_cast<std::size_t>(cols_)), -1});
  clampCursor();
  announce({Prop::Shape});
}

void FlexGrid::setCols(int cols) {
  if (cols < fixedCols_) outOfRange();
  cols_ = cols;
  for (RowData& r : rows_) r.cells.resize(static_cast<std::size_t>(cols));
  colWidths_.resize(static_cast<std::size_t>(cols), -1);
  colAlignments_.resize(static_cast<std::size_t>(cols), General);
  clampCursor();
  announce({Prop::Shape});
}

void FlexGrid::setFixedRows(int rows) {
  if (rows < 0 || rows > Rows()) outOfRange();
  fixedRows_ = rows;
  clampCursor();
  announce({Prop::Shape});
}

void FlexGrid::setFixedCols(int cols) {
  if (cols < 0 || cols > cols_) outOfRange();
  fixedCols_ = cols;
  clampCursor();
  announce({Prop::Shape});
}

QString FlexGrid::TextMatrix(int row, int col) const {
  checkRow(row);
  checkCol(col);
  return rows_[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(col)].text;
}

void FlexGrid::setTextMatrix(int row, int col, const QString& text) {
  checkRow(row);
  checkCol(col);
  rows_[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(col)].text = text;
  announce({Prop::Cell, row, col});
}

FlexGrid::CellFormat FlexGrid::cellFormat(int row, int col) const {
  checkRow(row);
  checkCol(col);
  return rows_[static_cast<std::size_t>(row)].cells[static_cast<std::size_t>(col)].format;
}

void FlexGrid::setRow(int row) {
  checkRow(row);
  moveCurrent(row, col_, row, colSel_);
}

void FlexGrid::setCol(int col) {
  checkCol(col);
  moveCurrent(row_, col, rowSel_, col);
}

void FlexGrid::setCurrentCell(int row, int col) {
  checkRow(row);
  checkCol(col);
  moveCurrent(row, col, row, col);
}

void FlexGrid::moveCurrent(int row, int col, int rowSel, int colSel) {
  const bool moves = row != row_ || col != col_;
  if (moves) LeaveCell();
  row_ = row;
  col_ = col;
  rowSel_ = rowSel;
  colSel_ = colSel;
  announce({Prop::CurrentCell});
  if (moves) EnterCell();
}

void FlexGrid::setRowSel(int row) {
  checkRow(row);
  rowSel_ = row;
  announce({Prop::CurrentCell});
}

void FlexGrid::setColSel(int col) {
  checkCol(col);
  colSel_ = col;
  announce({Prop::CurrentCell});
}

FlexGrid::Cell& FlexGrid::current() {
  checkRow(row_);
  checkCol(col_);
  return rows_[static_cast<std::size_t>(row_)].cells[static_cast<std::size_t>(col_)];
}

const FlexGrid::Cell& FlexGrid::current() const { return const_cast<FlexGrid*>(this)->current(); }

QString FlexGrid::Text() const { return current().text; }

void FlexGrid::setText(const QString& text) {
  current().text = text;
  announce({Prop::Cell, row_, col_});
}

Color FlexGrid::CellForeColor() const { return current().format.fore; }
Color FlexGrid::CellBackColor() const { return current().format.back; }
bool FlexGrid::CellFontBold() const { return current().format.bold; }

void FlexGrid::setCellForeColor(Color c) {
  current().format.fore = c;
  announce({Prop::Cell, row_, col_});
}

void FlexGrid::setCellBackColor(Color c) {
  current().format.back = c;
  announce({Prop::Cell, row_, col_});
}

void FlexGrid::setCellFontBold(bool bold) {
  current().format.bold = bold;
  announce({Prop::Cell, row_, col_});
}

int FlexGrid::ColWidth(int col) const {
  checkCol(col);
  const int w = colWidths_[static_cast<std::size_t>(col)];
  return w < 0 ? DefaultColWidth : w;
}

void FlexGrid::setColWidth(int col, int twips) {
  checkCol(col);
  if (twips < -1) rt::raise(rt::err::InvalidPropertyValue);
  colWidths_[static_cast<std::size_t>(col)] = twips;
  announce({Prop::Shape});
}

int FlexGrid::RowHeight(int row) const {
  checkRow(row);
  const int h = rows_[static_cast<std::size_t>(row)].height;
  return h < 0 ? DefaultRowHeight : h;
}

void FlexGrid::setRowHeight(int row, int twips) {
  checkRow(row);
  if (twips < -1) rt::raise(rt::err::InvalidPropertyValue);
  rows_[static_cast<std::size_t>(row)].height = twips;
  announce({Prop::Shape});
}

int FlexGrid::ColAlignment(int col) const {
  checkCol(col);
  return colAlignments_[static_cast<std::size_t>(col)];
}

void FlexGrid::setColAlignment(int col, int alignment) {
  checkCol(col);
  if (alignment < LeftTop || alignment > General) rt::raise(rt::err::InvalidPropertyValue);
  colAlignments_[static_cast<std::size_t>(col)] = alignment;
  announce({Prop::Shape});
}

void FlexGrid::setTopRow(int row) {
  if (row < fixedRows_ || row >= Rows()) outOfRange();
  topRow_ = row;
  announce({Prop::CurrentCell});
}

void FlexGrid::setLeftCol(int col) {
  if (col < fixedCols_ || col >= cols_) outOfRange();
  leftCol_ = col;
  announce({Prop::CurrentCell});
}

void FlexGrid::Clear() {
  for (RowData& r : rows_)
    for (Cell& c : r.cells) c = Cell{};
  announce({Prop::Shape});
}

void FlexGrid::AddItem(const QString& item, int index) {
  if (index < -1 || index > Rows()) outOfRange();
  RowData row{std::vector<Cell>(static_cast<std::size_t>(cols_)), -1};
  const QStringList texts = item.split(QLatin1Char('\t'));
  for (int c = 0; c < std::min<int>(cols_, static_cast<int>(texts.size())); ++c)
    row.cells[static_cast<std::size_t>(c)].text = texts[c];
  rows_.insert(index < 0 ? rows_.end() : rows_.begin() + index, std::move(row));
  announce({Prop::Shape});
}

void FlexGrid::RemoveItem(int index) {
  if (index < fixedRows_ || index >= Rows()) outOfRange();
  if (Rows() - fixedRows_ == 1)
    throw rt::Error(CannotRemoveLastRow, QStringLiteral("No se puede quitar la última fila no fija"),
                    QStringLiteral("MSFlexGrid"));
  rows_.erase(rows_.begin() + index);
  clampCursor();
  announce({Prop::Shape});
}

void FlexGrid::setRedraw(bool redraw) {
  if (redraw_ == redraw) return;
  redraw_ = redraw;
  announce({Prop::Shape});
}

void FlexGrid::Refresh() { notify({Prop::Shape}); }

int FlexGrid::CellLeft() const { return host().CurrentCell(*this).Left; }
int FlexGrid::CellTop() const { return host().CurrentCell(*this).Top; }
int FlexGrid::CellWidth() const { return host().CurrentCell(*this).Width; }
int FlexGrid::CellHeight() const { return host().CurrentCell(*this).Height; }

TwipsRect FlexGrid::laidOutCell() const {
  checkRow(row_);
  checkCol(col_);
  const auto width = [this](int c) { return ColWidth(c); };
  const auto height = [this](int r) { return RowHeight(r); };
  return {offsetOf(col_, fixedCols_, leftCol_, width), offsetOf(row_, fixedRows_, topRow_, height), ColWidth(col_),
          RowHeight(row_)};
}

}  // namespace ui
