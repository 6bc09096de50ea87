#include "platform/ado/odbc/OdbcConnectionString.h"

#include <QStringList>
#include <optional>

#include "platform/ado/ConnectionString.h"
#include "platform/runtime/Text.h"

namespace ado::odbc {

namespace {

using provider::ConnectionSpec;

// Keys of the OLE DB strings and the ODBC key each group becomes.
struct KeySynonyms {
  QString odbcKey;
  QStringList oledbKeys;
};

const KeySynonyms kServer{QStringLiteral("Server"),
                          {QStringLiteral("server"), QStringLiteral("data source"), QStringLiteral("address"),
                           QStringLiteral("addr"), QStringLiteral("network address")}};
const KeySynonyms kDatabase{QStringLiteral("Database"), {QStringLiteral("database"), QStringLiteral("initial catalog")}};
const KeySynonyms kUser{QStringLiteral("UID"), {QStringLiteral("uid"), QStringLiteral("user id"), QStringLiteral("user")}};
const KeySynonyms kPassword{QStringLiteral("PWD"), {QStringLiteral("pwd"), QStringLiteral("password")}};
const KeySynonyms kApplication{QStringLiteral("APP"), {QStringLiteral("app"), QStringLiteral("application name")}};
const KeySynonyms kWorkstation{QStringLiteral("WSID"), {QStringLiteral("wsid"), QStringLiteral("workstation id")}};
const KeySynonyms kLoginTimeout{QString(), {QStringLiteral("connect timeout"), QStringLiteral("connection timeout")}};
// OLE DB settings with no meaning to an ODBC driver.
const KeySynonyms kOleDbOnly{QString(), {QStringLiteral("provider"), QStringLiteral("persist security info")}};

// Written after the server, in this order.
const KeySynonyms* const kLogin[] = {&kDatabase, &kUser, &kPassword, &kApplication, &kWorkstation};
const KeySynonyms* const kInterpreted[] = {&kServer,      &kDatabase,    &kUser,         &kPassword,
                                           &kApplication, &kWorkstation, &kLoginTimeout, &kOleDbOnly};

bool interpreted(const QString& key) {
  for (const KeySynonyms* keys : kInterpreted)
    if (keys->oledbKeys.contains(key)) return true;
  return key.isEmpty();
}

// The value of the first synonym present.
std::optional<QString> valueOf(const ConnectionSpec& spec, const KeySynonyms& keys) {
  for (const QString& key : keys.oledbKeys)
    if (spec.items.contains(key)) return spec.items.value(key);
  return std::nullopt;
}

QString item(const QString& key, const QString& value) { return key + u'=' + ConnectionStringValue(value) + u';'; }

int loginTimeout(const ConnectionSpec& spec) {
  bool ok = false;
  const int seconds = valueOf(spec, kLoginTimeout).value_or(QString()).trimmed().toInt(&ok);
  return ok && seconds >= 0 ? seconds : OdbcTarget().loginTimeoutSeconds;
}

struct ServerAddress {
  QString host, port;
};

// "host,port" (SQL Server's own form) or "host:port"; an instance name
// ("host\INSTANCE") or anything else stays whole.
ServerAddress splitPort(const QString& server) {
  const QString text = server.trimmed();
  qsizetype at = text.lastIndexOf(u',');
  if (at < 0 && text.count(u':') == 1) at = text.indexOf(u':');
  if (at < 0) return {text, QString()};
  const QString port = text.mid(at + 1).trimmed();
  bool numeric = !port.isEmpty();
  for (QChar c : port) numeric = numeric && c.isDigit();
  if (!numeric) return {text, QString()};
  return {text.left(at).trimmed(), port};
}

OdbcTarget sqlServer(const ConnectionSpec& spec, const QString& driver) {
  const bool freeTds = driver.contains(u"freetds", Qt::CaseInsensitive) || driver.contains(u"tdsodbc", Qt::CaseInsensitive);
  const ServerAddress address = splitPort(valueOf(spec, kServer).value_or(QString()));
  QString s = item(QStringLiteral("DRIVER"), driver);
  if (address.port.isEmpty())
    s += item(kServer.odbcKey, address.host);
  else if (freeTds)
    s += item(kServer.odbcKey, address.host) + item(QStringLiteral("Port"), address.port);
  else
    s += item(kServer.odbcKey, address.host + u',' + address.port);
  for (const KeySynonyms* keys : kLogin)
    if (const std::optional<QString> value = valueOf(spec, *keys)) s += item(keys->odbcKey, *value);
  for (auto it = spec.items.cbegin(); it != spec.items.cend(); ++it)
    if (!interpreted(it.key())) s += item(it.key(), it.value());
  if (freeTds) {
    if (!spec.items.contains(QStringLiteral("tds_version"))) s += item(QStringLiteral("TDS_Version"), QStringLiteral("auto"));
    if (!spec.items.contains(QStringLiteral("clientcharset"))) s += item(QStringLiteral("ClientCharset"), QStringLiteral("UTF-8"));
  }
  return {s, loginTimeout(spec)};
}

OdbcTarget oracle(const ConnectionSpec& spec) {
  QString s = item(QStringLiteral("DSN"), valueOf(spec, kServer).value_or(QString()));
  s += item(kUser.odbcKey, valueOf(spec, kUser).value_or(QString()));
  s += item(kPassword.odbcKey, valueOf(spec, kPassword).value_or(QString()));
  return {s, loginTimeout(spec)};
}

}  // namespace

OdbcTarget odbcTarget(const ConnectionSpec& spec, const QString& sqlServerDriver) {
  const QString provider = spec.value(QStringLiteral("provider")).trimmed();
  if (provider.startsWith(u"sqloledb", Qt::CaseInsensitive)) return sqlServer(spec, sqlServerDriver);
  if (provider.startsWith(u"oraoledb.oracle", Qt::CaseInsensitive)) return oracle(spec);
  return {spec.text, OdbcTarget().loginTimeoutSeconds};
}

QString odbcDriverName(const QString& odbcString) {
  qsizetype i = 0;
  const qsizetype n = odbcString.size();
  while (i < n) {
    const qsizetype eq = odbcString.indexOf(u'=', i);
    if (eq < 0) break;
    const QString key = odbcString.mid(i, eq - i).trimmed();
    i = eq + 1;
    while (i < n && odbcString[i] == u' ') ++i;
    QString value;
    if (i < n && odbcString[i] == u'{') {
      value = rt::ReadQuoted(odbcString, ++i, u'}');
      const qsizetype end = odbcString.indexOf(u';', i);
      i = end < 0 ? n : end + 1;
    } else {
      const qsizetype end = odbcString.indexOf(u';', i);
      value = odbcString.mid(i, (end < 0 ? n : end) - i).trimmed();
      i = end < 0 ? n : end + 1;
    }
    if (key.compare(u"driver", Qt::CaseInsensitive) == 0) return value;
  }
  return QString();
}

}  // namespace ado::odbc
