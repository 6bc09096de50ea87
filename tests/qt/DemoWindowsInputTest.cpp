// The operator's keys and clicks on the shared modules' windows, shown
// through the Qt host over the demo database.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <functional>

#include "ArranqueDemo.h"
#include "Capture.h"
#include "core/CoreState.h"
#include "lookup/FrmConsComprobantes.h"
#include "support/Printers.h"
#include "support/QtChild.h"
#include "support/QtKeys.h"
#include "support/QtProgram.h"

namespace {

using testing_support::child;
using testing_support::pressAsX;

class DemoWindowsInputTest : public testing_support::QtProgram {
 protected:
  void SetUp() override {
    QtProgram::SetUp();
    ASSERT_TRUE(ArrancaDemo(demo.path()));
  }

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
    pressAsX(list, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
    afterDelete = search.currentText();
    list.setFocus();
    pressAsX(list, Qt::Key_L, Qt::NoModifier, QStringLiteral("L"));
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

// Clicking the number box, however the pointer moves while the button is
// down, or tabbing to the name box, selects its prompt, as its GotFocus
// does, so that typing replaces it. A click inside the box once it has the
// focus puts the caret where it was, and a double click selects the word
// under the pointer.
TEST_F(DemoWindowsInputTest, TypingIntoTheVoucherSearchsBoxesReplacesThePrompt) {
  const QString prompt = QStringLiteral("Buscar por Numero...");
  const std::function<void(QLineEdit&)> clicks[] = {
      [](QLineEdit& box) { QTest::mouseClick(&box, Qt::LeftButton, {}, box.rect().center()); },
      [](QLineEdit& box) {  // the pointer moves 2 pixels while the button is down
        const QPoint at = box.rect().center();
        QTest::mousePress(&box, Qt::LeftButton, {}, at);
        QTest::mouseMove(&box, at + QPoint(2, 0));
        QTest::mouseRelease(&box, Qt::LeftButton, {}, at + QPoint(2, 0));
      },
  };
  lookup::FrmConsComprobantes ventana;
  ventana.TC = QStringLiteral("FC");
  QStringList selected, shown, kept;  // kept: what the form model holds
  QString nombreShown, numeroWord;
  const bool captured = CaptureFor([&](const QString&, QWidget& window) {
    auto& numero = child<QLineEdit>(window, "TxtNumero");
    auto& nombre = child<QLineEdit>(window, "TxtNombre");
    for (const auto& click : clicks) {
      nombre.setFocus(Qt::TabFocusReason);
      ventana.TxtNumero.Text = prompt;
      click(numero);
      selected << numero.selectedText();
      QTest::keyClicks(&numero, "104");
      shown << numero.text();
      kept << ventana.TxtNumero.Text();
    }
    // The box has the focus: a click at its left edge puts the caret first.
    QTest::mouseClick(&numero, Qt::LeftButton, {}, QPoint(2, numero.height() / 2));
    QTest::keyClicks(&numero, "9");
    shown << numero.text();
    kept << ventana.TxtNumero.Text();
    nombre.setFocus(Qt::TabFocusReason);
    QTest::keyClicks(&nombre, "Sur");
    nombreShown = nombre.text();
    // A double click as the desktop delivers it: press, release, press,
    // double click, release.
    ventana.TxtNumero.Text = prompt;
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, numero.mapTo(&window, QPoint(4, numero.height() / 2)));
    numeroWord = numero.selectedText();
    return true;
  })(QStringLiteral("FrmConsComprobantes"), [&] { ventana.Show(ui::vbModal); });
  ASSERT_TRUE(captured);
  EXPECT_EQ(selected, QStringList({prompt, prompt}));
  EXPECT_EQ(shown, QStringList({"104", "104", "9104"}));
  EXPECT_EQ(kept, shown);
  EXPECT_EQ(numeroWord, "Buscar");
  EXPECT_EQ(ventana.TxtNombre.Text(), "Sur");
  EXPECT_EQ(nombreShown, "Sur");
}

}  // namespace
