#pragma once
// A translated statement kept under its shape: the SQLite text with "?"
// placeholders and, per placeholder, which lifted literal fills it.
#include <QString>
#include <cstdint>
#include <vector>

#include "platform/ado/sqlite/SqlServerConversions.h"
#include "platform/ado/sqlite/TsqlTranslator.h"

namespace ado::sqlite::tsql {

// What a literal becomes when it is bound, as SQL Server converts a value
// for the column it is written to: a day-first date ISO text (also where it
// is compared with a date column), a whole number or a bit, a number
// rounded to the scale of money or a decimal (SqlServerConversions.h).
struct Conversion {
  enum class Kind : uint8_t { None, Date, Whole, Fixed };
  Kind kind = Kind::None;
  WholeType whole = WholeType::Int;  // of Whole
  uint8_t scale = 0;                 // of Fixed
  // A number written after a minus sign, which the statement applies to
  // the bound value: the value converted is the negative one.
  bool negated = false;
  bool isDate() const { return kind == Kind::Date; }
};

struct ParamSlot {
  int32_t literal = 0;  // index of the literal in the tokenized text
  Conversion conversion;
};

struct CompiledStatement {
  Statement::Kind kind = Statement::Kind::Sql;
  QString sql;
  std::vector<ParamSlot> paramSlots;
  // The literals are written into the text instead of bound: SQLite takes
  // no parameters in a column definition.
  bool inlineLiterals = false;
  bool negate = false;
  std::vector<CompiledStatement> then;
};

using CompiledScript = std::vector<CompiledStatement>;

}  // namespace ado::sqlite::tsql
