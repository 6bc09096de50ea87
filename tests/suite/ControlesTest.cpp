#include <gtest/gtest.h>

#include "platform/suite/Library.h"
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
  const suite::Controles& controles = suite::gControles();
  EXPECT_EQ(controles.IndicePorTag("CtaAjusteCliente", form.txtFields), 0);
  EXPECT_EQ(controles.IndicePorTag("ctachequesencartera", form.txtFields), 2);
  form.txtFields(0).Tag = "";
  form.txtFields.Load(9).Tag = "CtaAjusteCliente";
  EXPECT_EQ(controles.IndicePorTag("CtaAjusteCliente", form.txtFields), 9);
}

TEST(Controles, AMissingTagGivesTheValueNoElementHas) {
  AccountsForm form;
  const suite::Controles& controles = suite::gControles();
  EXPECT_EQ(controles.IndicePorTag("SQLPrevio", form.txtFields), -1);
  EXPECT_EQ(controles.IndicePorTag("SQLPrevio", form.txtFields, 3), 3);
  EXPECT_THROW(form.txtFields(controles.IndicePorTag("SQLPrevio", form.txtFields)), rt::Error);
}

TEST(InfoSistema, AplicaAspectoGivesLockedBoxesTheFaceColourOnly) {
  AccountsForm form;
  form.txtLocked.Locked = true;
  form.txtFields(1).BackColor = ui::color::Yellow;
  form.txtFields(1).Locked = true;
  suite::gInfoSistema().AplicaAspecto(form);
  EXPECT_EQ(form.txtLocked.BackColor(), ui::color::ButtonFace);
  EXPECT_EQ(form.txtFields(0).BackColor(), ui::color::WindowBackground);
  EXPECT_EQ(form.txtFields(1).BackColor(), ui::color::Yellow) << "a colour the form chose stays";
}

TEST(Controles, TeclaConfirmaAcceptsEnterEscapeAndTheVerticalArrows) {
  for (int key = 0; key < 256; ++key)
    EXPECT_EQ(suite::gControles().TeclaConfirma(key), key == 13 || key == 27 || key == 38 || key == 40) << key;
}

TEST(Controles, FiltraTeclaDropsSeparatorsAndKeepsQuantitiesNumeric) {
  AccountsForm form;
  ui::TextBox& cantidad = form.txtFields(0);
  ui::TextBox& lote = form.txtFields(1);
  cantidad.DataField = "CANTIDAD";
  lote.DataField = "NroLote";
  struct Case { int key; bool inCantidad; bool inOther; };
  for (const Case& c : {Case{'|', false, false}, Case{255, false, false}, Case{0, false, false},
                        Case{'7', true, true}, Case{',', true, true}, Case{'.', true, true}, Case{'-', true, true},
                        Case{'a', false, true}, Case{' ', false, true}, Case{'+', false, true},
                        Case{0xF1, false, true},  // ñ
                        Case{8, true, true}, Case{13, true, true}, Case{27, true, true}}) {
    int key = c.key;
    suite::gControles().FiltraTecla(cantidad, key);
    EXPECT_EQ(key, c.inCantidad ? c.key : 0) << "Cantidad, key " << c.key;
    key = c.key;
    suite::gControles().FiltraTecla(lote, key);
    EXPECT_EQ(key, c.inOther ? c.key : 0) << "NroLote, key " << c.key;
  }
}

TEST(Utilidades, PreparaFormularioGivesTheLibraryLook) {
  AccountsForm form;
  form.txtLocked.Locked = true;
  suite::gUtilidades().PreparaFormulario(form);
  EXPECT_EQ(form.txtLocked.BackColor(), ui::color::ButtonFace);
}
