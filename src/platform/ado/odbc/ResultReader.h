#pragma once
// Reads a driver's result: its columns as the data-access objects describe
// them and all its rows at once, as a client-side cursor does, so the
// connection is free for the next statement (SQL Server through FreeTDS
// serves one active result per connection).
#include <memory>
#include <vector>

#include "platform/ado/odbc/ColumnTypes.h"
#include "platform/ado/provider/Provider.h"

namespace ado::odbc {

class Statement;

struct ResultColumn {
  provider::ColumnInfo info;
  ColumnType type;
};

std::vector<ResultColumn> describeResult(const Statement& statement);

// The current result's rows, read to the end.
std::unique_ptr<provider::Cursor> readResult(const Statement& statement);

// Rows held in memory.
class BufferedRows final : public provider::Cursor {
 public:
  BufferedRows(std::vector<provider::ColumnInfo> columns, std::vector<std::vector<rt::Variant>> rows)
      : columns_(std::move(columns)), rows_(std::move(rows)) {}
  const std::vector<provider::ColumnInfo>& columns() const override { return columns_; }
  bool next(std::vector<rt::Variant>& row) override;
  long long knownCount() const override { return static_cast<long long>(rows_.size()); }

 private:
  std::vector<provider::ColumnInfo> columns_;
  std::vector<std::vector<rt::Variant>> rows_;
  size_t position_ = 0;
};

}  // namespace ado::odbc
