#pragma once
// A disk with no room left for a suite database: while it lives, every
// connection this process opens to the file may not make it any larger
// than it is when it opens (SQLite's max_page_count), so a write that needs
// a new page fails as on a full disk. Connections opened before keep their
// room; connect again after its end to have the room back.
#include <QString>

namespace testing_support {

class FullDisk {
 public:
  explicit FullDisk(const QString& path);
  ~FullDisk();
  FullDisk(const FullDisk&) = delete;
  FullDisk& operator=(const FullDisk&) = delete;
};

}  // namespace testing_support
