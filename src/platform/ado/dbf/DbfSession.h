#pragma once
// A connection on a folder of dBase and FoxPro tables: read-only, one table
// per statement ("Select * from T" or "Select * from [T]").
//
// Connection string (ado::provider::openDbfSession): "Data Source" is the
// folder ("/" or "\" separators, a final one allowed); "CodePage=N"
// (optional, Windows numbering: 850, 1252, 28591 ...) reads every table in
// that code page whatever its header mark says. Other keys are ignored.
#include <QString>
#include <optional>

#include "platform/ado/provider/Provider.h"

namespace ado::dbf {

class DbfSession : public provider::Session {
 public:
  // `folder` must be one whose files can be listed; `codePage`, when given,
  // replaces the code page that each table's header names.
  DbfSession(QString folder, std::optional<int> codePage);

  provider::ExecuteResult execute(const QString& sql) override;
  std::unique_ptr<provider::Cursor> open(const QString& sql) override;
  // Raises NotSupported: the tables are read-only.
  std::unique_ptr<provider::RowWriter> writerFor(const QString& sql,
                                                 const std::vector<provider::ColumnInfo>& columns) override;
  // adSchemaTables: the folder's .DBF files (TABLE_NAME without extension).
  std::unique_ptr<provider::Cursor> schema(int schemaKind, const std::vector<rt::Variant>& restrictions) override;
  // Nothing is ever written, so transactions have nothing to hold; they
  // are only counted, as on the other providers.
  void beginTransaction() override { ++level_; }
  void commitTransaction() override {
    if (level_ > 0) --level_;
  }
  void rollbackTransaction() override { level_ = 0; }
  int transactionLevel() const override { return level_; }
  bool inTransaction() const override { return level_ > 0; }
  void setCommandTimeout(int) override {}
  void setWaitAllowance(std::optional<int>) override {}
  std::optional<Error> upgradeDatabase() override { return std::nullopt; }
  void setIsolationLevel(long) override {}
  void setDefaultDatabase(const QString&) override {}
  QString defaultDatabase() const override { return folder_; }

 private:
  std::unique_ptr<provider::Cursor> openTable(const QString& table);

  QString folder_;
  std::optional<int> codePage_;
  int level_ = 0;
};

}  // namespace ado::dbf
