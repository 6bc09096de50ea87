#pragma once
// What the suite library tells of the system.
#include <QString>

namespace library {

class InfoSistema {
 public:
  QString NombrePC() const;
  QString UsuarioWindows() const;
};

}  // namespace library
