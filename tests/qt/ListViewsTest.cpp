#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include "CutTexts.h"
#include "ListsForm.h"
#include "platform/qt/Appearance.h"
#include "platform/qt/ListBindings.h"
#include "platform/qt/QtHost.h"
#include "platform/ui/Operator.h"
#include "support/Printers.h"
#include "support/QtApplication.h"

class ListViewsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::TestApplication();
    ui::setHost(&host);
    list.ColumnHeaders.Add("", "Codigo", 1200);
    list.ColumnHeaders.Add("", "Descripcion", 2400);
  }
  void TearDown() override { ui::setHost(nullptr); }

  // Shows the form; returns the widget of `control` once the window is up
  // and the lists have caught up with their models.
  QTreeView& show(const ui::Control& control) {
    form.Show();
    QWidget* window = host.windowOf(form);
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    QCoreApplication::processEvents();
    return *static_cast<QTreeView*>(window->findChild<QWidget*>(control.Name()));
  }
  void fill(const QStringList& codes) {
    for (const QString& code : codes) list.ListItems.Add(0, "", code).setSubItems(1, "de " + code);
  }
  QPoint centreOf(QTreeView& view, int row) { return view.visualRect(view.model()->index(row, 0)).center(); }

  qt::QtHost host;
  ListsForm form;
  ui::ListView& list = form.ListView1;
  ui::TreeView& tree = form.TreeV;
};

