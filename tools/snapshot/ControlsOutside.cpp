#include "ControlsOutside.h"

#include <QWidget>

#include "platform/qt/FormWindow.h"

namespace {

// The part of `widget` its containers leave in view (a container clips what
// lies beyond it, as a scrolled panel does), in the window's coordinates;
// the containers are looked at on their own.
QRect shownPart(const QWidget& widget, const QWidget& window) {
  QRect shown(widget.mapTo(&window, QPoint(0, 0)), widget.size());
  for (const QWidget* p = widget.parentWidget(); p && p != &window; p = p->parentWidget())
    shown &= QRect(p->mapTo(&window, QPoint(0, 0)), p->size());
  return shown;
}

// Unlike QRect::contains, an empty rectangle at the edge lies inside.
bool inside(const QRect& rect, const QSize& client) {
  return rect.left() >= 0 && rect.top() >= 0 && rect.x() + rect.width() <= client.width() &&
         rect.y() + rect.height() <= client.height();
}

}  // namespace

std::vector<ControlOutside> ControlsOutside(const QWidget& window) {
  std::vector<ControlOutside> found;
  const auto* shown = dynamic_cast<const qt::FormWindow*>(&window);
  if (!shown || !shown->form()) return found;
  for (const ui::Control* c : shown->form()->controls()) {
    const QWidget* w = shown->widgetOf(*c);
    if (!w || !w->isVisibleTo(&window)) continue;
    const QRect rect = shownPart(*w, window);
    if (!rect.isEmpty() && !inside(rect, window.size()))
      found.push_back({window.objectName(), w->objectName(), rect, window.size()});
  }
  return found;
}

QString Describe(const ControlOutside& outside) {
  const QRect& r = outside.rect;
  return QStringLiteral("%1 · %2 · %3,%4 %5 x %6 outside %7 x %8")
      .arg(outside.window, outside.control)
      .arg(r.x())
      .arg(r.y())
      .arg(r.width())
      .arg(r.height())
      .arg(outside.client.width())
      .arg(outside.client.height());
}
