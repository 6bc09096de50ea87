#include "platform/ado/sqlite/ExpressionTypes.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "platform/ado/Constants.h"
#include "platform/ado/sqlite/SchemaCache.h"
#include "platform/ado/sqlite/TsqlTokenizer.h"
#include "platform/ado/sqlite/Values.h"

namespace ado::sqlite {

namespace {

using tsql::IsKeyword;
using tsql::TokenKind;

// How SQLite stores a value, which decides how it reads back.
enum class Stored { Null, Integer, BigInteger, Real, Text, Date };

struct Kind {
  Stored stored = Stored::Null;
  long width = 0;  // of a text: 0 when not fixed
};
using Type = std::optional<Kind>;  // empty: the statement does not fix it

// A view's computed columns may read other views; none goes this deep.
constexpr int kDeepestView = 8;

// Words that never name a column, a table or an alias.
constexpr std::string_view kReserved[] = {
    "SELECT", "FROM",  "WHERE", "AND",  "OR",     "NOT",   "IN",      "IS",        "NULL",     "LIKE",   "GLOB",
    "BETWEEN", "EXISTS", "JOIN", "INNER", "LEFT", "RIGHT", "FULL",   "OUTER",     "CROSS",    "NATURAL", "ON",
    "USING",  "AS",    "GROUP", "ORDER", "BY",    "HAVING", "LIMIT",  "OFFSET",    "UNION",    "ALL",    "EXCEPT",
    "INTERSECT", "CASE", "WHEN", "THEN", "ELSE",  "END",   "DISTINCT", "COLLATE",  "ESCAPE",   "WINDOW", "OVER",
    "FILTER", "INDEXED", "ASC", "DESC"};

// Words that end a SELECT's columns or its tables.
constexpr std::string_view kClauseEnds[] = {"FROM",  "WHERE", "GROUP",     "ORDER", "LIMIT",
                                            "HAVING", "UNION", "INTERSECT", "EXCEPT", "WINDOW"};

template <size_t N>
bool OneOf(QStringView word, const std::string_view (&words)[N]) {
  return std::any_of(std::begin(words), std::end(words), [&](std::string_view w) { return IsKeyword(word, w); });
}

bool SameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

bool IsNumber(const Type& t) {
  return t && (t->stored == Stored::Integer || t->stored == Stored::BigInteger || t->stored == Stored::Real);
}

// What SQLite stores for the values of a column of that declared type.
Type OfDeclared(const DeclaredType& d) {
  switch (d.kind) {
    case ValueKind::Text: return Kind{Stored::Text, d.definedSize};
    case ValueKind::Integer: return Kind{d.adoType == adBigInt ? Stored::BigInteger : Stored::Integer};
    case ValueKind::Boolean: return Kind{Stored::Integer};
    // Money and decimals are taken for fractions (a whole amount is stored as a whole number).
    case ValueKind::Currency: case ValueKind::Double: return Kind{Stored::Real};
    case ValueKind::Date: return Kind{Stored::Date};
    case ValueKind::Untyped: break;
  }
  return std::nullopt;
}

// CAST follows SQLite's affinity of the type name, not the declared types of the schema:
// CAST(x AS DATETIME) gives a number.
Type OfCast(const QString& typeName, long width) {
  switch (AffinityOf(typeName.toUpper().toUtf8())) {
    case Affinity::Integer: return Kind{Stored::Integer};
    case Affinity::Text: return Kind{Stored::Text, width};
    case Affinity::Real: return Kind{Stored::Real};
    case Affinity::Numeric: break;  // a whole number or a fraction, by the value
  }
  return std::nullopt;
}

Kind OfNumber(QStringView text) {
  if (text.contains(u'.') || text.contains(u'e') || text.contains(u'E')) return Kind{Stored::Real};
  bool whole = false;
  const qlonglong value = text.toLongLong(&whole);
  if (!whole) return Kind{Stored::Real};  // beyond 64 bits SQLite reads a fraction
  return Kind{value < INT32_MIN || value > INT32_MAX ? Stored::BigInteger : Stored::Integer};
}

Kind OfText(const QString& value) {
  const QByteArray utf8 = value.toUtf8();
  if (IsStoredDate(utf8.constData(), static_cast<int>(utf8.size()))) return Kind{Stored::Date};
  return Kind{Stored::Text, std::max<long>(1, value.size())};
}

Type Arithmetic(const Type& a, const Type& b) {
  if (!IsNumber(a) || !IsNumber(b)) return std::nullopt;
  if (a->stored == Stored::Real || b->stored == Stored::Real) return Kind{Stored::Real};
  if (a->stored == Stored::BigInteger || b->stored == Stored::BigInteger) return Kind{Stored::BigInteger};
  return Kind{Stored::Integer};
}

// The type of values that come from any of several expressions (CASE,
// IFNULL, COALESCE): NULL takes the others' type, whole numbers and
// fractions give fractions, a text the widest width.
Type Common(const std::vector<Type>& types) {
  Type all = Kind{Stored::Null};
  for (const Type& t : types) {
    if (!t) return std::nullopt;
    if (t->stored == Stored::Null) continue;
    if (all->stored == Stored::Null) {
      all = t;
    } else if (all->stored == t->stored) {
      all->width = all->width == 0 || t->width == 0 ? 0 : std::max(all->width, t->width);
    } else if (IsNumber(all) && IsNumber(t)) {
      all = Arithmetic(all, t);
    } else {
      return std::nullopt;
    }
  }
  return all;
}

// What the provider reports for values stored so: the types of TypeOfValue.
std::optional<ExpressionType> Reported(const Type& t) {
  if (!t) return std::nullopt;
  const auto sized = [](int adoType) { return ExpressionType{adoType, DefinedSizeOfValueType(adoType)}; };
  switch (t->stored) {
    case Stored::Null: break;
    case Stored::Integer: return sized(adInteger);
    case Stored::BigInteger: return sized(adBigInt);
    case Stored::Real: return sized(adDouble);
    case Stored::Date: return sized(adDBTimeStamp);
    case Stored::Text: return ExpressionType{adVarChar, t->width};
  }
  return std::nullopt;
}

// A construct the reader does not follow: the expression's type is not fixed.
struct Unreadable {};

// A table of a FROM clause. No table: a derived table, or one the schema
// does not hold.
struct Source {
  const TableDef* table = nullptr;
  QString alias;
};

struct Scope {
  const Scope* parent = nullptr;  // of a subquery: the statement around it
  std::vector<Source> sources;
};

struct Select {
  std::vector<std::pair<int, int>> items;  // token ranges of the columns
  Scope scope;
};

// Reads the columns of the first SELECT of a statement or a view.
class Reader {
 public:
  Reader(const QString& sql, const SchemaCache& schema, int depth) : schema_(schema), depth_(depth) {
    tsql::Tokenize(sql, text_);
    match_.assign(text_.tokens.size(), -1);
    std::vector<int> open;
    for (int i = 0; i < size(); ++i) {
      if (symbol(i, u"(")) {
        open.push_back(i);
      } else if (symbol(i, u")")) {
        if (open.empty()) return;
        match_[static_cast<size_t>(open.back())] = i;
        match_[static_cast<size_t>(i)] = open.back();
        open.pop_back();
      }
    }
    balanced_ = open.empty();
  }

