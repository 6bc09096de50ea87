#pragma once
// The gallery: one button per window of the shared modules. Each button
// opens its window over the database the gallery started on, through the
// interface its callers use, and the box below shows what came back.
#include <QString>
#include <functional>
#include <vector>

#include "platform/ui/ControlArray.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Form.h"

namespace galeria {

// A window of the gallery: the button's caption, and what opens it and
// tells what came back.
struct Ventana {
  QString titulo;
  std::function<QString()> abre;
};

// Every window of the gallery: each subsystem's, in the order of the subsystems.
std::vector<Ventana> TodasLasVentanas();

class frmGaleria : public ui::Form {
 public:
  explicit frmGaleria(std::vector<Ventana> ventanas);

  ui::Label lblVentanas{*this, "lblVentanas"};
  ui::ControlArray<ui::CommandButton> cmdVentana{*this, "cmdVentana"};
  ui::Label lblResultado{*this, "lblResultado"};
  ui::TextBox txtResultado{*this, "txtResultado"};

  void cmdVentana_Click(int Index);

 private:
  std::vector<Ventana> ventanas_;
};

}  // namespace galeria
