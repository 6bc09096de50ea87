#pragma once
// The list view, always in report layout: column headers, and rows whose
// first column is the item's own text and the others its sub-items.
//
//   ui::ListView ListView1{*this, "ListView1"};
//   ListView1.ColumnHeaders.Add("", "FECHA", TextWidth("XXXXXXXXXXXXX"));
//   ui::ListItem& itm = ListView1.ListItems.Add(0, "", "01/03/2024", 4, 4);
//   itm.setSubItems(1, "FC A 0001-00000123");
//   itm.ListSubItems(1).ForeColor = ui::color::Red;
//   if (ui::ListItem* sel = ListView1.SelectedItem()) ...
//
// Items and headers are numbered from 1 in display order and live as long
// as they are in their collection (a removed item's references dangle).
// Keys are optional, unique and compared without regard to case (35602 on
// a repeat, 35601 when none has the key; 35600 for an index out of range).
//
// Selection: the first item added to an empty list becomes the selected
// item, as on the desktop, so Enter on a freshly filled list takes its
// first row; an empty list has none. Without MultiSelect one item at most
// is selected; SelectedItem is the item selected last, while it stays so.
//
// Sorting: while Sorted, the list keeps its items in the order of column
// SortKey (0 the item's text, n its sub-item n), compared as text without
// regard to case, SortOrder ascending or descending; equal texts keep their
// order. An item added or whose sort text changes goes to its place; the
// index passed to Add is then not used.
//
// The program's writes raise no events (a Checked set from code raises no
// ItemCheck): events come from the operator (ui::op).
//
// What a host hears: Shape (headers or the items' set or order changed),
// Cell (a text, colour, weight, tick or icon of an item), Selection, and
// CurrentCell (EnsureVisible; see visibleItem).
#include <QString>
#include <deque>
#include <memory>
#include <vector>

#include "platform/ui/CollectionKeys.h"
#include "platform/ui/Control.h"

namespace ui {

class ImageList;
class ListItem;
class ListView;

class ColumnHeader final : public PropertyOwner {
 public:
  static constexpr int DefaultWidth = 1440;
  ColumnHeader(const ColumnHeader&) = delete;
  ColumnHeader& operator=(const ColumnHeader&) = delete;

  int Index() const { return index_; }
  // The sub-item shown under it (0: the item's own text).
  int SubItemIndex() const { return index_ - 1; }
  const QString& Key() const { return key_; }
  // The header's left edge: the widths of the headers before it.
  int Left() const;

  Property<QString> Text{this, Prop::Text};
  // Twips; negative widths raise 380.
  Property<int> Width;
  // lvwColumnLeft, lvwColumnRight, lvwColumnCenter.
  Property<int> Alignment{this, Prop::Alignment};
  // Index into the list's ColumnHeaderIcons; 0 for none.
  Property<int> Icon{this, Prop::Icon};
  Property<QString> Tag{this, Prop::Tag};

  void propertyChanged(Prop prop) override;

 private:
  friend class ListView;
  ColumnHeader(ListView& list, int index, QString key);
  ListView& list_;
  int index_;
  QString key_;
};

// A cell of an item after the first column, with its own colour and weight.
class ListSubItem final : public PropertyOwner {
 public:
  ListSubItem(ListItem& item, int index) : item_(item), index_(index) {}
  ListSubItem(const ListSubItem&) = delete;
  ListSubItem& operator=(const ListSubItem&) = delete;

  int Index() const { return index_; }
  Property<QString> Text{this, Prop::Text};
  Property<Color> ForeColor{this, Prop::ForeColor, color::WindowText};
  Property<bool> Bold{this, Prop::Font};

  void propertyChanged(Prop prop) override;

 private:
  ListItem& item_;
  int index_;
};

class ListItem final : public PropertyOwner {
 public:
  ListItem(const ListItem&) = delete;
  ListItem& operator=(const ListItem&) = delete;

  // Position in display order, from 1.
  int Index() const { return index_; }
  const QString& Key() const { return key_; }
  ListView& list() const { return list_; }

  Property<QString> Text{this, Prop::Text};
  Property<QString> Tag{this, Prop::Tag};
  // Shown as ticked while the list has Checkboxes.
  Property<bool> Checked{this, Prop::Value};
  Property<bool> Selected{this, Prop::Selection};
  // Colour and weight of the item's own text; sub-items have their own.
  Property<Color> ForeColor{this, Prop::ForeColor, color::WindowText};
  Property<bool> Bold{this, Prop::Font};
  // Indexes into the list's Icons and SmallIcons image lists (the report
  // layout shows the small one); 0 for none.
  Property<int> Icon{this, Prop::Icon};
  Property<int> SmallIcon{this, Prop::Icon};

  // Sub-item j is the text under column header j + 1: j runs from 1 to the
  // number of headers less one; any other j raises 380.
  QString SubItems(int j) const;
  void setSubItems(int j, const QString& text) { ListSubItems(j).Text = text; }
  // The sub-item itself, for its colour and weight.
  ListSubItem& ListSubItems(int j);

