#include "platform/ado/sqlite/Database.h"

#include <sqlite3.h>

#include <QFileInfo>
#include <QSet>
#include <atomic>
#include <mutex>

#include "platform/ado/ProviderLog.h"
#include "platform/ado/sqlite/CompanionFiles.h"
#include "platform/ado/sqlite/ConversionFunctions.h"
#include "platform/ado/sqlite/ErrorMap.h"
#include "platform/ado/sqlite/SchemaLoader.h"
#include "platform/ado/sqlite/SqlFunctions.h"
#include "platform/ado/sqlite/UpgradeFunctions.h"
#include "platform/ado/sqlite/Values.h"

namespace ado::sqlite {

// Durability: in WAL mode with synchronous NORMAL a commit is not flushed to
// disk by itself, only at checkpoints. A crash of the program loses nothing
// committed; a power failure may lose the last transactions but never leaves
// a damaged file. FULL would cost one flush per imported record: instead an
// import run ends with CHECKPOINT (checkpoint() below), so what its end text
// reports is on disk, and a cut during a run can only lose its last records,
// which a re-run writes (it asks before each insert and skips what exists).
namespace {
std::atomic<Synchronous> synchronous{Synchronous::Normal};
}  // namespace

void SetSynchronous(Synchronous mode) { synchronous = mode; }

namespace {

int registerFunctions(sqlite3* db) {
  sqlite3_extended_result_codes(db, 1);
  int rc = RegisterSqlFunctions(db);
  if (rc == SQLITE_OK) rc = RegisterConversionFunctions(db);
  return rc == SQLITE_OK ? RegisterUpgradeFunctions(db) : rc;
}

int setPragmas(sqlite3* db) {
  const char* pragmas = synchronous == Synchronous::Off
                            ? "PRAGMA journal_mode=WAL; PRAGMA synchronous=OFF; PRAGMA foreign_keys=ON;"
                            : "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL; PRAGMA foreign_keys=ON;";
  return sqlite3_exec(db, pragmas, nullptr, nullptr, nullptr);
}

// The tables every suite database (and its statistics twin) holds: users
// and configuration. A file without them is some other program's.
bool holdsSuiteTables(sqlite3* db, int& rc) {
  sqlite3_stmt* statement = nullptr;
  rc = sqlite3_prepare_v2(db,
                          "SELECT COUNT(*) FROM sqlite_master WHERE type = 'table' AND "
                          "name IN ('TA_USUARIOS', 'TA_CONFIGURACION') COLLATE NOCASE",
                          -1, &statement, nullptr);
  bool holds = false;
  if (rc == SQLITE_OK) {
    rc = sqlite3_step(statement);
    holds = rc == SQLITE_ROW && sqlite3_column_int(statement, 0) == 2;
    if (rc == SQLITE_ROW) rc = SQLITE_OK;
  }
  sqlite3_finalize(statement);
  return holds;
}

// SQLite's quick check: "ok", or the first thing it found wrong.
QString quickCheck(sqlite3* db) {
  sqlite3_stmt* statement = nullptr;
  int rc = sqlite3_prepare_v2(db, "PRAGMA quick_check(1)", -1, &statement, nullptr);
  if (rc == SQLITE_OK) rc = sqlite3_step(statement);
  const QString result =
      rc == SQLITE_ROW ? QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)))
                       : QString::fromUtf8(sqlite3_errmsg(db));
  sqlite3_finalize(statement);
  return QString(result).remove(QStringLiteral("*** in database main ***")).simplified();
}

// The files that passed the quick check in this run. The check reads the
// whole file: it runs at the first opening of a file, not at every
// reconnection.
class CheckedFiles {
 public:
  bool contains(const QString& path) {
    const std::lock_guard<std::mutex> lock(mutex_);
    return files_.contains(QFileInfo(path).canonicalFilePath());
  }
  void add(const QString& path) {
    const std::lock_guard<std::mutex> lock(mutex_);
    files_.insert(QFileInfo(path).canonicalFilePath());
  }

 private:
  std::mutex mutex_;
  QSet<QString> files_;
};

CheckedFiles& checkedFiles() {
  static CheckedFiles files;
  return files;
}

// Refuses, before anything is written to it, a file that is no suite
// database or that is damaged.
void verify(sqlite3* db, const QString& path) {
  int rc = SQLITE_OK;
  const bool suite = holdsSuiteTables(db, rc);
  if ((rc & 0xFF) == SQLITE_NOTADB) throw MakeFailure(Condition::NotADatabase, {path});
  if ((rc & 0xFF) == SQLITE_CORRUPT) throw MakeFailure(Condition::Damaged, {path, QString::fromUtf8(sqlite3_errmsg(db))});
  if (rc != SQLITE_OK) throw FailureFromSqlite(db, rc, QString(), false, path);
  if (!suite) throw MakeFailure(Condition::NotASuiteDatabase, {path});
  if (checkedFiles().contains(path)) return;
  const QString check = quickCheck(db);
  if (check != QLatin1String("ok")) throw MakeFailure(Condition::Damaged, {path, check});
  checkedFiles().add(path);
}

// A database that takes no upgrade now (read-only, written by another
// program past the wait, a full disk) stays usable: the program refuses what
// needs it, the log tells why, and a later upgrade may bring it up to date.
// Why, when it did not.
std::optional<Error> upgradeOrReport(sqlite3* db, const QString& path) {
  const std::optional<UpgradeRefused> refused = UpgradeDatabase(db, path);
  if (!refused) return std::nullopt;
  ReportToLog(QStringLiteral("SQLite"),
              QStringLiteral("La base de datos \"%1\" no se pudo poner al día: %2").arg(path, refused->detail));
  return refused->failure.errors.front();
}

}  // namespace

