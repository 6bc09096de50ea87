#pragma once
// Where an embedded database name points. A name with a folder or an
// extension is a file path ("\" accepted as a separator); a bare name such as
// "VX_ESTADISTICAS" means NAME.db in the folder of the last embedded database
// opened by path (the program folder before any), so the statistics database
// lives beside the suite database.
#include <QString>

#include "platform/ado/provider/Providers.h"

namespace ado::sqlite {

// The database an embedded connection string names: its "Database" item,
// or its "Initial Catalog" when that one is blank.
QString DatabaseNameOf(const provider::ConnectionSpec& spec);

QString ResolveDatabasePath(const QString& name);
bool IsBareDatabaseName(const QString& name);
// Called after a database opened by path.
void RememberDatabaseFolder(const QString& path);

}  // namespace ado::sqlite
