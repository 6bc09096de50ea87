#include "platform/ado/sqlite/SchemaCache.h"

#include <sqlite3.h>

#include "platform/ado/sqlite/TsqlTokenizer.h"

namespace ado::sqlite {

namespace {

QString columnText(sqlite3_stmt* statement, int column) {
  return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
                           sqlite3_column_bytes(statement, column));
}

// Runs a query with one text parameter and hands each row to `row`.
template <class F>
void query(sqlite3* db, const char* sql, const QString& parameter, F row) {
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK) return;
  const QByteArray p = parameter.toUtf8();
  if (!parameter.isNull()) sqlite3_bind_text(statement, 1, p.constData(), static_cast<int>(p.size()), SQLITE_STATIC);
  while (sqlite3_step(statement) == SQLITE_ROW) row(statement);
  sqlite3_finalize(statement);
}

}  // namespace

QString PlainObjectName(const QString& name) {
  QString n = name.trimmed();
  if (n.startsWith(QLatin1String("[dbo]."), Qt::CaseInsensitive)) n = n.mid(6);
  if (n.startsWith(QLatin1String("dbo."), Qt::CaseInsensitive)) n = n.mid(4);
  if (n.size() >= 2 && n.front() == u'[' && n.back() == u']') return tsql::NameOfToken(n, tsql::TokenKind::Bracketed);
  if (n.size() >= 2 && n.front() == u'"' && n.back() == u'"') return tsql::NameOfToken(n, tsql::TokenKind::QuotedName);
  if (n.size() >= 2 && n.front() == u'`' && n.back() == u'`')
    return n.mid(1, n.size() - 2).replace(QStringLiteral("``"), QStringLiteral("`"));
  return n;
}

const ColumnDef* TableDef::column(const QString& name) const {
  const auto found = positions.constFind(name.toCaseFolded());
  return found == positions.constEnd() ? nullptr : &columns[*found];
}

const TableDef* SchemaCache::table(const QString& name) const {
  if (last_ && name == lastName_) return last_;
  const QString plain = PlainObjectName(name);
  const QString key = plain.toLower();
  if (auto found = tables_.constFind(key); found != tables_.constEnd()) {
    lastName_ = name;
    return last_ = found.value().get();
  }
  auto def = std::make_shared<TableDef>();
  query(db_, "SELECT name, type, sql FROM sqlite_schema WHERE type IN ('table','view') AND name = ?1 COLLATE NOCASE",
        plain, [&](sqlite3_stmt* s) {
          def->name = columnText(s, 0);
          def->isView = columnText(s, 1) == QLatin1String("view");
          if (def->isView) def->definition = columnText(s, 2);
        });
  if (def->name.isEmpty()) return nullptr;  // not kept: another connection may create it
  query(db_, "SELECT name, type, \"notnull\", dflt_value, pk FROM pragma_table_info(?1)", def->name,
        [&](sqlite3_stmt* s) {
          ColumnDef c;
          c.name = columnText(s, 0);
          c.declared = columnText(s, 1);
          c.type = ParseDeclaredType(reinterpret_cast<const char*>(sqlite3_column_text(s, 1)));
          c.notNull = sqlite3_column_int(s, 2) != 0;
          c.hasDefault = sqlite3_column_type(s, 3) != SQLITE_NULL;
          c.defaultText = columnText(s, 3);
          c.primaryKey = sqlite3_column_int(s, 4) != 0;
          const char* collation = nullptr;
          if (!def->isView &&
              sqlite3_table_column_metadata(db_, nullptr, def->name.toUtf8().constData(), c.name.toUtf8().constData(),
                                            nullptr, &collation, nullptr, nullptr, nullptr) == SQLITE_OK)
            c.collation = QString::fromUtf8(collation);
          def->positions.insert(c.name.toCaseFolded(), def->columns.size());
          def->columns.push_back(std::move(c));
        });
  lastName_ = name;
  return last_ = tables_.insert(key, std::move(def)).value().get();
}

DeclaredType SchemaCache::columnType(const QString& tableName, const QString& column) const {
  const TableDef* t = table(tableName);
  const ColumnDef* c = t ? t->column(PlainObjectName(column)) : nullptr;
  return c ? c->type : DeclaredType{};
}

QStringList SchemaCache::columnsOf(const QString& tableName) const {
  QStringList names;
  if (const TableDef* t = table(tableName))
    for (const ColumnDef& c : t->columns) names << c.name;
  return names;
}

std::vector<std::pair<QString, bool>> SchemaCache::objects() const {
  std::vector<std::pair<QString, bool>> list;
  query(db_,
        "SELECT name, type FROM sqlite_schema WHERE type IN ('table','view') AND substr(name, 1, 7) <> 'sqlite_'",
        QString(), [&](sqlite3_stmt* s) { list.emplace_back(columnText(s, 0), columnText(s, 1) == QLatin1String("view")); });
  return list;
}

}  // namespace ado::sqlite
