#include "platform/qt/ItemViews.h"

#include <QCoreApplication>
#include <QEvent>

#include "platform/qt/ColumnWidths.h"
#include "platform/qt/FromOperator.h"

namespace qt {

GatheredBinding::GatheredBinding(ui::Control& control, QWidget* parent, FormWindow& window)
    : Binding(control, new ItemView(parent), window) {
  view().setUniformRowHeights(true);
  view().setAllColumnsShowFocus(true);
  keepColumnsAsSized(view());
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

namespace {
const auto kPass = static_cast<QEvent::Type>(QEvent::registerEventType());
}  // namespace

void showGatheredChanges() { QCoreApplication::sendPostedEvents(nullptr, kPass); }

void GatheredBinding::gather() {
  if (pending_) return;
  pending_ = true;
  QCoreApplication::postEvent(this, new QEvent(kPass));
}

bool GatheredBinding::event(QEvent* event) {
  if (event->type() != kPass) return Binding::event(event);
  if (pending_) runPass();
  return true;
}

bool GatheredBinding::eventFilter(QObject* watched, QEvent* event) {
  if (watched == widget() && event->type() == QEvent::Show && pending_) runPass();
  return Binding::eventFilter(watched, event);
}

void GatheredBinding::runPass() {
  pending_ = false;
  if (!control()) return;
  ++counts_.passes;
  applying_ = true;
  pass();
  applying_ = false;
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
