// The list view on screen: a flat tree view over the list model. Header
// clicks, the operator's column widths, ticks, clicks, double clicks and
// in-place edits reach the model; texts, colours, weights, icons, ticks,
// widths, the selection and the item brought into view follow it.
#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QIcon>
#include <QItemSelectionModel>
#include <QPixmap>
#include <QStyledItemDelegate>
#include <functional>
#include <vector>

#include "platform/qt/Appearance.h"
#include "platform/qt/ItemViews.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/ListView.h"
#include "platform/ui/Operator.h"

namespace qt {

namespace {

QIcon iconOf(const ui::ImageList* images, int index) {
  if (!images || index < 1 || index > images->ListImages.Count()) return {};
  return QIcon(QPixmap(images->ListImages(index).Picture));
}

Qt::Alignment alignmentOf(int code) {
  const Qt::Alignment h = code == ui::ListView::lvwColumnRight    ? Qt::AlignRight
                          : code == ui::ListView::lvwColumnCenter ? Qt::AlignHCenter
                                                                  : Qt::AlignLeft;
  return h | Qt::AlignVCenter;
}

// The view's rows are the items the view was last told of; their cells
// are read from the list as it is now, by row, so a row is never followed
// to an item that went.
class ListModel : public QAbstractTableModel {
 public:
  using Check = std::function<void(ui::ListItem&, bool)>;
  using Edit = std::function<void(ui::ListItem&, const QString&)>;

  ListModel(ui::ListView& list, Check check, Edit edit)
      : list_(&list), check_(std::move(check)), edit_(std::move(edit)) {}

  void forget() {
    beginResetModel();
    list_ = nullptr;
    shown_.clear();
    columns_ = 0;
    endResetModel();
  }

  ui::ListItem* item(int row) const {
    return list_ && row >= 0 && row < list_->ListItems.Count() ? &list_->ListItems(row + 1) : nullptr;
  }

  // Brings the rows and columns up to the list: rows only added, or only
  // removed, are inserted or removed; anything else resets. True on a reset.
  bool follow() {
    std::vector<const void*> now;
    now.reserve(static_cast<std::size_t>(list_->ListItems.Count()));
    for (int i = 1; i <= list_->ListItems.Count(); ++i) now.push_back(&list_->ListItems(i));
    bool reset = false;
    if (list_->ColumnHeaders.Count() != columns_) {
      reset = true;
    } else if (now != shown_) {
      if (within(shown_, now)) showAdded(now);
      else if (within(now, shown_)) dropRemoved(now);
      else reset = true;
    }
    if (reset) {
      beginResetModel();
      columns_ = list_->ColumnHeaders.Count();
      shown_ = std::move(now);
      endResetModel();
    }
    if (columns_ > 0) emit headerDataChanged(Qt::Horizontal, 0, columns_ - 1);
    if (columns_ > 0 && !shown_.empty()) emit dataChanged(index(0, 0), index(rowCount({}) - 1, columns_ - 1));
    return reset;
  }

  int rowCount(const QModelIndex& parent) const override {
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
  }
  int columnCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : columns_; }

  QVariant data(const QModelIndex& at, int role) const override {
    ui::ListItem* it = item(at.row());
    const int col = at.column();
    if (!it || col >= list_->ColumnHeaders.Count()) return {};
    const ui::ListSubItem* sub = col > 0 ? it->subItem(col) : nullptr;
    switch (role) {
      case Qt::DisplayRole: case Qt::EditRole: return col == 0 ? it->Text() : sub ? sub->Text() : QString();
      case Qt::DecorationRole: return col == 0 ? QVariant(iconOf(list_->SmallIcons(), it->SmallIcon())) : QVariant();
      case Qt::CheckStateRole:
        if (col != 0 || !list_->Checkboxes()) return {};
        return it->Checked() ? Qt::Checked : Qt::Unchecked;
      case Qt::TextAlignmentRole: return QVariant::fromValue(alignmentOf(list_->ColumnHeaders(col + 1).Alignment()));
      case Qt::ForegroundRole: {
        const ui::Color fore = col == 0 ? it->ForeColor() : sub ? sub->ForeColor() : ui::color::WindowText;
        return ui::color::isSystem(fore) ? QVariant() : QVariant(qtColor(fore, QApplication::palette()));
      }
      case Qt::FontRole: {
        const bool bold = col == 0 ? it->Bold() : sub && sub->Bold();
        if (!bold || list_->FontBold()) return {};
        QFont font = qtFont(*list_);
        font.setBold(true);
        return font;
      }
      default: return {};
    }
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (!list_ || orientation != Qt::Horizontal || section >= list_->ColumnHeaders.Count()) return {};
    const ui::ColumnHeader& header = list_->ColumnHeaders(section + 1);
    switch (role) {
      case Qt::DisplayRole: return header.Text();
      case Qt::DecorationRole: return iconOf(list_->ColumnHeaderIcons(), header.Icon());
      case Qt::TextAlignmentRole: return QVariant::fromValue(alignmentOf(header.Alignment()));
      default: return {};
    }
  }

