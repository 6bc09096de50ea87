// How long the embedded database's statements wait for another program's
// writes: each wait up to the CommandTimeout, and all of them together up to
// the connection's wait allowance, counted by the sleeps they ask for; and
// what is told of a wait meanwhile, which the operator may end.
#include <gtest/gtest.h>

#include <QScopeGuard>
#include <functional>

#include "platform/ado/Connection.h"
#include "platform/ado/LockWaitNotice.h"
#include "platform/runtime/Error.h"
#include "support/BusyWriter.h"
#include "support/SuiteDatabase.h"

using namespace testing_support;

namespace {

class LockWaits : public SuiteDatabaseTest {
 protected:
  // Tries a write while the other program holds the database; returns how
  // long it asked to wait, in milliseconds, and hands the failure to
  // `check` (by default: a time-out).
  long long waitOfAWrite(const std::function<void(const rt::Error&)>& check = nullptr) {
    const long long before = otro.waitedMicroseconds();
    try {
      cn.Execute(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE) VALUES ('K')"));
      ADD_FAILURE() << "wrote while another program held the database";
    } catch (const rt::Error& e) {
      if (check) {
        check(e);
      } else {
        EXPECT_EQ(e.Number(), ado::errnum::Timeout);
        EXPECT_EQ(cn.Errors()[0].NativeError, 1222);
      }
    }
    return (otro.waitedMicroseconds() - before) / 1000;
  }
  BusyWriter otro{path, BusyWriter::Release::Never};
};

TEST_F(LockWaits, EachWaitEndsAtTheTimeOutAndAllOfThemAtTheAllowance) {
  cn.setCommandTimeout(2);
  EXPECT_EQ(waitOfAWrite(), 2000);
  EXPECT_EQ(waitOfAWrite(), 2000);

  cn.setWaitAllowance(3000);
  EXPECT_EQ(waitOfAWrite(), 2000);
  EXPECT_EQ(waitOfAWrite(), 1000);
  EXPECT_EQ(waitOfAWrite(), 0) << "no wait left";

  cn.setWaitAllowance(std::nullopt);
  EXPECT_EQ(waitOfAWrite(), 2000);

  // A limit raised once known counts the waits made under the one before.
  cn.setWaitAllowance(500);
  EXPECT_EQ(waitOfAWrite(), 500);
  cn.setWaitAllowance(3000);
  EXPECT_EQ(waitOfAWrite(), 2000);
  EXPECT_EQ(waitOfAWrite(), 500);
  EXPECT_EQ(waitOfAWrite(), 0) << "no wait left";
}

// Each step of a wait is noticed with how long it has waited and may wait
// in all; the wait is over, once, when its call ends. A step the operator
// ends fails the statement at once as ended (not as timed out), and the
// next wait is noticed afresh.
TEST_F(LockWaits, EachStepIsNoticedAndTheOperatorMayEndTheWait) {
  std::vector<std::pair<long long, long long>> steps;
  int overs = 0;
  bool endAt2000 = false;
  ado::SetLockWaitNotice({[&](long long waited, long long limit) {
                            steps.emplace_back(waited, limit);
                            return !(endAt2000 && waited >= 2000);
                          },
                          [&] { ++overs; }});
  const auto noNotice = qScopeGuard([] { ado::SetLockWaitNotice({}); });
  cn.setCommandTimeout(5);
  cn.setWaitAllowance(3000);

  EXPECT_EQ(waitOfAWrite(), 3000);
  ASSERT_FALSE(steps.empty());
  EXPECT_EQ(steps.front(), std::make_pair(0LL, 3000LL));
  EXPECT_EQ(steps.back().second, 3000);
  EXPECT_LT(steps.back().first, 3000);
  EXPECT_EQ(overs, 1);

  steps.clear();
  endAt2000 = true;
  cn.setWaitAllowance(std::nullopt);
  const long long waited = waitOfAWrite([&](const rt::Error& e) {
    EXPECT_EQ(e.Number(), ado::errnum::E_FAIL);
    EXPECT_EQ(e.Description(), "Se dejó de esperar al otro programa que está grabando en la base de datos.");
    EXPECT_EQ(cn.Errors()[0].SQLState, "HY008");
    EXPECT_TRUE(ado::IsWaitEnded(cn.Errors()[0]));
    EXPECT_TRUE(ado::IsDatabaseFailure(cn.Errors()[0]));
  });
  ASSERT_FALSE(steps.empty());
  EXPECT_GE(steps.back().first, 2000);
  EXPECT_EQ(steps.back().second, 5000);
  EXPECT_EQ(waited, steps.back().first) << "the ended step does not sleep";
  EXPECT_EQ(overs, 2);

  endAt2000 = false;
  EXPECT_EQ(waitOfAWrite(), 5000) << "the next wait is not ended beforehand";
  EXPECT_EQ(overs, 3);
}

}  // namespace
