#include "platform/suite/Cartel.h"

namespace suite {

void Cartel::Muestra(const QString& texto, int /*opciones*/) {
  if (ventana()) {
    ventana_->lblTexto.Caption = texto;
    return;
  }
  ventana_ = std::make_unique<frmCartel>();
  ventana_->lblTexto.Caption = texto;
  ventana_->Show(ui::vbModeless);
}

void Cartel::Actualiza(int /*opciones*/, const QString& titulo, const QString& texto, const QString& progreso) {
  if (!ventana()) return;
  ventana_->Caption = titulo.isEmpty() ? QString::fromUtf8(frmCartel::kTituloPredeterminado) : titulo;
  ventana_->lblTexto.Caption = texto;
  ventana_->lblProgreso.Caption = progreso;
}

void Cartel::Cierra() {
  // The form going takes its window with it.
  ventana_.reset();
}

frmCartel* Cartel::ventana() const {
  return ventana_ && ventana_->Loaded() && ventana_->Visible() ? ventana_.get() : nullptr;
}

}  // namespace suite
