#include "platform/ado/odbc/Statement.h"

#include <sqlext.h>

#include "platform/ado/odbc/Diagnostics.h"

namespace ado::odbc {

Statement::Statement(SQLHDBC dbc, int timeoutSeconds) {
  ado::odbc::check(SQLAllocHandle(SQL_HANDLE_STMT, dbc, &h_), SQL_HANDLE_DBC, dbc);
  // Drivers without time-outs only warn; the statement still runs.
  SQLSetStmtAttr(h_, SQL_ATTR_QUERY_TIMEOUT, reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(timeoutSeconds)), 0);
}

Statement::~Statement() {
  if (h_ != SQL_NULL_HSTMT) SQLFreeHandle(SQL_HANDLE_STMT, h_);
}

void Statement::check(SQLRETURN result) const { ado::odbc::check(result, SQL_HANDLE_STMT, h_); }

SQLSMALLINT Statement::resultColumns() const {
  SQLSMALLINT n = 0;
  check(SQLNumResultCols(h_, &n));
  return n;
}

SQLLEN Statement::rowCount() const {
  SQLLEN n = -1;
  if (!SQL_SUCCEEDED(SQLRowCount(h_, &n))) return -1;
  return n;
}

}  // namespace ado::odbc
