#pragma once
// The type of an expression column, worked out from the statement. SQLite
// declares no type for an expression (a literal, arithmetic, an aggregate, a
// view's computed column), and a result without rows has no value to tell
// it; the statement often does. The type worked out is the one the values
// read back as here (see TypeOfValue): a whole number, a fraction, a date or
// a text with its width.
#include <QString>
#include <optional>
#include <vector>

namespace ado::sqlite {

class SchemaCache;

struct ExpressionType {
  int adoType = 0;
  long definedSize = 0;  // a text's width: 0 when the statement fixes none
};

// One entry per result column of `sql`, SQLite's own text with its literals
// written in (as a prepared statement expands). Empty where the statement
// fixes no type; all empty when the first SELECT of the text does not give
// `columns` columns.
std::vector<std::optional<ExpressionType>> ExpressionTypes(const QString& sql, size_t columns,
                                                           const SchemaCache& schema);

}  // namespace ado::sqlite
