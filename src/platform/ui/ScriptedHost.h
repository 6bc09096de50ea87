#pragma once
// The host of tests: every message box is recorded and answered from a
// script; a box nobody scripted is a failure of the test; actions can run at
// any yield, so a test can press "Cancelar" in the middle of a long run.
#include <QString>
#include <deque>
#include <functional>
#include <vector>

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
  // Every box that is not scripted is answered with `answer`, not a failure.
  ScriptedHost& answerAnyBoxWith(int answer);
  // The next input box returns `text` ("" plays a cancel).
  ScriptedHost& input(const QString& text);
  ScriptedHost& chooseFile(const QString& path);
  ScriptedHost& cancelFile();
  // Runs `action` at every yield.
  ScriptedHost& atEveryYield(std::function<void()> action);
  // Runs `action` once, at the n-th yield (1-based).
  ScriptedHost& atYield(int n, std::function<void()> action);

  // What happened.
  const std::vector<Box>& boxes() const { return boxes_; }
  const std::vector<QString>& inputPrompts() const { return inputPrompts_; }
  int yields() const { return yields_; }
  // Scripted answers and inputs not used.
  bool scriptExhausted() const { return answers_.empty() && inputs_.empty() && files_.empty(); }

  // Called with a description whenever something unscripted happens; tests
  // route it to their failure report. The default collects into failures().
  void setFailureHandler(std::function<void(const QString&)> handler);
  const std::vector<QString>& failures() const { return failures_; }

  int MsgBox(const QString& prompt, int buttons, const QString& title) override;
  QString InputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
  FileDialogResult ShowOpen(const FileDialogRequest& request) override;
  void DoEvents() override;

 protected:
  void fail(const QString& what);

 private:
  struct Scripted {
    int answer;
    QString promptContains;
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
  std::vector<QString> failures_;
  std::function<void(const QString&)> onFailure_;
};

}  // namespace ui
