#pragma once
// The window of one form model: its controls rendered at their twips
// geometry, the close box routed to the model's unload, the window's size
// and the focused control kept in step with the model.
#include <QEventLoop>
#include <QWidget>
#include <map>

#include "platform/ui/Form.h"

namespace qt {

class Binding;

class FormWindow : public QWidget {
 public:
  explicit FormWindow(ui::Form& form);
  ~FormWindow() override;

  // Null once the form is gone.
  ui::Form* form() const { return form_; }
  QWidget* widgetOf(const ui::Control& control) const;
  Binding* bindingOf(const ui::Control& control) const;

  // Shows the window, modal or not, with the focus on the model's control.
  void present(bool modal);
  // Still shown as far as the model is concerned.
  bool shownByModel() const;
  // The modal loop the window ends when the form hides or goes.
  void setModalLoop(QEventLoop* loop) { loop_ = loop; }
  // The form unloaded or is going away: stop following it and hide.
  void release();
  // Puts the keyboard focus on the model's focused control.
  void focusActiveControl();
  // A binding whose control went away.
  void forget(const ui::Control& control);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void moveEvent(QMoveEvent* event) override;

 private:
  void refresh(const ui::PropertyChange& change);
  void applyGeometry();
  void bindMissingControls();
  void applyTabOrderAndBuddies();
  void applyStacking();
  void endModalLoop();

  ui::Form* form_;
  int watchId_ = 0;
  std::map<const ui::Control*, Binding*> bindings_;
  QEventLoop* loop_ = nullptr;
  bool applyingGeometry_ = false;
};

}  // namespace qt
