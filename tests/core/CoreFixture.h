#pragma once
// A fresh program for each test of the core: state reset, a scripted host
// failing on unexpected boxes, a program folder of the test's own, a fixed
// clock, and the end of the program recorded instead of exiting. With a
// database: a new suite database (and, on demand, the statistics database
// beside it) and a connection of the test's own to prepare and inspect rows.
#include <QDateTime>

#include "platform/ado/Connection.h"
#include "support/HostFixture.h"
#include "support/TempFolder.h"

namespace testing_support {

class CoreFixture : public HostFixture {
 protected:
  void SetUp() override;
  void TearDown() override;

  static QDateTime now();
  QByteArray readFile(const QString& path) const;

  TempFolder folder;
  int programEnds = 0;
};

class CoreDatabase : public CoreFixture {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Opens gDB() on the suite database as `user`, as start-up leaves it.
  void connectAs(const QString& user);
  // Creates VX_ESTADISTICAS.db beside the suite database; returns its path.
  QString createStatisticsDatabase();
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
