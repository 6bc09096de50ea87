#include <gtest/gtest.h>

#include "SampleForm.h"
#include "platform/runtime/Error.h"
#include "platform/ui/KeyCodes.h"
#include "platform/ui/Operator.h"
#include "support/HostFixture.h"
#include "support/Printers.h"
#include "support/RuntimeErrors.h"

using testing_support::HostFixture;

class FormTest : public HostFixture {
 protected:
  SampleForm form;
};

TEST_F(FormTest, ModalShowRunsTheScriptedOperatorUntilTheFormHides) {
  host.onModal<SampleForm>("frmMuestra", [](SampleForm& f) {
    ui::op::type(f.txtNombre, "ana");
    ui::op::click(f.cmdAceptar);
    f.Hide();
  });
  form.Show(ui::vbModal);
  EXPECT_EQ(form.log, QStringList({"Form_Load", "Form_Resize", "txtNombre_GotFocus", "txtNombre_Change",
                                   "txtNombre_Validate", "txtNombre_LostFocus", "cmdAceptar_Click"}));
  EXPECT_FALSE(form.Visible());
  EXPECT_TRUE(form.Loaded());
  EXPECT_EQ(host.shownForms(), std::vector<QString>({"frmMuestra"}));
  form.log.clear();
  form.Load();
  EXPECT_TRUE(form.log.isEmpty()) << "Form_Load runs once per load";
}

TEST(ScriptedModalForms, AnUnregisteredOrUnclosedModalFormIsAFailure) {
  ui::ScriptedHost host;
  ui::setHost(&host);
  {
    SampleForm form;
    form.Show(ui::vbModal);
    EXPECT_FALSE(form.Visible()) << "hidden so the caller goes on";
    host.onModal("frmMuestra", [](ui::Form&) {});
    form.Show(ui::vbModal);
  }
  ui::setHost(nullptr);
  ASSERT_EQ(host.failures().size(), 2u);
  EXPECT_TRUE(host.failures()[0].contains("unexpected modal form"));
  EXPECT_TRUE(host.failures()[1].contains("left open"));
}

TEST_F(FormTest, TheCloseBoxAsksTheFormAndMayBeRefused) {
  form.Load();
  form.refuseUnload = true;
  ui::op::close(form);
  EXPECT_TRUE(form.Loaded());
  form.refuseUnload = false;
  ui::op::close(form);
  EXPECT_FALSE(form.Loaded());
  EXPECT_EQ(form.log, QStringList({"Form_Load", "Form_QueryUnload 0", "Form_QueryUnload 0", "Form_Unload"}));
  form.log.clear();
  form.Load();
  EXPECT_TRUE(form.Unload());
  EXPECT_EQ(form.log, QStringList({"Form_Load", "Form_QueryUnload 1", "Form_Unload"}));
}

TEST_F(FormTest, ResizeFollowsTheOuterSizeAndTheClientAreaIsSmaller) {
  form.BorderStyle = 3;
  form.Load();
  form.Width = 7000;
  form.Left = 10;  // a move is not a resize
  EXPECT_EQ(form.log, QStringList({"Form_Load", "Form_Resize"}));
  EXPECT_EQ(form.ScaleWidth(), 7000 - form.nonClientWidth());
  EXPECT_LT(form.ScaleHeight(), form.Height());
}

TEST_F(FormTest, ValidateCanKeepTheFocusAndLostFocusFollowsIt) {
  form.txtNombre.SetFocus();
  form.refuseName = true;
  EXPECT_FALSE(ui::op::focus(form.txtCodigo));
  EXPECT_EQ(form.ActiveControl(), &form.txtNombre);
  ui::op::click(form.cmdAceptar);
  EXPECT_FALSE(form.log.contains("cmdAceptar_Click")) << "a refused focus swallows the click";
  form.refuseName = false;
  EXPECT_TRUE(ui::op::focus(form.txtCodigo));
  EXPECT_EQ(form.log, QStringList({"txtNombre_GotFocus", "txtNombre_Validate", "txtNombre_Validate",
                                   "txtNombre_Validate", "txtNombre_LostFocus", "txtCodigo_GotFocus"}));
}

