#include "platform/ui/ListView.h"

#include <algorithm>

#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"

namespace ui {

namespace {
void checkWidth(const PropertyOwner&, const int& twips) {
  if (twips < 0) rt::raise(rt::err::InvalidPropertyValue);
}
void checkSortKey(const PropertyOwner&, const int& key) {
  if (key < 0) rt::raise(rt::err::InvalidPropertyValue);
}
void checkSortOrder(const PropertyOwner&, const int& order) {
  if (order != ListView::lvwAscending && order != ListView::lvwDescending) rt::raise(rt::err::InvalidPropertyValue);
}
}  // namespace

// Column headers.

ColumnHeader::ColumnHeader(ListView& list, int index, QString key)
    : Width(this, Prop::Geometry, DefaultWidth, checkWidth), list_(list), index_(index), key_(std::move(key)) {}

int ColumnHeader::Left() const {
  int left = 0;
  for (int k = 0; k < index_ - 1; ++k) left += list_.ColumnHeaders.headers_[static_cast<std::size_t>(k)]->Width();
  return left;
}

void ColumnHeader::propertyChanged(Prop) {
  if (index_ > 0) list_.announce(Prop::Shape);
}

ColumnHeader& ListView::Headers::Add(const QString& key, const QString& text, int width, int alignment, int icon) {
  if (!key.isEmpty())
    for (const auto& h : headers_)
      if (rt::EqualsText(h->Key(), key)) rt::raise(rt::err::KeyNotUnique);
  if (alignment < lvwColumnLeft || alignment > lvwColumnCenter) rt::raise(rt::err::InvalidPropertyValue);
  std::unique_ptr<ColumnHeader> header(new ColumnHeader(list_, 0, key));
  header->Width = width;
  header->Text = text;
  header->Alignment = alignment;
  header->Icon = icon;
  header->index_ = Count() + 1;
  headers_.push_back(std::move(header));
  list_.announce(Prop::Shape);
  return *headers_.back();
}

ColumnHeader& ListView::Headers::operator()(int index) const {
  if (index < 1 || index > Count()) rt::raise(rt::err::IndexOutOfBounds);
  return *headers_[static_cast<std::size_t>(index - 1)];
}

ColumnHeader& ListView::Headers::operator()(const QString& key) const {
  for (const auto& h : headers_)
    if (!key.isEmpty() && rt::EqualsText(h->Key(), key)) return *h;
  rt::raise(rt::err::ElementNotFound);
}

void ListView::Headers::Clear() {
  headers_.clear();
  list_.announce(Prop::Shape);
}

// Items and their sub-items.

void ListSubItem::propertyChanged(Prop prop) { item_.subItemChanged(*this, prop); }

QString ListItem::SubItems(int j) const {
  if (j < 1 || j >= list_.ColumnHeaders.Count()) rt::raise(rt::err::InvalidPropertyValue);
  return cellText(j);
}

ListSubItem& ListItem::ListSubItems(int j) {
  if (j < 1 || j >= list_.ColumnHeaders.Count()) rt::raise(rt::err::InvalidPropertyValue);
  while (static_cast<int>(subItems_.size()) < j) subItems_.emplace_back(*this, static_cast<int>(subItems_.size()) + 1);
  return subItems_[static_cast<std::size_t>(j - 1)];
}

const ListSubItem* ListItem::subItem(int j) const {
  return j >= 1 && j <= static_cast<int>(subItems_.size()) ? &subItems_[static_cast<std::size_t>(j - 1)] : nullptr;
}

QString ListItem::cellText(int column) const {
  if (column == 0) return Text();
  const ListSubItem* sub = subItem(column);
  return sub ? sub->Text() : QString();
}

void ListItem::EnsureVisible() { list_.ensureVisible(*this); }

void ListItem::propertyChanged(Prop prop) { list_.itemChanged(*this, prop); }

void ListItem::subItemChanged(const ListSubItem& sub, Prop prop) {
  if (index_ == 0) return;
  if (prop == Prop::Text && list_.SortKey() == sub.Index()) list_.sortTextChanged(*this);
  list_.announce(Prop::Cell);
}

ListItem& ListView::Items::Add(int index, const QString& key, const QString& text, int icon, int smallIcon) {
  if (index < 0 || index > Count() + 1) rt::raise(rt::err::IndexOutOfBounds);
  list_.keys_.check(key);
  std::unique_ptr<ListItem> item(new ListItem(list_, key));
  item->Text.assign(text);
  item->Icon.assign(icon);
  item->SmallIcon.assign(smallIcon);
  ListItem& added = *item;
  auto& items = list_.items_;
  const std::size_t at = list_.Sorted() ? list_.placeFor(added)
                         : index == 0   ? items.size()
                                        : static_cast<std::size_t>(index - 1);
  items.insert(items.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
  list_.keys_.add(key, added);
  list_.renumberFrom(at);
  list_.announce(Prop::Shape);
  if (items.size() == 1) added.Selected = true;
  return added;
}

ListItem& ListView::Items::operator()(int index) const {
  if (index < 1 || index > Count()) rt::raise(rt::err::IndexOutOfBounds);
  return *list_.items_[static_cast<std::size_t>(index - 1)];
}

ListItem& ListView::Items::operator()(const QString& key) const { return list_.keys_.find(key); }

void ListView::Items::Remove(int index) {
  ListItem& item = (*this)(index);
  auto& items = list_.items_;
  list_.keys_.remove(item.Key());
  if (list_.visible_ == &item) list_.visible_ = nullptr;
  const bool wasSelected = list_.selected_ == &item;
  items.erase(items.begin() + (index - 1));
  if (wasSelected) list_.selected_ = list_.firstSelected();
  list_.renumberFrom(static_cast<std::size_t>(index - 1));
  list_.announce(Prop::Shape);
  if (wasSelected) list_.announce(Prop::Selection);
}

void ListView::Items::Clear() {
  list_.items_.clear();
  list_.keys_.clear();
  list_.selected_ = list_.visible_ = nullptr;
  list_.announce(Prop::Shape);
  list_.announce(Prop::Selection);
}

// The list.

ListView::ListView(Component& container, QString name, int index)
    : Control(container, std::move(name), index),
      SortKey(this, Prop::Shape, 0, checkSortKey),
      SortOrder(this, Prop::Shape, lvwAscending, checkSortOrder) {
  BackColor.assign(color::WindowBackground);
  ForeColor.assign(color::WindowText);
}

void ListView::setSelectedItem(ListItem* item) {
  if (item && &item->list() != this) rt::raise(rt::err::InvalidCall);
  if (!item) {
    adjustingSelection_ = true;
    for (const auto& i : items_) i->Selected.assign(false);
    adjustingSelection_ = false;
    selected_ = nullptr;
    announce(Prop::Selection);
  } else if (item->Selected()) {
    selected_ = item;
    announce(Prop::Selection);
  } else {
    item->Selected = true;
  }
}

void ListView::propertyChanged(Prop prop) {
  if (prop == Prop::Shape && Sorted()) sortAll();
  if (prop == Prop::Style && !MultiSelect()) keepOneSelected();
  Control::propertyChanged(prop);
}

void ListView::itemChanged(ListItem& item, Prop prop) {
  if (item.index_ == 0) return;  // still being added
  switch (prop) {
    case Prop::Selection: selectionChanged(item); break;
    case Prop::Tag: break;
    case Prop::Text:
      if (SortKey() == 0) sortTextChanged(item);
      announce(Prop::Cell);
      break;
    default: announce(Prop::Cell); break;
  }
}

void ListView::sortTextChanged(ListItem& item) {
  if (!Sorted()) return;
  const std::size_t from = static_cast<std::size_t>(item.index_ - 1);
  std::unique_ptr<ListItem> moving = std::move(items_[from]);
  items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(from));
  const std::size_t to = placeFor(item);
  items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(to), std::move(moving));
  renumberFrom(std::min(from, to));
  announce(Prop::Shape);
}

