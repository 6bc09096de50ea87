#include "core/LookupLayout.h"

#include "core/CoreState.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/FileErrors.h"
#include "platform/runtime/Text.h"

namespace core {

namespace {

// Field widths in record order; CR LF follows.
constexpr int kNombre = 100, kTabla = 100, kCampos = 500, kFiltro = 500;
static_assert(kNombre + kTabla + kCampos + kFiltro + 2 == kLargoMascaraConsulta);

const MascaraConsulta kMascaras[] = {
    {"ARTICULOS", "V_MA_ARTICULOS", "|DESCRIPCION|IDARTICULO|", ""},
    {"CLIENTES", "VT_CLIENTES", "|RAZON_SOCIAL|CODIGO|CONTACTO|", ""},
    {"PROVEEDORES", "VT_PROVEEDORES", "|RAZON_SOCIAL|CODIGO|", ""},
    {"CONTACTOS", "MA_CONTACTOS", "|Nombre_y_Apellido|Domicilio|Localidad|Telefono|", ""},
    {"VENDEDORES", "V_TA_VENDEDORES", "|NOMBRE|IDVENDEDOR|", ""},
    {"TECNICOS", "V_TA_TECNICOS", "|NOMBRE|IDTECNICO|", ""},
    {"MANTENIMIENTOS", "V_MA_MANTENIMIENTOS", "|DESCRIPCION|CODIGO|", ""},
    {"CUENTAS", "MA_CUENTAS", "|DESCRIPCION|CODIGO|", ""},
    {"TAREAS", "V_TA_Tareas", "|Descripcion|IdTarea|", ""},
    {"UnidadNegocio", "V_TA_UnidadNegocio", "|Descripcion|Codigo|", ""},
    {"DEPOSITO", "V_TA_DEPOSITO", "|Descripcion|IdDeposito|", ""},
};

// A text field: Windows-1252 bytes, cut or padded with blanks to `width`.
QByteArray field(const QString& text, int width) {
  return rt::ToWindows1252(QStringView(text).left(width)).leftJustified(width, ' ');
}

QString text(const char* bytes, int width) { return rt::FromWindows1252(QByteArrayView(bytes, width)); }

}  // namespace

QByteArray CodificaMascaraConsulta(const MascaraConsulta& m) {
  return field(m.Nombre, kNombre) + field(m.Tabla, kTabla) + field(m.Campos, kCampos) + field(m.Filtro, kFiltro) +
         "\r\n";
}

LectorMascarasConsultas::LectorMascarasConsultas(const QString& ruta) : file_(ruta) {
  file_.open(QIODevice::ReadOnly);
}

bool LectorMascarasConsultas::Lee(MascaraConsulta& m) {
  if (!file_.isOpen()) return false;
  const QByteArray record = file_.read(kLargoMascaraConsulta);
  if (record.size() < kLargoMascaraConsulta) return false;
  const char* at = record.constData();
  m.Nombre = text(at, kNombre);
  m.Tabla = text(at += kNombre, kTabla);
  m.Campos = text(at += kTabla, kCampos);
  m.Filtro = text(at += kCampos, kFiltro);
  return true;
}

void CreaMascaraConsultas() {
  const QString ruta = gConsultas().gRutaMascaraConsultas;
  QFile file(ruta);
  const auto fail = [&] { rt::raiseFileAccess(ruta, file); };
  if (!file.open(QIODevice::ReadWrite)) fail();
  for (const MascaraConsulta& m : kMascaras) {
    // Each record goes at record number (length / 1202) + 1.
    if (!file.seek(file.size() / kLargoMascaraConsulta * kLargoMascaraConsulta)) fail();
    if (file.write(CodificaMascaraConsulta(m)) != kLargoMascaraConsulta) fail();
  }
  file.close();
}

}  // namespace core
