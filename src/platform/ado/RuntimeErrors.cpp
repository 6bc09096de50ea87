#include "platform/ado/RuntimeErrors.h"

#include "platform/ado/Constants.h"
#include "platform/runtime/Error.h"

namespace ado {

namespace {
QString describe(long number) {
  switch (number) {
    case errnum::BofOrEof:
      return QStringLiteral(
          "BOF o EOF es True, o el registro actual se eliminó. La operación solicitada requiere un registro actual.");
    case errnum::NotAllowedInContext: return QStringLiteral("No se permite la operación en este contexto.");
    case errnum::NotSupported:
      return QStringLiteral("El conjunto de registros no admite la operación solicitada con este cursor o bloqueo.");
    case errnum::ItemNotFound:
      return QStringLiteral("No se encontró el elemento en la colección que corresponde al nombre o al ordinal solicitado.");
    case errnum::ClosedObject: return QStringLiteral("No se permite la operación cuando el objeto está cerrado.");
    case errnum::AlreadyOpen: return QStringLiteral("No se permite la operación cuando el objeto está abierto.");
    case errnum::ConnectionUnusable:
      return QStringLiteral(
          "No se puede usar la conexión para realizar esta operación. Está cerrada o no es válida en este contexto.");
    default: return rt::describe(number);
  }
}
}  // namespace

void raise(long number, const char* source) { throw rt::Error(number, describe(number), QString::fromLatin1(source)); }

void raiseFailure(const provider::Failure& failure, Errors& errors) {
  errors.Replace(failure.errors);
  const Error* first = failure.errors.empty() ? nullptr : &failure.errors.front();
  throw rt::Error(failure.number, first ? first->Description : describe(failure.number),
                  first ? first->Source : QString::fromLatin1(kConnectionSource));
}

}  // namespace ado
