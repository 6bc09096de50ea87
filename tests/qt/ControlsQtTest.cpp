#include <gtest/gtest.h>

#include <QApplication>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <cmath>
#include <stdexcept>

#include "ControlsForm.h"
#include "CutTexts.h"
#include "platform/qt/Appearance.h"
#include "platform/qt/QtHost.h"
#include "platform/ui/Operator.h"
#include "support/QtChild.h"
#include "support/Printers.h"
#include "support/QtApplication.h"

namespace {

using testing_support::child;

// The view's rectangle of a cell below the fixed rows, in the window.
QRect cellInWindow(QTableView& view, QWidget& window, int row, int col) {
  const QRect cell = view.visualRect(view.model()->index(row, col));
  return QRect(view.viewport()->mapTo(&window, cell.topLeft()), cell.size());
}

void expectWithinAPixel(const QRect& actual, const QRect& expected, const char* when) {
  EXPECT_LE(std::abs(actual.left() - expected.left()), 1) << when;
  EXPECT_LE(std::abs(actual.top() - expected.top()), 1) << when;
  EXPECT_LE(std::abs(actual.right() - expected.right()), 1) << when;
  EXPECT_LE(std::abs(actual.bottom() - expected.bottom()), 1) << when;
}

}  // namespace

class ControlsQtTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::TestApplication();
    ui::setHost(&host);
  }
  void TearDown() override { ui::setHost(nullptr); }

  QWidget& show() {
    form.Show();
    QWidget* window = host.windowOf(form);
    EXPECT_TRUE(window && QTest::qWaitForWindowActive(window));
    QCoreApplication::processEvents();
    return *window;
  }

  qt::QtHost host;
  ControlsForm form;
};

TEST_F(ControlsQtTest, AToolbarClickReachesButtonClickAndLeavesTheFocusWhereItWas) {
  QWidget& window = show();
  auto& box = child<QLineEdit>(window, "txtDato");
  box.setFocus();
  QCoreApplication::processEvents();
  auto& button = child<QToolButton>(window, "Toolbar1.Buttons(2)");
  EXPECT_EQ(button.toolTip(), "Blanquear las Celdas a partir de la celda seleccionada");
  QTest::mouseClick(&button, Qt::LeftButton);
  QCoreApplication::processEvents();
  EXPECT_EQ(form.log, QStringList({"ButtonClick 2"}));
  EXPECT_EQ(QApplication::focusWidget(), &box);
  EXPECT_EQ(form.ActiveControl(), &form.txtDato);
  form.Toolbar1.Buttons(2).Enabled = false;
  EXPECT_FALSE(button.isEnabled());
}

// The program's key handlers move the current row; the view itself does
// not jump to a row starting with the typed letter.
TEST_F(ControlsQtTest, TypingALetterInAGridDoesNotMoveTheCurrentRow) {
  form.fillGrid(12, 3);
  QWidget& window = show();
  auto& view = child<QTableView>(window, "MSFlexGrid1");
  view.setFocus();
  QTest::keyClicks(&view, "dc");
  EXPECT_EQ(form.MSFlexGrid1.Row(), 1);
  EXPECT_EQ(view.currentIndex().row(), 0);
  QTest::keyClick(&view, Qt::Key_Down);
  EXPECT_EQ(form.MSFlexGrid1.Row(), 2) << "the arrows still move it";
}

// The floating edit box, placed at CellLeft.. as the lot dialogs place it,
// lies on the cell the view shows, also once the grid has scrolled (from
// code and by the operator, whose scrolling reaches TopRow and LeftCol).
TEST_F(ControlsQtTest, AFloatingBoxAtTheCurrentCellsRectangleLiesOnThatCell) {
  ui::FlexGrid& grid = form.MSFlexGrid1;
  form.fillGrid(60, 7);
  for (int c = 0; c < 7; ++c) grid.setColWidth(c, 1500);
  grid.setColWidth(2, 0);
  grid.setRowHeight(3, 500);
  grid.ZOrder();  // over the box, until the box comes to the front
  QWidget& window = show();
  auto& view = child<QTableView>(window, "MSFlexGrid1");
  auto& box = child<QLineEdit>(window, "TxtEdit");
  const int fixed = grid.FixedRows();
  const auto placeAt = [&](int row, int col, const char* when) {
    grid.setRow(row);
    grid.setCol(col);
    form.placeEditBox();
    form.TxtEdit.ZOrder();
    QCoreApplication::processEvents();
    expectWithinAPixel(box.geometry(), cellInWindow(view, window, row - fixed, col), when);
    EXPECT_EQ(window.childAt(box.geometry().center()), &box) << when;
  };
  placeAt(4, 3, "first rows");
  placeAt(2, 1, "beside the fixed column");

  grid.setTopRow(20);
  grid.setLeftCol(3);
  EXPECT_EQ(view.rowAt(0) + fixed, 20);
  EXPECT_EQ(view.columnAt(0), 3);
  placeAt(22, 4, "scrolled from code");

  view.verticalScrollBar()->setValue(35);
  view.horizontalScrollBar()->setValue(1);
  EXPECT_EQ(grid.TopRow(), 36) << "the operator's scrolling reaches TopRow";
  EXPECT_EQ(grid.LeftCol(), 1);
  placeAt(38, 3, "scrolled by the operator");
}

