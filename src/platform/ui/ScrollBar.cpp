#include "platform/ui/ScrollBar.h"

#include <algorithm>

#include "platform/runtime/Error.h"

namespace ui {

HScrollBar::HScrollBar(Component& container, QString name, int index)
    : Control(container, std::move(name), index),
      Min(this, Prop::Range, 0, checkLimit),
      Max(this, Prop::Range, 32767, checkLimit),
      SmallChange(this, Prop::Range, 1, checkStep),
      LargeChange(this, Prop::Range, 1, checkStep),
      Value(this, Prop::Value, 0, checkValue) {}

void HScrollBar::checkLimit(const PropertyOwner&, const int& value) {
  if (value < -32768 || value > 32767) rt::raise(rt::err::InvalidPropertyValue);
}

void HScrollBar::checkStep(const PropertyOwner&, const int& value) {
  if (value < 1 || value > 32767) rt::raise(rt::err::InvalidPropertyValue);
}

void HScrollBar::checkValue(const PropertyOwner& owner, const int& value) {
  const auto& bar = static_cast<const HScrollBar&>(owner);
  if (value < bar.lowest() || value > bar.highest()) rt::raise(rt::err::InvalidPropertyValue);
}

void HScrollBar::propertyChanged(Prop prop) {
  Control::propertyChanged(prop);
  if (prop == Prop::Range) Value.assign(std::clamp(Value(), lowest(), highest()));
  if (prop == Prop::Value) Change();
}

}  // namespace ui
