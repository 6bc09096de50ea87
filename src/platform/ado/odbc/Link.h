#pragma once
// One connection to a data source through the driver manager, shared by a
// session and the row writers of its recordsets: a writer that outlives its
// session finds the link closed instead of a freed handle.
#include <sql.h>

#include <QString>
#include <memory>

namespace ado::odbc {

class Statement;

enum class Dbms { SqlServer, Oracle, Sqlite, Other };

class Link {
 public:
  // Connects with SQLDriverConnect; throws Failure with the driver
  // manager's and the driver's records.
  static std::shared_ptr<Link> connect(const QString& connectionString, int loginTimeoutSeconds);
  ~Link();
  Link(const Link&) = delete;
  Link& operator=(const Link&) = delete;

  void close();
  bool isOpen() const { return dbc_ != SQL_NULL_HDBC; }
  // Throws 3709 when closed.
  SQLHDBC handle() const;

  Dbms dbms() const { return dbms_; }
  bool supportsCatalogs() const { return catalogs_; }
  QString identifierQuote() const { return quote_; }

  // A new statement with the session's command time-out.
  Statement statement() const;
  int commandTimeout() const { return commandTimeout_; }
  void setCommandTimeout(int seconds) { commandTimeout_ = seconds; }

  QString info(SQLUSMALLINT item) const;

 private:
  Link() = default;
  SQLHDBC dbc_ = SQL_NULL_HDBC;
  Dbms dbms_ = Dbms::Other;
  bool catalogs_ = false;
  QString quote_;
  int commandTimeout_ = 30;  // ADO's default
};

}  // namespace ado::odbc
