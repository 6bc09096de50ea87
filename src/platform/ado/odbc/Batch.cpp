#include "platform/ado/odbc/Batch.h"

#include <sqlext.h>

#include <algorithm>

#include "platform/ado/odbc/Diagnostics.h"
#include "platform/ado/odbc/ResultReader.h"
#include "platform/ado/odbc/Statement.h"
#include "platform/ado/odbc/Wide.h"

namespace ado::odbc {

namespace {

// After these nothing more can come from the statement: the link is gone,
// the time ran out, or the driver lost track of it.
bool endsTheBatch(const std::vector<Error>& records) {
  return std::any_of(records.begin(), records.end(), [](const Error& e) {
    return e.SQLState.startsWith(u"08") || e.SQLState.startsWith(u"IM") || e.SQLState == u"HYT00" ||
           e.SQLState == u"HYT01" || e.SQLState == u"HY008" || e.SQLState == u"HY010";
  });
}

}  // namespace

provider::ExecuteResult runBatch(const Statement& st, const QString& sql) {
  provider::ExecuteResult result;
  std::vector<Error> failures;
  long long affected = -1;
  constexpr int kMostResults = 1000000;  // a driver that never ends its results
  SQLRETURN r = SQLExecDirectW(st.handle(), wide(sql), SQL_NTS);
  for (int n = 0; n < kMostResults; ++n) {
    if (r == SQL_ERROR || r == SQL_INVALID_HANDLE) {
      std::vector<Error> records = diagnosticRecords(SQL_HANDLE_STMT, st.handle());
      const bool last = endsTheBatch(records) || r == SQL_INVALID_HANDLE;
      failures.insert(failures.end(), records.begin(), records.end());
      if (last) break;
    } else if (r == SQL_NO_DATA) {
      affected = std::max(affected, 0LL);  // a search that touched nothing
    } else if (SQL_SUCCEEDED(r)) {
      try {
        if (st.resultColumns() > 0) {
          if (!result.rows) result.rows = readResult(st);
        } else if (const SQLLEN count = st.rowCount(); count >= 0) {
          affected = std::max(affected, 0LL) + count;
        }
      } catch (provider::Failure& f) {
        const bool last = endsTheBatch(f.errors);
        failures.insert(failures.end(), f.errors.begin(), f.errors.end());
        if (last) break;
      }
    }
    r = SQLMoreResults(st.handle());
    if (r == SQL_NO_DATA) break;
  }
  if (!failures.empty()) throw failureOf(std::move(failures));
  result.recordsAffected = static_cast<long>(affected);
  return result;
}

}  // namespace ado::odbc
