#pragma once
// A statement handle of a link, freed when it goes out of scope.
#include <sql.h>

#include <QString>

namespace ado::odbc {

class Statement {
 public:
  Statement(SQLHDBC dbc, int timeoutSeconds);
  ~Statement();
  Statement(Statement&& other) noexcept : h_(other.h_) { other.h_ = SQL_NULL_HSTMT; }
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;
  Statement& operator=(Statement&&) = delete;

  SQLHSTMT handle() const { return h_; }
  // Throws the statement's failure when `result` is an error.
  void check(SQLRETURN result) const;

  SQLSMALLINT resultColumns() const;
  // Rows touched by the last statement of the current result; -1 unknown.
  SQLLEN rowCount() const;

 private:
  SQLHSTMT h_ = SQL_NULL_HSTMT;
};

}  // namespace ado::odbc