  // Empty when the statement's columns cannot be told apart.
  std::optional<std::vector<Type>> columns() {
    if (!balanced_) return std::nullopt;
    try {
      int select = 0;
      while (select < size() && !word(select, "SELECT")) select = symbol(select, u"(") ? match(select) + 1 : select + 1;
      if (select == size()) return std::nullopt;
      const Select s = readSelect(select, size(), nullptr);
      std::vector<Type> types;
      for (const auto& [begin, end] : s.items) {
        if (end - begin == 1 && symbol(begin, u"*")) {
          for (const Source& source : s.scope.sources) allColumns(source, types);
        } else if (end - begin == 3 && isName(begin) && symbol(begin + 1, u".") && symbol(begin + 2, u"*")) {
          const Source* source = sourceNamed(s.scope, name(begin));
          if (!source) return std::nullopt;
          allColumns(*source, types);
        } else {
          types.push_back(itemType(begin, end, s.scope));
        }
      }
      return types;
    } catch (const Unreadable&) {
      return std::nullopt;
    }
  }

 private:
  // ---- tokens ----
  int size() const { return static_cast<int>(text_.tokens.size()); }
  const tsql::Token& token(int i) const { return text_.tokens[static_cast<size_t>(i)]; }
  QStringView text(int i) const { return text_.text(token(i)); }
  int match(int i) const { return match_[static_cast<size_t>(i)]; }
  bool word(int i, std::string_view keyword) const {
    return i < size() && token(i).kind == TokenKind::Word && IsKeyword(text(i), keyword);
  }
  bool symbol(int i, QStringView s) const { return i < size() && token(i).kind == TokenKind::Symbol && text(i) == s; }
  bool isName(int i) const {
    if (i >= size()) return false;
    const TokenKind kind = token(i).kind;
    return kind == TokenKind::Bracketed || kind == TokenKind::QuotedName ||
           (kind == TokenKind::Word && !OneOf(text(i), kReserved));
  }
  bool endsClause(int i) const { return i < size() && token(i).kind == TokenKind::Word && OneOf(text(i), kClauseEnds); }
  QString name(int i) const { return tsql::NameOfToken(text(i), token(i).kind); }
  QString stringValue(int i) const {
    if (token(i).literal >= 0) return text_.literalText(text_.literals[static_cast<size_t>(token(i).literal)]);
    const QStringView quoted = text(i);
    const qsizetype open = quoted.indexOf(u'\'');
    return quoted.mid(open + 1, quoted.size() - open - 2).toString().replace(QStringLiteral("''"), QStringLiteral("'"));
  }
  // Whether the token can end an expression, so that a name after it is an alias.
  bool endsValue(int i) const {
    const TokenKind kind = token(i).kind;
    return kind == TokenKind::Number || kind == TokenKind::String || isName(i) || symbol(i, u")") || word(i, "END") ||
           word(i, "NULL");
  }
  // The ranges between the commas of `begin`..`end` at its own depth.
  std::vector<std::pair<int, int>> split(int begin, int end) const {
    std::vector<std::pair<int, int>> parts;
    if (begin == end) return parts;
    int start = begin;
    for (int k = begin; k < end; ++k) {
      if (symbol(k, u"(")) {
        k = match(k);
      } else if (symbol(k, u",")) {
        parts.emplace_back(start, k);
        start = k + 1;
      }
    }
    parts.emplace_back(start, end);
    return parts;
  }

