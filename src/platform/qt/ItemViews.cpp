#include "platform/qt/ItemViews.h"

#include <QTimer>

#include "platform/qt/FromOperator.h"

namespace qt {

GatheredBinding::GatheredBinding(ui::Control& control, QWidget* parent, FormWindow& window)
    : Binding(control, new ItemView(parent), window) {
  view().setUniformRowHeights(true);
  view().setAllColumnsShowFocus(true);
}

void GatheredBinding::refresh(const ui::PropertyChange& change) {
  Binding::refresh(change);
  switch (change.prop) {
    case ui::Prop::Shape: case ui::Prop::Cell: case ui::Prop::Selection: case ui::Prop::CurrentCell:
    case ui::Prop::Style: case ui::Prop::Picture: case ui::Prop::Font:
      gather();
      break;
    default: break;
  }
}

void GatheredBinding::gather() {
  if (pending_) return;
  pending_ = true;
  QTimer::singleShot(0, this, [this] {
    pending_ = false;
    if (!control()) return;
    ++counts_.passes;
    applying_ = true;
    pass();
    applying_ = false;
  });
}

void GatheredBinding::operate(const std::function<void()>& reaction) {
  if (!applying_ && control()) fromOperator(reaction);
}

RefreshCounts refreshCounts(const QWidget& view) {
  for (QObject* child : view.children())
    if (auto* binding = dynamic_cast<GatheredBinding*>(child)) return binding->counts();
  return {};
}

}  // namespace qt
