#pragma once
// What the lifted literals of a text give the parameters of its translated
// statements: a whole number as a 64-bit integer (a CUIT written bare keeps
// every digit) or else a real, a string with its apostrophes undoubled (an empty one is an empty
// text, not a missing value), each converted as its slot says (a day-first
// date bound to a date column as ISO text, a value written to a whole-number
// or bit column as SQL Server converts it, one written to money or a
// decimal rounded to its scale).
#include <QString>
#include <QStringView>
#include <cstdint>

#include "platform/ado/sqlite/CompiledStatement.h"
#include "platform/ado/sqlite/TsqlTokenizer.h"

namespace ado::sqlite::tsql {

struct LiteralValue {
  // InvalidDate: a day-first text bound to a date column that is no date
  // ('31/02/2006'); the server refuses it rather than store the text.
  enum class Type { Integer, Real, Text, InvalidDate };
  Type type = Type::Text;
  int64_t integer = 0;
  double real = 0;
  QStringView text;  // into the source, or into the caller's scratch text
};

// The value of one parameter; `scratch` holds a text that the source does
// not hold as such, until the next call. Throws the server's failure for a
// value SQL Server refuses to convert for its column.
LiteralValue ValueOf(const TokenizedText& text, const ParamSlot& slot, QString& scratch);

// The statement's text with its literals written in place of its "?"
// (statements whose literals are not bound).
QString SqlWithLiterals(const CompiledStatement& compiled, const TokenizedText& text);

}  // namespace ado::sqlite::tsql
