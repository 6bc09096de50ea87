#include "core/Startup.h"

#include <QFile>
#include <optional>

#include "core/AccessControl.h"
#include "core/Configuration.h"
#include "core/CoreState.h"
#include "core/LookupLayout.h"
#include "core/StartupParameters.h"
#include "core/Statistics.h"
#include "core/forms/Forms.h"
#include "data_access/AvisoDeEspera.h"
#include "data_access/DataAccessState.h"
#include "data_access/ErrorLog.h"
#include "platform/ado/ConnectionString.h"
#include "platform/ado/odbc/SqlServerDriver.h"
#include "platform/runtime/Environment.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/ProgramEnd.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/Host.h"
#include "platform/ui/MessageBox.h"

namespace core {

namespace {

const QString kArchivoIni = QStringLiteral("ZI000zo.INI");
constexpr long kReadUncommitted = 256;

// Start-up's waits for another program's writes to the database take one
// TimeOut in all (the statistics database's, known only once the service is
// open): the opening waits a second at most, for what keeps readers out a
// moment (another program closing the database folds its log into it),
// leaving the upgrade of a database of an earlier build for when the TimeOut
// is known; the opening's wait, the upgrade, the access-log row and whatever
// records its failure share that TimeOut. The service's statements wait as
// usual once start-up is over.
class EsperasDelInicio {
 public:
  static constexpr int kAperturaMs = 1000;  // within the least TimeOut, a second
  explicit EsperasDelInicio(ado::Connection& cn) : cn_(cn) { cn_.setWaitAllowance(kAperturaMs); }
  ~EsperasDelInicio() { cn_.setWaitAllowance(std::nullopt); }
  EsperasDelInicio(const EsperasDelInicio&) = delete;
  EsperasDelInicio& operator=(const EsperasDelInicio&) = delete;
  void fijaTiempoEspera(int segundos) {
    cn_.setWaitAllowance(segundos > 0 ? std::optional<int>(segundos * 1000) : std::nullopt);
  }

 private:
  ado::Connection& cn_;
};

// The number an INI key holds. A value that cannot be read (a number beyond
// the runtime's range) takes the key's default: one unreadable setting does
// not keep the program from starting, and the error log names the file, the
// section and the key.
double numeroIni(const QString& seccion, const QString& clave, const QString& porDefecto) {
  const QString texto = suite::gArchivoIni().LeeClave(kArchivoIni, seccion, clave, porDefecto);
  try {
    return rt::Val(texto);
  } catch (const rt::Error& e) {
    data_access::LogError(data_access::gDB().gLogErr, QStringLiteral(" - IniciaSistema"),
                          QStringLiteral("El archivo %1, sección [%2], clave %3: el valor \"%4\" no se puede leer "
                                         "(%5); se usa %6.")
                              .arg(suite::ArchivoIni::Locate(kArchivoIni), seccion, clave, texto, e.Description(),
                                   porDefecto),
                          0);
    return rt::Val(porDefecto);
  }
}

// The operator ended one of start-up's waits for another program writing to
// the database: the program ends as without a connection, telling nothing
// more (the notice said what it waited for).
class EsperaTerminada {
 public:
  void siTerminoFin() const {
    if (data_access::EsperasTerminadas() != alComenzar_) rt::EndProgram(rt::exitstatus::NoConnection);
  }

