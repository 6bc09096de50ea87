#pragma once
// Qt's keys as the program's key codes (KeyDown) and shift masks.
#include <QKeyEvent>

namespace qt {

// 0 for keys the program has no code for.
int vbKeyCode(const QKeyEvent& event);
int vbShift(Qt::KeyboardModifiers modifiers);

}  // namespace qt