  // ---- SELECT and FROM ----
  Select readSelect(int at, int end, const Scope* parent) {
    Select s;
    s.scope.parent = parent;
    int k = at + 1;
    if (word(k, "DISTINCT") || word(k, "ALL")) ++k;
    const int first = k;
    while (k < end && !endsClause(k)) k = symbol(k, u"(") ? match(k) + 1 : k + 1;
    s.items = split(first, k);
    if (word(k, "FROM")) readSources(k + 1, end, s.scope);
    return s;
  }

  void readSources(int k, int end, Scope& scope) {
    while (k < end) {
      Source source;
      if (symbol(k, u"(")) {
        k = match(k) + 1;
      } else if (isName(k)) {
        int last = k;
        while (symbol(last + 1, u".") && isName(last + 2)) last += 2;
        source.table = schema_.table(name(last));
        k = last + 1;
      } else {
        return;
      }
      if (word(k, "AS")) ++k;
      if (k < end && isName(k)) source.alias = name(k++);
      scope.sources.push_back(std::move(source));
      // On to the table after the next "," or JOIN.
      while (k < end && !symbol(k, u",") && !word(k, "JOIN")) {
        if (endsClause(k)) return;
        k = symbol(k, u"(") ? match(k) + 1 : k + 1;
      }
      ++k;
    }
  }

  static const Source* sourceNamed(const Scope& scope, const QString& qualifier) {
    for (const Source& source : scope.sources) {
      const bool named = source.alias.isEmpty() ? source.table && SameName(source.table->name, qualifier)
                                                : SameName(source.alias, qualifier);
      if (named) return &source;
    }
    return nullptr;
  }

  void allColumns(const Source& source, std::vector<Type>& types) {
    if (!source.table) throw Unreadable{};
    for (size_t i = 0; i < source.table->columns.size(); ++i) types.push_back(columnType(*source.table, i));
  }

  // ---- columns of tables and views ----
  Type columnType(const TableDef& table, size_t index) {
    const DeclaredType& declared = table.columns[index].type;
    if (declared.kind != ValueKind::Untyped) return OfDeclared(declared);
    // A view's computed column: its expression in the view.
    if (!table.isView || depth_ >= kDeepestView) return std::nullopt;
    auto found = views_.find(&table);
    if (found == views_.end())
      found = views_.emplace(&table, Reader(table.definition, schema_, depth_ + 1).columns()).first;
    const std::optional<std::vector<Type>>& types = found->second;
    return types && types->size() == table.columns.size() ? (*types)[index] : std::nullopt;
  }

