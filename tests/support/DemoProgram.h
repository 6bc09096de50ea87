#pragma once
// The program started on a fresh demo database, as scripts/run starts the
// gallery: for the tests of the gallery's entries (their target links
// demo_database).
#include <gtest/gtest.h>

#include "DemoDatabase.h"
#include "core/Startup.h"
#include "support/CoreFixture.h"

namespace testing_support {

class DemoProgram : public CoreFixture {
 protected:
  void SetUp() override {
    CoreFixture::SetUp();
    QString conexion;
    core::IniciaSistema(false, demo::ParametrosDemo(demo::CreaBaseDemo(folder.file("demo"))), conexion, 3);
    ASSERT_EQ(programEnds, 0);
  }
};

}  // namespace testing_support
