#pragma once
// Control helpers of the suite library.
#include <QString>

#include "platform/ui/ControlArray.h"

namespace library {

class Controles {
 public:
  // Index of the first element (by index) of `controles` whose Tag equals
  // `tag` without regard to case; `valor` when no element carries it (-1
  // by default, which no element has, so using it raises error 340).
  int IndicePorTag(const QString& tag, const ui::ControlArrayBase& controles, int valor = -1) const;
};

}  // namespace library
