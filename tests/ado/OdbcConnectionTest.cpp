// The data-access objects over the ODBC provider: a SQLite file through
// unixODBC and the driver registered as "SQLite3" (not the embedded
// provider, which takes "SQLite3 ODBC Driver" strings).
#include <cstdio>

#include <gtest/gtest.h>

#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/Error.h"
#include "support/Printers.h"
#include "support/TempFolder.h"

namespace {

using namespace ado;

class OdbcConnectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    cn.Open(connectionString());
    long n = 0;
    cn.Execute("create table clientes (codigo integer primary key, nombre varchar(30) not null, saldo money default 0,"
               " alta datetime)");
    cn.Execute("insert into clientes values (1, 'Gómez', 10.5, '2024-01-02 03:04:05')", &n);
    ASSERT_EQ(n, 1);
  }

  QString connectionString() const { return QStringLiteral("DRIVER=SQLite3;Database=%1;").arg(folder.file("datos.db")); }

  // The runtime error `action` raises; 0 when none.
  static long errorOf(const std::function<void()>& action) {
    try {
      action();
    } catch (const rt::Error& e) {
      return e.Number();
    }
    return 0;
  }

  testing_support::TempFolder folder;
  Connection cn;
};

TEST_F(OdbcConnectionTest, ExecuteReportsAffectedRows) {
  EXPECT_EQ(cn.State(), adStateOpen);
  long n = -5;
  cn.Execute("insert into clientes (codigo, nombre) values (2, 'Pérez')", &n);
  EXPECT_EQ(n, 1);
  cn.Execute("update clientes set saldo = saldo + 1", &n);
  EXPECT_EQ(n, 2);
  cn.Execute("delete from clientes where codigo = 99", &n);
  EXPECT_EQ(n, 0);
}

TEST_F(OdbcConnectionTest, AFailingStatementRaisesAndItsEntriesStayInErrors) {
  // The driver's general error (HY000) is a statement's error, as the
  // embedded database reports one, not a lost connection.
  EXPECT_EQ(errorOf([&] { cn.Execute("select * from no_existe"); }), errnum::CommandText);
  ASSERT_GE(cn.Errors().Count(), 1);
  EXPECT_EQ(cn.Errors().Item(0).SQLState, "HY000");
  EXPECT_EQ(cn.Errors().Item(0).NativeError, 1);
  EXPECT_TRUE(cn.Errors().Item(0).Description.contains("no_existe"));

  cn.Execute("update clientes set saldo = 0");
  EXPECT_GE(cn.Errors().Count(), 1);  // kept until cleared
  cn.Errors().Clear();
  EXPECT_EQ(cn.Errors().Count(), 0);
}

TEST_F(OdbcConnectionTest, TransactionsCommitAndRollBack) {
  cn.BeginTrans();
  cn.Execute("insert into clientes (codigo, nombre) values (2, 'Pérez')");
  cn.RollbackTrans();
  cn.BeginTrans();
  cn.Execute("insert into clientes (codigo, nombre) values (3, 'Díaz')");
  cn.CommitTrans();

  Recordset rs;
  rs.Open("select codigo from clientes order by codigo", cn);
  std::vector<rt::Variant> codes;
  for (; !rs.EOF(); rs.MoveNext()) codes.push_back(rs["CODIGO"].Value());
  EXPECT_EQ(codes, (std::vector<rt::Variant>{int32_t(1), int32_t(3)}));
}

TEST_F(OdbcConnectionTest, TheLevelCountsTheOneTransactionOpen) {
  EXPECT_EQ(cn.TransactionLevel(), 0);
  EXPECT_EQ(cn.BeginTrans(), 1);
  EXPECT_EQ(errorOf([&] { cn.BeginTrans(); }), errnum::E_FAIL) << "one level only";
  EXPECT_EQ(cn.TransactionLevel(), 1);
  cn.CommitTrans();
  EXPECT_EQ(cn.TransactionLevel(), 0);
  cn.BeginTrans();
  cn.RollbackTrans();
  EXPECT_EQ(cn.TransactionLevel(), 0);
  cn.BeginTrans();
  cn.Close();
  EXPECT_EQ(cn.TransactionLevel(), 0);
}

