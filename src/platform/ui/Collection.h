#pragma once
// The parts of a control held as a collection numbered from 1: images of an
// image list, buttons of a toolbar, panels of a status bar. An item carries
// its `Index` (kept up to date as items come and go) and a `Key`, optional,
// unique when given and compared without regard to case. The errors are the
// desktop collections' own: 35600 for an index out of range, 35601 for a
// key no item has, 35602 for a repeated key. Every change of the collection
// is announced to its control as `prop`. Items stay in place in memory, so
// a reference to one holds while others are added or removed.
#include <QString>
#include <memory>
#include <vector>

#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Property.h"

namespace ui {

template <class Item>
class Collection {
 public:
  Collection(const Collection&) = delete;
  Collection& operator=(const Collection&) = delete;

  int Count() const { return static_cast<int>(items_.size()); }
  Item& operator()(int index) { return *items_[position(index)]; }
  const Item& operator()(int index) const { return *items_[position(index)]; }
  Item& operator()(const QString& key) {
    const int index = IndexOf(key);
    if (index == 0) rt::raise(rt::err::ElementNotFound);
    return *items_[static_cast<std::size_t>(index - 1)];
  }
  // The index of the item with `key`, or 0 when none has it.
  int IndexOf(const QString& key) const {
    if (key.isEmpty()) return 0;
    for (const auto& item : items_)
      if (rt::EqualsText(item->Key, key)) return item->Index;
    return 0;
  }
  void Remove(int index) {
    items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(position(index)));
    renumber();
    owner_.propertyChanged(prop_);
  }
  void Clear() {
    items_.clear();
    owner_.propertyChanged(prop_);
  }

 protected:
  Collection(PropertyOwner& owner, Prop prop) : owner_(owner), prop_(prop) {}
  ~Collection() = default;

  // Appends `item` when `index` is 0, otherwise puts it at that place.
  Item& place(int index, std::unique_ptr<Item> item) {
    if (index < 0 || index > Count() + 1) rt::raise(rt::err::IndexOutOfBounds);
    if (IndexOf(item->Key) != 0) rt::raise(rt::err::KeyNotUnique);
    const auto at = index == 0 ? items_.end() : items_.begin() + (index - 1);
    Item& placed = **items_.insert(at, std::move(item));
    renumber();
    owner_.propertyChanged(prop_);
    return placed;
  }

 private:
  std::size_t position(int index) const {
    if (index < 1 || index > Count()) rt::raise(rt::err::IndexOutOfBounds);
    return static_cast<std::size_t>(index - 1);
  }
  void renumber() {
    for (std::size_t i = 0; i < items_.size(); ++i) items_[i]->Index = static_cast<int>(i) + 1;
  }

  PropertyOwner& owner_;
  Prop prop_;
  std::vector<std::unique_ptr<Item>> items_;
};

}  // namespace ui
