#include <gtest/gtest.h>

#include <iomanip>
#include <limits>
#include <optional>

#include "platform/runtime/Dates.h"
#include "platform/runtime/Variant.h"
#include "support/ErrorNumber.h"
#include "support/Printers.h"

using rt::MakeDate;

TEST(Dates, ParsesTheSuitesForms) {
  struct Case { const char* text; QDateTime value; };
  for (const Case& c : {Case{"01/07/2005", MakeDate(2005, 7, 1)}, Case{"1/7/05", MakeDate(2005, 7, 1)},
                        Case{"30/06/29", MakeDate(2029, 6, 30)}, Case{"30/06/30", MakeDate(1930, 6, 30)},
                        Case{"09/12/26 13:45", MakeDate(2026, 12, 9, 13, 45)},
                        Case{"09/12/2026 13:45:10", MakeDate(2026, 12, 9, 13, 45, 10)},
                        Case{"2005-07-01", MakeDate(2005, 7, 1)},
                        Case{"2005-07-01 08:05:00", MakeDate(2005, 7, 1, 8, 5)},
                        Case{"13:45", MakeDate(1899, 12, 30, 13, 45)}}) {
    auto d = rt::ParseDate(QString::fromUtf8(c.text));
    ASSERT_TRUE(d.has_value()) << c.text;
    EXPECT_EQ(*d, c.value) << c.text;
  }
  for (const char* bad : {"", "31/02/2005", "hoy", "1/13/2005", "25:00", "00/00/0000"})
    EXPECT_FALSE(rt::IsDate(QString::fromUtf8(bad))) << bad;
}

TEST(Dates, FormatsMasksWithMinutesAfterHours) {
  QDateTime d = MakeDate(2005, 7, 1, 9, 5, 7);
  EXPECT_EQ(rt::FormatDate(d, "dd/mm/yy hh:mm"), "01/07/05 09:05");
  EXPECT_EQ(rt::FormatDate(d, "dd/mm/yyyy"), "01/07/2005");
  EXPECT_EQ(rt::FormatDate(d, "hh:mm"), "09:05");
  EXPECT_EQ(rt::FormatDate(d, "d/m/yyyy h:nn:ss"), "1/7/2005 9:05:07");
  EXPECT_EQ(rt::DateText(MakeDate(2005, 7, 1)), "01/07/2005");
  EXPECT_EQ(rt::DateText(d), "01/07/2005 09:05:07");
  EXPECT_EQ(rt::DateText(MakeDate(1899, 12, 30, 13, 45)), "13:45:00");
  EXPECT_EQ(rt::DateText(MakeDate(1899, 12, 30)), "00:00:00");
  EXPECT_EQ(rt::IsoDateText(d), "2005-07-01 09:05:07");
  EXPECT_EQ(rt::IsoDateText(MakeDate(2005, 7, 1)), "2005-07-01");
  EXPECT_EQ(rt::IsoDateText(MakeDate(987, 1, 2, 0, 0, 1)), "0987-01-02 00:00:01");
}

// A year below 1000 keeps four digits, so the text reads back as the same
// year and never as one of the two-digit window (the year 12, before the
// runtime's first day, is no date at all).
TEST(Dates, YearsBelowAThousandKeepFourDigits) {
  const QDateTime d = MakeDate(12, 5, 12);
  EXPECT_EQ(rt::FormatDate(d, "dd/mm/yyyy"), "12/05/0012");
  EXPECT_EQ(rt::FormatDate(MakeDate(987, 1, 2), "yyyy"), "0987");
  EXPECT_EQ(rt::DateText(d), "12/05/0012");
  EXPECT_EQ(rt::ParseDate(rt::DateText(d)), std::nullopt);
  const QDateTime d987 = MakeDate(987, 1, 2, 10, 15);
  EXPECT_EQ(rt::ParseDate(rt::DateText(d987)), d987);
}

// The runtime's dates begin on 01/01/100, in every form of text: a year
// below 100 written with four digits is no date, and a conversion of it
// fails as one of any other text that is no date.
TEST(Dates, TextsBeforeTheFirstDayAreNoDates) {
  struct Case {
    const char* text;
    std::optional<QDateTime> date;
  };
  for (const Case& c : {Case{"0099-12-31", std::nullopt}, Case{"0099-12-31 23:59:59", std::nullopt},
                        Case{"0001-01-01", std::nullopt}, Case{"01/01/0050", std::nullopt},
                        Case{"31/12/0099 23:59", std::nullopt}, Case{"31.12.0099", std::nullopt},
                        Case{"0100-01-01", MakeDate(100, 1, 1)}, Case{"01/01/0100 00:00:00", MakeDate(100, 1, 1)},
                        Case{"1/1/50", MakeDate(1950, 1, 1)},
                        Case{"31/12/9999 23:59:59", MakeDate(9999, 12, 31, 23, 59, 59)}}) {
    EXPECT_EQ(rt::ParseDate(QString::fromUtf8(c.text)), c.date) << c.text;
    const rt::Variant text(QString::fromUtf8(c.text));
    if (c.date)
      EXPECT_EQ(text.toDate(), *c.date) << c.text;
    else
      EXPECT_EQ(testing_support::ErrorNumberOf([&] { text.toDate(); }), rt::err::TypeMismatch) << c.text;
  }
}

