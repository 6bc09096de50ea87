#pragma once
// The program-wide library objects, each created on first use and kept until
// the program ends (or a test starts afresh with ResetLibrary).
#include "core/library/Aplicacion.h"
#include "core/library/ArchivoIni.h"
#include "core/library/Cartel.h"
#include "core/library/Controles.h"
#include "core/library/DialogoArchivo.h"
#include "core/library/InfoSistema.h"
#include "core/library/Utilidades.h"

namespace library {

Utilidades& gUtilidades();
InfoSistema& gInfoSistema();
ArchivoIni& gArchivoIni();
Aplicacion& gAplicacion();
Controles& gControles();
// Used by the voucher class only.
Cartel& gCartel();

void ResetLibrary();

}  // namespace library
