#pragma once
// The number a code of a fixed count of digits takes from a value: how the
// import turns a customer number into the four digits of its account, and
// how the database's upgrades tell the same from the number's text.
#include <QString>

#include "platform/runtime/Variant.h"

namespace rt {

// The value formatted with a mask of `digits` zeros (7, 7.4 and "7" give
// "0007"; a text that is no number stays as it is, trimmed), then the
// leading number of that text written with the mask again. "" when the
// formatted text is longer than the mask, or its number is 0, negative or
// too large for the mask.
QString CodeNumber(const Variant& value, int digits);

}  // namespace rt
