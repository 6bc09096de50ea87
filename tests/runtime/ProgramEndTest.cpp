#include <gtest/gtest.h>

#include "platform/runtime/ProgramEnd.h"
#include "platform/runtime/StepRunner.h"

TEST(ProgramEnd, UnwindsThroughEveryErrorTrap) {
  int ends = 0, trapped = 0;
  rt::SetProgramEnd([&] { ++ends; });
  rt::StepRunner steps([&](const rt::Error&) {
    ++trapped;
    return rt::answer::Ignore;
  });
  bool after = false;
  EXPECT_THROW(steps.run([&] {
    rt::EndProgram();
    after = true;
  }),
               rt::ProgramEnded);
  rt::SetProgramEnd(nullptr);
  EXPECT_EQ(ends, 1);
  EXPECT_EQ(trapped, 0);
  EXPECT_FALSE(after);
}

TEST(ProgramEnd, EndsTheProcessWithItsStatus) {
  EXPECT_EXIT(rt::EndProgram(rt::exitstatus::NoConnection), testing::ExitedWithCode(rt::exitstatus::NoConnection), "");
  EXPECT_EXIT(rt::EndProgram(), testing::ExitedWithCode(0), "");
}
