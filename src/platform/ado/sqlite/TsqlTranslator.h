#pragma once
// Turns statements written in SQL Server's dialect into SQLite statements,
// quote-aware at token level. Literals are lifted out as parameters so that
// one translation serves every statement of the same shape (the cache keys
// on the text with its literals blanked out); a literal bound to a date
// column of the schema is turned from 'dd/mm/yyyy' into ISO text.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <vector>

#include "platform/ado/sqlite/DeclaredType.h"
#include "platform/runtime/Variant.h"

namespace ado::sqlite {

// What the translator needs to know of the database.
class SchemaInfo {
 public:
  SchemaInfo();
  virtual ~SchemaInfo() = default;
  // A column's declared type; the untyped kind when the schema has no such column.
  virtual DeclaredType columnType(const QString& table, const QString& column) const = 0;
  bool isDateColumn(const QString& table, const QString& column) const { return columnType(table, column).isDate(); }
  // Columns of a table in their order (for INSERT without a column list).
  virtual QStringList columnsOf(const QString& table) const = 0;

  // Translations are cached per identity: unique to this object, never
  // given to another one.
  uint64_t identity() const { return identity_; }

 protected:
  // To be called when tables or columns change, so that translations made
  // against the old schema are not used again.
  void changed();

 private:
  uint64_t identity_;
};

// A construct that cannot be translated without changing its meaning.
class Unsupported : public std::runtime_error {
 public:
  explicit Unsupported(const QString& what) : std::runtime_error(what.toStdString()), message(what) {}
  QString message;
};

struct Statement {
  enum class Kind {
    Sql,            // run `sql` with `params`
    BeginTran,      // BEGIN TRAN[SACTION]
    CommitTran,     // COMMIT TRAN[SACTION]
    RollbackTran,   // ROLLBACK TRAN[SACTION]
    NoOp,           // accepted and ignored (ALTER TABLE t DISABLE|ENABLE TRIGGER ALL)
    IfExists,       // run `then` when `sql` (with `params`) returns a row, or none with `negate`
    Checkpoint,     // CHECKPOINT: what the database has committed is made durable
  };
  Kind kind = Kind::Sql;
  QString sql;
  std::vector<rt::Variant> params;
  bool negate = false;
  std::vector<Statement> then;
};

// Splits a script into its statements (separated by ";" or by a keyword that
// starts a new statement, as on each line of a batch; never inside quotes or
// parentheses) and translates each. Throws Unsupported; a statement that
// SQL Server refuses too throws the server's error (provider::Failure).
//
// Output: `sql` holds positional "?" placeholders, filled in order by
// `params` (Long or Double for numbers, String for texts: an empty literal is
// an empty, non-null text; dates bound to a date column are ISO text; a
// value written to a whole-number, bit, money or decimal column converted
// for it, see SqlServerConversions.h). A
// string compared with something carries "COLLATE CI_AS". For IfExists,
// `sql`/`params` are the test query and `then` the statements it guards.
// BeginTran/CommitTran/RollbackTran/NoOp/Checkpoint carry no text.
std::vector<Statement> Translate(const QString& tsql, const SchemaInfo& schema);

}  // namespace ado::sqlite
