#include "platform/ado/sqlite/TsqlRewriteSteps.h"

#include <algorithm>

#include "platform/ado/sqlite/TsqlRefusal.h"

namespace ado::sqlite::tsql {

namespace {

constexpr std::string_view kNumericFunctions[] = {"COUNT", "SUM", "LEN", "ABS"};

}  // namespace

Rewriter::Operand Rewriter::operandEndingAt(int i) const {
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

Rewriter::Operand Rewriter::operandStartingAt(int i) const {
  if (!valid(i)) return Operand::Unknown;
  if (items_[i].token.kind == TokenKind::String) return Operand::Text;
  if (items_[i].token.kind == TokenKind::Number) return Operand::Numeric;
  if ((isSymbol(i, u"-") || isSymbol(i, u"+")) && valid(i + 1) && items_[i + 1].token.kind == TokenKind::Number)
    return Operand::Numeric;
  if (items_[i].token.kind == TokenKind::Word && OneOf(items_[i].text, kNumericFunctions) && isSymbol(i + 1, u"("))
    return Operand::Numeric;
  return Operand::Unknown;
}

bool Rewriter::startsOperand(int i) const {  // whether a "+" at i would be a sign
  if (!valid(i - 1)) return true;
  const Item& p = items_[i - 1];
  if (p.token.kind == TokenKind::Symbol) return p.text != u")";
  return p.token.kind == TokenKind::Word && OneOf(p.text, kReserved) && !IsKeyword(p.text, "END");
}

void Rewriter::checkOperators() {
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

bool Rewriter::isDateBefore(int op) const {
  if (isSymbol(op - 1, u")") && items_[op - 1].dropped) return isWord(op - 3, "GETDATE");
  const auto column = chainEndingAt(op - 1);
  return column && isDateColumn(*column, items_[op].scope);
}

bool Rewriter::isDateAfter(int op) const {
  if (isWord(op + 1, "GETDATE")) return true;
  const auto column = chainStartingAt(op + 1);
  return column && isDateColumn(*column, items_[op].scope);
}

// SQL Server joins texts with "+"; SQLite would add them as numbers. A
// text added to a number is converted as SQL Server converts it, 'A1'
// refused (TEXT_TO); SQLite would add it as 0.
void Rewriter::checkPlus(int i) {
  const Operand left = operandEndingAt(i - 1), right = operandStartingAt(i + 1);
  if (left == Operand::Text || right == Operand::Text) Refuse(QStringLiteral("concatenación de textos con +"));
  if (left != Operand::Numeric && right != Operand::Numeric)
    Refuse(QStringLiteral("operador + entre valores de tipo desconocido"));
  const bool textBefore = left == Operand::Unknown;
  if (left != Operand::Unknown && right != Operand::Unknown) return;
  const QString type = addedNumberType(textBefore ? i + 1 : i - 1, !textBefore);
  const std::optional<Span> operand = textBefore ? operandSpanEndingAt(i - 1) : operandSpanStartingAt(i + 1);
  if (!type.isEmpty() && operand) wrap(*operand, QStringLiteral("TEXT_TO("), QStringLiteral(", '%1')").arg(type));
}

// What SQL Server converts a text added to the numeric operand that ends
// (`before`) or starts at `i` into: 'int' for a whole number, 'numeric'
// for a fraction; empty when the operand's type is not known (SUM, ABS).
QString Rewriter::addedNumberType(int i, bool before) const {
  int number = i;
  if (before && isSymbol(i, u")")) number = items_[i].match + 1;
  if (!before && (isSymbol(i, u"-") || isSymbol(i, u"+"))) number = i + 1;
  if (valid(number) && items_[number].token.kind == TokenKind::Number) {
    const QStringView text = items_[number].text;
    const bool whole = std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    return whole ? QStringLiteral("int") : QStringLiteral("numeric");
  }
  const int function = before ? items_[i].match - 1 : i;
  if (isWord(function, "COUNT") || isWord(function, "LEN")) return QStringLiteral("int");
  return {};
}

// The operand of unknown type that ends or starts at `i`: a column, a
// function's call or a parenthesis; nullopt for anything else (CASE).
std::optional<Rewriter::Span> Rewriter::operandSpanEndingAt(int i) const {
  if (const auto column = chainEndingAt(i)) return Span{column->first, column->last};
  if (!isSymbol(i, u")")) return std::nullopt;
  const int open = items_[i].match;
  const bool called = valid(open - 1) && items_[open - 1].token.kind == TokenKind::Word &&
                      !OneOf(items_[open - 1].text, kReserved);
  return Span{called ? open - 1 : open, i};
}

std::optional<Rewriter::Span> Rewriter::operandSpanStartingAt(int i) const {
  if (const auto column = chainStartingAt(i)) return Span{column->first, column->last};
  if (isSymbol(i, u"(")) return Span{i, items_[i].match};
  if (valid(i) && items_[i].token.kind == TokenKind::Word && !OneOf(items_[i].text, kReserved) &&
      isSymbol(i + 1, u"("))
    return Span{i, items_[i + 1].match};
  return std::nullopt;
}

// SELECT name = expression names a column in SQL Server; SQLite would compare.
void Rewriter::checkSelectList(int select) const {
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

}  // namespace ado::sqlite::tsql
