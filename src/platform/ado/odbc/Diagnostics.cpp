#include "platform/ado/odbc/Diagnostics.h"

#include <sqlext.h>

#include <algorithm>

#include "platform/ado/Constants.h"
#include "platform/ado/odbc/Wide.h"

namespace ado::odbc {

std::vector<Error> diagnosticRecords(SQLSMALLINT handleType, SQLHANDLE handle) {
  std::vector<Error> records;
  if (handle == SQL_NULL_HANDLE) return records;
  for (SQLSMALLINT i = 1;; ++i) {
    SQLWCHAR state[6] = {};
    SQLINTEGER native = 0;
    SQLSMALLINT length = 0;
    SQLRETURN r = SQLGetDiagRecW(handleType, handle, i, state, &native, nullptr, 0, &length);
    if (!SQL_SUCCEEDED(r)) break;
    std::vector<SQLWCHAR> message(static_cast<size_t>(length) + 1);
    r = SQLGetDiagRecW(handleType, handle, i, state, &native, message.data(), static_cast<SQLSMALLINT>(message.size()),
                       &length);
    if (!SQL_SUCCEEDED(r)) break;
    Error e;
    e.SQLState = fromWideBuffer(state, 6, -1);
    e.NativeError = native;
    e.Description = fromWideBuffer(message.data(), static_cast<qsizetype>(message.size()), length);
    e.Source = QString::fromUtf16(kSource);
    e.Number = adoNumber(e.SQLState);
    records.push_back(std::move(e));
  }
  return records;
}

namespace {

// SQLSTATEs (a whole state, or a class of two characters) and the number the
// embedded database gives for the same condition, first match winning. What
// no row names (a lost link, a missing driver, a failed login) is E_FAIL.
struct StateNumber {
  const char16_t* state;
  long number;
};
constexpr StateNumber kStateNumbers[] = {
    {u"23", errnum::Integrity},          // integrity constraints: keys, foreign keys, nulls, checks
    {u"42S02", errnum::MissingTable},    // no such table or view
    {u"42", errnum::CommandText},        // syntax, unknown column, access rule
    {u"37000", errnum::CommandText},     // syntax (ODBC 2)
    {u"22001", errnum::DataOverflow},    // text too long for its column (8152)
    {u"22003", errnum::DataOverflow},    // number out of its type's range (8115)
    {u"22005", errnum::TypeConversion},  // conversions: a text that is no number or no date,
    {u"22007", errnum::TypeConversion},  // a date that does not exist (241, 242)
    {u"22008", errnum::TypeConversion},
    {u"22018", errnum::TypeConversion},
    {u"22", errnum::CommandText},        // other data errors of the statement (division by zero)
    {u"HYT00", errnum::Timeout},         // the statement's time-out
    {u"40001", errnum::Timeout},         // chosen as a deadlock victim: a lock conflict
    {u"HY000", errnum::CommandText},     // a general error of the statement
};

}  // namespace

long adoNumber(const QString& sqlState) {
  for (const StateNumber& s : kStateNumbers)
    if (sqlState.startsWith(QStringView(s.state))) return s.number;
  return errnum::E_FAIL;
}

bool isInformational(const Error& record) { return record.SQLState.startsWith(u"01") || record.SQLState == u"00000"; }

provider::Failure failureOf(std::vector<Error> records) {
  if (records.empty())
    return providerFailure(errnum::E_FAIL, QStringLiteral("El controlador ODBC informó un error sin descripción."));
  std::stable_partition(records.begin(), records.end(), [](const Error& e) { return !isInformational(e); });
  // A lost link must reach the callers' reconnection path, whatever came first.
  const bool linkLost = std::any_of(records.begin(), records.end(), IsConnectionFailure);
  const long number = linkLost ? errnum::E_FAIL : records.front().Number;
  return provider::Failure{number, std::move(records)};
}

provider::Failure providerFailure(long number, const QString& description, const QString& sqlState) {
  Error e;
  e.Number = number;
  e.Description = description;
  e.Source = QString::fromUtf16(kSource);
  e.SQLState = sqlState;
  return provider::Failure{number, {e}};
}

void check(SQLRETURN result, SQLSMALLINT handleType, SQLHANDLE handle) {
  if (result == SQL_ERROR || result == SQL_INVALID_HANDLE) throw failureOf(diagnosticRecords(handleType, handle));
}

}  // namespace ado::odbc
