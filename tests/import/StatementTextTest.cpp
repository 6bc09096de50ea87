// The exact texts of the import's statements.
#include <gtest/gtest.h>

#include "support/CoreFixture.h"
#include "core/CoreState.h"
#include "import/AsientoVenta.h"
#include "import/ImportSql.h"
#include "platform/runtime/Text.h"
#include "support/FacturaDeMuestra.h"
#include "support/Printers.h"

namespace {

namespace sql = importacion::sql;

TEST(ImportText, NextEntryNumber) {
  const QString head = "SELECT MAX([NUMERO ASIENTO]) AS [NRO_ASIENTO] FROM @ADMIN_MV_ASIENTOS WITH(NOLOCK) WHERE MES_OPERATIVO = ";
  EXPECT_EQ(sql::ObtieneNroAsiento(7, 1, "VTA "), head + "7 AND TIPO_REG = 'VTA' AND PERIODO = 1");
  const QString shared = head + "12 AND (TIPO_REG = '" + rt::Chr(255) + "RS' OR TIPO_REG = '') AND PERIODO = 0";
  EXPECT_EQ(sql::ObtieneNroAsiento(12, 0, ""), shared);
  EXPECT_EQ(sql::ObtieneNroAsiento(12, 0, "    "), shared);
  EXPECT_EQ(sql::ObtieneNroAsiento(1, 1, "O'K"), head + "1 AND TIPO_REG = 'O''K' AND PERIODO = 1");
}

TEST(ImportText, VoucherHeader) {
  EXPECT_EQ(sql::ExisteComprobante("FC", "000100000025A"),
            "SELECT * FROM v_mv_cpte  with(nolock)  WHERE tc ='FC' and idcomprobante = '000100000025A'");
}

TEST(ImportText, CustomerEntryLine) {
  EXPECT_EQ(sql::ExisteAsientoCliente("NC", "0001", "00000025", "B"),
            "SELECT * FROM MV_ASIENTOS  with(nolock)  INNER JOIN MA_CUENTAS ON  MV_ASIENTOS.CUENTA = MA_CUENTAS.CODIGO  "
            "WHERE MA_CUENTAS.TipoVista = 'CL' AND TC = 'NC' AND SUCURSAL = '0001' AND NUMERO = '00000025' AND LETRA = 'B'");
}

}  // namespace

