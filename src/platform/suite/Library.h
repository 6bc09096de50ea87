#pragma once
// The program-wide library objects, each created on first use and kept until
// the program ends (or a test starts afresh with ResetLibrary).
#include "platform/suite/Aplicacion.h"
#include "platform/suite/ArchivoIni.h"
#include "platform/suite/Cartel.h"
#include "platform/suite/Controles.h"
#include "platform/suite/DialogoArchivo.h"
#include "platform/suite/InfoSistema.h"
#include "platform/suite/Utilidades.h"

namespace suite {

Utilidades& gUtilidades();
InfoSistema& gInfoSistema();
ArchivoIni& gArchivoIni();
Aplicacion& gAplicacion();
Controles& gControles();
// Used by the voucher class only.
Cartel& gCartel();

void ResetLibrary();

}  // namespace suite
