#pragma once
// A fresh program for each test of the numbering and stock helpers: state
// reset, a scripted host failing on unexpected boxes, a program folder of the
// test's own (the error log goes there) and a fixed clock. With a database:
// a new suite database, the service connected to it, and a connection of the
// test's own to prepare and inspect rows.
#include <QDateTime>
#include <QStringList>

#include "platform/ado/Connection.h"
#include "support/HostFixture.h"
#include "support/TempFolder.h"

namespace testing_support {

class NumberingFixture : public HostFixture {
 protected:
  void SetUp() override;
  void TearDown() override;

  static QDateTime now();
  // The error log's lines.
  QStringList errorLog() const;

  TempFolder folder;
};

class NumberingDatabase : public NumberingFixture {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs statements on the test's own connection; they must succeed.
  void exec(const QString& sql);
  // The first column of the first row, Empty when there is none.
  rt::Variant scalar(const QString& sql);
  // Rows of a query, each "v1|v2|..." (Null as "<null>").
  QStringList rows(const QString& sql);

  QString path;
  ado::Connection cn;
};

}  // namespace testing_support
