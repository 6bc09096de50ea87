#include <gtest/gtest.h>

#include "core/library/Library.h"
#include "platform/ui/ControlArray.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Form.h"

namespace {
class AccountsForm : public ui::Form {
 public:
  AccountsForm() : ui::Form("Importar") {
    const char* tags[] = {"CtaAjusteCliente", "CtaAjusteProveedor", "CtaChequesEnCartera", "CtaAjusteCheque"};
    for (int i = 0; i < 4; ++i) txtFields(i).Tag = tags[i];
  }
  ui::ControlArray<ui::TextBox> txtFields{*this, "txtFields", {0, 1, 2, 3}};
  ui::TextBox txtLocked{*this, "txtLocked"};
};
}  // namespace

TEST(Controles, IndicePorTagFindsTheElementByItsTagNotByPosition) {
  AccountsForm form;
  const library::Controles& controles = library::gControles();
  EXPECT_EQ(controles.IndicePorTag("CtaAjusteCliente", form.txtFields), 0);
  EXPECT_EQ(controles.IndicePorTag("ctachequesencartera", form.txtFields), 2);
  form.txtFields(0).Tag = "";
  form.txtFields.Load(9).Tag = "CtaAjusteCliente";
  EXPECT_EQ(controles.IndicePorTag("CtaAjusteCliente", form.txtFields), 9);
}

TEST(Controles, AMissingTagGivesTheValueNoElementHas) {
  AccountsForm form;
  const library::Controles& controles = library::gControles();
  EXPECT_EQ(controles.IndicePorTag("SQLPrevio", form.txtFields), -1);
  EXPECT_EQ(controles.IndicePorTag("SQLPrevio", form.txtFields, 3), 3);
  EXPECT_THROW(form.txtFields(controles.IndicePorTag("SQLPrevio", form.txtFields)), rt::Error);
}

TEST(InfoSistema, AplicaAspectoGivesLockedBoxesTheFaceColourOnly) {
  AccountsForm form;
  form.txtLocked.Locked = true;
  form.txtFields(1).BackColor = ui::color::Yellow;
  form.txtFields(1).Locked = true;
  library::gInfoSistema().AplicaAspecto(form);
  EXPECT_EQ(form.txtLocked.BackColor(), ui::color::ButtonFace);
  EXPECT_EQ(form.txtFields(0).BackColor(), ui::color::WindowBackground);
  EXPECT_EQ(form.txtFields(1).BackColor(), ui::color::Yellow) << "a colour the form chose stays";
}
