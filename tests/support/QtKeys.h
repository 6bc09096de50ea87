#pragma once
// A key as X delivers it to a widget of a window shown by the Qt host: a
// press and a release carrying the text X gives the key (Delete "\x7f",
// Ctrl+A "\x01"), which the offscreen platform does not give.
#include <QApplication>
#include <QKeyEvent>
#include <QString>

namespace testing_support {

inline void pressAsX(QWidget& widget, Qt::Key key, Qt::KeyboardModifiers modifiers, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(&widget, &press);
  QApplication::sendEvent(&widget, &release);
}

}  // namespace testing_support