TEST_F(ListViewsTest, TheListShowsCellsColoursBoldTicksAndIcons) {
  QTemporaryDir dir;
  QPixmap picture(16, 16);
  picture.fill(Qt::darkGreen);
  ASSERT_TRUE(picture.save(dir.filePath("fc.png")));
  form.ImageList1.ListImages.Add(0, "FC", dir.filePath("fc.png"), "FC");
  list.SmallIcons = &form.ImageList1;
  list.Checkboxes = true;
  fill({"A1", "B2"});
  list.ListItems(2).SmallIcon = 1;
  list.ListItems(2).Checked = true;
  list.ListItems(2).ListSubItems(1).ForeColor = ui::color::Red;
  list.ListItems(2).ListSubItems(1).Bold = true;
  QTreeView& view = show(list);
  QAbstractItemModel& model = *view.model();
  EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Descripcion");
  EXPECT_EQ(view.columnWidth(1), qt::pixelsX(2400));
  EXPECT_EQ(model.index(1, 1).data().toString(), "de B2");
  EXPECT_EQ(model.index(1, 1).data(Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
  EXPECT_TRUE(model.index(1, 1).data(Qt::FontRole).value<QFont>().bold());
  EXPECT_FALSE(model.index(1, 0).data(Qt::FontRole).isValid()) << "the item's own text keeps the list's font";
  EXPECT_EQ(model.index(1, 0).data(Qt::CheckStateRole).toInt(), Qt::Checked);
  EXPECT_EQ(model.index(0, 0).data(Qt::CheckStateRole).toInt(), Qt::Unchecked);
  EXPECT_FALSE(model.index(1, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
  EXPECT_TRUE(model.index(0, 0).data(Qt::DecorationRole).value<QIcon>().isNull());
  EXPECT_EQ(view.currentIndex().row(), 0) << "the first item is the selected one";

  list.ListItems(1).Text = "cambiado";
  list.ListItems(2).Selected = true;
  QCoreApplication::processEvents();
  EXPECT_EQ(model.index(0, 0).data().toString(), "cambiado");
  EXPECT_EQ(view.currentIndex().row(), 1);
  EXPECT_TRUE(view.selectionModel()->isRowSelected(1, {}));
}

TEST_F(ListViewsTest, HeaderClicksAndDragsReachTheModel) {
  fill({"A1"});
  QTreeView& view = show(list);
  QHeaderView& header = *view.header();
  const int middle = header.sectionViewportPosition(1) + header.sectionSize(1) / 2;
  QTest::mouseClick(header.viewport(), Qt::LeftButton, {}, QPoint(middle, header.height() / 2));
  EXPECT_EQ(form.log, QStringList({"ListView1_ColumnClick Descripcion"}));

  const int edge = header.sectionViewportPosition(0) + header.sectionSize(0) - 1;
  const QPoint from(edge, header.height() / 2), to(edge + 40, header.height() / 2);
  QTest::mousePress(header.viewport(), Qt::LeftButton, {}, from);
  QTest::mouseMove(header.viewport(), to);
  QTest::mouseRelease(header.viewport(), Qt::LeftButton, {}, to);
  EXPECT_EQ(header.sectionSize(0), qt::pixelsX(1200) + 40);
  EXPECT_EQ(list.ColumnHeaders(1).Width(), qt::twipsX(header.sectionSize(0)));
  EXPECT_EQ(list.ColumnHeaders(2).Left(), list.ColumnHeaders(1).Width());
}

// A column as wide as n capital X in the window's font shows n digits, or
// n characters no wider than X, whole; in the bold font of 10 points the
// list lookups show their rows in, n digits. On screen the columns keep the
// model's widths, however narrow.
TEST_F(ListViewsTest, AColumnAsWideAsATextShowsThatTextWhole) {
  const struct {
    bool lookupFont;
    QStringList texts;
  } cases[] = {{false, {"7", "42", "AB12", "211010001", "0001-00000123", "Vino tinto"}},
               {true, {"7", "42", "1234", "211010001", "0001000000053"}}};
  list.Move(120, 600, 8700, 4000);
  for (const auto& c : cases) {
    list.FontBold = c.lookupFont;
    list.FontSize = c.lookupFont ? 10 : 8.25;
    list.ColumnHeaders.Clear();
    list.ListItems.Clear();
    for (const QString& text : c.texts) list.ColumnHeaders.Add("", "", form.TextWidth(QString(text.size(), u'X')));
    ui::ListItem& item = list.ListItems.Add(0, "", c.texts[0]);
    for (int i = 1; i < c.texts.size(); ++i) item.setSubItems(i, c.texts[i]);
    QTreeView& view = show(list);
    for (const CutText& cut : CutTexts(*host.windowOf(form))) ADD_FAILURE() << Describe(cut).toStdString();
    for (int i = 0; i < c.texts.size(); ++i)
      EXPECT_EQ(view.columnWidth(i), qt::pixelsX(list.ColumnHeaders(i + 1).Width())) << c.texts[i].toStdString();
  }
}

// The operator's drag is the only width the view writes back: widths that
// are no whole number of pixels, and a hidden column, stay as the program
// set them when the view shows, refills and reshapes.
TEST_F(ListViewsTest, OnlyTheOperatorsDragChangesAColumnsWidth) {
  list.ColumnHeaders(1).Width = 1000;
  list.ColumnHeaders.Add("", "Oculta", 0);
  list.ColumnHeaders.Add("", "Importe", 1001);
  fill({"A1", "B2"});
  QTreeView& view = show(list);
  list.ListItems.Clear();
  fill({"C3"});
  list.Move(120, 600, 4000, 3000);
  QCoreApplication::processEvents();
  EXPECT_EQ(view.columnWidth(2), 0);
  EXPECT_EQ(list.ColumnHeaders(1).Width(), 1000);
  EXPECT_EQ(list.ColumnHeaders(2).Width(), 2400);
  EXPECT_EQ(list.ColumnHeaders(3).Width(), 0);
  EXPECT_EQ(list.ColumnHeaders(4).Width(), 1001);
}

TEST_F(ListViewsTest, TicksAndDoubleClicksReachTheModel) {
  list.Checkboxes = true;
  fill({"A1", "B2"});
  QTreeView& view = show(list);
  view.setFocus();
  QTest::keyClick(&view, Qt::Key_Space);
  EXPECT_TRUE(list.ListItems(1).Checked());
  // A double click: the first click, then the second, which the desktop reports as the double click.
  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, centreOf(view, 1));
  QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, centreOf(view, 1));
  EXPECT_EQ(list.SelectedItem(), &list.ListItems(2));
  EXPECT_EQ(form.log, QStringList({"ListView1_ItemCheck A1 1", "ListView1_ItemClick B2", "ListView1_Click",
                                   "ListView1_DblClick"}));
}

// The program's own key handlers search; the view must not move the row.
TEST_F(ListViewsTest, TypingALetterDoesNotMoveTheSelection) {
  fill({"A1", "B2", "Z9"});
  QStringList keys;
  list.KeyPress = [&](int& KeyAscii) { keys << QString(QChar(KeyAscii)); };
  QTreeView& view = show(list);
  view.setFocus();
  QTest::keyClicks(&view, "z");
  QCoreApplication::processEvents();
  EXPECT_EQ(keys, QStringList({"z"}));
  EXPECT_EQ(view.currentIndex().row(), 0);
  EXPECT_EQ(list.SelectedItem(), &list.ListItems(1));
}

// A list filled row by row with a yield per row: the view gets each pass's
// new rows inserted, and is never rebuilt for them.
TEST_F(ListViewsTest, FillingRowByRowWithAYieldPerRowDoesNotRebuildTheView) {
  QTreeView& view = show(list);
  const qt::RefreshCounts before = qt::refreshCounts(view);
  for (int i = 0; i < 1000; ++i) {
    list.ListItems.Add(0, "", QString::number(i)).setSubItems(1, "fila");
    ui::DoEvents();
  }
  const qt::RefreshCounts during = qt::refreshCounts(view);
  EXPECT_EQ(during.rebuilds, before.rebuilds);
  EXPECT_LE(during.passes - before.passes, 1000);
  EXPECT_EQ(view.model()->rowCount(), 1000);
  EXPECT_EQ(view.model()->index(999, 0).data().toString(), "999");

  list.ListItems.Clear();
  for (int i = 0; i < 1000; ++i) list.ListItems.Add(0, "", QString::number(i));
  QCoreApplication::processEvents();
  const qt::RefreshCounts after = qt::refreshCounts(view);
  EXPECT_EQ(after.passes, during.passes + 1) << "changes without a yield are shown in one pass";
  EXPECT_EQ(view.model()->rowCount(), 1000);
}

// Code running from a timer (a modal window's test, a Timer's Tick) sees
// the list as the window opened with it, and the rows it adds at a yield.
TEST_F(ListViewsTest, AModalWindowShowsItsFilledListAtOnceAndNewRowsAtAYield) {
  fill({"A1", "B2"});
  int atOpening = -1, afterYield = -1;
  QTimer::singleShot(0, [&] {
    const QAbstractItemModel& model = *QApplication::activeModalWidget()->findChild<QTreeView*>("ListView1")->model();
    atOpening = model.rowCount();
    fill({"C3"});
    ui::DoEvents();
    afterYield = model.rowCount();
    form.Hide();
  });
  form.Show(ui::vbModal);
  EXPECT_EQ(atOpening, 2);
  EXPECT_EQ(afterYield, 3);
}

TEST_F(ListViewsTest, TheTreeShowsItsLevelsAndReportsTheOperatorsTicks) {
  tree.Checkboxes = true;
  tree.LineStyle = ui::TreeView::tvwRootLines;
  tree.Nodes.Add("", 0, "A", "Consulta...").Expanded = true;
  tree.Nodes.Add("A", ui::TreeView::tvwChild, "A01", "01 - Bebidas").Expanded = true;
  tree.Nodes.Add("A01", ui::TreeView::tvwChild, "A0101", "0101 - Gaseosas");
  tree.Nodes.Add("A", ui::TreeView::tvwChild, "A02", "02 - Comidas");
  tree.Nodes.Add("A02", ui::TreeView::tvwChild, "A0201", "0201 - Minutas");
  tree.Nodes("A0201").Checked = true;
  QTreeView& view = show(tree);
  QAbstractItemModel& model = *view.model();
  const QModelIndex root = model.index(0, 0), bebidas = model.index(0, 0, root), comidas = model.index(1, 0, root);
  EXPECT_EQ(model.rowCount(), 1);
  EXPECT_EQ(bebidas.data().toString(), "01 - Bebidas");
  EXPECT_EQ(model.index(0, 0, bebidas).data().toString(), "0101 - Gaseosas");
  EXPECT_TRUE(view.isExpanded(bebidas));
  EXPECT_FALSE(view.isExpanded(comidas));
  EXPECT_EQ(model.index(0, 0, comidas).data(Qt::CheckStateRole).toInt(), Qt::Checked);
  EXPECT_EQ(view.currentIndex(), root) << "the first node is the selected one";
  EXPECT_TRUE(form.log.isEmpty()) << "a tick set from code raises nothing";

  view.expand(comidas);
  EXPECT_TRUE(tree.Nodes("A02").Expanded());
  view.setCurrentIndex(bebidas);
  view.setFocus();
  QTest::keyClick(&view, Qt::Key_Space);
  EXPECT_TRUE(tree.Nodes("A01").Checked());
  EXPECT_FALSE(tree.Nodes("A0101").Checked()) << "the tree ticks only the node ticked";
  const QPoint minutas = view.visualRect(model.index(0, 0, comidas)).center();
  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, minutas);
  QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, minutas);
  EXPECT_EQ(tree.SelectedItem(), &tree.Nodes("A0201"));
  EXPECT_EQ(form.log.count("TreeV_NodeCheck A01 1"), 1) << form.log.join(", ").toStdString();
  EXPECT_EQ(form.log.count("TreeV_DblClick"), 1) << form.log.join(", ").toStdString();

  tree.Nodes.Add("A0201", ui::TreeView::tvwChild, "A020101", "020101 - Milanesas");
  tree.Nodes("A020101").EnsureVisible();
  QCoreApplication::processEvents();
  EXPECT_EQ(model.index(0, 0, model.index(0, 0, comidas)).data().toString(), "020101 - Milanesas");
  EXPECT_TRUE(view.isExpanded(model.index(0, 0, comidas)));
  tree.Nodes.Clear();
  QCoreApplication::processEvents();
  EXPECT_EQ(model.rowCount(), 0);
}
