#include "platform/runtime/StepRunner.h"

namespace rt {

bool StepRunner::run(const std::function<void()>& step) {
  if (left_) return false;
  for (;;) {
    try {
      step();
      return true;
    } catch (const Error& e) {
      lastAnswer_ = onError_(e);
      if (lastAnswer_ == answer::Retry) continue;
      if (lastAnswer_ == answer::Ignore) return true;
      left_ = true;
      return false;
    }
  }
}

}  // namespace rt
