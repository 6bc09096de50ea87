#include "platform/ado/sqlite/TsqlRewriteSteps.h"

#include "platform/ado/Constants.h"
#include "platform/ado/sqlite/TsqlRefusal.h"

namespace ado::sqlite::tsql {

namespace {

// How SQL Server converts a value written to a column of that type.
Conversion ConversionFor(const DeclaredType& type) {
  Conversion c;
  const auto whole = [&](WholeType t) {
    c.kind = Conversion::Kind::Whole;
    c.whole = t;
  };
  switch (type.adoType) {
    case adInteger: whole(WholeType::Int); break;
    case adSmallInt: whole(WholeType::SmallInt); break;
    case adTinyInt: case 17 /* unsigned tiny */: whole(WholeType::TinyInt); break;
    case adBigInt: whole(WholeType::BigInt); break;
    case adBoolean: whole(WholeType::Bit); break;
    case adCurrency: c.kind = Conversion::Kind::Fixed, c.scale = 4; break;
    case adNumeric: case adDecimal:
      // Declared DECIMAL(p,s) or NUMERIC(p,s); a type name SQLite merely reads as numeric has no scale.
      if (type.precision > 0) c.kind = Conversion::Kind::Fixed, c.scale = static_cast<uint8_t>(type.scale);
      break;
    default:
      if (type.isDate()) c.kind = Conversion::Kind::Date;
      break;
  }
  return c;
}

// The arguments CONVERT_TO takes after the value, with its closing parenthesis.
QString ConvertToArguments(const Conversion& c) {
  if (c.kind == Conversion::Kind::Whole) return QStringLiteral(", '%1')").arg(NameOf(c.whole));
  return QStringLiteral(", 'decimal', %1)").arg(c.scale);
}

}  // namespace

// The value at `value` written to a column of `type`: a literal, or a
// number literal with its sign, is converted when it is bound, an
// expression by CONVERT_TO (ConversionFunctions.h); the date an expression
// gives is the database's.
void Rewriter::convertAssigned(Span value, const DeclaredType& type) {
  Conversion conversion = ConversionFor(type);
  if (conversion.kind == Conversion::Kind::None) return;
  const bool signedNumber = value.last == value.first + 1 && items_[value.last].token.kind == TokenKind::Number &&
                            (isSymbol(value.first, u"-") || isSymbol(value.first, u"+"));
  if ((value.first == value.last || signedNumber) && items_[value.last].token.literal >= 0) {
    conversion.negated = signedNumber && isSymbol(value.first, u"-");
    items_[value.last].conversion = conversion;
    return;
  }
  if (conversion.isDate()) return;
  if (value.first == value.last && (isWord(value.first, "NULL") || isWord(value.first, "DEFAULT"))) return;
  wrap(value, QStringLiteral("CONVERT_TO("), ConvertToArguments(conversion));
}

// The columns of every SELECT of INSERT ... SELECT (a UNION's too), by
// position, up to a "*" whose columns it does not count.
void Rewriter::convertSelected(int from, const QString& table, const QStringList& columns) {
  const int depth = items_[from].depth;
  for (int k = from; valid(k) && items_[k].depth >= depth; ++k) {
    if (items_[k].depth != depth || !isWord(k, "SELECT")) continue;
    int position = 0;
    for (const Span& item : selectList(k)) {
      if (isSymbol(item.last, u"*") || position >= columns.size()) break;
      convertAssigned(item, schema_.columnType(table, columns[position++]));
    }
  }
}

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
  if (isWord(k, "SELECT")) return convertSelected(k, table, columns);
  if (!isWord(k, "VALUES")) return;
  for (++k; isSymbol(k, u"(");) {  // one or more rows of values
    const int close = items_[k].match;
    int position = 0, start = k + 1;
    for (int j = k + 1; j <= close; ++j) {
      if (j != close && !(isSymbol(j, u",") && items_[j].depth == items_[k].depth + 1)) continue;
      if (j > start && position < columns.size())
        convertAssigned(Span{start, j - 1}, schema_.columnType(table, columns[position]));
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
    if (end > equals + 1) convertAssigned(Span{equals + 1, end - 1}, schema_.columnType(table, nameOf(column->last)));
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
