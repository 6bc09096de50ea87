#include "platform/ado/sqlite/TsqlRewriter.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "platform/ado/sqlite/ErrorMap.h"
#include "platform/ado/sqlite/TsqlRefusal.h"

namespace ado::sqlite::tsql {

namespace {

const QString kCollate = QStringLiteral(" COLLATE CI_AS");

// Words that never name a table, a column or an alias.
constexpr std::string_view kReserved[] = {
    "SELECT", "FROM",   "WHERE",  "AND",    "OR",     "NOT",      "IN",     "IS",      "NULL",  "LIKE",
    "BETWEEN", "EXISTS", "JOIN",  "INNER",  "LEFT",   "RIGHT",    "FULL",   "OUTER",   "CROSS", "ON",
    "AS",     "GROUP",  "ORDER",  "BY",     "HAVING", "UNION",    "ALL",    "EXCEPT",  "INTERSECT",
    "SET",    "VALUES", "INTO",   "CASE",   "WHEN",   "THEN",     "ELSE",   "END",     "DISTINCT",
    "TOP",    "WITH",   "INSERT", "UPDATE", "DELETE", "ASC",      "DESC",   "ESCAPE",  "OPTION"};

// Keywords that may stand right before "(" without being a function.
constexpr std::string_view kBeforeParenthesis[] = {
    "IN",   "EXISTS", "VALUES", "AS",   "ON",     "AND",     "OR",   "NOT",  "FROM",
    "JOIN", "WHERE",  "SELECT", "THEN", "ELSE",   "WHEN",    "CASE", "IS",   "LIKE",
    "BETWEEN", "HAVING", "SET", "BY",   "UNION",  "ALL",     "DISTINCT", "EXCEPT"};

// Table hints: they only steer SQL Server's locking and plans.
constexpr std::string_view kTableHints[] = {
    "NOLOCK",        "READUNCOMMITTED", "UPDLOCK",  "HOLDLOCK",   "ROWLOCK",        "PAGLOCK",
    "TABLOCK",       "TABLOCKX",        "XLOCK",    "READPAST",   "READCOMMITTED",  "READCOMMITTEDLOCK",
    "REPEATABLEREAD", "SERIALIZABLE",   "NOWAIT",   "NOEXPAND",   "FORCESEEK",      "FORCESCAN"};

// Functions that SQLite has with the same meaning (LEN is registered by the
// provider). ISNULL, SUBSTRING, GETDATE, CAST and CONVERT are rewritten.
constexpr std::string_view kSameFunctions[] = {
    "COUNT", "SUM", "MAX", "MIN", "ABS", "UPPER", "LOWER", "LTRIM", "RTRIM", "LEN", "COALESCE", "NULLIF"};
constexpr std::string_view kNumericFunctions[] = {"COUNT", "SUM", "LEN", "ABS"};

template <size_t N>
bool OneOf(QStringView word, const std::string_view (&words)[N]) {
  for (std::string_view w : words)
    if (IsKeyword(word, w)) return true;
  return false;
}

bool EqualsName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

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

  CompiledStatement run() {
    normalize();
    refuseForeignTokens();
    matchParentheses();
    refuseConstantOrder();
    readScopes();
    readStatementForm();
    rewriteFunctions();
    checkOperators();
    markComparedLiterals();
    placeLimits();
    return render();
  }

 private:
  struct Item {
    Token token;
    QStringView text;
    bool space = false;
    bool dropped = false;
    bool replaced = false;
    QString replacement;
    QString before;  // text emitted right before the token
    bool collate = false;
    bool dateBound = false;
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

  // ---- steps ----

