#include "platform/qt/FlexGridView.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <QTableView>
#include <QTimer>
#include <functional>

#include "platform/qt/Appearance.h"
#include "platform/qt/Bindings.h"
#include "platform/qt/ColumnWidths.h"
#include "platform/qt/FromOperator.h"
#include "platform/runtime/Numbers.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Host.h"
#include "platform/ui/Operator.h"

namespace qt {

namespace {

Qt::Alignment alignmentOf(int code, const QString& text) {
  if (code == ui::FlexGrid::General) {
    bool number = false;
    QString(text).replace(QLatin1Char(','), QLatin1Char('.')).trimmed().toDouble(&number);
    return (number ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
  }
  const Qt::Alignment h = code <= 2 ? Qt::AlignLeft : code <= 5 ? Qt::AlignHCenter : Qt::AlignRight;
  const Qt::Alignment v = code % 3 == 0 ? Qt::AlignTop : code % 3 == 1 ? Qt::AlignVCenter : Qt::AlignBottom;
  return h | v;
}

// Rows below the fixed ones, every column.
class GridModel : public QAbstractTableModel {
 public:
  explicit GridModel(ui::FlexGrid& grid) : grid_(&grid) {}
  void forget() {
    beginResetModel();
    grid_ = nullptr;
    endResetModel();
  }
  void reshape() {
    beginResetModel();
    endResetModel();
  }
  void cellChanged(int row, int col) {
    if (!grid_ || row < grid_->FixedRows()) {
      emit headerDataChanged(Qt::Horizontal, col, col);
      return;
    }
    const QModelIndex at = index(row - grid_->FixedRows(), col);
    emit dataChanged(at, at);
  }

  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() || !grid_ ? 0 : grid_->Rows() - grid_->FixedRows();
  }
  int columnCount(const QModelIndex& parent) const override {
    return parent.isValid() || !grid_ ? 0 : grid_->Cols();
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (!grid_ || !index.isValid()) return {};
    const int row = index.row() + grid_->FixedRows(), col = index.column();
    const ui::FlexGrid::CellFormat format = grid_->cellFormat(row, col);
    const QPalette palette = QApplication::palette();
    switch (role) {
      case Qt::DisplayRole: return grid_->TextMatrix(row, col);
      case Qt::TextAlignmentRole:
        return QVariant::fromValue(alignmentOf(grid_->ColAlignment(col), grid_->TextMatrix(row, col)));
      case Qt::ForegroundRole:
        return format.fore != 0 ? QVariant(qtColor(format.fore, palette)) : QVariant();
      case Qt::BackgroundRole:
        if (format.back != 0) return qtColor(format.back, palette);
        return col < grid_->FixedCols() ? QVariant(palette.color(QPalette::Button)) : QVariant();
      case Qt::FontRole: {
        if (!format.bold) return {};
        QFont font = qtFont(*grid_);
        font.setBold(true);
        return font;
      }
      default: return {};
    }
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (!grid_ || orientation != Qt::Horizontal || section >= grid_->Cols()) return {};
    if (role == Qt::DisplayRole) {
      QStringList lines;
      for (int r = 0; r < grid_->FixedRows(); ++r) lines << grid_->TextMatrix(r, section);
      return lines.join(QLatin1Char('\n'));
    }
    if (role == Qt::FontRole && grid_->FixedRows() > 0 && grid_->cellFormat(0, section).bold) {
      QFont font = qtFont(*grid_);
      font.setBold(true);
      return font;
    }
    return {};
  }

  Qt::ItemFlags flags(const QModelIndex& index) const override {
    if (!grid_ || !index.isValid()) return Qt::NoItemFlags;
    return index.column() < grid_->FixedCols() ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  }

 private:
  ui::FlexGrid* grid_;
};

// The view never searches by typed letters (the program's key handlers
// move the current row) and tells when it has laid itself out again.
class GridView : public QTableView {
 public:
  explicit GridView(QWidget* parent) : QTableView(parent) {}
  void keyboardSearch(const QString&) override {}
  void layOutNow() { updateGeometries(); }
  std::function<void()> laidOut;

