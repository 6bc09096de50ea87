#include "platform/ado/odbc/OdbcRowWriter.h"

#include <QStringList>

#include "platform/ado/Constants.h"
#include "platform/ado/odbc/BaseTable.h"
#include "platform/ado/odbc/Batch.h"
#include "platform/ado/odbc/Diagnostics.h"
#include "platform/ado/odbc/Link.h"
#include "platform/ado/odbc/Parameters.h"
#include "platform/ado/odbc/Statement.h"

namespace ado::odbc {

namespace {

// ADO's "row cannot be located for updating".
constexpr long kRowNotFound = -2147217864;

// The table the driver names for the columns, when they all name the same.
QString driverBaseTable(const std::vector<provider::ColumnInfo>& columns, bool& several) {
  QString table;
  several = false;
  for (const provider::ColumnInfo& c : columns) {
    if (c.baseTable.isEmpty()) continue;
    if (table.isEmpty())
      table = c.baseTable;
    else if (c.baseTable.compare(table, Qt::CaseInsensitive) != 0)
      several = true;
  }
  return table;
}

std::optional<ObjectName> baseTableOf(const QString& sql, const std::vector<provider::ColumnInfo>& columns) {
  bool several = false;
  const QString named = driverBaseTable(columns, several);
  if (several) return std::nullopt;
  std::optional<ObjectName> parsed = singleTable(sql);
  if (parsed && (named.isEmpty() || parsed->name.compare(named, Qt::CaseInsensitive) == 0)) return parsed;
  if (!named.isEmpty()) return ObjectName{QString(), QString(), named};
  return std::nullopt;
}

// SQL Server cannot compare its old large types with "=".
bool comparable(const ColumnRow& c) {
  const QString type = c.typeName.trimmed().toLower();
  return type != u"text" && type != u"ntext" && type != u"image";
}

}  // namespace

std::unique_ptr<OdbcRowWriter> OdbcRowWriter::create(std::shared_ptr<Link> link, const QString& sql,
                                                     const std::vector<provider::ColumnInfo>& columns) {
  std::unique_ptr<OdbcRowWriter> w(new OdbcRowWriter(std::move(link), sql));
  w->target_.assign(columns.size(), -1);
  std::optional<ObjectName> table = baseTableOf(sql, columns);
  if (!table) return w;
  std::vector<ColumnRow> tableColumns = catalogColumns(*w->link_, *table);
  if (tableColumns.empty()) return w;
  // A name found in several schemas: the first one's columns.
  if (table->schema.isEmpty()) table->schema = tableColumns.front().schema;
  std::erase_if(tableColumns, [&](const ColumnRow& c) { return c.schema.compare(table->schema, Qt::CaseInsensitive) != 0; });
  table->name = tableColumns.front().table;
  w->table_ = table;
  w->tableColumns_ = std::move(tableColumns);

  for (size_t i = 0; i < columns.size(); ++i) {
    const QString name = columns[i].baseColumn.isEmpty() ? columns[i].name : columns[i].baseColumn;
    for (size_t k = 0; k < w->tableColumns_.size(); ++k)
      if (w->tableColumns_[k].name.compare(name, Qt::CaseInsensitive) == 0) {
        w->target_[i] = static_cast<int>(k);
        break;
      }
  }
  for (const QString& key : primaryKey(*w->link_, *w->table_)) {
    size_t found = columns.size();
    for (size_t i = 0; i < columns.size() && found == columns.size(); ++i)
      if (w->target_[i] >= 0 && w->tableColumns_[w->target_[i]].name.compare(key, Qt::CaseInsensitive) == 0) found = i;
    if (found == columns.size()) {  // a key the recordset does not carry: find rows by their values
      w->keyColumns_.clear();
      break;
    }
    w->keyColumns_.push_back(found);
  }
  return w;
}

void OdbcRowWriter::requireTable() const {
  if (!table_)
    throw providerFailure(errnum::NotSupported,
                          QStringLiteral("No se pueden guardar cambios en este conjunto de registros: su consulta no lee "
                                         "una sola tabla conocida de la base de datos."));
}

QString OdbcRowWriter::quoted(const QString& identifier) const {
  return quoteIdentifier(identifier, link_->dbms() == Dbms::SqlServer ? QStringLiteral("[") : link_->identifierQuote());
}

QString OdbcRowWriter::tableReference() const {
  QStringList parts;
  for (const QString& p : {table_->catalog, table_->schema, table_->name})
    if (!p.isEmpty()) parts << quoted(p);
  return parts.join(u'.');
}

provider::ExecuteResult OdbcRowWriter::run(const QString& sql, const Parameters& parameters) const {
  const Statement st = link_->statement();
  parameters.bind(st);
  return runBatch(st, sql);
}

void OdbcRowWriter::rowCondition(const std::vector<rt::Variant>& row, QString& where, Parameters& parameters) const {
  std::vector<size_t> positions = keyColumns_;
  if (positions.empty())
    for (size_t i = 0; i < target_.size(); ++i)
      if (target_[i] >= 0 && comparable(tableColumns_[target_[i]])) positions.push_back(i);
  if (positions.empty())
    throw providerFailure(errnum::E_FAIL, QStringLiteral("No hay columnas con las que ubicar la fila en %1.").arg(table_->name));
  QStringList conditions;
  for (size_t i : positions) {
    const ColumnRow& column = tableColumns_[target_[i]];
    if (row[i].isNull() || row[i].isEmpty()) {
      conditions << quoted(column.name) + QStringLiteral(" IS NULL");
    } else {
      conditions << quoted(column.name) + QStringLiteral(" = ?");
      parameters.add(row[i], column);
    }
  }
  where = conditions.join(QStringLiteral(" AND "));
}

std::vector<rt::Variant> OdbcRowWriter::insert(const std::vector<provider::ColumnInfo>&, const std::vector<rt::Variant>& values,
                                               const std::vector<bool>& assigned) {
  requireTable();
  QStringList names, marks;
  Parameters parameters;
  std::vector<rt::Variant> row(values.size(), rt::Variant(rt::Null{}));
  for (size_t i = 0; i < values.size(); ++i) {
    if (!assigned[i]) continue;
    row[i] = values[i];
    if (target_[i] < 0) continue;
    names << quoted(tableColumns_[target_[i]].name);
    marks << QStringLiteral("?");
    parameters.add(values[i], tableColumns_[target_[i]]);
  }
  QString sql = QStringLiteral("INSERT INTO ") + tableReference();
  sql += names.isEmpty() ? QStringLiteral(" DEFAULT VALUES")
                         : QStringLiteral(" (") + names.join(QStringLiteral(", ")) + QStringLiteral(") VALUES (") +
                               marks.join(QStringLiteral(", ")) + u')';

  // A single key left to the database (identity, rowid) is read back.
  const bool generated = keyColumns_.size() == 1 && !assigned[keyColumns_.front()];
  const bool sqlServerIdentity = generated && link_->dbms() == Dbms::SqlServer;
  if (sqlServerIdentity) sql += QStringLiteral("\nSELECT SCOPE_IDENTITY()");  // same scope as the insert
  provider::ExecuteResult inserted = run(sql, parameters);

  if (keyColumns_.empty()) return row;
  if (generated) {
    std::unique_ptr<provider::Cursor> id = std::move(inserted.rows);
    if (!sqlServerIdentity && link_->dbms() == Dbms::Sqlite)
      id = run(QStringLiteral("SELECT last_insert_rowid()"), Parameters()).rows;
    std::vector<rt::Variant> value;
    if (!id || !id->next(value) || value.empty() || value.front().isNull()) return row;
    row[keyColumns_.front()] = value.front();
  }
  return reread(row, row);
}

std::vector<rt::Variant> OdbcRowWriter::update(const std::vector<provider::ColumnInfo>&, const std::vector<rt::Variant>& original,
                                               const std::vector<rt::Variant>& values, const std::vector<bool>& changed) {
  requireTable();
  std::vector<rt::Variant> row = original;
  QStringList assignments;
  Parameters parameters;
  for (size_t i = 0; i < values.size(); ++i) {
    if (!changed[i]) continue;
    row[i] = values[i];
    if (target_[i] < 0) continue;
    assignments << quoted(tableColumns_[target_[i]].name) + QStringLiteral(" = ?");
    parameters.add(values[i], tableColumns_[target_[i]]);
  }
  if (assignments.isEmpty()) return row;

  QString where;
  rowCondition(original, where, parameters);
  if (keyColumns_.empty()) {
    // Without a key the values must single the row out.
    QString countWhere;
    Parameters countParameters;
    rowCondition(original, countWhere, countParameters);
    std::unique_ptr<provider::Cursor> count =
        run(QStringLiteral("SELECT COUNT(*) FROM ") + tableReference() + QStringLiteral(" WHERE ") + countWhere,
            countParameters)
            .rows;
    std::vector<rt::Variant> n;
    const long matches = count && count->next(n) && !n.empty() ? n.front().toLong() : 0;
    if (matches > 1)
      throw providerFailure(errnum::E_FAIL,
                            QStringLiteral("La tabla %1 no tiene clave primaria y %2 filas tienen los mismos valores que la "
                                           "fila a modificar; no se modificó ninguna.")
                                .arg(table_->name)
                                .arg(matches));
  }
  const long affected = run(QStringLiteral("UPDATE ") + tableReference() + QStringLiteral(" SET ") +
                                assignments.join(QStringLiteral(", ")) + QStringLiteral(" WHERE ") + where,
                            parameters)
                            .recordsAffected;
  if (affected == 0)
    throw providerFailure(kRowNotFound, QStringLiteral("No se encontró la fila a modificar en %1: otro usuario pudo haberla "
                                                       "modificado o borrado.")
                                            .arg(table_->name));
  return keyColumns_.empty() ? row : reread(row, row);
}

std::vector<rt::Variant> OdbcRowWriter::reread(const std::vector<rt::Variant>& keyRow, std::vector<rt::Variant> fallback) const {
  QStringList names;
  std::vector<size_t> positions;
  for (size_t i = 0; i < target_.size(); ++i)
    if (target_[i] >= 0) {
      names << quoted(tableColumns_[target_[i]].name);
      positions.push_back(i);
    }
  QString where;
  Parameters parameters;
  rowCondition(keyRow, where, parameters);
  std::unique_ptr<provider::Cursor> rows = run(QStringLiteral("SELECT ") + names.join(QStringLiteral(", ")) +
                                                   QStringLiteral(" FROM ") + tableReference() + QStringLiteral(" WHERE ") + where,
                                               parameters)
                                               .rows;
  std::vector<rt::Variant> stored;
  if (!rows || !rows->next(stored)) return fallback;
  for (size_t k = 0; k < positions.size() && k < stored.size(); ++k) fallback[positions[k]] = stored[k];
  return fallback;
}

}  // namespace ado::odbc
