#include <gtest/gtest.h>

#include <functional>

#include "SampleForm.h"
#include "platform/runtime/Error.h"
#include "platform/ui/Host.h"
#include "platform/ui/Operator.h"
#include "support/Printers.h"
#include "support/RuntimeErrors.h"

class FlexGridTest : public ::testing::Test {
 protected:
  // Rows of "r,c" texts.
  void fill() {
    for (int r = 0; r < grid.Rows(); ++r)
      for (int c = 0; c < grid.Cols(); ++c) grid.setTextMatrix(r, c, QStringLiteral("%1,%2").arg(r).arg(c));
  }

  SampleForm form;
  ui::FlexGrid& grid = form.grilla;
};

TEST_F(FlexGridTest, StartsAsTheDesktopGridDoes) {
  EXPECT_EQ(grid.Rows(), 2);
  EXPECT_EQ(grid.Cols(), 2);
  EXPECT_EQ(grid.FixedRows(), 1);
  EXPECT_EQ(grid.FixedCols(), 1);
  EXPECT_EQ(grid.Row(), 1);
  EXPECT_EQ(grid.Col(), 1);
  EXPECT_EQ(grid.ColWidth(0), ui::FlexGrid::DefaultColWidth);
  EXPECT_EQ(grid.ColAlignment(1), ui::FlexGrid::General);
}

TEST_F(FlexGridTest, ShapeChangesKeepTheTextsThatRemain) {
  grid.setRows(4);
  grid.setCols(3);
  fill();
  grid.setColWidth(2, 0);
  grid.setCols(5);
  grid.setRows(6);
  EXPECT_EQ(grid.TextMatrix(3, 2), "3,2");
  EXPECT_EQ(grid.TextMatrix(5, 4), "");
  EXPECT_EQ(grid.ColWidth(2), 0);
  grid.setRows(2);
  grid.setCols(2);
  grid.setRows(4);
  EXPECT_EQ(grid.TextMatrix(1, 1), "1,1");
  EXPECT_EQ(grid.TextMatrix(3, 1), "") << "dropped rows come back empty";
  grid.setRows(1);
  EXPECT_EQ(grid.Rows(), 1) << "only the header row remains";
  EXPECT_EQ(grid.TextMatrix(0, 1), "0,1");
}

TEST_F(FlexGridTest, ClearEmptiesCellsAndFormatsButKeepsShapeAndWidths) {
  grid.setRows(3);
  fill();
  grid.setColWidth(1, 2500);
  grid.setRowHeight(2, 600);
  grid.setCellBackColor(0x00FFFF);
  grid.Clear();
  EXPECT_EQ(grid.Rows(), 3);
  EXPECT_EQ(grid.TextMatrix(0, 0), "");
  EXPECT_EQ(grid.TextMatrix(2, 1), "");
  EXPECT_EQ(grid.ColWidth(1), 2500);
  EXPECT_EQ(grid.RowHeight(2), 600);
  EXPECT_EQ(grid.CellBackColor(), 0u);
}

TEST_F(FlexGridTest, CellFormattingAppliesToTheCurrentCellOnly) {
  grid.setRows(3);
  grid.setCols(3);
  grid.setRow(2);
  grid.setCol(1);
  grid.setText("total");
  grid.setCellForeColor(0x0000FF);
  grid.setCellBackColor(0xFFFF00);
  grid.setCellFontBold(true);
  EXPECT_EQ(grid.TextMatrix(2, 1), "total");
  EXPECT_EQ(grid.cellFormat(2, 1), (ui::FlexGrid::CellFormat{0x0000FF, 0xFFFF00, true}));
  EXPECT_EQ(grid.cellFormat(2, 2), ui::FlexGrid::CellFormat{});
  grid.setRow(0);  // the header row can be written through the current cell too
  grid.setText("Cantidad");
  EXPECT_EQ(grid.TextMatrix(0, 1), "Cantidad");
}

