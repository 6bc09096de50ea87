#pragma once
// While the program waits for another program (its lock on the database),
// its windows stay painted and, after a moment, a notice tells the operator,
// with a button that ends the wait at once. Nothing else is served
// meanwhile: any other reaction might run a statement in the middle of the
// one that waits. A form may let a few of its controls, and its closing,
// end the wait too (a run's Cancelar and its window's close box) for as long
// as a WaitEnding lives: their handlers run, and then say whether the wait
// ends.
#include <QString>
#include <functional>
#include <vector>

namespace ui {

class Control;
class Form;

// A step of the wait in course: the windows are painted and, once `notice`
// is not empty, it is shown with one button captioned `button`. True when
// the operator ended the wait.
bool WaitStep(const QString& notice, const QString& button);
// The wait is over: its notice goes.
void WaitOver();
// Between the first step of a wait and its end.
bool WaitInCourse();

class WaitEnding {
 public:
  // `ended` says whether what the handlers of `controls` or the closing of
  // `form` did ends the wait; `end` does what they do when the notice's own
  // button ends it.
  WaitEnding(const Form& form, std::vector<const Control*> controls, std::function<bool()> ended,
             std::function<void()> end);
  ~WaitEnding();
  WaitEnding(const WaitEnding&) = delete;
  WaitEnding& operator=(const WaitEnding&) = delete;

  // The one in force; null when none.
  static const WaitEnding* current();
  const Form& form() const { return form_; }
  const std::vector<const Control*>& controls() const { return controls_; }

 private:
  friend bool WaitStep(const QString&, const QString&);
  const Form& form_;
  std::vector<const Control*> controls_;
  std::function<bool()> ended_;
  std::function<void()> end_;
  const WaitEnding* previous_;
};

}  // namespace ui
