#pragma once
// Another program writing to a suite database: a connection of its own that
// holds a write transaction open on the file. While it lives, the waits of
// this process's connections take no time (their sleeps are skipped and
// added up, so a busy wait gives up at once after its usual steps, and a
// test reads how long the waits asked to take), and it can commit the
// moment a connection first waits for it. It may also keep readers out, as
// a program does for a moment while it folds the log into the database as
// it closes it (the file must then have no other connection when it starts).
#include <QString>

struct sqlite3;
struct sqlite3_vfs;

namespace testing_support {

class BusyWriter {
 public:
  enum class Release { Never, AtTheFirstWait };
  enum class Keeps { Writers, Everyone };
  BusyWriter(const QString& path, Release release, Keeps keeps = Keeps::Writers);
  ~BusyWriter();
  BusyWriter(const BusyWriter&) = delete;
  BusyWriter& operator=(const BusyWriter&) = delete;

  // Ends the write transaction; one that keeps everyone out closes its
  // connection, which alone lets readers in again.
  void commit();
  // Whether a connection waited for it.
  bool waitedFor() const { return waited_; }
  // How long the connections' waits asked to sleep in all while it lived.
  long long waitedMicroseconds() const { return microseconds_; }

 private:
  static int sleep(sqlite3_vfs* vfs, int microseconds);

  sqlite3* db_ = nullptr;
  Release release_;
  Keeps keeps_;
  bool waited_ = false;
  long long microseconds_ = 0;
};

}  // namespace testing_support
