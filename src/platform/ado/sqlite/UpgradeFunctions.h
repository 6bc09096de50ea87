#pragma once
// The program's own rules that the upgrades of sql/sqlite/upgrade reach as
// SQL functions, registered on every connection to the embedded database,
// so that an upgrade decides as the program does:
//   NUMERO_DE_CODIGO(value, digits): the number a code of that many digits
//   takes from the value, as the import reads a customer number
//   (rt::CodeNumber); Null when it takes none.
//   NUMERO_DE_CODIGO_ANTERIOR(value, digits): the same as earlier builds
//   read it, which gave a number such as "0.4x" the code "0000"
//   (rt::CodeNumberOfEarlierBuilds); Null when it took none.
struct sqlite3;

namespace ado::sqlite {

// Returns an SQLite result code.
int RegisterUpgradeFunctions(sqlite3* db);

}  // namespace ado::sqlite
