#pragma once
// The rows of a running statement, read as the recordset moves. Holds the
// statement on loan until the last row (or until it is dropped), and the
// database, so that closing the connection first is safe.
#include <memory>

#include "platform/ado/provider/Provider.h"
#include "platform/ado/sqlite/Database.h"

namespace ado::sqlite {

class StatementCursor : public provider::Cursor {
 public:
  // `lease` has been stepped once; `hasRow` tells whether that gave a row.
  StatementCursor(std::shared_ptr<Database> db, StatementCache::Lease lease, bool hasRow, QString sql);
  const std::vector<provider::ColumnInfo>& columns() const override { return *columns_; }
  bool next(std::vector<rt::Variant>& row) override;

 private:
  std::shared_ptr<Database> db_;
  StatementCache::Lease lease_;
  std::shared_ptr<const ResultShape> shape_;
  const std::vector<provider::ColumnInfo>* columns_;
  std::vector<provider::ColumnInfo> typedColumns_;  // with the types of the expression columns
  bool pending_;
  QString sql_;
};

// Reads every remaining row into memory.
std::unique_ptr<provider::Cursor> Buffered(provider::Cursor& rows);

}  // namespace ado::sqlite
