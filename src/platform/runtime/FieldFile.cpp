#include "platform/runtime/FieldFile.h"

#include <QFile>
#include <QSaveFile>

#include "platform/runtime/Error.h"
#include "platform/runtime/FileErrors.h"
#include "platform/runtime/Text.h"

namespace rt {

namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// The fields of one line (without its line end).
QStringList fieldsOf(QStringView line) {
  QStringList fields;
  qsizetype i = 0;
  const qsizetype n = line.size();
  for (;;) {
    while (i < n && isBlank(line[i])) ++i;
    QString field;
    if (i < n && line[i] == u'"') {
      field = ReadQuoted(line, ++i, u'"');
      // Anything between the closing quote and the comma is not data.
      while (i < n && line[i] != u',') ++i;
    } else {
      const qsizetype start = i;
      while (i < n && line[i] != u',') ++i;
      qsizetype end = i;
      while (end > start && isBlank(line[end - 1])) --end;
      field = line.mid(start, end - start).toString();
    }
    fields.append(field);
    if (i >= n) return fields;
    ++i;  // the comma
  }
}

}  // namespace

std::vector<QStringList> ReadFieldLines(const QString& path) {
  QFile file(path);
  if (!file.exists()) raise(err::FileNotFound);
  if (!file.open(QIODevice::ReadOnly)) raiseFileAccess(path, file);
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) raiseFileAccess(path, file);
  std::vector<QStringList> records;
  for (QByteArray& line : bytes.split('\n')) {
    if (line.endsWith('\r')) line.chop(1);
    if (line.trimmed().isEmpty()) continue;
    records.push_back(fieldsOf(FromWindows1252(line)));
  }
  return records;
}

void WriteFieldLines(const QString& path, const std::vector<QStringList>& records) {
  QByteArray bytes;
  for (const QStringList& fields : records) {
    for (qsizetype k = 0; k < fields.size(); ++k) {
      const QString& field = fields[k];
      // A line ends at LF: a CR inside a field is data, as the reader takes it.
      if (field.contains(u'\n')) raise(err::InvalidCall);
      if (k > 0) bytes += ',';
      bytes += '"';
      bytes += ToWindows1252(QString(field).replace(u'"', QStringLiteral("\"\"")));
      bytes += '"';
    }
    bytes += "\r\n";
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) raiseFileAccess(path, file);
}

}  // namespace rt
