#pragma once
// A failure that is not the record's own: the database itself failed what
// the run wrote (another program's lock past the TimeOut, a full disk, a
// database that takes no writes, a file that cannot be read or written, a
// lost link; ado::IsDatabaseFailure). Every record after it would fail the
// same way, so whichever statement meets it (the calendar day, the batch, a
// customer's rows) the run stops there after one box that names the cause.
// The record in hand is neither written nor counted, and the next run
// writes it. A wait for another program that the operator ended is his
// cancel: the run ends as cancelled, without a box.
#include <QString>
#include <optional>

#include "platform/ado/Error.h"

namespace rt {
class Error;
}

namespace importacion {

// The first entry of `Errores` when the database itself failed.
std::optional<ado::Error> FalloDeLaBase(const ado::Errors& Errores);
// The same for the failure `e` raised, which left its entries there.
std::optional<ado::Error> FalloDeLaBase(const rt::Error& e, const ado::Errors& Errores);

// Tells the operator in one box that the run stopped at the record number
// `Registro` of the file `Archivo`, and why; true when he asks to write the
// same record again. After a lost link to a server no retry is offered: the
// run's lock belonged to the lost session.
bool ReintentaTrasFallo(const ado::Error& Fallo, const QString& Archivo, long long Registro);

// The end of the progress label of a run stopped at the record `Registro`.
QString MarcaDetenido(long long Registro);

}  // namespace importacion
