// Every lookup the import makes per record is served by an index, in the
// exact form the program writes it.
#include <gtest/gtest.h>

#include "data_access/LookupSql.h"
#include "import/CuentaCliente.h"
#include "import/ImportSql.h"
#include "support/Printers.h"
#include "support/QueryPlan.h"

namespace {

class QueryPlans : public testing_support::QueryPlanTest {};

TEST_F(QueryPlans, EveryPerRecordLookupUsesItsIndex) {
  namespace dsql = data_access::sql;
  namespace isql = importacion::sql;
  struct Case {
    QString statement;
    const char* index;
  };
  const importacion::ClienteDeOrigen cliente{"TXCLI.DBF", "0", "Consumidor Final", "99999999995", 2};
  const Case cases[] = {
      {isql::ObtieneNroAsiento(7, 1, ""), "IX_MV_ASIENTOS_TIPO_REG"},
      {isql::ObtieneNroAsiento(7, 1, "VTA"), "IX_MV_ASIENTOS_TIPO_REG"},
      {isql::ExisteAsientoCliente("FC", "0001", "00000001", "A"), "IX_MV_ASIENTOS_COMPROBANTE"},
      {isql::ExisteComprobante("FC", "000100000001A"), "UX_V_MV_CPTE_COMPROBANTE"},
      {dsql::ExisteEnTabla("MA_CUENTAS", "112010001", "CODIGO", 8, ""), "IX_MA_CUENTAS_CODIGO_TRIM"},
      {dsql::DatosTabla("MA_CUENTAS", "112010001", "Codigo", 8, "", true), "IX_MA_CUENTAS_CODIGO_TRIM"},
      {dsql::DatosTabla("MA_CUENTASADIC", "112010001", "Codigo", 8, "", true), "IX_MA_CUENTASADIC_Codigo_TRIM"},
      {dsql::DatosTabla("MAPINFO_LOCALIDADES", "5500", "Cod_postal", 8, "", true),
       "IX_MAPINFO_LOCALIDADES_Cod_postal_TRIM"},
      {dsql::ExisteEnTabla("TA_ESTADOS", "12", "codigo", 8, ""), "IX_TA_ESTADOS_codigo_TRIM"},
      {dsql::ExisteEnTabla("TA_CONDIVA", "3", "Codigo", 8, ""), "IX_TA_CONDIVA_Codigo_TRIM"},
      {"Select * from MA_CUENTAS where Codigo = '112010001'", "sqlite_autoindex_MA_CUENTAS_1"},
      {"Select * from MA_CUENTASADIC where Codigo = '112010001'", "sqlite_autoindex_MA_CUENTASADIC_1"},
      {"select fecha from ma_calendario where fecha='01/07/2005'", "sqlite_autoindex_ma_calendario_1"},
      {isql::ClienteImportado(cliente), "sqlite_autoindex_AUX_CLIENTES_IMPORTADOS_1"},
      {isql::OlvidaCuenta("112010001", cliente), "UX_AUX_CLIENTES_IMPORTADOS_Cuenta"},
  };
  for (const Case& c : cases) {
    const QString plan = planOf(c.statement);
    EXPECT_TRUE(plan.contains(QLatin1String("INDEX ") + c.index)) << c.statement.toStdString() << "\n" << plan.toStdString();
    EXPECT_FALSE(plan.contains("SCAN")) << c.statement.toStdString() << "\n" << plan.toStdString();
  }
}

}  // namespace
