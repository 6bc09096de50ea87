#include <gtest/gtest.h>

#include <limits>

#include "platform/runtime/Currency.h"
#include "platform/runtime/Error.h"
#include "support/ErrorNumber.h"
#include "support/Printers.h"

using rt::Currency;

TEST(Currency, ParsesExactDecimalsWithEitherSeparator) {
  struct Case { const char* text; int64_t raw; };
  for (const Case& c : {Case{"1234,5", 12345000}, Case{"1234.50", 12345000}, Case{"-3", -30000},
                        Case{"0.00005", 0}, Case{"0.00015", 2}, Case{"  7 ", 70000}, Case{"1e2", 1000000},
                        Case{"922337203685477.5807", INT64_MAX}}) {
    auto v = Currency::parse(QString::fromUtf8(c.text));
    ASSERT_TRUE(v.has_value()) << c.text;
    EXPECT_EQ(v->raw(), c.raw) << c.text;
  }
  for (const char* bad : {"", "abc", "1,2,3", "12x", "-", "1e", "922337203685477.5808", "١٢٣", "1٫5", "2e٣"})
    EXPECT_FALSE(Currency::parse(QString::fromUtf8(bad)).has_value()) << bad;
}

TEST(Currency, RendersWithoutTrailingZeros) {
  EXPECT_EQ(Currency::fromRaw(12345000).toSqlText(), "1234.5");
  EXPECT_EQ(Currency::fromRaw(-5).toSqlText(), "-0.0005");
  EXPECT_EQ(Currency::fromRaw(0).toSqlText(), "0");
  EXPECT_EQ(Currency::fromRaw(std::numeric_limits<int64_t>::min()).toSqlText(), "-922337203685477.5808");
  EXPECT_EQ(Currency::fromRaw(std::numeric_limits<int64_t>::max()).toSqlText(), "922337203685477.5807");
  EXPECT_EQ(Currency::fromRaw(12345000).toText(u','), "1234,5");
}

TEST(Currency, RoundsHalvesToEven) {
  EXPECT_EQ(Currency::parse(u"2.5")->rounded(0), Currency::fromInt(2));
  EXPECT_EQ(Currency::parse(u"3.5")->rounded(0), Currency::fromInt(4));
  EXPECT_EQ(Currency::parse(u"-2.5")->rounded(0), Currency::fromInt(-2));
  EXPECT_EQ(Currency::parse(u"1.005")->rounded(2), *Currency::parse(u"1.00"));
  EXPECT_EQ(Currency::parse(u"1.015")->rounded(2), *Currency::parse(u"1.02"));
}

TEST(Currency, FromDoubleKeepsTheDecimalValue) {
  EXPECT_EQ(Currency::fromDouble(0.1 + 0.2), *Currency::parse(u"0.3"));
  EXPECT_EQ(Currency::fromDouble(1234.5678), *Currency::parse(u"1234.5678"));
  // A half in its decimal digits is a half, whatever the binary value.
  EXPECT_EQ(Currency::fromDouble(0.00015), *Currency::parse(u"0.0002"));
  EXPECT_EQ(Currency::fromDouble(0.00005), Currency());
  EXPECT_EQ(Currency::fromDouble(-2.00025), *Currency::parse(u"-2.0002"));
  EXPECT_EQ(Currency::fromDouble(123456789012.3456), *Currency::parse(u"123456789012.3456"));
  EXPECT_THROW(Currency::fromDouble(1e300), rt::Error);
}

TEST(Currency, ArithmeticOverflowRaises) {
  EXPECT_THROW(Currency::fromRaw(INT64_MAX) + Currency::fromRaw(1), rt::Error);
  EXPECT_EQ(*Currency::parse(u"0.1") + *Currency::parse(u"0.2"), *Currency::parse(u"0.3"));
}

TEST(Currency, MultipliesAndDividesExactlyRoundingOnceHalvesToEven) {
  struct Case { const char* a; char op; const char* b; const char* result; };
  for (const Case& c : {Case{"0.1", '*', "0.2", "0.02"}, Case{"0.0001", '*', "0.5", "0"},
                        Case{"0.0003", '*', "0.5", "0.0002"}, Case{"-0.0003", '*', "0.5", "-0.0002"},
                        Case{"-1.5", '*', "-2", "3"}, Case{"1234567.8912", '*', "3", "3703703.6736"},
                        Case{"922337203685477", '*', "0.0001", "92233720368.5477"},
                        Case{"1", '/', "3", "0.3333"}, Case{"2", '/', "3", "0.6667"},
                        Case{"0.0001", '/', "2", "0"}, Case{"0.0003", '/', "2", "0.0002"},
                        Case{"-10", '/', "4", "-2.5"}, Case{"10", '/', "-0.0003", "-33333.3333"},
                        Case{"0.3", '/', "0.1", "3"}}) {
    const Currency a = *Currency::parse(QString::fromLatin1(c.a)), b = *Currency::parse(QString::fromLatin1(c.b));
    EXPECT_EQ((c.op == '*' ? a * b : a / b).toSqlText(), QString::fromLatin1(c.result)) << c.a << c.op << c.b;
  }
}

TEST(Currency, ASharedScaleIsRoundedOnce) {
  struct Case { const char* a; const char* by; const char* over; const char* result; };
  for (const Case& c : {Case{"0.3333", "0.5", "0.5", "0.3333"}, Case{"1", "1", "3", "0.3333"},
                        Case{"-2", "-4", "-4", "-2"}, Case{"5", "3", "-7", "-2.1429"},
                        Case{"0.0001", "1", "2", "0"}, Case{"0.0003", "1", "2", "0.0002"}}) {
    const auto de = [](const char* t) { return *Currency::parse(QString::fromLatin1(t)); };
    EXPECT_EQ(de(c.a).scaled(de(c.by), de(c.over)).toSqlText(), QString::fromLatin1(c.result))
        << c.a << "*" << c.by << "/" << c.over;
  }
  EXPECT_EQ(testing_support::ErrorNumberOf([] { (void)Currency::fromInt(1).scaled(Currency::fromInt(1), Currency()); }),
            rt::err::DivisionByZero);
}

TEST(Currency, ProductsAndQuotientsOutOfRangeRaise) {
  const Currency big = Currency::fromInt(922337203685477), two = Currency::fromInt(2);
  EXPECT_EQ(testing_support::ErrorNumberOf([&] { (void)(big * two); }), rt::err::Overflow);
  EXPECT_EQ(testing_support::ErrorNumberOf([&] { (void)(big / *Currency::parse(u"0.5")); }), rt::err::Overflow);
  EXPECT_EQ(testing_support::ErrorNumberOf([&] { (void)(two / Currency()); }), rt::err::DivisionByZero);
  EXPECT_EQ(testing_support::ErrorNumberOf([&] { (void)(Currency() / Currency()); }), rt::err::DivisionByZero);
}
