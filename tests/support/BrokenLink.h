#pragma once
// A link to the database files that breaks, as a network share's does when
// the network drops: after breakOpenFiles(), every read, write, lock and sync
// of the files open at that moment fails with an I/O error, while files
// opened afterwards (a connection opened again) work. It stands under the
// embedded database as SQLite's default file system, passing everything
// through until it breaks; it is installed once per test program and stays.
namespace testing_support {

class BrokenLink {
 public:
  BrokenLink();
  // Files are whole again for the next test.
  ~BrokenLink();
  BrokenLink(const BrokenLink&) = delete;
  BrokenLink& operator=(const BrokenLink&) = delete;

  void breakOpenFiles();
};

}  // namespace testing_support
