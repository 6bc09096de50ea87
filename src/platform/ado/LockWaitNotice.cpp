#include "platform/ado/LockWaitNotice.h"

namespace ado {

namespace {
struct State {
  LockWaitNotice notice;
  bool waiting = false;
  bool endedByOperator = false;
};
State& state() {
  static State s;
  return s;
}
}  // namespace

void SetLockWaitNotice(LockWaitNotice notice) { state().notice = std::move(notice); }

bool NoticeLockWait(long long waitedMs, long long limitMs) {
  State& s = state();
  s.waiting = true;
  if (s.endedByOperator) return false;
  if (s.notice.waiting && !s.notice.waiting(waitedMs, limitMs)) s.endedByOperator = true;
  return !s.endedByOperator;
}

bool LockWaitEndedByOperator() { return state().endedByOperator; }

void LockWaitCallOver() {
  State& s = state();
  if (!s.waiting) return;
  s.waiting = false;
  s.endedByOperator = false;
  if (s.notice.over) s.notice.over();
}

}  // namespace ado
