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

// How a quantity goes from the base unit to the equivalent one: the same
// units (once an empty base unit is the article's own, written back), the
// equivalence's operator and coefficient, or no equivalence.
struct Conversion {
  bool mismaUnidad = false;
  std::optional<QString> operador;
  double coeficiente = 0;
};

Conversion ConversionEntre(const QString& IdArticulo, QString& UnidadBase, const QString& UnidadEquivalente) {
  Conversion c;
  c.mismaUnidad = rt::EqualsText(UnidadBase, UnidadEquivalente);
  if (c.mismaUnidad) return c;
  bool sinUnidad = false;
  QString operador;
  if (IdArticuloTieneEquivalencias(IdArticulo, UnidadEquivalente, operador, UnidadBase, c.coeficiente, sinUnidad))
    c.operador = operador;
  c.mismaUnidad = rt::EqualsText(UnidadBase, UnidadEquivalente);
  return c;
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
  const Conversion c = ConversionEntre(IdArticulo, UnidadBase, UnidadEquivalente);
  if (c.mismaUnidad || !c.operador) return Cantidad;
  return *c.operador == u'*' ? c.coeficiente * Cantidad : Cantidad / c.coeficiente;
}

double RevierteEquivalencia(const QString& IdArticulo, QString& UnidadBase, double Cantidad,
                            const QString& UnidadEquivalente) {
  if (Cantidad == 0) return 0;
  const Conversion c = ConversionEntre(IdArticulo, UnidadBase, UnidadEquivalente);
  if (c.mismaUnidad) return Cantidad;
  if (!c.operador) return 0;
  return *c.operador == u'*' ? Cantidad / c.coeficiente : c.coeficiente * Cantidad;
}

}  // namespace numbering