  // Copies the statement's tokens, leaving out table hints and "dbo.".
  void normalize() {
    const auto& tokens = text_.tokens;
    bool pendingSpace = false;
    for (int32_t k = range_.begin; k < range_.end; ++k) {
      const Token& t = tokens[static_cast<size_t>(k)];
      const QStringView word = text_.text(t);
      if (IsOwnerDbo(word, t.kind) && sourceSymbol(k + 1, u".")) {
        if (!items_.empty() && items_.back().token.kind == TokenKind::Symbol && items_.back().text == u".")
          RefuseQualifiedTable();
        pendingSpace = pendingSpace || t.spaceBefore;
        ++k;
        continue;
      }
      const bool withHints = t.kind == TokenKind::Word && IsKeyword(word, "WITH") && sourceSymbol(k + 1, u"(");
      const bool bareHints = t.kind == TokenKind::Symbol && word == u"(" && !items_.empty() &&
                             (items_.back().token.kind == TokenKind::Word ||
                              items_.back().token.kind == TokenKind::Bracketed ||
                              items_.back().token.kind == TokenKind::QuotedName);
      if (withHints || bareHints) {
        if (int close = hintListEnd(withHints ? k + 2 : k + 1); close >= 0) {
          pendingSpace = true;
          k = close;
          continue;
        }
      }
      Item item;
      item.token = t;
      item.text = word;
      item.space = t.spaceBefore || pendingSpace;
      pendingSpace = false;
      items_.push_back(item);
      // SQLite would read a "name" it does not know as a string, and knows
      // no "]]" inside brackets.
      if (t.kind == TokenKind::QuotedName || (t.kind == TokenKind::Bracketed && word.contains(u"]]")))
        replace(size() - 1, SqliteName(nameOf(size() - 1)));
    }
  }
  bool sourceSymbol(int32_t k, QStringView symbol) const {
    if (k >= range_.end) return false;
    const Token& t = text_.tokens[static_cast<size_t>(k)];
    return t.kind == TokenKind::Symbol && text_.text(t) == symbol;
  }
  // Index of the ")" closing a list of hints that starts at `k`, or -1.
  int32_t hintListEnd(int32_t k) const {
    bool any = false;
    while (k < range_.end) {
      const Token& t = text_.tokens[static_cast<size_t>(k)];
      if (t.kind != TokenKind::Word) return -1;
      if (IsKeyword(text_.text(t), "INDEX")) {
        ++k;
        if (sourceSymbol(k, u"(")) {
          while (k < range_.end && !sourceSymbol(k, u")")) ++k;
          ++k;
        } else if (sourceSymbol(k, u"=")) {
          k += 2;
        } else {
          return -1;
        }
      } else if (OneOf(text_.text(t), kTableHints)) {
        ++k;
      } else {
        return -1;
      }
      any = true;
      if (sourceSymbol(k, u",")) {
        ++k;
        continue;
      }
      return sourceSymbol(k, u")") && any ? k : -1;
    }
    return -1;
  }

  void refuseForeignTokens() {
    for (int i = 0; i < size(); ++i) {
      const Item& it = items_[i];
      switch (it.token.kind) {
        case TokenKind::Variable:
          if (isWord(i - 1, "TOP") || (isSymbol(i - 1, u"(") && isWord(i - 2, "TOP")))
            Refuse(QStringLiteral("TOP con variable"));
          Refuse(QStringLiteral("variable ") + it.text.toString());
        case TokenKind::Other:
          if (it.text == u"#") {  // #tabla, or a date written #dd/mm/yyyy#
            const bool date = valid(i + 1) && items_[i + 1].token.kind == TokenKind::Number;
            Refuse(date ? QStringLiteral("fecha entre #") : QStringLiteral("tabla temporal"));
          }
          Refuse(QStringLiteral("símbolo ") + it.text.toString());
        case TokenKind::Symbol:
          if (it.text == u"^") Refuse(QStringLiteral("operador ^"));
          break;
        case TokenKind::Word:
          if (IsKeyword(it.text, "COLLATE")) Refuse(QStringLiteral("COLLATE"));
          break;
        default:
          break;
      }
    }
  }

