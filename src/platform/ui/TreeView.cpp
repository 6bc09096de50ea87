#include "platform/ui/TreeView.h"

#include "platform/runtime/Error.h"

namespace ui {

Node* Node::Next() const {
  const std::vector<Node*>& siblings = parent_ ? parent_->children_ : tree_.Nodes.top_;
  const auto next = static_cast<std::size_t>(position_) + 1;
  return next < siblings.size() ? siblings[next] : nullptr;
}

void Node::EnsureVisible() {
  for (Node* p = parent_; p; p = p->parent_) p->Expanded = true;
  tree_.visible_ = this;
  tree_.announce(Prop::CurrentCell);
}

void Node::propertyChanged(Prop prop) { tree_.nodeChanged(*this, prop); }

Node& TreeView::NodeList::Add(const QString& relative, int relationship, const QString& key, const QString& text) {
  Node* parent = nullptr;
  if (!relative.isEmpty()) {
    parent = &keys_.find(relative);
    if (relationship != tvwChild) rt::raise(rt::err::InvalidCall);
  }
  keys_.check(key);
  std::vector<Node*>& siblings = parent ? parent->children_ : top_;
  std::unique_ptr<Node> node(new Node(tree_, 0, key, parent, static_cast<int>(siblings.size())));
  node->Text.assign(text);
  node->index_ = Count() + 1;
  Node& added = *node;
  nodes_.push_back(std::move(node));
  siblings.push_back(&added);
  keys_.add(key, added);
  tree_.announce(Prop::Shape);
  if (nodes_.size() == 1) added.Selected = true;
  return added;
}

Node& TreeView::NodeList::operator()(int index) const {
  if (index < 1 || index > Count()) rt::raise(rt::err::IndexOutOfBounds);
  return *nodes_[static_cast<std::size_t>(index - 1)];
}

void TreeView::NodeList::Clear() {
  nodes_.clear();
  top_.clear();
  keys_.clear();
  tree_.selected_ = tree_.visible_ = nullptr;
  tree_.announce(Prop::Shape);
  tree_.announce(Prop::Selection);
}

TreeView::TreeView(Component& container, QString name, int index) : Control(container, std::move(name), index) {
  BackColor.assign(color::WindowBackground);
  ForeColor.assign(color::WindowText);
}

void TreeView::setSelectedItem(Node* node) {
  if (node && &node->tree() != this) rt::raise(rt::err::InvalidCall);
  if (node) node->Selected = true;
  else if (selected_) selected_->Selected = false;
}

void TreeView::nodeChanged(Node& node, Prop prop) {
  if (node.index_ == 0) return;  // still being added
  if (prop == Prop::Tag) return;
  if (prop != Prop::Selection) {
    announce(Prop::Cell);
    return;
  }
  if (adjustingSelection_) return;
  adjustingSelection_ = true;
  if (node.Selected()) {
    if (selected_ && selected_ != &node) selected_->Selected.assign(false);
    selected_ = &node;
  } else if (selected_ == &node) {
    selected_ = nullptr;
  }
  adjustingSelection_ = false;
  announce(Prop::Selection);
}

}  // namespace ui
