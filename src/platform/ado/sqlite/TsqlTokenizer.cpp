#include "platform/ado/sqlite/TsqlTokenizer.h"

#include <QChar>

#include "platform/ado/sqlite/TsqlRefusal.h"

namespace ado::sqlite::tsql {

namespace {

bool IsAsciiLetter(char16_t c) {
  const char16_t lower = c | 0x20;
  return lower >= u'a' && lower <= u'z';
}
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsNameStart(char16_t c) { return IsAsciiLetter(c) || c == u'_' || (c > 127 && QChar(c).isLetter()); }
bool IsNamePart(char16_t c) {
  return IsNameStart(c) || IsDigit(c) || c == u'@' || c == u'#' || c == u'$';
}
bool IsBlank(char16_t c) {
  return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\f' || c == u'\v' ||
         (c > 127 && QChar(c).isSpace());
}

bool IsTwoCharOperator(char16_t a, char16_t b) {
  switch (a) {
    case u'<': return b == u'=' || b == u'>';
    case u'>': return b == u'=';
    case u'!': return b == u'=' || b == u'<' || b == u'>';
    default: return false;
  }
}
bool IsOneCharSymbol(char16_t c) {
  switch (c) {
    case u'(': case u')': case u',': case u'.': case u';': case u'=': case u'<': case u'>':
    case u'+': case u'-': case u'*': case u'/': case u'%': case u'&': case u'|': case u'^': case u'~':
      return true;
    default:
      return false;
  }
}

// End of a quoted run that starts at `open` and doubles `quote` inside;
// returns the position of the closing quote.
int32_t ClosingQuote(const char16_t* s, int32_t n, int32_t open, char16_t quote, bool& doubled) {
  int32_t j = open + 1;
  for (;;) {
    while (j < n && s[j] != quote) ++j;
    if (j >= n) return -1;
    if (j + 1 < n && s[j + 1] == quote) {
      doubled = true;
      j += 2;
      continue;
    }
    return j;
  }
}

// Where a number literal must stay in the text: a row count after TOP and
// a column position in ORDER BY / GROUP BY mean something else as values.
class NumberPlacement {
 public:
  void seen(const TokenizedText& out, const Token& t) {
    const QStringView text = out.text(t);
    if (t.kind == TokenKind::Symbol && text == u"(") {
      ++depth_;
    } else if (t.kind == TokenKind::Symbol && text == u")") {
      --depth_;
      if (depth_ < byListDepth_) byListDepth_ = -1;
    } else if (t.kind == TokenKind::Word && IsKeyword(text, "BY") && previousIs(out, 1, "ORDER", "GROUP")) {
      byListDepth_ = depth_;
    }
  }
  bool staysInText(const TokenizedText& out) const {
    if (previousIs(out, 1, "TOP") || previousIs(out, 1, "BY")) return true;
    if (previousSymbol(out, u"(") && previousIs(out, 2, "TOP")) return true;
    return previousSymbol(out, u",") && depth_ == byListDepth_;
  }

 private:
  static bool previousIs(const TokenizedText& out, size_t back, std::string_view a, std::string_view b = {}) {
    if (out.tokens.size() < back) return false;
    const Token& p = out.tokens[out.tokens.size() - back];
    if (p.kind != TokenKind::Word) return false;
    return IsKeyword(out.text(p), a) || (!b.empty() && IsKeyword(out.text(p), b));
  }
  static bool previousSymbol(const TokenizedText& out, QStringView symbol) {
    return !out.tokens.empty() && out.tokens.back().kind == TokenKind::Symbol && out.text(out.tokens.back()) == symbol;
  }
  int depth_ = 0;
  int byListDepth_ = -1;
};

}  // namespace

bool IsKeyword(QStringView text, std::string_view upperKeyword) {
  if (text.size() != static_cast<qsizetype>(upperKeyword.size())) return false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    char16_t c = text[i].unicode();
    if (c >= u'a' && c <= u'z') c -= 32;
    if (c != static_cast<char16_t>(upperKeyword[static_cast<size_t>(i)])) return false;
  }
  return true;
}

QString TokenizedText::literalText(const Literal& l) const {
  const QChar* start = source.constData() + l.begin;
  // A non-null empty text: '' is a value, not a missing one.
  if (!l.doubledQuotes) return l.length == 0 ? QStringLiteral("") : QString(start, l.length);
  QString value;
  value.reserve(l.length);
  for (int32_t i = 0; i < l.length; ++i) {
    value.append(start[i]);
    if (start[i] == u'\'') ++i;
  }
  return value;
}

