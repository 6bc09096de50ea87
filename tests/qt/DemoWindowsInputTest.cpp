// The operator's keys and clicks on the shared modules' windows, shown
// through the Qt host over the demo database.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <optional>

#include "ArranqueDemo.h"
#include "Capture.h"
#include "core/CoreState.h"
#include "lookup/FrmConsComprobantes.h"
#include "platform/qt/QtHost.h"
#include "platform/runtime/Environment.h"
#include "support/QtApplication.h"
#include "support/Printers.h"
#include "support/QtChild.h"

namespace {

using testing_support::child;

// A key as X delivers it, with the text X gives it, to the widget with the focus.
void pressAsX(QWidget& widget, Qt::Key key, const QString& text) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
  QApplication::sendEvent(&widget, &press);
  QApplication::sendEvent(&widget, &release);
}

class DemoWindowsInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::TestApplication();
    ui::setHost(&host.emplace());
    ASSERT_TRUE(ArrancaDemo(demo.path()));
  }
  void TearDown() override {
    core::ResetCore();
    rt::SetProgramFolder(QString());
    ui::setHost(nullptr);
  }

  std::optional<qt::QtHost> host;
  QTemporaryDir demo;
};

// Delete on the list types nothing into the search box; a letter still
// goes there and finds its row.
TEST_F(DemoWindowsInputTest, DeleteOnAListLookupTypesNothing) {
  QString afterDelete, afterLetter, chosen;
  const bool shown = CaptureFor([&](const QString&, QWidget& window) {
    auto& list = child<QTreeView>(window, "ListView1");
    auto& search = child<QComboBox>(window, "CmbSearch(0)");
    list.setFocus();
    pressAsX(list, Qt::Key_Delete, QStringLiteral("\x7f"));
    afterDelete = search.currentText();
    list.setFocus();
    pressAsX(list, Qt::Key_L, QStringLiteral("L"));
    QCoreApplication::processEvents();
    afterLetter = search.currentText();
    chosen = list.currentIndex().data().toString();
    return true;
  })(QStringLiteral("Proveedores"), [] {
    core::gConsultas().CampoDevuelto = QStringLiteral("CODIGO");
    core::gConsultas().ConsultaSearch(QStringLiteral("VT_PROVEEDORES"));
  });
  ASSERT_TRUE(shown);
  EXPECT_EQ(afterDelete, "");
  EXPECT_EQ(afterLetter, "L");
  EXPECT_EQ(chosen, "Lácteos del Valle");
}

// Clicking the number box, or tabbing to the name box, selects its prompt,
// as its GotFocus does, so that typing replaces it.
TEST_F(DemoWindowsInputTest, TypingIntoTheVoucherSearchsBoxesReplacesThePrompt) {
  lookup::FrmConsComprobantes ventana;
  ventana.TC = QStringLiteral("FC");
  QString numeroShown, nombreShown;
  const bool shown = CaptureFor([&](const QString&, QWidget& window) {
    auto& numero = child<QLineEdit>(window, "TxtNumero");
    QTest::mouseClick(&numero, Qt::LeftButton, {}, numero.rect().center());
    QTest::keyClicks(&numero, "104");
    numeroShown = numero.text();
    auto& nombre = child<QLineEdit>(window, "TxtNombre");
    nombre.setFocus(Qt::TabFocusReason);
    QTest::keyClicks(&nombre, "Sur");
    nombreShown = nombre.text();
    return true;
  })(QStringLiteral("FrmConsComprobantes"), [&] { ventana.Show(ui::vbModal); });
  ASSERT_TRUE(shown);
  EXPECT_EQ(ventana.TxtNumero.Text(), "104");
  EXPECT_EQ(numeroShown, "104");
  EXPECT_EQ(ventana.TxtNombre.Text(), "Sur");
  EXPECT_EQ(nombreShown, "Sur");
}

}  // namespace
