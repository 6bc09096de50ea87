#include "support/ServiceFixture.h"

#include <QFile>

#include "data_access/DialogoAcceso.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/Environment.h"
#include "platform/suite/Library.h"

namespace testing_support {

void ServiceFixture::SetUp() {
  HostFixture::SetUp();
  data_access::ResetDataAccess();
  data_access::EstableceDialogoAcceso(nullptr);
  suite::ResetLibrary();
  rt::SetProgramFolder(folder.path());
  rt::SetClock(now);
}

void ServiceFixture::TearDown() {
  data_access::ResetDataAccess();
  data_access::EstableceDialogoAcceso(nullptr);
  rt::SetClock(nullptr);
  rt::SetProgramFolder(QString());
  HostFixture::TearDown();
}

QDateTime ServiceFixture::now() { return rt::MakeDate(2024, 3, 15, 14, 5, 9); }

QString ServiceFixture::readFile(const QString& path) const {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

}  // namespace testing_support
