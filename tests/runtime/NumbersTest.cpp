#include <gtest/gtest.h>

#include <limits>

#include "platform/runtime/Error.h"
#include "platform/runtime/Numbers.h"
#include "support/ErrorNumber.h"
#include "support/Printers.h"

TEST(Numbers, ValReadsTheLeadingNumber) {
  struct Case { const char* text; double value; };
  for (const Case& c : {Case{"12.5abc", 12.5}, Case{"  -3", -3}, Case{"1,5", 1}, Case{"", 0}, Case{"abc", 0},
                        Case{"1 2 3", 123}, Case{"&H1F", 31}, Case{"2e3x", 2000}, Case{" 1.0", 1}, Case{".5", 0.5}})
    EXPECT_DOUBLE_EQ(rt::Val(QString::fromUtf8(c.text)), c.value) << c.text;
  EXPECT_THROW(rt::Val("1e400"), rt::Error) << "overflow, not infinity";
}

TEST(Numbers, ParseNumberAcceptsBothSeparators) {
  EXPECT_DOUBLE_EQ(*rt::ParseNumber("1234,5"), 1234.5);
  EXPECT_DOUBLE_EQ(*rt::ParseNumber("1234.5"), 1234.5);
  EXPECT_DOUBLE_EQ(*rt::ParseNumber("1.234,56"), 1234.56);
  EXPECT_DOUBLE_EQ(*rt::ParseNumber("1,234.56"), 1234.56);
  EXPECT_FALSE(rt::ParseNumber("12a").has_value());
  EXPECT_FALSE(rt::ParseNumber("").has_value());
  EXPECT_FALSE(rt::ParseNumber("1.2.3").has_value());
  // Grouping alone, as "#,##0" writes it.
  EXPECT_DOUBLE_EQ(*rt::ParseNumber("1.234.567"), 1234567);
  EXPECT_DOUBLE_EQ(*rt::ParseNumber("-1,234,567"), -1234567);
  EXPECT_FALSE(rt::ParseNumber("1.234.56").has_value());
  EXPECT_FALSE(rt::ParseNumber(".234.567").has_value());
}

TEST(Numbers, RoundingGoesToTheEvenNeighbour) {
  EXPECT_EQ(rt::CLng(2.5), 2);
  EXPECT_EQ(rt::CLng(3.5), 4);
  EXPECT_EQ(rt::CLng(-2.5), -2);
  EXPECT_EQ(rt::CInt(0.5), 0);
  EXPECT_DOUBLE_EQ(rt::RoundHalfEven(1.125, 2), 1.12);
  EXPECT_DOUBLE_EQ(rt::RoundHalfEven(1.135, 2), 1.14);
  EXPECT_DOUBLE_EQ(rt::RoundHalfEven(2.675, 2), 2.68);
  // Just past the half is no half, however large the number.
  EXPECT_EQ(rt::CLng(2500000.5009), 2500001);
  EXPECT_EQ(rt::CLng(-2500000.5009), -2500001);
  EXPECT_EQ(rt::CLng(2500001.4991), 2500001);
  EXPECT_DOUBLE_EQ(rt::RoundHalfEven(10000.005004, 2), 10000.01);
  EXPECT_THROW(rt::CInt(40000), rt::Error);
}

TEST(Numbers, PeopleSeeTheRegionalSeparatorSqlSeesAPoint) {
  EXPECT_EQ(rt::NumberText(1234.5), "1234,5");
  EXPECT_EQ(rt::NumberText(-0.25), "-0,25");
  EXPECT_EQ(rt::NumberText(1e20), "1E+20");
  EXPECT_EQ(rt::NumberText(17), "17");
  EXPECT_EQ(rt::SqlNumber(1234.5), "1234.5");
  EXPECT_EQ(rt::SqlNumber(0.1 + 0.2), "0.3");
  for (double noNumber : {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                          std::numeric_limits<double>::quiet_NaN()})
    EXPECT_EQ(testing_support::ErrorNumberOf([&] { rt::SqlNumber(noNumber); }), rt::err::Overflow) << noNumber;
}

TEST(Numbers, ASingleIsWrittenWithItsSevenSignificantDigits) {
  struct Case { float value; const char* text; };
  for (const Case& c : {Case{1.5f, "1,5"}, Case{1.0f / 3, "0,3333333"}, Case{2.0f / 3, "0,6666667"},
                        Case{1440, "1440"}, Case{-1234.567f, "-1234,567"}, Case{1234567.8f, "1234568"},
                        Case{1e7f, "1E+07"}, Case{0.0001f, "0,0001"}, Case{1e-5f, "1E-05"}, Case{0, "0"},
                        Case{0.1f, "0,1"}})
    EXPECT_EQ(rt::SingleText(c.value), QString::fromLatin1(c.text)) << c.text;
}

TEST(Numbers, FormatMasks) {
  struct Case { double value; const char* mask; const char* text; };
  for (const Case& c : {Case{1234.5, "############0.00", "1234,50"}, Case{1234.5, "############0.", "1235,"},
                        Case{2, "#####00", "02"}, Case{100, "#####00", "100"}, Case{1.5, "#####.00", "1,50"},
                        Case{0.5, "#####.00", ",50"}, Case{0, "#####.00", ",00"}, Case{7, "0000", "0007"},
                        Case{1234567.891, "#,##0.00", "1.234.567,89"}, Case{-1.005, "0.00", "-1,01"},
                        Case{-0.001, "0.00", "0,00"}, Case{2.5, "0", "3"},
                        // One rounding only, at the mask's places.
                        Case{1.00499, "0.00", "1,00"}, Case{2.49996, "0", "2"}, Case{0.12499999, "#,##0.00", "0,12"},
                        Case{0.00005, "0.0000", "0,0001"}, Case{0.0000005, "0.000000", "0,000001"},
                        Case{-999.995, "#,##0.00", "-1.000,00"}})
    EXPECT_EQ(rt::FormatNumber(c.value, QString::fromUtf8(c.mask)), QString::fromUtf8(c.text)) << c.mask;
  EXPECT_THROW(rt::FormatNumber(std::numeric_limits<double>::infinity(), "0.00"), rt::Error);
}
