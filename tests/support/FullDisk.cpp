#include "support/FullDisk.h"

#include <sqlite3.h>

#include <QFileInfo>

namespace testing_support {

namespace {

QString& fullFile() {
  static QString path;
  return path;
}

// Run by SQLite on each connection it opens: the maximum page count never
// goes below the file's size, so 1 keeps it as it is.
int noRoom(sqlite3* db, const char**, const sqlite3_api_routines*) {
  const char* file = sqlite3_db_filename(db, "main");
  if (file && QFileInfo(QString::fromUtf8(file)).canonicalFilePath() == fullFile())
    sqlite3_exec(db, "PRAGMA max_page_count = 1", nullptr, nullptr, nullptr);
  return SQLITE_OK;
}

using Extension = void (*)();

}  // namespace

FullDisk::FullDisk(const QString& path) {
  fullFile() = QFileInfo(path).canonicalFilePath();
  sqlite3_auto_extension(reinterpret_cast<Extension>(noRoom));
}

FullDisk::~FullDisk() {
  sqlite3_cancel_auto_extension(reinterpret_cast<Extension>(noRoom));
  fullFile().clear();
}

}  // namespace testing_support
