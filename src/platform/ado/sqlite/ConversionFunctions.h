#pragma once
// The conversions of SqlServerConversions.h as SQL functions that the
// translator writes into statements, registered on every connection of the
// program (no check of the schema uses them, so the sqlite3 shell has no
// need of them):
//   CONVERT_TO(value, type[, scale]): the value as SQL Server converts it
//   into `type`: 'int', 'smallint', 'tinyint', 'bigint', 'bit', or
//   'decimal' with its scale (money too, 4). A value assigned to a column of
//   such a type, and the value of CAST and CONVERT to a whole number.
//   TEXT_TO(value, type): a text as SQL Server converts it into 'int' or
//   'numeric' where it is added to a number of that kind; any other value
//   as it is.
// Null stays Null. A value the server refuses fails the statement with its
// error (FailureFromSqlite).
struct sqlite3;

namespace ado::sqlite {

// Returns an SQLite result code.
int RegisterConversionFunctions(sqlite3* db);

}  // namespace ado::sqlite
