#include "platform/ado/sqlite/TsqlRewriteSteps.h"

#include "platform/ado/sqlite/TsqlRefusal.h"

namespace ado::sqlite::tsql {

namespace {

// Keywords that may stand right before "(" without being a function.
constexpr std::string_view kBeforeParenthesis[] = {
    "IN",   "EXISTS", "VALUES", "AS",   "ON",     "AND",     "OR",   "NOT",  "FROM",
    "JOIN", "WHERE",  "SELECT", "THEN", "ELSE",   "WHEN",    "CASE", "IS",   "LIKE",
    "BETWEEN", "HAVING", "SET", "BY",   "UNION",  "ALL",     "DISTINCT", "EXCEPT"};

// Functions that SQLite has with the same meaning (LEN is registered by the
// provider). ISNULL, SUBSTRING, GETDATE, CAST and CONVERT are rewritten.
constexpr std::string_view kSameFunctions[] = {
    "COUNT", "SUM", "MAX", "MIN", "ABS", "UPPER", "LOWER", "LTRIM", "RTRIM", "LEN", "COALESCE", "NULLIF"};

QString SqliteType(const QString& type) {
  for (std::string_view t : {"INT", "INTEGER", "BIGINT", "SMALLINT", "TINYINT"})
    if (IsKeyword(type, t)) return QStringLiteral("INTEGER");
  if (IsKeyword(type, "FLOAT") || IsKeyword(type, "REAL")) return QStringLiteral("REAL");
  return {};
}

// The whole-number type SQL Server casts to under that name.
std::optional<WholeType> WholeTypeOf(const QString& type) {
  if (IsKeyword(type, "INTEGER")) return WholeType::Int;
  const std::optional<WholeType> whole = WholeTypeNamed(type);
  return whole == WholeType::Bit ? std::nullopt : whole;
}

}  // namespace

// A value cast to a whole number is converted as SQL Server converts it,
// 'abc' and '12.7' refused (CONVERT_TO); SQLite's CAST alone would give 0
// and 12. The CAST around it still gives the column its type.
void Rewriter::convertCastValue(Span value, const QString& type) {
  if (const std::optional<WholeType> whole = WholeTypeOf(type))
    wrap(value, QStringLiteral("CONVERT_TO("), QStringLiteral(", '%1')").arg(NameOf(*whole)));
}

void Rewriter::rewriteFunctions() {
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

// CAST(x AS INT) keeps its form with SQLite's type name.
void Rewriter::rewriteCast(int at) {
  const int open = at + 1, close = items_[open].match;
  int as = -1;
  for (int k = open + 1; k < close; ++k)
    if (items_[k].depth == items_[open].depth + 1 && isWord(k, "AS")) as = k;
  if (as < 0 || as + 1 >= close) Refuse(QStringLiteral("CAST"));
  const QString written = items_[as + 1].text.toString(), type = SqliteType(written);
  if (type.isEmpty()) Refuse(QStringLiteral("CAST a ") + upper(as + 1));
  if (as > open + 1) convertCastValue(Span{open + 1, as - 1}, written);
  replace(as + 1, type);
  drop(as + 2, close);
}

// CONVERT(INT, x) becomes CAST(x AS INTEGER); a style argument is refused.
void Rewriter::rewriteConvert(int at) {
  const int open = at + 1, close = items_[open].match;
  const int typeAt = open + 1;
  if (!isName(typeAt)) Refuse(QStringLiteral("CONVERT"));
  const int comma = isSymbol(typeAt + 1, u"(") ? items_[typeAt + 1].match + 1 : typeAt + 1;
  if (!isSymbol(comma, u",")) Refuse(QStringLiteral("CONVERT"));
  for (int k = comma + 1; k < close; ++k)
    if (items_[k].depth == items_[open].depth + 1 && isSymbol(k, u","))
      Refuse(QStringLiteral("CONVERT con estilo"));
  const QString written = items_[typeAt].text.toString(), type = SqliteType(written);
  if (type.isEmpty()) Refuse(QStringLiteral("CONVERT a ") + upper(typeAt));
  if (close > comma + 1) convertCastValue(Span{comma + 1, close - 1}, written);
  replace(at, QStringLiteral("CAST"));
  drop(typeAt, comma + 1);
  items_[close].before += QStringLiteral(" AS ") + type;
}

}  // namespace ado::sqlite::tsql
