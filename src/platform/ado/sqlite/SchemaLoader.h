#pragma once
// Creates embedded databases from the schema files of sql/sqlite, which are
// built into the program in the order of their names, so that the program,
// the tools and the tests need no file paths.
#include <QString>
#include <vector>

namespace ado::sqlite {

struct SchemaFile {
  const char* name;  // e.g. "020_core.sql"
  const char* sql;
};

// Every schema file, in name order (generated at build time).
const std::vector<SchemaFile>& SchemaFiles();

// Creates the database file `path` with the whole schema. Never overwrites:
// an existing file, or any failure (nothing is left behind then), raises a
// runtime error with a Spanish description.
void CreateDatabase(const QString& path);

}  // namespace ado::sqlite
