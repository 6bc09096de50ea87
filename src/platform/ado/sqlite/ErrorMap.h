#pragma once
// The embedded provider's failures as SQL Server reports them: native error
// number, SQLSTATE, the ADO number the runtime error carries and the text a
// Spanish-language server gives. The whole mapping is the one table in
// ErrorMap.cpp.
#include <QString>
#include <QStringList>

#include "platform/ado/provider/Provider.h"

struct sqlite3;
struct sqlite3_context;

namespace ado::sqlite {

enum class Condition {
  PrimaryKey, Unique, ForeignKey, NotNull, Width, Check, Busy,  // a running statement failed
  WaitEnded,  // the operator ended its wait for another program's lock (LockWaitNotice.h)
  DateOutOfRange,  // a text for a date column names no day ('31/02/2006', '2005-02-31') or one before 1753
  DateConversion,  // a value for a date column that is not a date in one of the stored forms
  MoneyConversion, NumericConversion,  // a text that is no number (or a blob) for a money or decimal column
  MoneyOverflow, NumericOverflow,  // a number beyond the range of a money or decimal column
  WholeConversion,  // a text that is no whole number, converted into a whole number or a bit (its value, the type)
  NotWhole,         // a value of another kind in a whole-number or bit column, refused by its check (the type)
  WholeOverflow,    // a number beyond an int or a bigint (the type)
  SmallWholeOverflow,  // a number beyond a smallint or a tinyint (the type, the value)
  SmallWholeRange,     // the same refused by a smallint column's check (the type)
  NoTable, NoColumn, Syntax, OtherStatement,                    // a statement did not compile
  StatementRefused,  // one SQLite refuses for a reason SQL Server has no error for, told in Spanish
  CommitWithoutBegin, RollbackWithoutBegin,
  Unsupported,     // the dialect translator refused the statement
  ConstantInOrderBy,  // a constant other than a column's position as an item of ORDER BY, which SQL Server refuses too
  OrderPositionOutOfRange,  // ORDER BY the position of a column the select list does not have
  ConstantInGroupBy,        // a constant as an item of GROUP BY
  DuplicateColumn, NotNullColumnAdded,  // ALTER TABLE ADD of a column the table has, of NOT NULL without DEFAULT
  ColumnNotAdded,  // ALTER TABLE ADD that SQLite refuses for another reason, told in its words
  RowChanged,      // the row an updatable recordset edits is gone
  UnknownDatabase, NoDatabaseName, MissingFile, NotADatabase,
  NotASuiteDatabase,  // an SQLite file without the suite's tables (or an empty file)
  Damaged,            // a database that fails its quick check
  ReadOnly,
  ReadOnlyFolder,     // the database's folder, where SQLite makes its companion files, takes no writes
  ReadOnlyCompanion,  // a companion file beside the database (CompanionFiles.h) that this user cannot write
  Io, Closed,
  Other,           // any other failure of SQLite, told in Spanish
  Terminated,      // SQL Server's closing entry after a failed statement
  Raised,          // a trigger's RAISE(ABORT, 'NNNNN: text') with a user error number (50000 and up)
};

// The failure of `condition`; `args` fill the description's %1, %2, %3.
// A damaged database's second argument, SQLite's own description of the
// damage, becomes a second entry.
provider::Failure MakeFailure(Condition condition, const QStringList& args = {});

// The failure of a statement that stopped on `condition`; when it was
// changing data (`ended` true) it also gets the closing entry 3621 where
// SQL Server gives one.
provider::Failure MakeStatementFailure(Condition condition, const QStringList& args, bool ended);

// The failure for an SQLite result code of `db` while preparing (`ran`
// false) or running `sql`. A statement that failed while running also gets
// the closing entry 3621 when SQL Server gives one. A trigger that raises
// "NNNNN: text" with NNNNN of 50000 and up reports that number, as
// RAISERROR does on SQL Server. SQLite's own words, in English, never
// reach the operator: the Spanish text stands in for them (a damaged
// file's description, why a column was not added or a statement not run,
// why a file could not be read or written), and they go to the provider
// log (ProviderLog.h).
provider::Failure FailureFromSqlite(sqlite3* db, int rc, const QString& sql, bool ran, const QString& databasePath);

// Fails an SQL function of the provider so that the statement's failure
// (FailureFromSqlite) is `condition` with `args`.
void FailInFunction(sqlite3_context* context, Condition condition, const QStringList& args);

}  // namespace ado::sqlite
