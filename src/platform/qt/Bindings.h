#pragma once
// One control's widget kept in step with its model both ways: model changes
// refresh the widget; the operator's clicks, typing, keys and focus reach the
// model through ui::op, so its event procedures run as in tests.
#include <QObject>
#include <QWidget>

#include "platform/ui/Control.h"

namespace qt {

class FormWindow;

class Binding : public QObject {
 public:
  // `widget` may be null for kinds without one (a timer).
  Binding(ui::Control& control, QWidget* widget, FormWindow& window);
  ~Binding() override;

  // Null once the model is gone.
  ui::Control* control() const { return control_; }
  QWidget* widget() const { return widget_; }
  // Brings the widget up to the model.
  void refreshAll();

 protected:
  virtual void refresh(const ui::PropertyChange& change);
  // The model is gone: let go of everything that points into it.
  virtual void detach() {}
  bool eventFilter(QObject* watched, QEvent* event) override;
  // The widget is being brought up to the model: its signals are not the
  // operator's.
  bool updating() const { return updating_; }
  FormWindow& window() const { return window_; }

 private:
  void applyColors();
  bool handleKey(QEvent* event);

  ui::Control* control_;
  QWidget* widget_;
  FormWindow& window_;
  int watchId_ = 0;
  bool updating_ = false;
};

// Makes the widget of `control` inside `parent` and its binding (a child of
// the widget, or of the window for kinds without one).
Binding* bindControl(ui::Control& control, QWidget* parent, FormWindow& window);

// A control's stacking request (ui::Control::stacking) made on its widget.
void raiseOrLower(QWidget& widget, int stacking);

// A label's access key moves the focus to `buddy`.
void setLabelBuddy(Binding& label, QWidget* buddy);

}  // namespace qt
