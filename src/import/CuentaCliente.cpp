#include "import/CuentaCliente.h"

#include <QSet>

#include "data_access/DataAccessState.h"
#include "import/ImportSql.h"
#include "platform/runtime/CodeNumber.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Text.h"

namespace importacion {

namespace {

const QString kMascara = QStringLiteral("0000");
constexpr long kMayorNumero = 9999;

}  // namespace

QString CuentaDeNumero(const QString& Prefijo, const rt::Variant& Codigo) {
  const QString numero = rt::CodeNumber(Codigo, static_cast<int>(kMascara.size()));
  return numero.isEmpty() ? QString() : Prefijo + numero;
}

std::optional<QString> CodigoLibre(const QString& Prefijo, const std::function<bool(const QString&)>& Tomada) {
  data_access::DB_Dll& db = data_access::gDB();
  const int largo = static_cast<int>(rt::Trim(Prefijo).size());
  const auto codigoDe = [&](long n) { return Prefijo + rt::FormatNumber(static_cast<double>(n), kMascara); };
  long candidato = 0;
  bool detenido = false;
  QSet<QString> existentes;  // the prefix's four-digit codes
  ado::Recordset rs;
  db.AbrirRecordset(sql::CuentasDesdePrefijo(Prefijo), rs, nullptr, ado::adOpenDynamic, ado::adLockOptimistic, -1,
                    true);
  if (!rs.BOF()) {
    rs.MoveFirst();
    for (; !rs.EOF(); rs.MoveNext()) {
      const QString codigo = rt::Trim(rs.Fields(QStringLiteral("CODIGO")).Value().toStringOrEmpty());
      if (codigo.size() == largo + kMascara.size()) existentes.insert(codigo);
      if (detenido) continue;
      const long n = static_cast<long>(rt::Val(codigo.mid(largo)));
      if (n > 0 && n < candidato)
        detenido = true;
      else
        candidato = n != 0 ? n + 1 : candidato + 1;
    }
  }
  db.CierraRecordset(rs);
  const auto libre = [&](long n) {
    const QString codigo = codigoDe(n);
    return !existentes.contains(codigo) && !(Tomada && Tomada(codigo));
  };
  long numero = detenido ? candidato : candidato + 1;
  while (numero <= kMayorNumero && !libre(numero)) ++numero;
  // Past 9999 the code would not fit the account column.
  if (numero > kMayorNumero)
    for (numero = 1; numero <= kMayorNumero && !libre(numero);) ++numero;
  if (numero > kMayorNumero) return std::nullopt;
  return codigoDe(numero);
}

QString CuentaRecordada(const ClienteDeOrigen& Cliente) {
  data_access::DB_Dll& db = data_access::gDB();
  const auto primeraCuenta = [](ado::Recordset rs, const QString& columna) {
    return rs.State() != ado::adStateClosed && !rs.EOF() ? rt::Trim(rs.Fields(columna).Value().toStringOrEmpty())
                                                         : QString();
  };
  if (QString dada = primeraCuenta(db.gCnn.Execute(db.ORACLE_Dicc(sql::ClienteImportado(Cliente))),
                                      QStringLiteral("Cuenta"));
      !dada.isEmpty())
    return dada;
  // An earlier build read the number otherwise ("0.4x" as 0.4) and gave the
  // first such customer of a run the number's own account, remembered for
  // nobody: the customer whose name and tax number it holds finds it.
  const int digitos = static_cast<int>(kMascara.size());
  if (!rt::CodeNumber(Cliente.Codigo, digitos).isEmpty()) return QString();
  const QString anterior = rt::CodeNumberOfEarlierBuilds(Cliente.Codigo, digitos);
  if (anterior.isEmpty()) return QString();
  return primeraCuenta(
      db.gCnn.Execute(db.ORACLE_Dicc(sql::CuentaDelClienteSinRecordar(kPrefijoClientes + anterior, Cliente))),
      QStringLiteral("CODIGO"));
}

void RecuerdaCuenta(const ClienteDeOrigen* Cliente, const QString& Cuenta) {
  data_access::DB_Dll& db = data_access::gDB();
  if (!Cliente) {
    db.gCnn.Execute(db.ORACLE_Dicc(sql::OlvidaCuenta(Cuenta)));
    return;
  }
  db.gCnn.Execute(db.ORACLE_Dicc(sql::OlvidaCuenta(Cuenta, *Cliente)));
  ado::Recordset rs;
  db.AbrirRecordset(sql::ClienteImportado(*Cliente), rs, nullptr, ado::adOpenDynamic, ado::adLockOptimistic, -1, true);
  if (rs.BOF()) rs.AddNew();
  rs.Fields(QStringLiteral("Archivo")) = Cliente->Archivo;
  rs.Fields(QStringLiteral("Codigo")) = Cliente->Codigo;
  rs.Fields(QStringLiteral("Nombre")) = Cliente->Nombre;
  rs.Fields(QStringLiteral("Cuit")) = Cliente->Cuit;
  rs.Fields(QStringLiteral("OrdenEntreRecordados")) = rt::Variant(int32_t(Cliente->OrdenEntreRecordados));
  rs.Fields(QStringLiteral("Cuenta")) = rt::Trim(Cuenta);
  rs.Update();
  db.CierraRecordset(rs);
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
