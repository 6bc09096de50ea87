#include "numbering/NumberingState.h"

namespace numbering {

NumberingState& gNumeracion() {
  static NumberingState state;
  return state;
}

void ResetNumbering() { gNumeracion() = NumberingState{}; }

}  // namespace numbering
