#include "numbering/Equivalencias.h"

#include <optional>

#include "data_access/DataAccessState.h"
#include "numbering/SentenciasStock.h"
#include "numbering/Valores.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"

namespace numbering {

using data_access::gDB;

namespace {

// The equivalence's operator and coefficient, nullopt when there is none.
struct Factor {
  QString operador;
  double coeficiente;
};

std::optional<Factor> FactorEntre(const QString& IdArticulo, QString& UnidadBase, const QString& UnidadEquivalente) {
  QString operador;
  double coeficiente = 0;
  bool sinUnidad = false;
  if (!IdArticuloTieneEquivalencias(IdArticulo, UnidadEquivalente, operador, UnidadBase, coeficiente, sinUnidad))
    return std::nullopt;
  return Factor{operador, coeficiente};
}

}  // namespace

QString ObtieneUnidadArticulo(const QString& IdArticulo) {
  ado::Recordset rs;
  gDB().AbrirRecordset(sentencia::UnidadDelArticulo(suite::gUtilidades().RellenaCodigo(IdArticulo, 25)), rs);
  const QString unidad = rs.BOF() ? QString() : rt::Trim(TextoCampo(rs["IdUnidad"].Value()));
  gDB().CierraRecordset(rs);
  return unidad;
}

bool IdArticuloTieneEquivalencias(const QString& IdArticulo, const QString& UnidadEquivalente, QString& Operador,
                                  QString& UnidadBase, double& Coeficiente, bool& SinUnidad) {
  Coeficiente = 0;
  SinUnidad = false;
  bool hallada = false;
  suite::Utilidades& util = suite::gUtilidades();
  rt::StepRunner pasos = Trampa(QStringLiteral("IdArticuloTieneEquivalencias"));
  QString unidad;
  if (!pasos.run([&] { unidad = UnidadBase.isEmpty() ? ObtieneUnidadArticulo(IdArticulo) : UnidadBase; })) return false;
  if (rt::Trim(unidad).isEmpty()) {
    SinUnidad = true;
    return false;
  }
  UnidadBase = unidad;

  const QString articulo = util.RellenaCodigo(rt::Trim(IdArticulo), 25);
  const QString base = util.RellenaCodigo(rt::Trim(unidad), 4);
  const QString equivalente = util.RellenaCodigo(rt::Trim(UnidadEquivalente), 4);
  ado::Recordset rs;
  const auto busca = [&](const QString& desde, const QString& hacia, const char* operador) {
    return pasos.run([&] {
      gDB().AbrirRecordset(sentencia::Equivalencia(articulo, desde, hacia), rs);
      const double coeficiente = rs.BOF() ? 0 : DobleDe(rs["Coeficiente"].Value());
      if (coeficiente == 0) return;
      hallada = true;
      Coeficiente = coeficiente;
      Operador = QString::fromLatin1(operador);
    });
  };
  if (busca(base, equivalente, "/") && !hallada) busca(equivalente, base, "*");
  gDB().CierraRecordset(rs);
  return hallada;
}

double AplicaEquivalencia(const QString& IdArticulo, QString& UnidadBase, double Cantidad,
                          const QString& UnidadEquivalente) {
  if (Cantidad == 0) return 0;
  if (rt::EqualsText(UnidadBase, UnidadEquivalente)) return Cantidad;
  const std::optional<Factor> factor = FactorEntre(IdArticulo, UnidadBase, UnidadEquivalente);
  if (!factor) return Cantidad;
  return factor->operador == u'*' ? factor->coeficiente * Cantidad : Cantidad / factor->coeficiente;
}

double RevierteEquivalencia(const QString& IdArticulo, QString& UnidadBase, double Cantidad,
                            const QString& UnidadEquivalente) {
  if (Cantidad == 0) return 0;
  if (rt::EqualsText(UnidadBase, UnidadEquivalente)) return Cantidad;
  const std::optional<Factor> factor = FactorEntre(IdArticulo, UnidadBase, UnidadEquivalente);
  if (!factor) return 0;
  return factor->operador == u'*' ? Cantidad / factor->coeficiente : factor->coeficiente * Cantidad;
}

}  // namespace numbering
