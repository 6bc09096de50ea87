#include "core/forms/FrmInputBox.h"

#include "platform/ui/CenterOnScreen.h"

namespace core {

FrmInputBox::FrmInputBox() : ui::Form("FrmInputBox") {
  BorderStyle = 3;
  Move(0, 0, 5190, 2730);

  FrmEncabezado.Move(120, 0, 4845, 1215);
  ImgPrincipal.Move(180, 300, 480, 480);
  ImgPrincipal.Stretch = true;
  lblDescripcion.Move(840, 300, 3885, 795);
  txtfields.Move(120, 1335, 4845, 315);
  CmdAceptar.Caption = "&Aceptar";
  CmdAceptar.Default = true;
  CmdAceptar.Move(2340, 1800, 1215, 375);
  CmdCancelar.Caption = "&Cancelar";
  CmdCancelar.Cancel = true;
  CmdCancelar.Move(3750, 1800, 1215, 375);

  const struct {
    ui::Image& image;
    const char* picture;
  } pictures[] = {{ImgCortaplumas, "cortaplumas"}, {ImgConfiguracion, "configuracion"},
                  {ImgCandado, "candado"},         {ImVXS, "vxs"},
                  {Imgusuarios, "usuarios"},       {imgLibro, "libro"}};
  for (const auto& p : pictures) {
    p.image.Picture = QStringLiteral(":/core/pictures/%1.png").arg(QLatin1String(p.picture));
    p.image.Visible = false;
  }

  txtfields.TabIndex = 0;
  CmdAceptar.TabIndex = 1;
  CmdCancelar.TabIndex = 2;

  CmdAceptar.Click = [this] { CmdAceptar_Click(); };
  CmdCancelar.Click = [this] { CmdCancelar_Click(); };
}

void FrmInputBox::CmdAceptar_Click() {
  pAcepto = true;
  Hide();
}

void FrmInputBox::CmdCancelar_Click() {
  pAcepto = false;
  Hide();
}

void FrmInputBox::Form_Load() { ui::CenterOnScreen(*this); }

}  // namespace core
