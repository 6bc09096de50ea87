// Every lookup is served by an index, in the exact form the service writes
// it: lists walk an index in their order (no sort of the whole table), keys
// are sought; so are the voucher search's statements and the lookups it
// makes per row.
#include <gtest/gtest.h>

#include "data_access/LookupSql.h"
#include "lookup/Lib_FrmCons3Tree.h"
#include "lookup/SentenciasBusqueda.h"
#include "support/Printers.h"
#include "support/QueryPlan.h"

namespace {

class QueryPlans : public testing_support::QueryPlanTest {};

TEST_F(QueryPlans, ListsWalkAnIndexInTheirOrder) {
  struct Case {
    QString statement;
    const char* index;
  };
  const Case cases[] = {
      {"SELECT TOP 1000 DESCRIPCION,IDARTICULO FROM VT_MA_ARTICULOS  with(nolock)  WHERE SUSPENDIDO = 0 ORDER BY "
       "DESCRIPCION",
       "IX_V_MA_ARTICULOS_DESCRIPCION"},
      {"SELECT TOP 1000 RAZON_SOCIAL,CODIGO,CONTACTO FROM VT_CLIENTES  with(nolock)  WHERE Dada_De_Baja = 0 ORDER BY "
       "RAZON_SOCIAL",
       "IX_MA_CUENTAS_TipoVista_DESCRIPCION"},
      {"SELECT TOP 1000 RAZON_SOCIAL,CODIGO FROM VT_PROVEEDORES  with(nolock)  WHERE Dada_De_Baja = 0 ORDER BY "
       "RAZON_SOCIAL",
       "IX_MA_CUENTAS_TipoVista_DESCRIPCION"},
      {"SELECT TOP 1000 DESCRIPCION,CODIGO FROM MA_CUENTAS  with(nolock)  ORDER BY DESCRIPCION",
       "IX_MA_CUENTAS_DESCRIPCION"},
      {"SELECT TOP 1000 Descripcion,IdDeposito FROM V_TA_DEPOSITO  with(nolock)  ORDER BY Descripcion",
       "IX_V_TA_DEPOSITO_Descripcion"},
      {"SELECT TOP 1000 Descripcion,IdDeposito,UnidadNegocio FROM V_TA_DEPOSITO  ORDER BY IDDEPOSITO",
       "sqlite_autoindex_V_TA_DEPOSITO_1"},
      {"SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS ORDER BY CODIGO", "sqlite_autoindex_MA_CUENTAS_1"},
      {"SELECT CODIGO, DESCRIPCION FROM TA_CCOSTO ORDER BY CODIGO", "sqlite_autoindex_TA_CCOSTO_1"},
      {"SELECT IDPOSICION, DESCRIPCION FROM MA_POSICIONES ORDER BY IDPOSICION", "sqlite_autoindex_MA_POSICIONES_1"},
  };
  for (const Case& c : cases) {
    const QString plan = planOf(c.statement);
    EXPECT_TRUE(plan.contains(QLatin1String("INDEX ") + c.index)) << c.statement.toStdString() << "\n" << plan.toStdString();
    EXPECT_FALSE(plan.contains("TEMP B-TREE")) << c.statement.toStdString() << "\n" << plan.toStdString();
  }
}

TEST_F(QueryPlans, TheStockOfEachArticleIsOneIndexSeek) {
  const QString plan = planOf(
      "SELECT IDARTICULO, DESCRIPCION, PUNTOPEDIDO, Stock FROM VT_MA_ARTICULOS with(nolock) WHERE SUSPENDIDO = 0 "
      "ORDER BY DESCRIPCION");
  EXPECT_TRUE(plan.contains("SEARCH s USING INDEX IX_STK_SALDOS_UNIDADES (IDARTICULO=? AND EQUIVALENCIA=?)"))
      << plan.toStdString();
  EXPECT_FALSE(plan.contains("TEMP B-TREE")) << plan.toStdString();
}

TEST_F(QueryPlans, EachFamilysParentIsSoughtThroughTheIndex) {
  const QString plan = planOf(lookup::SentenciaFamilias());
  EXPECT_TRUE(plan.contains("SCAN b USING INDEX sqlite_autoindex_V_TA_FAMILIAS_1")) << plan.toStdString();
  EXPECT_TRUE(plan.contains("SEARCH a USING COVERING INDEX sqlite_autoindex_V_TA_FAMILIAS_1 (IdFamilia<?)")) << plan.toStdString();
  EXPECT_FALSE(plan.contains("TEMP B-TREE")) << plan.toStdString();
}

TEST_F(QueryPlans, TheTreeWindowFindsTheChosenCodeByItsIndex) {
  namespace dsql = data_access::sql;
  struct Case {
    QString statement;
    const char* index;
  };
  const Case cases[] = {
      {dsql::ExisteEnTabla("@admin_V_TA_FAMILIAS", "0101", "IDFAMILIA", 8, ""), "IX_V_TA_FAMILIAS_IdFamilia_TRIM"},
      {dsql::ExisteEnTabla("MA_POSICIONES", "A01", "IDPOSICION", 8, ""), "IX_MA_POSICIONES_IDPOSICION_TRIM"},
      {dsql::ExisteEnTabla("TA_CCOSTO", "101", "CODIGO", 8, ""), "IX_TA_CCOSTO_CODIGO_TRIM"},
      {dsql::ExisteEnTabla("MA_CUENTAS", "1110101", "CODIGO", 8, ""), "IX_MA_CUENTAS_CODIGO_TRIM"},
  };
  for (const Case& c : cases) {
    const QString plan = planOf(c.statement);
    EXPECT_TRUE(plan.contains(QLatin1String("INDEX ") + c.index)) << c.statement.toStdString() << "\n" << plan.toStdString();
    EXPECT_FALSE(plan.contains("SCAN")) << c.statement.toStdString() << "\n" << plan.toStdString();
  }
}

TEST_F(QueryPlans, EveryVoucherSearchUsesAnIndex) {
  const struct {
    const char* clave;
    const char* filtro;
    lookup::busqueda::Opciones opciones;
  } casos[] = {{"RM/PENDIENTES_COMPRAS", "CUENTA = '211010001'", {}},
               {"RM/PENDIENTES", "", {true, false}},
               {"RM/PENDIENTES", "", {}},
               {"NCPE", "", {}},
               {"FCC", "", {}},
               {"OT/PENDIENTES", "", {}},
               {"OT", "", {}},
               {"NP/PENDIENTES", "", {}},
               {"PR/PENDIENTES", "", {}},
               {"PR/PENDIENTES", "CUENTA = '112010001'", {}},
               {"OC", "", {}},
               {"FP", "", {}},
               {"FC", "", {}}};
  for (const auto& c : casos) {
    SCOPED_TRACE(c.clave);
    QString filtro = c.filtro;
    const QString busq = lookup::busqueda::Fragmento("Buscar por nombre...", "0001");
    expectIndexed(lookup::busqueda::Sentencia(lookup::busqueda::DeClave(c.clave), filtro, busq, c.opciones));
  }
}

TEST_F(QueryPlans, TheLookupsOfAVoucherSearchRow) {
  // The receipt of a purchase order, the name of a supplier.
  expectIndexed(data_access::sql::DatosTabla("v_mv_stock", "OC", "TC_origen", 8,
                                             lookup::busqueda::CondicionRecepcion("000100000002X"), true));
  expectIndexed(data_access::sql::DatosTabla("VT_PROVEEDORES", "211010001", "Codigo", 8, QString(), true));
}

}  // namespace