TEST_F(ControlsQtTest, StatusBarTabsAndScrollBarFollowTheModelAndTheOperator) {
  form.StatB.Panels.Add(0, "", "Listo");
  form.StatB.Panels.Add(0, "Stock");
  form.SSTab1.setTabCaption(1, "Artículos");
  form.HScroll1.Max = 100;
  form.HScroll1.LargeChange = 10;
  QWidget& window = show();
  form.StatB.Panels("Stock").Text = "Stock: 12";
  form.SSTab1.setTabVisible(2, false);
  EXPECT_EQ(child<QLabel>(window, "StatB.Panels(2)").text(), "Stock: 12");
  auto& tabs = child<QTabBar>(window, "SSTab1");
  EXPECT_EQ(tabs.tabText(1), "Artículos");
  EXPECT_FALSE(tabs.isTabVisible(2));
  QTest::mouseClick(&tabs, Qt::LeftButton, {}, tabs.tabRect(1).center());
  auto& bar = child<QScrollBar>(window, "HScroll1");
  bar.triggerAction(QAbstractSlider::SliderPageStepAdd);
  form.HScroll1.Value = 55;
  EXPECT_EQ(bar.value(), 55);
  EXPECT_EQ(form.log, QStringList({"txtDato_LostFocus", "SSTab1_Click 1", "HScroll1_Change 10", "HScroll1_Change 55"}));
  EXPECT_EQ(form.ActiveControl(), &form.HScroll1);
}

// Text is measured in the control's real font: a longer text is wider, in
// proportion to its letters.
TEST_F(ControlsQtTest, TextWidthMeasuresTheRealFont) {
  const int x = form.TextWidth("X");
  EXPECT_GT(x, 0);
  EXPECT_GT(form.TextWidth("XX"), x);
  EXPECT_NEAR(form.TextWidth("XXXX"), 4 * x, qt::twipsX(2));
  form.FontSize = 16.5;
  EXPECT_GT(form.TextWidth("X"), x);
}

// The windows were laid out for a sans serif of Arial's metrics: every
// sans name renders in Liberation Sans, at the model's size; serif and
// fixed-width names keep families of their kind. A text is measured in the
// font its widget shows, rounded up to whole pixels.
TEST_F(ControlsQtTest, SansFontsRenderInLiberationSansAndAreMeasuredAsShown) {
  const struct {
    const char* name;
    bool liberationSans;
  } fonts[] = {{"MS Sans Serif", true}, {"Arial", true}, {"Tahoma", true}, {"Courier New", false},
               {"Times New Roman", false}};
  for (const auto& f : fonts) {
    form.txtDato.FontName = f.name;
    const QFontInfo shown(qt::qtFont(form.txtDato));
    EXPECT_EQ(shown.family() == "Liberation Sans", f.liberationSans) << f.name;
  }
  form.txtDato.FontName = "MS Sans Serif";
  EXPECT_TRUE(QFontInfo(qt::qtFont(form.txtDato)).fixedPitch() == false);
  QWidget& window = show();
  const QFont font = child<QLineEdit>(window, "txtDato").font();
  EXPECT_EQ(QFontInfo(font).family(), "Liberation Sans");
  EXPECT_EQ(font.pointSizeF(), 8.25);
  for (const QString text : {"X", "XXXXXXXXX", "211010001"}) {
    const qreal advance = QFontMetricsF(font).horizontalAdvance(text);
    const int width = qt::pixelsX(host.TextWidth(form.txtDato, text));
    EXPECT_GE(width, advance) << text.toStdString();
    EXPECT_LT(width, advance + 1) << text.toStdString();
  }
}

// A grid column as wide as n capital X shows n digits whole, keeping the
// model's width on screen.
TEST_F(ControlsQtTest, AGridColumnAsWideAsATextShowsThatTextWhole) {
  const QStringList texts = {"7", "42", "1234", "211010001", "0001000000053"};
  form.fillGrid(3, static_cast<int>(texts.size()));
  for (int c = 0; c < texts.size(); ++c) {
    form.MSFlexGrid1.setColWidth(c, form.TextWidth(QString(texts[c].size(), u'X')));
    form.MSFlexGrid1.setTextMatrix(1, c, texts[c]);
    form.MSFlexGrid1.setTextMatrix(2, c, QString(texts[c].size(), u'9'));
  }
  QWidget& window = show();
  for (const CutText& cut : CutTexts(window)) ADD_FAILURE() << Describe(cut).toStdString();
  auto& view = child<QTableView>(window, "MSFlexGrid1");
  for (int c = 0; c < texts.size(); ++c) EXPECT_EQ(view.columnWidth(c), qt::pixelsX(form.MSFlexGrid1.ColWidth(c)));
}
