#include "support/Unreadable.h"

#include <fcntl.h>
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <QFile>

namespace testing_support {

namespace {

constexpr uint32_t kOverrides = (1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH);

// This thread's capability sets; `set` writes them instead.
bool capabilities(__user_cap_data_struct (&data)[2], bool set) {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  return ::syscall(set ? SYS_capset : SYS_capget, &header, data) == 0;
}

}  // namespace

WithoutOverrides::WithoutOverrides() {
  __user_cap_data_struct data[2]{};
  if (!capabilities(data, false) || (data[0].effective & kOverrides) == 0) return;
  effective_ = data[0].effective;
  data[0].effective &= ~kOverrides;
  setAside_ = capabilities(data, true);
}

WithoutOverrides::~WithoutOverrides() {
  __user_cap_data_struct data[2]{};
  if (setAside_ && capabilities(data, false)) {
    data[0].effective = effective_;
    capabilities(data, true);
  }
}

bool WithoutOverrides::holds() const {
  __user_cap_data_struct data[2]{};
  return capabilities(data, false) && (data[0].effective & kOverrides) == 0;
}

Unreadable::Unreadable(QString path) : path_(std::move(path)), permissions_(QFile::permissions(path_)) {
  QFile::setPermissions(path_, {});
  withoutOverrides_.emplace();
}

Unreadable::~Unreadable() {
  withoutOverrides_.reset();
  QFile::setPermissions(path_, permissions_);
}

bool Unreadable::holds() const {
  const int fd = ::open(QFile::encodeName(path_).constData(), O_RDONLY);
  if (fd < 0) return true;
  ::close(fd);
  return false;
}

}  // namespace testing_support
