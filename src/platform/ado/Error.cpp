#include "platform/ado/Error.h"

#include "platform/ado/Constants.h"
#include "platform/ado/RuntimeErrors.h"

namespace ado {

bool IsConnectionFailure(const Error& e) { return e.SQLState.startsWith(u"08"); }

const Error& Errors::Item(int index) const {
  if (index < 0 || index >= Count()) raise(errnum::ItemNotFound, "ADODB.Errors");
  return items_[static_cast<size_t>(index)];
}

}  // namespace ado
