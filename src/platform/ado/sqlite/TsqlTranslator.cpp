// Pass-through until the dialect translator lands: the text as one
// statement, unchanged.
#include "platform/ado/sqlite/TsqlTranslator.h"

namespace ado::sqlite {

std::vector<Statement> Translate(const QString& tsql, const SchemaInfo&) {
  Statement s;
  s.sql = tsql;
  return {s};
}

}  // namespace ado::sqlite
