#pragma once
// A SQLite file reached through unixODBC and the SQLite3 ODBC driver (what
// scripts/setup installs), and helpers to catch provider failures.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>

#include "platform/ado/provider/Providers.h"
#include "support/TempFolder.h"
#include "support/Printers.h"

namespace testing_support {

ado::provider::ConnectionSpec odbcSpec(const QString& text);

// The failure `action` throws; none when it succeeds.
std::optional<ado::provider::Failure> failureOf(const std::function<void()>& action);

// All rows of a cursor.
std::vector<std::vector<rt::Variant>> rowsOf(ado::provider::Cursor& cursor);

class OdbcFixture : public ::testing::Test {
 protected:
  QString connectionString() const;
  // A new session on the fixture's database file.
  std::unique_ptr<ado::provider::Session> connect() const;
  // Runs statements on the fixture's session.
  void run(std::initializer_list<const char*> statements);
  // The single value a query returns.
  rt::Variant scalar(const QString& sql);

  TempFolder folder;
  std::unique_ptr<ado::provider::Session> session = connect();
};

}  // namespace testing_support
