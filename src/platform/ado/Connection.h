#pragma once
// A connection with ADO's behaviour; the connection string chooses the
// provider (the embedded SQLite database, ODBC, or a folder of DBF tables).
// A provider failure raises a runtime error and replaces the Errors
// collection with the provider's entries; a failing SQL statement also adds
// the closing entry 3621 "Se terminó la instrucción.".
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "platform/ado/Constants.h"
#include "platform/ado/Error.h"
#include "platform/ado/Recordset.h"

namespace ado {

struct ConnectionLink;

class Connection {
 public:
  Connection();
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // Empty `connectionString` opens with ConnectionString(). Raises 3705 when
  // already open.
  void Open(const QString& connectionString = QString(), const QString& user = QString(),
            const QString& password = QString(), long options = -1);
  void Close();
  int State() const;

  // Runs a statement or script; the recordset holds its rows (closed when the
  // statement returns none).
  Recordset Execute(const QString& sql, long* recordsAffected = nullptr, long options = -1);

  // BeginTrans returns the level it opened. Nested levels commit at the
  // outermost one and a rollback undoes them all, as on SQL Server; a
  // provider that offers one level only (ODBC) refuses a second BeginTrans.
  long BeginTrans();
  void CommitTrans();
  void RollbackTrans();
  // How many BeginTrans are open (0 while closed), including those begun by
  // BEGIN TRANSACTION statements where the provider counts them (the
  // embedded database), for callers that must not open a second one.
  long TransactionLevel() const;
  // Not of ADO: the program has a transaction in course on the connection,
  // begun by BeginTrans or by a statement (BEGIN TRANSACTION) and not yet
  // committed or rolled back by it, also when the database ended it on its
  // own after a failure.
  bool InTransaction() const;

  ado::Errors& Errors() { return errors_; }

  QString ConnectionString() const;
  void setConnectionString(const QString& s);
  int CursorLocation() const;
  void setCursorLocation(int location);
  int CommandTimeout() const;
  void setCommandTimeout(int seconds);
  // Not of ADO: how long, in milliseconds, all the connection's waits for
  // other programs' writes may take together (each still ending at
  // CommandTimeout), counted from when a limit was set after none, so a
  // limit can be raised once known; nullopt, as at the start, sets no such
  // limit. Kept as given for the next Open, whose own waits count too; an
  // opening under a limit leaves the upgrade of a database of an earlier
  // build to UpgradeDatabase. The embedded database keeps it; a server's
  // statements each wait CommandTimeout.
  void setWaitAllowance(std::optional<int> milliseconds);
  // Not of ADO: brings an embedded database of an earlier build up to the
  // program's schema when its opening did not. Why it cannot now comes back
  // (an error entry as a failed statement's first, not put in Errors) and
  // goes to the provider log, as at the opening (ProviderLog.h); nullopt
  // when it did or had nothing to do.
  std::optional<Error> UpgradeDatabase();
  long IsolationLevel() const;
  void setIsolationLevel(long level);
  QString DefaultDatabase() const;
  void setDefaultDatabase(const QString& name);

  // adSchemaTables (TABLE_NAME, TABLE_TYPE ...) and adSchemaColumns
  // (COLUMN_NAME ...), restrictions catalogue, schema, table, column.
  Recordset OpenSchema(int schema, const std::vector<rt::Variant>& restrictions = {});

  // For recordsets and tests: the provider session (null while closed).
  provider::Session* session();

 private:
  friend class Recordset;
  // What recordsets opened on this connection keep of it.
  const std::shared_ptr<ConnectionLink>& link() const;
  struct Impl;
  std::unique_ptr<Impl> d_;
  ado::Errors errors_;
};

}  // namespace ado
