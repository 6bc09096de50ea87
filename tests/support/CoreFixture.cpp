#include "support/CoreFixture.h"

#include "core/CoreState.h"
#include "platform/runtime/Environment.h"
#include "platform/runtime/ProgramEnd.h"
#include "support/SuiteDatabase.h"

namespace testing_support {

template <class Base>
void FreshCore<Base>::SetUp() {
  Base::SetUp();
  core::ResetCore();
  rt::SetProgramEnd([this] { ++programEnds; });
}

template <class Base>
void FreshCore<Base>::TearDown() {
  core::ResetCore();
  rt::SetProgramEnd(nullptr);
  rt::SetCommandLine(QString());
  Base::TearDown();
}

template class FreshCore<ServiceFixture>;
template class FreshCore<ServiceDatabase>;

void CoreDatabase::connectAs(const QString& user) {
  ServiceDatabase::connectAs(user);
  core::gCore().gUsuarioLogeado = user;
}

QString CoreDatabase::createStatisticsDatabase() { return NewSuiteDatabase(folder, QStringLiteral("VX_ESTADISTICAS.db")); }

QStringList CoreDatabase::rows(const QString& sql) {
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
