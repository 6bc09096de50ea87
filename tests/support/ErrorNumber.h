#pragma once
// The number of the runtime error a step raises; 0 when it raises none.
#include <functional>

#include "platform/runtime/Error.h"

namespace testing_support {

inline long ErrorNumberOf(const std::function<void()>& step) {
  try {
    step();
  } catch (const rt::Error& e) {
    return e.Number();
  }
  return 0;
}

}  // namespace testing_support
