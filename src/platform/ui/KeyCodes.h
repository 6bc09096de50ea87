#pragma once
// Key codes and shift masks of the KeyDown and KeyUp events; KeyPress gets
// the character code instead.
namespace ui::key {

constexpr int Back = 8, Tab = 9, Return = 13, Shift = 16, Control = 17, Menu = 18, Escape = 27, Space = 32,
              PageUp = 33, PageDown = 34, End = 35, Home = 36, Left = 37, Up = 38, Right = 39, Down = 40,
              Insert = 45, Delete = 46;
constexpr int F1 = 112, F2 = 113, F3 = 114, F4 = 115, F5 = 116, F6 = 117, F7 = 118, F8 = 119, F9 = 120,
              F10 = 121, F11 = 122, F12 = 123;
// Digits are 48..57 and letters 65..90 (their upper-case character codes);
// the numeric keypad's digits are 96..105.
constexpr int Numpad0 = 96, Multiply = 106, Add = 107, Subtract = 109, Decimal = 110, Divide = 111;

// Shift argument.
constexpr int ShiftMask = 1, CtrlMask = 2, AltMask = 4;

}  // namespace ui::key
