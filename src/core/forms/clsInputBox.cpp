#include "core/forms/clsInputBox.h"

#include "core/forms/FrmInputBox.h"

namespace core {

namespace {
const ui::Image& pictureOf(const FrmInputBox& form, int icono) {
  switch (icono) {
    case 1: return form.ImgCortaplumas;
    case 2: return form.ImgConfiguracion;
    case 3: return form.ImgCandado;
    case 5: return form.Imgusuarios;
    case 6: return form.imgLibro;
    default: return form.ImVXS;
  }
}
}  // namespace

QString clsInputBox::Abrir() {
  FrmInputBox form;
  form.Caption = titulo_;
  form.lblDescripcion.Caption = textoDetalle_;
  form.txtfields.PasswordChar = passWordChar_;
  form.txtfields.Text = respuestaDefault_;
  form.ImgPrincipal.Picture = pictureOf(form, icono_).Picture();
  form.Show(ui::vbModal);
  return form.pAcepto ? form.txtfields.Text() : QString();
}

}  // namespace core
