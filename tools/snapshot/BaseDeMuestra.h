#pragma once
// A suite database of a snapshot's own in `carpeta`, filled by `llena` and
// opened on gDB() as start-up opens it, for the windows that read rows.
#include <QString>
#include <functional>

namespace ado {
class Connection;
}

bool AbreBaseDeMuestra(const QString& carpeta, const std::function<void(ado::Connection&)>& llena);
