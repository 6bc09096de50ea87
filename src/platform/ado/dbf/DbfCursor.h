#pragma once
// The rows of one table for a forward-only, read-only recordset.
#include <memory>

#include "platform/ado/dbf/TableReader.h"
#include "platform/ado/provider/Provider.h"

namespace ado::dbf {

class DbfCursor : public provider::Cursor {
 public:
  explicit DbfCursor(std::unique_ptr<TableReader> reader);

  const std::vector<provider::ColumnInfo>& columns() const override { return columns_; }
  bool next(std::vector<rt::Variant>& row) override { return reader_->next(row); }
  // The live records (deleted ones left out); -1 when the file can no
  // longer be read.
  long long knownCount() const override;
  // The record's number in the table, deleted records counted.
  rt::Variant bookmark() const override;
  // A damaged record is reported once and passed over.
  bool continuesAfterFailure() const override { return true; }

  const TableReader& reader() const { return *reader_; }

 private:
  std::unique_ptr<TableReader> reader_;
  std::vector<provider::ColumnInfo> columns_;
};

}  // namespace ado::dbf
