#pragma once
// The host of tests: every message box is recorded and answered from a
// script; a box nobody scripted is a failure of the test; actions can run at
// any yield, so a test can press "Cancelar" in the middle of a long run; a
// form shown modally runs the action registered for it, which plays the
// operator through ui::op (type, click, close) until the form hides.
#include <QString>
#include <deque>
#include <functional>
#include <vector>

#include "platform/ui/Form.h"
#include "platform/ui/Host.h"

namespace ui {

class ScriptedHost : public Host {
 public:
  struct Box {
    QString prompt;
    int buttons = 0;
    QString title;
    int answer = 0;
  };

  ScriptedHost();

  // The next box is answered with `answer`; when `promptContains` is given,
  // a box whose text lacks it is a failure.
  ScriptedHost& answer(int answer, const QString& promptContains = QString());
  // The same, the operator doing `meanwhile` before answering (putting in
  // place what the box says is missing).
  ScriptedHost& answer(int answer, const QString& promptContains, std::function<void()> meanwhile);
  // Every box that is not scripted is answered with `answer`, not a failure.
  ScriptedHost& answerAnyBoxWith(int answer);
  // The next input box returns `text` ("" plays a cancel).
  ScriptedHost& input(const QString& text);
  ScriptedHost& chooseFile(const QString& path);
  ScriptedHost& cancelFile();
  // Runs `action` at every yield.
  ScriptedHost& atEveryYield(std::function<void()> action);
  // Runs `action` once, at the n-th yield (1-based). Each step of a wait
  // for another program is a yield too.
  ScriptedHost& atYield(int n, std::function<void()> action);
  // Plays the operator pressing the button of the wait's notice: the wait
  // in course ends at this step.
  ScriptedHost& endWait();
  // The next modal show of the form named `formName` runs `action`, which
  // must leave the form hidden or unloaded. A modal form nobody registered is
  // a failure (and is hidden, so the caller goes on).
  ScriptedHost& onModal(const QString& formName, std::function<void(Form&)> action);
  // The same with the form's own class: onModal<frmAcceso>("frmAcceso", ...).
  template <class F, class Action>
  ScriptedHost& onModal(const QString& formName, Action action) {
    return onModal(formName, std::function<void(Form&)>([action](Form& f) { action(dynamic_cast<F&>(f)); }));
  }

  // What happened.
  const std::vector<Box>& boxes() const { return boxes_; }
  const std::vector<QString>& inputPrompts() const { return inputPrompts_; }
  int yields() const { return yields_; }
  // Names of the forms shown, modal or not, in order.
  const std::vector<QString>& shownForms() const { return shownForms_; }
  // The notices of the waits, one per wait, as first shown.
  const std::vector<QString>& waitNotices() const { return waitNotices_; }
  // Whether a wait's notice is up now.
  bool waitNoticeShown() const { return noticeUp_; }
  // Scripted answers, inputs, files and modal actions not used.
  bool scriptExhausted() const {
    return answers_.empty() && inputs_.empty() && files_.empty() && modalActions_.empty();
  }

  // Called with a description whenever something unscripted happens; tests
  // route it to their failure report. The default collects into failures().
  void setFailureHandler(std::function<void(const QString&)> handler);
  const std::vector<QString>& failures() const { return failures_; }

  int MsgBox(const QString& prompt, int buttons, const QString& title) override;
  QString InputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
  FileDialogResult ShowOpen(const FileDialogRequest& request) override;
  void DoEvents() override;
  bool WaitStep(const QString& notice, const QString& button) override;
  void WaitOver() override;
  void ShowForm(Form& form, bool modal) override;
  void ReleaseForm(Form& form) override;
  // A 1024 x 768 screen at 15 twips per pixel.
  ScreenInfo Screen() override;
  // A fixed width per character: kCharWidth twips at 8.25 points, in
  // proportion to the font size, one sixth more in bold; so a test can state
  // a width as n x TextWidth("X").
  static constexpr int kCharWidth = 120;
  int TextWidth(const Component& component, const QString& text) override;
  // From the grid's widths and heights (FlexGrid::laidOutCell).
  TwipsRect CurrentCell(const FlexGrid& grid) override;

 protected:
  void fail(const QString& what);

 private:
  struct Scripted {
    int answer;
    QString promptContains;
    std::function<void()> meanwhile;
  };
  std::deque<Scripted> answers_;
  std::deque<QString> inputs_;
  std::deque<FileDialogResult> files_;
  int anyBoxAnswer_ = 0;
  std::vector<Box> boxes_;
  std::vector<QString> inputPrompts_;
  int yields_ = 0;
  std::vector<std::function<void()>> everyYield_;
  std::vector<std::pair<int, std::function<void()>>> atYield_;
  std::deque<std::pair<QString, std::function<void(Form&)>>> modalActions_;
  std::vector<QString> shownForms_;
  std::vector<QString> waitNotices_;
  bool noticeUp_ = false;
  bool endWait_ = false;
  std::vector<QString> failures_;
  std::function<void(const QString&)> onFailure_;
};

}  // namespace ui
