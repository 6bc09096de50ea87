#pragma once
// The status window of the suite library, shown while long work runs. It is
// never modal: showing or updating it returns at once, and the window paints
// when the caller next lets events run (DoEvents).
#include <QString>
#include <memory>

#include "platform/suite/frmCartel.h"

namespace suite {

class Cartel {
 public:
  // Shows the window with `texto`. A window already on screen only changes
  // its text; otherwise a fresh one comes up, with the default caption and
  // no progress line. Callers pass 0 as the options: there is one look.
  void Muestra(const QString& texto, int opciones = 0);
  // Replaces the caption (the default one when `titulo` is empty), the text
  // and the progress line of the window on screen. It never brings a window
  // up: a window the operator closed stays closed until the next Muestra.
  void Actualiza(int opciones, const QString& titulo, const QString& texto, const QString& progreso);
  // Closes the window; without one on screen it does nothing.
  void Cierra();

  // The window on screen; nullptr when none.
  frmCartel* ventana() const;

 private:
  std::unique_ptr<frmCartel> ventana_;
};

}  // namespace suite
