#include "platform/suite/Library.h"

#include <memory>

namespace suite {

namespace {
struct LibraryState {
  std::unique_ptr<Utilidades> utilidades;
  std::unique_ptr<InfoSistema> infoSistema;
  std::unique_ptr<ArchivoIni> archivoIni;
  std::unique_ptr<Aplicacion> aplicacion;
  std::unique_ptr<Controles> controles;
  std::unique_ptr<Cartel> cartel;
};

LibraryState& state() {
  static LibraryState s;
  return s;
}

template <class T>
T& onFirstUse(std::unique_ptr<T>& slot) {
  if (!slot) slot = std::make_unique<T>();
  return *slot;
}
}  // namespace

Utilidades& gUtilidades() { return onFirstUse(state().utilidades); }
InfoSistema& gInfoSistema() { return onFirstUse(state().infoSistema); }
ArchivoIni& gArchivoIni() { return onFirstUse(state().archivoIni); }
Aplicacion& gAplicacion() { return onFirstUse(state().aplicacion); }
Controles& gControles() { return onFirstUse(state().controles); }
Cartel& gCartel() { return onFirstUse(state().cartel); }

void ResetLibrary() { state() = LibraryState{}; }

}  // namespace suite
