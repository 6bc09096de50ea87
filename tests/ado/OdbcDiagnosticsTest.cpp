#include <gtest/gtest.h>

#include "platform/ado/Constants.h"
#include "platform/ado/odbc/Diagnostics.h"
#include "support/Printers.h"

namespace {

using ado::odbc::adoNumber;

TEST(OdbcDiagnostics, SqlStatesBecomeTheNumbersCallersCompare) {
  const std::pair<const char*, long> cases[] = {
      {"23000", ado::errnum::Integrity},     {"23505", ado::errnum::Integrity},   {"42S02", ado::errnum::MissingTable},
      {"42000", ado::errnum::CommandText},   {"42S22", ado::errnum::CommandText}, {"37000", ado::errnum::CommandText},
      {"08S01", ado::errnum::E_FAIL},        {"08001", ado::errnum::E_FAIL},      {"HYT00", ado::errnum::E_FAIL},
      {"22001", ado::errnum::E_FAIL},        {"IM002", ado::errnum::E_FAIL},      {"HY000", ado::errnum::E_FAIL},
  };
  for (const auto& [state, number] : cases) EXPECT_EQ(adoNumber(state), number) << state;
}

ado::Error record(const char* state, long native, const char* text) {
  ado::Error e;
  e.SQLState = state;
  e.NativeError = native;
  e.Description = text;
  e.Number = adoNumber(e.SQLState);
  return e;
}

TEST(OdbcDiagnostics, TheErrorComesFirstAndInformationFollows) {
  const ado::provider::Failure f = ado::odbc::failureOf({record("01000", 5701, "Changed database context to 'E'."),
                                                         record("23000", 2627, "Violation of PRIMARY KEY constraint"),
                                                         record("01000", 3621, "The statement has been terminated.")});
  ASSERT_EQ(f.errors.size(), 3u);
  EXPECT_EQ(f.number, ado::errnum::Integrity);
  EXPECT_EQ(f.errors[0].NativeError, 2627);
  EXPECT_EQ(f.errors[1].NativeError, 5701);
  EXPECT_EQ(f.errors[2].NativeError, 3621);
}

TEST(OdbcDiagnostics, ALostLinkAlwaysFailsWithEFail) {
  const ado::provider::Failure f = ado::odbc::failureOf(
      {record("42S02", 208, "Invalid object name 'T'."), record("08S01", 20004, "Read from the server failed")});
  EXPECT_EQ(f.number, ado::errnum::E_FAIL);
  EXPECT_EQ(f.errors.front().SQLState, "42S02");
}

TEST(OdbcDiagnostics, AFailureWithoutRecordsStillSaysSo) {
  const ado::provider::Failure f = ado::odbc::failureOf({});
  ASSERT_EQ(f.errors.size(), 1u);
  EXPECT_EQ(f.number, ado::errnum::E_FAIL);
  EXPECT_FALSE(f.errors.front().Description.isEmpty());
}

}  // namespace
