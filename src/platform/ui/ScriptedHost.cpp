#include "platform/ui/ScriptedHost.h"

#include "platform/ui/FlexGrid.h"
#include "platform/ui/MessageBox.h"

#include <algorithm>
#include <cmath>

namespace ui {

ScriptedHost::ScriptedHost() = default;

ScriptedHost& ScriptedHost::answer(int a, const QString& promptContains) {
  return answer(a, promptContains, nullptr);
}

ScriptedHost& ScriptedHost::answer(int a, const QString& promptContains, std::function<void()> meanwhile) {
  answers_.push_back({a, promptContains, std::move(meanwhile)});
  return *this;
}

ScriptedHost& ScriptedHost::answerAnyBoxWith(int a) {
  anyBoxAnswer_ = a;
  return *this;
}

ScriptedHost& ScriptedHost::input(const QString& text) {
  inputs_.push_back(text);
  return *this;
}

ScriptedHost& ScriptedHost::chooseFile(const QString& path) {
  files_.push_back({false, path});
  return *this;
}

ScriptedHost& ScriptedHost::cancelFile() {
  files_.push_back({true, QString()});
  return *this;
}

ScriptedHost& ScriptedHost::atEveryYield(std::function<void()> action) {
  everyYield_.push_back(std::move(action));
  return *this;
}

ScriptedHost& ScriptedHost::atYield(int n, std::function<void()> action) {
  atYield_.emplace_back(n, std::move(action));
  return *this;
}

ScriptedHost& ScriptedHost::endWait() {
  endWait_ = true;
  return *this;
}

ScriptedHost& ScriptedHost::onModal(const QString& formName, std::function<void(Form&)> action) {
  modalActions_.emplace_back(formName, std::move(action));
  return *this;
}

void ScriptedHost::setFailureHandler(std::function<void(const QString&)> handler) {
  onFailure_ = std::move(handler);
}

void ScriptedHost::fail(const QString& what) {
  failures_.push_back(what);
  if (onFailure_) onFailure_(what);
}

int ScriptedHost::MsgBox(const QString& prompt, int buttons, const QString& title) {
  Box box{prompt, buttons, title, 0};
  if (!answers_.empty()) {
    Scripted s = answers_.front();
    answers_.pop_front();
    if (!s.promptContains.isEmpty() && !prompt.contains(s.promptContains))
      fail(QStringLiteral("message box \"%1\" does not hold \"%2\"").arg(prompt, s.promptContains));
    box.answer = s.answer;
    if (s.meanwhile) s.meanwhile();
  } else if (anyBoxAnswer_ != 0) {
    box.answer = anyBoxAnswer_;
  } else {
    fail(QStringLiteral("unexpected message box \"%1\" titled \"%2\"").arg(prompt, title));
    box.answer = mb::leavingAnswer(buttons);  // a failing test stops rather than loops
  }
  boxes_.push_back(box);
  return box.answer;
}

QString ScriptedHost::InputBox(const QString& prompt, const QString& title, const QString&) {
  inputPrompts_.push_back(prompt);
  if (inputs_.empty()) {
    fail(QStringLiteral("unexpected input box \"%1\" titled \"%2\"").arg(prompt, title));
    return QString();
  }
  QString text = inputs_.front();
  inputs_.pop_front();
  return text;
}

FileDialogResult ScriptedHost::ShowOpen(const FileDialogRequest& request) {
  if (files_.empty()) {
    fail(QStringLiteral("unexpected file dialog \"%1\"").arg(request.title));
    return {};
  }
  FileDialogResult r = files_.front();
  files_.pop_front();
  return r;
}

void ScriptedHost::DoEvents() {
  ++yields_;
  for (auto& action : everyYield_) action();
  for (auto& [n, action] : atYield_)
    if (n == yields_ && action) std::exchange(action, nullptr)();
}

bool ScriptedHost::WaitStep(const QString& notice, const QString&) {
  if (!notice.isEmpty() && !noticeUp_) {
    noticeUp_ = true;
    waitNotices_.push_back(notice);
  }
  DoEvents();
  return std::exchange(endWait_, false);
}

void ScriptedHost::WaitOver() {
  noticeUp_ = false;
  endWait_ = false;
}

void ScriptedHost::ShowForm(Form& form, bool modal) {
  shownForms_.push_back(form.Name());
  if (!modal) return;
  auto it = std::find_if(modalActions_.begin(), modalActions_.end(), [&](const auto& a) {
    return a.first.compare(form.Name(), Qt::CaseInsensitive) == 0;
  });
  if (it == modalActions_.end()) {
    fail(QStringLiteral("unexpected modal form \"%1\"").arg(form.Name()));
    form.Hide();
    return;
  }
  auto action = std::move(it->second);
  modalActions_.erase(it);
  action(form);
  if (form.Loaded() && form.Visible()) {
    fail(QStringLiteral("modal form \"%1\" was left open").arg(form.Name()));
    form.Hide();
  }
}

void ScriptedHost::ReleaseForm(Form&) {}

ScreenInfo ScriptedHost::Screen() { return {1024 * 15, 768 * 15, 15, 15}; }

int ScriptedHost::TextWidth(const Component& component, const QString& text) {
  const double size = component.FontSize() > 0 ? component.FontSize() : 8.25;
  double perChar = kCharWidth * size / 8.25;
  if (component.FontBold()) perChar *= 7.0 / 6.0;
  return static_cast<int>(std::lround(perChar * text.size()));
}

TwipsRect ScriptedHost::CurrentCell(const FlexGrid& grid) { return grid.laidOutCell(); }

}  // namespace ui
