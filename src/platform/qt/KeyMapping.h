#pragma once
// Qt's keys as the program's key codes (KeyDown), the characters they type
// (KeyPress) and shift masks.
#include <QKeyEvent>

namespace qt {

// 0 for keys the program has no code for.
int vbKeyCode(const QKeyEvent& event);
int vbShift(Qt::KeyboardModifiers modifiers);
// The character a key types, as the program gets it in KeyPress: printable
// characters, Enter 13, Backspace 8, Escape 27, Tab 9, Ctrl with a letter
// 1 to 26, Ctrl+Enter 10 and Ctrl+Backspace 127; 0 for the keys that type
// none (Delete, arrows, function keys, Home, End, Insert...), whatever text
// the desktop gives them.
int vbKeyAscii(const QKeyEvent& event);

}  // namespace qt
