#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <functional>
#include <stdexcept>

#include "SampleForm.h"
#include "core/forms/Forms.h"
#include "core/forms/clsInputBox.h"
#include "platform/qt/AccessKeys.h"
#include "platform/qt/Appearance.h"
#include "platform/qt/FileFilter.h"
#include "platform/qt/QtHost.h"
#include "platform/runtime/Error.h"
#include "platform/suite/Library.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Operator.h"
#include "platform/ui/Waits.h"
#include "support/Printers.h"
#include "support/QtApplication.h"
#include "support/QtChild.h"
#include "support/QtKeys.h"

namespace {

// Runs `act` on the modal window once the event loop shows it.
void whenModal(std::function<void(QWidget&)> act) {
  QTimer::singleShot(0, [act] {
    QWidget* modal = QApplication::activeModalWidget();
    ASSERT_NE(modal, nullptr) << "no modal window";
    act(*modal);
  });
}

using testing_support::child;

QPushButton& buttonLabelled(QWidget& box, const QString& text) {
  for (QPushButton* b : box.findChildren<QPushButton*>())
    if (b->text() == text) return *b;
  throw std::runtime_error("no button " + text.toStdString());
}

}  // namespace

class QtHostTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing_support::TestApplication();
    ui::setHost(&host);
  }
  void TearDown() override {
    core::ResetForms();
    suite::ResetLibrary();
    ui::setHost(nullptr);
  }
  // Shows the sample form and waits until it is the active window.
  QWidget& showSample() {
    form.Show();
    QWidget* window = host.windowOf(form);
    EXPECT_NE(window, nullptr);
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    return *window;
  }

  qt::QtHost host;
  SampleForm form;
};

TEST_F(QtHostTest, RendersAFormModelAtItsTwipsGeometry) {
  form.txtFields(2).Text = "511";
  QWidget& window = showSample();
  EXPECT_EQ(window.windowTitle(), "Muestra");
  EXPECT_EQ(window.size(), QSize(qt::pixelsX(form.ScaleWidth()), qt::pixelsY(form.ScaleHeight())));
  auto& name = child<QLineEdit>(window, "txtNombre");
  EXPECT_EQ(name.geometry(), QRect(qt::pixelsX(120), qt::pixelsY(300), qt::pixelsX(2000), qt::pixelsY(315)));
  EXPECT_EQ(name.parentWidget(), &child<QGroupBox>(window, "marco")) << "inside its frame";
  EXPECT_EQ(child<QGroupBox>(window, "marco").title(), "Datos");
  EXPECT_EQ(child<QLabel>(window, "lblNombre").buddy(), &name);
  EXPECT_EQ(child<QLineEdit>(window, "txtFields(2)").text(), "511");
  EXPECT_EQ(child<QComboBox>(window, "cboLista").count(), 2);
  EXPECT_TRUE(child<QPushButton>(window, "cmdAceptar").isDefault());
}

TEST_F(QtHostTest, TheModelAndTheWidgetsStayInStepBothWays) {
  QWidget& window = showSample();
  auto& name = child<QLineEdit>(window, "txtNombre");
  name.setFocus();
  QTest::keyClicks(&name, "ana");
  EXPECT_EQ(form.txtNombre.Text(), "ANA") << "typed keys pass through the model's KeyPress";
  EXPECT_EQ(form.ActiveControl(), &form.txtNombre);

  form.txtNombre.Text = "otro";
  form.txtCodigo.Enabled = false;
  form.chkActivo.Value = 1;
  form.Caption = "Cambiada";
  EXPECT_EQ(name.text(), "otro");
  EXPECT_FALSE(child<QLineEdit>(window, "txtCodigo").isEnabled());
  EXPECT_TRUE(child<QCheckBox>(window, "chkActivo").isChecked());
  EXPECT_EQ(window.windowTitle(), "Cambiada");

  child<QPushButton>(window, "cmdCancelar").click();
  child<QCheckBox>(window, "chkActivo").click();
  EXPECT_TRUE(form.log.contains("cmdCancelar_Click"));
  EXPECT_EQ(form.chkActivo.Value(), 0);
  name.setFocus();
  QTest::keyClick(&name, Qt::Key_Return);
  EXPECT_EQ(form.log.count("cmdAceptar_Click"), 1) << "Enter presses the default button";
}

