#include "platform/ui/Form.h"

#include <algorithm>

#include "platform/ui/Host.h"

namespace ui {

namespace {
// Window frame and title bar in twips, as the desktop draws them at 15
// twips per pixel; they turn a form's outer size into its client area.
constexpr int kSizableFrame = 60, kFixedFrame = 45, kCaption = 345, kToolCaption = 255;
}  // namespace

Form::Form(QString name) : Component(std::move(name)) {
  Visible.assign(false);
  Width.assign(4800);
  Height.assign(3600);
}

Form::~Form() {
  if (hosted_) host().ReleaseForm(*this);
}

int Form::nonClientWidth() const {
  switch (BorderStyle()) {
    case 0: return 0;
    case 2: case 5: return 2 * kSizableFrame;
    default: return 2 * kFixedFrame;
  }
}

int Form::nonClientHeight() const {
  switch (BorderStyle()) {
    case 0: return 0;
    case 2: return 2 * kSizableFrame + kCaption;
    case 5: return 2 * kSizableFrame + kToolCaption;
    case 4: return 2 * kFixedFrame + kToolCaption;
    default: return 2 * kFixedFrame + kCaption;
  }
}

void Form::Load() {
  if (loaded_) return;
  loaded_ = true;
  shownSinceLoad_ = false;
  lastWidth_ = Width();
  lastHeight_ = Height();
  Form_Load();
}

void Form::Show(int modal) {
  Load();
  if (!loaded_) return;
  showing_ = true;
  Visible = true;
  showing_ = false;
  hosted_ = true;
  host().ShowForm(*this, modal != vbModeless);
}

int Form::TextWidth(const QString& text) const { return host().TextWidth(*this, text); }

void Form::Hide() {
  Load();
  Visible = false;
}

bool Form::Unload(int mode) {
  if (!loaded_) return true;
  int cancel = 0;
  Form_QueryUnload(cancel, mode);
  if (cancel) return false;
  Form_Unload(cancel);
  if (cancel) return false;
  // Not loaded any more when it disappears: a host closes its window
  // rather than hiding it.
  loaded_ = false;
  Visible = false;
  active_ = nullptr;
  if (hosted_) host().ReleaseForm(*this);
  hosted_ = false;
  return true;
}

Control* Form::find(const QString& name, int index) const {
  for (Control* c : controls_)
    if (c->Index() == index && c->Name().compare(name, Qt::CaseInsensitive) == 0) return c;
  return nullptr;
}

bool Form::moveFocus(Control& to) {
  if (&to == active_) return true;
  if (!to.canFocus()) return false;
  if (Control* previous = active_) {
    bool cancel = false;
    previous->Validate(cancel);
    if (cancel) return false;
    active_ = &to;
    previous->LostFocus();
  }
  active_ = &to;
  notify({Prop::Focus});
  to.GotFocus();
  return true;
}

Control* Form::nextInTabOrder(const Control* from) const {
  const auto n = static_cast<int>(tabOrder_.size());
  const auto at = std::find(tabOrder_.begin(), tabOrder_.end(), from);
  const int start = at == tabOrder_.end() ? -1 : static_cast<int>(at - tabOrder_.begin());
  for (int step = 1; step <= n; ++step) {
    Control* c = tabOrder_[(start + step + n) % n];
    if (c != from && c->canFocus()) return c;
  }
  return nullptr;
}

void Form::focusLost(Control& c) {
  Control* next = nextInTabOrder(&c);
  active_ = nullptr;
  c.LostFocus();
  if (next && !active_) {
    active_ = next;
    notify({Prop::Focus});
    next->GotFocus();
  } else {
    notify({Prop::Focus});
  }
}

void Form::propertyChanged(Prop prop) {
  Component::propertyChanged(prop);
  if (prop == Prop::Visible && Visible()) {
    if (!showing_) {
      Load();
      hosted_ = true;
      host().ShowForm(*this, false);
    }
    if (!shownSinceLoad_) {
      shownSinceLoad_ = true;
      Form_Resize();
    }
  }
  if (prop == Prop::Geometry && loaded_ && (Width() != lastWidth_ || Height() != lastHeight_)) {
    lastWidth_ = Width();
    lastHeight_ = Height();
    Form_Resize();
  }
}

void Form::addControl(Control& c) {
  controls_.push_back(&c);
  tabOrder_.push_back(&c);
  renumberTabOrder();
}

void Form::removeControl(Control& c) {
  std::erase(controls_, &c);
  std::erase(tabOrder_, &c);
  if (active_ == &c) active_ = nullptr;
  renumberTabOrder();
}

void Form::controlLoaded(Control&) { notify({Prop::Controls}); }

void Form::tabIndexChanged(Control& c) {
  std::erase(tabOrder_, &c);
  const auto at = std::min<std::size_t>(static_cast<std::size_t>(c.TabIndex()), tabOrder_.size());
  tabOrder_.insert(tabOrder_.begin() + static_cast<std::ptrdiff_t>(at), &c);
  renumberTabOrder();
}

void Form::renumberTabOrder() {
  renumbering_ = true;
  for (std::size_t i = 0; i < tabOrder_.size(); ++i) tabOrder_[i]->TabIndex.assign(static_cast<int>(i));
  renumbering_ = false;
}

}  // namespace ui
