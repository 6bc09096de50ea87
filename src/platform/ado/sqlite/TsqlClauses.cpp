#include "platform/ado/sqlite/TsqlRewriteSteps.h"

#include <algorithm>

#include "platform/ado/sqlite/ErrorMap.h"
#include "platform/ado/sqlite/TsqlRefusal.h"

namespace ado::sqlite::tsql {

// SQL Server refuses a text as an item of ORDER BY (408); SQLite would
// sort by it, that is, not at all.
void Rewriter::refuseConstantOrder() const {
  for (int at = 0; at + 1 < size(); ++at) {
    if (!isWord(at, "ORDER") || !isWord(at + 1, "BY")) continue;
    const int depth = items_[at].depth;
    int position = 1, start = at + 2;
    for (int k = start;; ++k) {
      const bool listEnds = !valid(k) || items_[k].depth < depth ||
                            (items_[k].depth == depth && (isWord(k, "OPTION") || isWord(k, "FOR")));
      if (!listEnds && !(items_[k].depth == depth && isSymbol(k, u","))) continue;
      int first = start, last = k - 1;
      if (isWord(last, "ASC") || isWord(last, "DESC")) --last;
      for (; isSymbol(first, u"(") && items_[first].match == last; --last) ++first;
      if (first == last && items_[first].token.kind == TokenKind::String)
        throw MakeFailure(Condition::ConstantInOrderBy, {QString::number(position)});
      if (listEnds) break;
      ++position;
      start = k + 1;
    }
  }
}

// Scopes of the SELECTs, their tables, and TOP.
void Rewriter::readScopes() {
  scopes_.push_back(Scope{});
  std::vector<int> open = {0};  // scopes whose SELECT is still being read
  for (int i = 0; i < size(); ++i) {
    if (isSymbol(i, u")")) {
      while (open.size() > 1 && scopes_[open.back()].group == items_[i].match) open.pop_back();
    } else if (isWord(i, "SELECT")) {
      const int group = items_[i].enclosing;
      int parent = open.back();
      if (open.size() > 1 && scopes_[open.back()].group == group) {  // UNION ... SELECT
        unionGroups_.push_back(group);
        parent = scopes_[open.back()].parent;
        open.pop_back();
      }
      scopes_.push_back(Scope{parent, group, i, {}, {}});
      open.push_back(static_cast<int>(scopes_.size()) - 1);
      readTop(i);
    } else if (isWord(i, "TOP") && !items_[i].dropped) {
      Refuse(QStringLiteral("TOP fuera de SELECT"));
    }
    items_[i].scope = open.back();
    if (isWord(i, "FROM") || isWord(i, "JOIN")) readTables(i, scopes_[open.back()]);
  }
}

void Rewriter::readTop(int select) {
  int k = select + 1;
  if (isWord(k, "DISTINCT") || isWord(k, "ALL")) ++k;
  if (!isWord(k, "TOP")) return;
  const int top = k++;
  QStringView count;
  const auto isCount = [&](int i) {
    return valid(i) && items_[i].token.kind == TokenKind::Number && items_[i].token.literal < 0;
  };
  if (isCount(k)) {
    count = items_[k++].text;
  } else if (isSymbol(k, u"(") && isCount(k + 1) && isSymbol(k + 2, u")")) {
    count = items_[k + 1].text;
    k += 3;
  } else {
    Refuse(QStringLiteral("TOP con expresión"));
  }
  for (QChar c : count)
    if (!c.isDigit()) Refuse(QStringLiteral("TOP con valor no entero"));
  const bool percent = isWord(k, "PERCENT");
  if (percent) ++k;
  if (isWord(k, "WITH") && isWord(k + 1, "TIES")) Refuse(QStringLiteral("TOP WITH TIES"));
  drop(top, k);
  if (percent) {
    if (count.toLongLong() != 100) Refuse(QStringLiteral("TOP ") + count.toString() + QStringLiteral(" PERCENT"));
    return;
  }
  scopes_.back().limit = QString::number(count.toLongLong());
}

// The tables after FROM or JOIN at `at`, with their aliases.
void Rewriter::readTables(int at, Scope& scope) {
  int k = at + 1;
  for (;;) {
    TableRef ref;
    if (isSymbol(k, u"(")) {
      k = items_[k].match + 1;
    } else if (auto chain = chainStartingAt(k)) {
      ref.table = nameOf(chain->last);
      k = chain->last + 1;
    } else {
      if (isName(k) && isSymbol(k + 1, u"(")) Refuse(QStringLiteral("función de tabla ") + upper(k));
      return;
    }
    if (isWord(k, "AS")) ++k;
    if (isName(k)) ref.alias = nameOf(k++);
    scope.tables.push_back(ref);
    if (!isSymbol(k, u",") || items_[k].depth != items_[at].depth) return;
    ++k;
  }
}

void Rewriter::placeLimits() {
  for (const Scope& scope : scopes_) {
    if (scope.limit.isEmpty()) continue;
    if (std::find(unionGroups_.begin(), unionGroups_.end(), scope.group) != unionGroups_.end())
      Refuse(QStringLiteral("TOP con UNION"));
    const QString clause = QStringLiteral(" LIMIT ") + scope.limit;
    if (scope.group < 0) append_ += clause;
    else items_[items_[scope.group].match].before += clause;
  }
}

}  // namespace ado::sqlite::tsql
