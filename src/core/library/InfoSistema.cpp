#include "core/library/InfoSistema.h"

#include "platform/runtime/Environment.h"

namespace library {

QString InfoSistema::NombrePC() const { return rt::ComputerName(); }
QString InfoSistema::UsuarioWindows() const { return rt::LoginName(); }

}  // namespace library
