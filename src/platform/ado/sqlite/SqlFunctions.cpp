#include "platform/ado/sqlite/SqlFunctions.h"

#ifdef IT_SQLITE_LOADABLE_EXTENSION
#include <sqlite3ext.h>
SQLITE_EXTENSION_INIT3
#else
#include <sqlite3.h>
#endif

#include <QList>
#include <QString>
#include <string>

namespace ado::sqlite {

namespace {

using Bytes = const unsigned char*;

int withoutTrailingBlanks(Bytes s, int n) {
  while (n > 0 && s[n - 1] == ' ') --n;
  return n;
}

bool isAscii(Bytes s, int n) {
  for (int i = 0; i < n; ++i)
    if (s[i] & 0x80) return false;
  return true;
}

unsigned char asciiLower(unsigned char c) { return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + 32) : c; }

QString text(Bytes s, int n) { return QString::fromUtf8(reinterpret_cast<const char*>(s), n); }

// Qt's Unicode folding; it orders ASCII as asciiLower does.
int foldedCompare(Bytes sa, int na, Bytes sb, int nb) {
  const int c = text(sa, na).compare(text(sb, nb), Qt::CaseInsensitive);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

// Plain ASCII (the usual codes and keys) is folded byte by byte; anything
// else goes through Qt's Unicode folding. Up to the first differing byte
// the texts are the same characters, so where that byte is ASCII in both
// texts it decides as Qt would; so does the length of a text that is the
// start of the other, unless that start ends inside a character.
int compareCiAs(void*, int lengthA, const void* a, int lengthB, const void* b) {
  Bytes sa = static_cast<Bytes>(a), sb = static_cast<Bytes>(b);
  const int na = withoutTrailingBlanks(sa, lengthA), nb = withoutTrailingBlanks(sb, lengthB);
  const int n = na < nb ? na : nb;
  for (int i = 0; i < n; ++i) {
    if (sa[i] == sb[i]) continue;
    if ((sa[i] | sb[i]) & 0x80) return foldedCompare(sa, na, sb, nb);
    const unsigned char ca = asciiLower(sa[i]), cb = asciiLower(sb[i]);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  if (na == nb) return 0;
  const Bytes longer = na < nb ? sb : sa;
  if ((longer[n] & 0xC0) == 0x80) return foldedCompare(sa, na, sb, nb);  // a continuation byte follows
  return na < nb ? -1 : 1;
}

void len(sqlite3_context* context, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(context);
  Bytes s = sqlite3_value_text(argv[0]);
  const int n = withoutTrailingBlanks(s, sqlite3_value_bytes(argv[0]));
  sqlite3_int64 characters = 0;
  for (int i = 0; i < n; ++i)
    if ((s[i] & 0xC0) != 0x80) ++characters;  // UTF-8 continuation bytes do not start a character
  sqlite3_result_int64(context, characters);
}

// One element of a LIKE pattern at `p[i]` against one character `c`; sets
// `width` to the element's length in the pattern.
template <class C>
bool elementMatches(const C* p, size_t i, size_t n, C c, C escape, size_t& width) {
  if (escape && p[i] == escape && i + 1 < n) {
    width = 2;
    return p[i + 1] == c;
  }
  if (p[i] == C('_')) {
    width = 1;
    return true;
  }
  if (p[i] == C('[')) {
    size_t j = i + 1;
    bool negate = j < n && p[j] == C('^');
    if (negate) ++j;
    size_t close = j + 1;  // a "]" right after "[" or "[^" is a member
    while (close < n && p[close] != C(']')) ++close;
    if (j < n && close < n) {
      bool member = false;
      for (size_t k = j; k < close; ++k) {
        if (k + 2 < close && p[k + 1] == C('-')) {
          member = member || (p[k] <= c && c <= p[k + 2]);
          k += 2;
        } else {
          member = member || p[k] == c;
        }
      }
      width = close - i + 1;
      return member != negate;
    }
  }
  width = 1;
  return p[i] == c;
}

template <class C>
bool onlyBlanks(const C* s, size_t from, size_t n) {
  for (size_t i = from; i < n; ++i)
    if (s[i] != C(' ')) return false;
  return true;
}

// SQL Server's LIKE on case-folded text: % any run, _ any character, [..]
// and [^..] sets with ranges, an optional escape character. Blanks ending
// the value need not be matched (a "FC" pattern finds "FC  "), blanks
// ending the pattern must.
template <class C>
bool like(const C* p, size_t pn, const C* s, size_t sn, C escape) {
  constexpr size_t none = static_cast<size_t>(-1);
  size_t pi = 0, si = 0, starPattern = none, starText = 0;
  while (si < sn) {
    if (pi == pn && onlyBlanks(s, si, sn)) return true;
    if (pi < pn && p[pi] == C('%')) {
      starPattern = ++pi;
      starText = si;
      continue;
    }
    size_t width = 1;
    if (pi < pn && elementMatches(p, pi, pn, s[si], escape, width)) {
      pi += width;
      ++si;
    } else if (starPattern != none) {
      pi = starPattern;
      si = ++starText;
    } else {
      return false;
    }
  }
  while (pi < pn && p[pi] == C('%')) ++pi;
  return pi == pn;
}

std::string asciiFolded(Bytes s, int n) {
  std::string out(reinterpret_cast<const char*>(s), static_cast<size_t>(n));
  for (char& c : out) c = static_cast<char>(asciiLower(static_cast<unsigned char>(c)));
  return out;
}

QList<uint> unicodeFolded(Bytes s, int n) { return text(s, n).toCaseFolded().toUcs4(); }

// like(pattern, value [, escape]) as SQLite calls it for "value LIKE pattern".
void likeFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
  for (int i = 0; i < argc; ++i)
    if (sqlite3_value_type(argv[i]) == SQLITE_NULL) return sqlite3_result_null(context);
  Bytes pattern = sqlite3_value_text(argv[0]);
  const int patternBytes = sqlite3_value_bytes(argv[0]);
  Bytes value = sqlite3_value_text(argv[1]);
  const int valueBytes = sqlite3_value_bytes(argv[1]);
  QList<uint> escape;
  if (argc == 3) {
    escape = unicodeFolded(sqlite3_value_text(argv[2]), sqlite3_value_bytes(argv[2]));
    if (escape.size() != 1) return sqlite3_result_error(context, "ESCAPE expression must be a single character", -1);
  }
  bool matched;
  if (isAscii(pattern, patternBytes) && isAscii(value, valueBytes) && (escape.isEmpty() || escape[0] < 0x80)) {
    std::string p = asciiFolded(pattern, patternBytes), s = asciiFolded(value, valueBytes);
    matched = like<char>(p.data(), p.size(), s.data(), s.size(), escape.isEmpty() ? '\0' : static_cast<char>(escape[0]));
  } else {
    QList<uint> p = unicodeFolded(pattern, patternBytes), s = unicodeFolded(value, valueBytes);
    matched = like<uint>(p.constData(), static_cast<size_t>(p.size()), s.constData(), static_cast<size_t>(s.size()),
                         escape.isEmpty() ? 0u : escape[0]);
  }
  sqlite3_result_int(context, matched ? 1 : 0);
}

}  // namespace

int RegisterSqlFunctions(sqlite3* db) {
  const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS;
  int rc = sqlite3_create_collation_v2(db, "CI_AS", SQLITE_UTF8, nullptr, compareCiAs, nullptr);
  if (rc == SQLITE_OK) rc = sqlite3_create_function_v2(db, "LEN", 1, flags, nullptr, len, nullptr, nullptr, nullptr);
  if (rc == SQLITE_OK)
    rc = sqlite3_create_function_v2(db, "like", 2, flags, nullptr, likeFunction, nullptr, nullptr, nullptr);
  if (rc == SQLITE_OK)
    rc = sqlite3_create_function_v2(db, "like", 3, flags, nullptr, likeFunction, nullptr, nullptr, nullptr);
  return rc;
}

}  // namespace ado::sqlite
