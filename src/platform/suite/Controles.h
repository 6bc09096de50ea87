#pragma once
// Control helpers of the suite library.
#include <QString>

#include "platform/ui/ControlArray.h"

namespace ui {
class TextBox;
}

namespace suite {

class Controles {
 public:
  // Index of the first element (by index) of `controles` whose Tag equals
  // `tag` without regard to case; `valor` when no element carries it (-1
  // by default, which no element has, so using it raises error 340).
  int IndicePorTag(const QString& tag, const ui::ControlArrayBase& controles, int valor = -1) const;

  // The keys that confirm an edit box's text and move on: Enter, Escape,
  // up and down arrows.
  bool TeclaConfirma(int keyCode) const;
  // Drops (sets to 0) a typed character the box must not receive: "|",
  // Chr(255) and Chr(0), which separate the items of the program's list
  // texts, never; and in a box whose DataField is "Cantidad" anything but
  // digits, ",", ".", "-" and control keys (backspace, Enter, ...).
  void FiltraTecla(const ui::TextBox& box, int& keyAscii) const;
};

}  // namespace suite
