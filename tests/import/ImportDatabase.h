#pragma once
// The import's tests start from a fresh program on a fresh suite database,
// with the service connected as an administrator who is the logged user.
#include "support/CoreFixture.h"

namespace testing_support {

class ImportDatabase : public CoreDatabase {
 protected:
  void SetUp() override;
  // Statements in SQLite's own dialect (a dropped table, a test's trigger).
  void define(const QString& sql);
};

}  // namespace testing_support
