#pragma once
// A value assigned to a field, converted to the column's type as the
// data-access objects do before it is written: day-first text into a date
// column (two-digit years as SQL Server reads them: 00-49 are 2000-2049),
// either decimal separator into a number column (a whole number rounded as
// CLng rounds, within the range of its type, a smallint's too), numbers into
// text in the regional form.
#include "platform/ado/provider/Provider.h"
#include "platform/runtime/Variant.h"

namespace ado {

// Raises errnum::TypeConversion when the value is of no form the column
// takes, errnum::DataOverflow when it is beyond the column type's range;
// either names the value as it was given.
rt::Variant ConvertForColumn(const provider::ColumnInfo& column, const rt::Variant& value);

}  // namespace ado
