#include "core/LookupLayout.h"

#include <QFile>
#include <cerrno>

#include "core/CoreState.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/FileErrors.h"
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
  QByteArray bytes(width, ' ');
  for (int i = 0; i < width && i < text.size(); ++i) bytes[i] = static_cast<char>(rt::Asc(text[i]));
  return bytes;
}

QByteArray record(const MascaraConsulta& m) {
  return field(QString::fromLatin1(m.Nombre), 100) + field(QString::fromLatin1(m.Tabla), 100) +
         field(QString::fromLatin1(m.Campos), 500) + field(QString(), 500) + "\r\n";
}

}  // namespace

void CreaMascaraConsultas() {
  const QString ruta = gConsultas().gRutaMascaraConsultas;
  QFile file(ruta);
  // Called right after the failing call, while errno still tells why.
  const auto fail = [&] {
    const int sistema = errno;
    throw rt::Error(75, QStringLiteral("Error de acceso a la ruta o el archivo: ") + ruta + QStringLiteral(" (") +
                            rt::FileErrorText(file, sistema) + u')');
  };
  if (!file.open(QIODevice::ReadWrite)) fail();
  for (const MascaraConsulta& m : kMascaras) {
    // Each record goes at record number (length / 1202) + 1.
    if (!file.seek(file.size() / kLargoMascaraConsulta * kLargoMascaraConsulta)) fail();
    if (file.write(record(m)) != kLargoMascaraConsulta) fail();
  }
  file.close();
}

}  // namespace core
