#pragma once
// Values between Variants and SQLite: dates travel as ISO text, money and
// decimals come back as Currency, bit as Boolean, text as text.
#include <string>

#include "platform/ado/sqlite/DeclaredType.h"
#include "platform/ado/sqlite/TsqlLiteralValue.h"
#include "platform/runtime/Variant.h"

struct sqlite3_stmt;

namespace ado::sqlite {

// Returns an SQLite result code. A text is bound from `text`, which must
// stay unchanged while the statement holds the binding.
int BindValue(sqlite3_stmt* statement, int index, const rt::Variant& value, std::string& text);
int BindLiteral(sqlite3_stmt* statement, int index, const tsql::LiteralValue& value, std::string& text);
rt::Variant ReadValue(sqlite3_stmt* statement, int column, ValueKind kind);
// Whether a text is a date in the ISO form the provider stores.
bool IsStoredDate(const char* text, int bytes);
// The ADO type an untyped column (an expression) reports, from its value.
int TypeOfValue(sqlite3_stmt* statement, int column);
// The defined size such a column reports for that type: the size of a
// number or a date of the type; 0 for text, whose width is not known.
long DefinedSizeOfValueType(int adoType);

}  // namespace ado::sqlite
