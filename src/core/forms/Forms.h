#pragma once
// The program-wide forms of the application core, each created on first use
// and kept until the program ends (or a test starts afresh with ResetForms).
#include "core/forms/frmAcceso.h"
#include "data_access/DialogoAcceso.h"

namespace core {

frmAcceso& gfrmAcceso();

// Shows frmAcceso filled with `datos` and reads back what the operator
// accepted: the login dialog the core hands the database service.
bool PideAccesoBaseDatos(data_access::DatosAcceso& datos);

void ResetForms();

}  // namespace core
