#include <gtest/gtest.h>

#include <functional>

#include "ListsForm.h"
#include "platform/ui/Operator.h"
#include "support/HostFixture.h"
#include "support/Printers.h"
#include "support/RuntimeErrors.h"

using testing_support::errorNumberOf;
using ui::ListView;

class ListViewTest : public testing_support::HostFixture {
 protected:
  // Items with these texts, each with the sub-item given after "|".
  void add(const QStringList& rows) {
    for (const QString& row : rows) {
      const QStringList cells = row.split('|');
      ui::ListItem& item = list.ListItems.Add(0, "", cells[0]);
      for (int j = 1; j < cells.size(); ++j) item.setSubItems(j, cells[j]);
    }
  }
  // The texts in display order; checks that every index is its position.
  QStringList shown() const {
    QStringList texts;
    for (int i = 1; i <= list.ListItems.Count(); ++i) {
      EXPECT_EQ(list.ListItems(i).Index(), i);
      texts << list.ListItems(i).Text();
    }
    return texts;
  }

  ListsForm form;
  ListView& list = form.ListView1;
};

TEST_F(ListViewTest, HeadersStandSideBySideFromTheLeftEdge) {
  list.ColumnHeaders.Add("", "FECHA", 1000);
  list.ColumnHeaders.Add("comp", "COMPROBANTE", 1500, ListView::lvwColumnRight);
  list.ColumnHeaders.Add("", "IMPORTE", 700);
  EXPECT_EQ(list.ColumnHeaders(1).Left(), 0);
  EXPECT_EQ(list.ColumnHeaders(2).Left(), 1000);
  EXPECT_EQ(list.ColumnHeaders(3).Left(), 2500);
  EXPECT_EQ(list.ColumnHeaders("COMP").SubItemIndex(), 1);
  list.ColumnHeaders(1).Width = 400;
  EXPECT_EQ(list.ColumnHeaders(3).Left(), 1900);

  const std::pair<long, std::function<void()>> errors[] = {
      {rt::err::InvalidPropertyValue, [&] { list.ColumnHeaders(1).Width = -1; }},
      {rt::err::InvalidPropertyValue, [&] { list.ColumnHeaders.Add("", "x", 100, 3); }},
      {rt::err::KeyNotUnique, [&] { list.ColumnHeaders.Add("Comp", "x"); }},
      {rt::err::IndexOutOfBounds, [&] { list.ColumnHeaders(4); }},
      {rt::err::ElementNotFound, [&] { list.ColumnHeaders("importe"); }},
  };
  for (const auto& [number, action] : errors) EXPECT_EQ(errorNumberOf(action), number);
  EXPECT_EQ(list.ColumnHeaders.Count(), 3);
  list.ColumnHeaders.Clear();
  EXPECT_EQ(list.ColumnHeaders.Count(), 0);
}

TEST_F(ListViewTest, SubItemsExistOnlyUnderTheColumnsAfterTheFirst) {
  ui::ListItem& item = list.ListItems.Add(0, "", "sin columnas");
  EXPECT_EQ(errorNumberOf([&] { item.SubItems(1); }), rt::err::InvalidPropertyValue);
  for (const char* caption : {"FECHA", "COMPROBANTE", "IMPORTE"}) list.ColumnHeaders.Add("", caption);
  item.setSubItems(2, "12,50");
  EXPECT_EQ(item.SubItems(1), "") << "never set";
  EXPECT_EQ(item.SubItems(2), "12,50");
  for (int j : {0, 3, -1}) {
    EXPECT_EQ(errorNumberOf([&] { item.SubItems(j); }), rt::err::InvalidPropertyValue) << j;
    EXPECT_EQ(errorNumberOf([&] { item.setSubItems(j, "x"); }), rt::err::InvalidPropertyValue) << j;
    EXPECT_EQ(errorNumberOf([&] { item.ListSubItems(j); }), rt::err::InvalidPropertyValue) << j;
  }
  item.ListSubItems(1).ForeColor = ui::color::Red;
  item.ListSubItems(1).Bold = true;
  EXPECT_EQ(item.ListSubItems(1).ForeColor(), ui::color::Red);
  EXPECT_EQ(item.ForeColor(), ui::color::WindowText) << "the item's own text keeps its colour";
}