  // A column named by the tokens `first`..`last` ("c", "t.c"), looked for
  // in the scope and then in the scopes around it.
  Type column(int first, int last, const Scope& scope) {
    const QString columnName = name(last);
    const QString qualifier = last > first ? name(last - 2) : QString();
    for (const Scope* s = &scope; s; s = s->parent) {
      if (!qualifier.isEmpty()) {
        const Source* source = sourceNamed(*s, qualifier);
        if (!source) continue;
        const ColumnDef* c = source->table ? source->table->column(columnName) : nullptr;
        return c ? columnType(*source->table, static_cast<size_t>(c - source->table->columns.data())) : std::nullopt;
      }
      bool unknownSource = false;
      for (const Source& source : s->sources) {
        unknownSource = unknownSource || !source.table;
        if (const ColumnDef* c = source.table ? source.table->column(columnName) : nullptr)
          return columnType(*source.table, static_cast<size_t>(c - source.table->columns.data()));
      }
      if (unknownSource) return std::nullopt;  // it may be that table's
    }
    return std::nullopt;
  }

  // ---- expressions ----
  // A column of a select list: its expression, without its alias.
  Type itemType(int begin, int end, const Scope& scope) {
    if (end - begin >= 2 && isName(end - 1)) {
      if (word(end - 2, "AS")) end -= 2;
      else if (endsValue(end - 2)) end -= 1;
    }
    return within(begin, end, scope);
  }

  // The expression that fills `begin`..`end` exactly.
  Type within(int begin, int end, const Scope& scope) {
    try {
      int k = begin;
      const Type t = sum(k, end, scope);
      return k == end ? t : std::nullopt;
    } catch (const Unreadable&) {
      return std::nullopt;
    }
  }

  Type sum(int& k, int end, const Scope& scope) {
    Type t = product(k, end, scope);
    while (k < end && (symbol(k, u"+") || symbol(k, u"-"))) {
      ++k;
      t = Arithmetic(t, product(k, end, scope));
    }
    return t;
  }

  Type product(int& k, int end, const Scope& scope) {
    Type t = unary(k, end, scope);
    while (k < end && (symbol(k, u"*") || symbol(k, u"/") || symbol(k, u"%"))) {
      ++k;
      t = Arithmetic(t, unary(k, end, scope));
    }
    return t;
  }

  Type unary(int& k, int end, const Scope& scope) {
    // A negative number is read whole: -2147483648 is a 32-bit number, its digits alone are not.
    if (k + 1 < end && symbol(k, u"-") && token(k + 1).kind == TokenKind::Number) {
      k += 2;
      return OfNumber(u'-' + text(k - 1).toString());
    }
    if (k < end && (symbol(k, u"-") || symbol(k, u"+"))) {
      ++k;
      const Type t = unary(k, end, scope);
      return IsNumber(t) ? t : std::nullopt;
    }
    const Type t = primary(k, end, scope);
    while (k + 1 < end && word(k, "COLLATE")) k += 2;
    return t;
  }

  Type primary(int& k, int end, const Scope& scope) {
    if (k >= end) throw Unreadable{};
    const int at = k;
    if (token(at).kind == TokenKind::Number) {
      ++k;
      return OfNumber(text(at));
    }
    if (token(at).kind == TokenKind::String) {
      ++k;
      return OfText(stringValue(at));
    }
    if (word(at, "NULL")) {
      ++k;
      return Kind{Stored::Null};
    }
    if (symbol(at, u"(")) {
      const int close = match(at);
      if (close >= end) throw Unreadable{};
      k = close + 1;
      return word(at + 1, "SELECT") ? subquery(at + 1, close, scope) : within(at + 1, close, scope);
    }
    if (word(at, "CASE")) return caseOf(k, end, scope);
    if (word(at, "CAST") && symbol(at + 1, u"(")) return cast(k, end);
    if (isName(at) && symbol(at + 1, u"(")) return function(k, end, scope);
    if (isName(at)) {
      int last = at;
      while (last + 2 < end && symbol(last + 1, u".") && isName(last + 2)) last += 2;
      k = last + 1;
      return column(at, last, scope);
    }
    throw Unreadable{};
  }

  // (SELECT x FROM ...): the type of x.
  Type subquery(int select, int close, const Scope& scope) {
    const Select s = readSelect(select, close, &scope);
    if (s.items.empty()) return std::nullopt;
    return itemType(s.items[0].first, s.items[0].second, s.scope);
  }

  // The values of the branches after THEN and ELSE.
  Type caseOf(int& k, int end, const Scope& scope) {
    std::vector<Type> branches;
    int branch = -1, nested = 0;
    for (int i = k + 1; i < end; ++i) {
      if (symbol(i, u"(")) {
        i = match(i);
      } else if (word(i, "CASE")) {
        ++nested;
      } else if (nested > 0) {
        if (word(i, "END")) --nested;
      } else {
        const bool otherwise = word(i, "ELSE"), last = word(i, "END");
        if (branch >= 0 && (word(i, "WHEN") || otherwise || last)) {
          branches.push_back(within(branch, i, scope));
          branch = -1;
        }
        if (word(i, "THEN") || otherwise) branch = i + 1;
        if (last) {
          k = i + 1;
          return Common(branches);
        }
      }
    }
    throw Unreadable{};
  }

