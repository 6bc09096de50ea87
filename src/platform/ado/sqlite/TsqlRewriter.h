#pragma once
// Rewrites one SELECT, INSERT, UPDATE or DELETE from SQL Server's dialect
// into SQLite's: table hints and "dbo." dropped, TOP n moved to LIMIT n at
// the end of its SELECT, ISNULL to IFNULL, DELETE t to DELETE FROM t,
// literals turned into "?" placeholders, string literals compared under the
// collation CI_AS, literals bound to date columns flagged for ISO text, the
// values written to whole-number, bit, money and decimal columns, CAST to a
// whole number and a text added to a number converted as SQL Server
// converts them (SqlServerConversions.h). Refuses (Unsupported) what SQLite
// would run with another meaning, and with SQL Server's own error what the
// server refuses too (ORDER BY a constant or a position the select list
// has not, GROUP BY a constant).
#include "platform/ado/sqlite/CompiledStatement.h"
#include "platform/ado/sqlite/TsqlScriptSplitter.h"
#include "platform/ado/sqlite/TsqlTokenizer.h"

namespace ado::sqlite::tsql {

CompiledStatement RewriteSql(const TokenizedText& text, TokenRange range, const SchemaInfo& schema);

}  // namespace ado::sqlite::tsql
