#include "DemoDatabase.h"

#include <QDir>

#include "ComprobantesGuardados.h"
#include "DemoBusqueda.h"
#include "DemoComprobantes.h"
#include "DemoConsultas.h"
#include "DemoLots.h"
#include "DemoStock.h"
#include "platform/ado/Connection.h"
#include "platform/ado/sqlite/SchemaLoader.h"

namespace demo {

namespace {

QString connectionString(const QString& path) {
  return QStringLiteral("PROVIDER=SQLOLEDB;Server=sqlite;Database =%1;UId=%2;Pwd=;").arg(path, kUsuario);
}

// Every jurisdiction, by the four-character codes the customer import uses.
const char* const kProvincias[] = {
    "Buenos Aires", "Entre Ríos", "Catamarca", "Córdoba", "Corrientes", "Chaco", "Chubut", "Formosa",
    "Jujuy", "La Pampa", "La Rioja", "Mendoza", "Misiones", "Neuquén", "Salta", "Río Negro",
    "San Juan", "San Luis", "Santiago del Estero", "Santa Cruz", "Santa Fe", "Tierra del Fuego", "Tucumán",
    "Ciudad Autónoma de Buenos Aires"};

void llenaSuite(ado::Connection& cn) {
  const auto exec = [&](const QString& sql) { cn.Execute(sql); };
  exec(QStringLiteral("INSERT INTO TA_USUARIOS (Nombre, Administrador, UNegocio, VerProforma) VALUES ('%1', 1, "
                      "'   1', 0)")
           .arg(kUsuario));
  exec(QStringLiteral("INSERT INTO TA_MENU (Clave, Proceso, Nombre) VALUES ('IMPTAV', 'importar_tavernix', "
                      "'Importación de datos Tavernix')"));
  exec(QStringLiteral("INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES ('%1', 'IMPTAV')").arg(kUsuario));

  const char* const configuracion[][2] = {
      {"CantidadDecimales", "2"},   {"PERIODO", "1"},          {"TituloClientes", "Clientes"},
      {"TituloProveedores", "Proveedores"}, {"CONDIVAEMPRESA", "1"}, {"Top_Default", "1000"},
      {"SeparadorHora", ":"},       {"SS_CONFIDENCIALIDAD", "NO"}, {"UsaMultilesMonedas", "NO"}};
  for (const auto& [clave, valor] : configuracion)
    exec(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('%1', '%2')")
             .arg(QString::fromUtf8(clave), QString::fromUtf8(valor)));

  for (int i = 0; i < int(std::size(kProvincias)); ++i)
    exec(QStringLiteral("INSERT INTO TA_ESTADOS (codigo, descripcion) VALUES ('%1', '%2')")
             .arg(i + 1, 4)
             .arg(QString::fromUtf8(kProvincias[i])));

  const char* const condiciones[][2] = {{"   1", "Responsable Inscripto"}, {"   3", "Consumidor Final"},
                                        {"   4", "Exento"},                {"   5", "Responsable Monotributo"}};
  for (const auto& [codigo, descripcion] : condiciones)
    exec(QStringLiteral("INSERT INTO TA_CONDIVA (Codigo, Descripcion) VALUES ('%1', '%2')")
             .arg(QString::fromUtf8(codigo), QString::fromUtf8(descripcion)));

  const char* const localidades[][3] = {
      {"5500", "Mendoza", "  12"},   {"5501", "Godoy Cruz", "  12"},  {"5539", "Las Heras", "  12"},
      {"5000", "Córdoba", "   4"},   {"5152", "Villa Carlos Paz", "   4"}, {"1425", "Palermo", "  24"},
      {"1900", "La Plata", "   1"},  {"8300", "Neuquén", "  14"},    {"3100", "Paraná", "   2"},
      {"5400", "San Juan", "  17"},  {"5700", "San Luis", "  18"},   {"9400", "Río Gallegos", "  20"}};
  for (const auto& [postal, localidad, provincia] : localidades)
    exec(QStringLiteral("INSERT INTO MAPINFO_LOCALIDADES (Cod_postal, Localidad, Copart) VALUES ('%1', '%2', '%3')")
             .arg(QString::fromUtf8(postal), QString::fromUtf8(localidad), QString::fromUtf8(provincia)));

  // The accounts of the import window's boxes; they are not customers.
  exec(QStringLiteral("INSERT INTO MA_CUENTAS (CODIGO, DESCRIPCION, titulo, TipoVista) VALUES ('511', 'Ajustes "
                      "de saldos', 0, '')"));
  exec(QStringLiteral("INSERT INTO MA_CUENTAS (CODIGO, DESCRIPCION, titulo, TipoVista) VALUES ('1110102', "
                      "'Cheques en cartera', 0, '')"));
}

}  // namespace

QString CreaBaseDemo(const QString& folder) {
  QDir().mkpath(folder);
  const QString suite = QDir(folder).filePath(QStringLiteral("suite.db"));
  const QString estadisticas = QDir(folder).filePath(QStringLiteral("VX_ESTADISTICAS.db"));
  ado::sqlite::CreateDatabase(suite);
  ado::sqlite::CreateDatabase(estadisticas);
  {
    ado::Connection cn;
    cn.Open(connectionString(estadisticas));
    cn.Execute(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('TimeOut', '360')"));
  }
  ado::Connection cn;
  cn.Open(connectionString(suite));
  cn.BeginTrans();
  llenaSuite(cn);
  LlenaConsultas(cn);
  LlenaComprobantes(cn);
  LlenaStock(cn);
  GuardaComprobantesDemo(cn);
  LlenaLotesYPosiciones(cn);
  LlenaComprobantesBusqueda(cn);
  cn.CommitTrans();
  return suite;
}

QString ParametrosDemo(const QString& suite) {
  return QStringLiteral("@Server=sqlite;@DbName=%1;@Usuario=%2;@Password=;").arg(suite, kUsuario);
}

}  // namespace demo
