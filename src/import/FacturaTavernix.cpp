#include "import/FacturaTavernix.h"

#include "platform/ado/Recordset.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"

namespace importacion {

using namespace Qt::StringLiterals;

namespace {

rt::Variant campo(ado::Recordset& rs, const QString& nombre) { return rs.Fields(nombre).Value(); }

// Text fields arrive blank-padded, and Null reads as "".
QString texto(ado::Recordset& rs, const QString& nombre) { return campo(rs, nombre).toStringOrEmpty(); }

// A number field as the runtime writes it; blank reads as 0.
QString importe(ado::Recordset& rs, const QString& nombre) {
  const rt::Variant v = campo(rs, nombre);
  return v.isNull() || v.isEmpty() ? QStringLiteral("0") : v.toString();
}

// Account codes are nine characters.
constexpr qsizetype kLargoCuenta = 9;

// The first day of SQL Server's datetime, which every suite database holds.
const QDateTime kPrimerDia = rt::MakeDate(1753, 1, 1);

std::optional<QDateTime> fechaDe(const rt::Variant& v) {
  if (v.isDate()) return v.toDate().isValid() ? std::optional<QDateTime>(v.toDate()) : std::nullopt;
  if (!v.isString()) return std::nullopt;
  std::optional<QDateTime> d = rt::ParseDate(rt::Trim(v.toString()));
  if (!d || !d->date().isValid()) return std::nullopt;
  return d;
}

// A voucher-number part read as the library reads it and written with its
// mask; nullopt when the text is not a number.
std::optional<QString> parteNumero(const QString& text, const QString& mascara) {
  try {
    return rt::FormatNumber(suite::gUtilidades().TextoANumero(text), mascara);
  } catch (const rt::Error&) {
    return std::nullopt;
  }
}

// Why a voucher-number part, read from `texto` and written with its mask,
// cannot be stored: negative ("-0001") or longer than the mask; "" when it
// can.
QString parteInvalida(const QString& nombre, const QString& texto, const QString& parte, const QString& mascara) {
  const QString dato = nombre + QStringLiteral(" \"") + rt::Trim(texto) + QStringLiteral("\" ");
  if (parte.startsWith(u'-')) return dato + QStringLiteral("es negativo");
  if (parte.size() > mascara.size()) return dato + QStringLiteral("tiene más de %1 cifras").arg(mascara.size());
  return QString();
}

}  // namespace

std::optional<TipoComprobante> TipoPorCodigo(const QString& CodCpb) {
  static const struct {
    const char* codigo;
    TipoComprobante tipo;
  } tabla[] = {{"A", {"FC", "A", "D"}},
               {"B", {"FC", "B", "D"}},
               {"M", {"NC", "A", "H"}},
               {"L", {"NC", "B", "H"}},
               {"K", {"TK", "X", "D"}}};
  const QString codigo = rt::Trim(CodCpb);
  for (const auto& fila : tabla)
    if (rt::EqualsText(codigo, QString::fromLatin1(fila.codigo))) return fila.tipo;
  return std::nullopt;
}

QString CuentaCliente(double CodCli) {
  if (CodCli == 0) return QStringLiteral("112010001");
  return QStringLiteral("11201") + rt::FormatNumber(CodCli, QStringLiteral("0000"));
}

int PeriodoDeFecha(const QDateTime& Fecha) { return Fecha < rt::MakeDate(2005, 7, 1) ? 0 : 1; }

std::optional<FacturaTavernix> LeeFactura(ado::Recordset& Origen, QString& Motivo) {
  FacturaTavernix f;
  const QString codCpb = texto(Origen, u"Cod_Cpb"_s);
  const std::optional<TipoComprobante> tipo = TipoPorCodigo(codCpb);
  if (!tipo) {
    Motivo = QStringLiteral("el tipo de comprobante (Cod_Cpb) \"") + rt::Trim(codCpb) +
             QStringLiteral("\" no es A, B, M, L ni K");
    return std::nullopt;
  }
  f.Tipo = *tipo;
  f.Letra = rt::Trim(tipo->Letra).isEmpty() ? QStringLiteral("X") : tipo->Letra;

  const rt::Variant fecha = campo(Origen, u"Fecha"_s);
  const std::optional<QDateTime> dia = fechaDe(fecha);
  if (!dia) {
    Motivo = QStringLiteral("la fecha \"") + rt::Trim(fecha.toStringOrEmpty()) + QStringLiteral("\" está vacía o no es válida");
    return std::nullopt;
  }
  if (*dia < kPrimerDia) {
    Motivo = QStringLiteral("la fecha \"") + rt::DateText(*dia) +
             QStringLiteral("\" es anterior al 01/01/1753, la primera que admite la base de datos");
    return std::nullopt;
  }
  f.Fecha = *dia;
  f.FechaTexto = rt::FormatDate(f.Fecha, QStringLiteral("dd/mm/yyyy"));
  f.Mes = f.Fecha.date().month();
  f.Periodo = PeriodoDeFecha(f.Fecha);

  // A blank number would read as 0 and make every voucher exported without
  // one the same voucher.
  const QString numeroTexto = texto(Origen, u"Numero"_s);
  if (rt::Trim(numeroTexto).isEmpty()) {
    Motivo = QStringLiteral("el número de comprobante (Numero) está vacío");
    return std::nullopt;
  }
  const QString prefijo = texto(Origen, u"Prefijo"_s);
  const std::optional<QString> sucursal = parteNumero(rt::Left(prefijo, 4), QStringLiteral("0000"));
  const std::optional<QString> numero = parteNumero(numeroTexto, QStringLiteral("00000000"));
  if (!sucursal || !numero) {
    Motivo = QStringLiteral("el prefijo \"") + rt::Trim(prefijo) + QStringLiteral("\" o el número \"") +
             rt::Trim(numeroTexto) + QStringLiteral("\" no son números");
    return std::nullopt;
  }
  // Caught here, they would fail in the batch with a width error per record.
  for (const QString& porque : {parteInvalida(u"el prefijo"_s, prefijo, *sucursal, u"0000"_s),
                                parteInvalida(u"el número"_s, numeroTexto, *numero, u"00000000"_s)})
    if (!porque.isEmpty()) {
      Motivo = porque;
      return std::nullopt;
    }
  f.Sucursal = *sucursal;
  f.Numero = *numero;
  f.IdComprobante = f.Sucursal + f.Numero + f.Letra;

  const rt::Variant codCli = campo(Origen, u"cod_cli"_s);
  const double cliente = codCli.isNull() || codCli.isEmpty() ? 0.0 : codCli.toDouble();
  if (cliente < 0) {
    Motivo = QStringLiteral("el cliente (cod_cli) \"") + rt::Trim(codCli.toString()) + QStringLiteral("\" es negativo");
    return std::nullopt;
  }
  f.Cuenta = CuentaCliente(cliente);
  // From 9999.5 on the "0000" format gives five digits and the account ten
  // characters, which the batch would refuse with a width error per record.
  if (f.Cuenta.size() > kLargoCuenta) {
    Motivo = QStringLiteral("el cliente (cod_cli) \"") + rt::Trim(codCli.toString()) +
             QStringLiteral("\" da la cuenta ") + f.Cuenta +
             QStringLiteral(", de más de %1 caracteres").arg(kLargoCuenta);
    return std::nullopt;
  }

  f.Total = importe(Origen, u"Total"_s);
  f.TotalLibroIva =
      f.Tipo.TC == QStringLiteral("NC") ? rt::Variant(-suite::gUtilidades().TextoANumero(f.Total)).toString() : f.Total;
  f.Iva1 = importe(Origen, u"IVA1"_s);
  f.Iva2 = importe(Origen, u"IVA2"_s);
  f.Tasa1 = importe(Origen, u"TASA1"_s);
  f.Tasa2 = importe(Origen, u"TASA2"_s);
  f.Cuit = rt::Trim(texto(Origen, u"Cuit"_s));
  f.CodEmp = texto(Origen, u"COD_EMP"_s);
  return f;
}

}  // namespace importacion
