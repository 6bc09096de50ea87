// The statement a lookup shows, for every route: a whole statement, the
// table's layout, the default statement read from the table itself.
#include <gtest/gtest.h>

#include <QFile>

#include "LookupFixture.h"
#include "core/CoreState.h"
#include "lookup/SentenciaConsulta.h"
#include "platform/ui/MessageBox.h"
#include "support/Printers.h"
#include "support/SuiteDatabase.h"

namespace {

using core::MascaraConsulta;

class SentenciaConsulta : public lookup_tests::LookupDatabase {
 protected:
  void SetUp() override {
    LookupDatabase::SetUp();
    testing_support::DefineInDatabase(
        path, "CREATE TABLE T_PRUEBA (ID INTEGER, CODIGO VARCHAR(9), NOMBRE VARCHAR(50), SALDO MONEY);"
              "CREATE TABLE T_SOLOID (ID INTEGER, FECHAHORA_GRABACION DATETIME);"
              "CREATE TABLE T_SINID (CODIGO VARCHAR(9), SALDO MONEY);");
  }
};

TEST_F(SentenciaConsulta, EveryRouteBuildsItsStatement) {
  struct Case {
    const char* what;
    QString SQL;
    QString campo;   // CampoBusqueda given
    QString where;   // Where given
    QString opcional;
    std::vector<MascaraConsulta> primero;  // layouts before the defaults
    bool mascaras;
    QString sentencia;
    QString campoDespues;
    QString whereDespues;
  };
  const Case cases[] = {
      {"articles, default layout", "V_MA_ARTICULOS", "", "", "", {}, true,
       "SELECT TOP 1000 DESCRIPCION,IDARTICULO FROM VT_MA_ARTICULOS  with(nolock)  WHERE SUSPENDIDO = 0 ORDER BY "
       "DESCRIPCION",
       "DESCRIPCION", ""},
      {"articles with a condition", "V_MA_ARTICULOS", "", "IDRUBRO = 3", "", {}, true,
       "SELECT TOP 1000 DESCRIPCION,IDARTICULO FROM VT_MA_ARTICULOS  with(nolock)  WHERE  (IDRUBRO = 3)  ORDER BY "
       "DESCRIPCION",
       "DESCRIPCION", " (IDRUBRO = 3) "},
      {"deposits, layouts off", "V_TA_DEPOSITO", "", "", "", {}, false,
       "SELECT TOP 1000 Descripcion,IdDeposito,UnidadNegocio FROM V_TA_DEPOSITO  ORDER BY IDDEPOSITO", "IDDEPOSITO",
       ""},
      {"a layout found without regard to case", "v_ma_articulos", "", "", "", {}, true,
       "SELECT TOP 1000 DESCRIPCION,IDARTICULO FROM VT_MA_ARTICULOS  with(nolock)  WHERE SUSPENDIDO = 0 ORDER BY "
       "DESCRIPCION",
       "DESCRIPCION", ""},
      {"customers leave out accounts dadas de baja", "VT_CLIENTES", "", "", "", {}, true,
       "SELECT TOP 1000 RAZON_SOCIAL,CODIGO,CONTACTO FROM VT_CLIENTES  with(nolock)  WHERE Dada_De_Baja = 0 ORDER BY "
       "RAZON_SOCIAL",
       "RAZON_SOCIAL", ""},
      {"a layout's own filter replaces the caller's condition",
       "VT_CLIENTES", "", "CODIGO > '1'", "", {{"MIOS", "VT_CLIENTES", "|RAZON_SOCIAL|CODIGO|", "CONTACTO <> ''"}},
       true,
       "SELECT TOP 1000 RAZON_SOCIAL,CODIGO FROM VT_CLIENTES  with(nolock)  WHERE CONTACTO <> '' ORDER BY "
       "RAZON_SOCIAL",
       "RAZON_SOCIAL", " (CODIGO > '1') "},
      {"an article layout with its own filter reads the view with stock",
       "V_MA_ARTICULOS", "", "", "", {{"A", "V_MA_ARTICULOS", "|IDARTICULO|DESCRIPCION|", "SUSPENDIDO = 1"}}, true,
       "SELECT TOP 1000 IDARTICULO,DESCRIPCION FROM VT_MA_ARTICULOS  with(nolock)  WHERE SUSPENDIDO = 1 ORDER BY "
       "IDARTICULO",
       "IDARTICULO", ""},
      {"a search column given is kept", "MA_CUENTAS", "CODIGO", "", "", {}, true,
       "SELECT TOP 1000 DESCRIPCION,CODIGO FROM MA_CUENTAS  with(nolock)  ORDER BY CODIGO", "CODIGO", ""},
      {"a condition in parentheses stays", "MA_CUENTAS", "", "(titulo = 1)", "", {}, true,
       "SELECT TOP 1000 DESCRIPCION,CODIGO FROM MA_CUENTAS  with(nolock)  WHERE (titulo = 1) ORDER BY DESCRIPCION",
       "DESCRIPCION", "(titulo = 1)"},
      {"a one-character condition stays", "MA_CUENTAS", "", "X", "", {}, true,
       "SELECT TOP 1000 DESCRIPCION,CODIGO FROM MA_CUENTAS  with(nolock)  WHERE X ORDER BY DESCRIPCION",
       "DESCRIPCION", "X"},
      {"a condition opening with a blank is wrapped", "MA_CUENTAS", "", " (titulo = 1)", "", {}, true,
       "SELECT TOP 1000 DESCRIPCION,CODIGO FROM MA_CUENTAS  with(nolock)  WHERE  ( (titulo = 1))  ORDER BY "
       "DESCRIPCION",
       "DESCRIPCION", " ( (titulo = 1)) "},
      {"a layout without columns lists them all", "T_VACIA", "CODIGO", "", "", {{"VACIA", "T_VACIA", "", ""}}, true,
       "SELECT TOP 1000 * FROM T_VACIA  with(nolock)  ORDER BY CODIGO", "CODIGO", ""},
      {"a layout opening with an empty column has nothing to order by", "T_RARA", "", "", "",
       {{"RARA", "T_RARA", "||CODIGO|NOMBRE|", ""}}, true, "SELECT TOP 1000 ,CODIGO,NOMBRE FROM T_RARA with(nolock) ",
       "", ""},
      {"a layout's table and filter lose their padding and stray characters", "MA_POSICIONES", "", "", "",
       {{"POS", QStringLiteral("MA_POSICIONES") + QChar(0) + QChar(0xFF), "|DESCRIPCION|IDPOSICION|",
         QStringLiteral("IDDEPOSITO = '   1'") + QChar(0xFF)}},
       true,
       "SELECT TOP 1000 DESCRIPCION,IDPOSICION FROM MA_POSICIONES  with(nolock)  WHERE IDDEPOSITO = '   1' ORDER BY "
       "DESCRIPCION",
       "DESCRIPCION", ""},
      {"a table without layout: its columns, last first", "T_PRUEBA", "OTRO", "", "", {}, true,
       "SELECT TOP 1000 SALDO,NOMBRE,CODIGO FROM T_PRUEBA  ORDER BY NOMBRE", "NOMBRE", ""},
      {"a table without layout, with a condition", "T_PRUEBA", "", "SALDO > 0", "", {}, true,
       "SELECT TOP 1000 SALDO,NOMBRE,CODIGO FROM T_PRUEBA WHERE   (SALDO > 0)  ORDER BY NOMBRE", "NOMBRE",
       " (SALDO > 0) "},
      {"a table without ID: its columns from the first", "T_SINID", "", "", "", {}, true,
       "SELECT TOP 1000 SALDO,CODIGO FROM T_SINID  ORDER BY CODIGO", "CODIGO", ""},
      {"a table of skipped columns only: no ORDER BY", "T_SOLOID", "", "", "", {}, true,
       "SELECT TOP 1000  *  FROM T_SOLOID ", "", ""},
      {"the optional statement of a table without layout", "T_PRUEBA", "CODIGO", "", "SELECT CODIGO FROM T_PRUEBA",
       {}, true, "SELECT CODIGO FROM T_PRUEBA", "CODIGO", ""},
      {"a layout wins over the optional statement", "MA_CUENTAS", "", "", "SELECT 1", {}, true,
       "SELECT TOP 1000 DESCRIPCION,CODIGO FROM MA_CUENTAS  with(nolock)  ORDER BY DESCRIPCION", "DESCRIPCION", ""},
      {"a whole statement goes as written", "select CODIGO from MA_CUENTAS where titulo = 0", "", "", "", {}, true,
       "select CODIGO from MA_CUENTAS where titulo = 0", "", ""},
      {"a statement on articles reads the view with stock, and only that",
       "select idarticulo from v_ma_articulos where suspendido = 0 and idarticulo <> 'XV_MA_ARTICULOS'", "", "", "",
       {}, true, "select idarticulo from VT_MA_ARTICULOS where suspendido = 0 and idarticulo <> 'XV_MA_ARTICULOS'",
       "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    layouts(c.primero);
    core::gConsultas().gUsarMascarasConsultas = c.mascaras;
    QString campo = c.campo, where = c.where;
    EXPECT_EQ(lookup::ArmaSentenciaConsulta(core::gConsultas(), c.SQL, campo, where, c.opcional),
              std::optional<QString>(c.sentencia));
    EXPECT_EQ(campo, c.campoDespues);
    EXPECT_EQ(where, c.whereDespues);
  }
}

TEST_F(SentenciaConsulta, AMissingLayoutFileGivesTheDefaultStatement) {
  QFile::remove(core::gConsultas().gRutaMascaraConsultas);
  QString campo, where;
  EXPECT_EQ(lookup::ArmaSentenciaConsulta(core::gConsultas(), "T_PRUEBA", campo, where, ""),
            std::optional<QString>("SELECT TOP 1000 SALDO,NOMBRE,CODIGO FROM T_PRUEBA  ORDER BY NOMBRE"));
}

TEST_F(SentenciaConsulta, ALayoutOfOneColumnWithoutSearchColumnAsksForItsConfiguration) {
  layouts({{"UNA", "T_UNA", "|CODIGO|", ""}});
  host.answer(ui::mb::Ok, "Debe configurar la consulta para esta tabla");
  QString campo, where = "A = 1";
  EXPECT_EQ(lookup::ArmaSentenciaConsulta(core::gConsultas(), "T_UNA", campo, where, ""), std::nullopt);
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].title, "Aviso al operador");
  EXPECT_EQ(host.boxes()[0].buttons, ui::mb::Information | ui::mb::OkOnly);
  EXPECT_EQ(campo, "");
  EXPECT_EQ(where, " (A = 1) ");
}

TEST_F(SentenciaConsulta, TheRowLimitIsTheKeysWholeNumber) {
  struct Case {
    const char* valor;
    long limite;
  };
  for (const Case& c : {Case{" ", 1000}, Case{"", 1000}, Case{"abc", 1000}, Case{"0", 1000}, Case{"250", 250},
                        Case{"2.5", 2}, Case{"-5", 1000}, Case{"0.5", 1000}, Case{"1e400", 1000},
                        Case{"1e12", 2147483647}})
    EXPECT_EQ(lookup::LimiteFilas(c.valor), c.limite) << c.valor;

  key("TopConsArt", "250");
  QString campo, where;
  EXPECT_EQ(lookup::ArmaSentenciaConsulta(core::gConsultas(), "V_TA_DEPOSITO", campo, where, ""),
            std::optional<QString>(
                "SELECT TOP 250 Descripcion,IdDeposito FROM V_TA_DEPOSITO  with(nolock)  ORDER BY Descripcion"));
}

}  // namespace
