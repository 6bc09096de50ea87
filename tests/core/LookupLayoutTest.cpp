// The default lookup layout file, byte for byte.
#include <gtest/gtest.h>

#include <QFile>

#include "support/CoreFixture.h"
#include "core/CoreState.h"
#include "core/LookupLayout.h"
#include "support/ErrorNumber.h"
#include "support/Printers.h"

using namespace core;

namespace {

using LookupLayout = testing_support::CoreFixture;

QByteArray bytesOf(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray padded(const char* text, int width) {
  QByteArray b(text);
  return b + QByteArray(width - b.size(), ' ');
}

TEST_F(LookupLayout, ElevenRecordsOf1202Bytes) {
  gConsultas().gRutaMascaraConsultas = folder.file("consultas.vtx");
  CreaMascaraConsultas();
  const QByteArray bytes = bytesOf(folder.file("consultas.vtx"));
  ASSERT_EQ(bytes.size(), 13222);
  const char* expected[][3] = {
      {"ARTICULOS", "V_MA_ARTICULOS", "|DESCRIPCION|IDARTICULO|"},
      {"CLIENTES", "VT_CLIENTES", "|RAZON_SOCIAL|CODIGO|CONTACTO|"},
      {"PROVEEDORES", "VT_PROVEEDORES", "|RAZON_SOCIAL|CODIGO|"},
      {"CONTACTOS", "MA_CONTACTOS", "|Nombre_y_Apellido|Domicilio|Localidad|Telefono|"},
      {"VENDEDORES", "V_TA_VENDEDORES", "|NOMBRE|IDVENDEDOR|"},
      {"TECNICOS", "V_TA_TECNICOS", "|NOMBRE|IDTECNICO|"},
      {"MANTENIMIENTOS", "V_MA_MANTENIMIENTOS", "|DESCRIPCION|CODIGO|"},
      {"CUENTAS", "MA_CUENTAS", "|DESCRIPCION|CODIGO|"},
      {"TAREAS", "V_TA_Tareas", "|Descripcion|IdTarea|"},
      {"UnidadNegocio", "V_TA_UnidadNegocio", "|Descripcion|Codigo|"},
      {"DEPOSITO", "V_TA_DEPOSITO", "|Descripcion|IdDeposito|"},
  };
  for (int n = 0; n < 11; ++n) {
    const QByteArray record = bytes.mid(n * 1202, 1202);
    EXPECT_EQ(record, padded(expected[n][0], 100) + padded(expected[n][1], 100) + padded(expected[n][2], 500) +
                          QByteArray(500, ' ') + "\r\n")
        << "record " << n + 1;
  }
}

TEST_F(LookupLayout, TheReaderGivesBackWhatTheWriterWrote) {
  gConsultas().gRutaMascaraConsultas = folder.file("consultas.vtx");
  CreaMascaraConsultas();
  {
    QFile f(folder.file("consultas.vtx"));
    ASSERT_TRUE(f.open(QIODevice::Append));
    f.write(CodificaMascaraConsulta({"AÑOS", "T_AÑOS", "|CÓDIGO|", "ÁREA = 'ñ'"}));
    f.write(QByteArray(600, 'x'));  // a record cut short
  }
  LectorMascarasConsultas lector(folder.file("consultas.vtx"));
  MascaraConsulta m;
  std::vector<MascaraConsulta> leidas;
  while (lector.Lee(m)) leidas.push_back(m);
  ASSERT_EQ(leidas.size(), 12u) << "the partial record at the end is not read";
  EXPECT_EQ(leidas[0].Nombre, QString("ARTICULOS").leftJustified(100));
  EXPECT_EQ(leidas[0].Tabla, QString("V_MA_ARTICULOS").leftJustified(100));
  EXPECT_EQ(leidas[0].Campos, QString("|DESCRIPCION|IDARTICULO|").leftJustified(500));
  EXPECT_EQ(leidas[0].Filtro, QString(500, u' '));
  EXPECT_EQ(leidas[10].Tabla.trimmed(), "V_TA_DEPOSITO");
  EXPECT_EQ(leidas[11].Tabla.trimmed(), "T_AÑOS") << "Windows-1252 text both ways";
  EXPECT_EQ(leidas[11].Filtro.trimmed(), "ÁREA = 'ñ'");

  LectorMascarasConsultas ninguno(folder.file("no_existe.vtx"));
  EXPECT_FALSE(ninguno.Lee(m));
}

TEST_F(LookupLayout, AFileThatCannotBeWrittenRaises) {
  folder.write("archivo", "x");
  gConsultas().gRutaMascaraConsultas = folder.file("archivo/consultas.vtx");
  try {
    CreaMascaraConsultas();
    ADD_FAILURE() << "a file under a file was written";
  } catch (const rt::Error& e) {
    EXPECT_EQ(e.Number(), 75);
    EXPECT_EQ(e.Description(), "Error de acceso a la ruta o el archivo: " + folder.file("archivo/consultas.vtx") +
                                   " (una parte de la ruta no es una carpeta)");
  }
}

}  // namespace
