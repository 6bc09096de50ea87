// The list lookup on the desktop host (offscreen): ConsultaSearch opens the
// real window and the operator picks a row with the keyboard alone.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <optional>

#include "LookupFixture.h"
#include "core/CoreState.h"
#include "platform/qt/QtHost.h"
#include "support/QtChild.h"
#include "support/Printers.h"
#include "support/QtApplication.h"

namespace {

using testing_support::child;

class ListaEnPantalla : public lookup_tests::LookupDatabase {
 protected:
  void SetUp() override {
    testing_support::TestApplication();
    LookupDatabase::SetUp();
    articulo("GAS001", "Coca-Cola 500 ml", 24, 60);
    articulo("GAS002", "Sprite 500 ml", 24, 10);
    articulo("AGU001", "Agua mineral 500 ml", 48, 48);
    articulo("TOR001", "Tornillo", 0, 5);
    qtHost.emplace();
    ui::setHost(&*qtHost);
  }
  void TearDown() override {
    ui::setHost(&host);
    LookupDatabase::TearDown();
  }
  std::optional<qt::QtHost> qtHost;  // made once the application exists
};

TEST_F(ListaEnPantalla, TheOperatorPicksARowWithTheKeyboard) {
  QString titulo, buscado;
  int filas = 0;
  QTimer::singleShot(0, [&] {
    QWidget* ventana = QApplication::activeModalWidget();
    ASSERT_NE(ventana, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowActive(ventana));
    titulo = ventana->windowTitle();
    QTreeView& lista = child<QTreeView>(*ventana, "ListView1");
    filas = lista.model()->rowCount();
    lista.setFocus();
    QCoreApplication::processEvents();
    // A letter typed on the list goes to the search box, which takes the
    // focus for the next one and finds the row.
    QTest::keyClick(&lista, 'c');
    QComboBox& caja = child<QComboBox>(*ventana, "CmbSearch(0)");
    ASSERT_TRUE(caja.isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == &caja);
    QTest::keyClick(QApplication::focusWidget(), 'o');
    buscado = caja.currentText();
    // Down from the box goes to the list, Down again moves a row, Enter takes it.
    QTest::keyClick(&caja, Qt::Key_Down);
    QCoreApplication::processEvents();
    QTest::keyClick(&lista, Qt::Key_Down);
    QTest::keyClick(&lista, Qt::Key_Return);
  });
  core::gConsultas().CampoDevuelto = "IDARTICULO";
  core::gConsultas().ConsultaSearch("V_MA_ARTICULOS");
  EXPECT_EQ(titulo, "Consulta...");
  EXPECT_EQ(filas, 4);
  EXPECT_EQ(buscado, "co");
  EXPECT_EQ(core::gConsultas().ValorDevuelto, rt::Variant("GAS002")) << "Coca-Cola found, then the row below it";
}

}  // namespace
