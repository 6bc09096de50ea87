#include <gtest/gtest.h>

#include "ControlsForm.h"
#include "platform/ui/Operator.h"
#include "support/HostFixture.h"
#include "support/Printers.h"
#include "support/RuntimeErrors.h"

using testing_support::errorNumberOf;

class BarControlsTest : public testing_support::HostFixture {
 protected:
  ControlsForm form;
};

TEST_F(BarControlsTest, AToolbarClickReachesButtonClickAndLeavesTheFocusWhereItWas) {
  ui::op::focus(form.txtDato);
  ui::op::clickButton(form.Toolbar1, 2);
  form.Toolbar1.Buttons(1).Enabled = false;
  ui::op::clickButton(form.Toolbar1, 1);
  form.Toolbar1.Buttons(1).Enabled = true;
  form.Toolbar1.Buttons(1).Visible = false;
  ui::op::clickButton(form.Toolbar1, 1);
  form.Toolbar1.Buttons(1).Visible = true;
  form.Toolbar1.Enabled = false;
  ui::op::clickButton(form.Toolbar1, 1);
  EXPECT_EQ(form.log, QStringList({"ButtonClick 2"})) << "disabled or hidden buttons and toolbars do nothing";
  EXPECT_EQ(form.ActiveControl(), &form.txtDato);
  EXPECT_EQ(errorNumberOf([&] { ui::op::clickButton(form.Toolbar1, 3); }), rt::err::IndexOutOfBounds);
}

TEST_F(BarControlsTest, ButtonPicturesComeFromTheImageListByIndexOrKey) {
  ui::Toolbar& bar = form.Toolbar1;
  EXPECT_EQ(bar.Buttons(1).picture(), ":/a.png");
  EXPECT_EQ(bar.Buttons(2).picture(), ":/b.png") << "keys without regard to case";
  EXPECT_EQ(bar.Buttons.Add(1, "Proponer").picture(), "") << "no picture";
  EXPECT_EQ(bar.Buttons("llenar").Index, 2) << "renumbered after an insertion";
  EXPECT_EQ(errorNumberOf([&] { bar.Buttons(1).Image = 3; }), rt::err::IndexOutOfBounds);
  EXPECT_EQ(errorNumberOf([&] { bar.Buttons(1).Image = "Copiar"; }), rt::err::ElementNotFound);
  EXPECT_EQ(errorNumberOf([&] { bar.Buttons.Add(0, "LLENAR"); }), rt::err::KeyNotUnique);
  EXPECT_EQ(bar.Buttons.Count(), 3);
}

TEST_F(BarControlsTest, StatusBarPanelsAreNumberedFromOneAndAnIndexBeyondThemRaises) {
  ui::StatusBar& bar = form.StatB;
  EXPECT_EQ(bar.Panels.Count(), 0) << "a status bar starts without panels";
  bar.Panels.Add(0, "", "Listo");
  bar.Panels.Add(0, "Stock");
  bar.Panels(2).Text = "Stock: 12";
  EXPECT_EQ(bar.Panels("STOCK").Text(), "Stock: 12");
  EXPECT_EQ(bar.Panels(1).Width(), ui::StatusBarPanel::DefaultWidth);
  for (int index : {0, 3, 4})
    EXPECT_EQ(errorNumberOf([&] { bar.Panels(index).Text = "x"; }), rt::err::IndexOutOfBounds) << index;
  EXPECT_EQ(errorNumberOf([&] { bar.Panels("Detalle"); }), rt::err::ElementNotFound);
}

TEST_F(BarControlsTest, TabsAreNumberedFromZeroAndAChangeOfTabRaisesClick) {
  ui::TabControl& tabs = form.SSTab1;
  EXPECT_EQ(tabs.Tabs(), 3);
  EXPECT_EQ(tabs.TabCaption(2), "Tab 2");
  tabs.setTabCaption(1, "Artículos");
  tabs.setTab(1);
  tabs.setTab(1);
  tabs.setTabVisible(1, false);  // the chosen tab goes: the next one is chosen
  tabs.setTabVisible(2, false);  // none after it: the one before
  tabs.setTabVisible(2, true);
  ui::op::chooseTab(tabs, 1);  // hidden: out of the operator's reach
  ui::op::chooseTab(tabs, 2);
  EXPECT_EQ(form.log, QStringList({"SSTab1_Click 1", "SSTab1_Click 2", "SSTab1_Click 0", "SSTab1_Click 2"}));
  EXPECT_EQ(form.ActiveControl(), &tabs);
  EXPECT_EQ(tabs.TabCaption(1), "Artículos");
  EXPECT_FALSE(tabs.TabVisible(1));
  EXPECT_EQ(errorNumberOf([&] { tabs.TabVisible(3); }), rt::err::InvalidPropertyArrayIndex);
  EXPECT_EQ(errorNumberOf([&] { tabs.setTabCaption(-1, "x"); }), rt::err::InvalidPropertyArrayIndex);
  EXPECT_EQ(errorNumberOf([&] { tabs.setTab(3); }), rt::err::InvalidPropertyValue);
  tabs.setTabs(2);
  EXPECT_EQ(tabs.Tab(), 1) << "the chosen tab went with the last ones";
}

TEST_F(BarControlsTest, AScrollBarValueOutsideItsRangeRaises380) {
  ui::HScrollBar& bar = form.HScroll1;
  struct Case {
    int min, max, value;
    long error;
  } const cases[] = {
      {0, 100, 100, 0}, {0, 100, 101, rt::err::InvalidPropertyValue}, {0, 100, -1, rt::err::InvalidPropertyValue},
      {10, 0, 5, 0},    {10, 0, 11, rt::err::InvalidPropertyValue},   {-50, 50, -50, 0},
  };
  for (const Case& c : cases) {
    bar.Min = c.min;
    bar.Max = c.max;
    const int before = bar.Value();
    EXPECT_EQ(errorNumberOf([&] { bar.Value = c.value; }), c.error) << c.min << ".." << c.max << " " << c.value;
    EXPECT_EQ(bar.Value(), c.error ? before : c.value);
  }
  for (auto* limit : {&bar.Min, &bar.Max})
    EXPECT_EQ(errorNumberOf([&] { *limit = 32768; }), rt::err::InvalidPropertyValue);
  EXPECT_EQ(errorNumberOf([&] { bar.LargeChange = 0; }), rt::err::InvalidPropertyValue);
}

TEST_F(BarControlsTest, ScrollBarChangeFollowsEveryChangeOfValue) {
  ui::HScrollBar& bar = form.HScroll1;
  bar.Max = 1000;
  bar.Value = 400;
  bar.Value = 400;
  bar.Max = 300;  // Value comes along
  ui::op::scroll(bar, 5000);
  ui::op::scroll(bar, 120);
  EXPECT_EQ(form.log, QStringList({"HScroll1_Change 400", "HScroll1_Change 300", "HScroll1_Change 120"}));
  EXPECT_EQ(form.ActiveControl(), &bar);
}
