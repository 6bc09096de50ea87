#include <gtest/gtest.h>

#include "ado/OdbcFixture.h"
#include "platform/ado/Constants.h"
#include "support/Printers.h"

namespace {

using namespace ado;
using testing_support::failureOf;
using testing_support::rowsOf;

class OdbcSchemaTest : public testing_support::OdbcFixture {
 protected:
  void SetUp() override {
    run({"create table T_A (codigo integer primary key, nombre varchar(10) not null default 'nadie', saldo money,"
         " alta datetime)",
         "create table TXA (x integer)", "create view V_A as select codigo from T_A"});
  }

  // The named columns of a schema's rows.
  std::vector<std::vector<rt::Variant>> schema(int kind, std::vector<rt::Variant> restrictions,
                                               std::initializer_list<const char*> names) {
    auto cursor = session->schema(kind, restrictions);
    std::vector<size_t> at;
    for (const char* n : names)
      for (size_t i = 0; i < cursor->columns().size(); ++i)
        if (cursor->columns()[i].name == n) at.push_back(i);
    EXPECT_EQ(at.size(), names.size());
    std::vector<std::vector<rt::Variant>> picked;
    for (const auto& row : rowsOf(*cursor)) {
      std::vector<rt::Variant> r;
      for (size_t i : at) r.push_back(row[i]);
      picked.push_back(r);
    }
    return picked;
  }
};

TEST_F(OdbcSchemaTest, TablesCarryAdosColumnsAndExactNames) {
  auto all = schema(adSchemaTables, {}, {"TABLE_CATALOG", "TABLE_NAME", "TABLE_TYPE"});
  EXPECT_EQ(all, (std::vector<std::vector<rt::Variant>>{
                     {rt::Null{}, "T_A", "TABLE"}, {rt::Null{}, "TXA", "TABLE"}, {rt::Null{}, "V_A", "VIEW"}}));
  // "_" is no wildcard in a restriction, and case does not matter.
  EXPECT_EQ(schema(adSchemaTables, {rt::Variant(), rt::Variant(), "t_a"}, {"TABLE_NAME"}),
            (std::vector<std::vector<rt::Variant>>{{"T_A"}}));
  EXPECT_EQ(schema(adSchemaTables, {rt::Null{}, rt::Null{}, rt::Null{}, "VIEW"}, {"TABLE_NAME"}),
            (std::vector<std::vector<rt::Variant>>{{"V_A"}}));
}

TEST_F(OdbcSchemaTest, ColumnsCarryAdoTypeCodesInTheirOrder) {
  auto columns = schema(adSchemaColumns, {rt::Variant(), rt::Variant(), "T_A"},
                        {"TABLE_NAME", "COLUMN_NAME", "ORDINAL_POSITION", "DATA_TYPE", "IS_NULLABLE",
                         "CHARACTER_MAXIMUM_LENGTH", "COLUMN_HASDEFAULT"});
  using V = rt::Variant;
  EXPECT_EQ(columns, (std::vector<std::vector<rt::Variant>>{
                         {"T_A", "codigo", int32_t(1), int16_t(adInteger), true, V(rt::Null{}), false},
                         {"T_A", "nombre", int32_t(2), int16_t(adVarChar), false, int32_t(10), true},
                         {"T_A", "saldo", int32_t(3), int16_t(adCurrency), true, V(rt::Null{}), false},
                         {"T_A", "alta", int32_t(4), int16_t(adDBTimeStamp), true, V(rt::Null{}), false}}));
  EXPECT_EQ(schema(adSchemaColumns, {"", "", "t_a", "NOMBRE"}, {"COLUMN_NAME"}),
            (std::vector<std::vector<rt::Variant>>{{"nombre"}}));
}

TEST_F(OdbcSchemaTest, OtherSchemasAreNotOffered) {
  const auto f = failureOf([&] { session->schema(12, {}); });
  ASSERT_TRUE(f);
  EXPECT_EQ(f->number, errnum::NotSupported);
}

}  // namespace
