#include "core/forms/Forms.h"

#include <memory>

namespace core {

namespace {
std::unique_ptr<frmAcceso>& acceso() {
  static std::unique_ptr<frmAcceso> form;
  return form;
}
}  // namespace

frmAcceso& gfrmAcceso() {
  if (!acceso()) acceso() = std::make_unique<frmAcceso>();
  return *acceso();
}

void ResetForms() { acceso().reset(); }

}  // namespace core