 private:
  long alComenzar_ = data_access::EsperasTerminadas();
};

// Start-up could not finish: the program must not stay usable unchecked.
[[noreturn]] void endUnfinished(const rt::Error& e) {
  ui::MsgBox(QStringLiteral("No se pudo completar el inicio del sistema (error ") + QString::number(e.Number()) +
                 QStringLiteral(": ") + e.Description() + QStringLiteral("). El programa se cerrará."),
             ui::mb::Critical | ui::mb::OkOnly, QStringLiteral("Aviso al Operador!"));
  rt::EndProgram(rt::exitstatus::StartupFailed);
}

}  // namespace

QString RutaMascaraConsultas() { return rt::ProgramFile(QStringLiteral("consultas.vtx")); }

void IniciaSistema(bool LeeIni, const QString& Parametros, QString& ConnString, long lCursor) {
  CoreState& st = gCore();
  data_access::DB_Dll& db = data_access::gDB();
  const suite::Utilidades& u = suite::gUtilidades();
  // An invalid argument goes on with the next step; any other error leaves.
  std::optional<rt::Error> failure;
  rt::StepRunner steps([&](const rt::Error& e) {
    if (e.Number() == rt::err::InvalidCall) return rt::answer::Ignore;
    failure = e;
    return rt::answer::Abort;
  });
  const auto run = [&](const std::function<void()>& step) {
    if (!steps.run(step)) endUnfinished(*failure);
  };

  QString carpeta, parametros, servidor, base, usuario, contrasena;
  run([&] { data_access::EstableceDialogoAcceso(PideAccesoBaseDatos); });
  run([&] { carpeta = u.NormalizaCarpeta(rt::ProgramFolder()); });
  run([&] { st.gArchivoAyuda = carpeta + QStringLiteral("htmlhelp/rededuroziv.chm"); });
  run([&] {
    st.gColorLetra = 0;
    st.gColorFondo = 0xFFFFFF;
  });
  run([&] { parametros = Parametros.isEmpty() ? rt::CommandLine() : Parametros; });
  run([&] {
    if (rt::Trim(parametros).isEmpty() && LeeIni) parametros = ParametrosDesdeIni();
  });
  run([&] {
    st.gSeccionIni = SeccionIni(suite::gInfoSistema().NombrePC(), suite::gInfoSistema().UsuarioWindows());
  });
  run([&] {
    st.gEstiloBarras = numeroIni(st.gSeccionIni, QStringLiteral("FlatToolbars"), QStringLiteral("1"));
  });
  run([&] {
    ado::odbc::setConfiguredSqlServerDriver(suite::gArchivoIni().LeeClave(
        kArchivoIni, QString::fromUtf16(ado::odbc::kSqlServerDriverIniSection),
        QString::fromUtf16(ado::odbc::kSqlServerDriverIniKey)));
  });

  std::optional<EsperasDelInicio> esperas;
  const EsperaTerminada terminada;
  if (!db.gOpenFlag) {
    const auto item = [&](const char* clave, QString& destino, const QString& siFalta = QString()) {
      run([&] {
        if (auto valor = LeeParametro(parametros, QString::fromLatin1(clave), siFalta)) destino = *valor;
      });
    };
    item("@ParametroAdicional", st.gParametroAdicional);
    item("@Menu", st.gMenuInicio);
    item("@Server", servidor);
    item("@DbName", base);
    item("@Usuario", usuario);
    item("@Password", contrasena);
    item("@UsuarioLogeado", st.gUsuarioLogeado);
    item("@Caja", st.gCaja, QStringLiteral("1"));
    run([&] {
      if (rt::Trim(servidor).isEmpty() || !servidor.startsWith(u'#')) return;
      servidor = servidor.mid(1);
      if (ConnString.isEmpty())
        ConnString = QStringLiteral("Provider=OraOLEDB.Oracle.1;Data Source=") + ado::ConnectionStringValue(base) +
                     QStringLiteral(";User Id=") +
                     ado::ConnectionStringValue(usuario) + QStringLiteral(";Password=") +
                     ado::ConnectionStringValue(contrasena) + QStringLiteral(";");
    });
    run([&] {
      db.gUsuario = usuario;
      db.gDBName = base;
      db.gUserPassWord = contrasena;
      db.gServidor = ExtraeNombreServidor(servidor);
    });
    esperas.emplace(db.gCnn);
    run([&] {
      const bool pide = rt::Trim(servidor).isEmpty() || rt::Trim(usuario).isEmpty();
      db.OpenServerADODB(pide, static_cast<int>(lCursor), ConnString, true, true);
    });
    // The service has told the operator why it could not connect.
    if (!db.gOpenFlag) rt::EndProgram(rt::exitstatus::NoConnection);
    run([&] { ConectaEstadisticas(); });
    terminada.siTerminoFin();
    run([&] { st.gUsuarioLogeado = db.gUsuario; });
    run([&] { db.gCnn.setCommandTimeout(st.gTiempoEspera); });
    run([&] { db.gCnn.setIsolationLevel(kReadUncommitted); });
    run([&] { esperas->fijaTiempoEspera(st.gTiempoEspera); });
    run([&] { db.gCnn.UpgradeDatabase(); });
    terminada.siTerminoFin();
  }

  if (db.gDBName.isEmpty()) {
    ControlAcceso(QString());
    terminada.siTerminoFin();
    return;
  }
  run([&] {
    st.gCadenaDSN = QStringLiteral("DSN=") + db.gDBName + QStringLiteral("; UID=") + db.gUsuario +
                    QStringLiteral("; PWD=") + db.gUserPassWord;
  });
  run([&] { suite::gAplicacion().RutaAplicacion = carpeta; });
  run([&] { db.gCnn.setDefaultDatabase(db.gDBName); });
  run([&] {
    Lib_ClsCons3& consultas = gConsultas();
    consultas.gConnString = db.gConnString;
    consultas.gUsarMascarasConsultas = true;
    consultas.gRutaMascaraConsultas = RutaMascaraConsultas();
  });
  run([&] {
    if (!QFile::exists(gConsultas().gRutaMascaraConsultas)) CreaMascaraConsultas();
  });
  run([&] { CargaConfiguracion(carpeta); });
  terminada.siTerminoFin();
  ControlAcceso(QString());
  terminada.siTerminoFin();
}

}  // namespace core
