#include "data_access/OracleTokens.h"

#include <algorithm>
#include <stdexcept>

#include "platform/runtime/Error.h"

namespace data_access::oracle {

namespace tsql = ado::sqlite::tsql;

bool Token::is(std::string_view keyword) const { return kind == TokenKind::Word && tsql::IsKeyword(text, keyword); }

bool Token::isAnyOf(std::initializer_list<std::string_view> keywords) const {
  for (std::string_view k : keywords)
    if (is(k)) return true;
  return false;
}

QString Statement::text() const {
  QString out;
  for (const Token& t : tokens) out += t.gap + t.text;
  return out + tail;
}

Statement Tokenize(const QString& text) {
  tsql::TokenizedText read;
  try {
    tsql::Tokenize(text, read);
  } catch (const std::runtime_error&) {
    rt::raise(rt::err::InvalidCall);
  }
  Statement s;
  s.tokens.reserve(read.tokens.size());
  int32_t copied = 0;
  for (const tsql::Token& t : read.tokens) {
    s.tokens.push_back({t.kind, text.mid(copied, t.begin - copied), text.mid(t.begin, t.length)});
    copied = t.begin + t.length;
  }
  s.tail = text.mid(copied);
  return s;
}

Token Word(const QString& text, const QString& gap) { return {TokenKind::Word, gap, text}; }
Token Symbol(const QString& text, const QString& gap) { return {TokenKind::Symbol, gap, text}; }
Token StringLiteral(const QString& value, const QString& gap) {
  return {TokenKind::String, gap, u'\'' + QString(value).replace(u'\'', QStringLiteral("''")) + u'\''};
}

QString ValueOf(const Token& string) {
  const qsizetype open = string.text.indexOf(u'\'');
  return string.text.mid(open + 1, string.text.size() - open - 2).replace(QStringLiteral("''"), QStringLiteral("'"));
}

void SetValue(Token& string, const QString& value) {
  string.text = string.text.left(string.text.indexOf(u'\'')) + StringLiteral(value).text;
}

size_t Closing(const Tokens& tokens, size_t open) {
  int depth = 0;
  for (size_t i = open; i < tokens.size(); ++i) {
    if (tokens[i].isSymbol(u"("))
      ++depth;
    else if (tokens[i].isSymbol(u")") && --depth == 0)
      return i;
  }
  return tokens.size();
}

size_t Opening(const Tokens& tokens, size_t close) {
  int depth = 0;
  for (size_t i = close + 1; i-- > 0;) {
    if (tokens[i].isSymbol(u")"))
      ++depth;
    else if (tokens[i].isSymbol(u"(") && --depth == 0)
      return i;
  }
  return close;
}

size_t EndOfLevel(const Tokens& tokens, size_t from) {
  int depth = 0;
  for (size_t i = from; i < tokens.size(); ++i) {
    if (tokens[i].isSymbol(u"("))
      ++depth;
    else if (tokens[i].isSymbol(u")") && depth-- == 0)
      return i;
  }
  return tokens.size();
}

size_t FindAtLevel(const Tokens& tokens, size_t from, size_t end, std::string_view keyword) {
  int depth = 0;
  for (size_t i = from; i < end; ++i) {
    if (tokens[i].isSymbol(u"("))
      ++depth;
    else if (tokens[i].isSymbol(u")"))
      --depth;
    else if (depth == 0 && tokens[i].is(keyword))
      return i;
  }
  return end;
}

void Erase(Statement& s, size_t begin, size_t end) {
  if (begin >= end) return;
  const QString gap = s.tokens[begin].gap;
  if (end < s.tokens.size())
    s.tokens[end].gap.prepend(gap);
  else
    s.tail.prepend(gap);
  s.tokens.erase(s.tokens.begin() + static_cast<std::ptrdiff_t>(begin),
                 s.tokens.begin() + static_cast<std::ptrdiff_t>(end));
}

void Insert(Statement& s, size_t at, const Tokens& tokens) {
  s.tokens.insert(s.tokens.begin() + static_cast<std::ptrdiff_t>(at), tokens.begin(), tokens.end());
}

void Enclose(Statement& s, size_t begin, size_t end, Tokens before, const Tokens& after) {
  Insert(s, end, after);
  if (!before.empty() && begin < s.tokens.size()) {
    before.front().gap = s.tokens[begin].gap;
    s.tokens[begin].gap.clear();
  }
  Insert(s, begin, before);
}

void AndWhere(Statement& s, size_t begin, size_t end, const Tokens& condition) {
  const size_t where = FindAtLevel(s.tokens, begin, end, "WHERE");
  // The condition ends where the query's next clause begins.
  size_t last = end;
  for (std::string_view clause : {"GROUP", "HAVING", "ORDER", "UNION", "EXCEPT", "INTERSECT"})
    last = std::min(last, FindAtLevel(s.tokens, where < end ? where : begin, end, clause));
  if (where == end) {
    Tokens clause{Word(QStringLiteral("WHERE"))};
    clause.insert(clause.end(), condition.begin(), condition.end());
    Insert(s, last, clause);
    return;
  }
  Tokens after{Symbol(QStringLiteral(")")), Word(QStringLiteral("AND"))};
  after.insert(after.end(), condition.begin(), condition.end());
  Enclose(s, where + 1, last, {Symbol(QStringLiteral("("), QStringLiteral(" "))}, after);
}

QString TextOf(const Tokens& tokens, size_t begin, size_t end) {
  QString out;
  for (size_t i = begin; i < end && i < tokens.size(); ++i) out += tokens[i].gap + tokens[i].text;
  return out;
}

}  // namespace data_access::oracle
