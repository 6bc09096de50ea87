#pragma once
// A control of a form: placed in a container (the form, a frame or a picture
// box), possibly one element of a control array, in the form's tab order, and
// raising the events the form wires to its event procedures. A kind that
// never raises an event (a label's Change) leaves it silent.
#include <QString>

#include "platform/ui/Component.h"

namespace ui {

class Control : public Component {
 public:
  ~Control() override;

  // Position in its control array; -1 for a control of its own.
  int Index() const { return index_; }
  Component& Container() const { return container_; }
  Form& form() override { return form_; }
  const Form& form() const { return form_; }

  Property<QString> Tag{this, Prop::Tag};
  Property<QString> ToolTipText{this, Prop::ToolTipText};
  Property<int> TabIndex;

  // Moves the focus here (the control losing it validates first); a control
  // that cannot hold the focus now (disabled, hidden) raises error 5.
  void SetFocus();
  // Enabled and visible, and so is every container around it and the form:
  // what the operator can reach.
  bool available() const;
  // Can hold the focus now: a kind that takes it, available.
  bool canFocus() const { return takesFocus() && available(); }
  // Kinds that take the focus at all (text boxes, buttons, ...).
  virtual bool takesFocus() const { return false; }
  // 0 brings the control in front of the others in its container, 1 sends
  // it behind them; any other position raises 5.
  void ZOrder(int position = 0);
  // The last such request: 0 none; above 0 to the front, below 0 to the
  // back, a larger magnitude for a later request (hosts replay them in order).
  int stacking() const { return stacking_; }

  Event<> Click;
  Event<> DblClick;
  Event<> Change;
  Event<> GotFocus;
  Event<> LostFocus;
  Event<int&, int> KeyDown;  // KeyCode, Shift
  Event<int&> KeyPress;      // KeyAscii
  Event<int&, int> KeyUp;
  Event<bool&> Validate;     // Cancel keeps the focus here

  void propertyChanged(Prop prop) override;

 protected:
  Control(Component& container, QString name, int index = -1);

 private:
  Component& container_;
  Form& form_;
  int index_;
  int stacking_ = 0;
};

}  // namespace ui
