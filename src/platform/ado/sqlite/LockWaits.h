#pragma once
// How a connection to an embedded database waits for another program's
// writes: in SQLite's own steps (1 ms, growing to 100 ms), each wait up to
// the connection's CommandTimeout, and all the waits together up to an
// allowance the program may set (start-up waits one TimeOut in all, however
// many writes it tries, its opening included: that allowance is set small
// before the opening and raised once the TimeOut is known). The steps sleep
// through SQLite's sleep; before each one the wait is noticed
// (LockWaitNotice.h), which keeps the windows painted and lets the operator
// end it.
#include <optional>

struct sqlite3;

namespace ado::sqlite {

class LockWaits {
 public:
  LockWaits(int commandTimeout, std::optional<int> allowance);
  // The waits of `db` go through this object from now on; it must outlive
  // the connection.
  void install(sqlite3* db);
  // Seconds one wait may take; 0 (or less) as long as it takes.
  void setCommandTimeout(int seconds);
  // Milliseconds all the waits may take together, counted from when a limit
  // was set after none: a new limit counts the waits made under the one
  // before. nullopt sets no such limit and forgets those waits.
  void setAllowance(std::optional<int> milliseconds);

 private:
  static int onBusy(void* self, int count);
  // What the wait in course may take in all, by the time-out and what is
  // left of the allowance; 0 for no limit.
  long long limitMs() const;
  long long timeoutMs_ = 0;
  std::optional<long long> allowanceMs_;
  long long spentMs_ = 0;   // under the allowance
  long long waitedMs_ = 0;  // by the wait in course
};

}  // namespace ado::sqlite
