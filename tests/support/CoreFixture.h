#pragma once
// A fresh program for each test of the core: on top of the service
// fixtures (scripted host, program folder, fixed clock, a fresh suite
// database), the core's state is reset and the end of the program is
// recorded in `programEnds` instead of exiting.
#include <QStringList>

#include "support/ServiceDatabase.h"

namespace testing_support {

template <class Base>
class FreshCore : public Base {
 protected:
  void SetUp() override;
  void TearDown() override;
  int programEnds = 0;
};

class CoreFixture : public FreshCore<ServiceFixture> {};

class CoreDatabase : public FreshCore<ServiceDatabase> {
 protected:
  // Opens gDB() as `user`, who is then the logged user, as after start-up.
  void connectAs(const QString& user);
  // Creates VX_ESTADISTICAS.db beside the suite database; returns its path.
  QString createStatisticsDatabase();
  // Rows of a query on the test's own connection, each "v1|v2|..." (Null as
  // "<null>").
  QStringList rows(const QString& sql);
};

}  // namespace testing_support
