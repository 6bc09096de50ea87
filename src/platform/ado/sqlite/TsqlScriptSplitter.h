#pragma once
// Finds the statements of a script. SQL Server needs no separator between
// statements (a batch puts each on its own line, without ";"), so a
// statement ends at ";" or where a keyword that starts a statement stands
// outside parentheses and does not continue the one before (INSERT ...
// SELECT, UPDATE ... SET, UNION SELECT, the statement an IF runs).
#include <cstdint>
#include <vector>

#include "platform/ado/sqlite/TsqlTokenizer.h"

namespace ado::sqlite::tsql {

struct TokenRange {
  int32_t begin = 0;
  int32_t end = 0;  // one past the last token
  bool empty() const { return begin >= end; }
};

std::vector<TokenRange> SplitStatements(const TokenizedText& text);

}  // namespace ado::sqlite::tsql
