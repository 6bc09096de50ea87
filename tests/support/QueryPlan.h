#pragma once
// Query plans on the embedded database: a fresh suite database opened with
// SQLite's own API, and SQLite's plan of a statement as the service and the
// embedded provider run it, to see that a lookup is served by an index.
#include <gtest/gtest.h>

#include <QString>

#include "support/TempFolder.h"

struct sqlite3;

namespace testing_support {

class QueryPlanTest : public ::testing::Test {
 protected:
  QueryPlanTest();
  ~QueryPlanTest() override;

  // One line per step of the plan; SQLite's error when it cannot prepare.
  QString planOf(const QString& tsql);
  // The statement is served by an index and scans no table.
  void expectIndexed(const QString& tsql);

  TempFolder folder;
  sqlite3* db = nullptr;
};

}  // namespace testing_support