TEST_F(ListViewTest, ItemsAreNumberedInDisplayOrderAndKeyedWithoutRegardToCase) {
  list.ListItems.Add(0, "k1", "uno");
  list.ListItems.Add(0, "", "tres");
  list.ListItems.Add(2, "k2", "dos");
  EXPECT_EQ(shown(), QStringList({"uno", "dos", "tres"}));
  EXPECT_EQ(list.ListItems("K2").Index(), 2);
  const std::pair<long, std::function<void()>> errors[] = {
      {rt::err::KeyNotUnique, [&] { list.ListItems.Add(0, "K1", "otro"); }},
      {rt::err::ElementNotFound, [&] { list.ListItems("k3"); }},
      {rt::err::IndexOutOfBounds, [&] { list.ListItems.Add(5, "", "x"); }},
      {rt::err::IndexOutOfBounds, [&] { list.ListItems(0); }},
      {rt::err::IndexOutOfBounds, [&] { list.ListItems.Remove(4); }},
  };
  for (const auto& [number, action] : errors) EXPECT_EQ(errorNumberOf(action), number);
  list.ListItems.Remove(1);
  EXPECT_EQ(shown(), QStringList({"dos", "tres"}));
  EXPECT_EQ(errorNumberOf([&] { list.ListItems("k1"); }), rt::err::ElementNotFound) << "its key went with it";
  list.ListItems.Add(0, "k1", "uno otra vez");
  EXPECT_EQ(list.ListItems.Count(), 3);
}

// While Sorted the list keeps its items in order, whatever the program
// does; equal texts keep the order they came in.
TEST_F(ListViewTest, ASortedListKeepsItsItemsInOrder) {
  struct Case {
    const char* name;
    std::function<void()> act;
    QStringList expected;
  };
  const Case cases[] = {
      {"sorting on sorts what is there, as text without regard to case",
       [this] {
         add({"b", "C", "a"});
         list.Sorted = true;
       },
       {"a", "b", "C"}},
      {"items added while sorted go to their place, the index passed not used",
       [this] {
         list.Sorted = true;
         add({"m", "c", "x"});
         list.ListItems.Add(1, "", "z");
       },
       {"c", "m", "x", "z"}},
      {"equal texts keep the order they came in",
       [this] {
         list.Sorted = true;
         add({"Ana|1", "b|2", "ana|3", "ANA|4"});
       },
       {"Ana", "ana", "ANA", "b"}},
      {"another key sorts by that column, also for sub-items set after Add",
       [this] {
         list.SortKey = 1;
         list.Sorted = true;
         add({"uno|30", "dos|10", "tres|20"});
       },
       {"dos", "tres", "uno"}},
      {"descending, stable too",
       [this] {
         add({"a|1", "b|1", "c|2"});
         list.SortKey = 1;
         list.SortOrder = ListView::lvwDescending;
         list.Sorted = true;
       },
       {"c", "a", "b"}},
      {"changing the sort key or order while sorted sorts again",
       [this] {
         list.Sorted = true;
         add({"a|3", "b|1", "c|2"});
         list.SortKey = 1;
         list.SortOrder = ListView::lvwDescending;
       },
       {"a", "c", "b"}},
      {"a changed text moves its item",
       [this] {
         list.Sorted = true;
         add({"a", "b", "c"});
         list.ListItems(1).Text = "d";
       },
       {"b", "c", "d"}},
      {"sorting off leaves the order and appends again",
       [this] {
         list.Sorted = true;
         add({"b", "a"});
         list.Sorted = false;
         add({"0"});
         list.ListItems(1).Text = "z";
       },
       {"z", "b", "0"}},
  };
  for (const Case& c : cases) {
    list.ListItems.Clear();
    list.ColumnHeaders.Clear();
    list.ColumnHeaders.Add("", "Texto");
    list.ColumnHeaders.Add("", "Clave");
    list.Sorted = false;
    list.SortKey = 0;
    list.SortOrder = ListView::lvwAscending;
    c.act();
    EXPECT_EQ(shown(), c.expected) << c.name;
  }
  EXPECT_EQ(errorNumberOf([&] { list.SortOrder = 2; }), rt::err::InvalidPropertyValue);
  EXPECT_EQ(errorNumberOf([&] { list.SortKey = -1; }), rt::err::InvalidPropertyValue);
}

