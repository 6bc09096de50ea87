#include <gtest/gtest.h>

#include "ado/OdbcFixture.h"
#include "platform/ado/Constants.h"
#include "platform/runtime/Dates.h"
#include "support/Printers.h"

namespace {

using namespace ado;
using testing_support::failureOf;
using testing_support::rowsOf;
using Rows = std::vector<std::vector<rt::Variant>>;

constexpr long kRowNotFound = -2147217864;

class OdbcRowWriterTest : public testing_support::OdbcFixture {
 protected:
  void SetUp() override {
    run({"create table clientes (codigo integer primary key, nombre varchar(30) not null, saldo money default 0,"
         " alta datetime)",
         "insert into clientes values (1, 'Gómez', 10.5, '2024-01-02 00:00:00')",
         "insert into clientes values (2, 'Pérez', 20, null)",
         "create table libre (a varchar(10), b integer)", "insert into libre values ('x', null)",
         "insert into libre values ('y', 1)", "insert into libre values ('y', 1)"});
  }

  // The writer and columns of a recordset over `sql`.
  std::unique_ptr<provider::RowWriter> writerFor(const QString& sql) {
    columns = session->open(sql)->columns();
    return session->writerFor(sql, columns);
  }

  std::vector<provider::ColumnInfo> columns;
};

TEST_F(OdbcRowWriterTest, AnInsertReturnsTheRowAsStoredWithItsKeyAndDefaults) {
  auto writer = writerFor("select * from clientes");
  const QString name = "O'Brien; DROP TABLE clientes --";
  const std::vector<rt::Variant> stored =
      writer->insert(columns, {rt::Variant(), name, rt::Variant(), rt::MakeDate(2024, 5, 6, 7, 8, 9)}, {false, true, false, true});
  EXPECT_EQ(stored, (std::vector<rt::Variant>{int32_t(3), name, rt::Currency::fromInt(0), rt::MakeDate(2024, 5, 6, 7, 8, 9)}));
  EXPECT_EQ(scalar("select count(*) from clientes"), rt::Variant(int32_t(3)));
}

TEST_F(OdbcRowWriterTest, AnUpdateFindsTheRowByItsKeyAndWritesOnlyWhatChanged) {
  auto writer = writerFor("select codigo, nombre, saldo from clientes where codigo = 1");
  const std::vector<rt::Variant> original{int32_t(1), "Gómez", rt::Currency::fromRaw(105000)};
  const std::vector<rt::Variant> stored = writer->update(
      columns, original, {int32_t(1), "Gómez", rt::Currency::fromRaw(123456789)}, {false, false, true});
  EXPECT_EQ(stored[2], rt::Variant(rt::Currency::fromRaw(123456789)));
  EXPECT_EQ(rowsOf(*session->open("select codigo, saldo from clientes order by codigo")),
            (Rows{{int32_t(1), rt::Currency::fromRaw(123456789)}, {int32_t(2), rt::Currency::fromInt(20)}}));
}

TEST_F(OdbcRowWriterTest, ARowDeletedMeanwhileIsNotFoundAndNothingIsWritten) {
  auto writer = writerFor("select codigo, nombre from clientes");
  run({"delete from clientes where codigo = 2"});
  const auto f = failureOf([&] { writer->update(columns, {int32_t(2), "Pérez"}, {int32_t(2), "Otro"}, {false, true}); });
  ASSERT_TRUE(f);
  EXPECT_EQ(f->number, kRowNotFound);
  EXPECT_EQ(rowsOf(*session->open("select nombre from clientes")), (Rows{{"Gómez"}}));
}

TEST_F(OdbcRowWriterTest, WithoutAKeyTheOriginalValuesFindTheRowNullsIncluded) {
  auto writer = writerFor("select a, b from libre where a = 'x'");
  writer->update(columns, {"x", rt::Null{}}, {"z", int32_t(5)}, {true, true});
  EXPECT_EQ(rowsOf(*session->open("select a, b from libre order by a")),
            (Rows{{"y", int32_t(1)}, {"y", int32_t(1)}, {"z", int32_t(5)}}));
}

TEST_F(OdbcRowWriterTest, WithoutAKeyTwoEqualRowsAreLeftAlone) {
  auto writer = writerFor("select a, b from libre");
  const auto f = failureOf([&] { writer->update(columns, {"y", int32_t(1)}, {"w", int32_t(1)}, {true, false}); });
  ASSERT_TRUE(f);
  EXPECT_EQ(f->number, errnum::E_FAIL);
  EXPECT_EQ(scalar("select count(*) from libre where a = 'y'"), rt::Variant(int32_t(2)));
}

TEST_F(OdbcRowWriterTest, ExpressionsAreNotWrittenAndJoinsAreNotUpdatable) {
  auto writer = writerFor("select codigo, nombre, nombre || '!' as grito from clientes where codigo = 1");
  writer->update(columns, {int32_t(1), "Gómez", "Gómez!"}, {int32_t(1), "Gómes", "GÓMEZ!"}, {false, true, true});
  EXPECT_EQ(scalar("select nombre from clientes where codigo = 1"), rt::Variant("Gómes"));

  auto join = writerFor("select c.codigo, l.a from clientes c, libre l");
  const auto f = failureOf([&] { join->insert(columns, {int32_t(9), "q"}, {true, true}); });
  ASSERT_TRUE(f);
  EXPECT_EQ(f->number, errnum::NotSupported);
  EXPECT_EQ(scalar("select count(*) from clientes"), rt::Variant(int32_t(2)));
}

TEST_F(OdbcRowWriterTest, AWriterOutlivingItsSessionFindsItClosed) {
  auto writer = writerFor("select codigo, nombre from clientes");
  session.reset();
  const auto f = failureOf([&] { writer->update(columns, {int32_t(1), "Gómez"}, {int32_t(1), "X"}, {false, true}); });
  ASSERT_TRUE(f);
  EXPECT_EQ(f->number, errnum::ConnectionUnusable);
}

}  // namespace
