#include "platform/qt/QtHost.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QLibraryInfo>
#include <QScreen>
#include <cmath>

#include "platform/qt/Appearance.h"
#include "platform/qt/FileFilter.h"
#include "platform/qt/FlexGridView.h"
#include "platform/qt/FormWindow.h"
#include "platform/qt/ListBindings.h"
#include "platform/qt/MessageBoxes.h"
#include "platform/ui/FlexGrid.h"

namespace qt {

namespace {
// Boxes belong to the window the operator is working in.
QWidget* ownerWindow() {
  if (QWidget* modal = QApplication::activeModalWidget()) return modal;
  return QApplication::activeWindow();
}
}  // namespace

QtHost::QtHost() {
  // Qt's own dialogs (the file dialog) speak Spanish too.
  if (translator_.load(QLocale(QLocale::Spanish, QLocale::Argentina), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QCoreApplication::installTranslator(&translator_);
}

QtHost::~QtHost() {
  QCoreApplication::removeTranslator(&translator_);
  for (auto& [form, window] : windows_)
    if (window) {
      window->release();
      delete window.data();
    }
}

int QtHost::MsgBox(const QString& prompt, int buttons, const QString& title) {
  return showMessageBox(ownerWindow(), prompt, buttons, title);
}

QString QtHost::InputBox(const QString& prompt, const QString& title, const QString& defaultText) {
  return showInputBox(ownerWindow(), prompt, title, defaultText);
}

ui::FileDialogResult QtHost::ShowOpen(const ui::FileDialogRequest& request) {
  QFileDialog dialog(ownerWindow(), request.title, request.initialDir, qtFileFilter(request.filter));
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
  return {false, dialog.selectedFiles().first()};
}

void QtHost::DoEvents() {
  showGatheredChanges();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool QtHost::WaitStep(const QString& notice, const QString& button) { return wait_.step(notice, button); }

void QtHost::WaitOver() { wait_.over(); }

FormWindow* QtHost::windowFor(ui::Form& form) {
  QPointer<FormWindow>& window = windows_[&form];
  if (!window) window = new FormWindow(form);
  return window;
}

void QtHost::ShowForm(ui::Form& form, bool modal) {
  FormWindow* window = windowFor(form);
  window->present(modal);
  if (!modal) return;
  QEventLoop loop;
  QPointer<FormWindow> guard(window);
  window->setModalLoop(&loop);
  if (window->shownByModel()) loop.exec(QEventLoop::DialogExec);
  if (guard) guard->setModalLoop(nullptr);
}

void QtHost::ReleaseForm(ui::Form& form) {
  auto it = windows_.find(&form);
  if (it == windows_.end()) return;
  if (FormWindow* window = it->second) {
    window->release();
    window->deleteLater();
  }
  windows_.erase(it);
}

ui::ScreenInfo QtHost::Screen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QRect area = screen ? screen->geometry() : QRect(0, 0, 1024, 768);
  return {twipsX(area.width()), twipsY(area.height()), std::max(1, twipsX(1)), std::max(1, twipsY(1))};
}

// Whole pixels, rounded up: a column as wide as a text shows that text.
int QtHost::TextWidth(const ui::Component& component, const QString& text) {
  return twipsX(static_cast<int>(std::ceil(QFontMetricsF(qtFont(component)).horizontalAdvance(text))));
}

ui::TwipsRect QtHost::CurrentCell(const ui::FlexGrid& grid) {
  auto it = windows_.find(&grid.form());
  if (it != windows_.end() && it->second)
    if (Binding* binding = it->second->bindingOf(grid))
      if (std::optional<ui::TwipsRect> shown = shownCurrentCell(*binding)) return *shown;
  return grid.laidOutCell();
}

QWidget* QtHost::windowOf(const ui::Form& form) const {
  auto it = windows_.find(&form);
  return it == windows_.end() ? nullptr : it->second.data();
}

}  // namespace qt