// The model follows a selection the operator made backwards without
// turning it round, and a selection the program sets afterwards is the
// one shown and replaced by typing.
TEST_F(QtHostTest, TheOperatorsSelectionAndTheProgramsAreBothShown) {
  form.txtNombre.Text = "ABCD";
  QWidget& window = showSample();
  auto& name = child<QLineEdit>(window, "txtNombre");
  name.setFocus();
  testing_support::pressAsX(name, Qt::Key_End, Qt::NoModifier, QString());
  testing_support::pressAsX(name, Qt::Key_Left, Qt::ShiftModifier, QString());
  testing_support::pressAsX(name, Qt::Key_Left, Qt::ShiftModifier, QString());
  EXPECT_EQ(form.txtNombre.SelStart(), 2);
  EXPECT_EQ(form.txtNombre.SelLength(), 2);
  EXPECT_EQ(name.cursorPosition(), 2) << "the caret stays at the selection's start";

  form.txtNombre.SelStart = 0;
  form.txtNombre.SelLength = 1;
  EXPECT_EQ(name.selectedText(), "A");
  testing_support::pressAsX(name, Qt::Key_X, Qt::NoModifier, QStringLiteral("x"));
  EXPECT_EQ(form.txtNombre.Text(), "XBCD");
  EXPECT_EQ(name.text(), "XBCD");
}

// A choice the model refused (the box losing the focus kept it in
// Validate) leaves the widgets showing the model.
TEST_F(QtHostTest, ARefusedChoiceLeavesTheWidgetShowingTheModel) {
  QWidget& window = showSample();
  form.cboLista.ListIndex = 0;
  ui::op::focus(form.txtNombre);
  form.refuseName = true;
  auto& combo = child<QComboBox>(window, "cboLista");
  auto& check = child<QCheckBox>(window, "chkActivo");
  combo.setCurrentIndex(1);
  emit combo.activated(1);
  check.click();
  EXPECT_EQ(form.ActiveControl(), &form.txtNombre);
  EXPECT_EQ(form.cboLista.ListIndex(), 0);
  EXPECT_EQ(combo.currentIndex(), 0);
  EXPECT_EQ(form.chkActivo.Value(), 0);
  EXPECT_FALSE(check.isChecked());
}

// During a wait for another program the windows are painted and the notice
// comes up, but no click, key or close reaches the forms, and the notice's
// button ends the wait. A WaitEnding lets its
// controls end it too (a run's Cancelar), and its form's close box. After
// the wait the window answers again.
TEST_F(QtHostTest, DuringAWaitOnlyTheNoticeAndWhatEndsTheWaitAnswer) {
  form.cmdAceptar.Move(120, 2400, 1200, 375);
  form.cmdCancelar.Move(1440, 2400, 1200, 375);
  QWidget& window = showSample();
  auto& aceptar = child<QPushButton>(window, "cmdAceptar");
  auto& cancelar = child<QPushButton>(window, "cmdCancelar");
  auto& name = child<QLineEdit>(window, "txtNombre");
  cancelar.setFocus();  // as a run puts it on its Cancelar
  ASSERT_TRUE(cancelar.hasFocus());
  form.log.clear();
  const QString aviso = QStringLiteral("Otro programa está grabando en la base de datos.");
  // The notice's button, once it is up.
  const auto dejarDeEsperar = [&]() -> QPushButton* {
    for (QWidget* top : QApplication::topLevelWidgets())
      for (QPushButton* b : top->findChildren<QPushButton*>())
        if (b->text() == "Dejar de esperar" && b->isVisible()) return b;
    return nullptr;
  };

  EXPECT_FALSE(ui::WaitStep(QString(), "Dejar de esperar"));
  EXPECT_EQ(dejarDeEsperar(), nullptr);
  EXPECT_FALSE(ui::WaitStep(aviso, "Dejar de esperar"));
  QPointer<QPushButton> dejar = dejarDeEsperar();
  ASSERT_NE(dejar, nullptr);
  QTest::mouseClick(&aceptar, Qt::LeftButton);
  QTest::mouseClick(&cancelar, Qt::LeftButton);
  QTest::keyClicks(&name, "ana");
  window.close();
  EXPECT_FALSE(ui::WaitStep(aviso, "Dejar de esperar"));
  EXPECT_TRUE(form.log.isEmpty()) << form.log.join(", ").toStdString();
  EXPECT_EQ(form.txtNombre.Text(), "");
  EXPECT_TRUE(window.isVisible());
  QTest::mouseClick(dejar, Qt::LeftButton);
  EXPECT_TRUE(ui::WaitStep(aviso, "Dejar de esperar"));
  ui::WaitOver();
  EXPECT_TRUE(dejar.isNull());

  bool endedByTheNotice = false;
  {
    const ui::WaitEnding ending(
        form, {&form.cmdCancelar}, [&] { return form.log.contains("cmdCancelar_Click"); },
        [&] { endedByTheNotice = true; });
    EXPECT_FALSE(ui::WaitStep(aviso, "Dejar de esperar"));
    QTest::mouseClick(dejarDeEsperar(), Qt::LeftButton);
    EXPECT_TRUE(ui::WaitStep(aviso, "Dejar de esperar"));
    EXPECT_TRUE(endedByTheNotice);
    ui::WaitOver();

    EXPECT_FALSE(ui::WaitStep(QString(), "Dejar de esperar"));
    QTest::mouseClick(&aceptar, Qt::LeftButton);
    QTest::mouseClick(&cancelar, Qt::LeftButton);
    EXPECT_TRUE(ui::WaitStep(QString(), "Dejar de esperar")) << "Cancelar ends it too";
    form.refuseUnload = true;
    window.close();
    ui::WaitOver();
  }
  EXPECT_EQ(form.log, QStringList({"cmdCancelar_Click", "Form_QueryUnload 0"}));
  QTest::mouseClick(&aceptar, Qt::LeftButton);
  EXPECT_TRUE(form.log.contains("cmdAceptar_Click"));
}

