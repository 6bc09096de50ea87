#include "platform/ado/sqlite/StatementCache.h"

#include <sqlite3.h>

#include "platform/ado/sqlite/ErrorMap.h"

namespace ado::sqlite {

namespace {

// Enough for every statement shape of the program; beyond it the idle ones
// are dropped and prepared again when next used.
constexpr qsizetype kCapacity = 512;

bool startsWithWord(const char* sql, const char* word) {
  while (*sql == ' ' || *sql == '\t' || *sql == '\r' || *sql == '\n') ++sql;
  for (; *word; ++word, ++sql)
    if ((*sql & ~0x20) != *word) return false;
  return true;
}

std::shared_ptr<const ResultShape> shapeOf(sqlite3* db, sqlite3_stmt* statement) {
  auto shape = std::make_shared<ResultShape>();
  const int count = sqlite3_column_count(statement);
  for (int i = 0; i < count; ++i) {
    DeclaredType type = ParseDeclaredType(sqlite3_column_decltype(statement, i));
    provider::ColumnInfo c;
    c.name = QString::fromUtf8(sqlite3_column_name(statement, i));
    c.type = type.adoType;
    c.definedSize = type.definedSize;
    c.precision = type.precision;
    c.scale = type.scale;
    const char* table = sqlite3_column_table_name(statement, i);
    const char* origin = sqlite3_column_origin_name(statement, i);
    if (table && origin) {
      c.baseTable = QString::fromUtf8(table);
      c.baseColumn = QString::fromUtf8(origin);
      int notNull = 0, primaryKey = 0;
      if (sqlite3_table_column_metadata(db, sqlite3_column_database_name(statement, i), table, origin, nullptr,
                                        nullptr, &notNull, &primaryKey, nullptr) == SQLITE_OK) {
        c.nullable = !notNull;
        c.key = primaryKey;
      }
    }
    shape->untyped = shape->untyped || type.kind == ValueKind::Untyped;
    shape->columns.push_back(std::move(c));
    shape->kinds.push_back(type.kind);
  }
  return shape;
}

}  // namespace

struct StatementCache::Entry {
  sqlite3* db;
  sqlite3_stmt* statement;
  bool busy = false;
  bool ddl = false;
  std::shared_ptr<const ResultShape> shape;
  // One per parameter, never resized: SQLite holds pointers into them.
  std::vector<std::string> boundTexts;
  ~Entry() { sqlite3_finalize(statement); }
};

StatementCache::Lease& StatementCache::Lease::operator=(Lease&& other) noexcept {
  if (this != &other) {
    release();
    entry_ = std::move(other.entry_);
  }
  return *this;
}

sqlite3_stmt* StatementCache::Lease::get() const { return entry_->statement; }

const std::shared_ptr<const ResultShape>& StatementCache::Lease::shape() const {
  if (!entry_->shape) entry_->shape = shapeOf(entry_->db, entry_->statement);
  return entry_->shape;
}

bool StatementCache::Lease::changesSchema() const { return entry_->ddl; }

std::string& StatementCache::Lease::boundText(int index) const {
  return entry_->boundTexts[static_cast<size_t>(index - 1)];
}

void StatementCache::Lease::release() {
  if (!entry_) return;
  sqlite3_reset(entry_->statement);
  entry_->busy = false;
  entry_.reset();
}

StatementCache::StatementCache(sqlite3* db, QString databasePath) : db_(db), databasePath_(std::move(databasePath)) {}

StatementCache::~StatementCache() = default;

StatementCache::Lease StatementCache::acquire(const QString& sql) {
  auto found = entries_.constFind(sql);
  if (found != entries_.constEnd() && !found.value()->busy) {
    found.value()->busy = true;
    return Lease(found.value());
  }
  const QByteArray text = sql.toUtf8();
  sqlite3_stmt* statement = nullptr;
  const char* tail = nullptr;
  const int rc = sqlite3_prepare_v3(db_, text.constData(), static_cast<int>(text.size()), SQLITE_PREPARE_PERSISTENT,
                                    &statement, &tail);
  if (rc != SQLITE_OK) throw FailureFromSqlite(db_, rc, sql, false, databasePath_);
  if (!statement) return Lease();
  auto entry = std::make_shared<Entry>();
  entry->db = db_;
  entry->statement = statement;
  entry->busy = true;
  entry->boundTexts.resize(static_cast<size_t>(sqlite3_bind_parameter_count(statement)));
  if (tail && !QByteArray(tail).trimmed().isEmpty() && QByteArray(tail).trimmed() != ";")
    throw MakeFailure(Condition::OtherStatement,
                      {QStringLiteral("El texto tiene más de una sentencia: %1").arg(QString::fromUtf8(tail))});
  entry->ddl = !sqlite3_stmt_readonly(statement) &&
               (startsWithWord(text.constData(), "CREATE") || startsWithWord(text.constData(), "DROP") ||
                startsWithWord(text.constData(), "ALTER"));
  if (found == entries_.constEnd()) {
    if (entries_.size() >= kCapacity) {
      for (auto it = entries_.begin(); it != entries_.end();) it = it.value()->busy ? std::next(it) : entries_.erase(it);
    }
    entries_.insert(sql, entry);
  }
  return Lease(std::move(entry));
}

void StatementCache::clear() { entries_.clear(); }

}  // namespace ado::sqlite
