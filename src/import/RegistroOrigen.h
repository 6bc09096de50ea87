#pragma once
// A record of an exported table on its way into the suite: reaching it
// without one unreadable record stopping the run, and recording one that is
// not imported under its number in the table.
#include <QString>
#include <functional>
#include <optional>

namespace ado {
class Connection;
class Recordset;
}

namespace importacion {

// Runs `mueve` (opening the source table or moving to its next record).
// When the record it reaches cannot be read, a field whose bytes are no
// value (a date "20059999", a number "12x4.00") or the record's own bytes
// (its deletion mark, its memo), that record is one to reject: its reason,
// the provider's, comes back, nothing is raised, and the next move passes
// it. Any other failure (a damaged file, a missing table) raises as before.
std::optional<QString> MueveAlRegistro(ado::Connection& Origen, const std::function<void()>& mueve);

// The number in its table of the record `Origen` stands on, or reached and
// could not read (its bookmark): the first record is 1 and deleted records
// count, so whoever opens the table finds it under that number.
long long NumeroEnTabla(const ado::Recordset& Origen);

// Writes to AUX_ERR that record `Registro` (its number in the table) of the
// file `Archivo` was not imported, and why.
void RegistraRechazo(const QString& Archivo, long long Registro, const QString& Motivo);

}  // namespace importacion