TEST_F(QtHostTest, AModalFormRunsInItsOwnLoopUntilItHides) {
  core::clsInputBox box;
  box.setTitulo("Acceso");
  box.setTextoDetalle("Clave");
  box.setPassWordChar("*");
  QString shownTitle;
  QLineEdit::EchoMode echo = QLineEdit::Normal;
  whenModal([&](QWidget& window) {
    shownTitle = window.windowTitle();
    auto& field = child<QLineEdit>(window, "txtfields");
    echo = field.echoMode();
    field.setFocus();
    QTest::keyClicks(&field, "7148");
    child<QPushButton>(window, "CmdAceptar").click();
  });
  EXPECT_EQ(box.Abrir(), "7148");
  EXPECT_EQ(shownTitle, "Acceso");
  EXPECT_EQ(echo, QLineEdit::Password);
}

TEST_F(QtHostTest, TheCloseBoxOfTheLoginDialogCancels) {
  core::frmAcceso& acceso = core::gfrmAcceso();
  acceso.Aceptar = true;  // an earlier accept
  whenModal([](QWidget& window) { window.close(); });
  acceso.Show(ui::vbModal);
  EXPECT_FALSE(acceso.Aceptar);
  EXPECT_TRUE(acceso.Loaded());
  EXPECT_FALSE(host.windowOf(acceso)->isVisible());
}

// The status window comes up beside the caller's work without holding it,
// shows the texts it is given and goes with Cierra.
TEST_F(QtHostTest, TheStatusWindowIsNotModalAndGoesWithCierra) {
  suite::Cartel& cartel = suite::gCartel();
  cartel.Muestra("Generando comprobantes", 0);
  cartel.Actualiza(0, "Facturas", "Comprobante 12", "12 de 40");
  QPointer<QWidget> window = host.windowOf(*cartel.ventana());
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(window->windowModality(), Qt::NonModal);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(window->windowTitle(), "Facturas");
  EXPECT_EQ(child<QLabel>(*window, "lblTexto").text(), "Comprobante 12");
  EXPECT_EQ(child<QLabel>(*window, "lblProgreso").text(), "12 de 40");
  cartel.Cierra();
  EXPECT_TRUE(!window || !window->isVisible());
}

// As on the desktop the program ends when its last window goes: a window
// unloaded from its close box or from code closes; one whose unload was
// refused stays.
TEST_F(QtHostTest, UnloadingTheLastWindowEndsTheProgram) {
  struct Case {
    const char* how;
    bool refuse;
    bool ends;
  } const cases[] = {{"close box", false, true}, {"close box", true, false}, {"Unload", false, true}};
  for (const Case& c : cases) {
    SampleForm window;
    window.refuseUnload = c.refuse;
    window.Show();
    bool lastClosed = false;
    const auto connection =
        QObject::connect(qApp, &QGuiApplication::lastWindowClosed, [&] { lastClosed = true; });
    QTimer::singleShot(0, [&] {
      if (QString(c.how) == "Unload") window.Unload();
      else host.windowOf(window)->close();
      QCoreApplication::exit();  // the test's own end of the loop
    });
    QApplication::exec();
    QObject::disconnect(connection);
    EXPECT_EQ(lastClosed, c.ends) << c.how << " refused " << c.refuse;
    EXPECT_EQ(window.Loaded(), c.refuse);
  }
}

