#include "platform/runtime/CodeNumber.h"

#include <algorithm>
#include <optional>

#include "platform/runtime/Numbers.h"
#include "platform/runtime/Text.h"

namespace rt {

QString CodeNumberOfEarlierBuilds(const Variant& value, int digits) {
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
  const double number = Val(text);
  if (text.size() > digits || number == 0) return QString();
  return FormatNumber(number, mask);
}

QString CodeNumber(const Variant& value, int digits) {
  const QString code = CodeNumberOfEarlierBuilds(value, digits);
  const bool fits = code.size() == digits && code != QString(digits, u'0') &&
                    std::all_of(code.begin(), code.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
  return fits ? code : QString();
}

}  // namespace rt
