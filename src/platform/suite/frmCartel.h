#pragma once
// The status window of the suite library: a small fixed window, centred on
// the screen, with the work's title as its caption, a line or two saying
// what is being done and one line of progress.
#include "platform/ui/Controls.h"
#include "platform/ui/Form.h"

namespace suite {

class frmCartel : public ui::Form {
 public:
  // The caption while the caller has given no title.
  static constexpr const char* kTituloPredeterminado = "Procesando...";

  frmCartel();

  ui::Label lblTexto{*this, "lblTexto"};
  ui::Label lblProgreso{*this, "lblProgreso"};

  void Form_Load() override;
};

}  // namespace suite