TEST_F(FormTest, AFocusedControlThatIsDisabledPassesTheFocusOn) {
  form.txtNombre.SetFocus();
  form.txtNombre.Enabled = false;
  EXPECT_EQ(form.ActiveControl(), &form.txtCodigo);
  try {
    form.txtNombre.SetFocus();
    FAIL() << "a disabled control cannot take the focus";
  } catch (const rt::Error& e) {
    EXPECT_EQ(e.Number(), rt::err::InvalidCall);
  }
  form.marco.Visible = false;  // hides what it holds
  EXPECT_FALSE(form.txtCodigo.canFocus());
  EXPECT_EQ(form.ActiveControl(), &form.cmdAceptar);
}

TEST_F(FormTest, TabIndexesStayUniqueAndOrdered) {
  form.cmdCancelar.TabIndex = 0;
  form.txtCodigo.TabIndex = 1;
  const auto& order = form.tabOrder();
  EXPECT_EQ(order[0], &form.cmdCancelar);
  EXPECT_EQ(order[1], &form.txtCodigo);
  for (std::size_t i = 0; i < order.size(); ++i) EXPECT_EQ(order[i]->TabIndex(), static_cast<int>(i));
  EXPECT_EQ(form.nextInTabOrder(nullptr), &form.cmdCancelar);
  EXPECT_EQ(form.nextInTabOrder(&form.txtCodigo), &form.txtNombre) << "the label and frame cannot hold the focus";
}

TEST_F(FormTest, EnterAndEscapePressTheFormsButtons) {
  ui::op::key(form.txtCodigo, ui::key::Return);
  ui::op::key(form.txtCodigo, ui::key::Escape);
  form.cmdCancelar.Default = true;  // one default button per form
  EXPECT_FALSE(form.cmdAceptar.Default());
  ui::op::key(form.txtCodigo, ui::key::Return);
  EXPECT_EQ(form.log.filter("_Click"), QStringList({"cmdAceptar_Click", "cmdCancelar_Click", "cmdCancelar_Click"}));
  EXPECT_FALSE(form.log.join(' ').contains("KeyDown")) << "the buttons take Enter and Escape";
}

TEST_F(FormTest, KeyPreviewSeesKeysFirstAndMaySwallowThem) {
  ui::op::key(form.txtCodigo, ui::key::F2);
  form.KeyPreview = true;
  form.swallowKey = ui::key::F2;
  ui::op::key(form.txtCodigo, ui::key::F5);
  ui::op::key(form.txtCodigo, ui::key::F2);
  EXPECT_EQ(form.log.filter("KeyDown"),
            QStringList({"txtCodigo_KeyDown 113", "Form_KeyDown 116", "txtCodigo_KeyDown 116", "Form_KeyDown 113"}));
}

TEST_F(FormTest, TypedCharactersPassThroughKeyPress) {
  for (char c : QByteArray("ab1")) ui::op::key(form.txtNombre, c >= 'a' ? c - 32 : c, 0, c);
  EXPECT_EQ(form.txtNombre.Text(), "AB1");
  EXPECT_EQ(form.txtNombre.SelStart(), 3);
}

TEST_F(FormTest, TextBoxTypingHonoursMaxLengthAndLockedButCodeDoesNot) {
  form.txtNombre.MaxLength = 3;
  ui::op::type(form.txtNombre, "abcdef");
  EXPECT_EQ(form.txtNombre.Text(), "abc");
  form.txtNombre.Text = "abcdef";
  EXPECT_EQ(form.txtNombre.Text(), "abcdef");
  form.txtNombre.Locked = true;
  ui::op::type(form.txtNombre, "x");
  EXPECT_EQ(form.txtNombre.Text(), "abcdef");
  form.txtNombre.SelStart = 5;
  form.txtNombre.SelLength = 1;
  form.txtNombre.Text = "ab";
  EXPECT_EQ(form.txtNombre.SelStart(), 2) << "the caret stays inside the text";
  EXPECT_EQ(form.txtNombre.SelLength(), 0);
  EXPECT_EQ(form.log.count("txtNombre_Change"), 3);
}

// A start beyond the text is its end, as on screen: what is typed next is
// appended (the floating edit box opens a cell for correction so).
TEST_F(FormTest, SelectionSetBeyondTheTextIsKeptInsideIt) {
  ui::TextBox& box = form.txtCodigo;
  box.Text = "12";
  box.SelStart = 1000;
  EXPECT_EQ(box.SelStart(), 2);
  ui::op::key(box, '5', 0, '5');
  EXPECT_EQ(box.Text(), "125");
  box.SelStart = 1;
  box.SelLength = 50;
  EXPECT_EQ(box.SelLength(), 2);
  EXPECT_EQ(box.SelText(), "25");
  EXPECT_EQ(testing_support::errorNumberOf([&] { box.SelStart = -1; }), rt::err::InvalidPropertyValue);
  EXPECT_EQ(testing_support::errorNumberOf([&] { box.SelLength = -1; }), rt::err::InvalidPropertyValue);
}

