#pragma once
// Tables and views of the embedded database as PRAGMA table_info describes
// them, read once per table and kept until a statement changes the schema.
// Serves the dialect translator (column types, column order) and the
// writer of updatable recordsets (keys).
#include <QHash>
#include <QString>
#include <memory>
#include <vector>

#include "platform/ado/sqlite/DeclaredType.h"
#include "platform/ado/sqlite/TsqlTranslator.h"

struct sqlite3;

namespace ado::sqlite {

struct ColumnDef {
  QString name;
  QString declared;  // the declared type as written
  DeclaredType type;
  bool notNull = false;
  bool primaryKey = false;
  bool hasDefault = false;
  QString defaultText;
  QString collation;  // "CI_AS" on every text column of the schema
};

struct TableDef {
  QString name;  // as the schema spells it
  bool isView = false;
  QString definition;  // a view's CREATE VIEW statement
  std::vector<ColumnDef> columns;
  // Without regard to case.
  const ColumnDef* column(const QString& name) const;
  // Positions in `columns` by case-folded name: the translator asks for a
  // column of every literal it binds.
  QHash<QString, size_t> positions;
};

// "[dbo].[T]", "dbo.T", "\"T\"" and "T" all name the table T; "[a]]b]" and
// "`a]b`" name the table a]b.
QString PlainObjectName(const QString& name);

class SchemaCache : public SchemaInfo {
 public:
  explicit SchemaCache(sqlite3* db) : db_(db) {}
  // Null when no table or view has that name.
  const TableDef* table(const QString& name) const;
  DeclaredType columnType(const QString& table, const QString& column) const override;
  QStringList columnsOf(const QString& table) const override;
  // Names of every table and view, in the order of the schema.
  std::vector<std::pair<QString, bool /*view*/>> objects() const;
  void clear() {
    tables_.clear();
    last_ = nullptr;
    changed();  // translations made for the old shape of the schema no longer hold
  }

 private:
  sqlite3* db_;
  mutable QHash<QString, std::shared_ptr<const TableDef>> tables_;  // by lower-case name
  // The table asked for last, by the name as asked: a statement's literals
  // ask for one table over and over.
  mutable QString lastName_;
  mutable const TableDef* last_ = nullptr;
};

}  // namespace ado::sqlite
