// The exact texts of the numbering and stock statements.
#include <gtest/gtest.h>

#include "numbering/SentenciasNumeracion.h"
#include "numbering/SentenciasStock.h"
#include "support/Printers.h"

namespace {

namespace sql = numbering::sentencia;

struct Case {
  QString actual;
  const char* expected;
};

void ExpectTexts(std::initializer_list<Case> cases) {
  for (const Case& c : cases) EXPECT_EQ(c.actual, QString::fromUtf8(c.expected));
}

TEST(StatementText, EntriesAndJournals) {
  ExpectTexts({
      {sql::AsientoDelComprobante("FC", "0001", "00001234", "A", "", true),
       "SELECT * FROM MV_ASIENTOS  with(nolock)  WHERE TC = 'FC' AND SUCURSAL = '0001' AND NUMERO = '00001234' "
       "AND LETRA = 'A'"},
      {sql::AsientoDelComprobante("FC", " 1", "12", "A ", "112010001", false),
       "SELECT * FROM MV_ASIENTOS WHERE TC = 'FC' AND SUCURSAL = ' 1' AND NUMERO = '12' AND LETRA = 'A ' "
       "AND CUENTA = '112010001'"},
      {sql::AsientoDelComprobante("F'C", "0001", "1", "A", "", true),
       "SELECT * FROM MV_ASIENTOS  with(nolock)  WHERE TC = 'F''C' AND SUCURSAL = '0001' AND NUMERO = '1' "
       "AND LETRA = 'A'"},
      {sql::SubdiarioDelComprobante("FC"), "SELECT * FROM MA_SUBDIARIOSCOMPROBANTES  with(nolock)  WHERE TC = 'FC'"},
      {sql::Subdiario("VTA"), "SELECT * FROM MA_SUBDIARIOS  with(nolock)  WHERE CODIGO = 'VTA'"},
  });
}

TEST(StatementText, BookChoice) {
  ExpectTexts({
      {sql::FiltroSucursal("0002"), " AND A_SUC_DEFAULT = '0002'"},
      {sql::TalonariosDeSucursal("FC", sql::FiltroSucursal("2")),
       "SELECT * FROM V_TA_CPTE  WHERE CODIGO = 'FC'  AND A_SUC_DEFAULT = '2'"},
      {sql::Talonarios("FC", ""), "SELECT * FROM V_TA_CPTE   WHERE CODIGO = 'FC' ORDER BY TALONARIO"},
      {sql::Talonarios("FC", sql::FiltroSucursal("2")),
       "SELECT * FROM V_TA_CPTE   WHERE CODIGO = 'FC' AND A_SUC_DEFAULT = '2' ORDER BY TALONARIO"},
      {sql::TalonariosDeUnidad("FC", "   1", ""),
       "SELECT * FROM V_TA_CPTE WHERE  CODIGO = 'FC' AND UNEGOCIO = '   1'  ORDER BY TALONARIO"},
      {sql::TalonariosSinFiltro("   7"), "SELECT * FROM V_TA_CPTE  WHERE CODIGO = '   7' ORDER BY TALONARIO"},
  });
}

TEST(StatementText, NumberCheckAndRecording) {
  ExpectTexts({
      {sql::TalonariosDeLaLetra("FC", "A", "1"),
       "Select * from v_ta_cpte  with(nolock)  where codigo = 'FC' and A_SUC_DEFAULT = 1"},
      {sql::TalonarioVerificado("FC", 3), "SELECT * FROM V_TA_CPTE  with(nolock)  WHERE CODIGO = 'FC' and Talonario = 3"},
      {sql::TalonarioARegistrar("FC", 3), "SELECT * FROM V_TA_CPTE  with(nolock)  WHERE CODIGO = 'FC' AND TALONARIO =3"},
      {sql::TalonarioDelSistema("PE", "STOCK", 3),
       "SELECT * FROM TA_Comprobantes WHERE CODIGO = 'PE' AND SISTEMA = 'STOCK' AND TALONARIO = 3"},
      {sql::ComprobanteConfigurado("PE"), "SELECT * FROM V_TA_CPTE  with(nolock)  WHERE CODIGO = 'PE'"},
      {sql::AvanzaContador("PE", "X", " 13", 1),
       " UPDATE V_TA_CPTE SET X_ULTIMO_NRO =  13 WHERE CODIGO = 'PE' AND TALONARIO=1"},
      {sql::AvanzaContadorDelSistema("PE", "STOCK", "X", "13", 1),
       " UPDATE TA_Comprobantes SET X_ULTIMO_NRO = 13 WHERE CODIGO = 'PE' AND SISTEMA = 'STOCK' AND TALONARIO =1"},
      {sql::ControlDeNumero("FC", "0001", "00000123", "A"),
       "\r\n INSERT INTO V_MV_CTROL_CPTE (TC,SUCURSAL,NUMERO,LETRA) VALUES ('FC','0001','00000123','A')\r\n"},
  });
}

TEST(StatementText, NextNumber) {
  ExpectTexts({
      {sql::ComprobanteEnTabla("MV_VIAJES", "VJ", "000100000007X"),
       "SELECT * From MV_VIAJES  with(nolock)  WHERE TC = 'VJ' AND IDCOMPROBANTE = '000100000007X'"},
      {sql::UltimoComprobanteEnTabla("V_MV_STOCK", "AJP", "0001", "X"),
       "SELECT MAX(idcomprobante) AS ULTIMO From V_MV_STOCK WHERE TC = 'AJP' AND SUBSTRING(IDCOMPROBANTE,1,4)= '0001' "
       "AND SUBSTRING(IDCOMPROBANTE,13,1) = 'X'"},
      {sql::UltimoNumeroDeAsientos("CMV", "0001", "X"),
       "SELECT MAX(NUMERO) AS ULTIMO From MV_ASIENTOS with(nolock) WHERE TC = 'CMV' AND SUCURSAL= '0001' AND LETRA = 'X'"},
      {sql::UltimaOrdenDeCompra("OC", "0001", "X"),
       "SELECT MAX(NUMERO) AS ULTIMO From C_MV_CPTE  with(nolock) WHERE TC = 'OC' AND SUCURSAL = '0001' "
       "AND NUMERO < '99999999' AND LETRA = 'X' "},
      {sql::BorraControlDeNumero("CMV", "0001", "00000005", "X"),
       "DELETE V_MV_CTROL_CPTE WHERE TC = 'CMV' AND SUCURSAL = '0001' AND NUMERO = '00000005' AND LETRA = 'X'"},
  });
}

TEST(StatementText, Stock) {
  ExpectTexts({
      {sql::ComprobanteDeStock("PE", "000100000041X"),
       "SELECT TC,IDCOMPROBANTE From V_MV_STOCK  with(nolock) WHERE TC = 'PE' AND IDCOMPROBANTE = '000100000041X'"},
      {sql::UltimoComprobanteDeStock("PE", "0001", "X"),
       "SELECT MAX(IDCOMPROBANTE) AS ULTIMO From V_MV_STOCK  with(nolock) WHERE TC = 'PE' AND "
       "SUBSTRING(IDCOMPROBANTE, 1, 4)= '0001' AND SUBSTRING(IDCOMPROBANTE, 13, 1)= 'X'"},
      {sql::LotesConStock("ART1", "'   1'"),
       "SELECT * FROM STK_SERIES_Y_LOTES WHERE IdArticulo = 'ART1' AND CANTIDAD > 0  AND IDDEPOSITO = '   1' "
       "and not nrolote is null ORDER BY NROLOTE"},
      {sql::Insumos("ART1"), "SELECT * FROM V_MA_INSUMOS  with(nolock)  WHERE IDARTICULO = 'ART1'"},
      {sql::UnidadDelArticulo("O'NEIL"), "SELECT IDUNIDAD FROM V_MA_ARTICULOS WHERE IDARTICULO = 'O''NEIL'"},
      {sql::Equivalencia("ART1", "UN", "CAJ"),
       "SELECT * FROM  S_TA_EQUIV  with(nolock)  WHERE IdArticulo = 'ART1' AND IDUNIDAD = 'UN' AND IDUNIDAD_EQUIV = 'CAJ'"},
      {sql::StockEnDeposito("ART1", "UN", "   1"),
       "SELECT STOCK AS STOCK FROM STK_SALDOS_UNIDADES with(nolock) WHERE IDARTICULO = 'ART1' AND EQUIVALENCIA = 'UN' "
       "AND IDDEPOSITO = '   1'"},
      {sql::StockEnTodosLosDepositos("ART1", "UN"),
       "SELECT SUM(STOCK) AS STOCK  FROM STK_SALDOS_UNIDADES with(nolock) WHERE IDARTICULO = 'ART1' "
       "AND EQUIVALENCIA = 'UN' "},
      {sql::StockUdKgEnDeposito("ART1", "   1"),
       "SELECT CantidadUd AS STOCK FROM STK_STOCK_UDKG with(nolock) WHERE IDARTICULO = 'ART1' AND IDDEPOSITO = '   1'"},
      {sql::StockUdKgEnTodosLosDepositos("ART1"),
       "SELECT SUM(CantidadUd) AS STOCK FROM STK_STOCK_UDKG with(nolock) WHERE IDARTICULO = 'ART1' "},
  });
}

}  // namespace
