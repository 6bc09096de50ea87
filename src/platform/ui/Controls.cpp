#include "platform/ui/Controls.h"

#include "platform/runtime/Error.h"
#include "platform/ui/Form.h"

namespace ui {

namespace {
void checkCheckBoxValue(const PropertyOwner&, const int& value) {
  if (value < 0 || value > 2) rt::raise(rt::err::InvalidPropertyValue);
}

// A form has one Enter button and one Escape button: setting one clears
// the flag on every other button of the form.
template <class Flag>
void keepOnly(CommandButton& chosen, Flag flag) {
  for (Control* c : chosen.form().controls())
    if (auto* b = dynamic_cast<CommandButton*>(c); b && b != &chosen) (b->*flag) = false;
}
}  // namespace

Label::Label(Component& container, QString name, int index) : Control(container, std::move(name), index) {}

TextBox::TextBox(Component& container, QString name, int index) : Control(container, std::move(name), index) {
  BackColor.assign(color::WindowBackground);
  ForeColor.assign(color::WindowText);
}

void TextBox::checkSelection(const PropertyOwner&, const int& value) {
  if (value < 0) rt::raise(rt::err::InvalidPropertyValue);
}

// The caret stays inside the text, as it does on screen.
bool TextBox::keepSelectionInText() {
  const auto length = static_cast<int>(Text().size());
  const bool pulled = SelStart() > length || SelStart() + SelLength() > length;
  if (SelStart() > length) SelStart.assign(length);
  if (SelStart() + SelLength() > length) SelLength.assign(length - SelStart());
  return pulled;
}

void TextBox::propertyChanged(Prop prop) {
  if (prop == Prop::Selection && keepSelectionInText()) return;
  if (prop == Prop::Text) keepSelectionInText();
  Control::propertyChanged(prop);
  if (prop == Prop::Text) Change();
}

CommandButton::CommandButton(Component& container, QString name, int index)
    : Control(container, std::move(name), index) {}

void CommandButton::propertyChanged(Prop prop) {
  Control::propertyChanged(prop);
  if (prop == Prop::Default && Default()) keepOnly(*this, &CommandButton::Default);
  if (prop == Prop::Cancel && Cancel()) keepOnly(*this, &CommandButton::Cancel);
}

CheckBox::CheckBox(Component& container, QString name, int index)
    : Control(container, std::move(name), index), Value(this, Prop::Value, 0, checkCheckBoxValue) {}

void CheckBox::propertyChanged(Prop prop) {
  Control::propertyChanged(prop);
  if (prop == Prop::Value) Click();
}

OptionButton::OptionButton(Component& container, QString name, int index)
    : Control(container, std::move(name), index) {}

void OptionButton::propertyChanged(Prop prop) {
  Control::propertyChanged(prop);
  if (prop != Prop::Value || !Value()) return;
  for (Control* c : form().controls())
    if (auto* o = dynamic_cast<OptionButton*>(c); o && o != this && &o->Container() == &Container()) o->Value = false;
  Click();
}

Frame::Frame(Component& container, QString name, int index) : Control(container, std::move(name), index) {}

Image::Image(Component& container, QString name, int index) : Control(container, std::move(name), index) {}

PictureBox::PictureBox(Component& container, QString name, int index) : Control(container, std::move(name), index) {}

Timer::Timer(Component& container, QString name, int index) : Control(container, std::move(name), index) {}

}  // namespace ui
