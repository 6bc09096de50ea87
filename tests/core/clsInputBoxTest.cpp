#include <gtest/gtest.h>

#include "core/forms/FrmInputBox.h"
#include "core/forms/clsInputBox.h"
#include "platform/ui/KeyCodes.h"
#include "platform/ui/Operator.h"
#include "support/HostFixture.h"
#include "support/Printers.h"

using core::FrmInputBox;

class clsInputBoxTest : public testing_support::HostFixture {
 protected:
  // Plays the operator on the next dialog and notes what it showed.
  void answer(std::function<void(FrmInputBox&)> act) {
    host.onModal<FrmInputBox>("FrmInputBox", [this, act](FrmInputBox& f) {
      shown.caption = f.Caption();
      shown.detail = f.lblDescripcion.Caption();
      shown.mask = f.txtfields.PasswordChar();
      shown.text = f.txtfields.Text();
      shown.picture = f.ImgPrincipal.Picture();
      shown.candado = f.ImgCandado.Picture();
      shown.vxs = f.ImVXS.Picture();
      act(f);
    });
  }
  struct {
    QString caption, detail, mask, text, picture, candado, vxs;
  } shown;
};

TEST_F(clsInputBoxTest, ReturnsTheTextAsTypedWhenAccepted) {
  core::clsInputBox box;
  box.setIcono(3);
  box.setPassWordChar("*");
  box.setTextoDetalle("Clave");
  box.setTitulo("Acceso");
  answer([](FrmInputBox& f) {
    ui::op::type(f.txtfields, " 7148 ");
    ui::op::click(f.CmdAceptar);
  });
  EXPECT_EQ(box.Abrir(), " 7148 ");
  EXPECT_EQ(shown.caption, "Acceso");
  EXPECT_EQ(shown.detail, "Clave");
  EXPECT_EQ(shown.mask, "*");
  EXPECT_EQ(shown.picture, shown.candado);

  box.setPassWordChar("");
  answer([](FrmInputBox& f) {
    ui::op::type(f.txtfields, "visible");
    ui::op::key(f.txtfields, ui::key::Return);
  });
  EXPECT_EQ(box.Abrir(), "visible");
  EXPECT_EQ(shown.mask, "") << "a fresh dialog each time";
}

TEST_F(clsInputBoxTest, CancelOrTheCloseBoxGiveAnEmptyText) {
  core::clsInputBox box;
  box.setRespuestaDefault("511");
  answer([](FrmInputBox& f) {
    ui::op::type(f.txtfields, "otra");
    ui::op::click(f.CmdCancelar);
  });
  EXPECT_EQ(box.Abrir(), "");
  answer([](FrmInputBox& f) { ui::op::close(f); });
  EXPECT_EQ(box.Abrir(), "");
  answer([](FrmInputBox& f) { ui::op::key(f.txtfields, ui::key::Escape); });
  EXPECT_EQ(box.Abrir(), "");
}

TEST_F(clsInputBoxTest, TheDefaultAnswerAcceptedUnchangedComesBackAsGiven) {
  core::clsInputBox box;
  box.setRespuestaDefault("  E:\\migrar ");
  answer([](FrmInputBox& f) { ui::op::click(f.CmdAceptar); });
  EXPECT_EQ(box.Abrir(), "  E:\\migrar ");
  EXPECT_EQ(shown.text, "  E:\\migrar ");
}

TEST_F(clsInputBoxTest, IconsOutsideOneToSixShowTheSuitesMark) {
  core::clsInputBox box;
  for (int icono : {0, 4, 7, -1}) {
    box.setIcono(icono);
    answer([](FrmInputBox& f) { ui::op::click(f.CmdCancelar); });
    box.Abrir();
    EXPECT_EQ(shown.picture, shown.vxs) << icono;
  }
  FrmInputBox form;
  const ui::Image* pictures[] = {&form.ImgCortaplumas, &form.ImgConfiguracion, &form.ImgCandado,
                                 &form.ImVXS,          &form.Imgusuarios,      &form.imgLibro};
  for (int icono = 1; icono <= 6; ++icono) {
    box.setIcono(icono);
    answer([](FrmInputBox& f) { ui::op::click(f.CmdCancelar); });
    box.Abrir();
    EXPECT_EQ(shown.picture, pictures[icono - 1]->Picture()) << icono;
    EXPECT_FALSE(pictures[icono - 1]->Visible());
  }
}
