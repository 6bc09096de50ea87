#pragma once
// The suite database a benchmark works on: the whole schema of sql/sqlite,
// then the benchmark's own rows.
#include <sqlite3.h>

#include <QString>

#include "platform/ado/sqlite/Database.h"
#include "platform/ado/sqlite/SchemaLoader.h"

// Creates the suite database at `path` and runs `script` (statements in
// SQLite's dialect) on it through a connection configured as the program's.
inline void CreateBenchDatabase(const QString& path, const QString& script) {
  ado::sqlite::CreateDatabase(path);
  sqlite3* db = nullptr;
  sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
  ado::sqlite::ConfigureConnection(db);
  sqlite3_exec(db, script.toUtf8().constData(), nullptr, nullptr, nullptr);
  sqlite3_close_v2(db);
}
