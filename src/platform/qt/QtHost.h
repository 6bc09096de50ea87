#pragma once
// The desktop host: forms as Qt windows, modal loops, message and input
// boxes with Spanish buttons, the file-open dialog. Needs a QApplication.
#include <QPointer>
#include <QTranslator>
#include <map>

#include "platform/qt/WaitNotice.h"
#include "platform/ui/Host.h"

class QWidget;

namespace qt {

class FormWindow;

class QtHost : public ui::Host {
 public:
  QtHost();
  ~QtHost() override;

  int MsgBox(const QString& prompt, int buttons, const QString& title) override;
  QString InputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
  ui::FileDialogResult ShowOpen(const ui::FileDialogRequest& request) override;
  void DoEvents() override;
  bool WaitStep(const QString& notice, const QString& button) override;
  void WaitOver() override;
  void ShowForm(ui::Form& form, bool modal) override;
  void ReleaseForm(ui::Form& form) override;
  ui::ScreenInfo Screen() override;
  int TextWidth(const ui::Component& component, const QString& text) override;
  ui::TwipsRect CurrentCell(const ui::FlexGrid& grid) override;

  // The window of a form shown through this host; null when none.
  QWidget* windowOf(const ui::Form& form) const;

 private:
  FormWindow* windowFor(ui::Form& form);

  std::map<const ui::Form*, QPointer<FormWindow>> windows_;
  QTranslator translator_;
  WaitNotice wait_{*this};
};

}  // namespace qt
