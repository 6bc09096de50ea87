#pragma once
// The program's core started on a fresh demo database, for the snapshots of
// windows that read rows.
#include <QString>

// Creates the demo database in `folder` and starts the core on it as the
// program starts; false (having said why) when it could not.
bool ArrancaDemo(const QString& folder);
