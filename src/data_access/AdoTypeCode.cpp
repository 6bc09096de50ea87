#include "data_access/AdoTypeCode.h"

#include <optional>

#include "platform/runtime/Numbers.h"
#include "platform/runtime/Text.h"

namespace data_access {

namespace {
// The code a variant holds: a number, or a text that reads as one.
std::optional<double> codeOf(const rt::Variant& tipo) {
  if (tipo.isNull() || tipo.isDate()) return std::nullopt;
  if (const QString* s = tipo.stringIf()) return rt::ParseNumber(rt::Trim(*s));
  return tipo.toDouble();
}
}  // namespace

bool EsTipoAdo(const rt::Variant& tipo, std::initializer_list<int> codes) {
  std::optional<double> code = codeOf(tipo);
  if (!code) return false;
  for (int c : codes)
    if (*code == c) return true;
  return false;
}

}  // namespace data_access
