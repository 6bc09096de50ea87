#pragma once
// A small form with one control of each kind, recording the events it gets.
#include <QStringList>

#include "platform/ui/ComboBox.h"
#include "platform/ui/ControlArray.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Form.h"

class SampleForm : public ui::Form {
 public:
  SampleForm() : ui::Form("frmMuestra") {
    Caption = "Muestra";
    Move(0, 0, 6000, 4500);
    marco.Caption = "Datos";
    marco.Move(120, 120, 4000, 2000);
    txtNombre.Move(120, 300, 2000, 315);
    txtCodigo.Move(120, 700, 2000, 315);
    lblNombre.Caption = "&Nombre";
    cmdAceptar.Caption = "&Aceptar";
    cmdAceptar.Default = true;
    cmdCancelar.Caption = "&Cancelar";
    cmdCancelar.Cancel = true;
    optUno.Caption = "Uno";
    optDos.Caption = "Dos";
    cboLista.Style = ui::ComboBox::DropdownList;
    cboLista.AddItem("SQL Server");
    cboLista.AddItem("ORACLE");
    grilla.Move(120, 2300, 4000, 1500);

    txtNombre.Change = [this] { log << "txtNombre_Change"; };
    txtNombre.GotFocus = [this] { log << "txtNombre_GotFocus"; };
    txtNombre.LostFocus = [this] { log << "txtNombre_LostFocus"; };
    txtNombre.Validate = [this](bool& Cancel) {
      log << "txtNombre_Validate";
      Cancel = refuseName;
    };
    txtNombre.KeyPress = [this](int& KeyAscii) {
      if (KeyAscii >= 'a' && KeyAscii <= 'z') KeyAscii -= 32;  // typed in capitals
    };
    txtCodigo.GotFocus = [this] { log << "txtCodigo_GotFocus"; };
    txtCodigo.KeyDown = [this](int& KeyCode, int) { log << QStringLiteral("txtCodigo_KeyDown %1").arg(KeyCode); };
    cmdAceptar.Click = [this] { log << "cmdAceptar_Click"; };
    cmdCancelar.Click = [this] { log << "cmdCancelar_Click"; };
    chkActivo.Click = [this] { log << "chkActivo_Click"; };
    optUno.Click = [this] { log << "optUno_Click"; };
    optDos.Click = [this] { log << "optDos_Click"; };
    cboLista.Click = [this] { log << "cboLista_Click"; };
    lblNombre.Click = [this] { log << "lblNombre_Click"; };
  }

  void Form_Load() override { log << "Form_Load"; }
  void Form_Resize() override { log << "Form_Resize"; }
  void Form_QueryUnload(int& Cancel, int UnloadMode) override {
    log << QStringLiteral("Form_QueryUnload %1").arg(UnloadMode);
    Cancel = refuseUnload;
  }
  void Form_Unload(int&) override { log << "Form_Unload"; }
  void Form_KeyDown(int& KeyCode, int) override {
    log << QStringLiteral("Form_KeyDown %1").arg(KeyCode);
    if (KeyCode == swallowKey) KeyCode = 0;
  }

  QStringList log;
  bool refuseName = false;
  bool refuseUnload = false;
  int swallowKey = -1;

  ui::Frame marco{*this, "marco"};
  ui::Label lblNombre{marco, "lblNombre"};
  ui::TextBox txtNombre{marco, "txtNombre"};
  ui::TextBox txtCodigo{marco, "txtCodigo"};
  ui::CommandButton cmdAceptar{*this, "cmdAceptar"};
  ui::CommandButton cmdCancelar{*this, "cmdCancelar"};
  ui::CheckBox chkActivo{*this, "chkActivo"};
  ui::OptionButton optUno{*this, "optUno"};
  ui::OptionButton optDos{*this, "optDos"};
  ui::ComboBox cboLista{*this, "cboLista"};
  ui::FlexGrid grilla{*this, "grilla"};
  ui::ControlArray<ui::TextBox> txtFields{*this, "txtFields", {0, 1, 2, 3}};
};
