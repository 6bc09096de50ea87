#pragma once
// TOP n of each query, wherever it stands, in Oracle's terms (ROWNUM, which
// every Oracle version has):
// - TOP 100 PERCENT, SQL Server's way to order a view or subquery, means
//   every row: it goes, and in a subquery its ORDER BY with it;
// - a scalar subquery TOP 1 x ... ORDER BY x DESC is MAX(x): the same
//   value, without a subquery of its own, so that a correlation stays one
//   level deep as Oracle before 12c requires;
// - a query without ORDER BY, GROUP BY, HAVING or DISTINCT gets ROWNUM <= n
//   in its WHERE;
// - any other is wrapped, SELECT * FROM (query) WHERE ROWNUM <= n, so the
//   limit takes the sorted (or grouped) rows; n PERCENT takes
//   CEIL(n * COUNT(*) / 100) of them, as SQL Server rounds up.
#include "data_access/OracleTokens.h"

namespace data_access::oracle {

void RewriteRowLimits(Statement& s);

}  // namespace data_access::oracle
