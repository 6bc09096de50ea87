#include <gtest/gtest.h>

#include "ado/SuiteSchema.h"
#include "platform/ado/Constants.h"
#include "platform/ado/provider/Provider.h"
#include "platform/ado/sqlite/TranslationCache.h"
#include "platform/ado/sqlite/TsqlTranslator.h"
#include "support/Printers.h"

using ado::sqlite::Statement;
using ado::sqlite::Translate;
using ado::sqlite::Unsupported;
using Kind = ado::sqlite::Statement::Kind;
using Params = std::vector<rt::Variant>;

namespace {

QString Q(const char* s) { return QString::fromUtf8(s); }
rt::Variant T(const char* s) { return rt::Variant(QString::fromUtf8(s)); }
rt::Variant L(int32_t v) { return rt::Variant(v); }

const SuiteSchema& Schema() {
  static const SuiteSchema schema;
  return schema;
}

Statement One(const char* tsql, const ado::sqlite::SchemaInfo& schema = Schema()) {
  auto statements = Translate(Q(tsql), schema);
  EXPECT_EQ(statements.size(), 1u) << tsql;
  return statements.empty() ? Statement{} : statements.front();
}

std::vector<Kind> Kinds(const std::vector<Statement>& statements) {
  std::vector<Kind> kinds;
  for (const Statement& s : statements) kinds.push_back(s.kind);
  return kinds;
}

struct Case {
  const char* tsql;
  const char* sql;
  Params params;
};

void ExpectTranslations(const std::vector<Case>& cases) {
  for (const Case& c : cases) {
    const Statement s = One(c.tsql);
    EXPECT_EQ(s.kind, Kind::Sql) << c.tsql;
    EXPECT_EQ(s.sql, Q(c.sql)) << c.tsql;
    EXPECT_EQ(s.params, c.params) << c.tsql;
  }
}

TEST(TsqlTranslator, LookupsAsTheProgramWritesThem) {
  ExpectTranslations({
      {"SELECT TOP 1  * FROM MA_CUENTAS with(nolock)  WHERE LTRIM(RTRIM(Codigo)) ='112010042'",
       "SELECT * FROM MA_CUENTAS WHERE LTRIM(RTRIM(Codigo)) =? COLLATE CI_AS LIMIT 1", {T("112010042")}},
      {"SELECT TOP 1 * FROM MA_CUENTAS with(nolock)  WHERE LTRIM(RTRIM(Codigo)) ='112010042'  AND TipoVista = 'CL'",
       "SELECT * FROM MA_CUENTAS WHERE LTRIM(RTRIM(Codigo)) =? COLLATE CI_AS AND TipoVista = ? COLLATE CI_AS LIMIT 1",
       {T("112010042"), T("CL")}},
      {"SELECT * FROM MA_CUENTAS with(nolock)   WHERE Codigo ='112010042'",
       "SELECT * FROM MA_CUENTAS WHERE Codigo =? COLLATE CI_AS", {T("112010042")}},
      {"SELECT TOP 1 * FROM V_TA_CPTE with(nolock)  WHERE Talonario = 3",
       "SELECT * FROM V_TA_CPTE WHERE Talonario = ? LIMIT 1", {L(3)}},
      {"SELECT MIN(CODIGO) AS MENOR FROM MA_CUENTAS  with(nolock)  WHERE TipoVista = 'CL'",
       "SELECT MIN(CODIGO) AS MENOR FROM MA_CUENTAS WHERE TipoVista = ? COLLATE CI_AS", {T("CL")}},
      {"select  top 1 * from AUX_ERR  with(nolock) ", "select * from AUX_ERR LIMIT 1", {}},
      {"SELECT VALOR, valoraux FROM TA_CONFIGURACION with(nolock)  WHERE CLAVE = '[FECHA HASTA]'",
       "SELECT VALOR, valoraux FROM TA_CONFIGURACION WHERE CLAVE = ? COLLATE CI_AS", {T("[FECHA HASTA]")}},
      {"SELECT MAX([NUMERO ASIENTO]) AS [NRO_ASIENTO] FROM MV_ASIENTOS WITH(NOLOCK) WHERE MES_OPERATIVO = 7 AND "
       "(TIPO_REG = '\xC3\xBFRS' OR TIPO_REG = '') AND PERIODO = 1",
       "SELECT MAX([NUMERO ASIENTO]) AS [NRO_ASIENTO] FROM MV_ASIENTOS WHERE MES_OPERATIVO = ? AND "
       "(TIPO_REG = ? COLLATE CI_AS OR TIPO_REG = ? COLLATE CI_AS) AND PERIODO = ?",
       {L(7), T("\xC3\xBFRS"), T(""), L(1)}},
      {"SELECT * FROM MV_ASIENTOS  with(nolock)  INNER JOIN MA_CUENTAS ON  MV_ASIENTOS.CUENTA = MA_CUENTAS.CODIGO  "
       "WHERE MA_CUENTAS.TipoVista = 'CL' AND TC = 'FC' AND SUCURSAL = '0001' AND NUMERO = '00000123' AND LETRA = 'A'",
       "SELECT * FROM MV_ASIENTOS INNER JOIN MA_CUENTAS ON MV_ASIENTOS.CUENTA = MA_CUENTAS.CODIGO "
       "WHERE MA_CUENTAS.TipoVista = ? COLLATE CI_AS AND TC = ? COLLATE CI_AS AND SUCURSAL = ? COLLATE CI_AS "
       "AND NUMERO = ? COLLATE CI_AS AND LETRA = ? COLLATE CI_AS",
       {T("CL"), T("FC"), T("0001"), T("00000123"), T("A")}},
      {"SELECT MAX(IDCOMPROBANTE) AS ULTIMO From V_MV_STOCK  with(nolock) WHERE TC = 'AJP' AND "
       "SUBSTRING(IDCOMPROBANTE, 1, 4)= '0001' AND SUBSTRING(IDCOMPROBANTE, 13, 1)= 'A'",
       "SELECT MAX(IDCOMPROBANTE) AS ULTIMO From V_MV_STOCK WHERE TC = ? COLLATE CI_AS AND "
       "SUBSTR(IDCOMPROBANTE, ?, ?)= ? COLLATE CI_AS AND SUBSTR(IDCOMPROBANTE, ?, ?)= ? COLLATE CI_AS",
       {T("AJP"), L(1), L(4), T("0001"), L(13), L(1), T("A")}},
      {"SELECT * FROM STK_SERIES_Y_LOTES WHERE IdArticulo = 'A1' AND CANTIDAD > 0  AND IDDEPOSITO =    1 and not "
       "nrolote is null ORDER BY NROLOTE",
       "SELECT * FROM STK_SERIES_Y_LOTES WHERE IdArticulo = ? COLLATE CI_AS AND CANTIDAD > ? AND IDDEPOSITO = ? and "
       "not nrolote is null ORDER BY NROLOTE",
       {T("A1"), L(0), L(1)}},
      {"SELECT *,IDUNIDAD AS UDBASE , ISNULL(UD_TTE,IDUNIDAD) AS IDUNIDAD FROM V_MA_ARTICULOS WHERE CODIGOBARRADUN = '779'",
       "SELECT *,IDUNIDAD AS UDBASE, IFNULL(UD_TTE,IDUNIDAD) AS IDUNIDAD FROM V_MA_ARTICULOS WHERE CODIGOBARRADUN = ? "
       "COLLATE CI_AS",
       {T("779")}},
      {"SELECT TA_TAREAS.USUARIO, TA_MENU.Proceso, TA_MENU.Clave , TA_MENU.Nombre  FROM TA_TAREAS  with(nolock) INNER "
       "JOIN TA_MENU ON TA_TAREAS.TAREA = TA_MENU.Clave  WHERE (TA_TAREAS.USUARIO = 'OPERADOR ') AND (TA_MENU.Proceso "
       "LIKE '%importar_tavernix%')",
       "SELECT TA_TAREAS.USUARIO, TA_MENU.Proceso, TA_MENU.Clave, TA_MENU.Nombre FROM TA_TAREAS INNER JOIN TA_MENU ON "
       "TA_TAREAS.TAREA = TA_MENU.Clave WHERE (TA_TAREAS.USUARIO = ? COLLATE CI_AS) AND (TA_MENU.Proceso LIKE ? "
       "COLLATE CI_AS)",
       {T("OPERADOR "), T("%importar_tavernix%")}},
      {"SELECT * FROM  S_TA_EQUIV  with(nolock)  WHERE IdArticulo = 'A1' AND IDUNIDAD = 'KG  ' AND IDUNIDAD_EQUIV = "
       "'UN  '",
       "SELECT * FROM S_TA_EQUIV WHERE IdArticulo = ? COLLATE CI_AS AND IDUNIDAD = ? COLLATE CI_AS AND IDUNIDAD_EQUIV = ? "
       "COLLATE CI_AS",
       {T("A1"), T("KG  "), T("UN  ")}},
      {"select * from ma_cuentas where substring(codigo,1,5) >= '11201' order by codigo",
       "select * from ma_cuentas where SUBSTR(codigo,?,?) >= ? COLLATE CI_AS order by codigo", {L(1), L(5), T("11201")}},
      {"SELECT * FROM V_TA_CPTE WHERE  CODIGO = 'FC  ' AND UNEGOCIO = '   1'  ORDER BY TALONARIO",
       "SELECT * FROM V_TA_CPTE WHERE CODIGO = ? COLLATE CI_AS AND UNEGOCIO = ? COLLATE CI_AS ORDER BY TALONARIO",
       {T("FC  "), T("   1")}},
      {"SELECT TOP 1000 DESCRIPCION,IDARTICULO FROM VT_MA_ARTICULOS  with(nolock)  WHERE SUSPENDIDO = 0 ORDER BY "
       "DESCRIPCION",
       "SELECT DESCRIPCION,IDARTICULO FROM VT_MA_ARTICULOS WHERE SUSPENDIDO = ? ORDER BY DESCRIPCION LIMIT 1000", {L(0)}},
      {"SELECT     TOP 100 PERCENT IdFamilia, Descripcion, (SELECT     TOP 1 idfamilia FROM v_ta_familias a   Where "
       "a.IdFamilia < b.IdFamilia And (Len(LTrim(RTrim(a.IdFamilia))) < Len(LTrim(RTrim(b.IdFamilia))))  ORDER BY "
       "idfamilia DESC) AS [relative] FROM dbo.V_TA_FAMILIAS b ORDER BY IdFamilia",
       "SELECT IdFamilia, Descripcion, (SELECT idfamilia FROM v_ta_familias a Where a.IdFamilia < b.IdFamilia And "
       "(Len(LTrim(RTrim(a.IdFamilia))) < Len(LTrim(RTrim(b.IdFamilia)))) ORDER BY idfamilia DESC LIMIT 1) AS "
       "[relative] FROM V_TA_FAMILIAS b ORDER BY IdFamilia",
       {}},
  });
}

TEST(TsqlTranslator, DataChangesAsTheProgramWritesThem) {
  ExpectTranslations({
      {"DELETE MV_ASIENTOS", "DELETE FROM MV_ASIENTOS", {}},
      {"DELETE FROM MV_ASIENTOS WHERE TC = 'FC'", "DELETE FROM MV_ASIENTOS WHERE TC = ? COLLATE CI_AS", {T("FC")}},
      {"DELETE V_MV_CTROL_CPTE WHERE TC = 'FC  ' AND SUCURSAL = '0001' AND NUMERO = '00000123' AND LETRA = 'A'",
       "DELETE FROM V_MV_CTROL_CPTE WHERE TC = ? COLLATE CI_AS AND SUCURSAL = ? COLLATE CI_AS AND NUMERO = ? COLLATE "
       "CI_AS AND LETRA = ? COLLATE CI_AS",
       {T("FC  "), T("0001"), T("00000123"), T("A")}},
      {"INSERT INTO MA_CUENTAS (CODIGO,DESCRIPCION) VALUES('112010025','Completar')",
       "INSERT INTO MA_CUENTAS (CODIGO,DESCRIPCION) VALUES(?,?)", {T("112010025"), T("Completar")}},
      {"INSERT INTO MV_EJERCICIOS (PERIODO,DESCRIPCION,[FECHA DESDE],[FECHA HASTA]) VALUES(0,'Ejercicio "
       "Anterior','01/01/1994','30/06/2005')",
       "INSERT INTO MV_EJERCICIOS (PERIODO,DESCRIPCION,[FECHA DESDE],[FECHA HASTA]) VALUES(?,?,?,?)",
       {L(0), T("Ejercicio Anterior"), T("1994-01-01"), T("2005-06-30")}},
      {" UPDATE V_TA_CPTE SET A_ULTIMO_NRO = 00000124 WHERE CODIGO = 'FC  ' AND TALONARIO=1",
       "UPDATE V_TA_CPTE SET A_ULTIMO_NRO = ? WHERE CODIGO = ? COLLATE CI_AS AND TALONARIO=?",
       {L(124), T("FC  "), L(1)}},
      {"UPDATE V_TA_CPTE SET A_ULTIMO_NRO = 124,fechahora_modificacion = '05/03/24 13:45'  WHERE CODIGO = 'FC  '",
       "UPDATE V_TA_CPTE SET A_ULTIMO_NRO = ?,fechahora_modificacion = ? WHERE CODIGO = ? COLLATE CI_AS",
       {L(124), T("2024-03-05 13:45:00"), T("FC  ")}},
      {"INSERT INTO MV_ASIENTOS (Tipo_Reg,Fecha,Cuenta,Importe,fechahora_grabacion) VALUES "
       "('','05/03/2006','112010025',-121.5,'05/03/06 09:30')",
       "INSERT INTO MV_ASIENTOS (Tipo_Reg,Fecha,Cuenta,Importe,fechahora_grabacion) VALUES (?,?,?,-?,?)",
       {T(""), T("2006-03-05"), T("112010025"), rt::Variant(121.5), T("2006-03-05 09:30:00")}},
  });
}

TEST(TsqlTranslator, TableHintsGoInEverySpelling) {
  const char* expected = "SELECT * FROM MA_CUENTAS WHERE CODIGO = ? COLLATE CI_AS";
  for (const char* tsql : {"SELECT * FROM MA_CUENTAS with(nolock) WHERE CODIGO = 'x'",
                           "SELECT * FROM MA_CUENTAS WITH(NOLOCK) WHERE CODIGO = 'x'",
                           "SELECT * FROM MA_CUENTAS with (nolock) WHERE CODIGO = 'x'",
                           "SELECT * FROM MA_CUENTAS WITH ( NOLOCK ) WHERE CODIGO = 'x'",
                           "SELECT * FROM MA_CUENTAS (NOLOCK) WHERE CODIGO = 'x'",
                           "SELECT * FROM MA_CUENTAS WITH (ROWLOCK, UPDLOCK) WHERE CODIGO = 'x'",
                           "SELECT * FROM MA_CUENTAS (HOLDLOCK) WHERE CODIGO = 'x'",
                           "SELECT * FROM dbo.MA_CUENTAS with(nolock) WHERE CODIGO = 'x'",
                           "SELECT * FROM [dbo].MA_CUENTAS WHERE CODIGO = 'x'"})
    EXPECT_EQ(One(tsql).sql, Q(expected)) << tsql;
  EXPECT_EQ(One("SELECT c.* FROM MA_CUENTAS c WITH (NOLOCK) WHERE c.CODIGO = 'x'").sql,
            "SELECT c.* FROM MA_CUENTAS c WHERE c.CODIGO = ? COLLATE CI_AS");
  EXPECT_EQ(One("UPDATE MA_CUENTAS WITH (ROWLOCK) SET DESCRIPCION = 'y' WHERE CODIGO = 'x'").sql,
            "UPDATE MA_CUENTAS SET DESCRIPCION = ? WHERE CODIGO = ? COLLATE CI_AS");
  EXPECT_EQ(One("SELECT * FROM [dbo].[MA_CUENTAS]").sql, "SELECT * FROM [MA_CUENTAS]");
}

TEST(TsqlTranslator, TopBecomesLimitOfItsOwnSelect) {
  ExpectTranslations({
      {"SELECT TOP (5) CODIGO FROM MA_CUENTAS ORDER BY CODIGO", "SELECT CODIGO FROM MA_CUENTAS ORDER BY CODIGO LIMIT 5", {}},
      {"SELECT DISTINCT TOP 2 TC FROM V_MV_CPTE", "SELECT DISTINCT TC FROM V_MV_CPTE LIMIT 2", {}},
      {"SELECT * FROM V_MV_CPTE WHERE Cuenta IN (SELECT TOP 3 CODIGO FROM MA_CUENTAS ORDER BY CODIGO DESC) AND TC = 'FC'",
       "SELECT * FROM V_MV_CPTE WHERE Cuenta IN (SELECT CODIGO FROM MA_CUENTAS ORDER BY CODIGO DESC LIMIT 3) AND TC = ? "
       "COLLATE CI_AS",
       {T("FC")}},
      {"INSERT INTO MA_CUENTAS (CODIGO) SELECT TOP 1 CODIGO FROM MA_CUENTAS WHERE TipoVista = 'CL'",
       "INSERT INTO MA_CUENTAS (CODIGO) SELECT CODIGO FROM MA_CUENTAS WHERE TipoVista = ? COLLATE CI_AS LIMIT 1",
       {T("CL")}},
      // Column positions in ORDER BY stay positions.
      {"SELECT TC, COUNT(*) FROM V_MV_CPTE GROUP BY TC ORDER BY 2 DESC, 1",
       "SELECT TC, COUNT(*) FROM V_MV_CPTE GROUP BY TC ORDER BY 2 DESC, 1", {}},
  });
}

TEST(TsqlTranslator, FunctionsAndOperatorsWithTheSameMeaning) {
  ExpectTranslations({
      {"SELECT ISNULL(SUM(Importe), 0) + 1 AS T FROM MV_ASIENTOS WHERE Cuenta <> 'X'",
       "SELECT TEXT_TO(IFNULL(SUM(Importe), ?), 'int') + ? AS T FROM MV_ASIENTOS WHERE Cuenta <> ? COLLATE CI_AS",
       {L(0), L(1), T("X")}},
      {"UPDATE V_TA_CPTE SET A_ULTIMO_NRO = A_ULTIMO_NRO + 1 WHERE CODIGO = 'FC'",
       "UPDATE V_TA_CPTE SET A_ULTIMO_NRO = TEXT_TO(A_ULTIMO_NRO, 'int') + ? WHERE CODIGO = ? COLLATE CI_AS",
       {L(1), T("FC")}},
      {"SELECT CAST(CODIGO AS INT), CONVERT(float, Importe) FROM MV_ASIENTOS",
       "SELECT CAST(CONVERT_TO(CODIGO, 'int') AS INTEGER), CAST(Importe AS REAL) FROM MV_ASIENTOS", {}},
      {"SELECT * FROM V_MV_CPTE WHERE Fecha <= GETDATE()",
       "SELECT * FROM V_MV_CPTE WHERE Fecha <= datetime('now','localtime')", {}},
      {"SELECT UPPER(TC) AS [Tipo], LEN(IdComprobante) FROM V_MV_CPTE WHERE TC !< 'A' AND TC !> 'Z'",
       "SELECT UPPER(TC) AS [Tipo], LEN(IdComprobante) FROM V_MV_CPTE WHERE TC >= ? COLLATE CI_AS AND TC <= ? COLLATE "
       "CI_AS",
       {T("A"), T("Z")}},
      {"SELECT CASE TC WHEN 'fc' THEN 'Factura' ELSE 'Otro' END AS N FROM V_MV_CPTE",
       "SELECT CASE TC WHEN ? COLLATE CI_AS THEN ? ELSE ? END AS N FROM V_MV_CPTE",
       {T("fc"), T("Factura"), T("Otro")}},
      {"SELECT * FROM MA_CUENTAS WHERE CODIGO NOT IN ('1', N'2') AND DESCRIPCION NOT LIKE 'x%' AND 'CL' = TipoVista",
       "SELECT * FROM MA_CUENTAS WHERE CODIGO COLLATE CI_AS NOT IN (?, ?) AND DESCRIPCION NOT LIKE ? COLLATE CI_AS AND ? "
       "COLLATE CI_AS = TipoVista",
       {T("1"), T("2"), T("x%"), T("CL")}},
      {"SELECT * FROM V_MV_CPTE WHERE TC = 'FC'AND NOMBRE LIKE '%a%' AND CUENTA IN ('1')AND ID = 1",
       "SELECT * FROM V_MV_CPTE WHERE TC = ? COLLATE CI_AS AND NOMBRE LIKE ? COLLATE CI_AS AND CUENTA COLLATE CI_AS "
       "IN (?)AND ID = ?",
       {T("FC"), T("%a%"), T("1"), L(1)}},
      {"SELECT \"CODIGO\" FROM MA_CUENTAS", "SELECT [CODIGO] FROM MA_CUENTAS", {}},
      {"SELECT CODIGO AS 'Código' FROM MA_CUENTAS", "SELECT CODIGO AS [Código] FROM MA_CUENTAS", {}},
  });
}

// A value written to a whole-number, bit, money or decimal column is
// converted for it as SQL Server converts it: a literal when it is bound,
// an expression by CONVERT_TO; in UPDATE, INSERT ... VALUES by position and
// INSERT ... SELECT (every SELECT of a UNION, an alias left out).
TEST(TsqlTranslator, ValuesWrittenToTypedColumnsAreConverted) {
  ExpectTranslations({
      {"UPDATE MV_ASIENTOS SET Secuencia = ' 12 ', EsAjuste = 5, Importe = 1.00005, LIVA_ALICIVA = '10.50005', "
       "Cuenta = 1.5",
       "UPDATE MV_ASIENTOS SET Secuencia = ?, EsAjuste = ?, Importe = ?, LIVA_ALICIVA = ?, Cuenta = ?",
       {L(12), L(1), rt::Variant(1.0001), rt::Variant(10.5001), rt::Variant(1.5)}},
      // A number with its sign is a literal: a bit of -5 is bound as -1, which the statement makes 1.
      {"UPDATE MV_ASIENTOS SET Secuencia = Secuencia * 2.5, Periodo = -1, EsAjuste = -5, Importe = ISNULL(Importe, 0) "
       "WHERE Cuenta = 'x'",
       "UPDATE MV_ASIENTOS SET Secuencia = CONVERT_TO(Secuencia * ?, 'int'), Periodo = -?, EsAjuste = -?, "
       "Importe = CONVERT_TO(IFNULL(Importe, ?), 'decimal', 4) WHERE Cuenta = ? COLLATE CI_AS",
       {rt::Variant(2.5), L(1), L(-1), L(0), T("x")}},
      {"INSERT INTO MV_ASIENTOS (Cuenta, Secuencia, Periodo, LIVA_ALICIVA) VALUES ('1', (2), NULL, 1.5 * 2)",
       "INSERT INTO MV_ASIENTOS (Cuenta, Secuencia, Periodo, LIVA_ALICIVA) VALUES (?, CONVERT_TO((?), 'int'), NULL, "
       "CONVERT_TO(? * ?, 'decimal', 4))",
       {T("1"), L(2), rt::Variant(1.5), L(2)}},
      {"INSERT INTO MV_ASIENTOS (Secuencia, EsAjuste, Cuenta) SELECT Secuencia * 2 AS s, '1' n, Cuenta FROM MV_ASIENTOS "
       "UNION ALL SELECT 2.5, EsAjuste, 'x' FROM MV_ASIENTOS",
       "INSERT INTO MV_ASIENTOS (Secuencia, EsAjuste, Cuenta) SELECT CONVERT_TO(Secuencia * ?, 'int') AS s, ? n, Cuenta "
       "FROM MV_ASIENTOS UNION ALL SELECT ?, CONVERT_TO(EsAjuste, 'bit'), ? FROM MV_ASIENTOS",
       {L(2), L(1), L(2), T("x")}},
  });
}

TEST(TsqlTranslator, LiteralsInsideQuotesAndBracketsAreUntouched) {
  const char* text = "with(nolock) -- ; ISNULL( DELETE x TOP 1 [dbo]. /* BEGIN TRANSACTION\r\nINSERT";
  const Statement s = One(
      "INSERT INTO AUX_ERR (Descripcion,SQL) VALUES('O''Brien','with(nolock) -- ; ISNULL( DELETE x TOP 1 [dbo]. /* "
      "BEGIN TRANSACTION\r\nINSERT') -- a comment; DELETE");
  EXPECT_EQ(s.sql, "INSERT INTO AUX_ERR (Descripcion,SQL) VALUES(?,?)");
  EXPECT_EQ(s.params, (Params{T("O'Brien"), T(text)}));

  const Statement apostrophes = One("SELECT * FROM MA_CUENTAS WHERE DESCRIPCION = 'O''Brien''s ''x''' AND CODIGO = ''");
  EXPECT_EQ(apostrophes.params, (Params{T("O'Brien's 'x'"), T("")}));
  ASSERT_TRUE(apostrophes.params[1].stringIf());
  EXPECT_FALSE(apostrophes.params[1].stringIf()->isNull()) << "an empty literal is a value, not Null";

  EXPECT_EQ(One("SELECT [TOP 1], [with(nolock)] FROM [ISNULL(] /* TOP 5 */ WHERE [a'b] = 1").sql,
            "SELECT [TOP 1], [with(nolock)] FROM [ISNULL(] WHERE [a'b] = ?");
}

TEST(TsqlTranslator, DateLiteralsBoundToDateColumnsBecomeIso) {
  struct DateCase {
    const char* tsql;
    const char* sql;
    Params params;
  };
  for (const DateCase& c : std::vector<DateCase>{
           // INSERT without a column list: the table's column order.
           {"INSERT INTO MA_CALENDARIO VALUES ('05/03/2006', 0)", "INSERT INTO MA_CALENDARIO VALUES (?, ?)",
            {T("2006-03-05"), L(0)}},
           {"INSERT MV_EJERCICIOS ([FECHA DESDE], DESCRIPCION) VALUES ('1/7/05', '01/07/2005')",
            "INSERT INTO MV_EJERCICIOS ([FECHA DESDE], DESCRIPCION) VALUES (?, ?)", {T("2005-07-01"), T("01/07/2005")}},
           {"SELECT * FROM V_MV_CPTE WHERE Fecha >= '01/07/2005' AND FechaEstFin < '01/07/2006 13:45:10'",
            "SELECT * FROM V_MV_CPTE WHERE Fecha >= ? AND FechaEstFin < ?", {T("2005-07-01"), T("2006-07-01 13:45:10")}},
           {"SELECT * FROM V_MV_CPTE c WHERE c.Fecha NOT BETWEEN '01/07/2005' AND '30/06/2006' AND c.TC = 'FC'",
            "SELECT * FROM V_MV_CPTE c WHERE c.Fecha NOT BETWEEN ? AND ? AND c.TC = ? COLLATE CI_AS",
            {T("2005-07-01"), T("2006-06-30"), T("FC")}},
           {"SELECT * FROM V_MV_CPTE WHERE Fecha IN ('01/07/2005', '02/07/2005')",
            "SELECT * FROM V_MV_CPTE WHERE Fecha IN (?, ?)", {T("2005-07-01"), T("2005-07-02")}},
           {"SELECT * FROM MV_ASIENTOS a INNER JOIN V_MV_CPTE c ON a.TC = c.TC WHERE '31/12/2005' = c.Fecha",
            "SELECT * FROM MV_ASIENTOS a INNER JOIN V_MV_CPTE c ON a.TC = c.TC WHERE ? = c.Fecha", {T("2005-12-31")}},
           // A correlated subquery sees the outer table.
           {"SELECT * FROM V_MV_CPTE c WHERE EXISTS (SELECT 1 FROM MA_CUENTAS m WHERE m.CODIGO = c.Cuenta AND "
            "c.Fecha = '01/07/2005')",
            "SELECT * FROM V_MV_CPTE c WHERE EXISTS (SELECT ? FROM MA_CUENTAS m WHERE m.CODIGO = c.Cuenta AND c.Fecha = ?)",
            {L(1), T("2005-07-01")}},
           // Text that is not a date is stored as written; a date in a text column stays text.
           {"UPDATE V_MV_CPTE SET Fecha = 'hoy', FechaEstFin = '31/02/2005', TC = '01/07/2005'",
            "UPDATE V_MV_CPTE SET Fecha = ?, FechaEstFin = ?, TC = ?", {T("hoy"), T("31/02/2005"), T("01/07/2005")}},
       }) {
    const Statement s = One(c.tsql);
    EXPECT_EQ(s.sql, Q(c.sql)) << c.tsql;
    EXPECT_EQ(s.params, c.params) << c.tsql;
  }
}

TEST(TsqlTranslator, BatchScriptsSplitIntoTheirStatements) {
  // The batch runner's script: BEGIN TRANSACTION, two empty lines, one
  // statement per line, separated by carriage returns.
  const auto batch = Translate(
      Q("BEGIN TRANSACTION \r\r\rINSERT INTO MA_CUENTAS (CODIGO,DESCRIPCION) VALUES('112010025','Completar')\r"
        "INSERT INTO MV_ASIENTOS (Tipo_Reg,Fecha,Cuenta) VALUES('','05/03/2006','112010025')\r"
        "INSERT INTO V_MV_CPTE (TC,Fecha,IdComprobante) VALUES('FC','05/03/2006','000100000123A')\r"),
      Schema());
  ASSERT_EQ(Kinds(batch), (std::vector<Kind>{Kind::BeginTran, Kind::Sql, Kind::Sql, Kind::Sql}));
  EXPECT_EQ(batch[1].params, (Params{T("112010025"), T("Completar")}));
  EXPECT_EQ(batch[2].sql, "INSERT INTO MV_ASIENTOS (Tipo_Reg,Fecha,Cuenta) VALUES(?,?,?)");
  EXPECT_EQ(batch[2].params, (Params{T(""), T("2006-03-05"), T("112010025")}));
  EXPECT_EQ(batch[3].params, (Params{T("FC"), T("2006-03-05"), T("000100000123A")}));

  struct ScriptCase {
    const char* tsql;
    std::vector<Kind> kinds;
  };
  for (const ScriptCase& c : std::vector<ScriptCase>{
           {"BEGIN TRANSACTION\r\nDELETE MV_ASIENTOS\r\nCOMMIT TRANSACTION", {Kind::BeginTran, Kind::Sql, Kind::CommitTran}},
           {" UPDATE V_TA_CPTE SET A_ULTIMO_NRO = 124 WHERE CODIGO = 'FC  ' AND TALONARIO=1\r\n INSERT INTO "
            "V_MV_CTROL_CPTE (TC,SUCURSAL,NUMERO,LETRA) VALUES ('FC  ','0001','00000123','A')\r\n",
            {Kind::Sql, Kind::Sql}},
           {"DELETE MV_ASIENTOS; ; DELETE MA_CUENTAS;", {Kind::Sql, Kind::Sql}},
           {"begin tran t1 insert into MA_CUENTAS (CODIGO) values ('1') rollback tran t1", {Kind::BeginTran, Kind::Sql, Kind::RollbackTran}},
           {"INSERT INTO MA_CUENTAS (CODIGO)\r\nSELECT CODIGO FROM MV_ASIENTOS\r\nUNION\r\nSELECT Cuenta FROM V_MV_CPTE",
            {Kind::Sql}},
           {"UPDATE MA_CUENTAS\r\nSET DESCRIPCION = 'x'\r\nWHERE CODIGO IN (\r\nSELECT Cuenta\r\nFROM V_MV_CPTE)\r\nSELECT 1",
            {Kind::Sql, Kind::Sql}},
           {"INSERT INTO MA_CUENTAS (CODIGO) VALUES ('1')\r\nSELECT * FROM MA_CUENTAS", {Kind::Sql, Kind::Sql}},
           {"ALTER TABLE MV_ASIENTOS DISABLE TRIGGER ALL", {Kind::NoOp}},
           {"ALTER TABLE dbo.MV_ASIENTOS ENABLE TRIGGER ALL", {Kind::NoOp}},
           {"ALTER TABLE MV_ASIENTOS DISABLE TRIGGER ALL\r\nSELECT * FROM MV_ASIENTOS", {Kind::NoOp, Kind::Sql}},
           {"COMMIT", {Kind::CommitTran}},
           {"ROLLBACK TRANSACTION", {Kind::RollbackTran}},
           {"commit work", {Kind::CommitTran}},
           {"CHECKPOINT", {Kind::Checkpoint}},
           {"DELETE MV_ASIENTOS\r\ncheckpoint", {Kind::Sql, Kind::Checkpoint}},
           {"  \r\n -- nothing to run\r\n", {}},
       }) {
    EXPECT_EQ(Kinds(Translate(Q(c.tsql), Schema())), c.kinds) << c.tsql;
  }
}

TEST(TsqlTranslator, IfExistsCarriesItsTestAndItsStatement) {
  const Statement calendar = One(
      " if not exists (select fecha from ma_calendario where fecha='05/03/2006') insert into ma_calendario "
      "(fecha,nolaborable) values('05/03/2006',0)");
  EXPECT_EQ(calendar.kind, Kind::IfExists);
  EXPECT_TRUE(calendar.negate);
  EXPECT_EQ(calendar.sql, "select fecha from ma_calendario where fecha=?");
  EXPECT_EQ(calendar.params, Params{T("2006-03-05")});
  ASSERT_EQ(calendar.then.size(), 1u);
  EXPECT_EQ(calendar.then[0].kind, Kind::Sql);
  EXPECT_EQ(calendar.then[0].sql, "insert into ma_calendario (fecha,nolaborable) values(?,?)");
  EXPECT_EQ(calendar.then[0].params, (Params{T("2006-03-05"), L(0)}));

  const auto script = Translate(
      Q("IF EXISTS (SELECT TOP 1 * FROM MA_CUENTAS WITH (NOLOCK) WHERE CODIGO = 'x')\r\n"
        "UPDATE MA_CUENTAS SET DESCRIPCION = 'y' WHERE CODIGO = 'x'\r\nDELETE MV_ASIENTOS"),
      Schema());
  ASSERT_EQ(Kinds(script), (std::vector<Kind>{Kind::IfExists, Kind::Sql}));
  EXPECT_FALSE(script[0].negate);
  EXPECT_EQ(script[0].sql, "SELECT * FROM MA_CUENTAS WHERE CODIGO = ? COLLATE CI_AS LIMIT 1");
  ASSERT_EQ(script[0].then.size(), 1u);
  EXPECT_EQ(script[0].then[0].sql, "UPDATE MA_CUENTAS SET DESCRIPCION = ? WHERE CODIGO = ? COLLATE CI_AS");
  EXPECT_EQ(script[0].then[0].params, (Params{T("y"), T("x")}));
  EXPECT_EQ(script[1].sql, "DELETE FROM MV_ASIENTOS");
}

TEST(TsqlTranslator, AddsColumnsWithTheirLiteralsWritten) {
  // A column definition takes no parameters: the literals stand in the text,
  // also when a second statement of the same shape comes from the cache.
  for (const Case& c : std::vector<Case>{
           {"ALTER TABLE dbo.MA_CUENTAS ADD Legajo int Not Null  CONSTRAINT DF_MA_CUENTAS_Legajo DEFAULT (0)",
            "ALTER TABLE MA_CUENTAS ADD COLUMN Legajo int Not Null CONSTRAINT DF_MA_CUENTAS_Legajo DEFAULT (0)", {}},
           {"ALTER TABLE dbo.MA_CUENTAS ADD Legajo int Not Null  CONSTRAINT DF_MA_CUENTAS_Legajo DEFAULT (7)",
            "ALTER TABLE MA_CUENTAS ADD COLUMN Legajo int Not Null CONSTRAINT DF_MA_CUENTAS_Legajo DEFAULT (7)", {}},
           {"ALTER TABLE [dbo].[MA_CUENTAS] ADD Zona char(4) Null  CONSTRAINT DF_MA_CUENTAS_Zona DEFAULT ('D''1')",
            "ALTER TABLE [MA_CUENTAS] ADD COLUMN Zona char(4) COLLATE CI_AS Null CONSTRAINT DF_MA_CUENTAS_Zona "
            "DEFAULT ('D''1')",
            {}},
           {"ALTER TABLE MA_CUENTAS ADD COLUMN [Nota Larga] TEXT",
            "ALTER TABLE MA_CUENTAS ADD COLUMN [Nota Larga] TEXT COLLATE CI_AS", {}},
           // A quote inside a bracketed name stays inside the name.
           {"ALTER TABLE MA_CUENTAS ADD [a\" INT, x INT) --] int",
            "ALTER TABLE MA_CUENTAS ADD COLUMN [a\" INT, x INT) --] int", {}},
           {"ALTER TABLE [MA]]CUENTAS] ADD [a]]b] int", "ALTER TABLE `MA]CUENTAS` ADD COLUMN `a]b` int", {}},
       }) {
    const Statement s = One(c.tsql);
    EXPECT_EQ(s.kind, Kind::Sql) << c.tsql;
    EXPECT_EQ(s.sql, Q(c.sql)) << c.tsql;
    EXPECT_TRUE(s.params.empty()) << c.tsql;
  }
}

// ALTER TABLE names its table as the other statements do: a word, [name] or
// "name", after the owner dbo at most. (A name with another owner or a
// database is refused, as in SELECT: RefusesWhatItCannotCarryOverFaithfully.)
TEST(TsqlTranslator, TablesAreNamedAlikeInEveryStatement) {
  ExpectTranslations({
      {"SELECT * FROM \"dbo\".\"MA_CUENTAS\"", "SELECT * FROM [MA_CUENTAS]", {}},
      {"ALTER TABLE \"dbo\".\"MA_CUENTAS\" ADD \"Nota\" TEXT",
       "ALTER TABLE [MA_CUENTAS] ADD COLUMN [Nota] TEXT COLLATE CI_AS", {}},
      {"SELECT * FROM \"a]b\"", "SELECT * FROM `a]b`", {}},
      {"ALTER TABLE \"a]b\" ADD c INT", "ALTER TABLE `a]b` ADD COLUMN c INT", {}},
      {"ALTER TABLE [Dbo].[a]]b] ADD [c]]2] INT", "ALTER TABLE `a]b` ADD COLUMN `c]2` INT", {}},
      {"ALTER TABLE DBO.\"a\"\"b\" ADD c INT NOT NULL CONSTRAINT \"DF_a\" DEFAULT (0)",
       "ALTER TABLE [a\"b] ADD COLUMN c INT NOT NULL CONSTRAINT [DF_a] DEFAULT (0)", {}},
  });
  EXPECT_EQ(One("ALTER TABLE \"dbo\".\"MV_ASIENTOS\" DISABLE TRIGGER ALL").kind, Kind::NoOp);
}

// A text as an item of ORDER BY would sort by nothing: SQL Server refuses
// it (408, with the item's position), and so does the translation. A
// position, an expression or a text inside one is no such item.
TEST(TsqlTranslator, OrderByATextIsRefusedAsSqlServerRefusesIt) {
  struct Refusal {
    const char* tsql;
    const char* position;
  };
  for (const Refusal& r : std::vector<Refusal>{
           {"SELECT * FROM MA_CUENTAS ORDER BY 'q'", "1"},
           {"SELECT CODIGO FROM MA_CUENTAS ORDER BY CODIGO, N'q' DESC", "2"},
           {"SELECT * FROM MA_CUENTAS ORDER BY (('q')), CODIGO", "1"},
           {"SELECT * FROM (SELECT TOP 5 CODIGO FROM MA_CUENTAS ORDER BY DESCRIPCION, 'q') x ORDER BY CODIGO", "2"},
       }) {
    try {
      Translate(Q(r.tsql), Schema());
      ADD_FAILURE() << "translated: " << r.tsql;
    } catch (const ado::provider::Failure& f) {
      ASSERT_EQ(f.errors.size(), 1u) << r.tsql;
      EXPECT_EQ(f.errors[0].NativeError, 408) << r.tsql;
      EXPECT_EQ(f.errors[0].Number, ado::errnum::CommandText) << r.tsql;
      EXPECT_EQ(f.errors[0].Description,
                Q("Se encontró una expresión constante en la lista ORDER BY, posición ") + Q(r.position) + Q("."))
          << r.tsql;
    }
  }
  ExpectTranslations({
      {"SELECT CODIGO FROM MA_CUENTAS ORDER BY 1", "SELECT CODIGO FROM MA_CUENTAS ORDER BY 1", {}},
      {"SELECT CODIGO FROM MA_CUENTAS ORDER BY CASE WHEN TipoVista = 'CL' THEN 0 ELSE 1 END, CODIGO",
       "SELECT CODIGO FROM MA_CUENTAS ORDER BY CASE WHEN TipoVista = ? COLLATE CI_AS THEN ? ELSE ? END, CODIGO",
       {T("CL"), L(0), L(1)}},
      {"SELECT 'q' AS Marca FROM MA_CUENTAS ORDER BY Marca", "SELECT ? AS Marca FROM MA_CUENTAS ORDER BY Marca",
       {T("q")}},
      // An empty item is left to SQLite, whose syntax error it is.
      {"SELECT CODIGO FROM MA_CUENTAS ORDER BY", "SELECT CODIGO FROM MA_CUENTAS ORDER BY", {}},
      {"SELECT CODIGO FROM MA_CUENTAS GROUP BY CODIGO, ORDER BY 1", "SELECT CODIGO FROM MA_CUENTAS GROUP BY CODIGO, ORDER BY 1",
       {}},
  });
}

// SQL Server doubles a "]" inside brackets; SQLite's brackets cannot hold
// one, so such a name, wherever it stands, goes in grave accents, which
// SQLite never reads as a string. Other names keep their brackets.
TEST(TsqlTranslator, NamesHoldingABracketTranslateEverywhere) {
  ExpectTranslations({
      {"SELECT [a]]b], x.[c]]] FROM [T]]1] x WHERE [a]]b] = 1 ORDER BY [a]]b], 2",
       "SELECT `a]b`, x.`c]` FROM `T]1` x WHERE `a]b` = ? ORDER BY `a]b`, 2", {L(1)}},
      {"UPDATE [T]]1] SET [a]]b] = [a]]b] + 1 WHERE [c]]] = 'x'",
       "UPDATE `T]1` SET `a]b` = TEXT_TO(`a]b`, 'int') + ? WHERE `c]` = ? COLLATE CI_AS", {L(1), T("x")}},
      {"INSERT INTO [T]]1] ([a]]b], [c]]]) VALUES (1, 'x')", "INSERT INTO `T]1` (`a]b`, `c]`) VALUES (?, ?)",
       {L(1), T("x")}},
      {"DELETE [T]]1] WHERE [a]]b] IS NULL", "DELETE FROM `T]1` WHERE `a]b` IS NULL", {}},
      {"SELECT CODIGO AS [c]]d], DESCRIPCION AS 'e]f', TipoVista AS \"g]h\", [x`]]y] AS [Plano] FROM MA_CUENTAS",
       "SELECT CODIGO AS `c]d`, DESCRIPCION AS `e]f`, TipoVista AS `g]h`, `x``]y` AS [Plano] FROM MA_CUENTAS", {}},
      {"SELECT [FECHA DESDE] FROM MV_EJERCICIOS WHERE [FECHA DESDE] = '01/07/2005'",
       "SELECT [FECHA DESDE] FROM MV_EJERCICIOS WHERE [FECHA DESDE] = ?", {T("2005-07-01")}},
  });
}

TEST(TsqlTranslator, RefusesWhatItCannotCarryOverFaithfully) {
  struct Refusal {
    const char* tsql;
    const char* construct;
  };
  for (const Refusal& r : std::vector<Refusal>{
           {"SELECT TOP (@n) * FROM MA_CUENTAS", "TOP con variable"},
           {"SELECT TOP 50 PERCENT * FROM MA_CUENTAS", "TOP 50 PERCENT"},
           {"SELECT TOP 5 WITH TIES * FROM MA_CUENTAS ORDER BY CODIGO", "TOP WITH TIES"},
           {"SELECT TOP 1 CODIGO FROM MA_CUENTAS UNION SELECT Cuenta FROM V_MV_CPTE", "TOP con UNION"},
           {"SELECT CONVERT(VARCHAR(10), Fecha, 103) FROM V_MV_CPTE", "CONVERT con estilo"},
           {"SELECT CAST(Fecha AS VARCHAR(10)) FROM V_MV_CPTE", "CAST a VARCHAR"},
           {"SELECT CODIGO + ' - ' + DESCRIPCION FROM MA_CUENTAS", "concatenación de textos con +"},
           {"SELECT CODIGO + DESCRIPCION FROM MA_CUENTAS", "operador + entre valores de tipo desconocido"},
           {"SELECT DATEADD(day, 1, Fecha) FROM V_MV_CPTE", "función DATEADD"},
           {"SELECT * FROM V_MV_CPTE WHERE Fecha > GETDATE() - 30", "aritmética con fechas"},
           {"UPDATE V_MV_CPTE SET FechaEstFin = 30 + Fecha", "aritmética con fechas"},
           {"SELECT Total = SUM(Importe) FROM MV_ASIENTOS", "alias de columna con ="},
           {"UPDATE MA_CUENTAS SET DESCRIPCION = 'x' FROM MA_CUENTAS INNER JOIN V_MV_CPTE ON CODIGO = Cuenta",
            "UPDATE con FROM"},
           {"DELETE MA_CUENTAS FROM MA_CUENTAS INNER JOIN V_MV_CPTE ON CODIGO = Cuenta", "DELETE con FROM adicional"},
           {"IF EXISTS (SELECT * FROM MA_CUENTAS) DELETE MA_CUENTAS ELSE DELETE MV_ASIENTOS", "IF con ELSE"},
           {"IF (SELECT COUNT(*) FROM MA_CUENTAS) > 0 DELETE MA_CUENTAS", "IF sin EXISTS"},
           {"SELECT * FROM #temporal", "tabla temporal"},
           {"SELECT TOP 1 * FROM V_MV_CPTE with(nolock)  WHERE Fecha = #01/07/2005# ", "fecha entre #"},
           {"SELECT * FROM MA_CUENTAS WHERE CODIGO = @codigo", "variable @codigo"},
           {"SELECT * FROM MA_CUENTAS WHERE CODIGO = 'x' COLLATE Latin1_General_CS_AS", "COLLATE"},
           {"SELECT * FROM MA_CUENTAS WHERE CODIGO = 'x", "comilla sin cerrar"},
           {"SELECT * FROM MA_CUENTAS WHERE (CODIGO = 'x'", "paréntesis sin pareja"},
           {"SELECT * INTO COPIA FROM MA_CUENTAS", "SELECT ... INTO"},
           // The embedded database has no other database nor owner: the local table of
           // that name is not the one meant.
           {"SELECT * FROM otra.dbo.MA_CUENTAS", "nombre de tabla con base de datos"},
           {"SELECT * FROM otra.\"dbo\".MA_CUENTAS", "nombre de tabla con base de datos"},
           {"ALTER TABLE otra.dbo.[a]]b] ADD c2 INT", "nombre de tabla con base de datos"},
           {"ALTER TABLE ventas.[a]]b] ADD c INT", "nombre de tabla con base de datos"},
           {"ALTER TABLE otra..MA_CUENTAS ADD c INT", "nombre de tabla con base de datos"},
           {"ALTER TABLE ventas.MV_ASIENTOS DISABLE TRIGGER ALL", "nombre de tabla con base de datos"},
           {"ALTER TABLE MA_CUENTAS DROP COLUMN X", "ALTER TABLE"},
           {"ALTER TABLE MA_CUENTAS ADD [X?] INT", "ALTER TABLE ADD"},
           {"BEGIN DELETE MA_CUENTAS END", "bloque BEGIN ... END"},
           {"EXEC sp_who", "EXEC"},
           {"CREATE TABLE X (A INT)", "CREATE"},
           {"DECLARE @x INT", "DECLARE"},
           {"SELECT 0x1F", "símbolo 0x1F"},
           {"SELECT LEN(IdComprobante) 'Largo' FROM V_MV_CPTE", "alias entre comillas sin AS"},
           {"DELETE MV_ASIENTOS\r\nSET NOCOUNT ON", "SET"},
           {"CHECKPOINT 10", "CHECKPOINT con duración"},
       }) {
    try {
      Translate(Q(r.tsql), Schema());
      ADD_FAILURE() << "translated: " << r.tsql;
    } catch (const Unsupported& e) {
      EXPECT_EQ(e.message, Q("Sentencia no soportada por la base embebida: ") + Q(r.construct)) << r.tsql;
    }
  }
}

TEST(TsqlTranslator, CacheHitsBindTheirOwnLiterals) {
  auto& cache = ado::sqlite::tsql::TranslationCache::shared();
  const char* first = "SELECT TOP 1 * FROM MA_CUENTAS with(nolock)  WHERE CODIGO ='112010042' AND Importe > 10.5";
  const char* second = "SELECT TOP 1 * FROM MA_CUENTAS with(nolock)  WHERE CODIGO ='O''Brien' AND Importe > 7.25";
  const Statement a = One(first);
  const uint64_t hitsBefore = cache.hits();
  const Statement b = One(second);
  EXPECT_EQ(cache.hits(), hitsBefore + 1) << "the second text has the shape of the first";
  EXPECT_EQ(a.sql, b.sql);
  EXPECT_EQ(a.params, (Params{T("112010042"), rt::Variant(10.5)}));
  EXPECT_EQ(b.params, (Params{T("O'Brien"), rt::Variant(7.25)}));

  // The same shape against another schema is translated again: there the
  // column is no date column and the literal stays as written.
  const char* calendar = "SELECT * FROM MA_CALENDARIO WHERE fecha = '05/03/2006'";
  EXPECT_EQ(One(calendar).params, Params{T("2006-03-05")});
  const SuiteSchema noDates(false);
  const Statement plain = One(calendar, noDates);
  EXPECT_EQ(plain.sql, "SELECT * FROM MA_CALENDARIO WHERE fecha = ? COLLATE CI_AS");
  EXPECT_EQ(plain.params, Params{T("05/03/2006")});

  // A TOP count is part of the shape, not a parameter.
  EXPECT_EQ(One("SELECT TOP 2 * FROM MA_CUENTAS").sql, "SELECT * FROM MA_CUENTAS LIMIT 2");
  EXPECT_EQ(One("SELECT TOP 3 * FROM MA_CUENTAS").sql, "SELECT * FROM MA_CUENTAS LIMIT 3");
}

ado::sqlite::tsql::TokenizedText Tokenized(const char* sql) {
  ado::sqlite::tsql::TokenizedText t;
  ado::sqlite::tsql::Tokenize(Q(sql), t);
  return t;
}

// A kept translation is found by the shape's hash and taken only when the
// text has that very shape. A whole number and a number with a point or an
// exponent mark the shape differently.
TEST(TsqlTranslator, ShapeIsTheTextWithItsLiteralsMarked) {
  const auto kept = Tokenized("SELECT TOP 3 * FROM T WHERE A = 'x''y' AND B = 12");
  EXPECT_EQ(kept.shape().text, Q("SELECT TOP 3 * FROM T WHERE A = \x02 AND B = \x01"));
  EXPECT_EQ(kept.shape().markers, (std::vector<int32_t>{32, 42}));
  EXPECT_EQ(kept.shapeLength, kept.shape().text.size());
  const auto same = Tokenized("SELECT TOP 3 * FROM T WHERE A = N'' AND B = 3");
  EXPECT_TRUE(same.hasShape(kept.shape()));
  EXPECT_EQ(same.shapeHash, kept.shapeHash);
  for (const char* other :
       {"SELECT TOP 3 * FROM T WHERE A = 'x' AND C = 12", "SELECT TOP 3 * FROM T WHERE A = 1 AND B = 12",
        "SELECT TOP 4 * FROM T WHERE A = 'x' AND B = 12", "SELECT TOP 3 * FROM T WHERE A = 'x' AND B = 1 ",
        "SELECT TOP 3 * FROM T WHERE A = 'x' AND B = 'y'", "SELECT TOP 3 * FROM T WHERE A = 'x' AND B = 3.5"})
    EXPECT_FALSE(Tokenized(other).hasShape(kept.shape())) << other;
}

// Matching a text against a kept shape finds what tokenizing it finds: the
// same literals when it has the shape, no match otherwise (literals that
// would run into a name or into the number before them, two strings that
// would become one, a number that is no number, a text cut short or running
// on).
TEST(TsqlTranslator, MatchingAShapeFindsWhatTokenizingFinds) {
  const struct {
    const char* kept;
    const char* text;
  } cases[] = {
      {"SELECT * FROM T WHERE A = 'x' AND B = 12", "SELECT * FROM T WHERE A = N'o''k' AND B = 3.5e2"},
      {"SELECT * FROM T WHERE A = 'x' AND B = 12", "SELECT * FROM T WHERE A = 'x' AND B = 12 "},
      {"SELECT * FROM T WHERE A = 'x' AND B = 12", "SELECT * FROM T WHERE A = 'x' AND B = 12abc"},
      {"SELECT * FROM T WHERE A = 'x' AND B = 12", "SELECT * FROM T WHERE A = 'x' AND B = '12'"},
      {"SELECT * FROM T WHERE A = 'x' AND B = 12", "SELECT * FROM T WHERE A = 'x' AND B ="},
      {"SELECT * FROM T WHERE A LIKE'x'", "SELECT * FROM T WHERE A LIKEN'x'"},
      {"SELECT * FROM T WHERE A LIKE'x'", "SELECT * FROM T WHERE A LIKE'x''y'"},
      {"SELECT * FROM T WHERE A IN ('x''y','z')", "SELECT * FROM T WHERE A IN ('','')"},
      {"SELECT 'a' 'b'", "SELECT 'a''b'"},
      {"SELECT 'a' + N'b'", "SELECT 'a' + 'b'"},
      {"SELECT A FROM T WHERE B=.5", "SELECT A FROM T WHERE B=7"},
      {"SELECT A FROM T WHERE B=.5", "SELECT A FROM T WHERE B=.25."},
      {"SELECT A FROM T WHERE B=..5", "SELECT A FROM T WHERE B=.1.5"},
      {"SELECT A FROM T WHERE B=1e+.5", "SELECT A FROM T WHERE B=1e+5"},
      {"SELECT A FROM T WHERE B = 1 -- 'x'", "SELECT A FROM T WHERE B = 22 -- 'x'"},
      {"SELECT A FROM T WHERE B = 'it''s' -- 'x'", "SELECT A FROM T WHERE B = 'x' -- 'x'"},
      {"BEGIN TRANSACTION \r\rINSERT INTO T (A,B) VALUES('x',1)\rINSERT INTO T (A,B) VALUES('y',2)\r",
       "BEGIN TRANSACTION \r\rINSERT INTO T (A,B) VALUES('Peña',10)\rINSERT INTO T (A,B) VALUES('',2.5)\r"},
  };
  for (const auto& c : cases) {
    const ado::sqlite::tsql::Shape shape = Tokenized(c.kept).shape();
    ado::sqlite::tsql::TokenizedText matched;
    const bool match = ado::sqlite::tsql::MatchShape(Q(c.text), shape, matched);
    const auto tokenized = Tokenized(c.text);
    EXPECT_EQ(match, tokenized.hasShape(shape)) << c.kept << " / " << c.text;
    if (!match) continue;
    ASSERT_EQ(matched.literals.size(), tokenized.literals.size()) << c.text;
    for (size_t i = 0; i < matched.literals.size(); ++i) {
      const auto &m = matched.literals[i], &t = tokenized.literals[i];
      EXPECT_TRUE(m.begin == t.begin && m.length == t.length && m.isString == t.isString &&
                  m.doubledQuotes == t.doubledQuotes && m.tokenBegin == t.tokenBegin && m.tokenEnd == t.tokenEnd)
          << c.text << " literal " << i;
    }
    EXPECT_EQ(matched.shapeLength, tokenized.shapeLength) << c.text;
  }
}

TEST(TsqlTranslator, CacheIsBounded) {
  ado::sqlite::tsql::TranslationCache cache(2);
  auto script = std::make_shared<const ado::sqlite::tsql::CompiledScript>();
  const auto a = Tokenized("SELECT a"), b = Tokenized("SELECT b"), c = Tokenized("SELECT c");
  cache.insert(1, a, script);
  cache.insert(1, b, script);
  ASSERT_TRUE(cache.find(1, a));  // "a" is now the most recent
  cache.insert(1, c, script);
  EXPECT_EQ(cache.size(), 2u);
  EXPECT_TRUE(cache.find(1, a));
  EXPECT_FALSE(cache.find(1, b));
  EXPECT_TRUE(cache.find(1, c));
  EXPECT_FALSE(cache.find(2, c));
  const QByteArray longText = "SELECT " + QByteArray(ado::sqlite::tsql::TranslationCache::kLongestShape, 'x');
  cache.insert(1, Tokenized(longText.constData()), script);
  EXPECT_EQ(cache.size(), 2u) << "very long texts are not kept";
}

}  // namespace
