#pragma once
// The program's windows shown through the Qt host, for the tests of the
// windows the tools show (their targets link the core and the Qt host):
// after each test the program's state and folder are as at the start.
#include <gtest/gtest.h>

#include <QString>
#include <optional>

#include "core/CoreState.h"
#include "platform/qt/QtHost.h"
#include "platform/runtime/Environment.h"
#include "support/QtApplication.h"

namespace testing_support {

class QtProgram : public ::testing::Test {
 protected:
  void SetUp() override {
    TestApplication();
    ui::setHost(&host.emplace());
  }
  void TearDown() override {
    core::ResetCore();
    rt::SetProgramFolder(QString());
    ui::setHost(nullptr);
  }

  std::optional<qt::QtHost> host;  // made once the application exists
};

}  // namespace testing_support
