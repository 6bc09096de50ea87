// The embedded database's collation and functions as a loadable SQLite
// extension: ".load libci_as_extension" in the sqlite3 shell.
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT1

#include "platform/ado/sqlite/SqlFunctions.h"

extern "C" int sqlite3_ciasextension_init(sqlite3* db, char**, const sqlite3_api_routines* api) {
  SQLITE_EXTENSION_INIT2(api);
  return ado::sqlite::RegisterSqlFunctions(db);
}
