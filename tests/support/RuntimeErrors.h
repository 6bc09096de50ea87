#pragma once
// The runtime error number an action raises; 0 when it raises none.
#include <functional>

#include "platform/runtime/Error.h"

namespace testing_support {

inline long errorNumberOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const rt::Error& e) {
    return e.Number();
  }
  return 0;
}

}  // namespace testing_support