TEST_F(QtHostTest, MessageBoxesHaveSpanishButtonsTheIconAndTheDefault) {
  struct Case {
    int buttons;
    QStringList texts;
    QString press;
    int answer;
  };
  const Case cases[] = {
      {ui::mb::OkOnly | ui::mb::Information, {"Aceptar"}, "Aceptar", ui::mb::Ok},
      {ui::mb::OkCancel | ui::mb::Exclamation, {"Aceptar", "Cancelar"}, "Cancelar", ui::mb::Cancel},
      {ui::mb::AbortRetryIgnore | ui::mb::Critical | ui::mb::DefaultButton2, {"Anular", "Reintentar", "Omitir"},
       "Reintentar", ui::mb::Retry},
      {ui::mb::YesNoCancel | ui::mb::Question, {"Sí", "No", "Cancelar"}, "No", ui::mb::No},
      {ui::mb::YesNo | ui::mb::Question | ui::mb::DefaultButton2, {"Sí", "No"}, "Sí", ui::mb::Yes},
      {ui::mb::RetryCancel, {"Reintentar", "Cancelar"}, "Reintentar", ui::mb::Retry},
  };
  const std::map<int, QMessageBox::Icon> icons = {{ui::mb::Information, QMessageBox::Information},
                                                  {ui::mb::Exclamation, QMessageBox::Warning},
                                                  {ui::mb::Critical, QMessageBox::Critical},
                                                  {ui::mb::Question, QMessageBox::Question},
                                                  {0, QMessageBox::NoIcon}};
  for (const Case& c : cases) {
    QStringList texts;
    QString defaultText, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    whenModal([&](QWidget& w) {
      auto& box = dynamic_cast<QMessageBox&>(w);
      for (QAbstractButton* b : box.buttons()) texts << b->text();
      defaultText = box.defaultButton()->text();
      icon = box.icon();
      title = box.windowTitle();
      buttonLabelled(box, c.press).click();
    });
    EXPECT_EQ(host.MsgBox("¿Continuar?", c.buttons, "Aviso al Operador"), c.answer) << c.press.toStdString();
    texts.sort();
    QStringList expected = c.texts;
    expected.sort();
    EXPECT_EQ(texts, expected);
    EXPECT_EQ(defaultText, c.texts[ui::mb::defaultButton(c.buttons)]);
    EXPECT_EQ(icon, icons.at(ui::mb::icon(c.buttons)));
    EXPECT_EQ(title, "Aviso al Operador");
  }
}

// A short prompt under a long title: the box is wide enough for a window
// manager to show the whole title beside its buttons (bold, as title bars
// draw it), the input box too.
TEST_F(QtHostTest, ABoxIsAsWideAsItsTitle) {
  const QString title = QStringLiteral("Importación de Datos - OLMA - KORA NET PLUS");
  int boxWidth = 0, inputWidth = 0, titleWidth = 0;
  whenModal([&](QWidget& w) {
    QFont bold = w.font();
    bold.setBold(true);
    titleWidth = QFontMetrics(bold).horizontalAdvance(title);
    boxWidth = w.width();
    dynamic_cast<QMessageBox&>(w).buttons().first()->click();
  });
  host.MsgBox("Listo", ui::mb::OkOnly, title);
  whenModal([&](QWidget& w) {
    inputWidth = w.width();
    w.close();
  });
  host.InputBox("Clave", title, QString());
  EXPECT_GT(boxWidth, titleWidth + 100);
  EXPECT_GT(inputWidth, titleWidth + 100);
}

