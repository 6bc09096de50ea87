#pragma once
// The controls a window on screen shows wholly or partly outside its client
// area: every visible control of its form whose rectangle does not lie
// inside the window, where the operator cannot reach all of it (a window
// left at its default size cuts off its buttons).
#include <QRect>
#include <QString>
#include <vector>

class QWidget;

struct ControlOutside {
  QString window;   // the window's name (its form's)
  QString control;  // the control's name, "name(index)" for an array element
  QRect rect;       // where it is, in the window's client coordinates
  QSize client;     // the client area's size

  bool operator==(const ControlOutside&) const = default;
};

// None for a window that is not a form's.
std::vector<ControlOutside> ControlsOutside(const QWidget& window);

// "window · control · x,y w x h outside w x h", one line.
QString Describe(const ControlOutside& outside);
