#pragma once
// The program-wide state of voucher numbering: the voucher book chosen or
// recognised last. A test starts afresh with ResetNumbering().
#include <cstdint>

namespace numbering {

struct NumberingState {
  // The book (TALONARIO) that the book choice offered from, or that the
  // number check recognised last; the check measures a number that no book
  // holds against it.
  int16_t TalonarioActual = 0;
};

NumberingState& gNumeracion();

void ResetNumbering();

}  // namespace numbering
