#include "platform/qt/KeyMapping.h"

#include "platform/ui/KeyCodes.h"

namespace qt {

int vbKeyCode(const QKeyEvent& event) {
  const int k = event.key();
  const bool keypad = event.modifiers() & Qt::KeypadModifier;
  if (keypad && k >= Qt::Key_0 && k <= Qt::Key_9) return ui::key::Numpad0 + (k - Qt::Key_0);
  if (k >= Qt::Key_0 && k <= Qt::Key_9) return k;  // same codes as the characters
  if (k >= Qt::Key_A && k <= Qt::Key_Z) return k;
  if (k >= Qt::Key_F1 && k <= Qt::Key_F12) return ui::key::F1 + (k - Qt::Key_F1);
  switch (k) {
    case Qt::Key_Backspace: return ui::key::Back;
    case Qt::Key_Tab: case Qt::Key_Backtab: return ui::key::Tab;
    case Qt::Key_Return: case Qt::Key_Enter: return ui::key::Return;
    case Qt::Key_Shift: return ui::key::Shift;
    case Qt::Key_Control: return ui::key::Control;
    case Qt::Key_Alt: return ui::key::Menu;
    case Qt::Key_Escape: return ui::key::Escape;
    case Qt::Key_Space: return ui::key::Space;
    case Qt::Key_PageUp: return ui::key::PageUp;
    case Qt::Key_PageDown: return ui::key::PageDown;
    case Qt::Key_End: return ui::key::End;
    case Qt::Key_Home: return ui::key::Home;
    case Qt::Key_Left: return ui::key::Left;
    case Qt::Key_Up: return ui::key::Up;
    case Qt::Key_Right: return ui::key::Right;
    case Qt::Key_Down: return ui::key::Down;
    case Qt::Key_Insert: return ui::key::Insert;
    case Qt::Key_Delete: return ui::key::Delete;
    case Qt::Key_Asterisk: return keypad ? ui::key::Multiply : 0;
    case Qt::Key_Plus: return keypad ? ui::key::Add : 0;
    case Qt::Key_Minus: return keypad ? ui::key::Subtract : 0;
    case Qt::Key_Slash: return keypad ? ui::key::Divide : 0;
    default: return 0;
  }
}

int vbKeyAscii(const QKeyEvent& event) {
  const int k = event.key();
  const Qt::KeyboardModifiers mods = event.modifiers();
  const bool ctrl = (mods & Qt::ControlModifier) && !(mods & Qt::AltModifier);
  switch (k) {
    // With Ctrl, a line feed and DEL, as Windows types them.
    case Qt::Key_Return: case Qt::Key_Enter: return ctrl ? 10 : ui::key::Return;
    case Qt::Key_Backspace: return ctrl ? 127 : ui::key::Back;
    case Qt::Key_Escape: return ui::key::Escape;
    case Qt::Key_Tab: return ui::key::Tab;
    default: break;
  }
  // Ctrl with a letter is a control character, whatever text comes with it.
  if (ctrl && k >= Qt::Key_A && k <= Qt::Key_Z) return k - Qt::Key_A + 1;
  const QString text = event.text();
  if (text.size() != 1 || !text[0].isPrint()) return 0;
  return text[0].unicode();
}

int vbShift(Qt::KeyboardModifiers modifiers) {
  int shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= ui::key::ShiftMask;
  if (modifiers & Qt::ControlModifier) shift |= ui::key::CtrlMask;
  if (modifiers & Qt::AltModifier) shift |= ui::key::AltMask;
  return shift;
}

}  // namespace qt