void Tokenize(const QString& text, TokenizedText& out) {
  out.source = text;
  out.tokens.clear();
  out.literals.clear();
  out.shape.resize(0);
  out.shape.reserve(text.size() + 1);

  const char16_t* s = reinterpret_cast<const char16_t*>(text.utf16());
  const int32_t n = static_cast<int32_t>(text.size());
  int32_t copied = 0;
  NumberPlacement numbers;
  bool space = false;

  auto lift = [&](Token& t, bool isString, int32_t begin, int32_t length, bool doubled) {
    t.literal = static_cast<int32_t>(out.literals.size());
    out.literals.push_back(Literal{begin, length, isString, doubled});
    out.shape.append(QStringView(s + copied, t.begin - copied));
    out.shape.append(isString ? u'\x02' : u'\x01');
    copied = t.begin + t.length;
  };
  auto previousIsAs = [&] {
    return !out.tokens.empty() && out.tokens.back().kind == TokenKind::Word &&
           IsKeyword(out.text(out.tokens.back()), "AS");
  };

  int32_t i = 0;
  while (i < n) {
    const char16_t c = s[i];
    if (IsBlank(c)) {
      space = true;
      ++i;
      continue;
    }
    if (c == u'-' && i + 1 < n && s[i + 1] == u'-') {
      while (i < n && s[i] != u'\n' && s[i] != u'\r') ++i;
      space = true;
      continue;
    }
    if (c == u'/' && i + 1 < n && s[i + 1] == u'*') {
      int level = 0;
      do {
        if (i + 1 < n && s[i] == u'/' && s[i + 1] == u'*') {
          ++level;
          i += 2;
        } else if (i + 1 < n && s[i] == u'*' && s[i + 1] == u'/') {
          --level;
          i += 2;
        } else {
          ++i;
        }
      } while (level > 0 && i < n);
      if (level > 0) Refuse(QStringLiteral("comentario sin cerrar"));
      space = true;
      continue;
    }

    Token t;
    t.begin = i;
    t.spaceBefore = space;
    space = false;
    int32_t end = i + 1;
    const bool unicodeString = (c == u'N' || c == u'n') && i + 1 < n && s[i + 1] == u'\'';
    if (c == u'\'' || unicodeString) {
      const int32_t open = unicodeString ? i + 1 : i;
      bool doubled = false;
      const int32_t close = ClosingQuote(s, n, open, u'\'', doubled);
      if (close < 0) Refuse(QStringLiteral("comilla sin cerrar"));
      end = close + 1;
      t.kind = TokenKind::String;
      t.length = end - i;
      if (!previousIsAs()) lift(t, true, open + 1, close - open - 1, doubled);
    } else if (IsNameStart(c)) {
      while (end < n && IsNamePart(s[end])) ++end;
      t.kind = TokenKind::Word;
    } else if (c == u'[' || c == u'"') {
      bool doubled = false;
      const int32_t close = ClosingQuote(s, n, i, c == u'[' ? u']' : u'"', doubled);
      if (close < 0) Refuse(c == u'[' ? QStringLiteral("corchete sin cerrar") : QStringLiteral("comilla doble sin cerrar"));
      end = close + 1;
      t.kind = c == u'[' ? TokenKind::Bracketed : TokenKind::QuotedName;
    } else if (IsDigit(c) || (c == u'.' && i + 1 < n && IsDigit(s[i + 1]))) {
      while (end < n && IsDigit(s[end])) ++end;
      if (c != u'.' && end < n && s[end] == u'.') ++end;
      while (end < n && IsDigit(s[end])) ++end;
      if (end < n && (s[end] == u'e' || s[end] == u'E')) {
        int32_t e = end + 1;
        if (e < n && (s[e] == u'+' || s[e] == u'-')) ++e;
        if (e < n && IsDigit(s[e])) {
          end = e;
          while (end < n && IsDigit(s[end])) ++end;
        }
      }
      t.kind = TokenKind::Number;
      // 0x1F, 12abc: binary literals and the like are not numbers here.
      if (end < n && IsNamePart(s[end])) {
        while (end < n && IsNamePart(s[end])) ++end;
        t.kind = TokenKind::Other;
      }
      t.length = end - i;
      if (t.kind == TokenKind::Number && !numbers.staysInText(out)) lift(t, false, i, t.length, false);
    } else if (c == u'@') {
      while (end < n && IsNamePart(s[end])) ++end;
      t.kind = TokenKind::Variable;
    } else if (i + 1 < n && IsTwoCharOperator(c, s[i + 1])) {
      end = i + 2;
      t.kind = TokenKind::Symbol;
    } else {
      t.kind = IsOneCharSymbol(c) ? TokenKind::Symbol : TokenKind::Other;
    }
    t.length = end - i;
    numbers.seen(out, t);
    out.tokens.push_back(t);
    i = end;
  }
  out.shape.append(QStringView(s + copied, n - copied));
}

}  // namespace ado::sqlite::tsql
