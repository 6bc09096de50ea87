#include "LookupFixture.h"

#include <QFile>

#include "core/CoreState.h"

namespace lookup_tests {

void LookupDatabase::SetUp() {
  CoreDatabase::SetUp();
  exec("INSERT INTO TA_USUARIOS (Nombre, Administrador) VALUES ('admin', 1)");
  connectAs("admin");
  core::Lib_ClsCons3& consultas = core::gConsultas();
  consultas.gConnString = data_access::gDB().gConnString;
  consultas.gUsarMascarasConsultas = true;
  consultas.gRutaMascaraConsultas = folder.file("consultas.vtx");
  layouts({});
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

}  // namespace lookup_tests
