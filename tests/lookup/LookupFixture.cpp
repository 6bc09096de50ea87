#include "LookupFixture.h"

#include <QFile>

#include "core/CoreState.h"

namespace lookup_tests {

void LookupDatabase::SetUp() {
  CoreDatabase::SetUp();
  exec("INSERT INTO TA_USUARIOS (Nombre, Administrador) VALUES ('admin', 1)");
  reinicia();
  layouts({});
}

void LookupDatabase::reinicia() {
  core::ResetCore();
  connectAs("admin");
  core::Lib_ClsCons3& consultas = core::gConsultas();
  consultas.gConnString = data_access::gDB().gConnString;
  consultas.gUsarMascarasConsultas = true;
  consultas.gRutaMascaraConsultas = folder.file("consultas.vtx");
}

void LookupDatabase::layouts(const std::vector<core::MascaraConsulta>& primero) {
  QFile file(core::gConsultas().gRutaMascaraConsultas);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
  for (const core::MascaraConsulta& m : primero) file.write(core::CodificaMascaraConsulta(m));
  file.close();
  core::CreaMascaraConsultas();
}

void LookupDatabase::key(const QString& clave, const QString& valor) {
  exec(QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE CLAVE = '%1'").arg(clave));
  exec(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('%1', '%2')").arg(clave, valor));
}

void LookupDatabase::articulo(const QString& codigo, const QString& descripcion, double puntoPedido, double stock,
                              bool suspendido) {
  exec(QStringLiteral("INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION, IDUNIDAD, PUNTOPEDIDO, SUSPENDIDO) "
                      "VALUES ('%1', '%2', 'UN', %3, %4)")
           .arg(codigo, QString(descripcion).replace("'", "''"))
           .arg(puntoPedido)
           .arg(suspendido ? 1 : 0));
  if (stock != 0)
    exec(QStringLiteral("INSERT INTO STK_SALDOS_UNIDADES (IDARTICULO, EQUIVALENCIA, IDDEPOSITO, STOCK) VALUES ('%1', "
                        "'UN', '   1', %2)")
             .arg(codigo)
             .arg(stock));
}

}  // namespace lookup_tests
