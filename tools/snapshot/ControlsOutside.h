#pragma once
// The controls a window on screen shows wholly or partly out of reach: every
// visible control of its form whose own rectangle crosses the edge of the
// window's client area, or the edge of the container it lies in (which cuts
// off what lies beyond it), where the operator cannot reach all of it (a
// window left at its default size cuts off its buttons; a search box wider
// than its panel hides the end of what is typed). No container of these
// windows scrolls its content: the list lookup's scroll bar moves its panel
// whole, and the panel's boxes and list stay inside it.
#include <QRect>
#include <QString>
#include <vector>

class QWidget;

struct ControlOutside {
  QString window;     // the window's name (its form's)
  QString control;    // the control's name, "name(index)" for an array element
  QRect rect;         // where it is, in the window's client coordinates
  QString container;  // the container it crosses; empty for the client area
  QRect bounds;       // the rectangle it crosses, in the same coordinates

  bool operator==(const ControlOutside&) const = default;
};

// None for a window that is not a form's.
std::vector<ControlOutside> ControlsOutside(const QWidget& window);

// "window · control · x,y w x h outside [container] x,y w x h", one line.
QString Describe(const ControlOutside& outside);
