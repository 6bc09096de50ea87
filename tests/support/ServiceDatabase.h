#pragma once
// The service on a fresh suite database: gDB() set up as start-up sets it
// for the embedded server, and a connection of the test's own to prepare
// and inspect rows.
#include "support/ServiceFixture.h"
#include "platform/ado/Connection.h"

namespace testing_support {

class ServiceDatabase : public ServiceFixture {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Opens gDB() on the database as `user`.
  void connectAs(const QString& user);
  // Runs a statement on the test's own connection; it must succeed.
  void exec(const QString& sql);
  // The first column of the first row, Empty when there is none.
  rt::Variant scalar(const QString& sql);

  QString path;
  ado::Connection cn;
};

}  // namespace testing_support
