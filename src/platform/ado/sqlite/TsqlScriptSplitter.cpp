#include "platform/ado/sqlite/TsqlScriptSplitter.h"

#include <array>
#include <string_view>

namespace ado::sqlite::tsql {

namespace {

constexpr std::array<std::string_view, 22> kStatementKeywords = {
    "SELECT", "INSERT", "UPDATE", "DELETE", "IF",     "BEGIN",   "COMMIT",   "ROLLBACK",
    "SAVE",   "ALTER",  "CREATE", "DROP",   "TRUNCATE", "DECLARE", "SET",    "EXEC",
    "EXECUTE", "PRINT", "USE",    "WHILE",  "RETURN", "CHECKPOINT"};

bool StartsStatement(QStringView word) {
  for (std::string_view k : kStatementKeywords)
    if (IsKeyword(word, k)) return true;
  return false;
}

// What the statement being read has seen so far, to tell a keyword that
// continues it from one that starts the next statement.
class StatementState {
 public:
  void start(QStringView keyword) {
    *this = StatementState();
    current_ = keyword;
    awaitingThen_ = IsKeyword(keyword, "IF");
  }
  void sawValues() {
    if (IsKeyword(current_, "INSERT")) insertHasSource_ = true;
  }
  // True when `keyword` belongs to the current statement; `before` holds
  // the two words that precede it (empty when not words).
  bool continues(QStringView keyword, const QStringView (&before)[2]) {
    if (awaitingThen_) {  // IF <condition> <statement>
      awaitingThen_ = false;
      current_ = keyword;
      insertHasSource_ = updateHasSet_ = false;
      return true;
    }
    if (IsKeyword(keyword, "SELECT") || IsKeyword(keyword, "EXEC") || IsKeyword(keyword, "EXECUTE")) {
      for (std::string_view joiner : {"UNION", "EXCEPT", "INTERSECT"})
        if (IsKeyword(before[1], joiner)) return true;
      if (IsKeyword(before[1], "ALL") && IsKeyword(before[0], "UNION")) return true;  // not TRIGGER ALL
      if (IsKeyword(current_, "INSERT") && !insertHasSource_) return insertHasSource_ = true;
      return false;
    }
    if (IsKeyword(keyword, "SET") && IsKeyword(current_, "UPDATE") && !updateHasSet_) return updateHasSet_ = true;
    return false;
  }

 private:
  QStringView current_;
  bool awaitingThen_ = false;
  bool insertHasSource_ = false;
  bool updateHasSet_ = false;
};

}  // namespace

std::vector<TokenRange> SplitStatements(const TokenizedText& text) {
  std::vector<TokenRange> statements;
  const auto& tokens = text.tokens;
  const int32_t n = static_cast<int32_t>(tokens.size());
  int32_t begin = 0;
  int depth = 0;
  StatementState state;
  auto close = [&](int32_t end) {
    if (end > begin) statements.push_back(TokenRange{begin, end});
  };

  for (int32_t i = 0; i < n; ++i) {
    const Token& t = tokens[static_cast<size_t>(i)];
    const QStringView word = text.text(t);
    if (t.kind == TokenKind::Symbol) {
      if (word == u"(") ++depth;
      else if (word == u")") --depth;
      else if (word == u";" && depth == 0) {
        close(i);
        begin = i + 1;
        state = StatementState();
      }
      continue;
    }
    if (t.kind != TokenKind::Word || depth != 0) continue;
    if (IsKeyword(word, "VALUES")) {
      state.sawValues();
      continue;
    }
    if (!StartsStatement(word)) continue;
    if (i == begin) {
      state.start(word);
      continue;
    }
    const auto wordAt = [&](int32_t k) {
      const Token& p = tokens[static_cast<size_t>(k)];
      return k >= begin && p.kind == TokenKind::Word ? text.text(p) : QStringView();
    };
    const QStringView before[2] = {i >= 2 ? wordAt(i - 2) : QStringView(), wordAt(i - 1)};
    if (state.continues(word, before)) continue;
    close(i);
    begin = i;
    state.start(word);
  }
  close(n);
  return statements;
}

}  // namespace ado::sqlite::tsql