 protected:
  void updateGeometries() override {
    QTableView::updateGeometries();
    if (laidOut) laidOut();
  }
};

// Left edge of column `col` in the viewport; a hidden one lies at the edge
// of the next shown column, or at the end.
int columnLeft(const QTableView& view, int col) {
  const QHeaderView& header = *view.horizontalHeader();
  for (int c = col; c < header.count(); ++c)
    if (!header.isSectionHidden(c)) return header.sectionViewportPosition(c);
  return header.length() - header.offset();
}

class GridBinding : public Binding {
 public:
  GridBinding(ui::FlexGrid& grid, QWidget* parent, FormWindow& window)
      : Binding(grid, new GridView(parent), window), grid_(grid), model_(grid) {
    auto* view = static_cast<GridView*>(widget());
    view->setModel(&model_);
    keepColumnsAsSized(*view);
    // Scrolled by whole rows and columns, as TopRow and LeftCol count them.
    view->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    view->setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    view->laidOut = [this] { showScroll(); };
    for (QScrollBar* bar : {view->verticalScrollBar(), view->horizontalScrollBar()})
      QObject::connect(bar, &QScrollBar::valueChanged, this, [this] { followScroll(); });
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::ContiguousSelection);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setSectionsClickable(false);
    view->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    QObject::connect(view, &QTableView::clicked, this, [this](const QModelIndex& at) {
      if (control()) fromOperator([&] { ui::op::clickCell(grid_, at.row() + grid_.FixedRows(), at.column()); });
    });
    QObject::connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this,
                     [this](const QModelIndex& at) { followCurrent(at); });
  }

  // The current cell as the view shows it, in twips from the view's corner;
  // nothing while the view is not on screen.
  std::optional<ui::TwipsRect> currentCell() {
    if (reshapePending_) reshape();
    auto* view = static_cast<QTableView*>(widget());
    if (!view->isVisible()) return std::nullopt;
    const int fixed = grid_.FixedRows(), row = grid_.Row(), col = grid_.Col();
    const QPoint origin = view->viewport()->geometry().topLeft();
    const int x = origin.x() + columnLeft(*view, col);
    const int width = view->isColumnHidden(col) ? 0 : view->columnWidth(col);
    int y = 0, height = 0;
    if (row < fixed) {
      y = view->horizontalHeader()->geometry().top();
      for (int r = 0; r < row; ++r) y += pixelsY(grid_.RowHeight(r));
      height = pixelsY(grid_.RowHeight(row));
    } else {
      y = origin.y() + view->rowViewportPosition(row - fixed);
      height = view->rowHeight(row - fixed);
    }
    return ui::TwipsRect{twipsX(x), twipsY(y), twipsX(width), twipsY(height)};
  }

 protected:
  void detach() override { model_.forget(); }

  void refresh(const ui::PropertyChange& change) override {
    Binding::refresh(change);
    switch (change.prop) {
      case ui::Prop::Cell:
        if (!reshapePending_) model_.cellChanged(change.row, change.col);
        break;
      case ui::Prop::Shape:
        // Gathered: one reset per pass of the event loop, however many rows were added.
        if (!reshapePending_) {
          reshapePending_ = true;
          QTimer::singleShot(0, this, [this] {
            if (reshapePending_) reshape();
          });
        }
        break;
      case ui::Prop::CurrentCell:
        if (!reshapePending_ && !followingScroll_) showCurrent();
        break;
      case ui::Prop::Font:
        static_cast<QTableView*>(widget())->horizontalHeader()->setFont(qtFont(grid_));
        break;
      default: break;
    }
  }

