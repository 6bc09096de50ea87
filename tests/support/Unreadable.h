#pragma once
// A file or folder this process cannot read, for the tests of what an
// operator meets: its permissions are taken away for the scope and, when the
// tests run as root, this thread sets aside the capabilities that pass over
// permissions (CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH). Both come back at the
// end of the scope.
#include <QFileDevice>
#include <QString>
#include <cstdint>

namespace testing_support {

class Unreadable {
 public:
  explicit Unreadable(QString path);
  ~Unreadable();
  Unreadable(const Unreadable&) = delete;
  Unreadable& operator=(const Unreadable&) = delete;

  // Whether opening it fails now; false where the capabilities could not be
  // set aside, and a test of it is to be skipped.
  bool holds() const;

 private:
  QString path_;
  QFileDevice::Permissions permissions_;
  bool setAside_ = false;
  uint32_t effective_ = 0;
};

}  // namespace testing_support
