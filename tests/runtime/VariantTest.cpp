#include <gtest/gtest.h>

#include "platform/runtime/Dates.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Variant.h"
#include "support/ErrorNumber.h"
#include "support/Printers.h"

using rt::Variant;

TEST(Variant, EmptyAndNullAreDistinct) {
  Variant e, n = Variant::null();
  EXPECT_TRUE(e.isEmpty());
  EXPECT_TRUE(n.isNull());
  EXPECT_EQ(e.toString(), "");
  EXPECT_DOUBLE_EQ(e.toDouble(), 0);
  try {
    n.toString();
    FAIL() << "Null converted to text";
  } catch (const rt::Error& err) {
    EXPECT_EQ(err.Number(), 94);
  }
  EXPECT_EQ(n.toStringOrEmpty(), "");
  EXPECT_FALSE(Variant(QString()) == Variant::null());
}

TEST(Variant, ConversionsFollowTheRuntime) {
  EXPECT_EQ(Variant(1234.5).toString(), "1234,5");
  EXPECT_EQ(Variant(rt::Currency::fromRaw(15000)).toString(), "1,5");
  EXPECT_EQ(Variant(rt::MakeDate(2005, 7, 1)).toString(), "01/07/2005");
  EXPECT_DOUBLE_EQ(Variant("1234,5").toDouble(), 1234.5);
  EXPECT_DOUBLE_EQ(Variant("1234.5").toDouble(), 1234.5);
  EXPECT_EQ(Variant("2,5").toLong(), 2);
  EXPECT_EQ(Variant("12,34").toCurrency(), rt::Currency::fromRaw(123400));
  EXPECT_EQ(Variant("1.234,56").toCurrency(), rt::Currency::fromRaw(12345600));
  EXPECT_EQ(Variant("-1,234.5").toCurrency(), rt::Currency::fromRaw(-12345000));
  EXPECT_EQ(testing_support::ErrorNumberOf([] { Variant("1.2.3").toCurrency(); }), rt::err::TypeMismatch);
  EXPECT_EQ(testing_support::ErrorNumberOf([] { Variant("1e20").toCurrency(); }), rt::err::Overflow);
  EXPECT_EQ(testing_support::ErrorNumberOf([] { Variant("1e400").toDouble(); }), rt::err::Overflow);
  EXPECT_TRUE(Variant("Verdadero").toBool());
  EXPECT_FALSE(Variant("0").toBool());
  EXPECT_EQ(Variant("01/07/2005").toDate(), rt::MakeDate(2005, 7, 1));
  EXPECT_THROW(Variant("abc").toDouble(), rt::Error);
  EXPECT_EQ(Variant(int64_t{5000000000}).type(), Variant::Type::Double);
}

// CCur reads a text as CDbl does, exactly: a zero is zero whatever its
// exponent, and only a value beyond Currency's range overflows.
TEST(Variant, CCurReadsWhatCDblReads) {
  struct Case {
    const char* text;
    long error;  // of CCur; 0 when it reads the text
    int64_t raw;
  };
  for (const Case& c : {Case{"0e180", 0, 0}, Case{"-0E999", 0, 0}, Case{"0e99999", 0, 0}, Case{"0,000e-400", 0, 0},
                        Case{"000.0e+30", 0, 0}, Case{"1e-400", 0, 0}, Case{"5e14", 0, 5000000000000000000},
                        Case{"1e15", rt::err::Overflow, 0}, Case{"1e180", rt::err::Overflow, 0}}) {
    const Variant v(QString::fromLatin1(c.text));
    EXPECT_EQ(testing_support::ErrorNumberOf([&] { v.toCurrency(); }), c.error) << c.text;
    if (c.error == 0) {
      EXPECT_EQ(v.toCurrency(), rt::Currency::fromRaw(c.raw)) << c.text;
      EXPECT_EQ(v.toDouble(), v.toCurrency().toDouble()) << c.text;
    }
  }
}

TEST(Variant, AssignsInPlaceAndFillsTextWithoutTouchingCopies) {
  Variant v = int32_t(5);
  v = 2.5;
  EXPECT_EQ(v, Variant(2.5));
  v = rt::Null{};
  EXPECT_TRUE(v.isNull());
  v = QStringLiteral("abc");
  const Variant copy = v;
  v.makeString()[0] = u'x';
  EXPECT_EQ(copy, Variant("abc"));
  EXPECT_EQ(v, Variant("xbc"));
  Variant number = int32_t(1);
  EXPECT_TRUE(number.makeString().isEmpty());
  EXPECT_EQ(number.type(), Variant::Type::String);
}
