#pragma once
// The error trap of the program's routines, written once: a failing step is
// handed to the routine's error dialog, whose answer decides what follows.
//   4 (Retry)  run the failing step again
//   5 (Ignore) go on with the next step
//   other      leave the routine
//
//   rt::StepRunner steps([&](const rt::Error& e) { return gDB().TratamientoErrores(e, 18, "Rutina"); });
//   if (!steps.run([&] { ... })) return;
//   if (!steps.run([&] { ... })) return;
#include <functional>

#include "platform/runtime/Error.h"

namespace rt {

namespace answer {
constexpr int Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7;
}

class StepRunner {
 public:
  using Handler = std::function<int(const Error&)>;
  explicit StepRunner(Handler onError) : onError_(std::move(onError)) {}

  // Runs one step under the trap. False once the routine is to be left; a
  // runner that was left runs nothing more.
  template <class Step>
  bool run(Step&& step) {
    while (!left_) {
      try {
        step();
        return true;
      } catch (const Error& e) {
        if (!retry(e)) return !left_;
      }
    }
    return false;
  }

  // Runs one step under the trap. True only when the step ran to its end:
  // false when it was passed over (Ignore) as when the routine is to be left.
  template <class Step>
  bool done(Step&& step) {
    bool ended = false;
    run([&] {
      step();
      ended = true;
    });
    return ended;
  }

  bool left() const { return left_; }
  // The answer of the last dialog shown, 0 when no step has failed.
  int lastAnswer() const { return lastAnswer_; }
  // How many failed steps were passed over (Ignore), and the description of
  // the last one: a routine that goes on can still account for what it
  // did not do.
  int ignored() const { return ignored_; }
  const QString& lastIgnored() const { return lastIgnored_; }

 private:
  // Asks about a failed step: true to run it again; otherwise left() tells
  // whether the routine is to be left or goes on.
  bool retry(const Error& e);

  Handler onError_;
  bool left_ = false;
  int lastAnswer_ = 0;
  int ignored_ = 0;
  QString lastIgnored_;
};

}  // namespace rt
