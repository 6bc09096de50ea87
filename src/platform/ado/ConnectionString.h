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

// A value as a connection string must carry it to be read back whole (by
// the reader above and by ODBC): in braces, with "}" doubled, when it holds
// ";", a brace, "=" or surrounding blanks, or starts with a quote (a ";" in
// a password cannot end it); otherwise as it is, since some drivers take
// braces literally.
QString ConnectionStringValue(const QString& value);

// Whether a connection string names Oracle: its Provider item (or, for an
// ODBC string, its Driver item) holds the word "oracle". The word anywhere
// else, in a password or a database name, does not count.
bool NamesOracle(const QString& connectionString);

}  // namespace ado
