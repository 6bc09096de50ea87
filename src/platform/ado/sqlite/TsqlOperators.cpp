#include "platform/ado/sqlite/TsqlRewriteSteps.h"

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

// SQL Server joins texts with "+"; SQLite would add them as numbers.
void Rewriter::checkPlus(int i) const {
  const Operand left = operandEndingAt(i - 1), right = operandStartingAt(i + 1);
  if (left == Operand::Text || right == Operand::Text) Refuse(QStringLiteral("concatenación de textos con +"));
  if (left != Operand::Numeric && right != Operand::Numeric)
    Refuse(QStringLiteral("operador + entre valores de tipo desconocido"));
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