TEST_F(FlexGridTest, MovingTheCurrentCellCollapsesTheSelection) {
  grid.setRows(5);
  grid.setCols(4);
  grid.setRowSel(4);
  grid.setColSel(3);
  EXPECT_EQ(grid.RowSel(), 4);
  grid.setRow(2);
  EXPECT_EQ(grid.RowSel(), 2);
  EXPECT_EQ(grid.ColSel(), 3);
  grid.setCol(2);
  EXPECT_EQ(grid.ColSel(), 2);
  grid.setRows(2);
  EXPECT_EQ(grid.Row(), 1) << "the current cell stays inside the grid";
}

TEST_F(FlexGridTest, OutOfRangeRowsAndColumnsRaiseTheGridsError) {
  grid.setRows(3);
  const std::vector<std::pair<const char*, std::function<void()>>> cases = {
      {"TextMatrix row", [&] { grid.TextMatrix(3, 0); }},
      {"TextMatrix col", [&] { grid.setTextMatrix(0, 2, "x"); }},
      {"negative row", [&] { grid.TextMatrix(-1, 0); }},
      {"Row", [&] { grid.setRow(3); }},
      {"Col", [&] { grid.setCol(-1); }},
      {"ColWidth", [&] { grid.setColWidth(2, 100); }},
      {"RowHeight", [&] { grid.RowHeight(9); }},
      {"Rows below the fixed rows", [&] { grid.setFixedRows(2), grid.setRows(1); }},
      {"FixedCols beyond Cols", [&] { grid.setFixedCols(3); }},
      {"TopRow in the fixed rows", [&] { grid.setTopRow(0); }},
      {"AddItem past the end", [&] { grid.AddItem("x", 9); }},
      {"RemoveItem of a fixed row", [&] { grid.RemoveItem(0); }},
  };
  for (const auto& [what, action] : cases) EXPECT_EQ(testing_support::errorNumberOf(action), rt::err::InvalidPropertyArrayIndex) << what;
  try {
    grid.TextMatrix(7, 0);
  } catch (const rt::Error& e) {
    EXPECT_EQ(e.Description(), "Índice de matriz no válido");
  }
}

TEST_F(FlexGridTest, AddItemSplitsAtTabsAndRemoveItemKeepsOneRow) {
  grid.setCols(3);
  grid.setTextMatrix(1, 0, "primera");
  grid.AddItem("a\tb\tc\td");
  grid.AddItem("x\ty", 1);
  EXPECT_EQ(grid.Rows(), 4);
  EXPECT_EQ(grid.TextMatrix(1, 1), "y");
  EXPECT_EQ(grid.TextMatrix(1, 2), "");
  EXPECT_EQ(grid.TextMatrix(2, 0), "primera");
  EXPECT_EQ(grid.TextMatrix(3, 2), "c") << "texts beyond the last column are dropped";
  grid.RemoveItem(2);
  grid.RemoveItem(1);
  EXPECT_EQ(grid.TextMatrix(1, 0), "a");
  EXPECT_EQ(testing_support::errorNumberOf([&] { grid.RemoveItem(1); }), ui::FlexGrid::CannotRemoveLastRow);
}

TEST_F(FlexGridTest, RedrawOffHoldsTheAnnouncementsBack) {
  int cells = 0, shapes = 0;
  grid.watch([&](const ui::PropertyChange& c) {
    if (c.prop == ui::Prop::Cell) ++cells;
    if (c.prop == ui::Prop::Shape) ++shapes;
  });
  grid.setRedraw(false);
  for (int i = 0; i < 2000; ++i) grid.AddItem(QStringLiteral("%1\tfila").arg(i));
  grid.setTextMatrix(5, 1, "cambiada");
  EXPECT_EQ(cells + shapes, 0);
  grid.setRedraw(true);
  EXPECT_EQ(shapes, 1);
  EXPECT_EQ(grid.Rows(), 2002);
  EXPECT_EQ(grid.TextMatrix(2001, 0), "1999");
  grid.setRedraw(false);
  grid.Refresh();
  EXPECT_EQ(shapes, 2) << "Refresh shows the grid even with Redraw off";
}

