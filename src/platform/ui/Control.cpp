#include "platform/ui/Control.h"

#include "platform/runtime/Error.h"
#include "platform/ui/Form.h"

namespace ui {

namespace {
void checkTabIndex(const PropertyOwner&, const int& value) {
  if (value < 0) rt::raise(rt::err::InvalidPropertyValue);
}

int stackingRequests = 0;
}  // namespace

Control::Control(Component& container, QString name, int index)
    : Component(std::move(name)),
      TabIndex(this, Prop::TabIndex, 0, checkTabIndex),
      container_(container),
      form_(container.form()),
      index_(index) {
  form_.addControl(*this);
}

Control::~Control() { form_.removeControl(*this); }

bool Control::available() const {
  for (const Control* c = this;; c = static_cast<const Control*>(&c->Container())) {
    if (!c->Enabled() || !c->Visible()) return false;
    if (&c->Container() == &form_) return form_.Enabled();
  }
}

void Control::SetFocus() {
  if (!canFocus()) rt::raise(rt::err::InvalidCall);
  form_.moveFocus(*this);
}

void Control::ZOrder(int position) {
  if (position != 0 && position != 1) rt::raise(rt::err::InvalidCall);
  ++stackingRequests;
  stacking_ = position == 0 ? stackingRequests : -stackingRequests;
  propertyChanged(Prop::ZOrder);
}

void Control::propertyChanged(Prop prop) {
  Component::propertyChanged(prop);
  if (prop == Prop::TabIndex && !form_.renumbering_) form_.tabIndexChanged(*this);
  if ((prop == Prop::Enabled || prop == Prop::Visible) && form_.active_ && !form_.active_->canFocus())
    form_.focusLost(*form_.active_);
}

}  // namespace ui
