#include "platform/ui/Waits.h"

#include "platform/ui/Host.h"

namespace ui {

namespace {
struct WaitState {
  bool inCourse = false;
  const WaitEnding* ending = nullptr;
};
WaitState& state() {
  static WaitState s;
  return s;
}
}  // namespace

bool WaitStep(const QString& notice, const QString& button) {
  WaitState& s = state();
  s.inCourse = true;
  const bool pressed = host().WaitStep(notice, button);
  const WaitEnding* ending = s.ending;
  if (pressed && ending) ending->end_();
  return pressed || (ending && ending->ended_());
}

void WaitOver() {
  WaitState& s = state();
  if (!s.inCourse) return;
  s.inCourse = false;
  host().WaitOver();
}

bool WaitInCourse() { return state().inCourse; }

WaitEnding::WaitEnding(const Form& form, std::vector<const Control*> controls, std::function<bool()> ended,
                       std::function<void()> end)
    : form_(form),
      controls_(std::move(controls)),
      ended_(std::move(ended)),
      end_(std::move(end)),
      previous_(state().ending) {
  state().ending = this;
}

WaitEnding::~WaitEnding() { state().ending = previous_; }

const WaitEnding* WaitEnding::current() { return state().ending; }

}  // namespace ui