int ConfigureConnection(sqlite3* db) {
  int rc = registerFunctions(db);
  if (rc == SQLITE_OK) rc = setPragmas(db);
  return rc;
}

std::shared_ptr<Database> Database::Open(const QString& path, int commandTimeout,
                                         std::optional<int> waitAllowance) {
  const QFileInfo file(path);
  if (!file.isFile()) throw MakeFailure(Condition::MissingFile, {path});
  // SQLite would take an empty file for a new database and write one into it.
  if (file.size() == 0) throw MakeFailure(Condition::NotASuiteDatabase, {path});
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
  // What an earlier read-only opening left beside the file must not keep
  // this one from writing.
  if (rc == SQLITE_OK && sqlite3_db_readonly(db, "main") == 0) RestoreCompanionFiles(path);
  // The opening waits for another program's writes as the statements do.
  auto waits = std::make_unique<LockWaits>(commandTimeout, waitAllowance);
  if (rc == SQLITE_OK) waits->install(db);
  if (rc == SQLITE_OK) rc = registerFunctions(db);
  try {
    if (rc == SQLITE_OK) verify(db, path);
  } catch (const provider::Failure&) {
    sqlite3_close_v2(db);
    throw;
  }
  if (rc == SQLITE_OK) rc = setPragmas(db);
  if (rc == SQLITE_OK && !waitAllowance) upgradeOrReport(db, path);
  if (rc != SQLITE_OK) {
    provider::Failure failure = (rc & 0xFF) == SQLITE_NOTADB ? MakeFailure(Condition::NotADatabase, {path})
                                                              : FailureFromSqlite(db, rc, QString(), false, path);
    sqlite3_close_v2(db);
    throw failure;
  }
  return std::shared_ptr<Database>(new Database(db, path, std::move(waits)));
}

Database::Database(sqlite3* db, QString path, std::unique_ptr<LockWaits> waits)
    : db_(db), path_(std::move(path)), waits_(std::move(waits)), statements_(db, path_), schema_(db) {}

Database::~Database() {
  statements_.clear();
  sqlite3_close_v2(db_);
}

void Database::schemaChanged() {
  statements_.clear();
  schema_.clear();
}

std::optional<Error> Database::upgrade() {
  std::optional<Error> refused = upgradeOrReport(db_, path_);
  schemaChanged();
  return refused;
}

void Database::checkpoint() const {
  const QString sql = QStringLiteral("CHECKPOINT");
  int frames = 0, copied = 0;
  const int checkpointed = sqlite3_wal_checkpoint_v2(db_, nullptr, SQLITE_CHECKPOINT_PASSIVE, &frames, &copied);
  int rc = checkpointed;
  // Another checkpoint under way, readers holding frames back, or a
  // database file that cannot take them now (a full disk): those frames are
  // made durable in the log itself.
  if (checkpointed != SQLITE_OK || copied < frames) {
    sqlite3_file* log = nullptr;
    const bool logOpen = sqlite3_file_control(db_, "main", SQLITE_FCNTL_JOURNAL_POINTER, &log) == SQLITE_OK && log &&
                         log->pMethods;
    rc = logOpen ? log->pMethods->xSync(log, SQLITE_SYNC_NORMAL) : checkpointed;
  }
  if (rc != SQLITE_OK) throw failure(rc, sql, true);
}

provider::Failure Database::failure(int rc, const QString& sql, bool ran) const {
  return FailureFromSqlite(db_, rc, sql, ran, path_);
}

void Database::expectParameters(sqlite3_stmt* statement, size_t count, const QString& sql) const {
  if (sqlite3_bind_parameter_count(statement) != static_cast<int>(count))
    throw MakeFailure(Condition::OtherStatement,
                      {QStringLiteral("La sentencia espera %1 valores y recibió %2: %3")
                           .arg(sqlite3_bind_parameter_count(statement))
                           .arg(count)
                           .arg(sql)});
}

void Database::bind(const StatementCache::Lease& lease, const std::vector<rt::Variant>& params,
                    const QString& sql) const {
  sqlite3_stmt* statement = lease.get();
  expectParameters(statement, params.size(), sql);
  for (size_t i = 0; i < params.size(); ++i) {
    const int index = static_cast<int>(i) + 1;
    if (int rc = BindValue(statement, index, params[i], lease.boundText(index)); rc != SQLITE_OK)
      throw failure(rc, sql, false);
  }
}

void Database::bind(const StatementCache::Lease& lease, const tsql::CompiledStatement& compiled,
                    const tsql::TokenizedText& text) const {
  sqlite3_stmt* statement = lease.get();
  // Literals written into the text are not bound.
  const size_t count = compiled.inlineLiterals ? 0 : compiled.paramSlots.size();
  expectParameters(statement, count, compiled.sql);
  QString scratch;
  for (size_t i = 0; i < count; ++i) {
    const tsql::LiteralValue value = tsql::ValueOf(text, compiled.paramSlots[i], scratch);
    if (value.type == tsql::LiteralValue::Type::InvalidDate)
      throw MakeStatementFailure(Condition::DateOutOfRange, {}, !sqlite3_stmt_readonly(statement));
    const int index = static_cast<int>(i) + 1;
    if (int rc = BindLiteral(statement, index, value, lease.boundText(index)); rc != SQLITE_OK)
      throw failure(rc, compiled.sql, false);
  }
}

bool Database::step(const StatementCache::Lease& lease, const QString& sql) const {
  const int rc = sqlite3_step(lease.get());
  if (rc == SQLITE_ROW) return true;
  if (rc == SQLITE_DONE) return false;
  throw failure(rc, sql, true);
}

}  // namespace ado::sqlite
