#include "data_access/OracleRowLimit.h"

#include <algorithm>
#include <optional>

#include "data_access/OracleConditions.h"

namespace data_access::oracle {

namespace {

// TOP n [PERCENT] (or TOP (n)) after a SELECT [DISTINCT|ALL].
struct Top {
  size_t begin = 0, end = 0;
  QString count;
  bool percent = false;
};

std::optional<Top> topOf(const Tokens& t, size_t select) {
  size_t i = select + 1;
  if (i < t.size() && t[i].isAnyOf({"DISTINCT", "ALL"})) ++i;
  if (i >= t.size() || !t[i].is("TOP")) return std::nullopt;
  Top top{i, i + 1, {}, false};
  size_t c = i + 1;
  const bool parenthesised = c < t.size() && t[c].isSymbol(u"(");
  if (parenthesised) ++c;
  if (c >= t.size() || t[c].kind != TokenKind::Number) return std::nullopt;
  top.count = t[c++].text;
  if (parenthesised && (c >= t.size() || !t[c++].isSymbol(u")"))) return std::nullopt;
  if (c < t.size() && t[c].is("PERCENT")) {
    top.percent = true;
    ++c;
  }
  top.end = c;
  return top;
}

// Where the query that starts at `select` ends: its closing parenthesis, a
// UNION at its level, or the end.
size_t queryEnd(const Tokens& t, size_t select) {
  size_t end = EndOfLevel(t, select + 1);
  for (std::string_view joiner : {"UNION", "EXCEPT", "INTERSECT"}) end = FindAtLevel(t, select + 1, end, joiner);
  return end;
}

// The tokens' texts, without their gaps and case.
QString bare(const Tokens& t, size_t begin, size_t end) {
  QString out;
  for (size_t i = begin; i < end; ++i) out += t[i].text.toUpper() + u' ';
  return out;
}

// The TOP tokens go; the token after them keeps its own blank.
void eraseTop(Statement& s, const Top& top) {
  const QString after = top.end < s.tokens.size() ? s.tokens[top.end].gap : s.tail;
  Erase(s, top.begin, top.end);
  QString& gap = top.begin < s.tokens.size() ? s.tokens[top.begin].gap : s.tail;
  if (!after.isEmpty()) gap = after;
}

// A subquery whose value is used as such: not a row source (FROM, JOIN)
// and not a set (IN, EXISTS, ANY, ALL, SOME), where MAX would give one row
// of NULL instead of none.
bool isScalarSubquery(const Tokens& t, size_t select) {
  if (select == 0 || !t[select - 1].isSymbol(u"(")) return false;
  if (ClausesOf(t)[select - 1] == Clause::From) return false;
  if (select < 2) return true;
  const Token& before = t[select - 2];
  return !before.isAnyOf({"IN", "EXISTS", "ANY", "ALL", "SOME"});
}

// TOP 1 x ... ORDER BY x DESC as MAX(x); false when the query is not of
// that form.
bool asMaximum(Statement& s, size_t select, const Top& top, size_t end) {
  const Tokens& t = s.tokens;
  if (top.percent || top.count != u"1" || t[select + 1].is("DISTINCT") || !isScalarSubquery(t, select)) return false;
  const size_t from = FindAtLevel(t, top.end, end, "FROM");
  const size_t order = FindAtLevel(t, top.end, end, "ORDER");
  if (from == end || order == end || end - order < 4 || !t[order + 1].is("BY")) return false;
  if (FindAtLevel(t, from, end, "GROUP") != end || FindAtLevel(t, from, end, "HAVING") != end) return false;
  for (size_t i = top.end; i < from; ++i)
    if (t[i].isSymbol(u",")) return false;
  if (!t[end - 1].is("DESC") || bare(t, order + 2, end - 1) != bare(t, top.end, from)) return false;
  Erase(s, order, end);
  Enclose(s, top.end, from, {Word(QStringLiteral("MAX")), Symbol(QStringLiteral("("))}, {Symbol(QStringLiteral(")"))});
  eraseTop(s, top);
  return true;
}

void limit(Statement& s, size_t select) {
  const std::optional<Top> top = topOf(s.tokens, select);
  if (!top) return;
  size_t end = queryEnd(s.tokens, select);
  const Tokens& t = s.tokens;
  const size_t order = FindAtLevel(t, top->end, end, "ORDER");
  const bool nested = select > 0 && t[select - 1].isSymbol(u"(");
  if (top->percent && top->count.toDouble() == 100) {
    if (nested && order != end) Erase(s, order, end);
    eraseTop(s, *top);
    return;
  }
  if (asMaximum(s, select, *top, end)) return;

  const bool sorted = order != end || FindAtLevel(t, top->end, end, "GROUP") != end ||
                      FindAtLevel(t, top->end, end, "HAVING") != end || t[select + 1].is("DISTINCT");
  const QString count = top->count;
  const bool percent = top->percent;
  eraseTop(s, *top);
  end -= top->end - top->begin;
  const Tokens rownum{Word(QStringLiteral("ROWNUM")), Symbol(QStringLiteral("<="), QStringLiteral(" "))};
  if (!sorted && !percent) {
    Tokens condition = rownum;
    condition.push_back({TokenKind::Number, QStringLiteral(" "), count});
    AndWhere(s, select, end, condition);
    return;
  }
  Tokens after{Symbol(QStringLiteral(")")), Word(QStringLiteral("WHERE"))};
  after.insert(after.end(), rownum.begin(), rownum.end());
  if (!percent) {
    after.push_back({TokenKind::Number, QStringLiteral(" "), count});
  } else {
    // The query once more, for its count of rows.
    Tokens query(s.tokens.begin() + static_cast<std::ptrdiff_t>(select),
                 s.tokens.begin() + static_cast<std::ptrdiff_t>(end));
    query.front().gap.clear();
    const Tokens head{Symbol(QStringLiteral("("), QStringLiteral(" ")),
                      Word(QStringLiteral("SELECT"), QString()),
                      Word(QStringLiteral("CEIL")),
                      Symbol(QStringLiteral("(")),
                      Word(QStringLiteral("COUNT"), QString()),
                      Symbol(QStringLiteral("(")),
                      Symbol(QStringLiteral("*")),
                      Symbol(QStringLiteral(")")),
                      Symbol(QStringLiteral("*"), QStringLiteral(" ")),
                      {TokenKind::Number, QStringLiteral(" "), count},
                      Symbol(QStringLiteral("/"), QStringLiteral(" ")),
                      {TokenKind::Number, QStringLiteral(" "), QStringLiteral("100")},
                      Symbol(QStringLiteral(")")),
                      Word(QStringLiteral("FROM")),
                      Symbol(QStringLiteral("("), QStringLiteral(" "))};
    after.insert(after.end(), head.begin(), head.end());
    after.insert(after.end(), query.begin(), query.end());
    after.push_back(Symbol(QStringLiteral(")")));
    after.push_back(Symbol(QStringLiteral(")")));
  }
  Enclose(s, select, end,
          {Word(QStringLiteral("SELECT")), Symbol(QStringLiteral("*"), QStringLiteral(" ")),
           Word(QStringLiteral("FROM")), Symbol(QStringLiteral("("), QStringLiteral(" "))},
          after);
}

}  // namespace

void RewriteRowLimits(Statement& s) {
  // From the last query to the first: an inner one is done before the one
  // around it, and the positions before it stay where they are.
  for (size_t i = s.tokens.size(); i-- > 0;)
    if (s.tokens[i].is("SELECT")) limit(s, i);
}

}  // namespace data_access::oracle
