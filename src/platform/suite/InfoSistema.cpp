#include "platform/suite/InfoSistema.h"

#include "platform/runtime/Environment.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Form.h"

namespace suite {

QString InfoSistema::NombrePC() const { return rt::ComputerName(); }
QString InfoSistema::UsuarioWindows() const { return rt::LoginName(); }

void InfoSistema::AplicaAspecto(ui::Form& form) const {
  for (ui::Control* c : form.controls())
    if (auto* box = dynamic_cast<ui::TextBox*>(c); box && box->Locked() && box->BackColor() == ui::color::WindowBackground)
      box->BackColor = ui::color::ButtonFace;
}

}  // namespace suite
