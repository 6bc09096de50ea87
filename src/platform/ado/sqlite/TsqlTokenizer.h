#pragma once
// Splits statement text in SQL Server's dialect into tokens in one pass,
// without allocating per token. Literals that may become parameters are
// lifted out, and the text with those literals blanked is built on the way:
// it is the shape under which translations are cached.
#include <QString>
#include <QStringView>
#include <cstdint>
#include <string_view>
#include <vector>

namespace ado::sqlite::tsql {

enum class TokenKind : uint8_t {
  Word,        // keyword or plain name
  Bracketed,   // [name]
  QuotedName,  // "name"
  String,      // 'text' or N'text'
  Number,      // 12, 12.5, .5, 1e3
  Variable,    // @name, @@name
  Symbol,      // ( ) , . ; = < > <= >= <> != !< !> + - * / % & | ^ ~
  Other,       // anything this dialect does not take here (#temp, {, $, ?)
};

struct Token {
  TokenKind kind = TokenKind::Other;
  bool spaceBefore = false;  // blanks, line breaks or a comment stand before it
  int32_t begin = 0;         // position in the source text
  int32_t length = 0;
  int32_t literal = -1;      // index of its lifted literal; -1 when none
};

// A literal lifted out of the text. For strings, the span is the text
// between the quotes, still with its doubled apostrophes.
struct Literal {
  int32_t begin = 0;
  int32_t length = 0;
  bool isString = false;
  bool doubledQuotes = false;
};

struct TokenizedText {
  QString source;
  std::vector<Token> tokens;
  std::vector<Literal> literals;
  QString shape;  // the source with every lifted literal replaced by a marker

  QStringView text(const Token& t) const { return QStringView(source).mid(t.begin, t.length); }
  QString literalText(const Literal& l) const;  // the value, apostrophes undoubled
};

// Fills `out` (its buffers are reused). Throws Unsupported on an unclosed
// quote, bracket or comment.
void Tokenize(const QString& text, TokenizedText& out);

// ASCII case-insensitive comparison with an upper-case keyword.
bool IsKeyword(QStringView text, std::string_view upperKeyword);

}  // namespace ado::sqlite::tsql