TEST_F(FormTest, ZOrderRecordsTheLastRequestInOrder) {
  form.txtNombre.ZOrder();
  form.txtCodigo.ZOrder(1);
  EXPECT_GT(form.txtNombre.stacking(), 0);
  EXPECT_LT(form.txtCodigo.stacking(), -form.txtNombre.stacking()) << "the later request";
  EXPECT_EQ(form.cmdAceptar.stacking(), 0);
  EXPECT_EQ(testing_support::errorNumberOf([&] { form.txtNombre.ZOrder(2); }), rt::err::InvalidCall);
}

TEST_F(FormTest, CheckAndOptionButtonsRaiseClickWhenTheirValueChanges) {
  ui::op::click(form.chkActivo);
  EXPECT_EQ(form.chkActivo.Value(), 1);
  form.chkActivo.Value = 2;
  ui::op::click(form.chkActivo);
  EXPECT_EQ(form.chkActivo.Value(), 1);
  EXPECT_EQ(form.log.count("chkActivo_Click"), 3);
  EXPECT_THROW(form.chkActivo.Value = 3, rt::Error);

  ui::op::click(form.optUno);
  ui::op::click(form.optDos);
  EXPECT_FALSE(form.optUno.Value());
  EXPECT_TRUE(form.optDos.Value());
  form.chkActivo.Enabled = false;
  ui::op::click(form.chkActivo);
  EXPECT_EQ(form.chkActivo.Value(), 1) << "a disabled box ignores the mouse";
  EXPECT_EQ(form.log.filter("opt"), QStringList({"optUno_Click", "optDos_Click"}));
}

TEST_F(FormTest, ComboBoxListAndChoice) {
  ui::ComboBox& cbo = form.cboLista;
  cbo.ListIndex = 1;
  EXPECT_EQ(cbo.Text(), "ORACLE");
  cbo.AddItem("DB2", 0);
  EXPECT_EQ(cbo.ListIndex(), 2) << "the chosen item stays chosen";
  cbo.Text = "SQL Server";
  EXPECT_EQ(cbo.ListIndex(), 1);
  EXPECT_EQ(form.log.count("cboLista_Click"), 2);
  try {
    cbo.Text = "Access";
    FAIL() << "a drop-down list shows only its items";
  } catch (const rt::Error& e) {
    EXPECT_EQ(e.Number(), rt::err::PropertyIsReadOnly);
  }
  EXPECT_THROW(cbo.ListIndex = 3, rt::Error);
  cbo.RemoveItem(1);
  EXPECT_EQ(cbo.ListIndex(), -1);
  EXPECT_EQ(cbo.Text(), "");
  EXPECT_EQ(cbo.List(5), "");
  EXPECT_EQ(cbo.ListCount(), 2);
}

TEST_F(FormTest, ObserversHearRealChangesOnly) {
  std::vector<ui::Prop> heard;
  const int id = form.txtNombre.watch([&](const ui::PropertyChange& c) { heard.push_back(c.prop); });
  form.txtNombre.Text = "x";
  form.txtNombre.Text = "x";
  form.txtNombre.FontBold = true;
  form.txtNombre.unwatch(id);
  form.txtNombre.Text = "y";
  EXPECT_EQ(heard, std::vector<ui::Prop>({ui::Prop::Text, ui::Prop::Font}));
}

TEST_F(FormTest, TheScriptedHostMeasuresTextInProportionToItsLengthAndFont) {
  const int x = form.TextWidth("X");
  EXPECT_EQ(x, ui::ScriptedHost::kCharWidth);
  EXPECT_EQ(form.TextWidth("XXXXXXXXXX"), 10 * x);
  EXPECT_EQ(form.TextWidth(""), 0);
  form.FontSize = 16.5;
  EXPECT_EQ(form.TextWidth("XX"), 4 * x);
  form.FontBold = true;
  EXPECT_EQ(form.TextWidth("XXXXXX"), 6 * 2 * x * 7 / 6);
}
