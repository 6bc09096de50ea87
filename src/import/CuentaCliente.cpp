#include "import/CuentaCliente.h"

#include "data_access/DataAccessState.h"
#include "import/ImportSql.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Text.h"

namespace importacion {

namespace {

const QString kMascara = QStringLiteral("0000");

// The number formatted with the mask, or a text that is no number as it is.
QString conMascara(const rt::Variant& codigo) {
  if (codigo.isNull() || codigo.isEmpty()) return QString();
  if (!codigo.isString()) return rt::FormatNumber(codigo.toDouble(), kMascara);
  const std::optional<double> numero = rt::ParseNumber(rt::Trim(codigo.toString()));
  return numero ? rt::FormatNumber(*numero, kMascara) : codigo.toString();
}

}  // namespace

QString CuentaDeNumero(const QString& Prefijo, const rt::Variant& Codigo) {
  const QString texto = rt::Trim(conMascara(Codigo));
  const double numero = rt::Val(texto);
  if (texto.size() > 4 || numero == 0) return QString();
  return Prefijo + rt::FormatNumber(numero, kMascara);
}

QString CodigoLibre(const QString& Prefijo) {
  data_access::DB_Dll& db = data_access::gDB();
  const int largo = static_cast<int>(rt::Trim(Prefijo).size());
  long candidato = 0;
  ado::Recordset rs;
  db.AbrirRecordset(sql::CuentasDesdePrefijo(Prefijo), rs, nullptr, ado::adOpenDynamic, ado::adLockOptimistic, -1,
                    true);
  if (!rs.BOF()) {
    rs.MoveFirst();
    for (; !rs.EOF(); rs.MoveNext()) {
      const QString codigo = rs.Fields(QStringLiteral("CODIGO")).Value().toStringOrEmpty();
      const long n = static_cast<long>(rt::Val(codigo.mid(largo)));
      if (n > 0 && n < candidato) {
        db.CierraRecordset(rs);
        return Prefijo + rt::FormatNumber(static_cast<double>(candidato), kMascara);
      }
      candidato = n != 0 ? n + 1 : candidato + 1;
    }
  }
  db.CierraRecordset(rs);
  return Prefijo + rt::FormatNumber(static_cast<double>(candidato + 1), kMascara);
}

QString ProvinciaPorNombre(const QString& Provincia) {
  static const struct {
    const char* nombre;
    const char* codigo;
  } tabla[] = {{"MENDOZA", "  12"},  {"CIUDAD", "  12"},   {"CORDOBA", "   4"},  {"ENTRE RIOS", "   2"},
               {"LA RIOJA", "  11"}, {"RIO NEGRO", "  16"}, {"SAN JUAN", "  17"}, {"SAN LUIS", "  18"},
               {"SANTA CRUZ", "  20"}};
  const QString nombre = rt::Trim(Provincia);
  for (const auto& fila : tabla)
    if (rt::EqualsText(nombre, QString::fromLatin1(fila.nombre))) return QString::fromLatin1(fila.codigo);
  return nombre;
}

QString CondicionIvaPorTipo(const QString& TipoIva) {
  static const struct {
    const char* tipo;
    const char* codigo;
  } tabla[] = {{"1", "   3"}, {"2", "   1"}, {"6", "   4"}, {"4", "   5"}};
  const QString tipo = rt::Trim(TipoIva);
  for (const auto& fila : tabla)
    if (tipo == QLatin1String(fila.tipo)) return QString::fromLatin1(fila.codigo);
  return TipoIva;
}

}  // namespace importacion
