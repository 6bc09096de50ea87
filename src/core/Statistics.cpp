#include "core/Statistics.h"

#include "core/Configuration.h"
#include "core/CoreState.h"
#include "data_access/DataAccessState.h"
#include "data_access/LookupSql.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"

namespace core {

namespace {
rt::StepRunner ignoringErrors() {
  return rt::StepRunner([](const rt::Error&) { return rt::answer::Ignore; });
}
}  // namespace

void ConectaEstadisticas() {
  CoreState& st = gCore();
  data_access::DB_Dll& db = data_access::gDB();
  data_access::DB_Dll& vx = gDBEstadisticas();
  rt::StepRunner steps = ignoringErrors();
  st.gTiempoEspera = 360;
  steps.run([&] {
    if (vx.gCnn.State() != ado::adStateClosed) vx.gCnn.Close();
  });
  steps.run([&] {
    vx.gProveedor = data_access::DB_Dll::pSQLOLEDB();
    vx.gServidor = db.gServidor;
    vx.gUsuario = db.gUsuario;
    vx.gUserPassWord = db.gUserPassWord;
    vx.gDBName = QStringLiteral("VX_ESTADISTICAS");
  });
  steps.run([&] { vx.OpenServerADODB(false, 3, QString(), true, false); });
  if (vx.gOpenFlag) {
    steps.run([&] {
      QString aux;
      st.gTiempoEspera = rt::CInt(rt::Val(CfgVX(QStringLiteral("TimeOut"), aux)));
    });
    steps.run([&] {
      if (st.gTiempoEspera == 0)
        GrabaCfgVX(QStringLiteral("TimeOut"), rt::Variant(st.gTiempoEspera), QString(), false,
                   QStringLiteral("BaseDeDatos"), true);
    });
  }
  if (st.gTiempoEspera == 0) st.gTiempoEspera = 360;
}

QString CfgVX(const QString& Clave, QString& ValorAux) {
  return LeeClaveConfiguracion(gDBEstadisticas(), Clave, ValorAux, QStringLiteral("CfgVX"));
}

void GrabaCfgVX(const QString& Clave, const rt::Variant& Valor, const QString& ValorAux, bool PoliticaNegocio,
                const QString& Grupo, bool RecortaValor) {
  data_access::DB_Dll& vx = gDBEstadisticas();
  const suite::Utilidades& u = suite::gUtilidades();
  rt::StepRunner steps = ignoringErrors();
  ado::Recordset rs;
  // The row is looked for by the key it is written with, trimmed: a key
  // given with a blank before it would otherwise add a second row for the
  // same key, which the table refuses, and the value would be lost.
  steps.run([&] {
    vx.AbrirRecordset(QStringLiteral("SELECT * FROM ") + gCore().gTablaConfiguracion +
                          QStringLiteral(" with(nolock)  WHERE CLAVE = ") + data_access::sql::Quoted(rt::Trim(Clave)),
                      rs, nullptr, ado::adOpenDynamic, ado::adLockOptimistic);
  });
  steps.run([&] {
    if (rs.BOF()) rs.AddNew();
  });
  steps.run([&] { rs.Fields(QStringLiteral("Grupo")) = u.ValorCampo(Grupo); });
  steps.run([&] { rs.Fields(QStringLiteral("Clave")) = u.ValorCampo(rt::UCase(rt::Trim(Clave))); });
  steps.run([&] {
    rs.Fields(QStringLiteral("Valor")) = u.ValorCampo(RecortaValor ? rt::Variant(rt::Trim(Valor.toString())) : Valor);
  });
  steps.run([&] { rs.Fields(QStringLiteral("PoliticaNegocio")) = u.ValorCampo(PoliticaNegocio); });
  steps.run([&] {
    if (!ValorAux.isEmpty()) rs.Fields(QStringLiteral("ValorAux")) = u.ValorCampo(rt::Trim(ValorAux));
  });
  steps.run([&] { rs.Update(); });
  steps.run([&] { vx.CierraRecordset(rs); });
}

}  // namespace core
