#include "platform/qt/MessageBoxes.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <vector>

#include "platform/runtime/Environment.h"
#include "platform/ui/MessageBox.h"

namespace qt {

namespace {
struct ButtonSpec {
  const char* text;
  int answer;
  QMessageBox::ButtonRole role;
};

std::vector<ButtonSpec> buttonsOf(int buttonSet) {
  using R = QMessageBox::ButtonRole;
  switch (buttonSet) {
    case ui::mb::OkCancel:
      return {{"Aceptar", ui::mb::Ok, R::AcceptRole}, {"Cancelar", ui::mb::Cancel, R::RejectRole}};
    case ui::mb::AbortRetryIgnore:
      return {{"Anular", ui::mb::Abort, R::RejectRole},
              {"Reintentar", ui::mb::Retry, R::AcceptRole},
              {"Omitir", ui::mb::Ignore, R::AcceptRole}};
    case ui::mb::YesNoCancel:
      return {{"Sí", ui::mb::Yes, R::YesRole}, {"No", ui::mb::No, R::NoRole}, {"Cancelar", ui::mb::Cancel, R::RejectRole}};
    case ui::mb::YesNo: return {{"Sí", ui::mb::Yes, R::YesRole}, {"No", ui::mb::No, R::NoRole}};
    case ui::mb::RetryCancel:
      return {{"Reintentar", ui::mb::Retry, R::AcceptRole}, {"Cancelar", ui::mb::Cancel, R::RejectRole}};
    default: return {{"Aceptar", ui::mb::Ok, R::AcceptRole}};
  }
}

QMessageBox::Icon iconOf(int buttons) {
  switch (ui::mb::icon(buttons)) {
    case ui::mb::Critical: return QMessageBox::Critical;
    case ui::mb::Question: return QMessageBox::Question;
    case ui::mb::Exclamation: return QMessageBox::Warning;
    case ui::mb::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

QString titleOr(const QString& title) { return title.isEmpty() ? rt::ExecutableName() : title; }

// As wide as a window manager needs to show the whole title beside its own
// buttons: a short prompt would otherwise give a box whose title is cut
// ("im... nix"). The title bar's font is the window manager's; a bold one a
// little larger than the dialog's stands for it. The dialogs' layouts set
// their minimum size, so a spacer in the layout holds the width.
void holdToTitleWidth(QDialog& dialog) {
  constexpr int kTitleBarButtons = 120;  // icon, minimise, maximise, close and the frame
  QFont font = dialog.font();
  font.setBold(true);
  const int width = QFontMetrics(font).horizontalAdvance(dialog.windowTitle()) * 115 / 100 + kTitleBarButtons;
  auto* spacer = new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed);
  if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
    grid->addItem(spacer, grid->rowCount(), 0, 1, grid->columnCount());
  else if (QLayout* layout = dialog.layout())
    layout->addItem(spacer);
  else
    delete spacer;
}

// Without an escape button Qt would take a No or an Abort button for one:
// such a box ignores Escape and its close box instead.
class ProgramBox : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;
  bool escapable = true;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (!escapable && event->matches(QKeySequence::Cancel)) return;
    QMessageBox::keyPressEvent(event);
  }
  void closeEvent(QCloseEvent* event) override {
    if (escapable) QMessageBox::closeEvent(event);
    else event->ignore();
  }
};
}  // namespace

int showMessageBox(QWidget* parent, const QString& prompt, int buttons, const QString& title) {
  ProgramBox box(iconOf(buttons), titleOr(title), prompt, QMessageBox::NoButton, parent);
  const std::vector<ButtonSpec> specs = buttonsOf(ui::mb::buttonSet(buttons));
  std::vector<std::pair<QPushButton*, int>> added;
  for (const ButtonSpec& s : specs) added.emplace_back(box.addButton(QString::fromUtf8(s.text), s.role), s.answer);
  const auto defaultAt = static_cast<std::size_t>(ui::mb::defaultButton(buttons));
  box.setDefaultButton(added[defaultAt < added.size() ? defaultAt : 0].first);
  // Escape (and the close box) answer Cancel where there is one, OK on a
  // lone OK; Abort/Retry/Ignore and Yes/No need a real choice.
  box.escapable = false;
  for (const auto& [button, answer] : added)
    if (answer == ui::mb::Cancel || (specs.size() == 1 && answer == ui::mb::Ok)) {
      box.setEscapeButton(button);
      box.escapable = true;
    }
  if (!box.escapable) box.setWindowFlag(Qt::WindowCloseButtonHint, false);
  holdToTitleWidth(box);
  box.exec();
  for (const auto& [button, answer] : added)
    if (box.clickedButton() == button) return answer;
  return ui::mb::leavingAnswer(buttons);
}

QString showInputBox(QWidget* parent, const QString& prompt, const QString& title, const QString& defaultText) {
  QInputDialog dialog(parent);
  dialog.setWindowTitle(titleOr(title));
  dialog.setLabelText(prompt);
  dialog.setTextValue(defaultText);
  dialog.setOkButtonText(QStringLiteral("Aceptar"));
  dialog.setCancelButtonText(QStringLiteral("Cancelar"));
  holdToTitleWidth(dialog);
  return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

}  // namespace qt