  Qt::ItemFlags flags(const QModelIndex& at) const override {
    if (!item(at.row())) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (at.column() == 0 && list_->Checkboxes()) f |= Qt::ItemIsUserCheckable;
    if (at.column() == 0 && list_->LabelEdit() == ui::ListView::lvwAutomatic) f |= Qt::ItemIsEditable;
    return f;
  }

  bool setData(const QModelIndex& at, const QVariant& value, int role) override {
    ui::ListItem* it = item(at.row());
    if (!it) return false;
    if (role == Qt::CheckStateRole) check_(*it, value.toInt() == Qt::Checked);
    else if (role == Qt::EditRole) edit_(*it, value.toString());
    else return false;
    return true;
  }

 private:
  // Every row of `part` stands in `whole`, in the same order.
  static bool within(const std::vector<const void*>& part, const std::vector<const void*>& whole) {
    std::size_t j = 0;
    for (const void* row : whole)
      if (j < part.size() && part[j] == row) ++j;
    return j == part.size();
  }
  void showAdded(const std::vector<const void*>& now) {
    for (std::size_t i = 0; i < now.size();) {
      if (i < shown_.size() && shown_[i] == now[i]) {
        ++i;
        continue;
      }
      std::size_t end = i;
      while (end < now.size() && (i >= shown_.size() || now[end] != shown_[i])) ++end;
      beginInsertRows({}, static_cast<int>(i), static_cast<int>(end) - 1);
      shown_.insert(shown_.begin() + static_cast<std::ptrdiff_t>(i), now.begin() + static_cast<std::ptrdiff_t>(i),
                    now.begin() + static_cast<std::ptrdiff_t>(end));
      endInsertRows();
      i = end;
    }
  }
  void dropRemoved(const std::vector<const void*>& now) {
    for (std::size_t i = 0; i < shown_.size();) {
      if (i < now.size() && shown_[i] == now[i]) {
        ++i;
        continue;
      }
      std::size_t end = i;
      while (end < shown_.size() && (i >= now.size() || shown_[end] != now[i])) ++end;
      beginRemoveRows({}, static_cast<int>(i), static_cast<int>(end) - 1);
      shown_.erase(shown_.begin() + static_cast<std::ptrdiff_t>(i), shown_.begin() + static_cast<std::ptrdiff_t>(end));
      endRemoveRows();
    }
  }

  ui::ListView* list_;
  Check check_;
  Edit edit_;
  // Compared with the list's items, never followed.
  std::vector<const void*> shown_;
  int columns_ = 0;
};

// An in-place edit opens only when the program lets it start.
class LabelDelegate : public QStyledItemDelegate {
 public:
  LabelDelegate(std::function<bool(const QModelIndex&)> mayStart, QObject* parent)
      : QStyledItemDelegate(parent), mayStart_(std::move(mayStart)) {}
  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& at) const override {
    return mayStart_(at) ? QStyledItemDelegate::createEditor(parent, option, at) : nullptr;
  }

 private:
  std::function<bool(const QModelIndex&)> mayStart_;
};

