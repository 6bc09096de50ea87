#pragma once
// What every connection to the embedded database registers, so that text
// compares as SQL Server compares it: the collation CI_AS (case folded by
// Unicode, accents kept, trailing blanks ignored), LEN (characters without
// trailing blanks) and a LIKE that folds case beyond ASCII and knows
// SQL Server's [..] sets. The same code is built into the loadable extension
// ci_as_extension for the sqlite3 shell and other tools.
struct sqlite3;

namespace ado::sqlite {

// Returns an SQLite result code.
int RegisterSqlFunctions(sqlite3* db);

}  // namespace ado::sqlite
