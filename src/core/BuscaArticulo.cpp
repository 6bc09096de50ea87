#include "core/BuscaArticulo.h"

#include <optional>

#include "core/CoreState.h"
#include "core/SentenciasArticulo.h"
#include "data_access/DataAccessState.h"
#include "platform/runtime/Environment.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"

namespace core {

namespace {

using data_access::gDB;

// A field as text, Null as "".
QString Texto(ado::Recordset& rs, const char* campo) {
  return suite::gUtilidades().ValorCampo(rs[QLatin1String(campo)].Value()).toString();
}

// The article lists keep their own quantity prefix: "*" is part of codes there.
bool EsProgramaDeArticulos() {
  return rt::OneOfText(rt::ExecutableName(), {"v_ma_articulos", "v_ma_articulos2"});
}

// The number before the first "*", when the text before it is one.
std::optional<rt::Currency> CantidadDelPrefijo(const QString& antes) {
  try {
    return suite::gUtilidades().TextoANumero(antes);
  } catch (const rt::Error&) {
    return std::nullopt;
  }
}

// "3*ABC": quantity 3, reference ABC. A prefix of 0, or one that is no
// number, leaves the reference whole and the quantity 0.
void LeePrefijoDeCantidad(QString& Codigo, double& Cantidad) {
  const int asterisco = rt::InStr(Codigo, QStringLiteral("*"));
  if (asterisco == 0 || rt::Len(Codigo) < 3 || EsProgramaDeArticulos()) return;
  const std::optional<rt::Currency> cantidad = CantidadDelPrefijo(rt::Left(Codigo, asterisco - 1));
  Cantidad = cantidad ? cantidad->toDouble() : 0;
  if (Cantidad != 0) Codigo = rt::Trim(rt::Mid(Codigo, asterisco + 1));
}

// A scale mask: where the article code lies after the prefix, and what the
// five digits before the check digit become.
struct MascaraBalanza {
  const char* mascara;
  int desde;  // from the prefix
  int largo;
  enum { Nada, Signo, SignoEImporte, Cantidad } valor;
};

const MascaraBalanza kMascaras[] = {
    {"CCCC0TTTTTT", 0, 4, MascaraBalanza::Signo},        {"CCCCCTTTTTT", 0, 5, MascaraBalanza::Signo},
    {"CCCCC0PPPPP", 0, 5, MascaraBalanza::Nada},         {"CCCCC0QQQQQ", 0, 5, MascaraBalanza::Nada},
    {"CCCCCCPPPPP", 0, 6, MascaraBalanza::Nada},         {"CCCCCTTTTT", 1, 5, MascaraBalanza::SignoEImporte},
    {"CCCCTTTTT", 2, 4, MascaraBalanza::SignoEImporte},  {"CCCCCCQQQQQ", 0, 6, MascaraBalanza::Cantidad},
    {"00CCCCPPPPP", 2, 4, MascaraBalanza::Cantidad},     {"00CCCCQQQQQ", 2, 4, MascaraBalanza::Cantidad},
    {"0CCCCCPPPPP", 1, 5, MascaraBalanza::Cantidad},     {"0CCCCCQQQQQ", 1, 5, MascaraBalanza::Cantidad},
};

// What divides the scale's value: 10 to the number of decimals, 0 to 4.
std::optional<rt::Currency> DivisorDeBalanza(const QString& decimales) {
  const double numero = rt::Val(decimales);
  int64_t divisor = 1;
  for (int d = 0; d <= 4; ++d, divisor *= 10)
    if (numero == d) return rt::Currency::fromInt(divisor);
  return std::nullopt;
}

// A scale barcode ("2" or "-2", then eleven characters the mask describes
// and a check digit) becomes the article code it carries, with the quantity
// or amount the mask reads. A number of decimals outside 0 to 4 gives no
// value, so such a reference is no scale barcode.
void LeeCodigoDeBalanza(QString& Codigo, double& Cantidad, rt::Currency& Importe) {
  const CoreState& estado = gCore();
  if (estado.gMascaraBalanza.isEmpty()) return;
  int inicio = 0;
  double signo = 1;
  const bool numero = rt::ParseNumber(Codigo).has_value();
  if (rt::Len(Codigo) == 13 && rt::Left(Codigo, 1) == QStringLiteral("2") && numero) {
    inicio = 2;
  } else if (rt::Len(Codigo) == 14 && rt::Left(Codigo, 2) == QStringLiteral("-2") && numero) {
    inicio = 3;
    signo = -1;
  } else {
    return;
  }
  const std::optional<rt::Currency> divisor = DivisorDeBalanza(estado.gDecimalesBalanza);
  if (!divisor) return;
  for (const MascaraBalanza& m : kMascaras) {
    if (!rt::EqualsText(estado.gMascaraBalanza, QString::fromUtf8(m.mascara))) continue;
    const auto valor = [&] { return suite::gUtilidades().TextoANumero(rt::Mid(Codigo, inicio + 6, 5)) / *divisor; };
    switch (m.valor) {
      case MascaraBalanza::Nada: break;
      case MascaraBalanza::Signo: Cantidad = signo; break;
      case MascaraBalanza::SignoEImporte:
        Importe = valor();
        Cantidad = signo;
        break;
      case MascaraBalanza::Cantidad: Cantidad = valor().toDouble() * signo; break;
    }
    Codigo = rt::Mid(Codigo, inicio + m.desde, m.largo);
    return;
  }
}

}  // namespace

bool BuscaArticuloPorCodigo(QString& Codigo, ado::Recordset& Lrcs, bool SoloLectura, bool& EsCodigoBarra,
                            QString& Descripcion, const QString& CuentaProveedor, QString& UdBase,
                            const QString& IdLista, double& Cantidad, rt::Currency& Importe) {
  suite::Utilidades& util = suite::gUtilidades();
  UdBase.clear();
  if (rt::Len(Codigo) <= 3) EsCodigoBarra = false;
  LeePrefijoDeCantidad(Codigo, Cantidad);
  LeeCodigoDeBalanza(Codigo, Cantidad, Importe);
  const int cursor = SoloLectura ? ado::adOpenForwardOnly : ado::adOpenDynamic;
  const int bloqueo = SoloLectura ? ado::adLockReadOnly : ado::adLockOptimistic;
  // A blank reference looks nothing up; the caller still reads its set,
  // open and empty as after a lookup that found nothing.
  if (rt::Trim(Codigo).isEmpty()) {
    gDB().AbrirRecordset(sentencia::NingunArticulo(), Lrcs, nullptr, cursor, bloqueo);
    return false;
  }
  // Opens one lookup; true when it found a row, whose unit is then the base unit.
  const auto encuentra = [&](const QString& sql) {
    gDB().AbrirRecordset(sql, Lrcs, nullptr, cursor, bloqueo);
    if (Lrcs.BOF()) return false;
    UdBase = Texto(Lrcs, "UdBase");
    return true;
  };
  const auto encontrado = [&] {
    Codigo = Texto(Lrcs, "IdArticulo");
    Descripcion = Texto(Lrcs, "Descripcion");
    return true;
  };

  const QString codigo = util.RellenaCodigo(Codigo, 25);
  for (const QString& sql : sentencia::ArticuloPorReferencia(codigo, EsCodigoBarra))
    if (encuentra(sql)) return encontrado();

  if (rt::Trim(CuentaProveedor).isEmpty()) return false;
  if (!rt::Trim(IdLista).isEmpty() &&
      encuentra(sentencia::ArticuloEnListaDeCompra(codigo, util.RellenaCodigo(rt::Trim(IdLista), 4)))) {
    Codigo = Texto(Lrcs, "IdArticulo");
    return encuentra(sentencia::ArticuloDeLaLista(util.RellenaCodigo(Codigo, 25))) && encontrado();
  }
  return encuentra(sentencia::ArticuloPorCodigoDeProveedor(codigo, rt::Trim(CuentaProveedor))) && encontrado();
}

}  // namespace core
