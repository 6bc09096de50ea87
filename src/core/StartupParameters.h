#pragma once
// The program's parameter text: items "key=value;" in any order, keys
// without regard to case, blanks around "=" and values of no account.
#include <QString>
#include <optional>

namespace core {

// The value of `Clave` ("@Server", ...) in the first item of that key:
// `SiFalta` when there is none; nullopt when it is not closed by ";" (the
// caller's variable then stays as it was). The text is read item by item,
// each a key, "=" and a value up to its ";", so a key inside another item's
// value ("@Password=x@DbName=y;") is no item, and "@Usuario" never reads
// "@UsuarioLogeado". Only the first "=" of an item is removed: the value
// keeps any other.
std::optional<QString> LeeParametro(const QString& Parametros, const QString& Clave,
                                    const QString& SiFalta = QString());

// The INI section of a computer and user: "PC|USER" upper-cased, cut to 50
// characters when longer.
QString SeccionIni(const QString& NombrePC, const QString& UsuarioWindows);

// The parameter text built from the INI file's connection section of this
// computer and user (not cut).
QString ParametrosDesdeIni();

// The host of a server text "protocol/host:port": the text after the first
// "/" (all of it when none), cut before its first ":".
QString ExtraeNombreServidor(const QString& Servidor);

}  // namespace core