void ListView::selectionChanged(ListItem& item) {
  if (adjustingSelection_) return;
  adjustingSelection_ = true;
  if (item.Selected()) {
    if (!MultiSelect() && selected_ && selected_ != &item) selected_->Selected.assign(false);
    selected_ = &item;
  } else if (selected_ == &item) {
    selected_ = firstSelected();
  }
  adjustingSelection_ = false;
  announce(Prop::Selection);
}

void ListView::keepOneSelected() {
  adjustingSelection_ = true;
  for (const auto& i : items_)
    if (i.get() != selected_) i->Selected.assign(false);
  adjustingSelection_ = false;
}

void ListView::ensureVisible(ListItem& item) {
  visible_ = &item;
  announce(Prop::CurrentCell);
}

bool ListView::before(const ListItem& a, const ListItem& b) const {
  const int c = rt::StrComp(a.cellText(SortKey()), b.cellText(SortKey()), rt::Compare::Text);
  return SortOrder() == lvwAscending ? c < 0 : c > 0;
}

// After the items it sorts equal to, so that equal texts keep the order they came in.
std::size_t ListView::placeFor(const ListItem& item) const {
  const auto at = std::upper_bound(items_.begin(), items_.end(), &item,
                                   [this](const ListItem* a, const auto& b) { return before(*a, *b); });
  return static_cast<std::size_t>(at - items_.begin());
}

void ListView::sortAll() {
  std::stable_sort(items_.begin(), items_.end(), [this](const auto& a, const auto& b) { return before(*a, *b); });
  renumberFrom(0);
}

void ListView::renumberFrom(std::size_t position) {
  for (std::size_t i = position; i < items_.size(); ++i) items_[i]->index_ = static_cast<int>(i) + 1;
}

ListItem* ListView::firstSelected() const {
  for (const auto& i : items_)
    if (i->Selected()) return i.get();
  return nullptr;
}

}  // namespace ui
