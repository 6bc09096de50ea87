#pragma once
// Turns a tokenized script into its translated statements: transactions,
// the trigger switches that SQLite has no use for, IF [NOT] EXISTS,
// CHECKPOINT, and the data statements handed to the rewriter.
#include "platform/ado/sqlite/CompiledStatement.h"
#include "platform/ado/sqlite/TsqlTokenizer.h"

namespace ado::sqlite::tsql {

CompiledScript CompileScript(const TokenizedText& text, const SchemaInfo& schema);

}  // namespace ado::sqlite::tsql
