// The embedded provider: statements in SQL Server's dialect, translated and
// run on an SQLite database file.
#include <sqlite3.h>

#include <QFileInfo>

#include "platform/ado/Constants.h"
#include "platform/ado/provider/Providers.h"
#include "platform/ado/sqlite/Database.h"
#include "platform/ado/sqlite/DatabasePath.h"
#include "platform/ado/sqlite/ErrorMap.h"
#include "platform/ado/sqlite/SchemaRowsets.h"
#include "platform/ado/sqlite/StatementCursor.h"
#include "platform/ado/sqlite/TableWriter.h"
#include "platform/ado/sqlite/TranslationCache.h"
#include "platform/ado/sqlite/TsqlLiteralValue.h"

namespace ado::sqlite {

namespace {

struct Outcome {
  std::unique_ptr<provider::Cursor> rows;
  long long affected = 0;
  bool changedRows = false;  // some statement inserted, updated or deleted
};

class SqliteSession : public provider::Session {
 public:
  SqliteSession(std::shared_ptr<Database> db, QString name) : db_(std::move(db)), name_(std::move(name)) {}
  // Recordsets still holding the database must not keep a transaction of a
  // closed connection open.
  ~SqliteSession() override {
    if (!sqlite3_get_autocommit(db_->handle())) sqlite3_exec(db_->handle(), "ROLLBACK", nullptr, nullptr, nullptr);
  }

  provider::ExecuteResult execute(const QString& sql) override {
    const std::shared_ptr<const tsql::CompiledScript> script = translate(sql);
    Outcome outcome;
    // A single statement streams its rows; inside a script they are read at
    // once, since the statements after it run right away.
    const bool stream = script->size() == 1;
    for (const tsql::CompiledStatement& s : *script) run(s, outcome, stream);
    return {std::move(outcome.rows), outcome.changedRows ? static_cast<long>(outcome.affected) : -1};
  }

  std::unique_ptr<provider::Cursor> open(const QString& sql) override { return execute(sql).rows; }

  std::unique_ptr<provider::RowWriter> writerFor(const QString& sql,
                                                 const std::vector<provider::ColumnInfo>& columns) override {
    for (const tsql::CompiledStatement& s : *translate(sql))
      if (s.kind == Statement::Kind::Sql) return WriterFor(db_, sqlOf(s), columns);
    throw MakeFailure(Condition::Unsupported, {sql});
  }

  std::unique_ptr<provider::Cursor> schema(int schemaKind, const std::vector<rt::Variant>& restrictions) override {
    const bool catalogMatches = restrictions.empty() || restrictions[0].isEmpty() || restrictions[0].isNull() ||
                                namesThisDatabase(restrictions[0].toString());
    if (schemaKind == adSchemaTables) return TablesRowset(db_->schema(), catalog(), restrictions, catalogMatches);
    if (schemaKind == adSchemaColumns) return ColumnsRowset(db_->schema(), catalog(), restrictions, catalogMatches);
    throw MakeFailure(Condition::Unsupported, {QStringLiteral("OpenSchema %1").arg(schemaKind)});
  }

  void beginTransaction() override { begin(); }
  void commitTransaction() override { commit(); }
  void rollbackTransaction() override { rollback(); }
  int transactionLevel() const override { return level_ > 0 && sqlite3_get_autocommit(db_->handle()) ? 0 : level_; }
  bool inTransaction() const override { return level_ > 0 || !sqlite3_get_autocommit(db_->handle()); }

  void setCommandTimeout(int seconds) override { db_->waits().setCommandTimeout(seconds); }
  void setWaitAllowance(std::optional<int> milliseconds) override { db_->waits().setAllowance(milliseconds); }
  std::optional<Error> upgradeDatabase() override { return db_->upgrade(); }

  // Readers never see uncommitted changes of other connections here (WAL
  // gives each statement, or each transaction, the last committed state),
  // and writers never block readers; every level is accepted and kept, and
  // read uncommitted (256) behaves as read committed without the waits.
  void setIsolationLevel(long) override {}

  void setDefaultDatabase(const QString& name) override {
    if (!namesThisDatabase(name)) throw MakeFailure(Condition::UnknownDatabase, {name});
    name_ = name;
  }
  QString defaultDatabase() const override { return name_; }

 private:
  // The statements of `sql`, whose literals stay in text_ until the next
  // translation.
  std::shared_ptr<const tsql::CompiledScript> translate(const QString& sql) {
    try {
      return tsql::TranslateShape(sql, db_->schema(), text_);
    } catch (const Unsupported& e) {
      throw MakeFailure(Condition::Unsupported, {e.message});
    }
  }

