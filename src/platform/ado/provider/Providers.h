#pragma once
// Entry points of the providers. Connection::Open parses the connection
// string (ConnectionString.h) and hands it to the provider it names.
#include <QMap>
#include <QString>
#include <memory>
#include <optional>

#include "platform/ado/provider/Provider.h"

namespace ado::provider {

enum class Kind { Sqlite, Odbc, Dbf };

// A connection string taken apart: its items by lower-case key (blanks
// around keys removed, braces and quotes around values removed).
struct ConnectionSpec {
  Kind kind = Kind::Odbc;
  QString text;                 // the string as the program gave it
  QMap<QString, QString> items;
  QString value(const QString& lowerKey) const { return items.value(lowerKey); }
};

// `commandTimeout` and `waitAllowance`: how long the opening waits for
// another program's writes (the connection's CommandTimeout and wait
// allowance, Connection.h).
std::unique_ptr<Session> openSqliteSession(const ConnectionSpec& spec, int commandTimeout,
                                           std::optional<int> waitAllowance);
std::unique_ptr<Session> openOdbcSession(const ConnectionSpec& spec);
std::unique_ptr<Session> openDbfSession(const ConnectionSpec& spec);

}  // namespace ado::provider
