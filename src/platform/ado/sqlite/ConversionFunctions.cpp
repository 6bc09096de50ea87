#include "platform/ado/sqlite/ConversionFunctions.h"

#include <sqlite3.h>

#include "platform/ado/sqlite/SqlServerConversions.h"

namespace ado::sqlite {

namespace {

QString textOf(sqlite3_value* value) {
  return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(value)), sqlite3_value_bytes(value));
}

// A type name the translator writes: plain ASCII.
QLatin1StringView nameOf(sqlite3_value* value) {
  return QLatin1StringView(reinterpret_cast<const char*>(sqlite3_value_text(value)), sqlite3_value_bytes(value));
}

void resultNumber(sqlite3_context* context, const StoredNumber& number) {
  if (const int64_t* whole = std::get_if<int64_t>(&number)) return sqlite3_result_int64(context, *whole);
  sqlite3_result_double(context, std::get<double>(number));
}

void convertTo(sqlite3_context* context, int argc, sqlite3_value** argv) {
  sqlite3_value* value = argv[0];
  const int stored = sqlite3_value_type(value);
  // A blob is the column's checks' to judge.
  if (stored == SQLITE_NULL || stored == SQLITE_BLOB) return sqlite3_result_value(context, value);
  const QLatin1StringView type = nameOf(argv[1]);
  try {
    if (type == QLatin1StringView("decimal")) {
      const int scale = argc > 2 ? sqlite3_value_int(argv[2]) : 0;
      if (stored == SQLITE_INTEGER) return sqlite3_result_value(context, value);
      if (stored == SQLITE_FLOAT) return resultNumber(context, RoundedNumber(sqlite3_value_double(value), scale));
      if (const std::optional<StoredNumber> number = RoundedNumber(textOf(value), false, scale))
        return resultNumber(context, *number);
      return sqlite3_result_value(context, value);
    }
    const std::optional<WholeType> whole = WholeTypeNamed(type);
    if (!whole) return sqlite3_result_error(context, "CONVERT_TO: unknown type", -1);
    switch (stored) {
      case SQLITE_INTEGER: return sqlite3_result_int64(context, WholeFromInteger(sqlite3_value_int64(value), *whole));
      case SQLITE_FLOAT: return sqlite3_result_int64(context, WholeFromReal(sqlite3_value_double(value), *whole));
      default: return sqlite3_result_int64(context, WholeFromText(textOf(value), *whole));
    }
  } catch (const ConversionRefused& refused) {
    FailInFunction(context, refused.condition, refused.args);
  }
}

void textTo(sqlite3_context* context, int, sqlite3_value** argv) {
  sqlite3_value* value = argv[0];
  if (sqlite3_value_type(value) != SQLITE_TEXT) return sqlite3_result_value(context, value);
  try {
    if (nameOf(argv[1]) == QLatin1StringView("numeric")) return resultNumber(context, NumericFromText(textOf(value)));
    sqlite3_result_int64(context, WholeFromText(textOf(value), WholeType::Int));
  } catch (const ConversionRefused& refused) {
    FailInFunction(context, refused.condition, refused.args);
  }
}

}  // namespace

int RegisterConversionFunctions(sqlite3* db) {
  const int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
  int rc = SQLITE_OK;
  for (int arguments : {2, 3})
    if (rc == SQLITE_OK)
      rc = sqlite3_create_function_v2(db, "CONVERT_TO", arguments, flags, nullptr, convertTo, nullptr, nullptr, nullptr);
  if (rc == SQLITE_OK) rc = sqlite3_create_function_v2(db, "TEXT_TO", 2, flags, nullptr, textTo, nullptr, nullptr, nullptr);
  return rc;
}

}  // namespace ado::sqlite
