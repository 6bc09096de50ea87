// The text of N and F fields read into exact values.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "DbfFixtures.h"
#include "platform/ado/dbf/NumberField.h"
#include "support/Printers.h"

using namespace std::string_literals;
using ado::dbf::NumberValue;
using ado::dbf::readNumber;
using dbf_fixtures::money;
using rt::Variant;

namespace {

struct NumberCase {
  const char* label;
  std::string bytes;
  char type;
  int decimals;
  std::optional<Variant> expected;  // nullopt: not a number
};

}  // namespace

TEST(DbfNumberField, ReadsTheTextOfNumberFieldsExactly) {
  const NumberCase cases[] = {
      {"whole number", "  1234", 'N', 0, int32_t(1234)},
      {"signs", "   -42", 'N', 0, int32_t(-42)},
      {"plus sign", "    +7", 'N', 0, int32_t(7)},
      {"zero decimals of a whole field", "  12.00", 'N', 0, int32_t(12)},
      {"largest Long", "2147483647", 'N', 0, int32_t(2147483647)},
      {"beyond Long", "-2147483648", 'N', 0, money("-2147483648")},
      {"amount", "  1234.50", 'N', 2, money("1234.5")},
      {"whole amount stays money", "   12.00", 'N', 2, money("12")},
      {"point without fraction", "  12.", 'N', 2, money("12")},
      {"fraction without whole part", "   -.5", 'N', 1, money("-0.5")},
      {"zero bytes around", "\0\0 12\0"s, 'N', 0, int32_t(12)},
      {"nineteen digits are exact", "123456789012345.1234", 'N', 4, money("123456789012345.1234")},
      {"leading zeros are not significant", "0000000000000000001.5", 'N', 1, money("1.5")},
      {"trailing zeros bring the places down to four", "1.50000", 'N', 5, money("1.5")},
      {"five places", "1.23456", 'N', 5, 1.23456},
      {"twenty significant digits", "12345678901234567890", 'N', 0, 12345678901234567890.0},
      {"beyond Currency", "999999999999999.9999", 'N', 4, 999999999999999.9999},
      {"exponent", "1.5E3", 'N', 0, 1500.0},
      {"float field", "  2.125", 'F', 3, 2.125},
      {"blank", "      ", 'N', 2, Variant::null()},
      {"letters", "1a3", 'N', 0, std::nullopt},
      {"overflowed field", "***", 'N', 0, std::nullopt},
      {"two points", "1.2.3", 'N', 2, std::nullopt},
      {"blank inside", "12 34", 'N', 0, std::nullopt},
      {"sign alone", "   -", 'N', 0, std::nullopt},
      {"point alone", "  . ", 'N', 2, std::nullopt},
      {"two signs", "--5", 'N', 0, std::nullopt},
      {"sign after", "5-", 'N', 0, std::nullopt},
      {"exponent alone", "e5", 'N', 0, std::nullopt},
      {"exponent without digits", "1e", 'F', 0, std::nullopt},
  };
  for (const NumberCase& c : cases) {
    SCOPED_TRACE(c.label);
    const NumberValue value = readNumber(c.bytes.data(), int(c.bytes.size()), c.type, c.decimals);
    if (!c.expected) {
      EXPECT_EQ(value.type, NumberValue::Type::NotANumber);
      continue;
    }
    Variant read;
    value.assignTo(read);
    EXPECT_EQ(read, *c.expected);
  }
}
