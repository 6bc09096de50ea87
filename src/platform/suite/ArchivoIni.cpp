#include "platform/suite/ArchivoIni.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QFileInfo>
#include <QStringDecoder>

#include "platform/runtime/Environment.h"

namespace suite {

namespace {

QString findInFolder(const QString& folder, const QString& name) {
  QDir dir(folder);
  if (!dir.exists()) return QString();
  if (dir.exists(name)) return dir.filePath(name);
  const QStringList entries = dir.entryList(QDir::Files);
  for (const QString& e : entries)
    if (e.compare(name, Qt::CaseInsensitive) == 0) return dir.filePath(e);
  return QString();
}

QString configFolder() {
  QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (base.isEmpty()) base = QDir::homePath() + QStringLiteral("/.config");
  return base + QStringLiteral("/importar_tavernix");
}

// INI files come from Windows machines: UTF-16 when they start with its
// byte-order mark (Notepad's "Unicode"), UTF-8 when valid, else Windows-1252.
QString decode(const QByteArray& bytes) {
  if (auto bom = QStringConverter::encodingForData(bytes);
      bom == QStringConverter::Utf16LE || bom == QStringConverter::Utf16BE)
    return QStringDecoder(*bom)(bytes);
  QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  QString text = utf8(bytes);
  if (!utf8.hasError()) return text;
  QStringDecoder cp1252("windows-1252");
  return cp1252.isValid() ? QString(cp1252(bytes)) : QString::fromLatin1(bytes);
}

QString unquote(QString v) {
  v = v.trimmed();
  if (v.size() >= 2 && ((v.startsWith(u'"') && v.endsWith(u'"')) || (v.startsWith(u'\'') && v.endsWith(u'\''))))
    v = v.mid(1, v.size() - 2);
  return v;
}

}  // namespace

QString ArchivoIni::Locate(const QString& file) {
  if (file.contains(u'/') || file.contains(u'\\')) {
    QString p = file;
    p.replace(u'\\', u'/');
    QFileInfo fi(p);
    return findInFolder(fi.absolutePath(), fi.fileName());
  }
  QString found = findInFolder(rt::ProgramFolder(), file);
  if (found.isEmpty()) found = findInFolder(configFolder(), file);
  return found;
}

QString ArchivoIni::LeeClave(const QString& file, const QString& section, const QString& key,
                             const QString& defaultValue) const {
  const QString path = Locate(file);
  if (path.isEmpty()) return defaultValue;
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return defaultValue;
  QString text = decode(f.readAll());
  if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);

  bool inSection = false;
  // Lines end in CR LF, LF or CR alone (as old editors write them).
  static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
  const QStringList lines = text.split(lineEnd);
  for (QString line : lines) {
    line = line.trimmed();
    if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#')) continue;
    if (line.startsWith(u'[')) {
      qsizetype close = line.lastIndexOf(u']');
      QString name = (close > 0 ? line.mid(1, close - 1) : line.mid(1)).trimmed();
      inSection = name.compare(section.trimmed(), Qt::CaseInsensitive) == 0;
      continue;
    }
    if (!inSection) continue;
    qsizetype eq = line.indexOf(u'=');
    if (eq < 0) continue;
    if (line.left(eq).trimmed().compare(key.trimmed(), Qt::CaseInsensitive) == 0) return unquote(line.mid(eq + 1));
  }
  return defaultValue;
}

}  // namespace suite
