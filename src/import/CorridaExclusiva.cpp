#include "import/CorridaExclusiva.h"

#include <fcntl.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <cerrno>

#include "core/CoreState.h"
#include "core/Formatting.h"
#include "data_access/BaseOcupada.h"
#include "data_access/DataAccessState.h"
#include "import/ImportSql.h"
#include "platform/ado/ConnectionString.h"
#include "platform/ado/sqlite/DatabasePath.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/FileErrors.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"

namespace importacion {

namespace {

using data_access::gDB;

using Operacion = CorridaExclusiva::Operacion;

// The error TomaBloqueoServidor raises while another session holds the lock.
constexpr long kOcupadoSqlServer = 50000, kOcupadoOracle = 20000;

const QString kOcupada = QStringLiteral("Otra importación está grabando en esta base de datos");
// A holder that does not say which it is.
const QString kOcupadaSinDecir =
    QStringLiteral("Otra importación o un borrado de movimientos está grabando en esta base de datos");

// What a refused run or deletion is to do.
QString espere(Operacion operacion) {
  return operacion == Operacion::Borrado
             ? QStringLiteral(".\r\n\r\nEspere a que termine y vuelva a borrar los movimientos.")
             : QStringLiteral(".\r\n\r\nEspere a que termine y vuelva a importar.");
}

// What did not happen when it is refused.
QString noSeHizo(Operacion operacion) {
  return operacion == Operacion::Borrado ? QStringLiteral("Los movimientos no se borraron")
                                         : QStringLiteral("La importación no se inició");
}

ado::provider::ConnectionSpec conexion() { return ado::ParseConnectionString(gDB().gCnn.ConnectionString()); }

// The embedded database file the service is connected to; "" on a server.
QString archivoEmbebido() {
  const ado::provider::ConnectionSpec spec = conexion();
  if (spec.kind != ado::provider::Kind::Sqlite) return QString();
  const QString ruta = ado::sqlite::ResolveDatabasePath(ado::sqlite::DatabaseNameOf(spec));
  const QString canonica = QFileInfo(ruta).canonicalFilePath();
  return canonica.isEmpty() ? ruta : canonica;
}

// The failure's first error entry (or the error itself); the entries are
// cleared, so that no later statement takes them for its own.
ado::Error errorDe(const rt::Error& e) {
  ado::Errors& errores = gDB().gCnn.Errors();
  ado::Error primero;
  if (errores.Count() > 0) {
    primero = errores[0];
  } else {
    primero.Number = e.Number();
    primero.Description = e.Description();
  }
  errores.Clear();
  return primero;
}

// A row written and rolled back: a read-only database, or a login that may
// not write, refuses it; another program's write in course keeps it
// waiting, up to the time-out. The operator's message when it fails (empty
// when he ended the wait).
std::optional<QString> rechazaEscrituras(Operacion operacion) {
  ado::Connection& cn = gDB().gCnn;
  std::optional<ado::Error> fallo;
  try {
    cn.BeginTrans();
    cn.Execute(sql::PruebaEscritura(rt::FormatDate(rt::Now(), core::FormatoFechaHora()),
                                    suite::gInfoSistema().NombrePC(), gDB().gUsuario));
  } catch (const rt::Error& e) {
    fallo = errorDe(e);
  }
  try {
    cn.RollbackTrans();
  } catch (const rt::Error& e) {
    errorDe(e);
  }
  if (!fallo) return std::nullopt;
  if (ado::IsWaitEnded(*fallo)) return QString();
  if (fallo->NativeError == data_access::kEsperaDeBloqueoAgotada)
    return data_access::TextoBaseOcupada(cn.CommandTimeout(),
                                         noSeHizo(operacion) + QStringLiteral(": ciérrelo y vuelva a intentar."));
  return QStringLiteral("La base de datos no admite escrituras: %1\r\n\r\n%2: verifique que la base de datos no sea "
                        "de sólo lectura y que el usuario pueda grabar en ella.")
      .arg(fallo->Description, noSeHizo(operacion));
}

// ---- Embedded database: the lock file beside it.

// "clave=valor" lines: who holds the lock.
QByteArray titularPropio(Operacion operacion, const QString& tabla) {
  const QMap<QString, QString> datos{{QStringLiteral("operacion"), operacion == Operacion::Borrado
                                                                       ? QStringLiteral("borrado")
                                                                       : QStringLiteral("importacion")},
                                     {QStringLiteral("tabla"), tabla},
                                     {QStringLiteral("usuario"), core::gCore().gUsuarioLogeado},
                                     {QStringLiteral("equipo"), suite::gInfoSistema().NombrePC()},
                                     {QStringLiteral("proceso"), QString::number(::getpid())},
                                     {QStringLiteral("inicio"), rt::DateText(rt::Now())}};
  QString texto;
  for (auto it = datos.begin(); it != datos.end(); ++it) texto += it.key() + u'=' + it.value() + u'\n';
  return texto.toUtf8();
}

// Who holds the lock, as its file tells.
QString titularAjeno(const QString& archivo) {
  QFile f(archivo);
  QMap<QString, QString> datos;
  if (f.open(QIODevice::ReadOnly))
    for (const QString& linea : QString::fromUtf8(f.readAll()).split(u'\n'))
      if (const qsizetype igual = linea.indexOf(u'='); igual > 0) datos.insert(linea.left(igual), linea.mid(igual + 1));
  // A run that has just taken the lock may not have said who it is yet.
  if (datos.value(QStringLiteral("usuario")).isEmpty()) return kOcupadaSinDecir;
  const QString quien = QStringLiteral("que el usuario %1 inició el %2 en el equipo %3 (proceso %4)")
                            .arg(datos.value(QStringLiteral("usuario")), datos.value(QStringLiteral("inicio")),
                                 datos.value(QStringLiteral("equipo")), datos.value(QStringLiteral("proceso")));
  if (datos.value(QStringLiteral("operacion")) == QLatin1String("borrado"))
    return QStringLiteral("Se están borrando los movimientos de esta base de datos: el borrado ") + quien;
  return kOcupada + QStringLiteral(": la de %1 ").arg(datos.value(QStringLiteral("tabla"))) + quien;
}

// The lock file's descriptor, holding the lock; -1 with the refusal.
int tomaArchivo(const QString& base, Operacion operacion, const QString& tabla, QString& rechazo) {
  const QString archivo = base + QStringLiteral("-importacion");
  const int fd = ::open(QFile::encodeName(archivo).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
  if (fd < 0) {
    rechazo = QStringLiteral("No se pudo crear el archivo %1, con el que una importación impide que otra grabe a la vez "
                             "en la base de datos: %2.\r\n\r\n%3: verifique que la carpeta de la base de datos "
                             "admita escrituras.")
                  .arg(archivo, rt::SystemErrorText(errno), noSeHizo(operacion));
    return -1;
  }
  // Held by this open file, not by the process: a second run of the same
  // process is refused too; released when the file closes or the process
  // ends.
  struct flock todo {};
  todo.l_type = F_WRLCK;
  todo.l_whence = SEEK_SET;
  if (::fcntl(fd, F_OFD_SETLK, &todo) != 0) {
    const int causa = errno;
    ::close(fd);
    rechazo = causa == EAGAIN || causa == EACCES
                  ? titularAjeno(archivo) + espere(operacion)
                  : QStringLiteral("No se pudo bloquear el archivo %1, con el que una importación impide que otra "
                                   "grabe a la vez en la base de datos: %2.\r\n\r\n%3.")
                        .arg(archivo, rt::SystemErrorText(causa), noSeHizo(operacion));
    return -1;
  }
  const QByteArray titular = titularPropio(operacion, tabla);
  if (::ftruncate(fd, 0) != 0 || ::pwrite(fd, titular.constData(), size_t(titular.size()), 0) < 0) {
    // Who runs is only told to a refused run: failing to say it blocks nothing.
  }
  return fd;
}

// ---- Server database: the session's lock.

bool esOracle() {
  return conexion().value(QStringLiteral("provider")).trimmed().startsWith(QLatin1String("OraOLEDB"),
                                                                           Qt::CaseInsensitive);
}

std::optional<QString> tomaServidor(bool oracle, Operacion operacion) {
  ado::Connection& cn = gDB().gCnn;
  try {
    cn.Execute(sql::TomaBloqueoServidor(oracle));
    return std::nullopt;
  } catch (const rt::Error& e) {
    const ado::Error fallo = errorDe(e);
    if (fallo.NativeError != (oracle ? kOcupadoOracle : kOcupadoSqlServer)) {
      SueltaBloqueoServidor(oracle);
      return QStringLiteral("No se pudo tomar el bloqueo con el que una importación impide que otra grabe a la vez "
                            "en la base de datos: %1\r\n\r\n%2.")
          .arg(fallo.Description, noSeHizo(operacion));
    }
  }
  // Oracle tells no one who holds a user lock without rights on its views.
  if (oracle) return kOcupadaSinDecir + espere(operacion);
  QString titular;
  try {
    ado::Recordset rs = cn.Execute(sql::TitularBloqueoServidor());
    if (rs.State() == ado::adStateOpen && !rs.EOF())
      titular = QStringLiteral(": la sesión del usuario %1 en el equipo %2, conectada el %3")
                    .arg(rt::Trim(rs.Fields(1).Value().toStringOrEmpty()),
                         rt::Trim(rs.Fields(0).Value().toStringOrEmpty()), rs.Fields(2).Value().toStringOrEmpty());
  } catch (const rt::Error& e) {
    errorDe(e);  // a login that may not see the server's views
  }
  return kOcupadaSinDecir + titular + espere(operacion);
}

}  // namespace

std::unique_ptr<CorridaExclusiva> CorridaExclusiva::Inicia(const QString& Tabla, QString& Rechazo) {
  return inicia(Operacion::Importacion, Tabla, Rechazo);
}

std::unique_ptr<CorridaExclusiva> CorridaExclusiva::IniciaBorrado(QString& Rechazo) {
  return inicia(Operacion::Borrado, QStringLiteral("MV_ASIENTOS"), Rechazo);
}

std::unique_ptr<CorridaExclusiva> CorridaExclusiva::inicia(Operacion operacion, const QString& tabla,
                                                           QString& rechazo) {
  std::unique_ptr<CorridaExclusiva> corrida(new CorridaExclusiva);
  // The lock first: a second run is refused before it touches the database.
  if (const QString base = archivoEmbebido(); !base.isEmpty()) {
    corrida->bloqueo_ = tomaArchivo(base, operacion, tabla, rechazo);
    if (corrida->bloqueo_ < 0) return nullptr;
  } else {
    const bool oracle = esOracle();
    if (const std::optional<QString> ocupada = tomaServidor(oracle, operacion)) {
      rechazo = *ocupada;
      return nullptr;
    }
    corrida->servidor_ = true;
    corrida->oracle_ = oracle;
  }
  if (std::optional<QString> noAdmite = rechazaEscrituras(operacion)) {
    rechazo = *std::move(noAdmite);
    return nullptr;
  }
  return corrida;
}

CorridaExclusiva::~CorridaExclusiva() {
  if (bloqueo_ >= 0) {
    if (::ftruncate(bloqueo_, 0) != 0) {
      // A stale text names no one: the lock itself ends with the close.
    }
    ::close(bloqueo_);
  } else if (servidor_) {
    SueltaBloqueoServidor(oracle_);
  }
}

void SueltaBloqueoServidor(bool Oracle) {
  try {
    gDB().gCnn.Execute(sql::LiberaBloqueoServidor(Oracle));
  } catch (const rt::Error& e) {
    errorDe(e);  // the server frees it with the session anyway
  }
}

std::optional<QString> CorridaExclusiva::AseguraEnDisco() {
  // A server makes each commit durable as it reports it.
  if (bloqueo_ < 0) return std::nullopt;
  try {
    gDB().gCnn.Execute(sql::AseguraEnDisco());
    return std::nullopt;
  } catch (const rt::Error& e) {
    return errorDe(e).Description;
  }
}

}  // namespace importacion
