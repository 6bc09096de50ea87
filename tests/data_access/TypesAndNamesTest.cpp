// Type classes of ADO data-type codes and the object-name helpers.
#include <gtest/gtest.h>

#include "data_access/DB_Dll.h"
#include "support/Printers.h"

namespace {

using data_access::DB_Dll;

TEST(TypeClasses, CodesAsNumbersOrTexts) {
  EXPECT_TRUE(DB_Dll::adodate("135"));
  EXPECT_TRUE(DB_Dll::adodate(7));
  EXPECT_FALSE(DB_Dll::adodate(8));
  EXPECT_TRUE(DB_Dll::ADOText(" 200 "));
  EXPECT_TRUE(DB_Dll::ADOText(129));
  EXPECT_EQ(DB_Dll::ADOComilla(133), "'");
  EXPECT_EQ(DB_Dll::ADOComilla("202"), "'");
  EXPECT_EQ(DB_Dll::ADOComilla(6), "");
  EXPECT_FALSE(DB_Dll::ADONumeric(6));
  EXPECT_TRUE(DB_Dll::ADONumeric(131.0));
  EXPECT_TRUE(DB_Dll::ADOCurrency("6"));
  EXPECT_TRUE(DB_Dll::ADOBoolean(11));
  EXPECT_FALSE(DB_Dll::ADOBoolean(rt::Variant::null()));
  EXPECT_FALSE(DB_Dll::ADOText("texto"));
}

TEST(ObjectNames, TakesNamesApart) {
  QString name = "dbo.MA_CUENTAS";
  EXPECT_EQ(DB_Dll::stSTF(name, 0), "dbo");
  EXPECT_EQ(DB_Dll::stSTF(name, 1), "MA_CUENTAS");
  QString bare = "MA_CUENTAS";
  EXPECT_EQ(DB_Dll::stSTF(bare, 1), "MA_CUENTAS");
  EXPECT_THROW(DB_Dll::stSTF(bare, 0), rt::Error);
  QString full = "base.dbo.MA_CUENTAS";
  EXPECT_EQ(DB_Dll::stSTF(full, 0), "dbo.MA_CUENTAS");
  EXPECT_EQ(full, "dbo.MA_CUENTAS");

  EXPECT_EQ(DB_Dll::AddBrackets("NUMERO ASIENTO"), "[NUMERO ASIENTO]");
  EXPECT_EQ(DB_Dll::AddBrackets("[NUMERO ASIENTO]"), "[NUMERO ASIENTO]");
  EXPECT_EQ(DB_Dll::AddBrackets("NUMERO"), "NUMERO");
  EXPECT_EQ(DB_Dll::StripConnect("MA_CUENTAS -> cnn"), "MA_CUENTAS");
  EXPECT_EQ(DB_Dll::StripConnect("MA_CUENTAS"), "MA_CUENTAS");
  EXPECT_THROW(DB_Dll::StripConnect("-> cnn"), rt::Error);
  EXPECT_EQ(DB_Dll::StripBrackets("[NUMERO ASIENTO]"), "NUMERO ASIENTO");
  EXPECT_EQ(DB_Dll::StripBrackets("[NUMERO"), "NUMER");
  EXPECT_EQ(DB_Dll::StripBrackets("NUMERO"), "NUMERO");
  QString owned = "dbo.T";
  EXPECT_EQ(DB_Dll::StripOwner(owned), "T");
  EXPECT_EQ(owned, "T");
  EXPECT_EQ(DB_Dll::StripFileName("C:\\datos\\base.mdb"), "C:\\datos");
  EXPECT_EQ(DB_Dll::StripFileName("/datos/base.db"), "/datos");
  EXPECT_EQ(DB_Dll::StripFileName("C:\\datos\\"), "C:\\datos");
  EXPECT_EQ(DB_Dll::StripFileName("base.mdb"), "");
  EXPECT_EQ(DB_Dll::StripFileName(""), "");
}

}  // namespace