  QString sqlOf(const tsql::CompiledStatement& s) const {
    return s.inlineLiterals ? tsql::SqlWithLiterals(s, text_) : s.sql;
  }

  void run(const tsql::CompiledStatement& s, Outcome& outcome, bool stream) {
    switch (s.kind) {
      case Statement::Kind::Sql: return runSql(s, outcome, stream);
      case Statement::Kind::BeginTran: return begin();
      case Statement::Kind::CommitTran: return commit();
      case Statement::Kind::RollbackTran: return rollback();
      case Statement::Kind::NoOp: return;
      case Statement::Kind::Checkpoint: return db_->checkpoint();
      case Statement::Kind::IfExists:
        if (exists(s) != s.negate)
          for (const tsql::CompiledStatement& then : s.then) run(then, outcome, false);
        return;
    }
  }

  void runSql(const tsql::CompiledStatement& s, Outcome& outcome, bool stream) {
    const QString sql = sqlOf(s);
    StatementCache::Lease lease = db_->statements().acquire(sql);
    if (!lease) return;
    db_->bind(lease, s, text_);
    const bool hasRow = db_->step(lease, sql);
    sqlite3_stmt* statement = lease.get();
    if (sqlite3_column_count(statement) > 0) {
      if (outcome.rows) return;  // later row sets of a script are not handed over
      auto rows = std::make_unique<StatementCursor>(db_, std::move(lease), hasRow, sql);
      outcome.rows = stream ? std::move(rows) : Buffered(*rows);
      return;
    }
    if (!sqlite3_stmt_readonly(statement)) {
      outcome.affected += sqlite3_changes(db_->handle());
      outcome.changedRows = true;
    }
    if (lease.changesSchema()) {
      lease.release();
      db_->schemaChanged();
    }
  }

  bool exists(const tsql::CompiledStatement& s) {
    StatementCache::Lease lease = db_->statements().acquire(s.sql);
    if (!lease) return false;
    db_->bind(lease, s, text_);
    return db_->step(lease, s.sql);
  }

  void simple(const char* sql) {
    const QString text = QString::fromLatin1(sql);
    StatementCache::Lease lease = db_->statements().acquire(text);
    db_->step(lease, text);
  }

  // SQL Server's transaction counter: BEGIN nests, COMMIT commits at the
  // outermost level, ROLLBACK undoes everything.
  void syncLevel() {
    if (level_ > 0 && sqlite3_get_autocommit(db_->handle())) level_ = 0;  // SQLite ended it after an error
  }
  void begin() {
    syncLevel();
    if (level_ == 0) simple("BEGIN IMMEDIATE");
    ++level_;
  }
  void commit() {
    syncLevel();
    if (level_ == 0) throw MakeFailure(Condition::CommitWithoutBegin);
    if (level_ == 1) simple("COMMIT");
    --level_;
  }
  void rollback() {
    syncLevel();
    if (level_ == 0) throw MakeFailure(Condition::RollbackWithoutBegin);
    simple("ROLLBACK");
    level_ = 0;
  }

  // The catalogue name: the file's name without its extension.
  QString catalog() const { return QFileInfo(db_->path()).completeBaseName(); }

  bool namesThisDatabase(const QString& name) const {
    const QString trimmed = name.trimmed();
    if (trimmed.compare(name_.trimmed(), Qt::CaseInsensitive) == 0 ||
        trimmed.compare(catalog(), Qt::CaseInsensitive) == 0)
      return true;
    return QFileInfo(ResolveDatabasePath(trimmed)).canonicalFilePath() == QFileInfo(db_->path()).canonicalFilePath();
  }

  std::shared_ptr<Database> db_;
  QString name_;
  int level_ = 0;
  tsql::TokenizedText text_;
};

}  // namespace

}  // namespace ado::sqlite

namespace ado::provider {

std::unique_ptr<Session> openSqliteSession(const ConnectionSpec& spec, int commandTimeout,
                                           std::optional<int> waitAllowance) {
  const QString name = sqlite::DatabaseNameOf(spec);
  if (name.trimmed().isEmpty()) throw sqlite::MakeFailure(sqlite::Condition::NoDatabaseName);
  const QString path = sqlite::ResolveDatabasePath(name);
  auto session =
      std::make_unique<sqlite::SqliteSession>(sqlite::Database::Open(path, commandTimeout, waitAllowance), name);
  if (!sqlite::IsBareDatabaseName(name.trimmed())) sqlite::RememberDatabaseFolder(path);
  return session;
}

}  // namespace ado::provider
