#include "platform/runtime/StepRunner.h"

namespace rt {

bool StepRunner::retry(const Error& e) {
  lastAnswer_ = onError_(e);
  if (lastAnswer_ == answer::Retry) return true;
  left_ = lastAnswer_ != answer::Ignore;
  if (!left_) {
    ++ignored_;
    lastIgnored_ = e.Description();
  }
  return false;
}

}  // namespace rt
