// The stock colour of an article row.
#include <gtest/gtest.h>

#include "lookup/NivelStock.h"
#include "support/Printers.h"

namespace {

TEST(NivelStock, EachLevelHasItsRows) {
  const rt::Variant n1("1"), n2("2"), n3("3"), n4("4");
  struct Case {
    double p, s;
    const rt::Variant& nivel;
  };
  for (const Case& c : {Case{0, 5, n1}, Case{10, 15, n2}, Case{10, 5, n3}, Case{10, 10, n4}, Case{0, 0, n4},
                        Case{0, -2, n4}, Case{-1, 5, n4}, Case{10, 0, n3}, Case{0.5, 0.6, n2}})
    EXPECT_EQ(lookup::NivelStock(rt::Currency::fromDouble(c.p), rt::Currency::fromDouble(c.s), n1, n2, n3, n4),
              c.nivel)
        << "P = " << c.p << ", S = " << c.s;
}

}  // namespace