TEST(Dates, MinuteDifferencesCountBoundaries) {
  EXPECT_EQ(rt::DateDiffMinutes(MakeDate(2005, 7, 1, 10, 0, 59), MakeDate(2005, 7, 1, 10, 1, 0)), 1);
  EXPECT_EQ(rt::DateDiffMinutes(MakeDate(2005, 7, 1, 23, 30), MakeDate(2005, 7, 2, 0, 30)), 60);
  EXPECT_EQ(rt::DateDiffMinutes(MakeDate(2005, 7, 2), MakeDate(2005, 7, 1)), -1440);
}

TEST(Dates, SerialNumbersRoundTrip) {
  EXPECT_DOUBLE_EQ(rt::ToSerial(MakeDate(1899, 12, 30)), 0);
  EXPECT_DOUBLE_EQ(rt::ToSerial(MakeDate(1900, 1, 1, 12, 0)), 2.5);
  QDateTime d = MakeDate(2026, 12, 9, 21, 55, 26);
  EXPECT_EQ(rt::FromSerial(rt::ToSerial(d)), d);
}

// A serial's time is rounded once, to the nearest second: a time just short
// of the half second stays in its second, also at the last second of the
// runtime's dates, and one just past it goes to the next.
TEST(Dates, ASerialsTimeIsRoundedOnceToTheSecond) {
  struct Case {
    double serial;
    std::optional<QDateTime> date;  // nullopt: overflow
  };
  for (const Case& c : {
           Case{0.50000578240740745, MakeDate(1899, 12, 30, 12, 0, 0)},  // 12:00:00.4996
           Case{0.50000577, MakeDate(1899, 12, 30, 12, 0, 0)},           // 12:00:00.4985
           Case{0.50000579, MakeDate(1899, 12, 30, 12, 0, 1)},           // 12:00:00.5003
           Case{-1.50000578240740745, MakeDate(1899, 12, 29, 12, 0, 0)},
           Case{38534.999994208, MakeDate(2005, 7, 1, 23, 59, 59)},       // 23:59:59.4996
           Case{38534.99999422, MakeDate(2005, 7, 2)},                   // 23:59:59.5006
           Case{2958465.9999942081, MakeDate(9999, 12, 31, 23, 59, 59)},  // 23:59:59.4996
           Case{2958465.9999942128, MakeDate(9999, 12, 31, 23, 59, 59)},  // 23:59:59.49998
           Case{2958465.99999422, std::nullopt},                          // 23:59:59.5006
       }) {
    if (c.date) {
      EXPECT_EQ(rt::FromSerial(c.serial), *c.date) << std::setprecision(17) << c.serial;
    } else {
      EXPECT_EQ(testing_support::ErrorNumberOf([&] { rt::FromSerial(c.serial); }), rt::err::Overflow)
          << std::setprecision(17) << c.serial;
    }
  }
}

// The range is the date and time a serial rounds to (the second), from
// 01/01/100 00:00:00 to 31/12/9999 23:59:59: a serial whose time rounds up
// past the last second overflows instead of making the year 10000.
TEST(Dates, SerialsBeyondTheRuntimesDatesOverflow) {
  struct Case {
    double serial;
    QDateTime date;
  };
  for (const Case& c : {Case{-657434, MakeDate(100, 1, 1)}, Case{-657434.5, MakeDate(100, 1, 1, 12, 0)},
                        Case{-657434.99999999, MakeDate(100, 1, 2)}, Case{2958465.5, MakeDate(9999, 12, 31, 12, 0)},
                        Case{2958465.9999942, MakeDate(9999, 12, 31, 23, 59, 59)}}) {
    EXPECT_EQ(rt::FromSerial(c.serial), c.date) << std::setprecision(17) << c.serial;
    EXPECT_EQ(rt::Variant(c.serial).toDate(), c.date) << std::setprecision(17) << c.serial;
  }
  for (double serial : {-657435.0, -657435.4, 2958465.9999943, 2958465.99999999, 2958466.0, 9.2233720368547758e18,
                        -9.2233720368547758e18, 1e300, std::numeric_limits<double>::infinity(),
                        std::numeric_limits<double>::quiet_NaN()}) {
    EXPECT_EQ(testing_support::ErrorNumberOf([&] { rt::FromSerial(serial); }), rt::err::Overflow)
        << std::setprecision(17) << serial;
    EXPECT_EQ(testing_support::ErrorNumberOf([&] { rt::Variant(serial).toDate(); }), rt::err::Overflow)
        << std::setprecision(17) << serial;
  }
}
