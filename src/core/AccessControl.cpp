#include "core/AccessControl.h"

#include <utility>

#include "core/Batch.h"
#include "core/CoreState.h"
#include "core/FieldList.h"
#include "core/Formatting.h"
#include "data_access/BaseOcupada.h"
#include "data_access/DataAccessState.h"
#include "data_access/LookupSql.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/Environment.h"
#include "platform/runtime/ProgramEnd.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/Host.h"
#include "platform/ui/MessageBox.h"

namespace core {

namespace {

// SQL Server's native number for a write refused by a read-only database.
constexpr long kBaseDeSoloLectura = 3906;

// Programs that share the rights of another one, in the order they are tested.
QString alias(const QString& proceso) {
  static const std::pair<const char*, const char*> aliases[] = {
      {"FS_V_MV_VENTAS", "V_MV_VENTAS"},
      {"FS_V_MV_VENTASh", "V_MV_VENTAS"},
      {"V_MV_VENTASPDVG", "V_MV_VENTAS"},
      {"V_MV_VENTASPDV", "V_MV_VENTAS"},
      {"FS_V_MV_COMANDAH", "FS_V_MV_COMANDA"},
      {"EM_PLANILLAARTICULOS2", "EM_PLANILLAARTICULOS"},
      {"EM_PLANILLAEDITDATOS2", "EM_PLANILLAEDITDATOS"},
      {"V_MA_PRECIOS2", "V_MA_PRECIOS"},
      {"V_MA_ARTICULOS2", "V_MA_ARTICULOS"},
      {"UTLFISCALH", "UTLFISCAL"},
      {"EM_DBACUM", "Controlbaseap"},
  };
  for (const auto& [nombre, reemplazo] : aliases)
    if (rt::EqualsText(proceso, QString::fromLatin1(nombre))) return QString::fromLatin1(reemplazo);
  return QString();
}

bool exento(const QString& proceso) {
  return rt::OneOfText(proceso, {"UtlFiscal", "Utl_CtrlFiscal", "Utl_CtrlFiscalh", "TIMERLIQUIDACION",
                                 "Interface_Art", "VXMAPA"});
}

// The user's task for the program from the menu tables; nullopt when the
// user has none there, and also when the rights cannot be read: a failed
// query never grants anything.
std::optional<QString> tareaDelMenu(const QString& usuario, const QString& proceso) {
  data_access::DB_Dll& db = data_access::gDB();
  ado::Recordset rs;
  std::optional<QString> tarea;
  rt::StepRunner steps([](const rt::Error&) { return rt::answer::Ignore; });
  steps.run([&] { db.AbrirRecordset(SentenciaTareas(usuario, proceso), rs); });
  steps.run([&] {
    if (!rs.EOF()) tarea = suite::gUtilidades().ValorCampo(rs.Fields(QStringLiteral("Nombre")).Value()).toString();
  });
  steps.run([&] { db.CierraRecordset(rs); });
  return tarea;
}

bool accesoSinMenu() {
  const data_access::DB_Dll& db = data_access::gDB();
  return rt::EqualsText(db.gUsuario, db.gDBName) ||
         rt::EqualsText(db.gUsuario, QStringLiteral("ADMINISTRA KELDRAN QZ"));
}

void registraIngreso(const QString& proceso, const QString& tarea) {
  CoreState& st = gCore();
  rt::StepRunner steps([](const rt::Error&) { return rt::answer::Ignore; });
  const QString q = QStringLiteral("'");
  steps.run([&] {
    AgregaCampo(QStringLiteral("Maquina"), rt::UCase(rt::Trim(suite::gInfoSistema().NombrePC())), q, true);
  });
  steps.run([&] { AgregaCampo(QStringLiteral("Usuario"), rt::UCase(rt::Trim(st.gUsuarioLogeado)), q, false); });
  steps.run([&] { AgregaCampo(QStringLiteral("Formulario"), rt::UCase(rt::Trim(proceso)), q, false); });
  steps.run([&] { AgregaCampo(QStringLiteral("Tarea"), rt::UCase(rt::Trim(tarea)), q, false); });
  steps.run([&] { AgregaCampo(QStringLiteral("Ingreso"), rt::FormatDate(rt::Now(), FormatoFechaHora()), q, false); });
  steps.run([&] { AgregaCampo(QStringLiteral("NombreUsuario"), st.gUsuarioLogeado, q, false); });
  std::vector<QString> sentencias;
  steps.run([&] {
    ArmaSentenciaSQL(st.ListaCampos, sentencias, QStringLiteral("Control_Acceso"), false, QString(), false);
  });
  bool hayError = false;
  long codigo = 0;
  QString script, descripcion;
  ado::Error primero;
  steps.run([&] {
    GActualizarDatoScript(sentencias, hayError, codigo, false, false, script, descripcion, false, &primero);
  });
  // A database that takes no writes is told once, where it matters: an
  // import run refuses to start on it. A wait the operator ended ends
  // start-up without a word more.
  if (!hayError || codigo == kBaseDeSoloLectura || rt::Trim(descripcion).isEmpty() || ado::IsWaitEnded(primero))
    return;
  // Another program kept the database past start-up's wait: the operator
  // hears why the start took so long and what to do.
  if (codigo == data_access::kEsperaDeBloqueoAgotada)
    descripcion = data_access::TextoBaseOcupada(
        st.gTiempoEspera,
        QStringLiteral("Su ingreso al sistema no quedó registrado: ciérrelo y vuelva a abrir este programa."));
  steps.run([&] { MuestraErroresLote(descripcion); });
}

}  // namespace

QString SentenciaTareas(const QString& Usuario, const QString& Proceso) {
  // The user name as a literal, with the blank before its closing quote.
  const QString usuario = data_access::sql::Quoted(Usuario + u' ');
  const QString like = data_access::sql::Quoted(u'%' + data_access::sql::LikeLiteral(Proceso) + u'%');
  return QStringLiteral("SELECT TA_TAREAS.USUARIO, TA_MENU.Proceso, TA_MENU.Clave , TA_MENU.Nombre ") +
         QStringLiteral(" FROM TA_TAREAS  with(nolock) INNER JOIN TA_MENU ON TA_TAREAS.TAREA = TA_MENU.Clave ") +
         QStringLiteral(" WHERE (TA_TAREAS.USUARIO = ") + usuario + QStringLiteral(") AND (TA_MENU.Proceso LIKE ") +
         like + u')';
}

void ControlAcceso(const QString& Proceso) {
  CoreState& st = gCore();
  st.gUsuarioLogeado = data_access::gDB().gUsuario;
  const QString ejecutable = rt::ExecutableName();
  QString proceso = Proceso.isEmpty() ? ejecutable : Proceso;
  QString tarea;
  if (const QString reemplazo = alias(proceso); !reemplazo.isEmpty()) {
    proceso = reemplazo;
  } else if (exento(proceso)) {
    registraIngreso(proceso, tarea);
    return;
  }
  if (const auto delMenu = tareaDelMenu(st.gUsuarioLogeado, proceso)) {
    tarea = *delMenu;
  } else if (rt::EqualsText(ejecutable, QStringLiteral("ZI000ZO"))) {
    tarea = QStringLiteral("Menu Principal");
  } else if (accesoSinMenu()) {
    tarea = ejecutable;
  } else {
    ui::MsgBox(QStringLiteral("NO TIENE ACCESO A ESTE PROCESO, UTILICE EL MENU CORRESPONDIENTE!!!"), ui::mb::Critical,
               QStringLiteral("ATENCION!"));
    rt::EndProgram(rt::exitstatus::NoAccess);
  }
  registraIngreso(proceso, tarea);
}

}  // namespace core