  // Scrolls the list until the item is in view.
  void EnsureVisible();
  // Sub-item j when it was ever written, null otherwise (for hosts, which
  // read without creating).
  const ListSubItem* subItem(int j) const;

  void propertyChanged(Prop prop) override;

 private:
  friend class ListView;
  friend class ListSubItem;
  ListItem(ListView& list, QString key) : list_(list), key_(std::move(key)) {}
  // The sub-item's text without the column check; empty when never set.
  QString cellText(int column) const;
  void subItemChanged(const ListSubItem& sub, Prop prop);

  ListView& list_;
  QString key_;
  int index_ = 0;
  std::deque<ListSubItem> subItems_;  // created on first use, 1 to n
};

class ListView : public Control {
 public:
  // ColumnHeader.Alignment.
  static constexpr int lvwColumnLeft = 0, lvwColumnRight = 1, lvwColumnCenter = 2;
  // SortOrder.
  static constexpr int lvwAscending = 0, lvwDescending = 1;
  // LabelEdit.
  static constexpr int lvwAutomatic = 0, lvwManual = 1;

  ListView(Component& container, QString name, int index = -1);

  class Headers {
   public:
    // Appended after the others (the program never inserts columns).
    ColumnHeader& Add(const QString& key = QString(), const QString& text = QString(),
                      int width = ColumnHeader::DefaultWidth, int alignment = lvwColumnLeft, int icon = 0);
    int Count() const { return static_cast<int>(headers_.size()); }
    ColumnHeader& operator()(int index) const;
    ColumnHeader& operator()(const QString& key) const;
    void Clear();

   private:
    friend class ListView;
    friend class ColumnHeader;
    explicit Headers(ListView& list) : list_(list) {}
    ListView& list_;
    std::vector<std::unique_ptr<ColumnHeader>> headers_;
  };

  class Items {
   public:
    // At 1-based `index` (0 appends; beyond Count + 1 raises 35600); while
    // the list is Sorted, at the item's place in the order instead.
    ListItem& Add(int index = 0, const QString& key = QString(), const QString& text = QString(), int icon = 0,
                  int smallIcon = 0);
    int Count() const { return static_cast<int>(list_.items_.size()); }
    ListItem& operator()(int index) const;
    ListItem& operator()(const QString& key) const;
    void Remove(int index);
    void Clear();

   private:
    friend class ListView;
    explicit Items(ListView& list) : list_(list) {}
    ListView& list_;
  };

  Headers ColumnHeaders{*this};
  Items ListItems{*this};

  Property<bool> Checkboxes{this, Prop::Style};
  Property<bool> MultiSelect{this, Prop::Style};
  // Automatic: the operator may edit an item's text in place, unless the
  // program refuses in BeforeLabelEdit or AfterLabelEdit.
  Property<int> LabelEdit{this, Prop::Style, lvwAutomatic};
  Property<bool> Sorted{this, Prop::Shape};
  // The column sorted by, from 0; negative raises 380.
  Property<int> SortKey;
  // lvwAscending or lvwDescending; any other value raises 380.
  Property<int> SortOrder;
  // Not owned; the image list must outlive the list or be unset first.
  Property<ImageList*> Icons{this, Prop::Picture, nullptr};
  Property<ImageList*> SmallIcons{this, Prop::Picture, nullptr};
  Property<ImageList*> ColumnHeaderIcons{this, Prop::Picture, nullptr};

  // Null when no item is selected.
  ListItem* SelectedItem() const { return selected_; }
  // Selects `item` (in single selection, alone); null clears the selection.
  void setSelectedItem(ListItem* item);
  // The item last brought into view by EnsureVisible, which the host keeps
  // in view; null when none, or when it went.
  ListItem* visibleItem() const { return visible_; }

  Event<ColumnHeader&> ColumnClick;
  Event<ListItem&> ItemClick;
  Event<ListItem&> ItemCheck;
  // Cancel (non-zero) keeps the text as it is.
  Event<int&> BeforeLabelEdit;
  Event<int&, QString&> AfterLabelEdit;

  bool takesFocus() const override { return true; }
  void propertyChanged(Prop prop) override;

 private:
  friend class ColumnHeader;
  friend class ListItem;

  void announce(Prop prop) { notify({prop}); }
  void itemChanged(ListItem& item, Prop prop);
  void sortTextChanged(ListItem& item);
  void selectionChanged(ListItem& item);
  void ensureVisible(ListItem& item);
  // Sorting.
  bool before(const ListItem& a, const ListItem& b) const;
  std::size_t placeFor(const ListItem& item) const;
  void sortAll();
  void renumberFrom(std::size_t position);
  ListItem* firstSelected() const;
  // Without MultiSelect only the selected item keeps its mark.
  void keepOneSelected();

  std::vector<std::unique_ptr<ListItem>> items_;
  CollectionKeys<ListItem> keys_;
  ListItem* selected_ = nullptr;
  ListItem* visible_ = nullptr;
  bool adjustingSelection_ = false;
};

}  // namespace ui
