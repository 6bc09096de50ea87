#pragma once
// Driver diagnostics into Errors entries, and the runtime error number a
// failure raises. Informational records (SQLSTATE class 01: PRINT, changed
// database or language, truncation warnings) never make a call fail; when a
// call does fail they follow its errors, so the first entry is the error.
#include <sql.h>

#include <QString>
#include <vector>

#include "platform/ado/Error.h"
#include "platform/ado/provider/Provider.h"

namespace ado::odbc {

// The Source of every entry the provider reports.
inline constexpr char16_t kSource[] = u"ODBC";

// Every diagnostic record of the handle's last call, in the driver's order.
std::vector<Error> diagnosticRecords(SQLSMALLINT handleType, SQLHANDLE handle);

// The number a data-access error carries for a SQLSTATE: the one the
// embedded database gives for the same condition (integrity violations, a
// missing table, command-text errors, truncation and overflow, conversions,
// time-outs and lock conflicts), so that callers behave alike on a server.
// E_FAIL only for what concerns the connection itself: a lost link, a
// missing driver, a failed login.
long adoNumber(const QString& sqlState);

bool isInformational(const Error& record);

// The failure for the records of one failing call.
provider::Failure failureOf(std::vector<Error> records);

// A failure the provider itself detects.
provider::Failure providerFailure(long number, const QString& description, const QString& sqlState = QStringLiteral("HY000"));

// Throws the handle's failure when `result` is an error.
void check(SQLRETURN result, SQLSMALLINT handleType, SQLHANDLE handle);

}  // namespace ado::odbc
