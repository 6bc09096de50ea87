#include "platform/ado/sqlite/Values.h"

#include <sqlite3.h>

#include <optional>
#include <string>

#include "platform/ado/Constants.h"
#include "platform/runtime/Dates.h"

namespace ado::sqlite {

namespace {

int digits(const char* s, int from, int count) {
  int value = 0;
  for (int i = from; i < from + count; ++i) {
    if (s[i] < '0' || s[i] > '9') return -1;
    value = value * 10 + (s[i] - '0');
  }
  return value;
}

// The two forms dates are stored in, "yyyy-mm-dd" and "yyyy-mm-dd
// hh:mm:ss": the forms the schema's checks let into a DATETIME column. Any
// other text is no date to the provider either.
std::optional<QDateTime> storedDate(const char* s, int n) {
  if ((n != 10 && n != 19) || s[4] != '-' || s[7] != '-') return std::nullopt;
  const int y = digits(s, 0, 4), mo = digits(s, 5, 2), d = digits(s, 8, 2);
  if (y < 0 || mo < 0 || d < 0) return std::nullopt;
  int h = 0, mi = 0, sec = 0;
  if (n == 19) {
    if (s[10] != ' ' || s[13] != ':' || s[16] != ':') return std::nullopt;
    h = digits(s, 11, 2), mi = digits(s, 14, 2), sec = digits(s, 17, 2);
    if (h < 0 || mi < 0 || sec < 0) return std::nullopt;
  }
  QDate date(y, mo, d);
  QTime time(h, mi, sec);
  if (!date.isValid() || !time.isValid()) return std::nullopt;
  return rt::MakeDate(date, time);
}

rt::Variant textOf(sqlite3_stmt* statement, int column) {
  return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
                           sqlite3_column_bytes(statement, column));
}

// By the stored value alone.
rt::Variant plain(sqlite3_stmt* statement, int column) {
  switch (sqlite3_column_type(statement, column)) {
    case SQLITE_NULL: return rt::Variant::null();
    case SQLITE_INTEGER: return rt::Variant(static_cast<int64_t>(sqlite3_column_int64(statement, column)));
    case SQLITE_FLOAT: return sqlite3_column_double(statement, column);
    default: return textOf(statement, column);
  }
}

// Text goes to SQLite as UTF-8 kept in `utf8`, which SQLite does not copy:
// plain ASCII, the usual case, is narrowed in place. A text without NUL
// characters goes with its terminator, so that reading it back as text (a
// width check does) needs no copy either.
int bindText(sqlite3_stmt* statement, int index, QStringView text, std::string& utf8) {
  utf8.resize(static_cast<size_t>(text.size()));
  bool ascii = true;
  for (qsizetype i = 0; i < text.size() && ascii; ++i) {
    ascii = text[i].unicode() < 0x80;
    utf8[static_cast<size_t>(i)] = static_cast<char>(text[i].unicode());
  }
  if (!ascii) {
    const QByteArray encoded = text.toUtf8();
    utf8.assign(encoded.constData(), static_cast<size_t>(encoded.size()));
  }
  const bool terminated = utf8.find('\0') == std::string::npos;
  // A non-null pointer: an empty text is a value, not NULL.
  return sqlite3_bind_text(statement, index, utf8.c_str(), terminated ? -1 : static_cast<int>(utf8.size()),
                           SQLITE_STATIC);
}

}  // namespace

int BindValue(sqlite3_stmt* statement, int index, const rt::Variant& value, std::string& text) {
  using T = rt::Variant::Type;
  switch (value.type()) {
    case T::Empty: case T::Null: return sqlite3_bind_null(statement, index);
    case T::Boolean: return sqlite3_bind_int(statement, index, value.toBool() ? 1 : 0);
    case T::Integer: case T::Long: return sqlite3_bind_int64(statement, index, value.toLong());
    case T::Double: return sqlite3_bind_double(statement, index, value.toDouble());
    case T::Currency: {
      rt::Currency c = value.toCurrency();
      if (c.raw() % rt::Currency::kScale == 0) return sqlite3_bind_int64(statement, index, c.raw() / rt::Currency::kScale);
      return sqlite3_bind_double(statement, index, c.toDouble());
    }
    case T::Date: return bindText(statement, index, rt::IsoDateText(value.toDate()), text);
    case T::String: return bindText(statement, index, *value.stringIf(), text);
  }
  return SQLITE_MISUSE;
}

int BindLiteral(sqlite3_stmt* statement, int index, const tsql::LiteralValue& value, std::string& text) {
  switch (value.type) {
    case tsql::LiteralValue::Type::Integer: return sqlite3_bind_int64(statement, index, value.integer);
    case tsql::LiteralValue::Type::Real: return sqlite3_bind_double(statement, index, value.real);
    case tsql::LiteralValue::Type::Text: case tsql::LiteralValue::Type::InvalidDate: break;
  }
  return bindText(statement, index, value.text, text);
}

rt::Variant ReadValue(sqlite3_stmt* statement, int column, ValueKind kind) {
  const int stored = sqlite3_column_type(statement, column);
  if (stored == SQLITE_NULL) return rt::Variant::null();
  switch (kind) {
    case ValueKind::Text:
      return textOf(statement, column);
    case ValueKind::Boolean:
      if (stored == SQLITE_INTEGER) return sqlite3_column_int64(statement, column) != 0;
      break;
    case ValueKind::Currency:
      if (stored == SQLITE_INTEGER) return rt::Currency::fromInt(sqlite3_column_int64(statement, column));
      if (stored == SQLITE_FLOAT) return rt::Currency::fromDouble(sqlite3_column_double(statement, column));
      break;
    case ValueKind::Double:
      if (stored != SQLITE_TEXT) return sqlite3_column_double(statement, column);
      break;
    case ValueKind::Date:
    case ValueKind::Untyped:
      if (stored == SQLITE_TEXT) {
        auto text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
        const int n = sqlite3_column_bytes(statement, column);
        if (auto date = storedDate(text, n)) return *date;
      }
      break;
    case ValueKind::Integer:
      break;
  }
  return plain(statement, column);
}

bool IsStoredDate(const char* text, int bytes) { return storedDate(text, bytes).has_value(); }

int TypeOfValue(sqlite3_stmt* statement, int column) {
  switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER: {
      sqlite3_int64 v = sqlite3_column_int64(statement, column);
      return v >= INT32_MIN && v <= INT32_MAX ? adInteger : adBigInt;
    }
    case SQLITE_FLOAT: return adDouble;
    case SQLITE_TEXT:
      return IsStoredDate(reinterpret_cast<const char*>(sqlite3_column_text(statement, column)),
                          sqlite3_column_bytes(statement, column))
                 ? adDBTimeStamp
                 : adVarChar;
    default: return adVarChar;
  }
}

long DefinedSizeOfValueType(int adoType) {
  switch (adoType) {
    case adInteger: return 4;
    case adBigInt: case adDouble: return 8;
    case adDBTimeStamp: return 16;
    default: return 0;
  }
}

}  // namespace ado::sqlite
