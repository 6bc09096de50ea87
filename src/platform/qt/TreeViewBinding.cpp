// The tree view on screen, over the tree model. Ticks, clicks, double
// clicks, the current node and the operator's expanding reach the model;
// texts, ticks, expansion, the selection and the node brought into view
// follow it. Ticks have two states and stay on the node ticked. LineStyle
// decides whether the top nodes have expand buttons; lines and buttons
// otherwise look as the desktop style draws trees, whatever the Style.
#include <QAbstractItemModel>
#include <QItemSelectionModel>
#include <functional>

#include "platform/qt/ItemViews.h"
#include "platform/ui/Operator.h"
#include "platform/ui/TreeView.h"

namespace qt {

namespace {

// The view knows the nodes numbered up to `shown_`; nodes are only ever
// added, each as the last child of its parent, so the ones it knows are the
// first children of every node. Indexes carry the node's number, never a
// pointer, so nothing the view keeps can lead to a node that went.
class TreeModel : public QAbstractItemModel {
 public:
  using Check = std::function<void(ui::Node&, bool)>;

  TreeModel(ui::TreeView& tree, Check check) : tree_(&tree), check_(std::move(check)) {}

  void forget() {
    beginResetModel();
    tree_ = nullptr;
    shown_ = 0;
    endResetModel();
  }
  // The tree was cleared: the view forgets every node at once.
  void cleared() {
    beginResetModel();
    shown_ = 0;
    endResetModel();
  }
  // Shows the nodes added since; true when the whole view was rebuilt.
  bool follow() {
    const int count = tree_->Nodes.Count();
    if (shown_ == 0 && count > 0) {
      beginResetModel();
      shown_ = count;
      endResetModel();
      return true;
    }
    for (int number = shown_ + 1; number <= count; ++number) {
      const ui::Node& node = tree_->Nodes(number);
      beginInsertRows(indexOf(node.Parent()), node.position(), node.position());
      shown_ = number;
      endInsertRows();
    }
    return false;
  }

  ui::Node* node(const QModelIndex& at) const {
    const auto number = static_cast<int>(at.internalId());
    return tree_ && at.isValid() && number >= 1 && number <= shown_ && number <= tree_->Nodes.Count()
               ? &tree_->Nodes(number)
               : nullptr;
  }
  QModelIndex indexOf(const ui::Node* n) const {
    return n && n->Index() <= shown_ ? createIndex(n->position(), 0, quintptr(n->Index())) : QModelIndex();
  }
  int shown() const { return shown_; }

  QModelIndex index(int row, int column, const QModelIndex& parent) const override {
    if (column != 0 || row < 0 || row >= rowCount(parent)) return {};
    const ui::Node* p = node(parent);
    const ui::Node* child = p ? p->childAt(row) : tree_->topAt(row);
    return createIndex(row, 0, quintptr(child->Index()));
  }
  QModelIndex parent(const QModelIndex& at) const override {
    const ui::Node* n = node(at);
    return n ? indexOf(n->Parent()) : QModelIndex();
  }
  int rowCount(const QModelIndex& parent) const override {
    if (!tree_ || shown_ == 0) return 0;
    if (parent.isValid()) {
      const ui::Node* p = node(parent);
      return p ? knownAmong(p->Children(), [p](int i) { return p->childAt(i); }) : 0;
    }
    return knownAmong(tree_->topCount(), [this](int i) { return tree_->topAt(i); });
  }
  int columnCount(const QModelIndex&) const override { return 1; }

  QVariant data(const QModelIndex& at, int role) const override {
    const ui::Node* n = node(at);
    if (!n) return {};
    if (role == Qt::DisplayRole) return n->Text();
    if (role == Qt::CheckStateRole && tree_->Checkboxes()) return n->Checked() ? Qt::Checked : Qt::Unchecked;
    return {};
  }
  Qt::ItemFlags flags(const QModelIndex& at) const override {
    if (!node(at)) return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (tree_->Checkboxes()) f |= Qt::ItemIsUserCheckable;
    return f;
  }
  bool setData(const QModelIndex& at, const QVariant& value, int role) override {
    ui::Node* n = node(at);
    if (!n || role != Qt::CheckStateRole) return false;
    check_(*n, value.toInt() == Qt::Checked);
    return true;
  }

 private:
  // How many of `count` siblings, numbered in increasing order, the view knows.
  template <class At>
  int knownAmong(int count, At at) const {
    int low = 0, high = count;
    while (low < high) {
      const int mid = (low + high) / 2;
      if (at(mid)->Index() <= shown_) low = mid + 1;
      else high = mid;
    }
    return low;
  }

  ui::TreeView* tree_;
  Check check_;
  int shown_ = 0;
};

class TreeBinding : public GatheredBinding {
 public:
  TreeBinding(ui::TreeView& tree, QWidget* parent, FormWindow& window)
      : GatheredBinding(tree, parent, window),
        tree_(tree),
        model_(tree, [this](ui::Node& node, bool checked) { operate([&] { ui::op::checkNode(tree_, node, checked); }); }) {
    ItemView& v = view();
    v.setModel(&model_);
    v.setHeaderHidden(true);
    v.setSelectionMode(QAbstractItemView::SingleSelection);
    v.setEditTriggers(QAbstractItemView::NoEditTriggers);
    QObject::connect(&v, &QTreeView::expanded, this, [this](const QModelIndex& at) { expand(at, true); });
    QObject::connect(&v, &QTreeView::collapsed, this, [this](const QModelIndex& at) { expand(at, false); });
    QObject::connect(&v, &QAbstractItemView::clicked, this, [this](const QModelIndex& at) {
      if (ui::Node* node = model_.node(at)) operate([&] { ui::op::clickNode(tree_, *node); });
    });
    QObject::connect(&v, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& at) {
      if (ui::Node* node = model_.node(at)) operate([&] { ui::op::doubleClickNode(tree_, *node); });
    });
    QObject::connect(v.selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex& at) {
      if (ui::Node* node = model_.node(at)) operate([&] { node->Selected = true; });
    });
  }

 protected:
  void detach() override { model_.forget(); }

  void refresh(const ui::PropertyChange& change) override {
    if (change.prop == ui::Prop::Shape && control() && tree_.Nodes.Count() == 0 && model_.shown() > 0) model_.cleared();
    GatheredBinding::refresh(change);
  }

  void pass() override {
    ItemView& v = view();
    if (model_.follow()) rebuilt();
    v.setRootIsDecorated(tree_.LineStyle() == ui::TreeView::tvwRootLines);
    for (int number = 1; number <= model_.shown(); ++number) {
      const ui::Node& node = tree_.Nodes(number);
      if (node.Children() > 0) v.setExpanded(model_.indexOf(&node), node.Expanded());
    }
    v.viewport()->update();
    const QModelIndex selected = model_.indexOf(tree_.SelectedItem());
    if (selected != v.currentIndex())
      v.selectionModel()->setCurrentIndex(selected, QItemSelectionModel::ClearAndSelect);
    if (ui::Node* node = tree_.visibleNode()) v.scrollTo(model_.indexOf(node));
  }

 private:
  void expand(const QModelIndex& at, bool expanded) {
    if (ui::Node* node = model_.node(at)) operate([&] { node->Expanded = expanded; });
  }

  ui::TreeView& tree_;
  TreeModel model_;
};

}  // namespace

Binding* bindTreeView(ui::TreeView& tree, QWidget* parent, FormWindow& window) {
  return new TreeBinding(tree, parent, window);
}

}  // namespace qt
