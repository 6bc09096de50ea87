#include "support/FullDisk.h"

#include <sqlite3.h>

#include <QFileInfo>

#include "support/SuiteDatabase.h"

namespace testing_support {

namespace {

struct Room {
  QString file;
  int sparePages = 0;
};

Room& room() {
  static Room r;
  return r;
}

int pageCount(sqlite3* db) {
  sqlite3_stmt* statement = nullptr;
  int pages = 0;
  if (sqlite3_prepare_v2(db, "PRAGMA page_count", -1, &statement, nullptr) == SQLITE_OK &&
      sqlite3_step(statement) == SQLITE_ROW)
    pages = sqlite3_column_int(statement, 0);
  sqlite3_finalize(statement);
  return pages;
}

// Run by SQLite on each connection it opens. The maximum page count never
// goes below the file's size, so 1 keeps it as it is.
int limitRoom(sqlite3* db, const char**, const sqlite3_api_routines*) {
  const char* file = sqlite3_db_filename(db, "main");
  if (!file || QFileInfo(QString::fromUtf8(file)).canonicalFilePath() != room().file) return SQLITE_OK;
  const int pages = room().sparePages > 0 ? pageCount(db) + room().sparePages : 1;
  sqlite3_exec(db, QByteArray("PRAGMA max_page_count = " + QByteArray::number(pages)).constData(), nullptr, nullptr,
               nullptr);
  return SQLITE_OK;
}

using Extension = void (*)();

}  // namespace

FullDisk::FullDisk(const QString& path, int sparePages) {
  DefineInDatabase(path, QStringLiteral("VACUUM"));
  room() = Room{QFileInfo(path).canonicalFilePath(), sparePages};
  sqlite3_auto_extension(reinterpret_cast<Extension>(limitRoom));
}

FullDisk::~FullDisk() {
  sqlite3_cancel_auto_extension(reinterpret_cast<Extension>(limitRoom));
  room() = Room{};
}

}  // namespace testing_support
