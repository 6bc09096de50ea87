#include <QScrollBar>

#include "platform/qt/BarBindings.h"
#include "platform/qt/Bindings.h"
#include "platform/qt/FromOperator.h"
#include "platform/ui/Operator.h"
#include "platform/ui/ScrollBar.h"

namespace qt {

namespace {

// A Min above Max puts the larger value at the left end, as the model's
// range runs.
class ScrollBarBinding : public Binding {
 public:
  ScrollBarBinding(ui::HScrollBar& bar, QWidget* parent, FormWindow& window)
      : Binding(bar, new QScrollBar(Qt::Horizontal, parent), window), bar_(bar) {
    auto* w = static_cast<QScrollBar*>(widget());
    w->setFocusPolicy(Qt::StrongFocus);
    QObject::connect(w, &QScrollBar::valueChanged, this, [this](int value) {
      if (updating() || !control()) return;
      fromOperator([&] { ui::op::scroll(bar_, value); });
      if (control()) refresh({ui::Prop::Value});
    });
  }

 protected:
  void refresh(const ui::PropertyChange& change) override {
    Binding::refresh(change);
    auto* w = static_cast<QScrollBar*>(widget());
    const QSignalBlocker quiet(w);
    if (change.prop == ui::Prop::Range) {
      w->setRange(bar_.lowest(), bar_.highest());
      w->setInvertedAppearance(bar_.Min() > bar_.Max());
      w->setSingleStep(bar_.SmallChange());
      w->setPageStep(bar_.LargeChange());
    }
    if (change.prop == ui::Prop::Range || change.prop == ui::Prop::Value) w->setValue(bar_.Value());
  }

 private:
  ui::HScrollBar& bar_;
};

}  // namespace

Binding* bindScrollBar(ui::HScrollBar& bar, QWidget* parent, FormWindow& window) {
  return new ScrollBarBinding(bar, parent, window);
}

}  // namespace qt
