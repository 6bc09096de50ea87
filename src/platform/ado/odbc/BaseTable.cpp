#include "platform/ado/odbc/BaseTable.h"

#include <QStringList>
#include <vector>

namespace ado::odbc {

namespace {

struct Token {
  enum Kind { Word, Name, Text, Symbol } kind;
  QString text;  // a Name without its quotes
  int depth;     // parentheses around it
};

// Words, quoted names ([x], "x", `x`), literals and single symbols; comments
// are skipped.
std::vector<Token> tokens(const QString& sql) {
  std::vector<Token> out;
  int depth = 0;
  const qsizetype n = sql.size();
  for (qsizetype i = 0; i < n;) {
    const QChar c = sql[i];
    if (c.isSpace()) {
      ++i;
    } else if (c == u'-' && i + 1 < n && sql[i + 1] == u'-') {
      while (i < n && sql[i] != u'\n') ++i;
    } else if (c == u'/' && i + 1 < n && sql[i + 1] == u'*') {
      const qsizetype end = sql.indexOf(QStringLiteral("*/"), i + 2);
      i = end < 0 ? n : end + 2;
    } else if (c == u'[' || c == u'"' || c == u'`' || c == u'\'') {
      const QChar close = c == u'[' ? QChar(u']') : c;
      QString text;
      for (++i; i < n; ++i) {
        if (sql[i] == close) {
          if (i + 1 < n && sql[i + 1] == close) {
            text += close;
            ++i;
            continue;
          }
          ++i;
          break;
        }
        text += sql[i];
      }
      out.push_back({c == u'\'' ? Token::Text : Token::Name, text, depth});
    } else if (c.isLetterOrNumber() || c == u'_' || c == u'@' || c == u'#' || c == u'$') {
      const qsizetype start = i;
      while (i < n && (sql[i].isLetterOrNumber() || sql[i] == u'_' || sql[i] == u'@' || sql[i] == u'#' || sql[i] == u'$')) ++i;
      out.push_back({Token::Word, sql.mid(start, i - start), depth});
    } else {
      if (c == u')') --depth;
      out.push_back({Token::Symbol, QString(c), depth});
      if (c == u'(') ++depth;
      ++i;
    }
  }
  return out;
}

bool isWord(const Token& t, const char16_t* word) {
  return t.kind == Token::Word && t.text.compare(QStringView(word), Qt::CaseInsensitive) == 0;
}

bool isWordIn(const Token& t, std::initializer_list<const char16_t*> words) {
  for (const char16_t* w : words)
    if (isWord(t, w)) return true;
  return false;
}

bool isSymbol(const Token& t, QChar c) { return t.kind == Token::Symbol && t.text == QString(c); }

}  // namespace

std::optional<ObjectName> singleTable(const QString& select) {
  const std::vector<Token> t = tokens(select);
  size_t i = 0;
  while (i < t.size() && !(t[i].depth == 0 && isWord(t[i], u"from"))) {
    if (t[i].depth == 0 && isWord(t[i], u"distinct")) return std::nullopt;
    ++i;
  }
  if (++i >= t.size()) return std::nullopt;

  QStringList parts;
  for (;;) {
    if (i >= t.size() || (t[i].kind != Token::Word && t[i].kind != Token::Name)) return std::nullopt;
    parts << t[i++].text;
    if (i < t.size() && isSymbol(t[i], u'.')) {
      ++i;
      continue;
    }
    break;
  }
  if (parts.size() > 3) return std::nullopt;

  // What may follow the table: hints, an alias, then the rest of a plain
  // query.
  while (i < t.size()) {
    const Token& k = t[i];
    if (k.depth > 0) {
      ++i;
    } else if (isWord(k, u"with") || isSymbol(k, u'(') || isSymbol(k, u')')) {
      ++i;
    } else if (isWordIn(k, {u"where", u"order", u"for", u"option"}) || isSymbol(k, u';')) {
      break;
    } else if (isWordIn(k, {u"join", u"inner", u"left", u"right", u"full", u"cross", u"outer", u"union", u"group",
                            u"having", u"except", u"intersect", u"apply"}) ||
               isSymbol(k, u',')) {
      return std::nullopt;
    } else if (k.kind == Token::Word || k.kind == Token::Name) {
      ++i;  // AS, the alias, a hint's words
    } else {
      return std::nullopt;
    }
  }
  // Anything at the top level after WHERE that joins more rows in is a union.
  for (; i < t.size(); ++i)
    if (t[i].depth == 0 && isWordIn(t[i], {u"union", u"group", u"having", u"except", u"intersect"})) return std::nullopt;

  ObjectName name;
  name.name = parts.takeLast();
  if (!parts.isEmpty()) name.schema = parts.takeLast();
  if (!parts.isEmpty()) name.catalog = parts.takeLast();
  return name;
}

QString quoteIdentifier(const QString& name, const QString& quote) {
  if (quote.isEmpty()) return name;
  if (quote == u"[") {
    QString escaped = name;
    escaped.replace(u']', QStringLiteral("]]"));
    return u'[' + escaped + u']';
  }
  QString escaped = name;
  escaped.replace(quote, quote + quote);
  return quote + escaped + quote;
}

}  // namespace ado::odbc
