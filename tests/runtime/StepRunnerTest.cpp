#include <gtest/gtest.h>

#include <vector>

#include "platform/runtime/StepRunner.h"

namespace {
rt::Error failure() { return rt::Error(3704, "cerrado", "prueba"); }
}  // namespace

TEST(StepRunner, RetryRunsTheFailingStepAgain) {
  int attempts = 0, answers = 0;
  rt::StepRunner steps([&](const rt::Error& e) {
    EXPECT_EQ(e.Number(), 3704);
    ++answers;
    return rt::answer::Retry;
  });
  bool after = false;
  EXPECT_TRUE(steps.run([&] {
    if (++attempts < 2) throw failure();
  }));
  EXPECT_TRUE(steps.run([&] { after = true; }));
  EXPECT_EQ(attempts, 2);
  EXPECT_EQ(answers, 1);
  EXPECT_TRUE(after);
}

TEST(StepRunner, IgnoreSkipsExactlyTheFailingStep) {
  std::vector<int> done;
  rt::StepRunner steps([](const rt::Error&) { return rt::answer::Ignore; });
  steps.run([&] { done.push_back(1); });
  steps.run([&] {
    throw failure();
    done.push_back(2);
  });
  steps.run([&] { done.push_back(3); });
  EXPECT_EQ(done, (std::vector<int>{1, 3}));
  EXPECT_FALSE(steps.left());
}

TEST(StepRunner, AnyOtherAnswerLeavesTheRoutine) {
  std::vector<int> done;
  rt::StepRunner steps([](const rt::Error&) { return rt::answer::Abort; });
  EXPECT_TRUE(steps.run([&] { done.push_back(1); }));
  EXPECT_FALSE(steps.run([&] { throw failure(); }));
  EXPECT_FALSE(steps.run([&] { done.push_back(3); }));
  EXPECT_EQ(done, (std::vector<int>{1}));
  EXPECT_TRUE(steps.left());
  EXPECT_EQ(steps.lastAnswer(), rt::answer::Abort);
}

// Whether a step ran to its end: a step passed over is not done, though the
// routine goes on; a step run again after Retry is.
TEST(StepRunner, DoneTellsAStepRunToItsEndFromOnePassedOverOrLeft) {
  for (const int answer : {rt::answer::Retry, rt::answer::Ignore, rt::answer::Abort}) {
    SCOPED_TRACE(answer);
    int attempts = 0;
    rt::StepRunner steps([&](const rt::Error&) { return answer; });
    const bool done = steps.done([&] {
      if (++attempts < 2) throw failure();
    });
    EXPECT_EQ(done, answer == rt::answer::Retry);
    EXPECT_EQ(steps.left(), answer == rt::answer::Abort);
    EXPECT_EQ(steps.done([] {}), answer != rt::answer::Abort);
  }
}
