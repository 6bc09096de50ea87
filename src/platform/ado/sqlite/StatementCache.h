#pragma once
// Prepared statements of one connection, kept by their text: the same
// translated text is prepared once and then only bound, stepped and reset.
// A statement still being read (an open recordset) is lent out; a second
// user of the same text meanwhile gets a fresh statement of its own.
#include <QHash>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "platform/ado/provider/Provider.h"
#include "platform/ado/sqlite/DeclaredType.h"

struct sqlite3;
struct sqlite3_stmt;

namespace ado::sqlite {

// The result columns of a prepared statement, worked out once.
struct ResultShape {
  std::vector<provider::ColumnInfo> columns;
  std::vector<ValueKind> kinds;
  bool untyped = false;  // some column has no declared type
};

class StatementCache {
 public:
  struct Entry;

  // A prepared statement on loan; returned (reset) when the lease ends. Its
  // bindings stay: every user binds all its parameters before stepping.
  class Lease {
   public:
    Lease() = default;
    explicit Lease(std::shared_ptr<Entry> entry) : entry_(std::move(entry)) {}
    Lease(Lease&&) noexcept = default;
    Lease& operator=(Lease&& other) noexcept;
    ~Lease() { release(); }

    // False for a text without any statement (blanks, a comment).
    explicit operator bool() const { return entry_ != nullptr; }
    sqlite3_stmt* get() const;
    // Columns of a statement that returns rows (kept by its readers beyond
    // the loan).
    const std::shared_ptr<const ResultShape>& shape() const;
    // CREATE, ALTER or DROP: cached shapes and table descriptions go stale.
    bool changesSchema() const;
    // Where the text bound to parameter `index` (from 1) is kept: the
    // statement's own, bound without a copy and reused from one use to the
    // next.
    std::string& boundText(int index) const;
    void release();

   private:
    std::shared_ptr<Entry> entry_;
  };

  StatementCache(sqlite3* db, QString databasePath);
  ~StatementCache();
  StatementCache(const StatementCache&) = delete;
  StatementCache& operator=(const StatementCache&) = delete;

  // Throws Failure when the text does not compile or holds more than one
  // statement (splitting scripts is the translator's work).
  Lease acquire(const QString& sql);
  void clear();

 private:
  sqlite3* db_;
  QString databasePath_;
  QHash<QString, std::shared_ptr<Entry>> entries_;
};

}  // namespace ado::sqlite
