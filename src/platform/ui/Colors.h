#pragma once
// Colours as the program writes them: blue-green-red whole numbers
// (&HFFFF00 is cyan), or the system colours of the desktop (high bit set),
// which a host maps to its own palette.
#include <QtGlobal>

namespace ui {

using Color = quint32;

namespace color {
constexpr Color Black = 0x000000, White = 0xFFFFFF, Red = 0x0000FF, Green = 0x00FF00, Blue = 0xFF0000,
                Yellow = 0x00FFFF, Cyan = 0xFFFF00, Magenta = 0xFF00FF;

constexpr Color WindowBackground = 0x80000005, WindowText = 0x80000008, Highlight = 0x8000000D,
                HighlightText = 0x8000000E, ButtonFace = 0x8000000F, ButtonText = 0x80000012;

constexpr bool isSystem(Color c) { return (c & 0x80000000u) != 0; }
constexpr int red(Color c) { return int(c & 0xFF); }
constexpr int green(Color c) { return int((c >> 8) & 0xFF); }
constexpr int blue(Color c) { return int((c >> 16) & 0xFF); }
constexpr Color rgb(int r, int g, int b) { return Color(r) | (Color(g) << 8) | (Color(b) << 16); }
}  // namespace color

}  // namespace ui