// The first item added to an empty list is selected, so Enter on a list
// just filled takes its first row.
TEST_F(ListViewTest, TheFirstItemAddedIsTheSelectedOne) {
  EXPECT_EQ(list.SelectedItem(), nullptr);
  add({"uno", "dos"});
  ASSERT_NE(list.SelectedItem(), nullptr);
  EXPECT_EQ(list.SelectedItem()->Text(), "uno");
  EXPECT_TRUE(list.ListItems(1).Selected());
  EXPECT_FALSE(list.ListItems(2).Selected());
  list.ListItems.Remove(1);
  EXPECT_EQ(list.SelectedItem(), nullptr) << "removing the selected item leaves none";
  list.ListItems.Clear();
  add({"tres"});
  EXPECT_EQ(list.SelectedItem(), &list.ListItems(1));
  list.setSelectedItem(nullptr);
  EXPECT_FALSE(list.ListItems(1).Selected());
}

TEST_F(ListViewTest, SingleSelectionKeepsOneItemMultiSelectKeepsMany) {
  add({"a", "b", "c"});
  list.ListItems(2).Selected = true;
  EXPECT_FALSE(list.ListItems(1).Selected());
  EXPECT_EQ(list.SelectedItem(), &list.ListItems(2));
  list.ListItems(2).Selected = false;
  EXPECT_EQ(list.SelectedItem(), nullptr);

  list.MultiSelect = true;
  list.ListItems(1).Selected = true;
  list.setSelectedItem(&list.ListItems(3));
  EXPECT_TRUE(list.ListItems(1).Selected());
  EXPECT_EQ(list.SelectedItem(), &list.ListItems(3)) << "the one selected last";
  list.ListItems(3).Selected = false;
  EXPECT_EQ(list.SelectedItem(), &list.ListItems(1)) << "then the first still selected";
  list.ListItems(3).Selected = true;
  list.MultiSelect = false;
  EXPECT_FALSE(list.ListItems(1).Selected()) << "back to single selection, one remains";
  EXPECT_TRUE(list.ListItems(3).Selected());
}

TEST_F(ListViewTest, TheOperatorsClicksChecksAndEditsRaiseTheListsEvents) {
  list.ColumnHeaders.Add("", "Codigo");
  add({"a", "b"});
  list.ListItems(2).Checked = true;  // from code: no event
  ui::op::checkItem(list, list.ListItems(1), true);
  EXPECT_FALSE(list.ListItems(1).Checked()) << "no boxes shown, nothing to tick";
  list.Checkboxes = true;
  ui::op::checkItem(list, list.ListItems(1), true);
  ui::op::clickItem(list, list.ListItems(2));
  ui::op::doubleClickItem(list, list.ListItems(2));
  ui::op::clickColumn(list, list.ColumnHeaders(1));
  EXPECT_EQ(form.log, QStringList({"ListView1_ItemCheck a 1", "ListView1_ItemClick b", "ListView1_Click",
                                   "ListView1_DblClick", "ListView1_ColumnClick Codigo"}));
  EXPECT_EQ(list.SelectedItem(), &list.ListItems(2));
  EXPECT_EQ(form.ActiveControl(), &list);

  list.BeforeLabelEdit = [](int& Cancel) { Cancel = 1; };
  EXPECT_FALSE(ui::op::beginLabelEdit(list, list.ListItems(1)));
  list.BeforeLabelEdit = nullptr;
  list.AfterLabelEdit = [](int&, QString& NewString) { NewString = NewString.toUpper(); };
  EXPECT_TRUE(ui::op::beginLabelEdit(list, list.ListItems(1)));
  EXPECT_TRUE(ui::op::endLabelEdit(list, list.ListItems(1), "nuevo"));
  EXPECT_EQ(list.ListItems(1).Text(), "NUEVO");
  list.LabelEdit = ListView::lvwManual;
  EXPECT_FALSE(ui::op::beginLabelEdit(list, list.ListItems(1)));
}

TEST_F(ListViewTest, EnsureVisibleNamesTheItemTheHostShows) {
  add({"a", "b"});
  EXPECT_EQ(list.visibleItem(), nullptr);
  list.ListItems(2).EnsureVisible();
  EXPECT_EQ(list.visibleItem(), &list.ListItems(2));
  list.ListItems.Remove(2);
  EXPECT_EQ(list.visibleItem(), nullptr);
}
