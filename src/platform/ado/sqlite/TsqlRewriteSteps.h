#pragma once
// The statement RewriteSql works on: its tokens with what the steps learn
// about them (depth, scope, what replaces them), and the steps themselves.
// Each group of steps is defined in a file of its own:
//   TsqlRewriter.cpp         the tokens copied in, foreign tokens, parentheses, the text written out
//   TsqlClauses.cpp          SELECT scopes, their tables, select lists and TOP; ORDER BY and GROUP BY; LIMIT placed
//   TsqlStatementForms.cpp   INSERT, UPDATE and DELETE; the values they write converted for their columns
//   TsqlFunctions.cpp        functions, CAST and CONVERT (a whole number's conversion)
//   TsqlOperators.cpp        operators, date arithmetic, "+" (a text added to a number converted), the select list's "name ="
//   TsqlComparedLiterals.cpp string literals compared under the collation or bound as dates
#include <optional>
#include <string_view>
#include <vector>

#include "platform/ado/sqlite/CompiledStatement.h"
#include "platform/ado/sqlite/TsqlScriptSplitter.h"
#include "platform/ado/sqlite/TsqlTokenizer.h"

namespace ado::sqlite::tsql {

inline const QString kCollate = QStringLiteral(" COLLATE CI_AS");

// Words that never name a table, a column or an alias.
constexpr std::string_view kReserved[] = {
    "SELECT", "FROM",   "WHERE",  "AND",    "OR",     "NOT",      "IN",     "IS",      "NULL",  "LIKE",
    "BETWEEN", "EXISTS", "JOIN",  "INNER",  "LEFT",   "RIGHT",    "FULL",   "OUTER",   "CROSS", "ON",
    "AS",     "GROUP",  "ORDER",  "BY",     "HAVING", "UNION",    "ALL",    "EXCEPT",  "INTERSECT",
    "SET",    "VALUES", "INTO",   "CASE",   "WHEN",   "THEN",     "ELSE",   "END",     "DISTINCT",
    "TOP",    "WITH",   "INSERT", "UPDATE", "DELETE", "ASC",      "DESC",   "ESCAPE",  "OPTION"};

template <size_t N>
bool OneOf(QStringView word, const std::string_view (&words)[N]) {
  for (std::string_view w : words)
    if (IsKeyword(word, w)) return true;
  return false;
}

inline bool EqualsName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// A table of the FROM clause of a SELECT (or the target of UPDATE/DELETE).
struct TableRef {
  QString table;  // empty for a derived table
  QString alias;
};

struct Scope {
  int parent = -1;
  int group = -1;  // index of the "(" that holds the SELECT; -1 at top level
  int select = -1;
  std::vector<TableRef> tables;
  QString limit;
};

class Rewriter {
 public:
  Rewriter(const TokenizedText& text, TokenRange range, const SchemaInfo& schema)
      : text_(text), range_(range), schema_(schema) {}

  CompiledStatement run();

 private:
  struct Item {
    Token token;
    QStringView text;
    bool space = false;
    bool dropped = false;
    bool replaced = false;
    QString replacement;
    QString before;  // text emitted right before the token
    QString after;   // text emitted right after the token, even a dropped one
    bool collate = false;
    Conversion conversion;  // of a lifted literal
    bool assignment = false;  // the "=" of SET column = value
    int depth = 0;
    int match = -1;      // the other parenthesis
    int enclosing = -1;  // the "(" that holds the token
    int scope = 0;
  };

  // ---- token tests ----
  int size() const { return static_cast<int>(items_.size()); }
  bool valid(int i) const { return i >= 0 && i < size(); }
  bool isWord(int i, std::string_view keyword) const {
    return valid(i) && items_[i].token.kind == TokenKind::Word && IsKeyword(items_[i].text, keyword);
  }
  bool isSymbol(int i, QStringView symbol) const {
    return valid(i) && items_[i].token.kind == TokenKind::Symbol && items_[i].text == symbol;
  }
  bool isName(int i) const {
    if (!valid(i)) return false;
    const Item& it = items_[i];
    if (it.token.kind == TokenKind::Bracketed || it.token.kind == TokenKind::QuotedName) return true;
    return it.token.kind == TokenKind::Word && !OneOf(it.text, kReserved);
  }
  bool isLiftedString(int i) const {
    return valid(i) && items_[i].token.kind == TokenKind::String && items_[i].token.literal >= 0;
  }
  bool isComparison(int i) const {
    if (!valid(i) || items_[i].token.kind != TokenKind::Symbol || items_[i].assignment) return false;
    const QStringView s = items_[i].text;
    return s == u"=" || s == u"<>" || s == u"!=" || s == u"<" || s == u">" || s == u"<=" || s == u">=" ||
           s == u"!<" || s == u"!>";
  }
  QString nameOf(int i) const { return NameOfToken(items_[i].text, items_[i].token.kind); }
  QString upper(int i) const { return items_[i].text.toString().toUpper(); }
  void drop(int from, int to) {
    for (int k = from; k < to; ++k) items_[k].dropped = true;
  }
  void replace(int i, const QString& with) {
    items_[i].replaced = true;
    items_[i].replacement = with;
  }

