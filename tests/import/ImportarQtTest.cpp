// The real window on the desktop host (offscreen): start-up, the access
// code typed into the Qt dialog, and an import started with the mouse.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <optional>

#include "ImportRun.h"
#include "platform/qt/QtHost.h"
#include "support/QtChild.h"
#include "support/QtApplication.h"
#include "support/Printers.h"

namespace {

using testing_support::child;

class ImportarOnTheDesktop : public testing_support::ImportRun {
 protected:
  void SetUp() override {
    testing_support::TestApplication();
    ImportRun::SetUp();
    exec("INSERT INTO TA_MENU (Clave, Proceso, Nombre) VALUES ('M1', 'importar_tavernix', 'Importación Tavernix')");
    exec("INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES ('operador', 'M1')");
    qtHost.emplace();
    ui::setHost(&*qtHost);
  }
  void TearDown() override {
    ventana.Unload();
    ui::setHost(&host);
    ImportRun::TearDown();
  }
  std::optional<qt::QtHost> qtHost;  // made once the application exists
};

TEST_F(ImportarOnTheDesktop, TheWindowOpensAfterTheAccessCodeAndImports) {
  writeTxfac({testing_support::voucher("A", 3, QDate(2005, 8, 1))});
  QTimer::singleShot(0, [] {
    QWidget* dialog = QApplication::activeModalWidget();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Acceso");
    QTest::keyClicks(&child<QLineEdit>(*dialog, "txtfields"), "7148");
    child<QPushButton>(*dialog, "CmdAceptar").click();
  });
  ventana.Show();

  QWidget* window = qtHost->windowOf(ventana);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowTitle(), "Importación de Datos - OLMA - KORA NET PLUS");
  EXPECT_EQ(child<QCheckBox>(*window, "chkTabla(0)").text(), "Detalle de Facturacion (TXFAC.DBF)");

  QLineEdit& carpeta = child<QLineEdit>(*window, "TxtPathDatos");
  carpeta.clear();
  QTest::keyClicks(&carpeta, origen.path());
  QTest::mouseClick(&child<QCheckBox>(*window, "chkTabla(0)"), Qt::LeftButton);
  QTest::mouseClick(&child<QPushButton>(*window, "cmdImportar"), Qt::LeftButton);
  EXPECT_TRUE(child<QLabel>(*window, "LblDetalle").text().endsWith(" FINALIZADO "));
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM V_MV_CPTE").toLong(), 1);
  EXPECT_TRUE(child<QPushButton>(*window, "cmdImportar").isEnabled());
  EXPECT_FALSE(child<QPushButton>(*window, "CmdCancelar").isEnabled());
}

}  // namespace