namespace {

TEST(ImportText, RunDriverSourcesAndCalendar) {
  EXPECT_EQ(sql::DeshabilitaTriggers(), "ALTER TABLE MV_ASIENTOS DISABLE TRIGGER ALL");
  EXPECT_EQ(sql::HabilitaTriggers(), "ALTER TABLE MV_ASIENTOS ENABLE TRIGGER ALL");
  EXPECT_EQ(sql::BorraAsientos(), "DELETE MV_ASIENTOS");
  EXPECT_EQ(sql::LeeFacturacion(), "Select * from TXFAC ");
  EXPECT_EQ(sql::LeeClientes(), "Select * from TXCLI ");
  EXPECT_EQ(sql::InsertaDiaCalendario("01/07/2005"),
            " if not exists (select fecha from ma_calendario where fecha='01/07/2005') insert into ma_calendario "
            "(fecha,nolaborable) values('01/07/2005',0)");
  EXPECT_EQ(sql::InsertaCuentaCliente(" 112010025 "),
            "INSERT INTO MA_CUENTAS (CODIGO,DESCRIPCION) VALUES('112010025','Completar')");
}

TEST(ImportText, FiscalYearsAndCustomers) {
  EXPECT_EQ(sql::LeeEjercicios(), "SELECT * FROM MV_EJERCICIOS ");
  EXPECT_EQ(sql::InsertaEjercicio(0), "INSERT INTO MV_EJERCICIOS (PERIODO,DESCRIPCION,[FECHA DESDE],[FECHA HASTA]) "
                                      "VALUES(0,'Ejercicio Anterior','01/01/1994','30/06/2005')");
  EXPECT_EQ(sql::InsertaEjercicio(1), "INSERT INTO MV_EJERCICIOS (PERIODO,DESCRIPCION,[FECHA DESDE],[FECHA HASTA]) "
                                      "VALUES(1,'Ejercicio 2005-2006','01/07/2005','30/06/2006')");
  EXPECT_EQ(sql::CuentaPorCodigo(" 112010007 "), "Select * from MA_CUENTAS where Codigo = '112010007'");
  EXPECT_EQ(sql::DatosClientePorCodigo("112010007"), "Select * from MA_CUENTASADIC where Codigo = '112010007'");
  EXPECT_EQ(sql::CuentasDesdePrefijo("11201"),
            "select * from ma_cuentas where substring(codigo,1,5) >= '11201' order by codigo");
}

class EntryLineText : public testing_support::CoreFixture {
 protected:
  void SetUp() override {
    CoreFixture::SetUp();
    core::gCore().gPeriodo = 1;
    core::gCore().gUNegocio = "   1";
    core::gCore().gUsuarioLogeado = "operador";
  }
  importacion::FacturaTavernix f = testing_support::FacturaDeMuestra();
  importacion::DatosTitular titular{"O'Brien", " 3"};
};

TEST_F(EntryLineText, TheFirstLineCarriesTheVatBook) {
  EXPECT_EQ(importacion::InsertaLineaAsiento(f, {1, "112010025", "H", 4, &titular}),
            "INSERT INTO MV_ASIENTOS (Tipo_Reg,Fecha,FechaSubDiario,Cuenta,Importe,[DEBE-HABER],CabCuenta,CabImporte,TC,"
            "Sucursal,Numero,Letra,LIVA_TIPO,LIVA_TOTAL,CabNombre,Vencimiento,CabCUIT,CabCondIVA,LIVA_IMPNETOGRAV,"
            "LIVA_IMPNETONGRAV,LIVA_IMPIVA,LIVA_IMPIVA2,LIVA_EXENTO,LIVA_ALICIVA,LIVA_ALICIVAREC,LIVA_ALICIVA2,Detalle,"
            "MES_OPERATIVO,Periodo,Secuencia,[NUMERO ASIENTO],IDCAJAS,UNEGOCIO,EsResumen,Es_Saldo_Apertura,EsAjuste,"
            "ChPropio,Moneda,Transmision,usuario_logeado,fechahora_grabacion,IdVendedor) VALUES ('','01/07/2005',"
            "'01/07/2005','112010025',60.5,'H','112010025',60.5,'NC','0001','00000012','A','Ventas',-60.5,'OBrien',"
            "'01/07/2005','20-12345678-9','   3',60.5,0,10.5,0,0,21,0,0,'7','7','1','1',4,'   1','   1',0,0,0,0,"
            "'   1',4,'operador','15/03/24 14:05','   7')");
}

TEST_F(EntryLineText, TheSecondLineLeavesTheVatBookOut) {
  EXPECT_EQ(importacion::InsertaLineaAsiento(f, {2, " 511 ", "D", 4, nullptr}),
            "INSERT INTO MV_ASIENTOS (Tipo_Reg,Fecha,FechaSubDiario,Cuenta,Importe,[DEBE-HABER],CabCuenta,CabImporte,TC,"
            "Sucursal,Numero,Letra,Detalle,MES_OPERATIVO,Periodo,Secuencia,[NUMERO ASIENTO],IDCAJAS,UNEGOCIO,EsResumen,"
            "Es_Saldo_Apertura,EsAjuste,ChPropio,Moneda,Transmision,usuario_logeado,fechahora_grabacion,IdVendedor) "
            "VALUES ('','01/07/2005','01/07/2005','511',60.5,'D','112010025',60.5,'NC','0001','00000012','A','7','7',"
            "'1','2',4,'   1','   1',0,0,1,0,'   1',4,'operador','15/03/24 14:05','   7')");
}

TEST_F(EntryLineText, TheVoucherHeader) {
  importacion::DatosTitular sinCondicion{"Completar", ""};
  EXPECT_EQ(importacion::InsertaCabecera(f, sinCondicion),
            "INSERT INTO V_MV_CPTE (TC,Fecha,FechaEstFin,IdComprobante,IdComplemento,Cuenta,Nombre,Importe,Importe_S_IVA,"
            "NetoGravado,AlicIva,ImporteIVA,AlicIva2,ImporteIVA2,DOCUMENTONUMERO,DOCUMENTOTIPO,CondicionIva,UNEGOCIO,"
            "Moneda,Cotizacion,IdVendedor) VALUES ('NC','01/07/2005','01/07/2005','000100000012A',0,'112010025',"
            "'Completar',60.5,60.5,60.5,21,10.5,0,0,'20-12345678-9','   1','   1','   1','   1',1,'   7')");
}

}  // namespace
