#pragma once
// A group of statements that succeed or fail together: run as one script
// framed by BEGIN TRANSACTION, rolled back and written to the error table
// AUX_ERR when the connection reports errors (to the error log instead when
// the database itself failed it), committed otherwise.
#include <QString>
#include <vector>

namespace ado {
struct Error;
class Errors;
}

namespace core {

// Blank statements are skipped; a list of only blank ones runs nothing.
// lHayError: the batch failed and was rolled back. CodError: NativeError of
// the first error entry (0 when none). A first entry 2627 with
// IgnorarDuplicado, or 547 with IgnorarForeingKey, shows no box and leaves
// only its description in ErrDesc. Script: the script that ran. With
// MuestraMensaje the error text is shown to the operator, unless the
// database itself failed the batch (ado::IsDatabaseFailure: another
// program's lock past the wait, a full disk ...): that failure is the
// caller's to tell, with what it was doing, and goes to the error log, not
// to AUX_ERR, whose row would fail the same way. PrimerError, when given,
// receives the first error entry of a failed batch.
void GActualizarDatoScript(const std::vector<QString>& ListaDeSentencias, bool& lHayError, long& CodError,
                           bool IgnorarDuplicado, bool IgnorarForeingKey, QString& Script, QString& ErrDesc,
                           bool MuestraMensaje, ado::Error* PrimerError = nullptr);

// Appends one AUX_ERR row (process: always the executable's name); never
// raises. A row the table does not take goes to the error log, with why.
void EscribeErrorAux(const QString& Script, const QString& Proceso, long CodError, const QString& TextoError);

// "NativeError : Description" + CR LF for each entry but the last closing
// one (the single entry of a one-entry collection is listed). An entry
// without a native number (a failure of the provider itself) shows its
// error number instead of 0.
QString TextoErroresLote(const ado::Errors& errores);

// The box that shows a failed batch's error text to the operator.
void MuestraErroresLote(const QString& Texto);

}  // namespace core