 private:
  void reshape() {
    reshapePending_ = false;
    if (!control()) return;
    auto* view = static_cast<GridView*>(widget());
    following_ = true;
    model_.reshape();
    view->horizontalHeader()->setVisible(grid_.FixedRows() > 0);
    if (grid_.FixedRows() > 0) {
      int height = 0;
      for (int r = 0; r < grid_.FixedRows(); ++r) height += pixelsY(grid_.RowHeight(r));
      view->horizontalHeader()->setFixedHeight(height);
    }
    for (int c = 0; c < grid_.Cols(); ++c) {
      const int width = grid_.ColWidth(c);
      view->setColumnHidden(c, width == 0);
      if (width > 0) view->setColumnWidth(c, pixelsX(width));
    }
    view->verticalHeader()->setDefaultSectionSize(pixelsY(ui::FlexGrid::DefaultRowHeight));
    for (int r = grid_.FixedRows(); r < grid_.Rows(); ++r)
      if (grid_.RowHeight(r) != ui::FlexGrid::DefaultRowHeight)
        view->setRowHeight(r - grid_.FixedRows(), pixelsY(grid_.RowHeight(r)));
    following_ = false;
    view->layOutNow();
    showCurrent();
  }

  void showCurrent() {
    auto* view = static_cast<QTableView*>(widget());
    const int fixed = grid_.FixedRows();
    if (grid_.Row() >= fixed && grid_.Rows() > fixed) {
      following_ = true;
      const QModelIndex current = model_.index(grid_.Row() - fixed, grid_.Col());
      const QModelIndex corner = model_.index(std::max(grid_.RowSel(), fixed) - fixed, grid_.ColSel());
      // A current cell the program moves does not scroll the view; TopRow and LeftCol do.
      view->setAutoScroll(false);
      view->selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
      view->selectionModel()->select(QItemSelection(current, corner), QItemSelectionModel::ClearAndSelect);
      view->setAutoScroll(true);
      following_ = false;
    }
    showScroll();
  }

  // TopRow and LeftCol at the top left corner; the scroll bars count the
  // rows and the shown columns before them.
  void showScroll() {
    auto* view = static_cast<QTableView*>(widget());
    if (!control() || grid_.Rows() <= grid_.FixedRows()) return;
    int shownBefore = 0;
    for (int c = 0; c < grid_.LeftCol(); ++c) shownBefore += view->isColumnHidden(c) ? 0 : 1;
    following_ = true;
    view->verticalScrollBar()->setValue(grid_.TopRow() - grid_.FixedRows());
    view->horizontalScrollBar()->setValue(grid_.LeftCol() > grid_.FixedCols() ? shownBefore : 0);
    following_ = false;
  }

  // Keyboard moves of the operator move the model's current cell.
  void followCurrent(const QModelIndex& at) {
    if (following_ || updating() || !control() || !at.isValid()) return;
    fromOperator([&] { grid_.setCurrentCell(at.row() + grid_.FixedRows(), at.column()); });
  }

  // The operator's scrolling (the scroll bars, the wheel, a move past the
  // edge) moves TopRow and LeftCol.
  void followScroll() {
    auto* view = static_cast<QTableView*>(widget());
    if (following_ || updating() || !control() || reshapePending_ || !view->isVisible()) return;
    const int top = view->rowAt(0), left = view->columnAt(0);
    followingScroll_ = true;
    fromOperator([&] {
      if (top >= 0 && top + grid_.FixedRows() != grid_.TopRow()) grid_.setTopRow(top + grid_.FixedRows());
      if (left >= 0 && std::max(left, grid_.FixedCols()) != grid_.LeftCol())
        grid_.setLeftCol(std::max(left, grid_.FixedCols()));
    });
    followingScroll_ = false;
  }

  ui::FlexGrid& grid_;
  GridModel model_;
  bool reshapePending_ = false;
  bool following_ = false;
  bool followingScroll_ = false;
};

}  // namespace

Binding* bindFlexGrid(ui::FlexGrid& grid, QWidget* parent, FormWindow& window) {
  return new GridBinding(grid, parent, window);
}

std::optional<ui::TwipsRect> shownCurrentCell(Binding& binding) {
  auto* grid = dynamic_cast<GridBinding*>(&binding);
  return grid ? grid->currentCell() : std::nullopt;
}

}  // namespace qt
