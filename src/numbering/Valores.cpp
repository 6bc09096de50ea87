#include "numbering/Valores.h"

#include "data_access/DataAccessState.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/Environment.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"

namespace numbering {

rt::StepRunner Trampa(const QString& rutina) {
  return rt::StepRunner(
      [rutina](const rt::Error& e) { return data_access::gDB().TratamientoErrores(e, std::nullopt, rutina); });
}

rt::Error ErrorPrograma(long numero, const QString& descripcion) {
  return rt::Error(numero, descripcion, rt::ExecutableName());
}

QString TextoCampo(const rt::Variant& valor) { return valor.toStringOrEmpty(); }

double NumeroInicial(const rt::Variant& valor) {
  if (valor.isNull() || valor.isEmpty()) return 0;
  if (valor.isNumeric()) return valor.toDouble();
  return rt::Val(valor.toString());
}

double DobleDe(const rt::Variant& valor) {
  if (valor.isNumeric() && !valor.isEmpty()) return valor.toDouble();
  return suite::gUtilidades().TextoADoble(TextoCampo(valor));
}

QString Formato(const rt::Variant& valor, const QString& mascara) {
  QString texto = TextoCampo(valor);
  if (rt::Trim(texto).isEmpty()) return texto;
  if (valor.isNumeric()) return rt::FormatNumber(valor.toDouble(), mascara);
  std::optional<double> numero = rt::ParseNumber(texto);
  return numero ? rt::FormatNumber(*numero, mascara) : texto;
}

QDate DiaDe(const rt::Variant& valor) {
  if (valor.isDate()) return valor.toDate().date();
  std::optional<QDateTime> fecha = rt::ParseDate(rt::Trim(TextoCampo(valor)));
  if (!fecha) rt::raise(rt::err::TypeMismatch);
  return fecha->date();
}

QString Lit(const QString& texto) {
  QString out = texto;
  return out.replace(u'\'', QStringLiteral("''"));
}

}  // namespace numbering
