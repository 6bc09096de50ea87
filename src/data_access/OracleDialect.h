#pragma once
// SQL Server's dialect, as every statement of the suite is written, turned
// into Oracle's.
#include <QString>

namespace data_access {

// The statement for an Oracle connection. A single word only maps LEN to
// LENGTH. Raises 5 for a statement with an odd number of apostrophes.
QString TranslateToOracle(const QString& statement);

// "" for a statement Oracle has no use for (SET NOCOUNT, IF NOT EXIST).
QString DescartaSentenciaNoOracle(const QString& statement);

}  // namespace data_access
