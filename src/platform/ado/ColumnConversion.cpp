#include "platform/ado/ColumnConversion.h"

#include "platform/ado/Constants.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/Error.h"

namespace ado {

namespace {

// A text becomes a date as the database reads it, with SQL Server's
// two-digit years; any other value as CDate takes it.
QDateTime dateOf(const rt::Variant& value) {
  if (const QString* text = value.stringIf()) {
    if (auto date = rt::ParseDate(*text, rt::TwoDigitYears::SqlServer)) return *date;
    rt::raise(rt::err::TypeMismatch);
  }
  return value.toDate();
}

rt::Variant convert(int type, int scale, const rt::Variant& value) {
  switch (type) {
    case adDate: case adDBDate: case adDBTimeStamp: case adDBTime: return dateOf(value);
    case adSmallInt: return static_cast<int32_t>(value.toInteger());  // CInt: its range is a smallint's
    case adInteger: case adTinyInt: case 17 /* unsigned tiny */: return value.toLong();
    case adBigInt: {
      double d = value.toDouble();
      if (d >= -2147483648.0 && d <= 2147483647.0) return value.toLong();
      return d;
    }
    case adBoolean: return value.toBool();
    case adCurrency: return value.toCurrency();
    case adDecimal: case adNumeric:
      if (scale <= 4) return value.toCurrency();
      return value.toDouble();
    case adSingle: case adDouble: return value.toDouble();
    default: return value.toString();  // text and anything else
  }
}

}  // namespace

rt::Variant ConvertForColumn(const provider::ColumnInfo& column, const rt::Variant& value) {
  if (value.isNull() || value.isEmpty()) return rt::Variant::null();
  try {
    return convert(column.type, column.scale, value);
  } catch (const rt::Error& e) {
    // The value as it was given, a number as well as a text.
    const bool overflow = e.Number() == rt::err::Overflow;
    const QString text = overflow ? QStringLiteral("El valor \"%1\" está fuera del intervalo del tipo de la columna %2.")
                                  : QStringLiteral("No se puede convertir el valor \"%1\" al tipo de la columna %2.");
    throw rt::Error(overflow ? errnum::DataOverflow : errnum::TypeConversion, text.arg(value.toString(), column.name),
                    QStringLiteral("ADODB.Field"));
  }
}

}  // namespace ado
