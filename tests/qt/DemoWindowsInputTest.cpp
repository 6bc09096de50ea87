// The operator's keys and clicks on the shared modules' windows, shown
// through the Qt host over the demo database.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <QWindow>
#include <functional>
#include <stdexcept>
#include <string>

#include "ArranqueDemo.h"
#include "Capture.h"
#include "Galeria.h"
#include "core/CoreState.h"
#include "import/Importar.h"
#include "lookup/FrmConsComprobantes.h"
#include "platform/qt/FormWindow.h"
#include "platform/ui/ComboBox.h"
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

void press(QWidget& box, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const char* text = "") {
  pressAsX(box, key, modifiers, QString::fromLatin1(text));
}

// The selections an operator makes, with the keys and the pointer as the
// desktop delivers them.
using Select = void (*)(QWidget& window, QWidget& box, QLineEdit& edit);

void endThenShiftHome(QWidget&, QWidget& box, QLineEdit&) {
  press(box, Qt::Key_End);
  press(box, Qt::Key_Home, Qt::ShiftModifier);
}

void endThenShiftLeftTwice(QWidget&, QWidget& box, QLineEdit&) {
  press(box, Qt::Key_End);
  press(box, Qt::Key_Left, Qt::ShiftModifier);
  press(box, Qt::Key_Left, Qt::ShiftModifier);
}

void homeThenShiftEnd(QWidget&, QWidget& box, QLineEdit&) {
  press(box, Qt::Key_Home);
  press(box, Qt::Key_End, Qt::ShiftModifier);
}

void ctrlA(QWidget&, QWidget& box, QLineEdit&) { press(box, Qt::Key_A, Qt::ControlModifier, "\x01"); }

// Pressed past the text's end, moved with the button down and released at
// the box's left edge.
void dragRightToLeft(QWidget& window, QWidget&, QLineEdit& edit) {
  const QPoint from = edit.mapTo(&window, QPoint(edit.width() - 3, edit.height() / 2));
  const QPoint to = edit.mapTo(&window, QPoint(1, edit.height() / 2));
  QWindow* handle = window.windowHandle();
  QTest::mousePress(handle, Qt::LeftButton, {}, from);
  QTest::mouseMove(handle, (from + to) / 2);
  QTest::mouseMove(handle, to);
  QTest::mouseRelease(handle, Qt::LeftButton, {}, to);
}

// A selection and the key that then replaces it: `selected` is how many
// characters at the end of the text the selection takes (0: all of it),
// `backward` whether it leaves the caret at its start, `typed` what the key
// leaves in their place.
struct SelectionStep {
  const char* name;
  Select select;
  int selected;
  bool backward;
  Qt::Key key;
  const char* text;
  const char* typed;
};

const SelectionStep kSelectionSteps[] = {
    {"End, Shift+Home, 8", endThenShiftHome, 0, true, Qt::Key_8, "8", "8"},
    {"End, Shift+Left twice, 9", endThenShiftLeftTwice, 2, true, Qt::Key_9, "9", "9"},
    {"Ctrl+A, 7", ctrlA, 0, false, Qt::Key_7, "7", "7"},
    {"a drag from right to left, 6", dragRightToLeft, 0, true, Qt::Key_6, "6", "6"},
    {"Home, Shift+End, Backspace", homeThenShiftEnd, 0, false, Qt::Key_Backspace, "\b", ""},
    {"End, Shift+Left twice, Delete", endThenShiftLeftTwice, 2, true, Qt::Key_Delete, "\x7f", ""},
};

// The form model's control a widget of the window shows.
ui::Control& controlOf(QWidget& window, const QWidget& widget) {
  auto& shown = dynamic_cast<qt::FormWindow&>(window);
  for (ui::Control* c : shown.form()->controls())
    if (shown.widgetOf(*c) == &widget) return *c;
  throw std::runtime_error("no control for " + widget.objectName().toStdString());
}

// The import window as it is once started.
struct ImportarIniciado : importacion::Importar {
  void Form_Load() override {}
};

std::function<void()> galleryWindow(const QString& titulo) {
  for (galeria::Ventana& v : galeria::TodasLasVentanas())
    if (v.titulo == titulo) return v.abre;
  throw std::runtime_error("no gallery window " + titulo.toStdString());
}

// Whatever the direction the operator selected in, typing, Backspace and
// Delete replace the selection, in the box and in its form's model: a plain
// text box, the voucher search's name box that selects its prompt on
// focus, a lookup's editable search combo and the lot dialog's editor over
// its grid.
TEST_F(DemoWindowsInputTest, KeysReplaceASelectionMadeInEitherDirection) {
  const struct {
    const char* window;
    std::function<void()> open;
    const char* box;
    const char* text;
    std::function<void(QWidget& window)> reach;  // brings the box up where it is not always there
  } boxes[] = {
      {"Importar", [] { ImportarIniciado().Show(ui::vbModal); }, "txtFields(3)", "511", nullptr},
      {"Buscar facturas (FC)", galleryWindow("Buscar facturas (FC)"), "TxtNombre", "Buscar por nombre...", nullptr},
      {"Proveedores", galleryWindow("Proveedores"), "CmbSearch(0)", "Sur", nullptr},
      {"Lotes que ingresan (PideSerieLote)", galleryWindow("Lotes que ingresan (PideSerieLote)"), "TxtEdit", "L2302",
       [](QWidget& window) {
         auto& grid = child<QWidget>(window, "MSFlexGrid1");
         grid.setFocus();
         press(grid, Qt::Key_L, Qt::NoModifier, "L");
       }},
  };
  for (const auto& b : boxes) {
    const bool shown = CaptureFor([&](const QString&, QWidget& window) {
      if (b.reach) b.reach(window);
      auto& box = child<QWidget>(window, b.box);
      auto* combo = qobject_cast<QComboBox*>(&box);
      QLineEdit& edit = combo ? *combo->lineEdit() : dynamic_cast<QLineEdit&>(box);
      ui::Control& model = controlOf(window, box);
      auto* textBox = dynamic_cast<ui::TextBox*>(&model);
      const auto modelText = [&] { return textBox ? textBox->Text() : dynamic_cast<ui::ComboBox&>(model).Text(); };
      for (const SelectionStep& step : kSelectionSteps) {
        SCOPED_TRACE(std::string(b.box) + ": " + step.name);
        const QString text = QString::fromUtf8(b.text);
        if (textBox) textBox->Text = text;
        else dynamic_cast<ui::ComboBox&>(model).Text = text;
        box.setFocus(Qt::OtherFocusReason);
        step.select(window, box, edit);
        const QString selected = step.selected ? text.right(step.selected) : text;
        EXPECT_EQ(edit.selectedText(), selected);
        EXPECT_EQ(edit.cursorPosition(), step.backward ? text.size() - selected.size() : text.size())
            << "the caret stays where the operator left it";
        if (textBox) {
          EXPECT_EQ(textBox->SelText(), selected) << "the model follows the selection";
        }
        press(box, step.key, Qt::NoModifier, step.text);
        const QString expected = text.left(text.size() - selected.size()) + QString::fromLatin1(step.typed);
        EXPECT_EQ(edit.text(), expected);
        EXPECT_EQ(modelText(), expected);
      }
      return true;
    })(QString::fromUtf8(b.window), b.open);
    EXPECT_TRUE(shown) << b.window;
  }
}

}  // namespace
