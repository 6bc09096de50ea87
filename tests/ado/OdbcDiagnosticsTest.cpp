#include <gtest/gtest.h>

#include "platform/ado/Constants.h"
#include "platform/ado/odbc/Diagnostics.h"
#include "support/Printers.h"

namespace {

using ado::odbc::adoNumber;

// The numbers the embedded database gives for the same conditions; E_FAIL,
// which the service takes for a lost connection, only for the connection.
TEST(OdbcDiagnostics, SqlStatesBecomeTheNumbersCallersCompare) {
  namespace errnum = ado::errnum;
  const std::pair<const char*, long> cases[] = {
      {"23000", errnum::Integrity},      {"23505", errnum::Integrity},      {"42S02", errnum::MissingTable},
      {"42000", errnum::CommandText},    {"42S22", errnum::CommandText},    {"37000", errnum::CommandText},
      {"22001", errnum::DataOverflow},   {"22003", errnum::DataOverflow},   {"22007", errnum::TypeConversion},
      {"22008", errnum::TypeConversion}, {"22018", errnum::TypeConversion}, {"22005", errnum::TypeConversion},
      {"22012", errnum::CommandText},    {"HYT00", errnum::Timeout},        {"40001", errnum::Timeout},
      {"HY000", errnum::CommandText},    {"08S01", errnum::E_FAIL},         {"08001", errnum::E_FAIL},
      {"08003", errnum::E_FAIL},         {"IM002", errnum::E_FAIL},         {"28000", errnum::E_FAIL},
      {"HYT01", errnum::E_FAIL},         {"", errnum::E_FAIL},
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
