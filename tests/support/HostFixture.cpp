#include "support/HostFixture.h"

namespace testing_support {

void HostFixture::SetUp() {
  host.setFailureHandler([](const QString& what) { ADD_FAILURE() << what.toStdString(); });
  ui::setHost(&host);
}

void HostFixture::TearDown() { ui::setHost(nullptr); }

}  // namespace testing_support
