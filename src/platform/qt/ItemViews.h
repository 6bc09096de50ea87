#pragma once
// What the list and tree bindings share: the widget, a tree view that
// leaves typed letters to the program, and a binding that gathers the
// model's changes into one pass of the event loop. The pass is a posted
// event, which a yield delivers first (see showGatheredChanges), and it
// runs at once when the view is shown, so a window shows its filled lists
// from the start.
#include <QTreeView>
#include <functional>

#include "platform/qt/Bindings.h"
#include "platform/qt/ListBindings.h"

namespace qt {

class ItemView : public QTreeView {
 public:
  using QTreeView::QTreeView;
  void keyboardSearch(const QString&) override {}
};

class GatheredBinding : public Binding {
 public:
  RefreshCounts counts() const { return counts_; }

 protected:
  GatheredBinding(ui::Control& control, QWidget* parent, FormWindow& window);
  ItemView& view() const { return *static_cast<ItemView*>(widget()); }
  void refresh(const ui::PropertyChange& change) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Brings the view up to the model, once per pass of the event loop.
  virtual void pass() = 0;
  void rebuilt() { ++counts_.rebuilds; }
  // Runs the program's reaction to what the operator did, unless the view
  // is only being brought up to the model.
  void operate(const std::function<void()>& reaction);

 private:
  void gather();
  void runPass();

  RefreshCounts counts_;
  bool pending_ = false;
  // The view is being brought up to the model: its signals are not the
  // operator's.
  bool applying_ = false;
};

}  // namespace qt
