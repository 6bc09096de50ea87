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

namespace {

Error recordError(const QString& file, long long record, const QString& field, const QString& what) {
  const QString where = field.isEmpty() ? QStringLiteral("registro %1").arg(record)
                                        : QStringLiteral("registro %1, campo %2").arg(record).arg(field);
  Error e;
  e.Number = errnum::E_FAIL;
  e.Description = QStringLiteral("El archivo %1 está dañado (%2): %3.").arg(file, where, what);
  e.Source = QStringLiteral("Proveedor DBF");
  e.SQLState = QString::fromLatin1(kSqlStateDamagedRow);
  return e;
}

}  // namespace

void damagedRecord(const QString& file, long long record, const QString& field, const QString& what) {
  throw provider::Failure{errnum::E_FAIL, {recordError(file, record, field, what)}};
}

void invalidValue(const QString& file, long long record, const QString& field, const QString& what) {
  Error e = recordError(file, record, field, what);
  e.SQLState = QString::fromLatin1(kSqlStateInvalidValue);
  throw provider::Failure{errnum::E_FAIL, {e}};
}

}  // namespace ado::dbf
