#include "platform/ado/sqlite/CompanionFiles.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>

namespace ado::sqlite {

namespace {

constexpr const char* kSuffixes[] = {"-wal", "-shm"};

// Asked of the effective user, without opening the file: closing a second
// descriptor of a file would drop the locks SQLite holds on it.
bool allowed(const QByteArray& path, int mode) { return ::faccessat(AT_FDCWD, path.constData(), mode, AT_EACCESS) == 0; }
bool writable(const QByteArray& path) { return allowed(path, W_OK); }

}  // namespace

void RestoreCompanionFiles(const QString& databasePath) {
  struct stat database {};
  const QByteArray name = QFile::encodeName(databasePath);
  if (::stat(name.constData(), &database) != 0) return;
  for (const char* suffix : kSuffixes) {
    const QByteArray companion = name + suffix;
    struct stat file {};
    if (::lstat(companion.constData(), &file) != 0 || !S_ISREG(file.st_mode) || file.st_uid != ::geteuid() ||
        writable(companion))
      continue;
    // Another program that has it open keeps its own descriptor: the mode
    // counts only for the openings to come. One that cannot be changed stays
    // as it was, and a write names it (UnwritableCompanionFile).
    ::chmod(companion.constData(), database.st_mode & 0777);
  }
}

std::optional<QString> UnwritableCompanionFile(const QString& databasePath) {
  for (const char* suffix : kSuffixes) {
    const QString companion = databasePath + QLatin1String(suffix);
    const QByteArray name = QFile::encodeName(companion);
    if (::access(name.constData(), F_OK) == 0 && !writable(name)) return companion;
  }
  return std::nullopt;
}

bool CompanionFilesCannotBeMade(const QString& databasePath) {
  const QFileInfo file(databasePath);
  return allowed(QFile::encodeName(file.absoluteFilePath()), R_OK) &&
         !allowed(QFile::encodeName(file.absolutePath()), W_OK | X_OK);
}

}  // namespace ado::sqlite
