#pragma once
// A disk with little or no room left for a suite database: while it lives,
// every connection this process opens to the file may not make it more than
// `sparePages` pages larger than it is when it opens (SQLite's
// max_page_count), so a write past them fails as on a full disk. The file is
// vacuumed first, since its free pages would give room too. Connections
// opened before keep their room; connect again after its end to have the
// room back.
#include <QString>

namespace testing_support {

class FullDisk {
 public:
  explicit FullDisk(const QString& path, int sparePages = 0);
  ~FullDisk();
  FullDisk(const FullDisk&) = delete;
  FullDisk& operator=(const FullDisk&) = delete;
};

}  // namespace testing_support
