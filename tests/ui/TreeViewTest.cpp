#include <gtest/gtest.h>

#include <functional>

#include "ListsForm.h"
#include "platform/ui/Operator.h"
#include "support/HostFixture.h"
#include "support/Printers.h"
#include "support/RuntimeErrors.h"

using testing_support::errorNumberOf;
using ui::TreeView;

class TreeViewTest : public testing_support::HostFixture {
 protected:
  // The root "A" and, as the tree window builds them, codes under the
  // longest code already added that begins theirs.
  void build(const QStringList& codes) {
    tree.Nodes.Add("", 0, "A", "Consulta...").Expanded = true;
    for (const QString& code : codes) {
      QString parent = "A";
      for (int i = 1; i <= tree.Nodes.Count(); ++i) {
        const QString key = tree.Nodes(i).Key();
        if (("A" + code).startsWith(key, Qt::CaseInsensitive) && key.size() > parent.size()) parent = key;
      }
      tree.Nodes.Add(parent, TreeView::tvwChild, "A" + code, code + " - " + code);
    }
  }
  QStringList keysUnder(const ui::Node& node) const {
    QStringList keys;
    for (ui::Node* n = node.Child(); n; n = n->Next()) keys << n->Key();
    return keys;
  }

  ListsForm form;
  TreeView& tree = form.TreeV;
};

TEST_F(TreeViewTest, NodesHangFromTheirRelativeAndAreWalkedByChildAndNext) {
  build({"1", "10", "101", "11", "2"});
  ui::Node& root = tree.Nodes("a");
  EXPECT_EQ(root.Parent(), nullptr);
  EXPECT_EQ(root.Next(), nullptr);
  EXPECT_EQ(keysUnder(root), QStringList({"A1", "A2"}));
  EXPECT_EQ(keysUnder(tree.Nodes("A1")), QStringList({"A10", "A11"}));
  EXPECT_EQ(keysUnder(tree.Nodes("A10")), QStringList({"A101"}));
  EXPECT_EQ(tree.Nodes("a101").Parent(), &tree.Nodes("A10"));
  EXPECT_EQ(tree.Nodes("A1").Children(), 2);
  EXPECT_EQ(tree.Nodes("A2").Child(), nullptr);
  EXPECT_EQ(tree.Nodes(5).Key(), "A11") << "numbered in the order of addition";
  EXPECT_EQ(tree.Nodes("A11").Index(), 5);
  EXPECT_EQ(tree.Nodes(5).Text(), "11 - 11");
  tree.Nodes.Clear();
  EXPECT_EQ(tree.Nodes.Count(), 0);
  EXPECT_EQ(tree.topCount(), 0);
  EXPECT_EQ(tree.SelectedItem(), nullptr);
}

TEST_F(TreeViewTest, AMissingRelativeARepeatedKeyAndABadIndexRaise) {
  build({"01"});
  const std::pair<long, std::function<void()>> errors[] = {
      {rt::err::ElementNotFound, [&] { tree.Nodes.Add("A02", TreeView::tvwChild, "A0201", "x"); }},
      {rt::err::KeyNotUnique, [&] { tree.Nodes.Add("A", TreeView::tvwChild, "a01", "x"); }},
      {rt::err::KeyNotUnique, [&] { tree.Nodes.Add("", 0, "A", "x"); }},
      {rt::err::InvalidCall, [&] { tree.Nodes.Add("A", 1, "A02", "x"); }},
      {rt::err::IndexOutOfBounds, [&] { tree.Nodes(3); }},
      {rt::err::IndexOutOfBounds, [&] { tree.Nodes(0); }},
      {rt::err::ElementNotFound, [&] { tree.Nodes("A02"); }},
  };
  for (const auto& [number, action] : errors) EXPECT_EQ(errorNumberOf(action), number);
  EXPECT_EQ(tree.Nodes.Count(), 2) << "a refused node is not added";
  tree.Nodes.Add("A", TreeView::tvwChild, "", "sin clave");
  tree.Nodes.Add("A", TreeView::tvwChild, "", "otra sin clave");
  EXPECT_EQ(tree.Nodes.Count(), 4) << "keys are optional";
}

TEST_F(TreeViewTest, TheFirstNodeIsSelectedAndOneNodeAtMost) {
  build({"1", "2"});
  EXPECT_EQ(tree.SelectedItem(), &tree.Nodes("A"));
  tree.Nodes("A2").Selected = true;
  EXPECT_FALSE(tree.Nodes("A").Selected());
  EXPECT_EQ(tree.SelectedItem(), &tree.Nodes("A2"));
  tree.setSelectedItem(nullptr);
  EXPECT_FALSE(tree.Nodes("A2").Selected());
  EXPECT_EQ(tree.SelectedItem(), nullptr);
}

TEST_F(TreeViewTest, EnsureVisibleExpandsTheNodesAbove) {
  build({"1", "10", "101"});
  tree.Nodes("A").Expanded = false;
  tree.Nodes("A101").EnsureVisible();
  EXPECT_TRUE(tree.Nodes("A").Expanded());
  EXPECT_TRUE(tree.Nodes("A1").Expanded());
  EXPECT_TRUE(tree.Nodes("A10").Expanded());
  EXPECT_FALSE(tree.Nodes("A101").Expanded());
  EXPECT_EQ(tree.visibleNode(), &tree.Nodes("A101"));
}

// The tree stores the operator's tick and tells the program; it ticks no
// other node itself.
TEST_F(TreeViewTest, TheOperatorsTicksAndClicksRaiseTheTreesEvents) {
  build({"1", "10"});
  ui::op::checkNode(tree, tree.Nodes("A1"), true);
  EXPECT_FALSE(tree.Nodes("A1").Checked()) << "no boxes shown";
  tree.Checkboxes = true;
  tree.Nodes("A10").Checked = true;  // from code: no event
  ui::op::checkNode(tree, tree.Nodes("A1"), true);
  ui::op::checkNode(tree, tree.Nodes("A10"), false);
  ui::op::clickNode(tree, tree.Nodes("A10"));
  ui::op::doubleClickNode(tree, tree.Nodes("A1"));
  EXPECT_EQ(form.log, QStringList({"TreeV_NodeCheck A1 1", "TreeV_NodeCheck A10 0", "TreeV_NodeClick A10",
                                   "TreeV_Click", "TreeV_DblClick"}));
  EXPECT_TRUE(tree.Nodes("A1").Checked());
  EXPECT_FALSE(tree.Nodes("A").Checked()) << "nodes above are not touched";
  EXPECT_EQ(tree.SelectedItem(), &tree.Nodes("A1"));
  EXPECT_EQ(form.ActiveControl(), &tree);
}