  // A dotted name that ends at `last` (going back) or starts at `first`;
  // nullopt when the tokens there are not a plain column or table name.
  struct Chain {
    int first = 0, last = 0;
  };
  std::optional<Chain> chainEndingAt(int last) const {
    if (!isName(last)) return std::nullopt;
    int first = last;
    while (isSymbol(first - 1, u".") && isName(first - 2)) first -= 2;
    if (isSymbol(first - 1, u".")) return std::nullopt;
    return Chain{first, last};
  }
  // Last token of a dotted name that starts at `first`; -1 when none.
  int dottedNameEnd(int first) const {
    if (!isName(first)) return -1;
    int last = first;
    while (isSymbol(last + 1, u".") && isName(last + 2)) last += 2;
    return isSymbol(last + 1, u".") ? -1 : last;
  }
  std::optional<Chain> chainStartingAt(int first) const {
    const int last = dottedNameEnd(first);
    if (last < 0 || isSymbol(last + 1, u"(")) return std::nullopt;
    return Chain{first, last};
  }
  bool isDateColumn(const Chain& chain, int scope) const;

  // Tokens `first` to `last`, both included.
  struct Span {
    int first = 0, last = 0;
  };
  // Writes `opening` before the span and `closing` after it. A construct
  // wrapped later, which lies within those wrapped before, opens after
  // their openings and closes before their closings.
  void wrap(Span span, const QString& opening, const QString& closing) {
    Item& first = items_[span.first];
    if (first.before.isEmpty() && first.space) first.before += u' ';
    first.before += opening;
    items_[span.last].after.prepend(closing);
  }

  // ---- steps (TsqlRewriter.cpp) ----
  void normalize();
  bool sourceSymbol(int32_t k, QStringView symbol) const;
  int32_t hintListEnd(int32_t k) const;
  void refuseForeignTokens();
  void matchParentheses();
  CompiledStatement render();

  // ---- clauses (TsqlClauses.cpp) ----
  // The columns of the select list of the SELECT at `select`, each without its alias.
  std::vector<Span> selectList(int select) const;
  std::optional<int> columnCount(int scope) const;
  template <size_t N>
  std::vector<Span> byList(int at, const std::string_view (&ends)[N]) const;
  bool isConstant(Span item) const;
  void refuseConstantOrderAndGroup() const;
  void readScopes();
  void readTop(int select);
  void readTables(int at, Scope& scope);
  void placeLimits();

  // ---- statement forms (TsqlStatementForms.cpp) ----
  void readStatementForm();
  void readInsert();
  void readUpdate();
  void readDelete();
  void convertAssigned(Span value, const DeclaredType& type);
  void convertSelected(int from, const QString& table, const QStringList& columns);

  // ---- functions (TsqlFunctions.cpp) ----
  void rewriteFunctions();
  void rewriteCast(int at);
  void rewriteConvert(int at);
  void convertCastValue(Span value, const QString& type);

  // ---- operators (TsqlOperators.cpp) ----
  enum class Operand { Unknown, Numeric, Text };
  Operand operandEndingAt(int i) const;
  Operand operandStartingAt(int i) const;
  bool startsOperand(int i) const;
  void checkOperators();
  bool isDateBefore(int op) const;
  bool isDateAfter(int op) const;
  void checkPlus(int i);
  std::optional<Span> operandSpanEndingAt(int i) const;
  std::optional<Span> operandSpanStartingAt(int i) const;
  QString addedNumberType(int i, bool before) const;
  void checkSelectList(int select) const;

  // ---- compared literals (TsqlComparedLiterals.cpp) ----
  void markComparedLiterals();
  void refuseAliasWithoutAs(int i) const;
  int operatorBefore(int op) const;
  void markInListElement(int i);

  const TokenizedText& text_;
  const TokenRange range_;
  const SchemaInfo& schema_;
  std::vector<Item> items_;
  std::vector<Scope> scopes_;
  std::vector<int> unionGroups_;
  int insertTarget_ = -1;
  QString append_;
};

}  // namespace ado::sqlite::tsql
