#pragma once
// The end of the program at once, wherever it is asked for (a refused access,
// no database at start-up). By default the process exits; a test installs a
// handler that records the end, and EndProgram then unwinds to the test with
// ProgramEnded, which no error trap of the program catches (it is neither an
// rt::Error nor a std::exception).
#include <functional>

namespace rt {

struct ProgramEnded {};

[[noreturn]] void EndProgram();

// Called by EndProgram instead of ending the process; empty restores the
// default. When the handler returns, EndProgram throws ProgramEnded.
void SetProgramEnd(std::function<void()> handler);

}  // namespace rt
