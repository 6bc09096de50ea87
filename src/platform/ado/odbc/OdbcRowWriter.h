#pragma once
// Writes the rows of an updatable recordset to its one base table with
// INSERT and UPDATE statements. An updated row is found by its primary key
// (SQLPrimaryKeys) or, without one, by all its original values (Null
// compared with IS NULL); a row that cannot be found, or a keyless row that
// matches several, is not written and the update fails. Columns that are not
// the table's (expressions) are never written.
#include <memory>
#include <optional>
#include <vector>

#include "platform/ado/odbc/Catalog.h"
#include "platform/ado/provider/Provider.h"

namespace ado::odbc {

class Link;
class Parameters;

class OdbcRowWriter final : public provider::RowWriter {
 public:
  // Never fails for a statement that is not updatable: the first write does.
  static std::unique_ptr<OdbcRowWriter> create(std::shared_ptr<Link> link, const QString& sql,
                                               const std::vector<provider::ColumnInfo>& columns);

  std::vector<rt::Variant> insert(const std::vector<provider::ColumnInfo>& columns, const std::vector<rt::Variant>& values,
                                  const std::vector<bool>& assigned) override;
  std::vector<rt::Variant> update(const std::vector<provider::ColumnInfo>& columns, const std::vector<rt::Variant>& original,
                                  const std::vector<rt::Variant>& values, const std::vector<bool>& changed) override;

 private:
  OdbcRowWriter(std::shared_ptr<Link> link, const QString& sql) : link_(std::move(link)), sql_(sql) {}
  void requireTable() const;
  QString quoted(const QString& identifier) const;
  QString tableReference() const;
  // `where` and `parameters` select the row whose values are `row`: by key,
  // or by every comparable column.
  void rowCondition(const std::vector<rt::Variant>& row, QString& where, Parameters& parameters) const;
  // The row as stored, found by its key; `fallback` when it cannot be read.
  std::vector<rt::Variant> reread(const std::vector<rt::Variant>& keyRow, std::vector<rt::Variant> fallback) const;
  provider::ExecuteResult run(const QString& sql, const Parameters& parameters) const;

  std::shared_ptr<Link> link_;
  QString sql_;
  std::optional<ObjectName> table_;
  std::vector<ColumnRow> tableColumns_;
  // For each recordset column, its column of the table; -1 for expressions.
  std::vector<int> target_;
  std::vector<size_t> keyColumns_;  // recordset positions of the key
};

}  // namespace ado::odbc
