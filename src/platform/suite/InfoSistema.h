#pragma once
// What the suite library tells of the system.
#include <QString>

namespace ui {
class Form;
}

namespace suite {

class InfoSistema {
 public:
  QString NombrePC() const;
  QString UsuarioWindows() const;
  // The suite's look: a text box the operator cannot change (locked) shows
  // the face colour instead of the window colour; colours a form chose
  // itself stay.
  void AplicaAspecto(ui::Form& form) const;
};

}  // namespace suite
