#include "platform/ado/sqlite/TsqlRewriteSteps.h"

#include "platform/ado/sqlite/TsqlRefusal.h"

namespace ado::sqlite::tsql {

// String literals compared with something are compared under the
// collation, except when the other side is a date column: then the
// literal is bound as a date.
void Rewriter::markComparedLiterals() {
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
    if (items_[i].conversion.kind != Conversion::Kind::None) continue;
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
    if (other && isDateColumn(*other, items_[i].scope)) items_[i].conversion.kind = Conversion::Kind::Date;
    else items_[i].collate = true;
  }
}

// "SELECT x 'name'" names the column; as a parameter it would not.
void Rewriter::refuseAliasWithoutAs(int i) const {
  if (!valid(i - 1)) return;
  const Item& p = items_[i - 1];
  if (p.dropped) return;
  const bool endsValue = p.token.kind == TokenKind::String || p.token.kind == TokenKind::Number ||
                         isSymbol(i - 1, u")") || isName(i - 1);
  if (endsValue) Refuse(QStringLiteral("alias entre comillas sin AS"));
}

// The last token of the operand before an operator at `op` ("x NOT LIKE").
int Rewriter::operatorBefore(int op) const { return isWord(op - 1, "NOT") ? op - 2 : op - 1; }

// In "x IN ('a', 'b')" SQLite takes the collation from x alone.
void Rewriter::markInListElement(int i) {
  const int open = items_[i].enclosing;
  if (open < 0 || !isWord(open - 1, "IN")) return;
  const int in = open - 1;
  const int operandEnd = isWord(in - 1, "NOT") ? in - 2 : in - 1;
  const auto column = chainEndingAt(operandEnd);
  if (column && isDateColumn(*column, items_[i].scope)) {
    items_[i].conversion.kind = Conversion::Kind::Date;
    return;
  }
  Item& insertAt = items_[operandEnd + 1];
  if (!insertAt.before.endsWith(kCollate)) insertAt.before += kCollate;
}

bool Rewriter::isDateColumn(const Chain& chain, int scope) const {
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

}  // namespace ado::sqlite::tsql
