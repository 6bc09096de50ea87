#include "platform/suite/frmCartel.h"

#include "platform/ui/CenterOnScreen.h"

namespace suite {

frmCartel::frmCartel() : ui::Form("frmCartel") {
  BorderStyle = 3;
  Caption = QString::fromUtf8(kTituloPredeterminado);
  Move(0, 0, 5400, 1800);

  lblTexto.Alignment = 2;
  lblTexto.Move(240, 240, 4830, 495);
  lblProgreso.Alignment = 2;
  lblProgreso.Move(240, 855, 4830, 255);
}

void frmCartel::Form_Load() { ui::CenterOnScreen(*this); }

}  // namespace suite
