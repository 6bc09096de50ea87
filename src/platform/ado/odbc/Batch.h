#pragma once
// Every result of an executed batch, drained to the end: the rows are the
// first result with columns, the affected rows the sum of the counts
// reported (-1 when none is). A failing statement does not stop the
// draining, so the statements after it still run as the server allows; its
// records, and those of any later failure, make the Failure thrown at the
// end.
#include <sql.h>

#include <QString>

#include "platform/ado/provider/Provider.h"

namespace ado::odbc {

class Statement;

provider::ExecuteResult runBatch(const Statement& statement, const QString& sql);

}  // namespace ado::odbc
