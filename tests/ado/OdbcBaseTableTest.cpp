#include <gtest/gtest.h>

#include "platform/ado/odbc/BaseTable.h"
#include "support/Printers.h"

namespace {

using ado::odbc::singleTable;

TEST(OdbcBaseTable, IsFoundInPlainSelects) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"Select * from TXCLI", "", "TXCLI"},
      {"SELECT * FROM [MA CUENTAS] with (nolock) WHERE codigo = 'A;B' ORDER BY 1", "", "MA CUENTAS"},
      {"select a.x, (select max(y) from OTRA) m from dbo.MV_ASIENTOS a with(nolock) where a.x in (select x from T2)",
       "dbo", "MV_ASIENTOS"},
      {"Select * from \"ta_usuarios\" u where u.nombre like '%from x, y%'", "", "ta_usuarios"},
      {"Select TOP 5 * from Empresa.dbo.V_TA_CPTE -- from A, B\n where 1=1", "dbo", "V_TA_CPTE"},
  };
  for (const auto& [sql, schema, name] : cases) {
    const auto table = singleTable(sql);
    ASSERT_TRUE(table.has_value()) << sql;
    EXPECT_EQ(table->schema, schema) << sql;
    EXPECT_EQ(table->name, name) << sql;
  }
}

TEST(OdbcBaseTable, IsNoneWhenRowsComeFromSeveralTablesOrGroups) {
  for (const char* sql : {"select * from A, B", "select * from A inner join B on A.x = B.x", "select * from A left join B on 1=1",
                          "select x, count(*) from A group by x", "select x from A union select x from B",
                          "select distinct x from A", "select 1", "select * from (select * from A) q"})
    EXPECT_FALSE(singleTable(sql).has_value()) << sql;
}

TEST(OdbcBaseTable, IdentifiersAreQuotedWithTheirQuoteDoubled) {
  EXPECT_EQ(ado::odbc::quoteIdentifier("MA CUENTAS", "["), "[MA CUENTAS]");
  EXPECT_EQ(ado::odbc::quoteIdentifier("a]b", "["), "[a]]b]");
  EXPECT_EQ(ado::odbc::quoteIdentifier("a\"b", "\""), "\"a\"\"b\"");
  EXPECT_EQ(ado::odbc::quoteIdentifier("x", ""), "x");
}

}  // namespace
