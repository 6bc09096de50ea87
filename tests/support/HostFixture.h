#pragma once
// Installs a scripted host for the duration of a test; anything the script
// did not foresee (a message box, an input box) fails the test.
#include <gtest/gtest.h>

#include "platform/ui/ScriptedHost.h"

namespace testing_support {

class HostFixture : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  ui::ScriptedHost host;
};

}  // namespace testing_support
