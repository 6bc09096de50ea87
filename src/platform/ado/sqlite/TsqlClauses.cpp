#include "platform/ado/sqlite/TsqlRewriteSteps.h"

#include <algorithm>

#include "platform/ado/sqlite/ErrorMap.h"
#include "platform/ado/sqlite/TsqlRefusal.h"

namespace ado::sqlite::tsql {

namespace {

// Words that end a select list, at its depth.
constexpr std::string_view kSelectListEnds[] = {"FROM",  "WHERE",  "GROUP", "HAVING",   "ORDER", "UNION",
                                                "EXCEPT", "INTERSECT", "INTO", "OPTION", "FOR"};

}  // namespace

std::vector<Rewriter::Span> Rewriter::selectList(int select) const {
  const int depth = items_[select].depth;
  std::vector<Span> list;
  int k = select + 1;
  while (valid(k) && (items_[k].dropped || isWord(k, "DISTINCT") || isWord(k, "ALL"))) ++k;
  for (int start = k;; ++k) {
    const bool ends = !valid(k) || items_[k].depth < depth ||
                      (items_[k].depth == depth && items_[k].token.kind == TokenKind::Word &&
                       OneOf(items_[k].text, kSelectListEnds));
    if (!ends && !(items_[k].depth == depth && isSymbol(k, u","))) continue;
    Span item{start, k - 1};
    // Its alias: "AS name", or a name right after the value.
    if (item.last - item.first >= 2 && isName(item.last) && isWord(item.last - 1, "AS")) {
      item.last -= 2;
    } else if (item.last > item.first && isName(item.last) && !isSymbol(item.last - 1, u".")) {
      const Item& p = items_[item.last - 1];
      const bool endsValue = p.token.kind == TokenKind::String || p.token.kind == TokenKind::Number ||
                             isSymbol(item.last - 1, u")") || isName(item.last - 1) || isWord(item.last - 1, "END");
      if (endsValue) --item.last;
    }
    if (item.first <= item.last) list.push_back(item);
    if (ends) return list;
    start = k + 1;
  }
}

// The columns a select list gives: those of its "*" too, as the schema
// has them; nullopt when a "*" reads a table it does not hold.
std::optional<int> Rewriter::columnCount(int scope) const {
  const Scope& s = scopes_[static_cast<size_t>(scope)];
  int count = 0;
  const auto columnsOf = [&](const TableRef& ref) -> std::optional<int> {
    const int n = ref.table.isEmpty() ? 0 : static_cast<int>(schema_.columnsOf(ref.table).size());
    return n > 0 ? std::optional<int>(n) : std::nullopt;
  };
  for (const Span& item : selectList(s.select)) {
    if (item.first == item.last && isSymbol(item.first, u"*")) {
      for (const TableRef& ref : s.tables) {
        const std::optional<int> n = columnsOf(ref);
        if (!n) return std::nullopt;
        count += *n;
      }
    } else if (item.last == item.first + 2 && isSymbol(item.last, u"*")) {
      const QString qualifier = nameOf(item.first);
      const auto ref = std::find_if(s.tables.begin(), s.tables.end(), [&](const TableRef& r) {
        return EqualsName(r.alias, qualifier) || (r.alias.isEmpty() && EqualsName(r.table, qualifier));
      });
      const std::optional<int> n = ref == s.tables.end() ? std::nullopt : columnsOf(*ref);
      if (!n) return std::nullopt;
      count += *n;
    } else {
      ++count;
    }
  }
  return count;
}

// The items of the list that follows ORDER BY or GROUP BY at `at`, each
// without ASC or DESC; `ends` are the words that end it at its depth.
template <size_t N>
std::vector<Rewriter::Span> Rewriter::byList(int at, const std::string_view (&ends)[N]) const {
  const int depth = items_[at].depth;
  std::vector<Span> list;
  for (int k = at + 2, start = k;; ++k) {
    const bool listEnds = !valid(k) || items_[k].depth < depth ||
                          (items_[k].depth == depth && items_[k].token.kind == TokenKind::Word &&
                           OneOf(items_[k].text, ends));
    if (!listEnds && !(items_[k].depth == depth && isSymbol(k, u","))) continue;
    Span item{start, k - 1};
    if (isWord(item.last, "ASC") || isWord(item.last, "DESC")) --item.last;
    if (item.first <= item.last) list.push_back(item);  // an empty one is SQLite's syntax error
    if (listEnds) return list;
    start = k + 1;
  }
}

// A constant item: a number or a text, in parentheses or with a sign.
bool Rewriter::isConstant(Span item) const {
  const auto unwrap = [&] {
    for (; isSymbol(item.first, u"(") && items_[item.first].match == item.last; --item.last) ++item.first;
  };
  unwrap();
  if (item.first < item.last && (isSymbol(item.first, u"-") || isSymbol(item.first, u"+"))) ++item.first;
  unwrap();
  return item.first == item.last &&
         (items_[item.first].token.kind == TokenKind::String || items_[item.first].token.kind == TokenKind::Number);
}

// SQL Server sorts by a whole number as the position of a column and
// refuses one that names none (108), refuses any other constant (408), and
// refuses to group by a constant (164); SQLite would take a text or a
// number with a sign for a value that sorts nothing, and group by a
// column's position.
void Rewriter::refuseConstantOrderAndGroup() const {
  static constexpr std::string_view kOrderEnds[] = {"OPTION", "FOR"};
  static constexpr std::string_view kGroupEnds[] = {"HAVING", "ORDER", "UNION", "EXCEPT", "INTERSECT", "OPTION", "FOR"};
  for (int at = 0; at + 1 < size(); ++at) {
    if (!isWord(at + 1, "BY")) continue;
    if (isWord(at, "GROUP")) {
      for (const Span& item : byList(at, kGroupEnds))
        if (isConstant(item)) throw MakeFailure(Condition::ConstantInGroupBy);
    }
    if (!isWord(at, "ORDER")) continue;
    int position = 0;
    for (const Span& item : byList(at, kOrderEnds)) {
      ++position;
      const QStringView written = items_[item.first].text;
      const bool whole = item.first == item.last && items_[item.first].token.kind == TokenKind::Number &&
                         std::all_of(written.begin(), written.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
      if (whole) {
        const int scope = items_[at].scope;
        const std::optional<int> columns = scope > 0 ? columnCount(scope) : std::nullopt;
        bool fits = false;
        const long long n = written.toLongLong(&fits);
        if (!fits || n == 0 || (columns && n > *columns))
          throw MakeFailure(Condition::OrderPositionOutOfRange, {written.toString()});
      } else if (isConstant(item)) {
        throw MakeFailure(Condition::ConstantInOrderBy, {QString::number(position)});
      }
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
