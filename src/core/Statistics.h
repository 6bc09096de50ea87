#pragma once
// The statistics database "VX_ESTADISTICAS" on the server of the main
// database: its configuration table gives the command time-out of the main
// connection.
#include <QString>

#include "platform/runtime/Variant.h"

namespace core {

// Opens gDBEstadisticas() with the main service's server and user, without
// boxes, and sets gTiempoEspera (360 unless the key TimeOut says otherwise;
// a missing key is stored). Nothing is shown when the database is missing.
void ConectaEstadisticas();

// Cfg on the statistics database.
QString CfgVX(const QString& Clave, QString& ValorAux);

// Writes one configuration row of the statistics database (the key
// upper-cased and trimmed; the value trimmed when RecortaValor; ValorAux
// only when given). Failures are ignored.
void GrabaCfgVX(const QString& Clave, const rt::Variant& Valor, const QString& ValorAux, bool PoliticaNegocio,
                const QString& Grupo, bool RecortaValor);

}  // namespace core
