#pragma once
// Splits statement text in SQL Server's dialect into tokens in one pass,
// without allocating per token. Literals that may become parameters are
// lifted out; the text with each of them replaced by a marker is the shape
// under which translations are cached. Only the shape's hash and length are
// worked out on the way: the shape itself is written out when a new
// translation is kept, and a kept one is compared with the source in place.
// A text can also be matched against a kept shape without tokenizing it:
// the text between the markers is compared and only the literals are read.
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

// A literal lifted out of the text. For strings, the value span is the
// text between the quotes, still with its doubled apostrophes.
struct Literal {
  int32_t begin = 0;
  int32_t length = 0;
  bool isString = false;
  bool doubledQuotes = false;
  int32_t tokenBegin = 0;  // the whole literal (quotes and N included): what its marker replaces
  int32_t tokenEnd = 0;
};

// The source with every lifted literal replaced by a marker, and where the
// markers stand.
struct Shape {
  QString text;
  std::vector<int32_t> markers;
};

struct TokenizedText {
  QString source;
  std::vector<Token> tokens;  // empty when the text was matched against a kept shape
  std::vector<Literal> literals;
  size_t shapeHash = 0;
  qsizetype shapeLength = 0;

  QStringView text(const Token& t) const { return QStringView(source).mid(t.begin, t.length); }
  QString literalText(const Literal& l) const;  // the value, apostrophes undoubled
  Shape shape() const;
  bool hasShape(const Shape& shape) const;
};

// Fills `out` (its buffers are reused). Throws Unsupported on an unclosed
// quote, bracket or comment.
void Tokenize(const QString& text, TokenizedText& out);

// When `text` has the kept shape, fills the source, the literals and the
// shape's length of `out` as Tokenize would, and returns true; the tokens
// are left empty. False for any other text.
bool MatchShape(const QString& text, const Shape& shape, TokenizedText& out);

// The name a bracketed or double-quoted token stands for ("[a]]b]" is a]b,
// "\"a\"\"b\"" is a"b); the text of any other token as it stands.
QString NameOfToken(QStringView text, TokenKind kind);

// Whether a name token is the owner dbo (dbo, [dbo] or "dbo", in any case).
bool IsOwnerDbo(QStringView text, TokenKind kind);

// `name` written for SQLite so that it reads that very name: in brackets,
// or in grave accents when it holds a "]", which SQLite's brackets cannot
// hold (grave accents, unlike double quotes, are never read as a string).
QString SqliteName(const QString& name);

// ASCII case-insensitive comparison with an upper-case keyword.
bool IsKeyword(QStringView text, std::string_view upperKeyword);

}  // namespace ado::sqlite::tsql
