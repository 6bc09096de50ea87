#pragma once
// Writes the rows of an updatable recordset to the base table of its
// statement: the table it reads, or for an "SS_" view (a per-user twin) the
// table the view is named after. A row is found again by its primary key,
// or by all its values when the table has none.
#include <memory>

#include "platform/ado/provider/Provider.h"
#include "platform/ado/sqlite/Database.h"

namespace ado::sqlite {

// `sql` is the translated statement of the recordset. Throws Failure when
// it reads nothing that can be written.
std::unique_ptr<provider::RowWriter> WriterFor(std::shared_ptr<Database> db, const QString& sql,
                                               const std::vector<provider::ColumnInfo>& columns);

}  // namespace ado::sqlite
