#pragma once
// A statement as the Oracle rewriting edits it: its tokens, each with what
// stands before it in the text (blanks, line breaks, comments), so that
// whatever is not rewritten reaches Oracle as it was written. Literals and
// quoted names are single tokens: nothing inside them is ever taken for a
// word. The tokens are SQL Server's, as the embedded database's translator
// reads them.
#include <QString>
#include <QStringView>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "platform/ado/sqlite/TsqlTokenizer.h"

namespace data_access::oracle {

using TokenKind = ado::sqlite::tsql::TokenKind;

struct Token {
  TokenKind kind = TokenKind::Other;
  QString gap;  // what stands before it
  QString text;

  // A word (keyword or plain name) of this upper-case spelling, any case.
  bool is(std::string_view keyword) const;
  bool isAnyOf(std::initializer_list<std::string_view> keywords) const;
  bool isSymbol(QStringView symbol) const { return kind == TokenKind::Symbol && text == symbol; }
  bool isName() const {
    return kind == TokenKind::Word || kind == TokenKind::Bracketed || kind == TokenKind::QuotedName;
  }
  bool isString() const { return kind == TokenKind::String; }
};

using Tokens = std::vector<Token>;

struct Statement {
  Tokens tokens;
  QString tail;  // what stands after the last token
  QString text() const;
};

// Raises 5 (invalid argument) for an unclosed quote, bracket or comment.
Statement Tokenize(const QString& text);

Token Word(const QString& text, const QString& gap = QStringLiteral(" "));
Token Symbol(const QString& text, const QString& gap = QString());
// 'value' with its apostrophes doubled.
Token StringLiteral(const QString& value, const QString& gap = QStringLiteral(" "));
// A string token's value: without N, quotes and doubled apostrophes.
QString ValueOf(const Token& string);
// The string token made to hold `value` (an N before it stays).
void SetValue(Token& string, const QString& value);

// The ")" that closes the "(" at `open`; the end of the tokens when none.
size_t Closing(const Tokens& tokens, size_t open);
// The "(" that the ")" at `close` closes; `close` itself when none.
size_t Opening(const Tokens& tokens, size_t close);
// Where the tokens from `from` on leave the parentheses they start in: the
// first unmatched ")" or the end.
size_t EndOfLevel(const Tokens& tokens, size_t from);
// The first word `keyword` at the level of `from`, in [from, end); `end`
// when there is none.
size_t FindAtLevel(const Tokens& tokens, size_t from, size_t end, std::string_view keyword);

// Removes [begin, end); what stood before `begin` stays before the token
// that follows, so no two tokens run together.
void Erase(Statement& s, size_t begin, size_t end);
// Inserts before the token at `at` (at the end when `at` is the end).
void Insert(Statement& s, size_t at, const Tokens& tokens);
// Puts `before` ahead of the tokens [begin, end) and `after` behind them;
// what stood before `begin` moves ahead of `before`.
void Enclose(Statement& s, size_t begin, size_t end, Tokens before, const Tokens& after);
// ANDs `condition` (its tokens with their gaps) to the WHERE of the
// statement or query [begin, end), which gets one when it has none.
void AndWhere(Statement& s, size_t begin, size_t end, const Tokens& condition);
// The tokens [begin, end) with their gaps, as text.
QString TextOf(const Tokens& tokens, size_t begin, size_t end);

}  // namespace data_access::oracle
