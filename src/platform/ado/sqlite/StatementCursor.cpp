#include "platform/ado/sqlite/StatementCursor.h"

#include <sqlite3.h>

#include <optional>

#include "platform/ado/Constants.h"
#include "platform/ado/provider/BufferedCursor.h"
#include "platform/ado/sqlite/ExpressionTypes.h"
#include "platform/ado/sqlite/Values.h"

namespace ado::sqlite {

namespace {

// The width of a text whose width the statement does not fix: SQL Server's
// own for a VARCHAR given without one.
constexpr long kUnfixedTextWidth = 30;

// The statement's text with the values bound to it written in.
QString expandedSql(sqlite3_stmt* statement) {
  char* expanded = sqlite3_expanded_sql(statement);
  if (!expanded) return QString::fromUtf8(sqlite3_sql(statement));
  QString sql = QString::fromUtf8(expanded);
  sqlite3_free(expanded);
  return sql;
}

// Expression columns have no declared type. A row's value tells the type, as
// it always has; without a row, or when the value is Null (which has no type:
// an aggregate over nothing, a subquery that found nothing), the statement
// does. A text takes the width the statement fixes, or else
// kUnfixedTextWidth, so that a column is never reported 0 wide, nor wider or
// narrower for an empty result than for a full one.
void typeExpressionColumns(sqlite3_stmt* statement, bool hasRow, const SchemaCache& schema,
                           const std::vector<ValueKind>& kinds, std::vector<provider::ColumnInfo>& columns) {
  std::vector<std::optional<ExpressionType>> expected;
  const auto expectedOf = [&](size_t i) -> const std::optional<ExpressionType>& {
    if (expected.empty()) expected = ExpressionTypes(expandedSql(statement), columns.size(), schema);
    return expected[i];
  };
  for (size_t i = 0; i < columns.size(); ++i) {
    if (kinds[i] != ValueKind::Untyped) continue;
    provider::ColumnInfo& c = columns[i];
    if (hasRow && sqlite3_column_type(statement, static_cast<int>(i)) != SQLITE_NULL) {
      c.type = TypeOfValue(statement, static_cast<int>(i));
      c.definedSize = DefinedSizeOfValueType(c.type);
    } else if (const std::optional<ExpressionType>& t = expectedOf(i)) {
      c.type = t->adoType;
      c.definedSize = t->definedSize;
    } else {
      c.type = adVarChar;
      c.definedSize = 0;
    }
    if (c.type == adVarChar && c.definedSize == 0) {
      const std::optional<ExpressionType>& text = expectedOf(i);
      const bool fixed = text && text->adoType == adVarChar && text->definedSize > 0;
      c.definedSize = fixed ? text->definedSize : kUnfixedTextWidth;
    }
  }
}

}  // namespace

StatementCursor::StatementCursor(std::shared_ptr<Database> db, StatementCache::Lease lease, bool hasRow, QString sql)
    : db_(std::move(db)), lease_(std::move(lease)), shape_(lease_.shape()), columns_(&shape_->columns),
      pending_(hasRow), sql_(std::move(sql)) {
  if (shape_->untyped) {
    typedColumns_ = shape_->columns;
    typeExpressionColumns(lease_.get(), hasRow, db_->schema(), shape_->kinds, typedColumns_);
    columns_ = &typedColumns_;
  }
  if (!hasRow) lease_.release();
}

bool StatementCursor::next(std::vector<rt::Variant>& row) {
  if (!lease_) return false;
  if (!pending_) {
    const int rc = sqlite3_step(lease_.get());
    if (rc == SQLITE_DONE) {
      lease_.release();
      return false;
    }
    if (rc != SQLITE_ROW) {
      provider::Failure failure = db_->failure(rc, sql_, true);
      lease_.release();
      throw failure;
    }
  }
  pending_ = false;
  const size_t count = shape_->kinds.size();
  row.resize(count);
  for (size_t i = 0; i < count; ++i) row[i] = ReadValue(lease_.get(), static_cast<int>(i), shape_->kinds[i]);
  return true;
}

std::unique_ptr<provider::Cursor> Buffered(provider::Cursor& rows) {
  std::vector<std::vector<rt::Variant>> all;
  std::vector<rt::Variant> row;
  while (rows.next(row)) all.push_back(std::move(row));
  return std::make_unique<provider::BufferedCursor>(rows.columns(), std::move(all));
}

}  // namespace ado::sqlite