// Escape and the close box answer Cancel, or OK on a lone OK; a box without
// either waits for a real choice.
TEST_F(QtHostTest, EscapeAnswersOnlyWhereTheBoxHasAWayOut) {
  const struct {
    int buttons;
    int onEscape;  // 0: the box stays open
  } cases[] = {{ui::mb::OkOnly, ui::mb::Ok},         {ui::mb::OkCancel, ui::mb::Cancel},
               {ui::mb::AbortRetryIgnore, 0},          {ui::mb::YesNoCancel, ui::mb::Cancel},
               {ui::mb::YesNo, 0},                     {ui::mb::RetryCancel, ui::mb::Cancel}};
  for (const auto& c : cases) {
    bool stayed = false;
    whenModal([&](QWidget& w) {
      QTest::keyClick(&w, Qt::Key_Escape);
      w.close();
      stayed = QApplication::activeModalWidget() == &w;
      if (stayed) dynamic_cast<QMessageBox&>(w).buttons().last()->click();
    });
    const int answer = host.MsgBox("¿Continuar?", c.buttons, "Aviso");
    EXPECT_EQ(stayed, c.onEscape == 0) << c.buttons;
    if (c.onEscape != 0) {
      EXPECT_EQ(answer, c.onEscape) << c.buttons;
    }
  }
}

TEST_F(QtHostTest, AnErrorNoTrapCaughtIsShownAndTheWindowGoesOn) {
  form.cmdAceptar.Click = [] { rt::raise(3704); };
  form.chkActivo.Click = [] { throw std::out_of_range("vector"); };
  QWidget& window = showSample();
  QStringList shown;
  const auto answer = [&] {
    whenModal([&](QWidget& w) {
      auto& box = dynamic_cast<QMessageBox&>(w);
      shown << box.text();
      EXPECT_EQ(box.icon(), QMessageBox::Critical);
      buttonLabelled(box, "Aceptar").click();
    });
  };
  answer();
  child<QPushButton>(window, "cmdAceptar").click();
  answer();
  child<QCheckBox>(window, "chkActivo").click();
  EXPECT_EQ(shown, QStringList({"Se ha producido el error '3704' en tiempo de ejecución:\r\n\r\n" + rt::describe(3704),
                                "Se ha producido un error en tiempo de ejecución:\r\n\r\nvector"}));
  form.cmdAceptar.Click = [this] { form.log << "cmdAceptar_Click"; };
  child<QPushButton>(window, "cmdAceptar").click();
  EXPECT_EQ(form.log.last(), "cmdAceptar_Click");
}

TEST_F(QtHostTest, TheInputBoxReturnsTheTextOrNothingWhenCancelled) {
  whenModal([](QWidget& w) {
    auto& dialog = dynamic_cast<QInputDialog&>(w);
    dialog.setTextValue("3,5");
    buttonLabelled(dialog, "Aceptar").click();
  });
  EXPECT_EQ(host.InputBox("Ingrese la Cantidad del Articulo...", "Carga de Datos", "0"), "3,5");
  whenModal([](QWidget& w) { buttonLabelled(w, "Cancelar").click(); });
  EXPECT_EQ(host.InputBox("Cantidad", "Carga de Datos", "1"), "");
}

TEST_F(QtHostTest, TheGridViewShowsHeaderColoursWidthsAndTheCurrentCell) {
  ui::FlexGrid& grid = form.grilla;
  grid.setRows(4);
  grid.setCols(3);
  grid.setTextMatrix(0, 1, "Cantidad");
  grid.setTextMatrix(2, 1, "12");
  grid.setColWidth(2, 0);
  grid.setColWidth(1, 1500);
  grid.setRow(2);
  grid.setCol(1);
  grid.setCellBackColor(0x0000FF);  // red, blue-green-red
  grid.setCellFontBold(true);
  QWidget& window = showSample();
  QCoreApplication::processEvents();
  auto& view = child<QTableView>(window, "grilla");
  QAbstractItemModel& model = *view.model();
  EXPECT_EQ(model.rowCount(), 3) << "the fixed row is the header";
  EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "Cantidad");
  const QModelIndex cell = model.index(1, 1);
  EXPECT_EQ(cell.data().toString(), "12");
  EXPECT_EQ(cell.data(Qt::BackgroundRole).value<QColor>(), QColor(255, 0, 0));
  EXPECT_TRUE(cell.data(Qt::FontRole).value<QFont>().bold());
  EXPECT_TRUE(view.isColumnHidden(2));
  EXPECT_EQ(view.columnWidth(1), qt::pixelsX(1500));
  EXPECT_EQ(view.currentIndex(), cell);

  grid.setTextMatrix(3, 0, "nuevo");
  EXPECT_EQ(model.index(2, 0).data().toString(), "nuevo");
  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.visualRect(model.index(2, 1)).center());
  EXPECT_EQ(grid.Row(), 3);
  EXPECT_EQ(grid.Col(), 1);
}

