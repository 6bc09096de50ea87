#include "platform/ado/dbf/FolderFiles.h"

#include <dirent.h>

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>

namespace ado::dbf {

namespace {
QStringList filesOf(const QString& folder) { return QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name); }
}  // namespace

QString findFile(const QString& folder, const QString& fileName) {
  QString found;
  for (const QString& name : filesOf(folder)) {
    if (name == fileName) return QDir(folder).filePath(name);
    if (found.isEmpty() && name.compare(fileName, Qt::CaseInsensitive) == 0) found = name;
  }
  return found.isEmpty() ? QString() : QDir(folder).filePath(found);
}

int listingError(const QString& folder) {
  DIR* dir = ::opendir(QFile::encodeName(folder).constData());
  if (!dir) return errno;
  ::closedir(dir);
  return 0;
}

QStringList baseNamesWithSuffix(const QString& folder, const QString& suffix) {
  const QString dotted = u'.' + suffix;
  QStringList names;
  for (const QString& name : filesOf(folder))
    if (name.size() > dotted.size() && name.endsWith(dotted, Qt::CaseInsensitive))
      names << name.chopped(dotted.size());
  std::sort(names.begin(), names.end(),
            [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
  return names;
}

}  // namespace ado::dbf
