#include "platform/ado/sqlite/TsqlRewriteSteps.h"

#include "platform/ado/sqlite/TsqlRefusal.h"

namespace ado::sqlite::tsql {

void Rewriter::readStatementForm() {
  if (isWord(0, "INSERT")) return readInsert();
  if (isWord(0, "UPDATE")) return readUpdate();
  if (isWord(0, "DELETE")) return readDelete();
  for (int i = 0; i < size(); ++i)
    if (isWord(i, "INTO")) Refuse(QStringLiteral("SELECT ... INTO"));
}

void Rewriter::readInsert() {
  int k = 1;
  if (isWord(k, "INTO")) ++k;
  else replace(0, QStringLiteral("INSERT INTO"));
  insertTarget_ = dottedNameEnd(k);
  if (insertTarget_ < 0) Refuse(QStringLiteral("INSERT sin tabla"));
  const QString table = nameOf(insertTarget_);
  k = insertTarget_ + 1;
  QStringList columns;
  if (isSymbol(k, u"(")) {
    for (int c = k + 1; c < items_[k].match; ++c)
      if (isName(c) && !isSymbol(c + 1, u".")) columns << nameOf(c);
    k = items_[k].match + 1;
  } else {
    columns = schema_.columnsOf(table);
  }
  if (isWord(k, "EXEC") || isWord(k, "EXECUTE")) Refuse(QStringLiteral("INSERT ... EXEC"));
  if (!isWord(k, "VALUES")) return;
  for (++k; isSymbol(k, u"(");) {  // one or more rows of values
    const int close = items_[k].match;
    int position = 0, start = k + 1;
    for (int j = k + 1; j <= close; ++j) {
      if (j != close && !(isSymbol(j, u",") && items_[j].depth == items_[k].depth + 1)) continue;
      if (j - start == 1 && isLiftedString(start) && position < columns.size() &&
          schema_.isDateColumn(table, columns[position]))
        items_[start].dateBound = true;
      ++position;
      start = j + 1;
    }
    if (!isSymbol(close + 1, u",")) break;
    k = close + 2;
  }
}

void Rewriter::readUpdate() {
  auto target = chainStartingAt(1);
  if (!target) Refuse(QStringLiteral("UPDATE sin tabla"));
  const QString table = nameOf(target->last);
  scopes_[0].tables.push_back(TableRef{table, {}});
  int k = target->last + 1;
  if (!isWord(k, "SET")) Refuse(QStringLiteral("UPDATE sin SET"));
  for (++k;; ++k) {
    auto column = chainStartingAt(k);
    if (!column || !isSymbol(column->last + 1, u"=")) Refuse(QStringLiteral("asignación de UPDATE"));
    const int equals = column->last + 1;
    items_[equals].assignment = true;
    int end = equals + 1;
    while (valid(end) && !(items_[end].depth == 0 && (isSymbol(end, u",") || isWord(end, "WHERE") ||
                                                       isWord(end, "FROM") || isWord(end, "OPTION"))))
      ++end;
    if (end - equals == 2 && isLiftedString(equals + 1) && schema_.isDateColumn(table, nameOf(column->last)))
      items_[equals + 1].dateBound = true;
    k = end;
    if (!isSymbol(k, u",")) break;
  }
  if (isWord(k, "FROM")) Refuse(QStringLiteral("UPDATE con FROM"));
}

void Rewriter::readDelete() {
  int k = 1;
  const bool from = isWord(k, "FROM");
  if (from) ++k;
  else replace(0, QStringLiteral("DELETE FROM"));
  auto target = chainStartingAt(k);
  if (!target) Refuse(QStringLiteral("DELETE sin tabla"));
  if (!from) scopes_[0].tables.push_back(TableRef{nameOf(target->last), {}});
  for (int i = target->last + 1; i < size(); ++i)
    if (items_[i].depth == 0 && isWord(i, "FROM")) Refuse(QStringLiteral("DELETE con FROM adicional"));
}

}  // namespace ado::sqlite::tsql
