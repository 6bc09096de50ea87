#pragma once
// Taking a connection string apart and choosing the provider it names:
// server "sqlite" under SQLOLEDB and the SQLite3 ODBC driver open the
// embedded database, vfpoledb a folder of DBF tables, anything else ODBC.
#include <QString>

#include "platform/ado/provider/Providers.h"

namespace ado {

// Items are "key=value" separated by ";". Keys are trimmed and compared
// without regard to case ("Database =" is the key "database"); values are
// trimmed and may be braced {..} or quoted ".." / '..' to hold ";" (the
// closing mark doubled inside stands for itself: {a}}b} is a}b). When a
// key repeats, the last value holds.
provider::ConnectionSpec ParseConnectionString(const QString& text);

}  // namespace ado
