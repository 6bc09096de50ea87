#pragma once
// The configuration table: one reader by key, and the loader of the fixed
// list of keys into the program-wide variables of gCore().
#include <QString>

namespace data_access {
class DB_Dll;
}

namespace core {

// VALOR of the row whose CLAVE is the trimmed key, ValorAux its VALORAUX;
// " " (one blank) and "" when the key has no row. A blank "THEME" reads "1".
// Errors go to the library's error dialog (5 goes on; other: "").
QString Cfg(const QString& Clave, QString& ValorAux);
QString Cfg(const QString& Clave);

// Reads the keys once, after the connection is open. A step that fails is
// skipped and its variable keeps its value. `Carpeta` is the program folder
// with its final separator.
void CargaConfiguracion(const QString& Carpeta);

// The reader of Cfg on any service, reporting under `Rutina`; sets
// gTablaConfiguracion to "TA_CONFIGURACION" when blank.
QString LeeClaveConfiguracion(data_access::DB_Dll& servicio, const QString& Clave, QString& ValorAux,
                              const QString& Rutina);

}  // namespace core
