#pragma once
// Files and folders as an operator without privileges meets them, for tests
// that run as root: for a scope, this thread sets aside the capabilities
// that pass over permissions (CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH), so the
// permissions of files hold for it; they come back at the end of the scope.
#include <QFileDevice>
#include <QString>
#include <cstdint>
#include <optional>

namespace testing_support {

class WithoutOverrides {
 public:
  WithoutOverrides();
  ~WithoutOverrides();
  WithoutOverrides(const WithoutOverrides&) = delete;
  WithoutOverrides& operator=(const WithoutOverrides&) = delete;

  // Whether this thread passes over no permission now; false where the
  // capabilities could not be set aside, and a test of it is to be skipped.
  bool holds() const;

 private:
  bool setAside_ = false;
  uint32_t effective_ = 0;
};

// A file or folder this thread cannot read: its permissions are taken away
// for the scope, and the capabilities that would pass over them set aside.
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
  std::optional<WithoutOverrides> withoutOverrides_;
};

}  // namespace testing_support
