#pragma once
// What the program does while a connection waits for another program's lock
// on the embedded database: the windows stay painted, the operator is told
// after a moment and may end the wait at once. This layer shows nothing
// itself: the database service hands the functions that do, as it hands the
// log (ProviderLog.h); with none handed a wait only sleeps.
#include <functional>

namespace ado {

struct LockWaitNotice {
  // A step of a wait in course, which has lasted `waitedMs` so far and may
  // last `limitMs` in all (0: as long as it takes); false ends it at once.
  std::function<bool(long long waitedMs, long long limitMs)> waiting;
  // The wait is over, however it ended.
  std::function<void()> over;
};

void SetLockWaitNotice(LockWaitNotice notice);

// For the providers: a step of a wait; false when the operator ended it.
bool NoticeLockWait(long long waitedMs, long long limitMs);
// Whether the operator ended the wait of the provider call in course: its
// failure is then his decision, not a time-out.
bool LockWaitEndedByOperator();
// A provider call is over, and so is any wait it made (RuntimeErrors.h's
// Guarded, and a recordset's reads, call it after each call).
void LockWaitCallOver();

}  // namespace ado
