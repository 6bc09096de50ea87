#pragma once
// A fresh database service for each test: program state reset, a scripted
// host failing on unexpected boxes, a program folder of the test's own and
// a fixed clock.
#include <QDateTime>

#include "data_access/DataAccessState.h"
#include "support/HostFixture.h"
#include "support/TempFolder.h"

namespace testing_support {

class ServiceFixture : public HostFixture {
 protected:
  void SetUp() override;
  void TearDown() override;

  // The time the clock gives.
  static QDateTime now();
  // The whole text of a file of the test's folder, "" when missing.
  QString readFile(const QString& path) const;

  TempFolder folder;
};

}  // namespace testing_support
