#pragma once
// The program-wide state of voucher numbering: the voucher book chosen or
// recognised last. A test starts afresh with ResetNumbering().
#include <cstdint>
#include <optional>

namespace numbering {

struct NumberingState {
  // The book (TALONARIO) that the book choice or the number check settled
  // on; nullopt while none is chosen, so that nothing is ever recorded in a
  // book that no check recognised.
  std::optional<int16_t> TalonarioActual;
};

NumberingState& gNumeracion();

void ResetNumbering();

}  // namespace numbering
