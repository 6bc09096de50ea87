// How long the embedded database's statements wait for another program's
// writes: each wait up to the CommandTimeout, and all of them together up to
// the connection's wait allowance, counted by the sleeps they ask for.
#include <gtest/gtest.h>

#include "platform/ado/Connection.h"
#include "platform/runtime/Error.h"
#include "support/BusyWriter.h"
#include "support/SuiteDatabase.h"

using namespace testing_support;

namespace {

class LockWaits : public SuiteDatabaseTest {
 protected:
  // Tries a write while the other program holds the database; returns how
  // long it asked to wait, in milliseconds.
  long long waitOfAWrite() {
    const long long before = otro.waitedMicroseconds();
    try {
      cn.Execute(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE) VALUES ('K')"));
      ADD_FAILURE() << "wrote while another program held the database";
    } catch (const rt::Error& e) {
      EXPECT_EQ(e.Number(), ado::errnum::Timeout);
      EXPECT_EQ(cn.Errors()[0].NativeError, 1222);
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

}  // namespace
