#include <gtest/gtest.h>

#include "SampleForm.h"
#include "platform/runtime/Error.h"
#include "platform/ui/Operator.h"
#include "support/Printers.h"
#include "support/RuntimeErrors.h"

using testing_support::errorNumberOf;

TEST(ControlArray, ElementsByIndexInOrderAndTheirEventsCarryTheIndex) {
  SampleForm form;
  auto& fields = form.txtFields;
  EXPECT_EQ(fields.Count(), 4);
  EXPECT_EQ(fields.LBound(), 0);
  EXPECT_EQ(fields.UBound(), 3);
  EXPECT_EQ(fields(2).Name(), "txtFields");
  EXPECT_EQ(fields(2).Index(), 2);
  EXPECT_EQ(form.find("TXTFIELDS", 2), &fields(2));

  std::vector<int> changed;
  fields.Change = [&](int Index) { changed.push_back(Index); };
  fields(3).Text = "511";
  ui::op::type(fields(1), "1110102");
  EXPECT_EQ(changed, std::vector<int>({3, 1}));

  int i = 0;
  for (ui::TextBox& box : fields) EXPECT_EQ(box.Index(), i++);
  EXPECT_EQ(errorNumberOf([&] { fields(7); }), rt::err::NoSuchControlArrayElement);
}

TEST(ControlArray, ElementsLoadedAtRunTimeCopyTheFirstOneHidden) {
  SampleForm form;
  auto& fields = form.txtFields;
  fields(0).Move(100, 200, 300, 400);
  fields(0).FontBold = true;
  ui::TextBox& added = fields.Load(6);
  EXPECT_EQ(added.Left(), 100);
  EXPECT_EQ(added.Height(), 400);
  EXPECT_TRUE(added.FontBold());
  EXPECT_FALSE(added.Visible());
  EXPECT_EQ(fields.UBound(), 6);
  EXPECT_EQ(form.tabOrder().back(), &added);

  std::vector<int> clicked;
  fields.Click = [&](int Index) { clicked.push_back(Index); };
  added.Visible = true;
  ui::op::click(added);
  EXPECT_EQ(clicked, std::vector<int>({6}));

  EXPECT_EQ(errorNumberOf([&] { fields.Load(6); }), rt::err::ObjectAlreadyLoaded);
  EXPECT_EQ(errorNumberOf([&] { fields.Unload(0); }), rt::err::CannotUnloadDesignControl);
  const auto before = form.controls().size();
  fields.Unload(6);
  EXPECT_EQ(form.controls().size(), before - 1);
  EXPECT_FALSE(fields.exists(6));
}

TEST(ControlArray, FindsTheElementByTagWithoutRegardToCase) {
  SampleForm form;
  const char* tags[] = {"CtaAjusteCliente", "CtaAjusteProveedor", "CtaChequesEnCartera", "CtaAjusteCheque"};
  for (int i = 0; i < 4; ++i) form.txtFields(i).Tag = tags[i];
  EXPECT_EQ(form.txtFields.findByTag("ctaajusteproveedor"), &form.txtFields(1));
  EXPECT_EQ(form.txtFields.findByTag("SQLPrevio"), nullptr);
}
