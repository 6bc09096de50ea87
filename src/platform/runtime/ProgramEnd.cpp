#include "platform/runtime/ProgramEnd.h"

#include <cstdio>
#include <cstdlib>

namespace rt {

namespace {
std::function<void()>& handler() {
  static std::function<void()> h;
  return h;
}
}  // namespace

void EndProgram(int status) {
  if (handler()) {
    handler()();
    throw ProgramEnded{status};
  }
  std::fflush(nullptr);
  std::exit(status);
}

void SetProgramEnd(std::function<void()> h) { handler() = std::move(h); }

}  // namespace rt
