#pragma once
// The number a code of a fixed count of digits takes from a value: how the
// import turns a customer number into the four digits of its account, and
// how the database's upgrades tell the same from the number's text; and how
// earlier builds read it, whose accounts the import and the upgrades find
// again.
#include <QString>

#include "platform/runtime/Variant.h"

namespace rt {

// The value formatted with a mask of `digits` zeros (7, 7.4 and "7" give
// "0007"; a text that is no number stays as it is, trimmed), then the
// leading number of that text written with the mask again. "" when the
// formatted text is longer than the mask, or its number is 0, negative or
// too large for the mask.
QString CodeNumber(const Variant& value, int digits);

// The same reading as earlier builds made it: the leading number written
// with the mask whatever it gives, "" only when the formatted text is longer
// than the mask or its number is 0. It differs from CodeNumber where the
// number rounds to 0 ("0.4x" gave "0000") or is negative ("-5x" gave
// "-0005", which no account column took).
QString CodeNumberOfEarlierBuilds(const Variant& value, int digits);

}  // namespace rt
