#include "platform/ado/sqlite/LockWaits.h"

#include <sqlite3.h>

#include <algorithm>
#include <iterator>

#include "platform/ado/LockWaitNotice.h"

namespace ado::sqlite {

LockWaits::LockWaits(int commandTimeout, std::optional<int> allowance) {
  setCommandTimeout(commandTimeout);
  setAllowance(allowance);
}

void LockWaits::install(sqlite3* db) { sqlite3_busy_handler(db, &LockWaits::onBusy, this); }

void LockWaits::setCommandTimeout(int seconds) { timeoutMs_ = seconds > 0 ? seconds * 1000LL : 0; }

void LockWaits::setAllowance(std::optional<int> milliseconds) {
  allowanceMs_ = milliseconds ? std::optional<long long>(std::max(*milliseconds, 0)) : std::nullopt;
  if (!allowanceMs_) spentMs_ = 0;
}

long long LockWaits::limitMs() const {
  if (!allowanceMs_) return timeoutMs_;
  const long long left = waitedMs_ + *allowanceMs_ - spentMs_;
  return timeoutMs_ > 0 ? std::min(timeoutMs_, left) : left;
}

// SQLite calls it each time the lock it wants is taken, `count` counting
// from 0 within one wait; 0 gives up, and the statement fails as busy (or
// as ended, when the operator ended the wait).
int LockWaits::onBusy(void* self, int count) {
  LockWaits& waits = *static_cast<LockWaits*>(self);
  static constexpr long long kSteps[] = {1, 2, 5, 10, 15, 20, 25, 25, 25, 50, 50, 100};
  if (count == 0) waits.waitedMs_ = 0;
  long long step = kSteps[std::min<size_t>(static_cast<size_t>(count), std::size(kSteps) - 1)];
  if (waits.timeoutMs_ > 0) step = std::min(step, waits.timeoutMs_ - waits.waitedMs_);
  if (waits.allowanceMs_) step = std::min(step, *waits.allowanceMs_ - waits.spentMs_);
  if (step <= 0) return 0;
  if (!NoticeLockWait(waits.waitedMs_, waits.limitMs())) return 0;
  sqlite3_sleep(static_cast<int>(step));
  waits.waitedMs_ += step;
  if (waits.allowanceMs_) waits.spentMs_ += step;
  return 1;
}

}  // namespace ado::sqlite
