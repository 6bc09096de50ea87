#pragma once
// A fresh program for each test of the numbering and stock helpers: on top
// of the core's fixtures (scripted host, program folder, fixed clock, fresh
// core state, and a fresh suite database), the numbering state is reset;
// with a database the service is connected as a user who is no
// administrator.
#include <QStringList>

#include "support/CoreFixture.h"

namespace testing_support {

template <class Base>
class FreshNumbering : public Base {
 protected:
  void SetUp() override;
  void TearDown() override;
  // The lines of the error log.
  QStringList errorLog() const;
};

class NumberingFixture : public FreshNumbering<CoreFixture> {};

class NumberingDatabase : public FreshNumbering<CoreDatabase> {
 protected:
  void SetUp() override;
};

}  // namespace testing_support
