#pragma once
// A translated statement kept under its shape: the SQLite text with "?"
// placeholders and, per placeholder, which lifted literal fills it.
#include <QString>
#include <cstdint>
#include <vector>

#include "platform/ado/sqlite/TsqlTranslator.h"

namespace ado::sqlite::tsql {

struct ParamSlot {
  int32_t literal = 0;     // index of the literal in the tokenized text
  bool dateBound = false;  // bound to a date column: day-first dates become ISO text
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
