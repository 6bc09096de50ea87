#include "platform/ado/dbf/DbfFailure.h"

#include "platform/ado/Constants.h"
#include "platform/ado/provider/Provider.h"

namespace ado::dbf {

void fail(long number, const QString& description) {
  Error e;
  e.Number = number;
  e.Description = description;
  e.Source = QStringLiteral("Proveedor DBF");
  throw provider::Failure{number, {e}};
}

void damagedFile(const QString& file, const QString& what) {
  fail(errnum::E_FAIL, QStringLiteral("El archivo %1 está dañado: %2.").arg(file, what));
}

void damagedRecord(const QString& file, long long record, const QString& field, const QString& what) {
  const QString where = field.isEmpty() ? QStringLiteral("registro %1").arg(record)
                                        : QStringLiteral("registro %1, campo %2").arg(record).arg(field);
  fail(errnum::E_FAIL, QStringLiteral("El archivo %1 está dañado (%2): %3.").arg(file, where, what));
}

}  // namespace ado::dbf
