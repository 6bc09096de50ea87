#pragma once
// A suite database of a sample's own in a temporary folder, filled with the
// demo rows the sample shows, with gDB() connected to it as the program is.
#include <QString>
#include <functional>

class QTemporaryDir;

namespace ado {
class Connection;
}

// False when the service could not connect.
bool ConectaBaseDeMuestra(const QTemporaryDir& carpeta, const std::function<void(ado::Connection&)>& llena);