// LeaveCell comes while Row and Col still tell the cell being left,
// EnterCell once they tell the new one; a move to the same cell raises
// neither, and a click on a cell of another row and column raises one pair.
TEST_F(FlexGridTest, LeaveCellComesBeforeTheCurrentCellChangesAndOnlyWhenItChanges) {
  grid.setRows(4);
  grid.setCols(3);
  QStringList log;
  grid.LeaveCell = [&] { log << QStringLiteral("Leave %1,%2").arg(grid.Row()).arg(grid.Col()); };
  grid.EnterCell = [&] { log << QStringLiteral("Enter %1,%2").arg(grid.Row()).arg(grid.Col()); };
  grid.Click = [&] { log << "Click"; };
  const struct Step {
    const char* what;
    std::function<void()> act;
    QStringList events;
  } steps[] = {
      {"Row", [&] { grid.setRow(2); }, {"Leave 1,1", "Enter 2,1"}},
      {"same Row", [&] { grid.setRow(2); }, {}},
      {"Col", [&] { grid.setCol(2); }, {"Leave 2,1", "Enter 2,2"}},
      {"selection and scrolling", [&] { grid.setRowSel(3), grid.setTopRow(2); }, {}},
      {"operator's click", [&] { ui::op::clickCell(grid, 3, 0); }, {"Leave 2,2", "Enter 3,0", "Click"}},
      {"click on the current cell", [&] { ui::op::clickCell(grid, 3, 0); }, {"Click"}},
      {"rows going away", [&] { grid.setRows(2); }, {}},
  };
  for (const Step& step : steps) {
    log.clear();
    step.act();
    EXPECT_EQ(log, step.events) << step.what;
  }
}

// The current cell's rectangle as the scripted host lays the grid out:
// the fixed rows and columns first, then what follows TopRow and LeftCol.
TEST_F(FlexGridTest, TheCurrentCellsRectangleCountsFixedPartsHiddenColumnsAndScrolling) {
  grid.setRows(10);
  grid.setCols(5);
  grid.setColWidth(0, 500);
  grid.setColWidth(1, 1000);
  grid.setColWidth(2, 0);  // hidden
  grid.setColWidth(3, 1500);
  grid.setRowHeight(0, 300);
  grid.setRowHeight(3, 600);
  const int w4 = ui::FlexGrid::DefaultColWidth, h = ui::FlexGrid::DefaultRowHeight;
  const struct Case {
    int fixedRows, fixedCols, topRow, leftCol, row, col;
    ui::TwipsRect cell;
  } cases[] = {
      {1, 1, 1, 1, 1, 1, {500, 300, 1000, h}},
      {1, 1, 1, 1, 2, 3, {1500, 300 + h, 1500, h}},
      {1, 1, 1, 1, 4, 4, {3000, 300 + 2 * h + 600, w4, h}},
      {1, 1, 1, 1, 1, 2, {1500, 300, 0, h}},                  // a hidden column takes no room
      {1, 1, 3, 3, 4, 4, {500 + 1500, 300 + 600, w4, h}},     // scrolled by two rows and two columns
      {1, 1, 3, 3, 1, 1, {500 - 1000, 300 - h - h, 1000, h}},  // scrolled out of sight, above and left
      {1, 1, 3, 3, 0, 0, {0, 0, 500, 300}},                   // fixed cells stay
      {2, 2, 2, 2, 2, 3, {1500, 300 + h, 1500, h}},
      {0, 0, 0, 0, 0, 0, {0, 0, 500, 300}},
  };
  for (const Case& c : cases) {
    grid.setFixedRows(c.fixedRows);
    grid.setFixedCols(c.fixedCols);
    grid.setTopRow(c.topRow);
    grid.setLeftCol(c.leftCol);
    grid.setRow(c.row);
    grid.setCol(c.col);
    const ui::TwipsRect cell{grid.CellLeft(), grid.CellTop(), grid.CellWidth(), grid.CellHeight()};
    EXPECT_EQ(cell, c.cell) << "fixed " << c.fixedRows << "x" << c.fixedCols << ", top " << c.topRow << ", left "
                            << c.leftCol << ", cell " << c.row << "," << c.col;
  }
}
