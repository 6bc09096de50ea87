#pragma once
// The tree view: nodes added at the top or as the last child of a node
// named by its key, each with a key (optional, unique, compared without
// regard to case) and a text.
//
//   ui::TreeView TreeV{*this, "TreeV"};
//   TreeV.Nodes.Add("", 0, "A", "Consulta...").Expanded = true;
//   TreeV.Nodes.Add("A", ui::TreeView::tvwChild, "A01", "01 - Bebidas");
//   for (ui::Node* n = TreeV.Nodes(1).Child(); n; n = n->Next()) ...
//
// Nodes are numbered from 1 in the order they were added (the order the
// program walks them in), and live until the tree is cleared. A missing
// relative raises 35601, a repeated key 35602, an index out of range 35600.
//
// Selection: one node at most; the first node added to an empty tree
// becomes the selected one, as the first item of a list does.
//
// Checkboxes only store and show each node's Checked: the operator's tick
// raises NodeCheck for that node alone, and whatever it means for other
// nodes is the program's handler's business. A Checked set from code
// raises no NodeCheck.
//
// What a host hears: Shape (nodes added or cleared), Cell (a node's text,
// tick or expansion), Selection, and CurrentCell (EnsureVisible).
#include <QString>
#include <memory>
#include <vector>

#include "platform/ui/CollectionKeys.h"
#include "platform/ui/Control.h"

namespace ui {

class TreeView;

class Node final : public PropertyOwner {
 public:
  Node(const Node&) = delete;
  Node& operator=(const Node&) = delete;

  // Position in the order of addition, from 1.
  int Index() const { return index_; }
  const QString& Key() const { return key_; }
  TreeView& tree() const { return tree_; }

  Property<QString> Text{this, Prop::Text};
  Property<QString> Tag{this, Prop::Tag};
  Property<bool> Checked{this, Prop::Value};
  Property<bool> Selected{this, Prop::Selection};
  // Its children are shown.
  Property<bool> Expanded{this, Prop::Cell};

  // Null at the top.
  Node* Parent() const { return parent_; }
  // The first child, and the next node under the same parent; null for none.
  Node* Child() const { return children_.empty() ? nullptr : children_.front(); }
  Node* Next() const;
  int Children() const { return static_cast<int>(children_.size()); }
  // The node's place among its parent's children, from 0.
  int position() const { return position_; }
  Node* childAt(int position) const { return children_[static_cast<std::size_t>(position)]; }

  // Expands the nodes above it and scrolls the tree until it is in view.
  void EnsureVisible();

  void propertyChanged(Prop prop) override;

 private:
  friend class TreeView;
  Node(TreeView& tree, int index, QString key, Node* parent, int position)
      : tree_(tree), key_(std::move(key)), index_(index), parent_(parent), position_(position) {}

  TreeView& tree_;
  QString key_;
  int index_;
  Node* parent_;
  int position_;
  std::vector<Node*> children_;
};

class TreeView : public Control {
 public:
  // Nodes.Add's relationship to the relative node.
  static constexpr int tvwChild = 4;
  // LineStyle: lines between the nodes only, or also at the top nodes.
  static constexpr int tvwTreeLines = 0, tvwRootLines = 1;
  // Style: what each node shows.
  static constexpr int tvwTextOnly = 0, tvwPictureText = 1, tvwPlusMinusText = 2, tvwPlusPictureText = 3,
                       tvwTreelinesText = 4, tvwTreelinesPictureText = 5, tvwTreelinesPlusMinusText = 6,
                       tvwTreelinesPlusMinusPictureText = 7;

  TreeView(Component& container, QString name, int index = -1);

  class NodeList {
   public:
    // At the top when `relative` is empty (the relationship is then not
    // looked at); otherwise the last child of the node keyed `relative`,
    // which must be tvwChild (the program adds no other way; anything
    // else raises 5).
    Node& Add(const QString& relative, int relationship, const QString& key, const QString& text);
    int Count() const { return static_cast<int>(nodes_.size()); }
    Node& operator()(int index) const;
    Node& operator()(const QString& key) const { return keys_.find(key); }
    void Clear();

   private:
    friend class TreeView;
    friend class Node;
    explicit NodeList(TreeView& tree) : tree_(tree) {}
    TreeView& tree_;
    std::vector<std::unique_ptr<Node>> nodes_;
    std::vector<Node*> top_;
    CollectionKeys<Node> keys_;
  };

  NodeList Nodes{*this};

  Property<bool> Checkboxes{this, Prop::Style};
  Property<int> LineStyle{this, Prop::Style, tvwTreeLines};
  Property<int> Style{this, Prop::Style, tvwTreelinesPlusMinusPictureText};

  // The nodes at the top, in order.
  int topCount() const { return static_cast<int>(Nodes.top_.size()); }
  Node* topAt(int position) const { return Nodes.top_[static_cast<std::size_t>(position)]; }

  // Null when no node is selected.
  Node* SelectedItem() const { return selected_; }
  // Selects `node`; null clears the selection.
  void setSelectedItem(Node* node);
  // The node last brought into view by EnsureVisible; null when none.
  Node* visibleNode() const { return visible_; }

  Event<Node&> NodeClick;
  Event<Node&> NodeCheck;

  bool takesFocus() const override { return true; }

 private:
  friend class Node;
  void nodeChanged(Node& node, Prop prop);
  void announce(Prop prop) { notify({prop}); }

  Node* selected_ = nullptr;
  Node* visible_ = nullptr;
  bool adjustingSelection_ = false;
};

}  // namespace ui
