#include "platform/ado/sqlite/TsqlRewriter.h"

#include "platform/ado/sqlite/TsqlRefusal.h"
#include "platform/ado/sqlite/TsqlRewriteSteps.h"

namespace ado::sqlite::tsql {

namespace {

// Table hints: they only steer SQL Server's locking and plans.
constexpr std::string_view kTableHints[] = {
    "NOLOCK",        "READUNCOMMITTED", "UPDLOCK",  "HOLDLOCK",   "ROWLOCK",        "PAGLOCK",
    "TABLOCK",       "TABLOCKX",        "XLOCK",    "READPAST",   "READCOMMITTED",  "READCOMMITTEDLOCK",
    "REPEATABLEREAD", "SERIALIZABLE",   "NOWAIT",   "NOEXPAND",   "FORCESEEK",      "FORCESCAN"};

}  // namespace

CompiledStatement Rewriter::run() {
  normalize();
  refuseForeignTokens();
  matchParentheses();
  readScopes();
  refuseConstantOrderAndGroup();
  readStatementForm();
  rewriteFunctions();
  checkOperators();
  markComparedLiterals();
  placeLimits();
  return render();
}

// Copies the statement's tokens, leaving out table hints and "dbo.".
void Rewriter::normalize() {
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

bool Rewriter::sourceSymbol(int32_t k, QStringView symbol) const {
  if (k >= range_.end) return false;
  const Token& t = text_.tokens[static_cast<size_t>(k)];
  return t.kind == TokenKind::Symbol && text_.text(t) == symbol;
}

// Index of the ")" closing a list of hints that starts at `k`, or -1.
int32_t Rewriter::hintListEnd(int32_t k) const {
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

void Rewriter::refuseForeignTokens() {
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

void Rewriter::matchParentheses() {
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

CompiledStatement Rewriter::render() {
  CompiledStatement out;
  bool pendingSpace = false;
  for (const Item& it : items_) {
    if (it.dropped) {
      out.sql += it.after;
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
      out.paramSlots.push_back(ParamSlot{it.token.literal, it.conversion});
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
    out.sql += it.after;
  }
  out.sql += append_;
  return out;
}

CompiledStatement RewriteSql(const TokenizedText& text, TokenRange range, const SchemaInfo& schema) {
  return Rewriter(text, range, schema).run();
}

}  // namespace ado::sqlite::tsql
