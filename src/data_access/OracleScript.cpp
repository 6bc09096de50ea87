#include "data_access/OracleScript.h"

#include <string_view>

#include "data_access/OracleDialect.h"
#include "data_access/OracleTokens.h"
#include "platform/runtime/Text.h"

namespace data_access {

namespace {

using namespace oracle;

bool isTransactionWord(const Tokens& t, size_t i) {
  return i < t.size() && t[i].isAnyOf({"TRAN", "TRANS", "TRANSACTION", "WORK"});
}

// Whether a statement of the script starts at `i`: a word of the runner's
// list (INSERT, DELETE, UPDATE, CREATE, DROP, ALTER, GRANT, SET
// TRANSACTION, COMMIT, ROLLBACK, IF [NOT] EXISTS, and BEGIN TRANSACTION),
// unless it goes on the statement before (ON DELETE, WITH GRANT OPTION).
bool startsStatement(const Tokens& t, size_t i) {
  const Token& w = t[i];
  if (i > 0 && (t[i - 1].is("ON") || t[i - 1].is("WITH"))) return false;
  if (w.isAnyOf({"INSERT", "DELETE", "UPDATE", "CREATE", "DROP", "ALTER", "GRANT", "COMMIT", "ROLLBACK"})) return true;
  if (w.is("SET")) return i + 1 < t.size() && t[i + 1].is("TRANSACTION");
  if (w.is("BEGIN")) return isTransactionWord(t, i + 1) && !t[i + 1].is("WORK");
  if (w.is("IF"))
    return i + 1 < t.size() &&
           (t[i + 1].is("EXISTS") || (t[i + 1].is("NOT") && i + 2 < t.size() && t[i + 2].is("EXISTS")));
  return false;
}

// The tokens a batch separator takes at `i` (GO, ";", SET NOCOUNT ON|OFF),
// which end the statement before and are no statement themselves; 0 when
// none stands there.
size_t separatorAt(const Tokens& t, size_t i) {
  if (t[i].is("GO") || t[i].isSymbol(u";")) return 1;
  if (i + 2 < t.size() && t[i].is("SET") && t[i + 1].is("NOCOUNT") && (t[i + 2].is("ON") || t[i + 2].is("OFF")))
    return 3;
  return 0;
}

// Where the statement that IF [NOT] EXISTS (q) at `i` runs starts, when it is
// an INSERT, UPDATE or DELETE: the two are one statement on Oracle. The end
// of the tokens otherwise.
size_t conditionedStatement(const Tokens& t, size_t i) {
  const size_t open = t[i + 1].is("NOT") ? i + 3 : i + 2;
  if (open >= t.size() || !t[open].isSymbol(u"(")) return t.size();
  const size_t next = Closing(t, open) + 1;
  return next < t.size() && t[next].isAnyOf({"INSERT", "UPDATE", "DELETE"}) ? next : t.size();
}

// The statement's text as Oracle gets it: a line break or a comment
// between two tokens becomes a blank.
QString pieceText(const Tokens& t, size_t begin, size_t end) {
  QString text = t[begin].text;
  for (size_t i = begin + 1; i < end; ++i) {
    const QString& gap = t[i].gap;
    const bool plain = !gap.contains(u'\r') && !gap.contains(u'\n') && !gap.contains(u"--") && !gap.contains(u"/*");
    text += (plain ? gap : QStringLiteral(" ")) + t[i].text;
  }
  return text;
}

void runPiece(const Tokens& t, size_t begin, size_t end, long& recordsAffected, ScriptConnection& connection) {
  const Token& first = t[begin];
  const size_t words = end - begin;
  const bool transaction = words == 1 || (words == 2 && isTransactionWord(t, begin + 1));
  if (first.is("BEGIN") || (first.is("SET") && words == 2)) return connection.BeginTrans();
  if (first.is("COMMIT") && transaction) return connection.CommitTrans();
  if (first.is("ROLLBACK") && transaction) return connection.RollbackTrans();
  QString statement = DescartaSentenciaNoOracle(connection.Translate(pieceText(t, begin, end)));
  if (!rt::Trim(statement).isEmpty()) recordsAffected += connection.Execute(statement);
}

}  // namespace

void RunOracleScript(QString& script, long& recordsAffected, ScriptConnection& connection) {
  const Tokens t = Tokenize(script).tokens;
  script.clear();
  constexpr size_t none = static_cast<size_t>(-1);
  // Text before the first statement, or after a separator, is no statement
  // of the script.
  size_t begin = none, together = none;
  int depth = 0;
  const auto close = [&](size_t end) {
    if (begin != none && end > begin) runPiece(t, begin, end, recordsAffected, connection);
    begin = none;
  };
  for (size_t i = 0; i < t.size(); ++i) {
    if (t[i].isSymbol(u"("))
      ++depth;
    else if (t[i].isSymbol(u")") && depth > 0)
      --depth;
    if (depth > 0 || (t[i].kind != TokenKind::Word && !t[i].isSymbol(u";"))) continue;
    if (const size_t separator = separatorAt(t, i)) {
      close(i);
      i += separator - 1;
    } else if (startsStatement(t, i) && i != together) {
      close(i);
      begin = i;
      if (t[i].is("IF")) together = conditionedStatement(t, i);
    }
  }
  close(t.size());
  const std::vector<ado::Error>& errors = connection.Errors().all();
  if (errors.size() == 1 && errors.front().Number == 265929) connection.Errors().Clear();
}

}  // namespace data_access
