#pragma once
// A horizontal scroll bar: a Value between Min and Max (either may be the
// larger), moved by SmallChange at the arrows and LargeChange in the track.
// Every change of Value raises Change, from code as from the operator; a
// Value outside the range raises 380, and so do limits beyond -32768..32767
// and steps below 1. Moving a limit past Value brings Value along.
#include <QString>
#include <algorithm>

#include "platform/ui/Control.h"

namespace ui {

class HScrollBar : public Control {
 public:
  HScrollBar(Component& container, QString name, int index = -1);

  Property<int> Min;
  Property<int> Max;
  Property<int> SmallChange;
  Property<int> LargeChange;
  Property<int> Value;

  int lowest() const { return std::min(Min(), Max()); }
  int highest() const { return std::max(Min(), Max()); }

  bool takesFocus() const override { return true; }
  void propertyChanged(Prop prop) override;

 private:
  static void checkLimit(const PropertyOwner& owner, const int& value);
  static void checkStep(const PropertyOwner& owner, const int& value);
  static void checkValue(const PropertyOwner& owner, const int& value);
};

}  // namespace ui