  void matchParentheses() {
    std::vector<int> open;
    for (int i = 0; i < size(); ++i) {
      Item& it = items_[i];
      it.depth = static_cast<int>(open.size());
      it.enclosing = open.empty() ? -1 : open.back();
      if (isSymbol(i, u"(")) {
        open.push_back(i);
      } else if (isSymbol(i, u")")) {
        if (open.empty()) Refuse(QStringLiteral("paréntesis sin pareja"));
        it.match = open.back();
        items_[open.back()].match = i;
        open.pop_back();
        it.depth = static_cast<int>(open.size());
        it.enclosing = open.empty() ? -1 : open.back();
      }
    }
    if (!open.empty()) Refuse(QStringLiteral("paréntesis sin pareja"));
  }

  // SQL Server refuses a text as an item of ORDER BY (408); SQLite would
  // sort by it, that is, not at all.
  void refuseConstantOrder() const {
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
  void readScopes() {
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

  void readTop(int select) {
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
  void readTables(int at, Scope& scope) {
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

  void readStatementForm() {
    if (isWord(0, "INSERT")) return readInsert();
    if (isWord(0, "UPDATE")) return readUpdate();
    if (isWord(0, "DELETE")) return readDelete();
    for (int i = 0; i < size(); ++i)
      if (isWord(i, "INTO")) Refuse(QStringLiteral("SELECT ... INTO"));
  }

  void readInsert() {
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

  void readUpdate() {
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

  void readDelete() {
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

  void rewriteFunctions() {
    for (int i = 0; i + 1 < size(); ++i) {
      const Item& it = items_[i];
      if (it.dropped || i == insertTarget_ || !isSymbol(i + 1, u"(") || items_[i + 1].dropped) continue;
      if (it.token.kind == TokenKind::Bracketed || it.token.kind == TokenKind::QuotedName)
        Refuse(QStringLiteral("función ") + nameOf(i));
      if (it.token.kind != TokenKind::Word || OneOf(it.text, kBeforeParenthesis) || OneOf(it.text, kSameFunctions))
        continue;
      if (IsKeyword(it.text, "ISNULL")) {
        replace(i, QStringLiteral("IFNULL"));
      } else if (IsKeyword(it.text, "SUBSTRING")) {
        replace(i, QStringLiteral("SUBSTR"));
      } else if (IsKeyword(it.text, "GETDATE") && isSymbol(i + 2, u")")) {
        // The server's local time, as dates are stored.
        replace(i, QStringLiteral("datetime('now','localtime')"));
        drop(i + 1, i + 3);
      } else if (IsKeyword(it.text, "CAST")) {
        rewriteCast(i);
      } else if (IsKeyword(it.text, "CONVERT")) {
        rewriteConvert(i);
      } else {
        Refuse(QStringLiteral("función ") + upper(i));
      }
    }
  }
  static QString SqliteType(const QString& type) {
    for (std::string_view t : {"INT", "INTEGER", "BIGINT", "SMALLINT", "TINYINT"})
      if (IsKeyword(type, t)) return QStringLiteral("INTEGER");
    if (IsKeyword(type, "FLOAT") || IsKeyword(type, "REAL")) return QStringLiteral("REAL");
    return {};
  }
  // CAST(x AS INT) keeps its form with SQLite's type name.
  void rewriteCast(int at) {
    const int open = at + 1, close = items_[open].match;
    int as = -1;
    for (int k = open + 1; k < close; ++k)
      if (items_[k].depth == items_[open].depth + 1 && isWord(k, "AS")) as = k;
    if (as < 0 || as + 1 >= close) Refuse(QStringLiteral("CAST"));
    const QString type = SqliteType(items_[as + 1].text.toString());
    if (type.isEmpty()) Refuse(QStringLiteral("CAST a ") + upper(as + 1));
    replace(as + 1, type);
    drop(as + 2, close);
  }
  // CONVERT(INT, x) becomes CAST(x AS INTEGER); a style argument is refused.
  void rewriteConvert(int at) {
    const int open = at + 1, close = items_[open].match;
    const int typeAt = open + 1;
    if (!isName(typeAt)) Refuse(QStringLiteral("CONVERT"));
    const int comma = isSymbol(typeAt + 1, u"(") ? items_[typeAt + 1].match + 1 : typeAt + 1;
    if (!isSymbol(comma, u",")) Refuse(QStringLiteral("CONVERT"));
    for (int k = comma + 1; k < close; ++k)
      if (items_[k].depth == items_[open].depth + 1 && isSymbol(k, u","))
        Refuse(QStringLiteral("CONVERT con estilo"));
    const QString type = SqliteType(items_[typeAt].text.toString());
    if (type.isEmpty()) Refuse(QStringLiteral("CONVERT a ") + upper(typeAt));
    replace(at, QStringLiteral("CAST"));
    drop(typeAt, comma + 1);
    items_[close].before += QStringLiteral(" AS ") + type;
  }

  enum class Operand { Unknown, Numeric, Text };
  Operand operandEndingAt(int i) const {
    if (!valid(i)) return Operand::Unknown;
    if (items_[i].token.kind == TokenKind::String) return Operand::Text;
    if (items_[i].token.kind == TokenKind::Number) return Operand::Numeric;
    if (isSymbol(i, u")")) {
      const int open = items_[i].match;
      if (valid(open - 1) && items_[open - 1].token.kind == TokenKind::Word && OneOf(items_[open - 1].text, kNumericFunctions))
        return Operand::Numeric;
      if (i - open == 2 && items_[open + 1].token.kind == TokenKind::Number) return Operand::Numeric;
    }
    return Operand::Unknown;
  }
  Operand operandStartingAt(int i) const {
    if (!valid(i)) return Operand::Unknown;
    if (items_[i].token.kind == TokenKind::String) return Operand::Text;
    if (items_[i].token.kind == TokenKind::Number) return Operand::Numeric;
    if ((isSymbol(i, u"-") || isSymbol(i, u"+")) && valid(i + 1) && items_[i + 1].token.kind == TokenKind::Number)
      return Operand::Numeric;
    if (items_[i].token.kind == TokenKind::Word && OneOf(items_[i].text, kNumericFunctions) && isSymbol(i + 1, u"("))
      return Operand::Numeric;
    return Operand::Unknown;
  }
  bool startsOperand(int i) const {  // whether a "+" at i would be a sign
    if (!valid(i - 1)) return true;
    const Item& p = items_[i - 1];
    if (p.token.kind == TokenKind::Symbol) return p.text != u")";
    return p.token.kind == TokenKind::Word && OneOf(p.text, kReserved) && !IsKeyword(p.text, "END");
  }

  void checkOperators() {
    for (int i = 0; i < size(); ++i) {
      if (isSymbol(i, u"!<")) replace(i, QStringLiteral(">="));
      else if (isSymbol(i, u"!>")) replace(i, QStringLiteral("<="));
      else if ((isSymbol(i, u"+") || isSymbol(i, u"-")) && !startsOperand(i)) {
        // SQL Server adds days to a date; SQLite would add to its year.
        if (isDateBefore(i) || isDateAfter(i)) Refuse(QStringLiteral("aritmética con fechas"));
        if (isSymbol(i, u"+")) checkPlus(i);
      }
    }
    for (size_t s = 1; s < scopes_.size(); ++s) checkSelectList(scopes_[s].select);
  }
  bool isDateBefore(int op) const {
    if (isSymbol(op - 1, u")") && items_[op - 1].dropped) return isWord(op - 3, "GETDATE");
    const auto column = chainEndingAt(op - 1);
    return column && isDateColumn(*column, items_[op].scope);
  }
  bool isDateAfter(int op) const {
    if (isWord(op + 1, "GETDATE")) return true;
    const auto column = chainStartingAt(op + 1);
    return column && isDateColumn(*column, items_[op].scope);
  }
  // SQL Server joins texts with "+"; SQLite would add them as numbers.
  void checkPlus(int i) const {
    const Operand left = operandEndingAt(i - 1), right = operandStartingAt(i + 1);
    if (left == Operand::Text || right == Operand::Text) Refuse(QStringLiteral("concatenación de textos con +"));
    if (left != Operand::Numeric && right != Operand::Numeric)
      Refuse(QStringLiteral("operador + entre valores de tipo desconocido"));
  }
  // SELECT name = expression names a column in SQL Server; SQLite would compare.
  void checkSelectList(int select) const {
    const int depth = items_[select].depth;
    bool itemStart = true;
    for (int k = select + 1; valid(k) && items_[k].depth >= depth; ++k) {
      if (items_[k].dropped || items_[k].depth > depth) continue;
      if (isWord(k, "FROM") || isWord(k, "WHERE") || isWord(k, "UNION")) return;
      if (itemStart && (isWord(k, "DISTINCT") || isWord(k, "ALL"))) continue;
      if (itemStart && (isName(k) || items_[k].token.kind == TokenKind::String) && isSymbol(k + 1, u"=") &&
          !isSymbol(k - 1, u"."))
        Refuse(QStringLiteral("alias de columna con ="));
      itemStart = isSymbol(k, u",");
    }
  }

  // String literals compared with something are compared under the
  // collation, except when the other side is a date column: then the
  // literal is bound as a date.
  void markComparedLiterals() {
    std::vector<int> betweenOfAnd(items_.size(), -1);
    for (int b = 0; b < size(); ++b) {
      if (!isWord(b, "BETWEEN")) continue;
      for (int k = b + 1; valid(k) && items_[k].depth >= items_[b].depth; ++k)
        if (items_[k].depth == items_[b].depth && isWord(k, "AND")) {
          betweenOfAnd[static_cast<size_t>(k)] = b;
          break;
        }
    }
    for (int i = 0; i < size(); ++i) {
      if (!isLiftedString(i)) continue;
      refuseAliasWithoutAs(i);
      if (items_[i].dateBound) continue;
      std::optional<Chain> other;
      if (isComparison(i - 1) || isWord(i - 1, "LIKE") || isWord(i - 1, "BETWEEN")) {
        other = chainEndingAt(operatorBefore(i - 1));
      } else if (isWord(i - 1, "AND") && betweenOfAnd[static_cast<size_t>(i - 1)] >= 0) {
        other = chainEndingAt(operatorBefore(betweenOfAnd[static_cast<size_t>(i - 1)] - 1));
      } else if (isComparison(i + 1) || isWord(i + 1, "LIKE") || (isWord(i + 1, "NOT") && isWord(i + 2, "LIKE"))) {
        other = chainStartingAt(isWord(i + 1, "NOT") ? i + 3 : i + 2);
      } else if (isWord(i - 1, "WHEN") && isWord(i + 1, "THEN")) {  // CASE x WHEN 'a' THEN
        other = std::nullopt;
      } else if ((isSymbol(i - 1, u"(") || isSymbol(i - 1, u",")) && (isSymbol(i + 1, u",") || isSymbol(i + 1, u")"))) {
        markInListElement(i);
        continue;
      } else {
        continue;
      }
      if (other && isDateColumn(*other, items_[i].scope)) items_[i].dateBound = true;
      else items_[i].collate = true;
    }
  }
  // "SELECT x 'name'" names the column; as a parameter it would not.
  void refuseAliasWithoutAs(int i) const {
    if (!valid(i - 1)) return;
    const Item& p = items_[i - 1];
    if (p.dropped) return;
    const bool endsValue = p.token.kind == TokenKind::String || p.token.kind == TokenKind::Number ||
                           isSymbol(i - 1, u")") || isName(i - 1);
    if (endsValue) Refuse(QStringLiteral("alias entre comillas sin AS"));
  }
  // The last token of the operand before an operator at `op` ("x NOT LIKE").
  int operatorBefore(int op) const { return isWord(op - 1, "NOT") ? op - 2 : op - 1; }

  // In "x IN ('a', 'b')" SQLite takes the collation from x alone.
  void markInListElement(int i) {
    const int open = items_[i].enclosing;
    if (open < 0 || !isWord(open - 1, "IN")) return;
    const int in = open - 1;
    const int operandEnd = isWord(in - 1, "NOT") ? in - 2 : in - 1;
    const auto column = chainEndingAt(operandEnd);
    if (column && isDateColumn(*column, items_[i].scope)) {
      items_[i].dateBound = true;
      return;
    }
    Item& insertAt = items_[operandEnd + 1];
    if (!insertAt.before.endsWith(kCollate)) insertAt.before += kCollate;
  }

  bool isDateColumn(const Chain& chain, int scope) const {
    const QString column = nameOf(chain.last);
    const QString qualifier = chain.last > chain.first ? nameOf(chain.last - 2) : QString();
    for (int s = scope; s >= 0; s = scopes_[static_cast<size_t>(s)].parent) {
      for (const TableRef& ref : scopes_[static_cast<size_t>(s)].tables) {
        if (ref.table.isEmpty()) continue;
        if (qualifier.isEmpty()) {
          if (schema_.isDateColumn(ref.table, column)) return true;
        } else if (EqualsName(ref.alias, qualifier) || EqualsName(ref.table, qualifier)) {
          return schema_.isDateColumn(ref.table, column);
        }
      }
    }
    return false;
  }

  void placeLimits() {
    for (const Scope& scope : scopes_) {
      if (scope.limit.isEmpty()) continue;
      if (std::find(unionGroups_.begin(), unionGroups_.end(), scope.group) != unionGroups_.end())
        Refuse(QStringLiteral("TOP con UNION"));
      const QString clause = QStringLiteral(" LIMIT ") + scope.limit;
      if (scope.group < 0) append_ += clause;
      else items_[items_[scope.group].match].before += clause;
    }
  }

  CompiledStatement render() {
    CompiledStatement out;
    bool pendingSpace = false;
    for (const Item& it : items_) {
      if (it.dropped) {
        pendingSpace = true;
        continue;
      }
      out.sql += it.before;
      const bool closer = it.token.kind == TokenKind::Symbol && (it.text == u")" || it.text == u",");
      // A word right after a literal ('FC'AND) must not run into the
      // collation written after it.
      const bool word = !it.text.isEmpty() && (it.text.front().isLetterOrNumber() || it.text.front() == u'_');
      if (word && out.sql.endsWith(kCollate)) pendingSpace = true;
      if ((it.space || pendingSpace) && !out.sql.isEmpty() && !out.sql.endsWith(u'(') && !closer) out.sql += u' ';
      pendingSpace = false;
      if (it.token.literal >= 0) {
        out.sql += u'?';
        out.paramSlots.push_back(ParamSlot{it.token.literal, it.dateBound});
        if (it.collate) out.sql += kCollate;
      } else if (it.replaced) {
        out.sql += it.replacement;
      } else if (it.token.kind == TokenKind::String) {
        // A column alias written as a string: SQLite wants a name there.
        const int32_t quote = it.text.startsWith(u'\'') ? 1 : 2;
        const QString name = text_.literalText(Literal{it.token.begin + quote, it.token.length - quote - 1, true, true});
        out.sql += SqliteName(name);
      } else {
        out.sql += it.text;
      }
    }
    out.sql += append_;
    return out;
  }

  const TokenizedText& text_;
  const TokenRange range_;
  const SchemaInfo& schema_;
  std::vector<Item> items_;
  std::vector<Scope> scopes_;
  std::vector<int> unionGroups_;
  int insertTarget_ = -1;
  QString append_;
};

}  // namespace

CompiledStatement RewriteSql(const TokenizedText& text, TokenRange range, const SchemaInfo& schema) {
  return Rewriter(text, range, schema).run();
}

}  // namespace ado::sqlite::tsql
