#pragma once
// Rows already held in memory, handed over as a cursor (schema rowsets, the
// rows of a statement inside a script that goes on running).
#include <vector>

#include "platform/ado/provider/Provider.h"

namespace ado::provider {

class BufferedCursor : public Cursor {
 public:
  BufferedCursor(std::vector<ColumnInfo> columns, std::vector<std::vector<rt::Variant>> rows)
      : columns_(std::move(columns)), rows_(std::move(rows)) {}
  const std::vector<ColumnInfo>& columns() const override { return columns_; }
  bool next(std::vector<rt::Variant>& row) override {
    if (next_ >= rows_.size()) return false;
    row = std::move(rows_[next_++]);
    return true;
  }
  long long knownCount() const override { return static_cast<long long>(rows_.size()); }

 private:
  std::vector<ColumnInfo> columns_;
  std::vector<std::vector<rt::Variant>> rows_;
  size_t next_ = 0;
};

}  // namespace ado::provider
