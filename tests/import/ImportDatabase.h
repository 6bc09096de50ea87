#pragma once
// The import's tests start from a fresh program on a fresh suite database,
// with the service connected as an administrator, and read rows back
// through a connection of their own.
#include <QStringList>

#include "ServiceDatabase.h"

namespace testing_support {

class ImportDatabase : public ServiceDatabase {
 protected:
  void SetUp() override;
  // Statements in SQLite's own dialect (a dropped table, a test's trigger).
  void define(const QString& sql);
  // Rows of a query, each "v1|v2|..." (Null as "<null>").
  QStringList rows(const QString& sql);
};

}  // namespace testing_support
