#pragma once
// Creates embedded databases from the schema files of sql/sqlite, and brings
// databases of earlier builds up to them with the upgrades of
// sql/sqlite/upgrade; all are built into the program in the order of their
// names, so that the program, the tools and the tests need no file paths.
#include <QString>
#include <optional>
#include <vector>

#include "platform/ado/provider/Provider.h"

struct sqlite3;

namespace ado::sqlite {

struct SchemaFile {
  const char* name;  // e.g. "020_core.sql"
  const char* sql;
};

// Every schema file, in name order (generated at build time).
const std::vector<SchemaFile>& SchemaFiles();

// The upgrades of databases that earlier builds made, in name order
// (generated at build time). Each begins with a query that returns a row
// while the database needs the upgrade; the statements after it make it.
const std::vector<SchemaFile>& SchemaUpgrades();

// Creates the database file `path` with the whole schema. Never overwrites:
// an existing file, or any failure (nothing is left behind then), raises a
// runtime error with a Spanish description.
void CreateDatabase(const QString& path);

// Brings a database that an earlier build made up to the schema: each
// upgrade it needs runs whole or not at all, in a transaction of its own
// (asked again inside it, so two programs opening the database at once
// upgrade it once), which waits for another program's writes as long as
// the connection's busy wait. An upgrade the database `path` does not take
// now (read-only, written by another program past the wait, a full disk) is
// left for later: why comes back, nullopt when nothing failed.
struct UpgradeRefused {
  QString detail;             // the upgrade's file and SQLite's words, for the log
  provider::Failure failure;  // as the provider reports a statement's
};
std::optional<UpgradeRefused> UpgradeDatabase(sqlite3* db, const QString& path);

}  // namespace ado::sqlite
