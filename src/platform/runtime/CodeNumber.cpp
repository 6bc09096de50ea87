#include "platform/runtime/CodeNumber.h"

#include <algorithm>
#include <optional>

#include "platform/runtime/Numbers.h"
#include "platform/runtime/Text.h"

namespace rt {

QString CodeNumber(const Variant& value, int digits) {
  if (value.isNull() || value.isEmpty()) return QString();
  const QString mask(digits, u'0');
  QString text;
  if (!value.isString()) {
    text = FormatNumber(value.toDouble(), mask);
  } else {
    const std::optional<double> number = ParseNumber(Trim(value.toString()));
    text = number ? FormatNumber(*number, mask) : value.toString();
  }
  text = Trim(text);
  if (text.size() > digits) return QString();
  const QString code = FormatNumber(Val(text), mask);
  const bool fits = code.size() == digits && code != mask &&
                    std::all_of(code.begin(), code.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
  return fits ? code : QString();
}

}  // namespace rt
