#include "ImportDatabase.h"

#include "support/SuiteDatabase.h"

namespace testing_support {

void ImportDatabase::SetUp() {
  ServiceDatabase::SetUp();
  exec("INSERT INTO TA_USUARIOS (Nombre, Administrador, UNegocio) VALUES ('operador', 1, '   1')");
  connectAs("operador");
}

void ImportDatabase::define(const QString& sql) { DefineInDatabase(path, sql); }

QStringList ImportDatabase::rows(const QString& sql) {
  QStringList out;
  ado::Recordset rs = cn.Execute(sql);
  for (; !rs.EOF(); rs.MoveNext()) {
    QStringList values;
    for (int i = 0; i < rs.FieldCount(); ++i) {
      const rt::Variant v = rs.Fields(i).Value();
      values << (v.isNull() ? QStringLiteral("<null>") : v.toString());
    }
    out << values.join(u'|');
  }
  return out;
}

}  // namespace testing_support
