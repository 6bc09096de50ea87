#pragma once
// SQL Server's dialect, as every statement of the suite is written, turned
// into Oracle's with the same meaning. The statement is read as tokens, so
// that nothing inside a text literal or a quoted name is ever rewritten:
// - IF [NOT] EXISTS (q) with an INSERT, UPDATE or DELETE becomes that one
//   statement under the condition (INSERT ... SELECT ... FROM DUAL WHERE
//   NOT EXISTS (q));
// - WITH (NOLOCK) and the owner dbo. go; DISABLE|ENABLE TRIGGER ALL is
//   ALL TRIGGERS;
// - TOP n, wherever it stands, limits the rows as SQL Server does
//   (OracleRowLimit.h);
// - LEN(x) is LENGTH(RTRIM(x)), CHARINDEX(a, b[, s]) INSTR(b, a[, s]),
//   SUBSTRING SUBSTR, ISNULL NVL, CONVERT(NVARCHAR, x[, 103]) TO_CHAR(x[,
//   'DD/MM/YYYY']), CONVERT(INT, x) TO_NUMBER(x);
// - [name] is "name";
// - comparisons in conditions: trailing blanks, the empty text and the
//   LIKE escapes as SQL Server means them (OracleConditions.h);
// - a text d/m/yy or d/m/yyyy, with an optional hh:mm[:ss], is a date:
//   TO_DATE('dd/mm/yyyy','DD/MM/YYYY') or TO_DATE('dd/mm/yyyy
//   hh:mm:ss','DD/MM/YYYY HH24:MI:SS'), a two-digit year read as SQL Server
//   reads it (00-49 are 20xx). A code of that form in a text column is
//   taken for a date too.
// Applying it twice gives what applying it once gives.
#include <QString>

namespace data_access {

// The statement for an Oracle connection. A single word only maps LEN to
// LENGTH. Raises 5 for an unclosed quote, bracket or comment.
QString TranslateToOracle(const QString& statement);

// "" for a statement Oracle has no use for (SET NOCOUNT, IF NOT EXISTS
// as words, outside texts).
QString DescartaSentenciaNoOracle(const QString& statement);

}  // namespace data_access
