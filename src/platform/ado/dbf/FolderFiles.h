#pragma once
// Files of a folder found by name without regard to case, as they were on
// the machines the tables come from.
#include <QString>
#include <QStringList>

namespace ado::dbf {

// The path of `fileName` in `folder`; the exact spelling wins over others.
// Empty when the folder holds no such file.
QString findFile(const QString& folder, const QString& fileName);

// Why the files of `folder` cannot be listed: errno of opening it (ENOENT,
// EACCES ...); 0 when they can.
int listingError(const QString& folder);

// Names of the files of `folder` with the extension `suffix` (any case),
// without it, sorted without regard to case.
QStringList baseNamesWithSuffix(const QString& folder, const QString& suffix);

}  // namespace ado::dbf
