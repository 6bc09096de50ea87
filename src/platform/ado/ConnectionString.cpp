#include "platform/ado/ConnectionString.h"

#include "platform/runtime/Text.h"

namespace ado {

namespace {

using provider::Kind;

// Reads a value from `pos` (just after "=") to its ";" or the end. A value
// enclosed in "{}", '"' or "'" (its closing mark written twice inside it
// standing for itself) is taken whole; one that never closes is read plain.
QString readValue(const QString& text, qsizetype& pos) {
  while (pos < text.size() && text[pos] == u' ') ++pos;
  if (pos < text.size() && (text[pos] == u'{' || text[pos] == u'"' || text[pos] == u'\'')) {
    qsizetype end = pos + 1;
    bool closed = false;
    const QString value = rt::ReadQuoted(text, end, text[pos] == u'{' ? QChar(u'}') : text[pos], &closed);
    if (closed) {
      pos = text.indexOf(u';', end);
      if (pos < 0) pos = text.size();
      return value;
    }
  }
  qsizetype end = text.indexOf(u';', pos);
  if (end < 0) end = text.size();
  QString value = text.mid(pos, end - pos).trimmed();
  pos = end;
  return value;
}

Kind kindOf(const provider::ConnectionSpec& spec) {
  const QString providerName = spec.value(QStringLiteral("provider")).trimmed();
  QString server = spec.value(QStringLiteral("server")).trimmed();
  if (server.isEmpty()) server = spec.value(QStringLiteral("data source")).trimmed();
  if (providerName.startsWith(QLatin1String("sqloledb"), Qt::CaseInsensitive) &&
      server.compare(QLatin1String("sqlite"), Qt::CaseInsensitive) == 0)
    return Kind::Sqlite;
  if (spec.value(QStringLiteral("driver")).trimmed().compare(QLatin1String("SQLite3 ODBC Driver"), Qt::CaseInsensitive) ==
      0)
    return Kind::Sqlite;
  if (providerName.startsWith(QLatin1String("vfpoledb"), Qt::CaseInsensitive)) return Kind::Dbf;
  return Kind::Odbc;
}

}  // namespace

QString ConnectionStringValue(const QString& value) {
  static const QString special = QStringLiteral(";{}=");
  bool brace = value != value.trimmed() || value.startsWith(u'"') || value.startsWith(u'\'');
  for (QChar c : value) brace = brace || special.contains(c);
  if (!brace) return value;
  QString escaped = value;
  escaped.replace(u'}', QStringLiteral("}}"));
  return u'{' + escaped + u'}';
}

provider::ConnectionSpec ParseConnectionString(const QString& text) {
  provider::ConnectionSpec spec;
  spec.text = text;
  qsizetype pos = 0;
  while (pos < text.size()) {
    qsizetype eq = text.indexOf(u'=', pos);
    qsizetype semi = text.indexOf(u';', pos);
    if (eq < 0 || (semi >= 0 && semi < eq)) {  // an item without "=" carries nothing
      if (semi < 0) break;
      pos = semi + 1;
      continue;
    }
    const QString key = text.mid(pos, eq - pos).trimmed().toLower();
    pos = eq + 1;
    QString value = readValue(text, pos);
    if (!key.isEmpty()) spec.items.insert(key, value);
    ++pos;  // past the ";"
  }
  spec.kind = kindOf(spec);
  return spec;
}

bool NamesOracle(const QString& connectionString) {
  // Asked before every statement, nearly always of the same string.
  thread_local QString lastString;
  thread_local bool lastAnswer = false;
  if (connectionString == lastString && !lastString.isNull()) return lastAnswer;
  const provider::ConnectionSpec spec = ParseConnectionString(connectionString);
  const auto holdsOracle = [&](const char* key) {
    return spec.value(QString::fromLatin1(key)).contains(QLatin1String("oracle"), Qt::CaseInsensitive);
  };
  lastString = connectionString.isNull() ? QStringLiteral("") : connectionString;
  lastAnswer = holdsOracle("provider") || holdsOracle("driver");
  return lastAnswer;
}

}  // namespace ado
