#include "core/LookupLayout.h"

#include <QFile>

#include "core/CoreState.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"

namespace core {

namespace {

struct MascaraConsulta {
  const char* Nombre;
  const char* Tabla;
  const char* Campos;
};

const MascaraConsulta kMascaras[] = {
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

// A text field: Windows-1252 bytes, cut or padded with blanks to `width`.
QByteArray field(const QString& text, int width) {
  return rt::ToWindows1252(QStringView(text).left(width)).leftJustified(width, ' ');
}

QByteArray record(const MascaraConsulta& m) {
  return field(QString::fromLatin1(m.Nombre), 100) + field(QString::fromLatin1(m.Tabla), 100) +
         field(QString::fromLatin1(m.Campos), 500) + field(QString(), 500) + "\r\n";
}

}  // namespace

void CreaMascaraConsultas() {
  const QString ruta = gConsultas().gRutaMascaraConsultas;
  QFile file(ruta);
  const auto fail = [&] { rt::raiseFileAccess(ruta, file.errorString()); };
  if (!file.open(QIODevice::ReadWrite)) fail();
  for (const MascaraConsulta& m : kMascaras) {
    // Each record goes at record number (length / 1202) + 1.
    if (!file.seek(file.size() / kLargoMascaraConsulta * kLargoMascaraConsulta)) fail();
    if (file.write(record(m)) != kLargoMascaraConsulta) fail();
  }
  file.close();
}

}  // namespace core
