#pragma once
// The database login dialog: the caller fills the four boxes, shows it
// modally and reads `Aceptar` and the texts back. Its buttons hide it (they
// do not unload it), so the texts stay readable.
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Form.h"

namespace core {

class frmAcceso : public ui::Form {
 public:
  frmAcceso();

  // True when closed with "Aceptar"; False with "Cancelar" or the close box.
  bool Aceptar = false;

  ui::Frame framAcceso{*this, "framAcceso"};
  ui::Label lbUsuario{framAcceso, "lbUsuario"};
  ui::TextBox TxtUserId{framAcceso, "TxtUserId"};
  ui::Label lbcontrasena{framAcceso, "lbcontrasena"};
  ui::TextBox TxtUserPassword{framAcceso, "TxtUserPassword"};
  ui::Label Label1{framAcceso, "Label1"};
  ui::TextBox TxtDbName{framAcceso, "TxtDbName"};
  ui::Label Label2{framAcceso, "Label2"};
  ui::TextBox TxtServidor{framAcceso, "TxtServidor"};
  ui::ComboBox CboPlataformaDB{framAcceso, "CboPlataformaDB"};
  ui::CommandButton bcAceptar{*this, "bcAceptar"};
  ui::CommandButton bcCancelar{*this, "bcCancelar"};

  void bcAceptar_Click();
  void bcCancelar_Click();
  void Form_Load() override;
  void Form_QueryUnload(int& Cancel, int UnloadMode) override;
};

}  // namespace core
