#pragma once
// A combo box: a list of texts, the chosen one (ListIndex, -1 for none) and
// the text shown. Style 0 lets the operator type, style 2 is a drop-down
// list whose text is always the chosen item.
#include <QString>
#include <QStringList>

#include "platform/ui/Control.h"

namespace ui {

class ComboBox : public Control {
 public:
  static constexpr int DropdownCombo = 0, SimpleCombo = 1, DropdownList = 2;

  ComboBox(Component& container, QString name, int index = -1);

  Property<int> Style{this, Prop::Style};
  // A change of the chosen item raises Click and shows the item's text.
  Property<int> ListIndex;
  // Styles 0 and 1: typed or set text, raising Change. Style 2: setting it
  // chooses the item of that text; any other text raises error 383.
  Property<QString> Text;

  // Adds at the end, or before `index`.
  void AddItem(const QString& item, int index = -1);
  void RemoveItem(int index);
  void Clear();
  // The item's text; "" outside the list.
  QString List(int index) const;
  int ListCount() const { return static_cast<int>(items_.size()); }

  bool takesFocus() const override { return true; }
  void propertyChanged(Prop prop) override;

 private:
  static void checkListIndex(const PropertyOwner& owner, const int& value);
  static void checkText(const PropertyOwner& owner, const QString& value);
  // Follows the list's edits (the chosen item moved or went) without events.
  void shiftIndex(int index);

  QStringList items_;
  bool quiet_ = false;
};

}  // namespace ui