// Keys reach the form as under X, which gives each key a text (Delete
// "\x7f", Ctrl+A "\x01"; the offscreen platform gives them none): KeyPress
// only for a character, Ctrl with a letter as its control character, and
// Tab to no handler.
TEST_F(QtHostTest, KeysTypeACharacterOnlyWhereTheyWouldOnTheDesktop) {
  QStringList keys;
  form.txtCodigo.KeyDown = [&](int& KeyCode, int Shift) { keys << QStringLiteral("down %1/%2").arg(KeyCode).arg(Shift); };
  form.txtCodigo.KeyPress = [&](int& KeyAscii) { keys << QStringLiteral("press %1").arg(KeyAscii); };
  form.txtCodigo.KeyUp = [&](int& KeyCode, int) { keys << QStringLiteral("up %1").arg(KeyCode); };
  form.cmdAceptar.Default = false;
  form.cmdCancelar.Cancel = false;
  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char* text;
    QStringList events;
  } cases[] = {
      {Qt::Key_A, Qt::NoModifier, "a", {"down 65/0", "press 97", "up 65"}},
      {Qt::Key_Space, Qt::NoModifier, " ", {"down 32/0", "press 32", "up 32"}},
      {Qt::Key_Return, Qt::NoModifier, "\r", {"down 13/0", "press 13", "up 13"}},
      {Qt::Key_Backspace, Qt::NoModifier, "\b", {"down 8/0", "press 8", "up 8"}},
      {Qt::Key_Return, Qt::ControlModifier, "\r", {"down 13/2", "press 10", "up 13"}},
      {Qt::Key_Backspace, Qt::ControlModifier, "\b", {"down 8/2", "press 127", "up 8"}},
      {Qt::Key_Escape, Qt::NoModifier, "\x1b", {"down 27/0", "press 27", "up 27"}},
      {Qt::Key_A, Qt::ControlModifier, "\x01", {"down 65/2", "press 1", "up 65"}},
      {Qt::Key_Z, Qt::ControlModifier, "", {"down 90/2", "press 26", "up 90"}},
      {Qt::Key_Delete, Qt::NoModifier, "\x7f", {"down 46/0", "up 46"}},
      {Qt::Key_Delete, Qt::NoModifier, "", {"down 46/0", "up 46"}},
      {Qt::Key_Left, Qt::NoModifier, "", {"down 37/0", "up 37"}},
      {Qt::Key_F5, Qt::NoModifier, "", {"down 116/0", "up 116"}},
      {Qt::Key_Home, Qt::NoModifier, "", {"down 36/0", "up 36"}},
      {Qt::Key_End, Qt::NoModifier, "", {"down 35/0", "up 35"}},
      {Qt::Key_Insert, Qt::NoModifier, "", {"down 45/0", "up 45"}},
      {Qt::Key_Tab, Qt::NoModifier, "\t", {}},
  };
  QWidget& window = showSample();
  auto& box = child<QLineEdit>(window, "txtCodigo");
  for (const auto& c : cases) {
    keys.clear();
    box.setFocus();
    testing_support::pressAsX(box, c.key, c.modifiers, QString::fromLatin1(c.text));
    EXPECT_EQ(keys, c.events) << QKeySequence(c.key | c.modifiers).toString().toStdString();
  }
  EXPECT_FALSE(form.txtCodigo.Text().contains(QChar(127))) << "Delete types nothing";
}

TEST(AccessKeys, CaptionsReadWithoutTheirMarkers) {
  EXPECT_EQ(qt::withoutAccessKey("&Aceptar"), "Aceptar");
  EXPECT_EQ(qt::withoutAccessKey("Pérez && Cía &Nuevo"), "Pérez & Cía Nuevo");
  EXPECT_EQ(qt::withoutAccessKey(""), "");
}

TEST(FileFilter, PairsBecomeQtFilters) {
  EXPECT_EQ(qt::qtFileFilter("Tablas FoxPro|*.dbf|Todos los archivos|*.*"),
            "Tablas FoxPro (*.dbf);;Todos los archivos (*.*)");
  EXPECT_EQ(qt::qtFileFilter("Datos|*.dbf;*.db; *.mdb"), "Datos (*.dbf *.db *.mdb)");
  EXPECT_EQ(qt::qtFileFilter(""), "");
}
