#include "ControlsOutside.h"

#include <QWidget>

#include "platform/qt/FormWindow.h"

namespace {

QRect rectIn(const QWidget& widget, const QWidget& window) {
  return QRect(widget.mapTo(&window, QPoint(0, 0)), widget.size());
}

// Unlike QRect::contains, an empty rectangle at the edge lies inside.
bool inside(const QRect& rect, const QRect& bounds) {
  return rect.left() >= bounds.left() && rect.top() >= bounds.top() &&
         rect.x() + rect.width() <= bounds.x() + bounds.width() &&
         rect.y() + rect.height() <= bounds.y() + bounds.height();
}

}  // namespace

std::vector<ControlOutside> ControlsOutside(const QWidget& window) {
  std::vector<ControlOutside> found;
  const auto* shown = dynamic_cast<const qt::FormWindow*>(&window);
  if (!shown || !shown->form()) return found;
  const QRect client(QPoint(0, 0), window.size());
  for (const ui::Control* c : shown->form()->controls()) {
    const QWidget* w = shown->widgetOf(*c);
    if (!w || !w->isVisibleTo(&window)) continue;
    const QRect rect = rectIn(*w, window);
    if (rect.isEmpty()) continue;
    if (!inside(rect, client)) {
      found.push_back({window.objectName(), w->objectName(), rect, QString(), client});
      continue;
    }
    const QWidget* container = w->parentWidget();
    if (!container || container == &window) continue;
    if (const QRect bounds = rectIn(*container, window); !inside(rect, bounds))
      found.push_back({window.objectName(), w->objectName(), rect, container->objectName(), bounds});
  }
  return found;
}

QString Describe(const ControlOutside& outside) {
  const auto text = [](const QRect& r) {
    return QStringLiteral("%1,%2 %3 x %4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
  };
  return QStringLiteral("%1 · %2 · %3 outside %4%5")
      .arg(outside.window, outside.control, text(outside.rect),
           outside.container.isEmpty() ? QString() : outside.container + u' ', text(outside.bounds));
}