TEST_F(OdbcConnectionTest, FieldsCarryTypesAndExactValues) {
  Recordset rs;
  rs.Open("select * from clientes", cn, adOpenStatic, adLockReadOnly);
  EXPECT_EQ(rs.RecordCount(), 1);
  EXPECT_EQ(rs["Nombre"].Type(), adVarChar);
  EXPECT_EQ(rs["Nombre"].DefinedSize(), 30);
  EXPECT_EQ(rs["nombre"].Value(), rt::Variant("Gómez"));
  EXPECT_EQ(rs["saldo"].Type(), adCurrency);
  EXPECT_EQ(rs["saldo"].Value(), rt::Variant(rt::Currency::fromRaw(105000)));
  EXPECT_EQ(rs["alta"].Type(), adDBTimeStamp);
  EXPECT_EQ(rs["alta"].Value(), rt::Variant(rt::MakeDate(2024, 1, 2, 3, 4, 5)));
}

TEST_F(OdbcConnectionTest, AnUpdatableRecordsetWritesToItsTable) {
  Recordset rs;
  rs.Open("select * from clientes", cn, adOpenDynamic, adLockOptimistic);
  rs.AddNew();
  rs["nombre"] = rt::Variant("O'Brien");
  rs.Update();
  EXPECT_EQ(rs["codigo"].Value(), rt::Variant(int32_t(2)));
  EXPECT_EQ(rs["saldo"].Value(), rt::Variant(rt::Currency::fromInt(0)));

  rs.MoveFirst();
  rs["saldo"] = rt::Variant(rt::Currency::fromRaw(12345678));
  rs.Update();
  rs.Close();

  rs.Open("select codigo, nombre, saldo from clientes order by codigo", cn);
  EXPECT_EQ(rs["saldo"].Value(), rt::Variant(rt::Currency::fromRaw(12345678)));
  rs.MoveNext();
  EXPECT_EQ(rs["nombre"].Value(), rt::Variant("O'Brien"));
}

TEST_F(OdbcConnectionTest, SchemasListTablesAndColumns) {
  Recordset tables = cn.OpenSchema(adSchemaTables);
  ASSERT_FALSE(tables.EOF());
  EXPECT_EQ(tables["TABLE_NAME"].Value(), rt::Variant("clientes"));
  EXPECT_EQ(tables["TABLE_TYPE"].Value(), rt::Variant("TABLE"));

  Recordset columns = cn.OpenSchema(adSchemaColumns, {rt::Variant(), rt::Variant(), "CLIENTES"});
  std::vector<rt::Variant> names, types;
  for (; !columns.EOF(); columns.MoveNext()) {
    names.push_back(columns["COLUMN_NAME"].Value());
    types.push_back(columns["DATA_TYPE"].Value());
  }
  EXPECT_EQ(names, (std::vector<rt::Variant>{"codigo", "nombre", "saldo", "alta"}));
  EXPECT_EQ(types, (std::vector<rt::Variant>{int16_t(adInteger), int16_t(adVarChar), int16_t(adCurrency),
                                             int16_t(adDBTimeStamp)}));
}

TEST(OdbcConnectionMissing, AMissingDriverOrDataSourceFillsErrorsWithIM002) {
  for (const char* text : {"DRIVER=Controlador Inexistente;Database=x;",
                           "Provider=OraOLEDB.Oracle.1;Data Source=NoHay;User Id=u;Password=p;"}) {
    Connection cn;
    long number = 0;
    try {
      cn.Open(text);
    } catch (const rt::Error& e) {
      number = e.Number();
    }
    EXPECT_EQ(number, errnum::E_FAIL) << text;
    EXPECT_EQ(cn.State(), adStateClosed) << text;
    ASSERT_GE(cn.Errors().Count(), 1) << text;
    EXPECT_EQ(cn.Errors().Item(0).SQLState, "IM002") << text;
  }
}

}  // namespace