class ListBinding : public GatheredBinding {
 public:
  ListBinding(ui::ListView& list, QWidget* parent, FormWindow& window)
      : GatheredBinding(list, parent, window),
        list_(list),
        model_(
            list, [this](ui::ListItem& item, bool checked) { operate([&] { ui::op::checkItem(list_, item, checked); }); },
            [this](ui::ListItem& item, const QString& text) {
              operate([&] { ui::op::endLabelEdit(list_, item, text); });
            }) {
    ItemView& v = view();
    v.setModel(&model_);
    v.setRootIsDecorated(false);
    v.setItemsExpandable(false);
    v.setSelectionBehavior(QAbstractItemView::SelectRows);
    v.setItemDelegate(new LabelDelegate(
        [this](const QModelIndex& at) {
          bool start = false;
          if (ui::ListItem* item = model_.item(at.row())) operate([&] { start = ui::op::beginLabelEdit(list_, *item); });
          return start;
        },
        &v));
    QHeaderView* header = v.header();
    header->setStretchLastSection(false);
    header->setSectionsMovable(false);
    header->setSectionsClickable(true);
    QObject::connect(header, &QHeaderView::sectionClicked, this, [this](int section) {
      if (section < list_.ColumnHeaders.Count()) operate([&] { ui::op::clickColumn(list_, list_.ColumnHeaders(section + 1)); });
    });
    QObject::connect(header, &QHeaderView::sectionResized, this, [this](int section, int, int pixels) {
      if (section < list_.ColumnHeaders.Count()) operate([&] { list_.ColumnHeaders(section + 1).Width = twipsX(pixels); });
    });
    QObject::connect(&v, &QAbstractItemView::clicked, this, [this](const QModelIndex& at) {
      if (ui::ListItem* item = model_.item(at.row())) operate([&] { ui::op::clickItem(list_, *item); });
    });
    QObject::connect(&v, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& at) {
      if (ui::ListItem* item = model_.item(at.row())) operate([&] { ui::op::doubleClickItem(list_, *item); });
    });
    QObject::connect(v.selectionModel(), &QItemSelectionModel::selectionChanged, this,
                     [this](const QItemSelection& selected, const QItemSelection& deselected) {
                       operate([&] { followSelection(selected, deselected); });
                     });
  }

 protected:
  void detach() override { model_.forget(); }

  void pass() override {
    ItemView& v = view();
    if (model_.follow()) rebuilt();
    v.setSelectionMode(list_.MultiSelect() ? QAbstractItemView::ExtendedSelection
                                           : QAbstractItemView::SingleSelection);
    v.setEditTriggers(list_.LabelEdit() == ui::ListView::lvwAutomatic
                          ? QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed
                          : QAbstractItemView::NoEditTriggers);
    if (list_.SmallIcons()) {
      const ui::ImageList& images = *list_.SmallIcons();
      v.setIconSize(QSize(images.ImageWidth(), images.ImageHeight()));
    }
    QHeaderView* header = v.header();
    header->setSortIndicatorShown(list_.Sorted());
    if (list_.Sorted())
      header->setSortIndicator(list_.SortKey(),
                               list_.SortOrder() == ui::ListView::lvwAscending ? Qt::AscendingOrder : Qt::DescendingOrder);
    for (int c = 0; c < model_.columnCount({}); ++c) {
      const int width = pixelsX(list_.ColumnHeaders(c + 1).Width());
      if (v.columnWidth(c) != width) v.setColumnWidth(c, width);
    }
    showSelection();
    if (ui::ListItem* item = list_.visibleItem()) v.scrollTo(model_.index(item->Index() - 1, 0));
  }

 private:
  void followSelection(const QItemSelection& selected, const QItemSelection& deselected) {
    for (const QModelIndex& at : deselected.indexes())
      if (ui::ListItem* item = at.column() == 0 ? model_.item(at.row()) : nullptr) item->Selected = false;
    for (const QModelIndex& at : selected.indexes())
      if (ui::ListItem* item = at.column() == 0 ? model_.item(at.row()) : nullptr) item->Selected = true;
    ui::ListItem* current = model_.item(view().currentIndex().row());
    if (current && current->Selected()) list_.setSelectedItem(current);
  }

  // Only when the view's selection differs, so an operator's selection
  // being extended is left alone.
  void showSelection() {
    ItemView& v = view();
    QItemSelectionModel& selection = *v.selectionModel();
    QItemSelection wanted;
    bool differs = false;
    for (int row = 0; row < model_.rowCount({}); ++row) {
      const bool selected = model_.item(row)->Selected();
      if (selected) wanted.select(model_.index(row, 0), model_.index(row, model_.columnCount({}) - 1));
      differs |= selected != selection.isRowSelected(row, {});
    }
    ui::ListItem* current = list_.SelectedItem();
    const QModelIndex currentIndex = current ? model_.index(current->Index() - 1, 0) : QModelIndex();
    if (differs) selection.select(wanted, QItemSelectionModel::ClearAndSelect);
    if (current && v.currentIndex().row() != currentIndex.row())
      selection.setCurrentIndex(currentIndex, QItemSelectionModel::NoUpdate);
  }

  ui::ListView& list_;
  ListModel model_;
};

}  // namespace

Binding* bindListView(ui::ListView& list, QWidget* parent, FormWindow& window) {
  return new ListBinding(list, parent, window);
}

}  // namespace qt
