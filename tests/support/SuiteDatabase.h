#pragma once
// Suite databases for tests: a fresh file built from the schema of
// sql/sqlite in a test's own folder, and a fixture that opens it through the
// data-access objects as the program does.
#include <gtest/gtest.h>

#include <QString>

#include "platform/ado/Connection.h"
#include "support/TempFolder.h"

namespace testing_support {

// Creates `name` in `folder` with the whole schema and returns its path. The
// schema is loaded once per test program; later databases are copies.
QString NewSuiteDatabase(const TempFolder& folder, const QString& name = QStringLiteral("suite.db"));

// A suite database "dañada.db" in `folder` whose table of users has a page
// of garbage: SQLite finds it damaged when it checks the file.
QString NewDamagedSuiteDatabase(const TempFolder& folder);

// Writes garbage over the first page of `table` in the database file, as a
// disk fault would: a statement that reads the table finds the file damaged.
// No connection may be open on it (a log would hold the page).
void DamageTable(const QString& path, const QString& table);

// Runs statements in SQLite's own dialect on the database file, beside the
// program's connections (tables or views of a test's own, a table dropped).
void DefineInDatabase(const QString& path, const QString& sql);
// The same, for statements that may fail, as another program writing to the
// file would run them: SQLite's error message, empty when they ran.
QString RunInDatabase(const QString& path, const QString& sql);

// Rows of `table` in the database file alone, as a power cut that lost
// what the write-ahead log held would leave it: a copy of the file is read
// without its log.
long RowsInFileAlone(const QString& path, const QString& table);

// Makes the database read-only to every writer, root included: its header
// asks for a newer file format to write, as a file of a later SQLite does.
// No connection may be open on it.
void MarkReadOnly(const QString& path);

// The connection string the program builds for the embedded server.
QString EmbeddedConnectionString(const QString& database);

// A new suite database, open on `cn`.
class SuiteDatabaseTest : public ::testing::Test {
 protected:
  SuiteDatabaseTest();
  // Runs a statement that must succeed.
  void exec(const QString& sql);
  // Adds tables or views of a test's own, in SQLite's dialect, as the
  // schema files do.
  void define(const QString& sql);
  // The first column of the first row of a query.
  rt::Variant scalar(const QString& sql);

  TempFolder folder;
  QString path;
  ado::Connection cn;
};

}  // namespace testing_support
