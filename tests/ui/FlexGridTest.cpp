#include <gtest/gtest.h>

#include "SampleForm.h"
#include "platform/runtime/Error.h"
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
}
