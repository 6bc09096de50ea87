// The suite's common look of a window.
#include <gtest/gtest.h>

#include "support/CoreFixture.h"
#include "core/FormStyle.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Form.h"

namespace {

class Ventana : public ui::Form {
 public:
  explicit Ventana(const char* name) : ui::Form(name) {}
  ui::TextBox Fijo{*this, "Fijo"};
};

using FormStyle = testing_support::CoreFixture;

TEST_F(FormStyle, IconAndTheLibrarysLook) {
  Ventana ventana("FrmLotes");
  ventana.Fijo.Locked = true;
  ventana.Fijo.BackColor = ui::color::WindowBackground;
  core::AplicaEstiloFormulario(ventana);
  EXPECT_EQ(ventana.Icon(), ":/core/pictures/vxs.png");
  EXPECT_EQ(ventana.Fijo.BackColor(), ui::color::ButtonFace);
  EXPECT_EQ(host.yields(), 1);

  Ventana mdi("frmMDI");
  mdi.Fijo.Locked = true;
  mdi.Fijo.BackColor = ui::color::WindowBackground;
  core::AplicaEstiloFormulario(mdi);
  EXPECT_EQ(mdi.Icon(), ":/core/pictures/vxs.png");
  EXPECT_EQ(mdi.Fijo.BackColor(), ui::color::WindowBackground) << "the main window keeps its look";
  EXPECT_EQ(host.yields(), 1);
}

}  // namespace
