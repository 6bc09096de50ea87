// The exact texts of the service's lookups, schema changes and literals.
#include <gtest/gtest.h>

#include "data_access/DB_Dll.h"
#include "data_access/LookupSql.h"
#include "support/ErrorNumber.h"
#include "support/Printers.h"

namespace {

using data_access::DB_Dll;
namespace sql = data_access::sql;

struct LookupCase {
  const char* valor;
  const char* campo;
  rt::Variant tipo;
  const char* condicion;
  const char* expected;
};

TEST(LookupText, ExisteEnTabla) {
  const LookupCase cases[] = {
      {" 11201 ", "CODIGO", 8, "", "SELECT TOP 1  * FROM MA_CUENTAS with(nolock)  WHERE LTRIM(RTRIM(CODIGO)) ='11201'"},
      {"11201", "CODIGO", "8", "", "SELECT TOP 1  * FROM MA_CUENTAS with(nolock)  WHERE LTRIM(RTRIM(CODIGO)) ='11201'"},
      {"O'Hara", "Nombre", 8, "", "SELECT TOP 1  * FROM MA_CUENTAS with(nolock)  WHERE LTRIM(RTRIM(Nombre)) ='O''Hara'"},
      {" '01/07/2005' ", "FECHA", 7, "", "SELECT TOP 1 * FROM MA_CUENTAS with(nolock)  WHERE FECHA = '01/07/2005' "},
      {"12", "NUMERO", 3, "", "SELECT TOP 1 * FROM MA_CUENTAS with(nolock)  WHERE NUMERO = 12"},
      {"1234,5", "IMPORTE", 5, "", "SELECT TOP 1 * FROM MA_CUENTAS with(nolock)  WHERE IMPORTE = 1234.5"},
      {" 12.75 ", "IMPORTE", "4", "", "SELECT TOP 1 * FROM MA_CUENTAS with(nolock)  WHERE IMPORTE = 12.75"},
      {"7abc", "NUMERO", 3, "", "SELECT TOP 1 * FROM MA_CUENTAS with(nolock)  WHERE NUMERO = 7"},
      {"'X'", "CLASE", 129, "", "SELECT TOP 1 * FROM MA_CUENTAS with(nolock)  WHERE CLASE = 'X'"},
      {"ignored", "CODIGO", 8, "CODIGO = '1'", "SELECT TOP 1 * FROM MA_CUENTAS with(nolock)  WHERE CODIGO = '1'"},
      {"ignored", "CODIGO", 3, " WHERE CODIGO = '1'", "SELECT TOP 1 * FROM MA_CUENTAS with(nolock)   WHERE CODIGO = '1'"},
      {"", "CODIGO", 8, " where X = 1", "SELECT TOP 1 * FROM MA_CUENTAS with(nolock)   where X = 1"},
  };
  for (const LookupCase& c : cases)
    EXPECT_EQ(sql::ExisteEnTabla("MA_CUENTAS", c.valor, c.campo, c.tipo, c.condicion), QString::fromUtf8(c.expected))
        << c.expected;
}

// A number text beyond a double never reaches SQL as "INF": it overflows,
// as the runtime's own reading of it does.
TEST(LookupText, ANumberBeyondADoubleOverflows) {
  for (const char* valor : {"1e400", "-1E999", " 1e400 "}) {
    EXPECT_EQ(testing_support::ErrorNumberOf([&] { sql::ExisteEnTabla("T", valor, "NUMERO", 3, ""); }), rt::err::Overflow)
        << valor;
    EXPECT_EQ(testing_support::ErrorNumberOf([&] { sql::DatosTabla("T", valor, "NUMERO", 5, "", true); }),
              rt::err::Overflow)
        << valor;
  }
}

TEST(LookupText, ExisteEnTablaST) {
  const LookupCase cases[] = {
      {" 11201 ", "CODIGO", 8, "", "SELECT * FROM MA_CUENTAS with(nolock)   WHERE CODIGO =' 11201 '"},
      {"O'Hara", "Nombre", 8, "", "SELECT * FROM MA_CUENTAS with(nolock)   WHERE Nombre ='O''Hara'"},
      {" '01/07/2005' ", "FECHA", 7, "", "SELECT * FROM MA_CUENTAS with(nolock)   WHERE FECHA = '01/07/2005' "},
      {"1.234,5", "IMPORTE", 5, "", "SELECT * FROM MA_CUENTAS with(nolock)   WHERE IMPORTE = 1234.5"},
      {"X", "CLASE", 200, "", "SELECT * FROM MA_CUENTAS with(nolock)   WHERE CLASE = X"},
      {"", "CODIGO", 8, "X=1", "SELECT * FROM MA_CUENTAS with(nolock)   WHERE X=1"},
      {"", "CODIGO", 8, " WHERE X=1", "SELECT * FROM MA_CUENTAS with(nolock)    WHERE X=1"},
  };
  for (const LookupCase& c : cases)
    EXPECT_EQ(sql::ExisteEnTablaST("MA_CUENTAS", c.valor, c.campo, c.tipo, c.condicion), QString::fromUtf8(c.expected))
        << c.expected;
}

TEST(LookupText, DatosTabla) {
  struct Case {
    const char* valor;
    rt::Variant tipo;
    const char* condicion;
    bool usaTrim;
    const char* expected;
  };
  const Case cases[] = {
      {" Ana ", 8, "", true, "SELECT TOP 1 * FROM ta_usuarios with(nolock)  WHERE LTRIM(RTRIM(nombre)) ='Ana' "},
      {" Ana ", 8, "", false, "SELECT TOP 1 * FROM ta_usuarios with(nolock)  WHERE nombre =' Ana ' "},
      {"D'Angelo", 8, "", true, "SELECT TOP 1 * FROM ta_usuarios with(nolock)  WHERE LTRIM(RTRIM(nombre)) ='D''Angelo' "},
      {" 1/7/2005 ", 7, "", true, "SELECT TOP 1 * FROM ta_usuarios with(nolock)  WHERE nombre = '01/07/2005' "},
      {"01/07/2005 13:45", 7, "", true,
       "SELECT TOP 1 * FROM ta_usuarios with(nolock)  WHERE nombre = '01/07/2005 13:45:00' "},
      {"42", 3, "ACTIVO = 1", true, "SELECT TOP 1 * FROM ta_usuarios with(nolock)  WHERE nombre = 42 AND ACTIVO = 1"},
      {"0,5", 4, "", true, "SELECT TOP 1 * FROM ta_usuarios with(nolock)  WHERE nombre = 0.5"},
      {"Ana", 8, "   ", true, "SELECT TOP 1 * FROM ta_usuarios with(nolock)  WHERE LTRIM(RTRIM(nombre)) ='Ana' "},
      {"Ana", 8, " X = 1 ", true,
       "SELECT TOP 1 * FROM ta_usuarios with(nolock)  WHERE LTRIM(RTRIM(nombre)) ='Ana'  AND  X = 1 "},
      {"'Ana'", 202, "", true, "SELECT TOP 1 * FROM ta_usuarios with(nolock)  WHERE nombre = 'Ana'"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(sql::DatosTabla("ta_usuarios", c.valor, "nombre", c.tipo, c.condicion, c.usaTrim),
              QString::fromUtf8(c.expected))
        << c.expected;
}

TEST(LookupText, ExtremeValues) {
  EXPECT_EQ(sql::BuscaMaximo("MV_ASIENTOS", "NUMERO", std::nullopt), "SELECT MAX(NUMERO) AS MAYOR FROM MV_ASIENTOS");
  EXPECT_EQ(sql::BuscaMaximo("MV_ASIENTOS", "NUMERO", QString("  PERIODO = 1 ")),
            "SELECT MAX(NUMERO) AS MAYOR FROM MV_ASIENTOS WHERE PERIODO = 1");
  // A condition given but empty still adds its WHERE.
  EXPECT_EQ(sql::BuscaMaximo("MV_ASIENTOS", "NUMERO", QString()), "SELECT MAX(NUMERO) AS MAYOR FROM MV_ASIENTOS WHERE ");
  EXPECT_EQ(sql::BuscaMinimo("MV_ASIENTOS", "NUMERO", std::nullopt),
            "SELECT MIN(NUMERO) AS MENOR FROM MV_ASIENTOS  with(nolock) ");
  EXPECT_EQ(sql::BuscaMinimo("MV_ASIENTOS", "NUMERO", QString(" X = 1 ")),
            "SELECT MIN(NUMERO) AS MENOR FROM MV_ASIENTOS  with(nolock)  WHERE X = 1");
  EXPECT_EQ(sql::BuscaMinimo("MV_ASIENTOS", "NUMERO", QString()),
            "SELECT MIN(NUMERO) AS MENOR FROM MV_ASIENTOS  with(nolock)  WHERE ");
  EXPECT_EQ(sql::BuscaUltimoCodigo("MA_CUENTAS", "CODIGO", ""), "SELECT MAX(CODIGO) AS MAYOR FROM MA_CUENTAS");
  EXPECT_EQ(sql::BuscaUltimoCodigo("MA_CUENTAS", "CODIGO", "   "), "SELECT MAX(CODIGO) AS MAYOR FROM MA_CUENTAS");
  EXPECT_EQ(sql::BuscaUltimoCodigo("MA_CUENTAS", "CODIGO", " X = 1 "),
            "SELECT MAX(CODIGO) AS MAYOR FROM MA_CUENTAS WHERE  X = 1 ");
}

TEST(LookupText, AddField) {
  EXPECT_EQ(sql::AddField("T", "C", "int", false, rt::Variant(0)),
            "ALTER TABLE dbo.T ADD C int Not Null  CONSTRAINT DF_T_C DEFAULT (0)");
  EXPECT_EQ(sql::AddField("T", "C", "varchar(10)", true, std::nullopt), "ALTER TABLE dbo.T ADD C varchar(10) Null ");
  EXPECT_EQ(sql::AddField("T ", " C", "char(4)", true, rt::Variant("'   1'")),
            "ALTER TABLE dbo.T  ADD  C char(4) Null  CONSTRAINT DF_T_C DEFAULT ('   1')");
  EXPECT_EQ(sql::AddField("T", "C", "int", true, rt::Variant::null()),
            "ALTER TABLE dbo.T ADD C int Null  CONSTRAINT DF_T_C DEFAULT ()");
}

TEST(LookupText, AddFieldOnOracle) {
  EXPECT_EQ(sql::AddField("T", "C", "int", false, rt::Variant(0), true),
            "ALTER TABLE T ADD (C NUMBER(10) DEFAULT 0 NOT NULL)");
  EXPECT_EQ(sql::AddField("T ", " C", "nvarchar(30)", true, std::nullopt, true),
            "ALTER TABLE T ADD (C NVARCHAR2(30) NULL)");
  EXPECT_EQ(sql::AddField("T", "C", "char(4)", false, rt::Variant("'   1'"), true),
            "ALTER TABLE T ADD (C CHAR(4) DEFAULT '   1' NOT NULL)");
  EXPECT_EQ(sql::AddField("T", "C", "datetime", true, rt::Variant::null(), true),
            "ALTER TABLE T ADD (C DATE DEFAULT NULL NULL)");
  const std::pair<const char*, const char*> types[] = {
      {"bit", "NUMBER(1)"},          {"TinyInt", "NUMBER(3)"},         {"smallint", "NUMBER(5)"},
      {"int", "NUMBER(10)"},         {"bigint", "NUMBER(19)"},         {"money", "NUMBER(19,4)"},
      {"decimal(12, 4)", "NUMBER(12,4)"}, {"numeric", "NUMBER(18,0)"}, {"float", "FLOAT(53)"},
      {"float(24)", "FLOAT(24)"},    {"datetime", "DATE"},             {"smalldatetime", "DATE"},
      {"varchar(25)", "VARCHAR2(25)"}, {"varchar(max)", "CLOB"},       {"nvarchar (50)", "NVARCHAR2(50)"},
      {"ntext", "NCLOB"},            {"text", "CLOB"},                 {"image", "BLOB"},
      {"varbinary(16)", "RAW(16)"},  {"NUMBER(10)", "NUMBER(10)"},     {"uniqueidentifier", "uniqueidentifier"},
  };
  for (const auto& [sqlServer, oracle] : types) EXPECT_EQ(sql::OracleType(sqlServer), oracle) << sqlServer;
}

TEST(SQLValue, RendersEachKind) {
  struct Case {
    rt::Variant valor;
    const char* tipo;
    const char* expected;
  };
  const Case cases[] = {
      {"ABC", "'", "'ABC'"},
      {"", "'", "''"},
      {"O'Hara", "'", "'O''Hara'"},
      {rt::Variant::null(), "'", "NULL"},
      {"12,50", "@", "12.5"},
      {"1234.50", "@", "1234.5"},
      {"1,23456", "@", "1.2346"},
      {"-3", "@", "-3"},
      {"", "@", "0"},
      {rt::Variant::null(), "@", "0"},
      {1234.5, "@", "1234.5"},
      {17, "", "17"},
      {12.5, "", "12.5"},
      {rt::Currency::fromRaw(123456), "", "12.3456"},
      {"texto sin comillas", "", "texto sin comillas"},
      {rt::Variant::null(), "", "NULL"},
      {rt::Variant::null(), "x", "NULL"},
  };
  for (const Case& c : cases) EXPECT_EQ(DB_Dll::SQLValue(c.valor, c.tipo), QString::fromUtf8(c.expected)) << c.expected;
  EXPECT_EQ(DB_Dll::SQLValue("ABC"), "'ABC'");
  try {
    DB_Dll::SQLValue("abc", "@");
    ADD_FAILURE() << "a text that is no number became a number literal";
  } catch (const rt::Error& e) {
    EXPECT_EQ(e.Number(), 13);
  }
}

}  // namespace
