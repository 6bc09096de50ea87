#include "platform/ado/sqlite/TsqlTokenizer.h"

#include <QChar>
#include <array>
#include <cstring>

#include "platform/ado/sqlite/TsqlRefusal.h"

namespace ado::sqlite::tsql {

namespace {

// Character classes of ASCII, looked up once per character; beyond ASCII,
// Unicode letters start and continue names and Unicode spaces are blanks.
enum CharClass : uint8_t { kNameStart = 1, kNamePart = 2, kDigit = 4, kBlank = 8 };

constexpr std::array<uint8_t, 128> kClasses = [] {
  std::array<uint8_t, 128> classes{};
  for (int c = 0; c < 128; ++c) {
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    const bool digit = c >= '0' && c <= '9';
    if (letter || c == '_') classes[c] |= kNameStart | kNamePart;
    if (digit) classes[c] |= kDigit | kNamePart;
    if (c == '@' || c == '#' || c == '$') classes[c] |= kNamePart;
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v') classes[c] |= kBlank;
  }
  return classes;
}();

inline bool Is(char16_t c, CharClass what) { return c < 128 && (kClasses[c] & what); }
inline bool IsDigit(char16_t c) { return Is(c, kDigit); }
inline bool IsNameStart(char16_t c) { return c < 128 ? Is(c, kNameStart) : QChar(c).isLetter(); }
inline bool IsNamePart(char16_t c) { return c < 128 ? Is(c, kNamePart) : QChar(c).isLetter(); }
inline bool IsBlank(char16_t c) { return c < 128 ? Is(c, kBlank) : QChar(c).isSpace(); }

// Folds a run of the shape into its hash, four characters at a time. Two
// shapes with one hash are told apart by comparing their text, so the hash
// needs to be quick more than strong.
size_t HashRun(size_t hash, const char16_t* s, qsizetype n) {
  constexpr uint64_t kMultiplier = 0x9E3779B97F4A7C15ull;
  uint64_t h = hash;
  for (; n >= 4; s += 4, n -= 4) {
    uint64_t word;
    std::memcpy(&word, s, sizeof word);
    h = (h ^ word) * kMultiplier;
    h ^= h >> 29;
  }
  for (; n > 0; ++s, --n) h = (h ^ *s) * kMultiplier;
  return static_cast<size_t>(h ^ (h >> 32));
}

// The marker a lifted literal leaves in the shape: a whole number and a
// number with a point or an exponent leave different ones, since SQL Server
// converts a text added to them differently.
constexpr char16_t kNumberMarker = u'\x01', kStringMarker = u'\x02', kFractionMarker = u'\x03';
char16_t Marker(const char16_t* source, const Literal& l) {
  if (l.isString) return kStringMarker;
  for (int32_t i = l.begin; i < l.begin + l.length; ++i)
    if (source[i] < u'0' || source[i] > u'9') return kFractionMarker;
  return kNumberMarker;
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

// A string literal ('text' or N'text') at `i`: fills the literal's spans
// and returns its end; -1 when it is not closed.
int32_t StringLiteral(const char16_t* s, int32_t n, int32_t i, Literal& l) {
  const int32_t open = s[i] == u'\'' ? i : i + 1;
  bool doubled = false;
  const int32_t close = ClosingQuote(s, n, open, u'\'', doubled);
  if (close < 0) return -1;
  l = Literal{open + 1, close - open - 1, true, doubled, i, close + 1};
  return close + 1;
}
bool StartsString(const char16_t* s, int32_t n, int32_t i) {
  return s[i] == u'\'' || ((s[i] == u'N' || s[i] == u'n') && i + 1 < n && s[i + 1] == u'\'');
}

// A number at `i` (12, 12.5, .5, 1e3): returns its end. Followed by a name
// (0x1F, 12abc) it is no number: `isNumber` false, the end after the name.
int32_t NumberEnd(const char16_t* s, int32_t n, int32_t i, bool& isNumber) {
  int32_t end = i + 1;
  while (end < n && IsDigit(s[end])) ++end;
  if (s[i] != u'.' && end < n && s[end] == u'.') ++end;
  while (end < n && IsDigit(s[end])) ++end;
  if (end < n && (s[end] == u'e' || s[end] == u'E')) {
    int32_t e = end + 1;
    if (e < n && (s[e] == u'+' || s[e] == u'-')) ++e;
    if (e < n && IsDigit(s[e])) {
      end = e;
      while (end < n && IsDigit(s[end])) ++end;
    }
  }
  isNumber = !(end < n && IsNamePart(s[end]));
  while (end < n && IsNamePart(s[end])) ++end;
  return end;
}
bool StartsNumber(const char16_t* s, int32_t n, int32_t i) {
  return IsDigit(s[i]) || (s[i] == u'.' && i + 1 < n && IsDigit(s[i + 1]));
}

// Whether the tokenizer would read the character at `at` as part of the
// token before it: a name character after a name or number, a digit after
// a "." (..5 read as .1.5) or after an exponent's sign (1e+5).
bool RunsOn(const char16_t* s, int32_t at) {
  if (at == 0) return false;
  const char16_t before = s[at - 1];
  if (IsNamePart(before) && IsNamePart(s[at])) return true;
  if (!IsDigit(s[at])) return false;
  if (before == u'.') return true;
  return (before == u'+' || before == u'-') && at > 2 && (s[at - 2] | 0x20) == u'e' &&
         (IsDigit(s[at - 3]) || s[at - 3] == u'.');
}

// Where a number literal must stay in the text: a row count after TOP and
// a column position in ORDER BY / GROUP BY mean something else as values.
class NumberPlacement {
 public:
  void seen(const TokenizedText& out, const Token& t) {
    if (isSymbol(out, t, u'(')) {
      ++depth_;
    } else if (isSymbol(out, t, u')')) {
      --depth_;
      if (depth_ < byListDepth_) byListDepth_ = -1;
    } else if (t.kind == TokenKind::Word && IsKeyword(out.text(t), "BY") && previousIs(out, 1, "ORDER", "GROUP")) {
      byListDepth_ = depth_;
    }
  }
  bool staysInText(const TokenizedText& out) const {
    if (previousIs(out, 1, "TOP") || previousIs(out, 1, "BY")) return true;
    if (previousSymbol(out, u'(') && previousIs(out, 2, "TOP")) return true;
    return previousSymbol(out, u',') && depth_ == byListDepth_;
  }

 private:
  static bool isSymbol(const TokenizedText& out, const Token& t, char16_t symbol) {
    return t.kind == TokenKind::Symbol && t.length == 1 && out.source.at(t.begin) == symbol;
  }
  static bool previousIs(const TokenizedText& out, size_t back, std::string_view a, std::string_view b = {}) {
    if (out.tokens.size() < back) return false;
    const Token& p = out.tokens[out.tokens.size() - back];
    if (p.kind != TokenKind::Word) return false;
    return IsKeyword(out.text(p), a) || (!b.empty() && IsKeyword(out.text(p), b));
  }
  static bool previousSymbol(const TokenizedText& out, char16_t symbol) {
    return !out.tokens.empty() && isSymbol(out, out.tokens.back(), symbol);
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

Shape TokenizedText::shape() const {
  Shape shape;
  shape.text.reserve(shapeLength);
  shape.markers.reserve(literals.size());
  int32_t copied = 0;
  for (const Literal& l : literals) {
    shape.text.append(QStringView(source).mid(copied, l.tokenBegin - copied));
    shape.markers.push_back(static_cast<int32_t>(shape.text.size()));
    shape.text.append(QChar(Marker(reinterpret_cast<const char16_t*>(source.utf16()), l)));
    copied = l.tokenEnd;
  }
  shape.text.append(QStringView(source).mid(copied));
  return shape;
}

bool TokenizedText::hasShape(const Shape& shape) const {
  if (shape.text.size() != shapeLength || shape.markers.size() != literals.size()) return false;
  const QChar* kept = shape.text.constData();
  int32_t copied = 0;
  // The source's text from `copied` to `end` stands next in the shape.
  const auto same = [&](int32_t end) {
    const size_t bytes = static_cast<size_t>(end - copied) * sizeof(QChar);
    if (std::memcmp(source.constData() + copied, kept, bytes) != 0) return false;
    kept += end - copied;
    return true;
  };
  for (const Literal& l : literals) {
    if (!same(l.tokenBegin) || *kept++ != QChar(Marker(reinterpret_cast<const char16_t*>(source.utf16()), l)))
      return false;
    copied = l.tokenEnd;
  }
  return same(static_cast<int32_t>(source.size()));
}

bool MatchShape(const QString& text, const Shape& shape, TokenizedText& out) {
  const char16_t* s = reinterpret_cast<const char16_t*>(text.constData());
  const char16_t* kept = reinterpret_cast<const char16_t*>(shape.text.constData());
  const int32_t n = static_cast<int32_t>(text.size());
  // The text at `at` goes on as the shape's text from `from` to `to` (most
  // other shapes differ at once).
  const auto same = [&](int32_t at, int32_t from, int32_t to) {
    if (at + (to - from) > n) return false;
    if (to == from) return true;
    return s[at] == kept[from] && std::memcmp(s + at, kept + from, static_cast<size_t>(to - from) * 2) == 0;
  };
  out.literals.clear();
  int32_t at = 0, from = 0;
  for (const int32_t marker : shape.markers) {
    if (!same(at, from, marker)) return false;
    at += marker - from;
    from = marker + 1;
    if (at >= n) return false;
    if (RunsOn(s, at)) return false;
    Literal& l = out.literals.emplace_back();
    if (kept[marker] == kStringMarker) {
      if (!StartsString(s, n, at) || (at = StringLiteral(s, n, at, l)) < 0) return false;
    } else {
      bool isNumber = false;
      if (!StartsNumber(s, n, at)) return false;
      const int32_t end = NumberEnd(s, n, at, isNumber);
      if (!isNumber) return false;
      l = Literal{at, end - at, false, false, at, end};
      if (Marker(s, l) != kept[marker]) return false;
      at = end;
    }
  }
  const int32_t tail = static_cast<int32_t>(shape.text.size()) - from;
  if (n - at != tail || !same(at, from, from + tail)) return false;
  out.source = text;
  out.tokens.clear();
  out.shapeLength = shape.text.size();
  return true;
}

QString NameOfToken(QStringView text, TokenKind kind) {
  if (kind == TokenKind::Bracketed)
    return text.mid(1, text.size() - 2).toString().replace(QStringLiteral("]]"), QStringLiteral("]"));
  if (kind == TokenKind::QuotedName)
    return text.mid(1, text.size() - 2).toString().replace(QStringLiteral("\"\""), QStringLiteral("\""));
  return text.toString();
}

bool IsOwnerDbo(QStringView text, TokenKind kind) {
  const bool name = kind == TokenKind::Word || kind == TokenKind::Bracketed || kind == TokenKind::QuotedName;
  return name && IsKeyword(NameOfToken(text, kind), "DBO");
}

QString SqliteName(const QString& name) {
  if (!name.contains(u']')) return u'[' + name + u']';
  return u'`' + QString(name).replace(u'`', QStringLiteral("``")) + u'`';
}

void Tokenize(const QString& text, TokenizedText& out) {
  out.source = text;
  out.tokens.clear();
  out.literals.clear();

  const char16_t* s = reinterpret_cast<const char16_t*>(text.utf16());
  const int32_t n = static_cast<int32_t>(text.size());
  int32_t copied = 0;
  size_t hash = 0;
  qsizetype lifted = 0;  // characters of the source the markers stand for, less the markers
  NumberPlacement numbers;
  bool space = false;

  // The text since the last literal and the marker go into the shape's hash.
  auto lift = [&](Token& t, const Literal& l) {
    t.literal = static_cast<int32_t>(out.literals.size());
    out.literals.push_back(l);
    hash = HashRun(hash, s + copied, t.begin - copied) ^ Marker(s, l);
    lifted += t.length - 1;
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
    if (StartsString(s, n, i)) {
      Literal l;
      end = StringLiteral(s, n, i, l);
      if (end < 0) Refuse(QStringLiteral("comilla sin cerrar"));
      t.kind = TokenKind::String;
      t.length = end - i;
      if (!previousIsAs()) lift(t, l);
    } else if (IsNameStart(c)) {
      while (end < n && IsNamePart(s[end])) ++end;
      t.kind = TokenKind::Word;
    } else if (c == u'[' || c == u'"') {
      bool doubled = false;
      const int32_t close = ClosingQuote(s, n, i, c == u'[' ? u']' : u'"', doubled);
      if (close < 0) Refuse(c == u'[' ? QStringLiteral("corchete sin cerrar") : QStringLiteral("comilla doble sin cerrar"));
      end = close + 1;
      t.kind = c == u'[' ? TokenKind::Bracketed : TokenKind::QuotedName;
    } else if (StartsNumber(s, n, i)) {
      bool isNumber = false;
      end = NumberEnd(s, n, i, isNumber);
      // 0x1F, 12abc: binary literals and the like are not numbers here.
      t.kind = isNumber ? TokenKind::Number : TokenKind::Other;
      t.length = end - i;
      if (isNumber && !numbers.staysInText(out)) lift(t, Literal{i, t.length, false, false, i, end});
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
  out.shapeHash = HashRun(hash, s + copied, n - copied);
  out.shapeLength = n - lifted;
}

}  // namespace ado::sqlite::tsql
