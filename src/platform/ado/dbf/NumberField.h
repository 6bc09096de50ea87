#pragma once
// The value of an N or F field from the text dBase and FoxPro write there:
// blanks or zero bytes around an optional sign, digits with at most one
// '.', perhaps an exponent.
#include <cstdint>

#include "platform/runtime/Variant.h"

namespace ado::dbf {

// What a number field holds, kept apart from a Variant so that a repeated
// value is handed out again without a Variant copy. Small enough to travel
// in registers.
struct NumberValue {
  enum class Type : uint8_t { Null, Long, Currency, Double, NotANumber };
  Type type = Type::Null;
  union {
    int64_t exact = 0;  // Long, or Currency's ten-thousandths
    double real;        // Double
  };

  void assignTo(rt::Variant& into) const {
    switch (type) {
      case Type::Long: into = static_cast<int32_t>(exact); return;
      case Type::Currency: into = rt::Currency::fromRaw(exact); return;
      case Type::Double: into = real; return;
      default: into = rt::Null{}; return;
    }
  }
};

// Reads the `length` bytes at `at` of a field of type `type` (N or F) with
// `decimals` places:
//  N  Long when the field has no decimals and the value fits, otherwise
//     Currency when the value has at most four decimals (up to 19
//     significant digits) and fits, otherwise the nearest Double; money
//     never passes through Double;
//  F  Double;
// Null for blanks; NotANumber when the bytes are not a number.
NumberValue readNumber(const char* at, int length, char type, int decimals);

}  // namespace ado::dbf
