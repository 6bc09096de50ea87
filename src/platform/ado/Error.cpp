#include "platform/ado/Error.h"

#include "platform/ado/Constants.h"
#include "platform/ado/RuntimeErrors.h"

namespace ado {

bool IsConnectionFailure(const Error& e) { return e.SQLState.startsWith(u"08"); }

bool IsDatabaseFailure(const Error& e) {
  constexpr long kReadOnly = 3906, kFilegroupFull = 1105, kLogFull = 9002;
  return IsConnectionFailure(e) || e.SQLState == u"HYT00" || IsWaitEnded(e) || e.NativeError == kReadOnly ||
         e.NativeError == kFilegroupFull || e.NativeError == kLogFull;
}

bool IsWaitEnded(const Error& e) { return e.SQLState == u"HY008"; }

const Error& Errors::Item(int index) const {
  if (index < 0 || index >= Count()) raise(errnum::ItemNotFound, "ADODB.Errors");
  return items_[static_cast<size_t>(index)];
}

}  // namespace ado
