#pragma once
// The end of the program at once, wherever it is asked for (a refused access,
// no database at start-up). By default the process exits with the given
// status; a test installs a handler that records the end, and EndProgram
// then unwinds to the test with ProgramEnded, which no error trap of the
// program catches (it is neither an rt::Error nor a std::exception).
#include <functional>

namespace rt {

// The exit status of a program that ends before its work: a script that
// starts it can tell these apart from a normal end (0).
namespace exitstatus {
constexpr int StartupFailed = 1;  // start-up could not finish
constexpr int NoConnection = 2;   // no database connection
constexpr int NoAccess = 3;       // the user may not run the program
}  // namespace exitstatus

struct ProgramEnded {
  int status = 0;
};

[[noreturn]] void EndProgram(int status = 0);

// Called by EndProgram instead of ending the process; empty restores the
// default. When the handler returns, EndProgram throws ProgramEnded with the
// status.
void SetProgramEnd(std::function<void()> handler);

}  // namespace rt
