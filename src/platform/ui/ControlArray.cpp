#include "platform/ui/ControlArray.h"

#include "platform/runtime/Error.h"
#include "platform/ui/Form.h"

namespace ui {

ControlArrayBase::ControlArrayBase(Component& container, QString name)
    : container_(container), name_(std::move(name)) {}

ControlArrayBase::~ControlArrayBase() = default;

int ControlArrayBase::LBound() const { return elements_.empty() ? -1 : elements_.begin()->first; }
int ControlArrayBase::UBound() const { return elements_.empty() ? -1 : elements_.rbegin()->first; }

Control& ControlArrayBase::element(int index) const {
  auto it = elements_.find(index);
  if (it == elements_.end()) rt::raise(rt::err::NoSuchControlArrayElement);
  return *it->second.control;
}

std::vector<Control*> ControlArrayBase::elements() const {
  std::vector<Control*> all;
  for (const auto& [index, e] : elements_) all.push_back(e.control.get());
  return all;
}

Control* ControlArrayBase::findByTag(const QString& tag) const {
  for (const auto& [index, e] : elements_)
    if (e.control->Tag().compare(tag, Qt::CaseInsensitive) == 0) return e.control.get();
  return nullptr;
}

Control& ControlArrayBase::add(int index, Factory make, bool loaded) {
  if (index < 0) rt::raise(rt::err::InvalidPropertyArrayIndex);
  if (exists(index)) rt::raise(rt::err::ObjectAlreadyLoaded);
  const Control* model = elements_.empty() ? nullptr : elements_.begin()->second.control.get();
  Control& c = *(elements_[index] = Element{make(container_, name_, index), loaded}).control;
  wire(c);
  if (loaded) {
    if (model) {
      c.Move(model->Left(), model->Top(), model->Width(), model->Height());
      c.Enabled = model->Enabled();
      c.FontName = model->FontName();
      c.FontSize = model->FontSize();
      c.FontBold = model->FontBold();
      c.ForeColor = model->ForeColor();
      c.BackColor = model->BackColor();
      c.Tag = model->Tag();
      c.ToolTipText = model->ToolTipText();
    }
    c.Visible = false;
    c.form().controlLoaded(c);
  }
  return c;
}

void ControlArrayBase::Unload(int index) {
  auto it = elements_.find(index);
  if (it == elements_.end()) rt::raise(rt::err::NoSuchControlArrayElement);
  if (!it->second.loaded) rt::raise(rt::err::CannotUnloadDesignControl);
  elements_.erase(it);
}

void ControlArrayBase::wire(Control& c) {
  const int i = c.Index();
  c.Click = [this, i] { Click(i); };
  c.Change = [this, i] { Change(i); };
  c.GotFocus = [this, i] { GotFocus(i); };
  c.LostFocus = [this, i] { LostFocus(i); };
  c.KeyDown = [this, i](int& code, int shift) { KeyDown(i, code, shift); };
  c.KeyPress = [this, i](int& ascii) { KeyPress(i, ascii); };
  c.KeyUp = [this, i](int& code, int shift) { KeyUp(i, code, shift); };
  c.Validate = [this, i](bool& cancel) { Validate(i, cancel); };
}

}  // namespace ui
