#include "core/forms/frmAcceso.h"

#include "platform/ui/CenterOnScreen.h"

namespace core {

frmAcceso::frmAcceso() : ui::Form("frmAcceso") {
  Caption = "Control de Acceso";
  BorderStyle = 3;
  Move(0, 0, 5085, 3375);

  framAcceso.Move(120, 60, 4755, 2235);
  const struct {
    ui::Label& label;
    const char* caption;
    ui::TextBox& box;
  } rows[] = {{lbUsuario, "&Usuario", TxtUserId},
              {lbcontrasena, "&Contraseña", TxtUserPassword},
              {Label1, "&Base de Datos", TxtDbName},
              {Label2, "&Servidor", TxtServidor}};
  int top = 300;
  for (const auto& row : rows) {
    row.label.Caption = QString::fromUtf8(row.caption);
    row.label.FontName = "Courier";
    row.label.Move(180, top + 45, 1575, 255);
    row.box.Move(1800, top, 2775, 315);
    top += 405;
  }
  TxtUserPassword.PasswordChar = "*";
  CboPlataformaDB.Style = ui::ComboBox::DropdownList;
  CboPlataformaDB.AddItem("SQL Server");
  CboPlataformaDB.AddItem("ORACLE");
  CboPlataformaDB.Move(1800, top, 2775, 315);

  bcAceptar.Caption = "Aceptar";
  bcAceptar.Default = true;
  bcAceptar.Move(2280, 2430, 1215, 375);
  bcCancelar.Caption = "Cancelar";
  bcCancelar.Cancel = true;
  bcCancelar.Move(3660, 2430, 1215, 375);

  TxtUserId.TabIndex = 0;
  TxtUserPassword.TabIndex = 1;
  TxtDbName.TabIndex = 2;
  TxtServidor.TabIndex = 3;
  CboPlataformaDB.TabIndex = 4;
  bcAceptar.TabIndex = 5;
  bcCancelar.TabIndex = 6;

  bcAceptar.Click = [this] { bcAceptar_Click(); };
  bcCancelar.Click = [this] { bcCancelar_Click(); };
}

void frmAcceso::bcAceptar_Click() {
  Aceptar = true;
  Hide();
}

void frmAcceso::bcCancelar_Click() {
  Aceptar = false;
  Hide();
}

void frmAcceso::Form_Load() { ui::CenterOnScreen(*this); }

// The close box cancels, even after an earlier accept, and only hides the
// dialog like the buttons do, so the caller reads a True `Aceptar` only when
// the operator accepted this time.
void frmAcceso::Form_QueryUnload(int& Cancel, int UnloadMode) {
  if (UnloadMode != ui::unload::ControlMenu) return;
  Cancel = 1;
  bcCancelar_Click();
}

}  // namespace core
