#include <QTabBar>

#include "platform/qt/BarBindings.h"
#include "platform/qt/Bindings.h"
#include "platform/qt/FromOperator.h"
#include "platform/ui/Operator.h"
#include "platform/ui/TabControl.h"

namespace qt {

namespace {

// A tab the model refused (the control losing the focus kept it in
// Validate) leaves the bar showing the model's tab.
class TabControlBinding : public Binding {
 public:
  TabControlBinding(ui::TabControl& tabs, QWidget* parent, FormWindow& window)
      : Binding(tabs, new QTabBar(parent), window), tabs_(tabs) {
    auto* bar = static_cast<QTabBar*>(widget());
    bar->setDrawBase(true);
    bar->setExpanding(false);
    QObject::connect(bar, &QTabBar::currentChanged, this, [this](int tab) {
      if (updating() || !control() || tab < 0) return;
      fromOperator([&] { ui::op::chooseTab(tabs_, tab); });
      if (control()) refresh({ui::Prop::Value});
    });
  }

 protected:
  void refresh(const ui::PropertyChange& change) override {
    Binding::refresh(change);
    auto* bar = static_cast<QTabBar*>(widget());
    const QSignalBlocker quiet(bar);
    if (change.prop == ui::Prop::Tabs) {
      while (bar->count() > tabs_.Tabs()) bar->removeTab(bar->count() - 1);
      while (bar->count() < tabs_.Tabs()) bar->addTab(QString());
      for (int t = 0; t < tabs_.Tabs(); ++t) {
        bar->setTabText(t, tabs_.TabCaption(t));
        bar->setTabVisible(t, tabs_.TabVisible(t));
      }
    }
    if (change.prop == ui::Prop::Tabs || change.prop == ui::Prop::Value) bar->setCurrentIndex(tabs_.Tab());
  }

 private:
  ui::TabControl& tabs_;
};

}  // namespace

Binding* bindTabControl(ui::TabControl& tabs, QWidget* parent, FormWindow& window) {
  return new TabControlBinding(tabs, parent, window);
}

}  // namespace qt
