#pragma once
// The exit status a step ends the program with (the fixtures record the end
// instead of exiting); nullopt when it does not end it.
#include <functional>
#include <optional>

#include "platform/runtime/ProgramEnd.h"

namespace testing_support {

inline std::optional<int> EndStatusOf(const std::function<void()>& step) {
  try {
    step();
  } catch (const rt::ProgramEnded& ended) {
    return ended.status;
  }
  return std::nullopt;
}

}  // namespace testing_support
