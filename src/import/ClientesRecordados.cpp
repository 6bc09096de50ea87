#include "import/ClientesRecordados.h"

#include "data_access/BaseOcupada.h"
#include "data_access/DataAccessState.h"
#include "platform/ado/ConnectionString.h"

namespace importacion {

namespace {

using data_access::gDB;

const QString kRecordadas = QStringLiteral("AUX_CLIENTES_IMPORTADOS");
// SQL Server's native number for a write refused by a read-only database,
// and the SQLSTATE of a file that could not be read or written.
constexpr long kSoloLectura = 3906;
constexpr char kLecturaOEscritura[] = "08S01";

// Which of the columns of the customer's identity the table has.
struct Forma {
  bool tabla = false, nombre = false, cuit = false, orden = false;
  bool completa() const { return nombre && cuit && orden; }
  // An earlier build's: without Nombre and Cuit, or with them and without
  // OrdenEntreRecordados; the embedded database's upgrades make this one's.
  bool anterior() const { return tabla && (!nombre || (cuit && !orden)); }
};

Forma formaActual() {
  data_access::DB_Dll& db = gDB();
  Forma forma;
  forma.tabla = db.ExisteTablaDB(kRecordadas);
  const auto tiene = [&](const char* columna) {
    return forma.tabla && db.ExisteCampoDB(kRecordadas, QString::fromLatin1(columna));
  };
  forma.nombre = tiene("Nombre");
  forma.cuit = tiene("Cuit");
  forma.orden = tiene("OrdenEntreRecordados");
  return forma;
}

// Why the upgrade could not run now, and what helps, by its cause.
QString sinPonerAlDia(const ado::Error& motivo) {
  const QString tabla = QStringLiteral(
      "No se pudo poner al día la base de datos: su tabla AUX_CLIENTES_IMPORTADOS, donde la importación de clientes "
      "recuerda qué cuenta dio a cada cliente sin número de cuenta propio, no tiene todavía la forma que el programa "
      "le da al abrir la base de datos, y no se le pudo dar ahora.\r\n\r\n");
  if (motivo.NativeError == data_access::kEsperaDeBloqueoAgotada)
    return tabla + data_access::TextoBaseOcupada(
                       gDB().gCnn.CommandTimeout(),
                       QStringLiteral("Cierre los demás programas que usan esta base de datos e importe de nuevo."));
  QString remedio = QStringLiteral("Resuelva la causa e importe de nuevo.");
  if (motivo.NativeError == kSoloLectura)
    remedio = QStringLiteral("Cuando la base de datos admita escrituras (que no sea de sólo lectura y que el usuario "
                             "pueda grabar en ella y en su carpeta), importe de nuevo.");
  else if (motivo.SQLState == QLatin1String(kLecturaOEscritura))
    remedio = QStringLiteral("Libere espacio en el disco de la base de datos (o, si no es lo que falta, revise el "
                             "disco) e importe de nuevo.");
  return tabla + motivo.Description + QStringLiteral("\r\n\r\n") + remedio;
}

}  // namespace

std::optional<QString> ImpideImportarClientes() {
  Forma forma = formaActual();
  if (forma.completa()) return std::nullopt;
  const bool embebida =
      ado::ParseConnectionString(gDB().gCnn.ConnectionString()).kind == ado::provider::Kind::Sqlite;
  if (embebida && forma.anterior()) {
    if (const std::optional<ado::Error> motivo = gDB().gCnn.UpgradeDatabase()) return sinPonerAlDia(*motivo);
    forma = formaActual();
    if (forma.completa()) return std::nullopt;
  }
  return QStringLiteral("La base de datos no tiene la tabla AUX_CLIENTES_IMPORTADOS con sus columnas Nombre, Cuit y "
                        "OrdenEntreRecordados, donde la importación de clientes recuerda qué cuenta dio a cada "
                        "cliente sin número de cuenta propio, para no darle otra al importar de nuevo.\r\n\r\nCree "
                        "la tabla o póngala en esa forma (vea el README del programa) y vuelva a importar.");
}

}  // namespace importacion
