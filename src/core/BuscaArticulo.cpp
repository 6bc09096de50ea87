#include "core/BuscaArticulo.h"

#include <optional>

#include "core/SentenciasArticulo.h"
#include "core/library/Library.h"
#include "data_access/DataAccessState.h"
#include "platform/runtime/Environment.h"
#include "platform/runtime/Text.h"

namespace core {

namespace {

using data_access::gDB;

// A field as text, Null as "".
QString Texto(ado::Recordset& rs, const char* campo) {
  return library::gUtilidades().ValorCampo(rs[QLatin1String(campo)].Value()).toString();
}

// The article lists keep their own quantity prefix: "*" is part of codes there.
bool EsProgramaDeArticulos() {
  return rt::OneOfText(rt::ExecutableName(), {"v_ma_articulos", "v_ma_articulos2"});
}

// The number before the first "*", when the text before it is one.
std::optional<rt::Currency> CantidadDelPrefijo(const QString& antes) {
  try {
    return library::gUtilidades().TextoANumero(antes);
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

}  // namespace

bool BuscaArticuloPorCodigo(QString& Codigo, ado::Recordset& Lrcs, bool SoloLectura, bool& EsCodigoBarra,
                            QString& Descripcion, const QString& CuentaProveedor, QString& UdBase,
                            const QString& IdLista, double& Cantidad, rt::Currency& /*Importe*/) {
  library::Utilidades& util = library::gUtilidades();
  UdBase.clear();
  if (rt::Len(Codigo) <= 3) EsCodigoBarra = false;
  LeePrefijoDeCantidad(Codigo, Cantidad);
  if (rt::Trim(Codigo).isEmpty()) {
    gDB().CierraRecordset(Lrcs);
    return false;
  }

  const int cursor = SoloLectura ? ado::adOpenForwardOnly : ado::adOpenDynamic;
  const int bloqueo = SoloLectura ? ado::adLockReadOnly : ado::adLockOptimistic;
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
