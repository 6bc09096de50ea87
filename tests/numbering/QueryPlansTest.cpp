// Every lookup of the numbering and stock helpers is served by an index, in
// the exact form the program writes it.
#include <gtest/gtest.h>

#include "data_access/LookupSql.h"
#include "numbering/SentenciasNumeracion.h"
#include "numbering/SentenciasStock.h"
#include "support/Printers.h"
#include "support/QueryPlan.h"

namespace {

class QueryPlans : public testing_support::QueryPlanTest {};

TEST_F(QueryPlans, EveryLookupUsesAnIndex) {
  namespace sql = numbering::sentencia;
  const QString statements[] = {
      sql::AsientoDelComprobante("FC", "0001", "00000001", "A", "", true),
      sql::SubdiarioDelComprobante("FC"),
      sql::Subdiario("VTA"),
      sql::TalonariosDeSucursal("FC", sql::FiltroSucursal("1")),
      sql::Talonarios("FC", ""),
      sql::TalonariosDeUnidad("FC", "   1", ""),
      sql::TalonariosSinFiltro("FC"),
      sql::TalonariosDeLaLetra("FC", "A", "1"),
      sql::TalonarioVerificado("FC", 1),
      sql::TalonarioARegistrar("FC", 1),
      sql::TalonarioDelSistema("FC", "STOCK", 1),
      data_access::sql::DatosTabla("V_TA_CPTE", "FC", "CODIGO", 8, "", true),
      sql::ComprobanteEnTabla("MV_VIAJES", "VJ", "000100000001X"),
      sql::ComprobanteEnTabla("V_MV_STOCK", "AJP", "000100000001X"),
      sql::ComprobanteEnTabla("C_MV_CPTE", "OC", "000100000001X"),
      sql::UltimoComprobanteEnTabla("MV_VIAJES", "VJ", "0001", "X"),
      sql::UltimoComprobanteEnTabla("V_MV_STOCK", "AJP", "0001", "X"),
      sql::UltimoComprobanteEnTabla("V_MV_CPTE", "CBFP", "0001", "X"),
      sql::UltimoNumeroDeAsientos("CMV", "0001", "X"),
      sql::UltimaOrdenDeCompra("OC", "0001", "X"),
      sql::BorraControlDeNumero("CMV", "0001", "00000001", "X"),
      sql::ComprobanteDeStock("PE", "000100000001X"),
      sql::UltimoComprobanteDeStock("PE", "0001", "X"),
      sql::LotesConStock("ART1", "'   1'"),
      sql::Insumos("ART1"),
      sql::UnidadDelArticulo("ART1"),
      sql::Equivalencia("ART1", "UN", "CAJ"),
      sql::StockEnDeposito("ART1", "UN", "   1"),
      sql::StockEnTodosLosDepositos("ART1", "UN"),
      sql::StockUdKgEnDeposito("ART1", "   1"),
      sql::StockUdKgEnTodosLosDepositos("ART1"),
  };
  for (const QString& s : statements) expectIndexed(s);
}

}  // namespace
