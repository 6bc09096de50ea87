// The serial and lot dialog on the desktop host, offscreen: the floating box
// lies exactly on the cell the operator types on, also after scrolling.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QWheelEvent>

#include "LotesFixture.h"
#include "lots/FrmCargaLotesySeries.h"
#include "platform/qt/QtHost.h"
#include "platform/runtime/Text.h"
#include "support/Printers.h"
#include "support/QtApplication.h"
#include "support/QtChild.h"

namespace {

using testing_support::child;

class CargaLotesySeriesQt : public testing_support::LotesDatabase {
 protected:
  void SetUp() override {
    testing_support::TestApplication();
    LotesDatabase::SetUp();
    ui::setHost(&qtHost);
  }
  void TearDown() override {
    ui::setHost(&host);
    LotesDatabase::TearDown();
  }

  // The view's rectangle of grid cell (row, col), in the window.
  QRect celda(int fila, int columna) {
    QTableView& view = child<QTableView>(*window, "MSFlexGrid1");
    const QRect cell = view.visualRect(view.model()->index(fila - d.MSFlexGrid1.FixedRows(), columna));
    return QRect(view.viewport()->mapTo(window, cell.topLeft()), cell.size());
  }
  void cajaSobreLaCelda(const char* cuando) {
    QLineEdit& box = child<QLineEdit>(*window, "TxtEdit");
    QCoreApplication::processEvents();
    ASSERT_TRUE(box.isVisible()) << cuando;
    const QRect esperada = celda(d.MSFlexGrid1.Row(), d.MSFlexGrid1.Col());
    const QRect caja = box.geometry();
    EXPECT_LE(std::abs(caja.left() - esperada.left()), 1) << cuando;
    EXPECT_LE(std::abs(caja.top() - esperada.top()), 1) << cuando;
    EXPECT_LE(std::abs(caja.right() - esperada.right()), 1) << cuando;
    EXPECT_LE(std::abs(caja.bottom() - esperada.bottom()), 1) << cuando;
    EXPECT_EQ(window->childAt(caja.center()), &box) << cuando;
    EXPECT_EQ(QApplication::focusWidget(), &box) << cuando;
  }

  qt::QtHost qtHost;
  lots::FrmCargaLotesySeries d;
  QWidget* window = nullptr;
};

TEST_F(CargaLotesySeriesQt, TheBoxOpensOnTheCellTypedOnAlsoAfterScrolling) {
  for (int i = 1; i <= 40; ++i) existencia("ART-1", QStringLiteral("L%1").arg(i, 2, 10, QChar(u'0')), "", "5");
  d.Cantidad = 3;
  d.Articulo = "ART-1";
  d.EsConsultaDeSerieLote = d.EsLote = true;
  d.Deposito = "   1";
  d.CargaDatos();
  d.MostrarForm = true;
  d.Show();
  window = qtHost.windowOf(d);
  ASSERT_TRUE(window && QTest::qWaitForWindowActive(window));
  QTableView& view = child<QTableView>(*window, "MSFlexGrid1");
  QCoreApplication::processEvents();
  ASSERT_EQ(QApplication::focusWidget(), &view);
  ui::FlexGrid& g = d.MSFlexGrid1;
  ASSERT_EQ(g.Row(), 1);
  ASSERT_EQ(g.Col(), 3);

  QTest::keyClick(&view, Qt::Key_3);
  cajaSobreLaCelda("first row");
  EXPECT_EQ(child<QLineEdit>(*window, "TxtEdit").text(), "3");
  EXPECT_EQ(g.Row(), 1) << "typing does not move the current row";
  EXPECT_EQ(view.currentIndex().row(), 0);
  QLineEdit& box = child<QLineEdit>(*window, "TxtEdit");
  QTest::keyClick(&box, Qt::Key_Backspace);
  QTest::keyClick(&box, Qt::Key_2);
  QTest::keyClick(&box, Qt::Key_Return);
  QCoreApplication::processEvents();
  EXPECT_FALSE(box.isVisible());
  EXPECT_EQ(g.TextMatrix(1, 3), "2");
  EXPECT_EQ(g.Row(), 2) << "Enter moves to the next row";
  EXPECT_EQ(QApplication::focusWidget(), &view);

  // The wheel scrolls the current row out of sight; typing brings it back
  // before the box is placed.
  QWheelEvent rueda(QPointF(20, 20), view.viewport()->mapToGlobal(QPointF(20, 20)), QPoint(), QPoint(0, -360),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(view.viewport(), &rueda);
  QCoreApplication::processEvents();
  ASSERT_GT(g.TopRow(), 2) << "the wheel reaches TopRow";
  QTest::keyClick(&view, Qt::Key_1);
  cajaSobreLaCelda("after the wheel");
  EXPECT_EQ(g.Row(), 2);
  QTest::keyClick(&box, Qt::Key_Return);
  QCoreApplication::processEvents();
  EXPECT_EQ(g.TextMatrix(2, 3), "1");

  // A cell clicked low in the scrolled view.
  QApplication::sendEvent(view.viewport(), &rueda);
  QCoreApplication::processEvents();
  const int fila = g.TopRow() + 3;
  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(view.model()->index(fila - 1, 3)).center());
  QCoreApplication::processEvents();
  ASSERT_EQ(g.Row(), fila);
  QTest::keyClick(&view, Qt::Key_0);
  cajaSobreLaCelda("a clicked cell of the scrolled view");
  QTest::keyClick(&box, Qt::Key_Return);

  QTest::keyClick(&view, Qt::Key_F2);
  QCoreApplication::processEvents();
  EXPECT_FALSE(d.Visible()) << "F2 accepts: 2 + 1 is the quantity asked";
  EXPECT_FALSE(window->isVisible());
  const QString y = QString(rt::Chr(255));
  EXPECT_TRUE(d.Lotes.startsWith("|L01" + y + "|L02" + y + "|L03" + y + "|")) << d.Lotes.toStdString();
  EXPECT_TRUE(d.Lotes.endsWith("|L40" + y + "|" + y + "|"));
  EXPECT_TRUE(d.Series.startsWith("|2|1|0|")) << d.Series.toStdString();
}

}  // namespace
