#include "platform/ado/sqlite/SchemaLoader.h"

#include <sqlite3.h>

#include <QFile>
#include <QFileInfo>

#include "platform/ado/Constants.h"
#include "platform/ado/sqlite/Database.h"
#include "platform/ado/sqlite/ErrorMap.h"
#include "platform/runtime/Error.h"

namespace ado::sqlite {

namespace {

[[noreturn]] void fail(const QString& description) {
  throw rt::Error(errnum::E_FAIL, description, QStringLiteral("SQLite"));
}

void removeDatabaseFiles(const QString& path) {
  for (const char* suffix : {"", "-wal", "-shm", "-journal"}) QFile::remove(path + QLatin1String(suffix));
}

// Runs the upgrade's leading query: `needed` tells whether it returned a
// row, `script` points to the statements after it.
int askUpgrade(sqlite3* db, const char* upgrade, const char*& script, bool& needed) {
  sqlite3_stmt* query = nullptr;
  int rc = sqlite3_prepare_v2(db, upgrade, -1, &query, &script);
  if (rc != SQLITE_OK) return rc;
  rc = sqlite3_step(query);
  needed = rc == SQLITE_ROW;
  sqlite3_finalize(query);
  return rc == SQLITE_ROW || rc == SQLITE_DONE ? SQLITE_OK : rc;
}

}  // namespace

std::optional<UpgradeRefused> UpgradeDatabase(sqlite3* db, const QString& path) {
  for (const SchemaFile& upgrade : SchemaUpgrades()) {
    const char* script = nullptr;
    bool needed = false;
    int rc = askUpgrade(db, upgrade.sql, script, needed);
    if (rc == SQLITE_OK && !needed) continue;
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) rc = askUpgrade(db, upgrade.sql, script, needed);
    if (rc == SQLITE_OK && needed) rc = sqlite3_exec(db, script, nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK) rc = sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
      // Told before the rollback takes SQLite's words away.
      UpgradeRefused refused{
          QStringLiteral("%1: %2").arg(QString::fromLatin1(upgrade.name), QString::fromUtf8(sqlite3_errmsg(db))),
          FailureFromSqlite(db, rc, QString(), true, path)};
      if (!sqlite3_get_autocommit(db)) sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
      return refused;
    }
  }
  return std::nullopt;
}

void CreateDatabase(const QString& path) {
  if (QFileInfo::exists(path))
    fail(QStringLiteral("No se crea la base de datos \"%1\": ya existe un archivo con ese nombre.").arg(path));
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(path.toUtf8().constData(), &db,
                           SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
  if (rc == SQLITE_OK) rc = ConfigureConnection(db);
  QString failedFile;
  if (rc == SQLITE_OK) rc = sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
  for (const SchemaFile& file : SchemaFiles()) {
    if (rc != SQLITE_OK) break;
    rc = sqlite3_exec(db, file.sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) failedFile = QString::fromLatin1(file.name);
  }
  if (rc == SQLITE_OK) rc = sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
  if (rc == SQLITE_OK) {
    sqlite3_close_v2(db);
    return;
  }
  const QString message = QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
  sqlite3_close_v2(db);
  removeDatabaseFiles(path);
  if (failedFile.isEmpty()) fail(QStringLiteral("No se pudo crear la base de datos \"%1\": %2").arg(path, message));
  fail(QStringLiteral("No se pudo crear la base de datos \"%1\": error en %2: %3").arg(path, failedFile, message));
}

}  // namespace ado::sqlite
