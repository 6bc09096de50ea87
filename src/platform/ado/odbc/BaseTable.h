#pragma once
// The base table an updatable recordset writes to, found in its statement
// when the driver does not name it (SQL Server names base tables only in
// browse mode), and identifiers quoted for the statements written to it.
#include <QString>
#include <optional>

#include "platform/ado/odbc/Catalog.h"

namespace ado::odbc {

// The one table of a SELECT ("Select * from dbo.T with (nolock) where ...");
// nothing for joins, several tables, unions or grouped rows.
std::optional<ObjectName> singleTable(const QString& select);

// `quote` is the driver's identifier quote ("[" stands for SQL Server's
// brackets); blank means the driver quotes nothing.
QString quoteIdentifier(const QString& name, const QString& quote);

}  // namespace ado::odbc