  Type cast(int& k, int end) {
    const int open = k + 1, close = match(open);
    if (close >= end) throw Unreadable{};
    k = close + 1;
    int as = -1;
    for (int i = open + 1; i < close; ++i) {
      if (symbol(i, u"(")) i = match(i);
      else if (word(i, "AS")) as = i;
    }
    if (as < 0 || as + 1 >= close) return std::nullopt;
    QString typeName;
    long width = 0;
    for (int i = as + 1; i < close; ++i) {
      if (symbol(i, u"(")) {
        if (token(i + 1).kind == TokenKind::Number) width = text(i + 1).toLong();
        break;
      }
      typeName += text(i).toString() + u' ';
    }
    return OfCast(typeName, width);
  }

  Type function(int& k, int end, const Scope& scope) {
    const QStringView fn = text(k);
    const int open = k + 1, close = match(open);
    if (close >= end) throw Unreadable{};
    k = close + 1;
    if (k < end && (word(k, "OVER") || word(k, "FILTER"))) throw Unreadable{};  // window functions
    std::vector<std::pair<int, int>> arguments = split(open + 1, close);
    if (!arguments.empty() && word(arguments[0].first, "DISTINCT")) ++arguments[0].first;
    const auto argument = [&](size_t i) -> Type {
      return i < arguments.size() ? within(arguments[i].first, arguments[i].second, scope) : std::nullopt;
    };
    const auto all = [&] {
      std::vector<Type> types;
      for (size_t i = 0; i < arguments.size(); ++i) types.push_back(argument(i));
      return Common(types);
    };
    const auto is = [&](std::initializer_list<std::string_view> names) {
      return std::any_of(names.begin(), names.end(), [&](std::string_view n) { return IsKeyword(fn, n); });
    };
    if (is({"COUNT", "LEN", "LENGTH", "INSTR"})) return Kind{Stored::Integer};
    if (is({"TOTAL", "AVG", "ROUND"})) return Kind{Stored::Real};  // SQLite's ROUND gives a fraction
    if (is({"DATE", "DATETIME"})) return Kind{Stored::Date};
    if (is({"SUM", "ABS"})) {
      const Type t = argument(0);
      return IsNumber(t) ? t : std::nullopt;
    }
    if (is({"MAX", "MIN", "IFNULL", "COALESCE"})) return all();
    if (is({"NULLIF"})) return argument(0);
    if (is({"TEXT_TO"})) {  // a text added to a number, converted into the kind its second argument names
      const Type t = argument(0);
      if (!t || t->stored != Stored::Text || arguments.size() < 2) return t;
      return Kind{stringValue(arguments[1].first) == QLatin1String("int") ? Stored::Integer : Stored::Real};
    }
    if (is({"UPPER", "LOWER", "LTRIM", "RTRIM", "TRIM"})) {
      const Type t = argument(0);
      return t && (t->stored == Stored::Text || t->stored == Stored::Date) ? t : std::nullopt;
    }
    if (is({"SUBSTR", "SUBSTRING"})) {
      Type t = argument(0);
      if (!t || t->stored != Stored::Text) return std::nullopt;
      if (arguments.size() > 2 && arguments[2].second - arguments[2].first == 1 &&
          token(arguments[2].first).kind == TokenKind::Number) {
        const long length = text(arguments[2].first).toLong();
        if (length > 0) t->width = t->width > 0 ? std::min(t->width, length) : length;
      }
      return t;
    }
    return std::nullopt;
  }

  const SchemaCache& schema_;
  const int depth_;
  tsql::TokenizedText text_;
  std::vector<int> match_;  // the other parenthesis of each
  bool balanced_ = false;
  std::unordered_map<const TableDef*, std::optional<std::vector<Type>>> views_;  // computed columns of views read
};

}  // namespace

std::vector<std::optional<ExpressionType>> ExpressionTypes(const QString& sql, size_t columns,
                                                           const SchemaCache& schema) {
  std::vector<std::optional<ExpressionType>> reported(columns);
  std::optional<std::vector<Type>> types;
  try {
    types = Reader(sql, schema, 0).columns();
  } catch (const Unsupported&) {  // a quote or comment left open
    return reported;
  }
  if (!types || types->size() != columns) return reported;
  for (size_t i = 0; i < columns; ++i) reported[i] = Reported((*types)[i]);
  return reported;
}

}  // namespace ado::sqlite
