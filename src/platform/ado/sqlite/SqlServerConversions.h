#pragma once
// SQL Server's conversions of a value into a whole-number, bit, money or
// decimal type, which the embedded database makes where the server would:
// on what a statement writes to such a column, in CAST and CONVERT, and on
// a text added to a number.
//   A text into a whole number holds digits alone, with an optional sign
//   and blanks around ("" and blanks give 0); anything else is refused
//   (245). A number's fraction is truncated toward zero. A value outside
//   the type's range is refused (8115, 220 for smallint and tinyint).
//   A bit takes 1 for any number but 0, and 1 or 0 for the texts 'TRUE'
//   and 'FALSE'.
//   Money and decimals are rounded half away from zero to the type's scale
//   from the value's decimal digits: those of the literal as written, those
//   of a computed value's shortest decimal text (as Currency::fromDouble
//   reads a double). Their kind and range are left to the column's checks.
#include <QAnyStringView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <optional>
#include <variant>

#include "platform/ado/sqlite/ErrorMap.h"

namespace ado::sqlite {

enum class WholeType : uint8_t { Int, SmallInt, TinyInt, BigInt, Bit };

// Its name as SQL Server's messages give it ("int", "smallint", ...), and
// back; nullopt for any other name.
QString NameOf(WholeType type);
std::optional<WholeType> WholeTypeNamed(QAnyStringView name);

// A conversion SQL Server refuses, with the failure it gives.
struct ConversionRefused {
  Condition condition;
  QStringList args;
};

// A number as SQLite stores it.
using StoredNumber = std::variant<int64_t, double>;

// Each throws ConversionRefused.
int64_t WholeFromText(QStringView text, WholeType type);
int64_t WholeFromInteger(int64_t value, WholeType type);
int64_t WholeFromReal(double value, WholeType type);
// A number as a statement writes it: "12", "12.7", ".5", "1e10".
int64_t WholeFromNumber(QStringView number, WholeType type);

// A number (written with an exponent or not) or a text of digits with an
// optional point, sign and blanks around, rounded to `scale` places;
// nullopt for any other text, which the column's checks judge as it is.
std::optional<StoredNumber> RoundedNumber(QStringView text, bool exponent, int scale);
StoredNumber RoundedNumber(double value, int scale);

// A text taken as a decimal number, as SQL Server converts a text added to
// a fraction: digits with an optional point, sign and blanks around.
// Throws ConversionRefused (8114) for any other text, "" included.
StoredNumber NumericFromText(QStringView text);

}  // namespace ado::sqlite
