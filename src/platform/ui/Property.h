#pragma once
// The two building blocks of form models: a property that tells its owner
// when it changes (so a host can keep its widget in step and the control can
// raise its own events), and an event that holds the one handler a form wires
// to it. Plain callbacks: the model needs no Qt signals.
#include <functional>
#include <utility>

namespace ui {

// What changed; a host refreshes the matching part of its widget.
enum class Prop {
  Caption, Text, Value, Geometry, Enabled, Visible, Font, ForeColor, BackColor, ToolTipText, Tag, TabIndex,
  Alignment, Locked, MaxLength, PasswordChar, MultiLine, Selection, Default, Cancel, Style, List, ListIndex,
  Picture, Stretch, Interval, Icon, BorderStyle, KeyPreview, Focus,
  // Grid: a cell's text or format (row and column given), anything else of its shape (also Redraw turned
  // back on), the current cell and scrolling.
  Cell, Shape, CurrentCell,
  // A control array element was loaded on the form.
  Controls,
  // A toolbar's buttons, a status bar's panels, a tab control's tabs, a scroll bar's limits and steps; a
  // control brought to the front or sent to the back.
  Buttons, Panels, Tabs, Range, ZOrder,
  // The object is going away; observers must forget it.
  Destroyed,
};

struct PropertyChange {
  Prop prop;
  int row = -1;
  int col = -1;
};

// Implemented by Component: where a property reports its changes.
class PropertyOwner {
 public:
  virtual void propertyChanged(Prop prop) = 0;

 protected:
  ~PropertyOwner() = default;
};

// A value read with `p()` (or converted implicitly) and written with `p = v`.
// A write that changes the value reports `prop` to the owner; an optional
// check may refuse a value by raising a runtime error before anything changes.
template <class T>
class Property {
 public:
  using Check = void (*)(const PropertyOwner& owner, const T& value);

  Property(PropertyOwner* owner, Prop prop, T initial = T{}, Check check = nullptr)
      : owner_(owner), prop_(prop), value_(std::move(initial)), check_(check) {}
  Property(const Property&) = delete;
  Property& operator=(const Property&) = delete;

  Property& operator=(const T& value) {
    if (check_) check_(*owner_, value);
    if (value_ == value) return *this;
    value_ = value;
    owner_->propertyChanged(prop_);
    return *this;
  }
  const T& operator()() const { return value_; }
  operator const T&() const { return value_; }

  // For the owner's own bookkeeping: sets without the check.
  void assign(const T& value) {
    if (value_ == value) return;
    value_ = value;
    owner_->propertyChanged(prop_);
  }

 private:
  PropertyOwner* owner_;
  Prop prop_;
  T value_;
  Check check_;
};

// An event with at most one handler; raising an event nobody handles does
// nothing. Arguments passed by reference (KeyCode, Cancel) can be changed by
// the handler, as the program's event procedures do.
template <class... Args>
class Event {
 public:
  using Handler = std::function<void(Args...)>;

  Event& operator=(Handler handler) {
    handler_ = std::move(handler);
    return *this;
  }
  void operator()(Args... args) const {
    if (handler_) handler_(args...);
  }
  explicit operator bool() const { return static_cast<bool>(handler_); }

 private:
  Handler handler_;
};

}  // namespace ui
