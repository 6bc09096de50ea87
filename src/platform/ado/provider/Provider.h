#pragma once
// What a data provider supplies to the data-access objects. The Connection
// and Recordset classes hold all of ADO's behaviour (states, BOF/EOF, the
// Errors collection, pending edits); a provider only opens sessions, runs
// statements and hands over rows.
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "platform/ado/Error.h"
#include "platform/runtime/Variant.h"

namespace ado::provider {

// A provider failure: the entries for the Errors collection and the number
// of the runtime error the operation raises (an ADO number such as
// errnum::Integrity). The first entry's description is the runtime error's.
struct Failure {
  long number;
  std::vector<Error> errors;
};

struct ColumnInfo {
  QString name;
  int type = 200;           // ADO data type code
  long definedSize = 0;     // declared width; 0 when none
  int precision = 0, scale = 0;
  bool nullable = true;
  // Where the column comes from, when an updatable recordset may write it.
  QString baseTable, baseColumn;
  bool key = false;
};

// Rows of one result, read forward.
class Cursor {
 public:
  virtual ~Cursor() = default;
  virtual const std::vector<ColumnInfo>& columns() const = 0;
  // Fills `row` (one value per column) and returns true, or false at the end.
  virtual bool next(std::vector<rt::Variant>& row) = 0;
  // The number of rows when the provider knows it without reading them all
  // (a table header); -1 otherwise.
  virtual long long knownCount() const { return -1; }
  // The bookmark of the row next() last gave, or last failed to read: where
  // the row stands in its source (a table's record number); Empty when the
  // provider has none.
  virtual rt::Variant bookmark() const { return {}; }
  // Whether next() may be called again after it failed, going on with the
  // row after the one that failed (a damaged record of a file); otherwise a
  // failure ends the rows.
  virtual bool continuesAfterFailure() const { return false; }
};

// Writes rows of an updatable recordset back to its base table.
class RowWriter {
 public:
  virtual ~RowWriter() = default;
  // Inserts a row; returns the row as stored (defaults and keys filled).
  virtual std::vector<rt::Variant> insert(const std::vector<ColumnInfo>& columns,
                                          const std::vector<rt::Variant>& values,
                                          const std::vector<bool>& assigned) = 0;
  // Updates the row that held `original`; returns the row as stored.
  virtual std::vector<rt::Variant> update(const std::vector<ColumnInfo>& columns,
                                          const std::vector<rt::Variant>& original,
                                          const std::vector<rt::Variant>& values,
                                          const std::vector<bool>& changed) = 0;
};

struct ExecuteResult {
  std::unique_ptr<Cursor> rows;  // null when the statement returns none
  long recordsAffected = -1;
};

// An open connection of a provider.
class Session {
 public:
  virtual ~Session() = default;
  // Runs a statement or script; throws Failure.
  virtual ExecuteResult execute(const QString& sql) = 0;
  // Opens a result for a recordset; `forUpdate` asks for a RowWriter.
  virtual std::unique_ptr<Cursor> open(const QString& sql) = 0;
  virtual std::unique_ptr<RowWriter> writerFor(const QString& sql, const std::vector<ColumnInfo>& columns) = 0;
  virtual std::unique_ptr<Cursor> schema(int schemaKind, const std::vector<rt::Variant>& restrictions) = 0;
  virtual void beginTransaction() = 0;
  virtual void commitTransaction() = 0;
  virtual void rollbackTransaction() = 0;
  // How many begun transactions are still open (0 outside one), also after
  // the database ended one on its own.
  virtual int transactionLevel() const = 0;
  // The program has a transaction in course: begun by beginTransaction or
  // by a statement of the session and not yet committed or rolled back by
  // the program, also when the database ended it on its own after a failure
  // (what was written in it is then gone, and the program does not know).
  virtual bool inTransaction() const = 0;
  virtual void setCommandTimeout(int seconds) = 0;
  // Milliseconds all the session's waits for other programs' writes may
  // take together from now on (nullopt: no such limit), where the provider
  // keeps such a limit.
  virtual void setWaitAllowance(std::optional<int> milliseconds) = 0;
  // Brings a database of an earlier build up to the program's schema, where
  // the provider does that, when its opening left it undone; why it could
  // not now, nullopt when it did or had nothing to do.
  virtual std::optional<Error> upgradeDatabase() = 0;
  virtual void setIsolationLevel(long level) = 0;
  virtual void setDefaultDatabase(const QString& name) = 0;
  virtual QString defaultDatabase() const = 0;
};

// Opens a session for a connection string; throws Failure.
using SessionFactory = std::unique_ptr<Session> (*)(const QString& connectionString);

}  // namespace ado::provider
