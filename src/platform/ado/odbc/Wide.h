#pragma once
// Text between QString and the driver manager's wide characters (UTF-16 on
// unixODBC, as on Windows), so names and data keep every accented letter.
#include <sql.h>
#include <sqlext.h>

#include <QString>

namespace ado::odbc {

static_assert(sizeof(SQLWCHAR) == sizeof(char16_t), "unixODBC built with 16-bit SQLWCHAR is required");

// Input text for a W call. The driver manager never writes through it.
inline SQLWCHAR* wide(const QString& text) {
  return reinterpret_cast<SQLWCHAR*>(const_cast<char16_t*>(reinterpret_cast<const char16_t*>(text.utf16())));
}

inline QString fromWide(const SQLWCHAR* text, qsizetype length) {
  return QString::fromUtf16(reinterpret_cast<const char16_t*>(text), length);
}

// Text in a fixed buffer with its length in characters, or up to the
// terminator when the length is unknown.
inline QString fromWideBuffer(const SQLWCHAR* text, qsizetype capacity, SQLLEN lengthInChars) {
  if (lengthInChars < 0 || lengthInChars >= capacity) {
    qsizetype n = 0;
    while (n < capacity && text[n] != 0) ++n;
    return fromWide(text, n);
  }
  return fromWide(text, lengthInChars);
}

}  // namespace ado::odbc
