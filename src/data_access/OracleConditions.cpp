#include "data_access/OracleConditions.h"

#include <array>
#include <string_view>

namespace data_access::oracle {

namespace {

bool isComparison(const Token& t) {
  static const std::array<QStringView, 9> operators = {u"=", u"<>", u"!=", u"<", u">", u"<=", u">=", u"!<", u"!>"};
  if (t.kind != TokenKind::Symbol) return false;
  for (QStringView op : operators)
    if (t.text == op) return true;
  return false;
}

// An operator that makes a literal beside it part of a longer expression.
bool isArithmetic(const Token& t) {
  if (t.kind != TokenKind::Symbol) return false;
  for (QStringView op : {u"+", u"-", u"*", u"/", u"%", u"|"})
    if (t.text == op) return true;
  return false;
}

// Where the operand that ends at `last` begins: a name (a.b too), or a
// parenthesis with the function name before it; `npos` for anything else,
// or an operand that is only the end of a longer expression.
constexpr size_t npos = static_cast<size_t>(-1);
size_t operandStart(const Tokens& tokens, size_t last) {
  size_t begin = last;
  if (tokens[last].isSymbol(u")")) {
    begin = Opening(tokens, last);
    if (begin == last) return npos;
    const bool function = begin > 0 && tokens[begin - 1].kind == TokenKind::Word &&
                          !tokens[begin - 1].isAnyOf({"AND", "OR", "NOT", "WHERE", "ON", "HAVING", "WHEN", "THEN",
                                                       "ELSE", "CASE", "IN", "EXISTS", "SELECT", "IS", "LIKE"});
    if (function) --begin;
  } else if (!tokens[last].isName()) {
    return npos;
  }
  while (begin >= 2 && tokens[begin - 1].isSymbol(u".") && tokens[begin - 2].isName()) begin -= 2;
  if (begin > 0 && (isArithmetic(tokens[begin - 1]) || isComparison(tokens[begin - 1]))) return npos;
  return begin;
}

// A literal that is one side of a comparison, not part of an expression.
bool comparedWhole(const Tokens& tokens, size_t i) {
  const bool before = i > 0 && isComparison(tokens[i - 1]);
  const bool after = i + 1 < tokens.size() && isComparison(tokens[i + 1]);
  const bool extendedBefore = i > 0 && isArithmetic(tokens[i - 1]);
  const bool extendedAfter = i + 1 < tokens.size() && isArithmetic(tokens[i + 1]);
  return (before && !extendedAfter) || (after && !extendedBefore);
}

QString withoutTrailingBlanks(const QString& s) {
  qsizetype n = s.size();
  while (n > 0 && s[n - 1] == u' ') --n;
  return s.left(n);
}

}  // namespace

std::vector<Clause> ClausesOf(const Tokens& tokens) {
  struct Frame {
    Clause around;
    bool isCase;
  };
  std::vector<Frame> frames;
  std::vector<Clause> clauses(tokens.size());
  Clause current = Clause::Other;
  for (size_t i = 0; i < tokens.size(); ++i) {
    const Token& t = tokens[i];
    if (t.isSymbol(u"(")) {
      frames.push_back({current, false});
    } else if (t.isSymbol(u")")) {
      while (!frames.empty() && frames.back().isCase) frames.pop_back();
      if (!frames.empty()) {
        current = frames.back().around;
        frames.pop_back();
      }
    } else if (t.is("CASE")) {
      frames.push_back({current, true});
      current = Clause::Other;
    } else if (t.is("END") && !frames.empty() && frames.back().isCase) {
      current = frames.back().around;
      frames.pop_back();
    } else if (t.isAnyOf({"WHERE", "ON", "HAVING", "WHEN"})) {
      current = Clause::Condition;
    } else if (t.isAnyOf({"SET", "VALUES"})) {
      current = Clause::Assignment;
    } else if (t.isAnyOf({"FROM", "JOIN"})) {
      current = Clause::From;
    } else if (t.isAnyOf({"SELECT", "GROUP", "ORDER", "THEN", "ELSE", "UNION", "EXCEPT", "INTERSECT", "INSERT", "INTO",
                           "UPDATE", "DELETE"})) {
      current = Clause::Other;
    }
    clauses[i] = current;
  }
  return clauses;
}

void RewriteComparisons(Statement& s) {
  Tokens& tokens = s.tokens;
  const std::vector<Clause> clauses = ClausesOf(tokens);
  for (size_t i = 0; i < tokens.size(); ++i)
    if (tokens[i].isString() && clauses[i] == Clause::Condition && comparedWhole(tokens, i))
      if (const QString value = ValueOf(tokens[i]), trimmed = withoutTrailingBlanks(value); trimmed != value)
        SetValue(tokens[i], trimmed);

  // From the end, so that the positions still to visit stay where they are.
  for (size_t i = tokens.size(); i-- > 2;) {
    const Token& op = tokens[i - 1];
    const bool equal = op.isSymbol(u"="), different = op.isSymbol(u"<>") || op.isSymbol(u"!=");
    if (!tokens[i].isString() || clauses[i] != Clause::Condition || (!equal && !different)) continue;
    if (!ValueOf(tokens[i]).isEmpty() || (i + 1 < tokens.size() && isArithmetic(tokens[i + 1]))) continue;
    const size_t operand = operandStart(tokens, i - 2);
    if (operand == npos) continue;
    tokens[i - 1] = Word(QStringLiteral("IS"));
    tokens[i] = Word(QStringLiteral("NULL"));
    if (different) Insert(s, i, {Word(QStringLiteral("NOT"))});
    Enclose(s, operand, i - 1, {Word(QStringLiteral("RTRIM")), Symbol(QStringLiteral("("))},
            {Symbol(QStringLiteral(")"))});
  }
}

void RewriteLikeEscapes(Statement& s) {
  Tokens& tokens = s.tokens;
  for (size_t i = tokens.size(); i-- > 1;) {
    if (!tokens[i].isString() || !tokens[i - 1].is("LIKE")) continue;
    if (i + 1 < tokens.size() && tokens[i + 1].is("ESCAPE")) continue;
    const QString pattern = ValueOf(tokens[i]);
    if (!pattern.contains(u"[_]") && !pattern.contains(u"[%]") && !pattern.contains(u"[[]")) continue;
    QString oracle;
    for (qsizetype k = 0; k < pattern.size(); ++k) {
      const QStringView three = QStringView(pattern).mid(k, 3);
      if (three == u"[_]" || three == u"[%]") {
        oracle += u'\\' + pattern[k + 1];
        k += 2;
      } else if (three == u"[[]") {
        oracle += u'[';
        k += 2;
      } else {
        oracle += pattern[k];
        if (pattern[k] == u'\\') oracle += u'\\';
      }
    }
    SetValue(tokens[i], oracle);
    Insert(s, i + 1, {Word(QStringLiteral("ESCAPE")), StringLiteral(QStringLiteral("\\"))});
  }
}

}  // namespace data_access::oracle
