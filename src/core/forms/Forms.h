#pragma once
// The program-wide forms of the application core, each created on first use
// and kept until the program ends (or a test starts afresh with ResetForms).
#include "core/forms/frmAcceso.h"

namespace core {

frmAcceso& gfrmAcceso();

void ResetForms();

}  // namespace core
