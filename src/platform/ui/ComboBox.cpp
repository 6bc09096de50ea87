#include "platform/ui/ComboBox.h"

#include "platform/runtime/Error.h"

namespace ui {

ComboBox::ComboBox(Component& container, QString name, int index)
    : Control(container, std::move(name), index),
      ListIndex(this, Prop::ListIndex, -1, checkListIndex),
      Text(this, Prop::Text, QString(), checkText) {
  BackColor.assign(color::WindowBackground);
  ForeColor.assign(color::WindowText);
}

void ComboBox::checkListIndex(const PropertyOwner& owner, const int& value) {
  const auto& combo = static_cast<const ComboBox&>(owner);
  if (value < -1 || value >= combo.ListCount()) rt::raise(rt::err::InvalidPropertyValue);
}

void ComboBox::checkText(const PropertyOwner& owner, const QString& value) {
  const auto& combo = static_cast<const ComboBox&>(owner);
  if (combo.Style() == DropdownList && !value.isEmpty() && !combo.items_.contains(value))
    rt::raise(rt::err::PropertyIsReadOnly);
}

void ComboBox::AddItem(const QString& item, int index) {
  if (index < -1 || index > ListCount()) rt::raise(rt::err::InvalidCall);
  const int at = index < 0 ? ListCount() : index;
  items_.insert(at, item);
  if (ListIndex() >= at) shiftIndex(ListIndex() + 1);
  propertyChanged(Prop::List);
}

void ComboBox::RemoveItem(int index) {
  if (index < 0 || index >= ListCount()) rt::raise(rt::err::InvalidCall);
  items_.removeAt(index);
  if (ListIndex() == index) shiftIndex(-1);
  else if (ListIndex() > index) shiftIndex(ListIndex() - 1);
  propertyChanged(Prop::List);
}

void ComboBox::Clear() {
  items_.clear();
  shiftIndex(-1);
  propertyChanged(Prop::List);
}

void ComboBox::shiftIndex(int index) {
  quiet_ = true;
  ListIndex.assign(index);
  Text.assign(List(index));
  quiet_ = false;
}

QString ComboBox::List(int index) const { return index >= 0 && index < ListCount() ? items_[index] : QString(); }

void ComboBox::propertyChanged(Prop prop) {
  Control::propertyChanged(prop);
  if (quiet_) return;
  if (prop == Prop::ListIndex) {
    // Choosing from the list shows the item without raising Change.
    quiet_ = true;
    Text.assign(List(ListIndex()));
    quiet_ = false;
    Click();
  } else if (prop == Prop::Text) {
    if (Style() != DropdownList) Change();
    else if (List(ListIndex()) != Text()) ListIndex = static_cast<int>(items_.indexOf(Text()));
  }
}

}  // namespace ui
