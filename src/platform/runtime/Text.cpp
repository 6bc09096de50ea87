#include "platform/runtime/Text.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "platform/runtime/Error.h"

namespace rt {

namespace {

Qt::CaseSensitivity sensitivity(Compare c) {
  return c == Compare::Text ? Qt::CaseInsensitive : Qt::CaseSensitive;
}

// Windows-1252 characters of the codes 0x80..0x9F (0 where undefined).
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

QString Trim(const QString& s) {
  qsizetype begin = 0, end = s.size();
  while (end > 0 && s[end - 1] == u' ') --end;
  while (begin < end && s[begin] == u' ') ++begin;
  return begin == 0 && end == s.size() ? s : s.mid(begin, end - begin);
}

QString LTrim(const QString& s) {
  qsizetype i = 0;
  while (i < s.size() && s[i] == u' ') ++i;
  return s.mid(i);
}

QString RTrim(const QString& s) {
  qsizetype n = s.size();
  while (n > 0 && s[n - 1] == u' ') --n;
  return s.left(n);
}

QString Left(const QString& s, int length) {
  if (length < 0) raise(err::InvalidCall);
  return s.left(length);
}

QString Right(const QString& s, int length) {
  if (length < 0) raise(err::InvalidCall);
  return s.right(length);
}

QString Mid(const QString& s, int start) {
  if (start < 1) raise(err::InvalidCall);
  return start > s.size() ? QString() : s.mid(start - 1);
}

QString Mid(const QString& s, int start, int length) {
  if (start < 1 || length < 0) raise(err::InvalidCall);
  return start > s.size() ? QString() : s.mid(start - 1, length);
}

namespace {

bool isAscii(const QString& s) {
  for (QChar c : s)
    if (c.unicode() >= 0x80) return false;
  return true;
}

char16_t foldAscii(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; }

// Text compare of an ASCII `find`: the same answer as Qt's case-insensitive
// search (simple case folding), without folding every character twice.
// Horspool's search: the folded character under the end of the window
// tells how far the window can move.
qsizetype indexOfAsciiText(const QString& s, const QString& find, qsizetype from) {
  const qsizetype m = find.size();
  const qsizetype last = s.size() - m;
  const char16_t* text = reinterpret_cast<const char16_t*>(s.constData());
  const char16_t* needle = reinterpret_cast<const char16_t*>(find.constData());
  const auto fold = [](char16_t c) { return c < 0x80 ? foldAscii(c) : QChar(c).toCaseFolded().unicode(); };
  // Case folding gives letters only: a `find` that starts with anything
  // else ("@Admin_") can only start where that very character stands.
  const char16_t first = needle[0];
  if (!((first | 0x20) >= u'a' && (first | 0x20) <= u'z')) {
    for (qsizetype i = QStringView(s).indexOf(QChar(first), from); i >= 0 && i <= last;
         i = QStringView(s).indexOf(QChar(first), i + 1)) {
      qsizetype k = 1;
      while (k < m && fold(text[i + k]) == foldAscii(needle[k])) ++k;
      if (k == m) return i;
    }
    return -1;
  }
  // Shifts are capped to a byte: a shorter move is never wrong.
  const auto capped = [](qsizetype n) { return static_cast<uint8_t>(std::min<qsizetype>(n, 0xFF)); };
  std::array<uint8_t, 0x80> shift;
  shift.fill(capped(m));
  for (qsizetype k = 0; k + 1 < m; ++k) shift[foldAscii(needle[k])] = capped(m - 1 - k);
  const char16_t end = foldAscii(needle[m - 1]);
  for (qsizetype i = from; i <= last;) {
    const char16_t c = fold(text[i + m - 1]);
    if (c == end) {
      qsizetype k = 0;
      while (k + 1 < m && fold(text[i + k]) == foldAscii(needle[k])) ++k;
      if (k + 1 == m) return i;
    }
    // A character beyond ASCII that folds to none is nowhere in `find`.
    i += c < 0x80 ? shift[c] : capped(m);
  }
  return -1;
}

}  // namespace

int InStr(int start, const QString& s, const QString& find, Compare compare) {
  if (start < 1) raise(err::InvalidCall);
  if (start > s.size()) return 0;
  if (find.isEmpty()) return start;
  const auto at = compare == Compare::Text && isAscii(find) ? indexOfAsciiText(s, find, start - 1)
                                                            : s.indexOf(find, start - 1, sensitivity(compare));
  return at < 0 ? 0 : static_cast<int>(at) + 1;
}

int InStrRev(const QString& s, const QString& find, Compare compare) {
  if (find.isEmpty()) return static_cast<int>(s.size());
  auto at = s.lastIndexOf(find, -1, sensitivity(compare));
  return at < 0 ? 0 : static_cast<int>(at) + 1;
}

QString Replace(const QString& s, const QString& find, const QString& with, Compare compare) {
  if (find.isEmpty()) return s;
  if (compare != Compare::Text || !isAscii(find)) {
    QString out = s;
    return out.replace(find, with, sensitivity(compare));
  }
  qsizetype at = indexOfAsciiText(s, find, 0);
  if (at < 0) return s;
  QString out;
  qsizetype done = 0;
  for (; at >= 0; at = indexOfAsciiText(s, find, done)) {
    out.append(QStringView(s).mid(done, at - done)).append(with);
    done = at + find.size();
  }
  return out.append(QStringView(s).mid(done));
}

namespace {

// Qt's full case mapping, unless it changes the length ("ß" to "SS"): then
// letter by letter, each to its single counterpart, as widths rely on.
template <class Full, class Single>
QString mapCase(const QString& s, Full full, Single single) {
  QString out = full(s);
  if (out.size() == s.size()) return out;
  out = s;
  for (qsizetype i = 0; i < out.size(); ++i) {
    if (out[i].isSurrogate()) {
      if (out[i].isHighSurrogate() && i + 1 < out.size() && out[i + 1].isLowSurrogate()) {
        const char32_t mapped = single(QChar::surrogateToUcs4(out[i], out[i + 1]));
        out[i] = QChar::highSurrogate(mapped);
        out[i + 1] = QChar::lowSurrogate(mapped);
        ++i;
      }
      continue;
    }
    out[i] = QChar(static_cast<char16_t>(single(out[i].unicode())));
  }
  return out;
}

}  // namespace

QString UCase(const QString& s) {
  return mapCase(s, [](const QString& t) { return t.toUpper(); }, [](char32_t c) { return QChar::toUpper(c); });
}
QString LCase(const QString& s) {
  return mapCase(s, [](const QString& t) { return t.toLower(); }, [](char32_t c) { return QChar::toLower(c); });
}
QString ProperCase(const QString& s) {
  QString out = LCase(s);
  bool wordStart = true;
  for (qsizetype i = 0; i < out.size(); ++i) {
    const char16_t c = out[i].unicode();
    if (c == u' ' || c == 0 || (c >= u'\t' && c <= u'\r')) {
      wordStart = true;
      continue;
    }
    const qsizetype length = out[i].isHighSurrogate() && i + 1 < out.size() ? 2 : 1;
    if (wordStart) out.replace(i, length, UCase(out.mid(i, length)));
    wordStart = false;
    i += length - 1;
  }
  return out;
}

QString Space(int count) { return QString(std::max(count, 0), u' '); }
QString String(int count, QChar c) { return QString(std::max(count, 0), c); }

QChar Chr(int code) {
  if (code < 0 || code > 255) raise(err::InvalidCall);
  if (code >= 0x80 && code <= 0x9F) {
    char16_t u = kCp1252High[code - 0x80];
    return QChar(u ? u : static_cast<char16_t>(code));
  }
  return QChar(static_cast<char16_t>(code));
}

int Asc(QChar c) {
  char16_t u = c.unicode();
  if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return u;
  for (int i = 0; i < 32; ++i)
    if (kCp1252High[i] == u) return 0x80 + i;
  if (u >= 0x80 && u <= 0x9F) return u;
  return '?';
}

QString ReadQuoted(QStringView text, qsizetype& at, QChar quote, bool* closed) {
  QString value;
  if (closed) *closed = false;
  for (; at < text.size(); ++at) {
    if (text[at] != quote) {
      value += text[at];
    } else if (at + 1 < text.size() && text[at + 1] == quote) {
      value += quote;
      ++at;
    } else {
      ++at;
      if (closed) *closed = true;
      break;
    }
  }
  return value;
}

QByteArray ToWindows1252(QStringView text) {
  QByteArray bytes(text.size(), Qt::Uninitialized);
  for (qsizetype i = 0; i < text.size(); ++i) bytes[i] = static_cast<char>(Asc(text[i]));
  return bytes;
}

QString FromWindows1252(QByteArrayView bytes) {
  QString text(bytes.size(), Qt::Uninitialized);
  for (qsizetype i = 0; i < bytes.size(); ++i) text[i] = Chr(static_cast<uint8_t>(bytes[i]));
  return text;
}

// Simple case folding keeps the length, so texts of two lengths differ.
// ASCII is folded here; a difference beyond ASCII goes to Qt's folding.
bool EqualsText(const QString& a, const QString& b) {
  if (a.size() != b.size()) return false;
  const char16_t* x = reinterpret_cast<const char16_t*>(a.constData());
  const char16_t* y = reinterpret_cast<const char16_t*>(b.constData());
  for (qsizetype i = 0; i < a.size(); ++i) {
    if (x[i] == y[i]) continue;
    if ((x[i] | y[i]) >= 0x80) return a.compare(b, Qt::CaseInsensitive) == 0;
    if (foldAscii(x[i]) != foldAscii(y[i])) return false;
  }
  return true;
}

int StrComp(const QString& a, const QString& b, Compare compare) {
  int c = a.compare(b, sensitivity(compare));
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

bool OneOfText(const QString& s, std::initializer_list<const char*> items) {
  for (const char* item : items)
    if (EqualsText(s, QString::fromUtf8(item))) return true;
  return false;
}

}  // namespace rt
