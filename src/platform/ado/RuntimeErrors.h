#pragma once
// The runtime errors the data-access objects raise themselves (3021, 3219,
// 3265, 3704 ...) and the hand-over of a provider failure: its entries
// replace the connection's Errors collection and the first one becomes the
// runtime error.
#include "platform/ado/Error.h"
#include "platform/ado/LockWaitNotice.h"
#include "platform/ado/provider/Provider.h"

namespace ado {

inline constexpr const char* kConnectionSource = "ADODB.Connection";
inline constexpr const char* kRecordsetSource = "ADODB.Recordset";
inline constexpr const char* kFieldSource = "ADODB.Field";

[[noreturn]] void raise(long number, const char* source);
[[noreturn]] void raiseFailure(const provider::Failure& failure, Errors& errors);

// A wait for another program's lock that a provider call made ends with the
// call: its notice goes.
struct LockWaitOfCall {
  LockWaitOfCall() = default;
  LockWaitOfCall(const LockWaitOfCall&) = delete;
  LockWaitOfCall& operator=(const LockWaitOfCall&) = delete;
  ~LockWaitOfCall() { LockWaitCallOver(); }
};

// Runs a provider call; its failure fills `errors` and is raised.
template <class F>
decltype(auto) Guarded(Errors& errors, F&& call) {
  const LockWaitOfCall wait;
  try {
    return call();
  } catch (const provider::Failure& failure) {
    raiseFailure(failure, errors);
  }
}

}  // namespace ado
