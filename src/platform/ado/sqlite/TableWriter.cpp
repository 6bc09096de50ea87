#include "platform/ado/sqlite/TableWriter.h"

#include <sqlite3.h>

#include <QRegularExpression>

#include "platform/ado/sqlite/ErrorMap.h"
#include "platform/ado/sqlite/Values.h"

namespace ado::sqlite {

namespace {

using Row = std::vector<rt::Variant>;

QString quoted(const QString& name) { return u'"' + QString(name).replace(u'"', QLatin1String("\"\"")) + u'"'; }

class TableWriter : public provider::RowWriter {
 public:
  TableWriter(std::shared_ptr<Database> db, const TableDef& table, const std::vector<provider::ColumnInfo>& columns)
      : db_(std::move(db)), tableName_(table.name), table_(quoted(table.name)) {
    bool keyComplete = true;
    for (const ColumnDef& c : table.columns) {
      if (!c.primaryKey) continue;
      auto at = std::find_if(columns.begin(), columns.end(), [&](const provider::ColumnInfo& info) {
        return writes(info, table) == &c;
      });
      if (at == columns.end()) keyComplete = false;
      else key_.push_back(static_cast<size_t>(at - columns.begin()));
    }
    if (!keyComplete) key_.clear();
    for (const provider::ColumnInfo& info : columns) {
      const ColumnDef* target = writes(info, table);
      targets_.push_back(target ? target->name : QString());
      kinds_.push_back(target ? target->type.kind : ValueKind::Untyped);
    }
  }

  Row insert(const std::vector<provider::ColumnInfo>& columns, const Row& values,
             const std::vector<bool>& assigned) override {
    QStringList names, marks;
    Row params;
    for (size_t i = 0; i < values.size(); ++i) {
      if (!assigned[i]) continue;
      names << quoted(writableTarget(columns, i));
      marks << QStringLiteral("?");
      params.push_back(values[i]);
    }
    const QString sql = names.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(table_)
                                        : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                              .arg(table_, names.join(u','), marks.join(u','));
    run(sql, params);
    return reread(sqlite3_last_insert_rowid(db_->handle()), values);
  }

  Row update(const std::vector<provider::ColumnInfo>& columns, const Row& original, const Row& values,
             const std::vector<bool>& changed) override {
    const sqlite3_int64 rowid = locate(original);
    QStringList sets;
    Row params;
    for (size_t i = 0; i < values.size(); ++i) {
      if (!changed[i]) continue;
      sets << quoted(writableTarget(columns, i)) + QStringLiteral("=?");
      params.push_back(values[i]);
    }
    params.push_back(static_cast<int64_t>(rowid));
    run(QStringLiteral("UPDATE %1 SET %2 WHERE rowid=?").arg(table_, sets.join(u',')), params);
    return reread(rowid, values);
  }

 private:
  // The table column a recordset column comes from, if any.
  static const ColumnDef* writes(const provider::ColumnInfo& info, const TableDef& table) {
    if (!info.baseTable.isEmpty())
      return info.baseTable.compare(table.name, Qt::CaseInsensitive) == 0 ? table.column(info.baseColumn) : nullptr;
    return table.column(info.name);  // through a view that hides where its columns come from
  }

  const QString& writableTarget(const std::vector<provider::ColumnInfo>& columns, size_t i) const {
    if (targets_[i].isEmpty())
      throw MakeFailure(Condition::OtherStatement,
                        {QStringLiteral("La columna %1 no pertenece a la tabla %2 y no se puede modificar.")
                             .arg(columns[i].name, tableName_)});
    return targets_[i];
  }

  void run(const QString& sql, const Row& params) {
    StatementCache::Lease lease = db_->statements().acquire(sql);
    db_->bind(lease, params, sql);
    while (db_->step(lease, sql)) {
    }
  }

  // The rowid of the row read as `original`: by the primary key, otherwise
  // by every column of the table the recordset holds.
  sqlite3_int64 locate(const Row& original) {
    QStringList conditions;
    Row params;
    auto match = [&](size_t i, const char* op) {
      conditions << quoted(targets_[i]) + QLatin1String(op) + u'?';
      params.push_back(original[i]);
    };
    if (!key_.empty()) {
      for (size_t i : key_) match(i, "=");
    } else {
      for (size_t i = 0; i < targets_.size(); ++i)
        if (!targets_[i].isEmpty()) match(i, " IS ");
    }
    const QString sql =
        QStringLiteral("SELECT rowid FROM %1 WHERE %2 LIMIT 1").arg(table_, conditions.join(QLatin1String(" AND ")));
    StatementCache::Lease lease = db_->statements().acquire(sql);
    db_->bind(lease, params, sql);
    if (!db_->step(lease, sql)) throw MakeFailure(Condition::RowChanged, {tableName_});
    return sqlite3_column_int64(lease.get(), 0);
  }

  // The row as stored (defaults and computed keys filled in).
  Row reread(sqlite3_int64 rowid, Row values) {
    QStringList names;
    std::vector<size_t> at;
    for (size_t i = 0; i < targets_.size(); ++i) {
      if (targets_[i].isEmpty()) continue;
      names << quoted(targets_[i]);
      at.push_back(i);
    }
    if (names.isEmpty()) return values;
    const QString sql = QStringLiteral("SELECT %1 FROM %2 WHERE rowid=?").arg(names.join(u','), table_);
    StatementCache::Lease lease = db_->statements().acquire(sql);
    db_->bind(lease, {static_cast<int64_t>(rowid)}, sql);
    if (db_->step(lease, sql))
      for (size_t k = 0; k < at.size(); ++k) values[at[k]] = ReadValue(lease.get(), static_cast<int>(k), kinds_[at[k]]);
    return values;
  }

  std::shared_ptr<Database> db_;
  QString tableName_;
  QString table_;                // quoted
  std::vector<QString> targets_;  // per recordset column: the table column it writes, empty when none
  std::vector<ValueKind> kinds_;
  std::vector<size_t> key_;       // recordset columns holding the whole primary key
};

// The object the translated statement reads: the first name after FROM (a
// name holding "]" stands in grave accents).
QString sourceObject(const QString& sql) {
  static const QRegularExpression from(
      QStringLiteral(R"(\bFROM\s+((?:\[[^\]]+\]|"(?:[^"]|"")+"|`(?:[^`]|``)+`|[\w.]+)(?:\.(?:\[[^\]]+\]|\w+))?))"),
      QRegularExpression::CaseInsensitiveOption);
  return PlainObjectName(from.match(sql).captured(1));
}

}  // namespace

std::unique_ptr<provider::RowWriter> WriterFor(std::shared_ptr<Database> db, const QString& sql,
                                               const std::vector<provider::ColumnInfo>& columns) {
  const SchemaCache& schema = db->schema();
  const QString source = sourceObject(sql);
  const TableDef* table = nullptr;
  if (source.startsWith(QLatin1String("SS_"), Qt::CaseInsensitive)) table = schema.table(source.mid(3));
  if (!table) table = schema.table(source);
  if (table && table->isView) {
    table = nullptr;
    for (const provider::ColumnInfo& c : columns)
      if (!c.baseTable.isEmpty() && (table = schema.table(c.baseTable))) break;
  }
  if (!table || table->isView)
    throw MakeFailure(Condition::OtherStatement,
                      {QStringLiteral("Las filas de esta sentencia no se pueden modificar: %1").arg(sql)});
  return std::make_unique<TableWriter>(std::move(db), *table, columns);
}

}  // namespace ado::sqlite
