#include "platform/ado/sqlite/DatabasePath.h"

#include <QDir>
#include <QFileInfo>
#include <QMutex>

#include "platform/runtime/Environment.h"

namespace ado::sqlite {

namespace {
QMutex folderLock;
QString& lastFolder() {
  static QString folder;
  return folder;
}
}  // namespace

QString DatabaseNameOf(const provider::ConnectionSpec& spec) {
  const QString name = spec.value(QStringLiteral("database"));
  return name.trimmed().isEmpty() ? spec.value(QStringLiteral("initial catalog")) : name;
}

bool IsBareDatabaseName(const QString& name) {
  return !name.contains(u'/') && !name.contains(u'\\') && !name.contains(u'.');
}

QString ResolveDatabasePath(const QString& name) {
  QString trimmed = name.trimmed();
  if (!IsBareDatabaseName(trimmed)) return QDir::cleanPath(QString(trimmed).replace(u'\\', u'/'));
  QMutexLocker lock(&folderLock);
  const QString folder = lastFolder().isEmpty() ? rt::ProgramFolder() : lastFolder();
  return QDir(folder).filePath(trimmed + QStringLiteral(".db"));
}

void RememberDatabaseFolder(const QString& path) {
  QMutexLocker lock(&folderLock);
  lastFolder() = QFileInfo(path).absolutePath();
}

}  // namespace ado::sqlite
