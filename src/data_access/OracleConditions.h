#pragma once
// Comparisons in conditions (WHERE, ON, HAVING, CASE WHEN; never in a SET
// or VALUES list) made to behave on Oracle as on SQL Server:
// - a text literal compared whole loses its trailing blanks, which SQL
//   Server's comparison ignores and Oracle's VARCHAR2 comparison does not;
// - x = '' becomes RTRIM(x) IS NULL and x <> '' (or !=) RTRIM(x) IS NOT
//   NULL: Oracle stores the empty text as NULL, and a text of blanks (the
//   four-blank codes) counts as empty on SQL Server;
// - the escapes [_], [%] and [[] of a LIKE pattern become Oracle's
//   LIKE ... ESCAPE '\'.
#include <vector>

#include "data_access/OracleTokens.h"

namespace data_access::oracle {

enum class Clause { Other, Condition, Assignment, From };

// The clause each token stands in. A parenthesis takes the clause around
// it; a subquery has its own.
std::vector<Clause> ClausesOf(const Tokens& tokens);

void RewriteComparisons(Statement& s);
void RewriteLikeEscapes(Statement& s);

}  // namespace data_access::oracle
