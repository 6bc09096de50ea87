#include "platform/ado/sqlite/StatementCursor.h"

#include <sqlite3.h>

#include "platform/ado/provider/BufferedCursor.h"
#include "platform/ado/sqlite/Values.h"

namespace ado::sqlite {

StatementCursor::StatementCursor(std::shared_ptr<Database> db, StatementCache::Lease lease, bool hasRow, QString sql)
    : db_(std::move(db)), lease_(std::move(lease)), shape_(lease_.shape()), columns_(&shape_->columns),
      pending_(hasRow), sql_(std::move(sql)) {
  if (shape_->untyped && hasRow) {
    typedColumns_ = shape_->columns;
    for (size_t i = 0; i < typedColumns_.size(); ++i)
      if (shape_->kinds[i] == ValueKind::Untyped) {
        typedColumns_[i].type = TypeOfValue(lease_.get(), static_cast<int>(i));
        typedColumns_[i].definedSize = DefinedSizeOfValueType(typedColumns_[i].type);
      }
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
