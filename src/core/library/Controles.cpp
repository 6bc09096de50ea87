#include "core/library/Controles.h"

namespace library {

int Controles::IndicePorTag(const QString& tag, const ui::ControlArrayBase& controles, int valor) const {
  const ui::Control* found = controles.findByTag(tag);
  return found ? found->Index() : valor;
}

}  // namespace library
