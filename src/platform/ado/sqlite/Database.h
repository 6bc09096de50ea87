#pragma once
// One open connection to an embedded database file, with its prepared
// statements and its schema description. Shared by the session and the
// cursors still reading from it, so it closes after the last of them.
#include <QString>
#include <memory>
#include <optional>

#include "platform/ado/provider/Provider.h"
#include "platform/ado/sqlite/CompiledStatement.h"
#include "platform/ado/sqlite/LockWaits.h"
#include "platform/ado/sqlite/SchemaCache.h"
#include "platform/ado/sqlite/StatementCache.h"
#include "platform/ado/sqlite/TsqlTokenizer.h"

struct sqlite3;

namespace ado::sqlite {

// The settings of every embedded connection (also the schema loader's):
// the collation and functions, WAL journal, synchronous NORMAL, foreign
// keys on. Returns an SQLite result code.
int ConfigureConnection(sqlite3* db);

// Synchronous writes of the connections configured from now on: Normal,
// the program's own durability, or Off, which never waits for the disk.
// Benchmarks switch it off to measure the program's own work.
enum class Synchronous { Normal, Off };
void SetSynchronous(Synchronous mode);

class Database {
 public:
  // Opens an existing suite database; never creates one. A file that is no
  // suite database (empty, some other program's, not SQLite's) or fails the
  // quick check (at its first opening in the run) is refused with a
  // connection error, and nothing is written to it. A database of an
  // earlier build is brought up to the schema (upgrade()), its waits for
  // another program's writes as LockWaits takes `commandTimeout`. An opening
  // under a `waitAllowance`, whose caller shares out the waits, waits within
  // it and leaves the upgrade to the caller's upgrade(). Throws Failure.
  static std::shared_ptr<Database> Open(const QString& path, int commandTimeout,
                                        std::optional<int> waitAllowance);
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  sqlite3* handle() const { return db_; }
  LockWaits& waits() { return *waits_; }
  const QString& path() const { return path_; }
  StatementCache& statements() { return statements_; }
  const SchemaCache& schema() const { return schema_; }
  // After CREATE, ALTER or DROP.
  void schemaChanged();
  // Brings a database of an earlier build up to the schema (UpgradeDatabase
  // of SchemaLoader.h); an upgrade that cannot run now is reported to the
  // provider log, and the database stays as it is; why comes back (the
  // first entry of its failure). Outside a transaction.
  std::optional<Error> upgrade();
  // Makes what the database has committed durable: the write-ahead log is
  // copied into the file, which is then synced; what readers still hold back
  // in the log is synced there. (With synchronous writes off, as benchmarks
  // run, the copy waits for no disk.) Throws Failure.
  void checkpoint() const;

  provider::Failure failure(int rc, const QString& sql, bool ran) const;
  // Binds the parameters of a statement on loan; throws Failure.
  void bind(const StatementCache::Lease& lease, const std::vector<rt::Variant>& params, const QString& sql) const;
  // Binds the literals of `text` to a translated statement on loan.
  void bind(const StatementCache::Lease& lease, const tsql::CompiledStatement& compiled,
            const tsql::TokenizedText& text) const;
  // One step: true with a row, false when the statement is done; throws
  // Failure.
  bool step(const StatementCache::Lease& lease, const QString& sql) const;

 private:
  Database(sqlite3* db, QString path, std::unique_ptr<LockWaits> waits);
  // Throws Failure unless the statement takes `count` values.
  void expectParameters(sqlite3_stmt* statement, size_t count, const QString& sql) const;
  sqlite3* db_;
  QString path_;
  std::unique_ptr<LockWaits> waits_;
  StatementCache statements_;
  SchemaCache schema_;
};

}  // namespace ado::sqlite
