// F5's statements: the LIKE condition goes before the statement's tail,
// searches add up, and the typed text is a safe literal.
#include <gtest/gtest.h>

#include "lookup/BusquedaLike.h"
#include "support/Printers.h"

namespace {

TEST(BusquedaLike, TheListAddsItsConditionBeforeTheTail) {
  struct Case {
    const char* what;
    QString sql;
    QString campo;
    QString texto;
    bool contiene;
    QString sentencia;
  };
  const Case cases[] = {
      {"no WHERE, no tail", "SELECT A,B FROM T ", "A", "x", false, "SELECT A,B FROM T  where A like 'x%' "},
      {"an ORDER BY stays last", "SELECT A FROM T WHERE B = 1 ORDER BY A ", "A", "x", false,
       "SELECT A FROM T WHERE B = 1  and A like 'x%' ORDER BY A "},
      {"GROUP BY and ORDER BY: before the GROUP BY", "SELECT A, SUM(B) FROM T GROUP BY A ORDER BY A ", "A", "x", false,
       "SELECT A, SUM(B) FROM T  where A like 'x%' GROUP BY A ORDER BY A "},
      {"contains-search", "SELECT A FROM T ", "A", "x", true, "SELECT A FROM T  where A like '%x%' "},
      {"wildcards stay", "SELECT A FROM T ", "A", "a%b", false, "SELECT A FROM T  where A like 'a%b%' "},
      {"an apostrophe is doubled", "SELECT DESCRIPCION FROM VT_MA_ARTICULOS ", "DESCRIPCION", "TORNILLO 1/4'", true,
       "SELECT DESCRIPCION FROM VT_MA_ARTICULOS  where DESCRIPCION like '%TORNILLO 1/4''%' "},
      {"article columns take their table",
       "SELECT v_ma_articulos.IDARTICULO FROM v_ma_articulos, STK_SALDOS_UNIDADES ", "IDARTICULO", "G", false,
       "SELECT v_ma_articulos.IDARTICULO FROM v_ma_articulos, STK_SALDOS_UNIDADES  where v_ma_articulos.IDARTICULO "
       "like 'G%' "},
  };
  for (const Case& c : cases) {
    QString base = c.sql, cola = "antes";
    EXPECT_EQ(lookup::SentenciaBusquedaLista(c.sql, base, cola, c.campo, c.texto, c.contiene), c.sentencia) << c.what;
  }
}

TEST(BusquedaLike, ListSearchesAddUp) {
  QString sql = "SELECT A,B FROM T ORDER BY A ", base = sql, cola;
  sql = base = lookup::SentenciaBusquedaLista(sql, base, cola, "A", "x", false);
  sql = lookup::SentenciaBusquedaLista(sql, base, cola, "B", "y", false);
  EXPECT_EQ(sql, "SELECT A,B FROM T  where A like 'x%'  and B like 'y%' ORDER BY A ");
  EXPECT_EQ(cola, "ORDER BY A ");
}

TEST(BusquedaLike, TheTreeSearchesDescriptions) {
  QString base, orden;
  EXPECT_EQ(lookup::SentenciaBusquedaArbol("SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS ORDER BY IDCUENTA", base,
                                           orden, "caja"),
            "SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS  where Descripcion like '%caja%' ORDER BY IDCUENTA");
  EXPECT_EQ(base, "SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS ");
  EXPECT_EQ(orden, "ORDER BY IDCUENTA");
  EXPECT_EQ(lookup::SentenciaBusquedaArbol("SELECT CODIGO, DESCRIPCION FROM TA_CCOSTO WHERE CODIGO > '1'", base, orden,
                                           "d'Alba"),
            "SELECT CODIGO, DESCRIPCION FROM TA_CCOSTO WHERE CODIGO > '1' and Descripcion like '%d''Alba%' ");
  EXPECT_EQ(orden, "");
}

}  // namespace
