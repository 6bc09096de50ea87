#include "platform/suite/Controles.h"

#include "platform/runtime/Text.h"
#include "platform/ui/Controls.h"
#include "platform/ui/KeyCodes.h"

namespace suite {

int Controles::IndicePorTag(const QString& tag, const ui::ControlArrayBase& controles, int valor) const {
  const ui::Control* found = controles.findByTag(tag);
  return found ? found->Index() : valor;
}

bool Controles::TeclaConfirma(int keyCode) const {
  return keyCode == ui::key::Return || keyCode == ui::key::Escape || keyCode == ui::key::Up ||
         keyCode == ui::key::Down;
}

void Controles::FiltraTecla(const ui::TextBox& box, int& keyAscii) const {
  if (keyAscii == u'|' || keyAscii == rt::Chr(255).unicode()) keyAscii = 0;
  if (keyAscii < 32 || !rt::EqualsText(box.DataField(), QStringLiteral("Cantidad"))) return;
  const bool numeric = (keyAscii >= u'0' && keyAscii <= u'9') || keyAscii == u',' || keyAscii == u'.' || keyAscii == u'-';
  if (!numeric) keyAscii = 0;
}

}  // namespace suite
