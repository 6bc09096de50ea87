#pragma once
// A widget of a window shown by the Qt host, found by its object name (the
// control's name, "chkTabla(0)" for an array element); a test that names a
// widget the window lacks stops with that name.
#include <QString>
#include <QWidget>
#include <stdexcept>
#include <string>

namespace testing_support {

template <class W>
W& child(QWidget& window, const QString& name) {
  W* w = window.findChild<W*>(name);
  if (!w) throw std::runtime_error("no widget " + name.toStdString());
  return *w;
}

}  // namespace testing_support
