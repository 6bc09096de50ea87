// The program's own statements as an Oracle database gets them: each built
// by the code that builds it, put through the Oracle path it takes (the
// session's setting at connect, the script runner of EjecutaConsultaSQL,
// the dialect of AbrirRecordset and of the lookups, or the connection
// untranslated), and compared with the exact text Oracle must receive.
// With IMPORTAR_ORACLE_STATEMENTS set to a file name, the texts are also
// written there, one a line, for a check with an Oracle grammar.
#include <gtest/gtest.h>

#include <QFile>
#include <QTextStream>

#include "StockFixture.h"
#include "core/AccessControl.h"
#include "core/CoreState.h"
#include "data_access/DataAccessState.h"
#include "data_access/LookupSql.h"
#include "data_access/Synonyms.h"
#include "import/AsientoVenta.h"
#include "import/CuentaCliente.h"
#include "import/ImportSql.h"
#include "lookup/BusquedaLike.h"
#include "lookup/Lib_FrmCons3Tree.h"
#include "lookup/SentenciaConsulta.h"
#include "numbering/SentenciasNumeracion.h"
#include "platform/ado/odbc/OdbcSession.h"
#include "stock/Sentencias.h"
#include "support/FacturaDeMuestra.h"
#include "support/OracleRecorder.h"
#include "support/Printers.h"

namespace {

using namespace testing_support;

enum class Path {
  Untranslated,  // straight on the connection
  Read,          // AbrirRecordset, the lookups, the import's checks: the dialect
  Script,        // EjecutaConsultaSQL: the script runner
};

// As the service rewrites a statement before the dialect: the per-user
// synonyms for a read, the marker @Admin_ gone from a script.
QStringList oracle(Path path, const QString& sql) {
  switch (path) {
    case Path::Untranslated:
      return {sql};
    case Path::Read:
      return {data_access::TranslateToOracle(data_access::gDB().SS_TSinonimos(sql))};
    case Path::Script:
      return OracleRecorder().run(data_access::WithoutAdminMarker(sql));
  }
  return {};
}

struct Case {
  const char* what;
  Path path;
  QString sql;
  QStringList oracle;
};

class OracleStatements : public StockDatabase {
 protected:
  void SetUp() override {
    StockDatabase::SetUp();
    core::gCore().gPeriodo = 1;
    core::gCore().gUNegocio = "   1";
    core::gCore().gUsuarioLogeado = "operador";
  }

  // Checks each case and keeps its texts for the grammar check.
  void check(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
      const QStringList got = oracle(c.path, c.sql);
      EXPECT_EQ(got, c.oracle) << c.what;
      texts << got;
    }
  }
  void TearDown() override {
    if (const QString file = qEnvironmentVariable("IMPORTAR_ORACLE_STATEMENTS"); !file.isEmpty()) {
      QFile out(file);
      if (out.open(QIODevice::Append | QIODevice::Text)) {
        QTextStream lines(&out);
        for (QString text : texts) lines << text.replace(u'\r', u' ').replace(u'\n', u' ') << '\n';
      }
    }
    StockDatabase::TearDown();
  }

  importacion::FacturaTavernix f = FacturaDeMuestra();
  importacion::DatosTitular salter{"SALTER SA", "1"};
  QStringList texts;
};

TEST_F(OracleStatements, TheImportsStatements) {
  check({
      {"the write probe's session setting", Path::Untranslated, ado::odbc::SessionSetting(ado::odbc::Dbms::Oracle),
       {"ALTER SESSION SET NLS_DATE_FORMAT = 'DD/MM/RRRR HH24:MI:SS' NLS_NUMERIC_CHARACTERS = '.,"
        "' NLS_COMP = LINGUISTIC NLS_SORT = BINARY_CI"}},
      {"the write probe", Path::Untranslated, importacion::sql::PruebaEscritura("15/03/24 14:05", "PC1", "operador"),
       {"INSERT INTO AUX_ERR (Proceso,Fecha,Error,Descripcion,SQL,PC,Usuario) VALUES ('importar_tavernix',"
        "'15/03/24 14:05',0,'','','PC1','operador')"}},
      {"the run's lock", Path::Untranslated, importacion::sql::TomaBloqueoServidor(true),
       {"DECLARE r INTEGER; BEGIN r := DBMS_LOCK.REQUEST(id => 7148, lockmode => DBMS_LOCK.X_MODE, timeout => 0,"
        " release_on_commit => FALSE); IF r NOT IN (0, 4) THEN RAISE_APPLICATION_ERROR(-20000,"
        " 'Otra importacion esta grabando en esta base de datos.'); END IF; END;"}},
      {"triggers off", Path::Script, importacion::sql::DeshabilitaTriggers(),
       {"ALTER TABLE MV_ASIENTOS DISABLE ALL TRIGGERS"}},
      {"triggers on", Path::Script, importacion::sql::HabilitaTriggers(),
       {"ALTER TABLE MV_ASIENTOS ENABLE ALL TRIGGERS"}},
      {"the calendar day", Path::Script, importacion::sql::InsertaDiaCalendario("01/07/2005"),
       {"insert into ma_calendario (fecha,nolaborable) SELECT TO_DATE('01/07/2005','DD/MM/YYYY'),"
        "0 FROM DUAL WHERE not exists (select fecha from ma_calendario where fecha=TO_DATE('01/07/2005',"
        "'DD/MM/YYYY'))"}},
      {"the next entry number", Path::Read, importacion::sql::ObtieneNroAsiento(7, 1, ""),
       {"SELECT MAX(\"NUMERO ASIENTO\") AS \"NRO_ASIENTO\" FROM MV_ASIENTOS  WHERE MES_OPERATIVO = 7 AND "
        "(TIPO_REG = '\u00FFRS' OR RTRIM(TIPO_REG) IS NULL) AND PERIODO = 1"}},
      {"the voucher header's check", Path::Read, importacion::sql::ExisteComprobante("FC", "000100000012A"),
       {"SELECT * FROM v_mv_cpte    WHERE tc ='FC' and idcomprobante = '000100000012A'"}},
      {"the customer line's check", Path::Read, importacion::sql::ExisteAsientoCliente("FC", "0001", "00000012", "A"),
       {"SELECT * FROM MV_ASIENTOS    INNER JOIN MA_CUENTAS ON  MV_ASIENTOS.CUENTA = MA_CUENTAS.CODIGO  WHERE "
        "MA_CUENTAS.TipoVista = 'CL' AND TC = 'FC' AND SUCURSAL = '0001' AND NUMERO = '00000012' AND LETRA = 'A'"}},
      {"the customer's entry line", Path::Script,
       importacion::InsertaLineaAsiento(f, {1, "112010025", "D", 4, &salter}),
       {"INSERT INTO MV_ASIENTOS (Tipo_Reg,Fecha,FechaSubDiario,Cuenta,Importe,\"DEBE-HABER\",CabCuenta,"
        "CabImporte,TC,Sucursal,Numero,Letra,LIVA_TIPO,LIVA_TOTAL,CabNombre,Vencimiento,CabCUIT,CabCondIVA,"
        "LIVA_IMPNETOGRAV,LIVA_IMPNETONGRAV,LIVA_IMPIVA,LIVA_IMPIVA2,LIVA_EXENTO,LIVA_ALICIVA,LIVA_ALICIVAREC,"
        "LIVA_ALICIVA2,Detalle,MES_OPERATIVO,Periodo,Secuencia,\"NUMERO ASIENTO\",IDCAJAS,UNEGOCIO,EsResumen,"
        "Es_Saldo_Apertura,EsAjuste,ChPropio,Moneda,Transmision,usuario_logeado,fechahora_grabacion,"
        "IdVendedor) VALUES ('',TO_DATE('01/07/2005','DD/MM/YYYY'),TO_DATE('01/07/2005','DD/MM/YYYY'),"
        "'112010025',60.5,'D','112010025',60.5,'NC','0001','00000012','A','Ventas',-60.5,'SALTER SA',"
        "TO_DATE('01/07/2005','DD/MM/YYYY'),'20-12345678-9','   1',60.5,0,10.5,0,0,21,0,0,'7','7','1','1',4,"
        "'   1','   1',0,0,0,0,'   1',4,'operador',TO_DATE('15/03/2024 14:05:00','DD/MM/YYYY HH24:MI:SS'),'   7')"}},
      {"the adjustment line", Path::Script, importacion::InsertaLineaAsiento(f, {2, "511", "H", 4, nullptr}),
       {"INSERT INTO MV_ASIENTOS (Tipo_Reg,Fecha,FechaSubDiario,Cuenta,Importe,\"DEBE-HABER\",CabCuenta,"
        "CabImporte,TC,Sucursal,Numero,Letra,Detalle,MES_OPERATIVO,Periodo,Secuencia,\"NUMERO ASIENTO\",IDCAJAS,"
        "UNEGOCIO,EsResumen,Es_Saldo_Apertura,EsAjuste,ChPropio,Moneda,Transmision,usuario_logeado,"
        "fechahora_grabacion,IdVendedor) VALUES ('',TO_DATE('01/07/2005','DD/MM/YYYY'),TO_DATE('01/07/2005',"
        "'DD/MM/YYYY'),'511',60.5,'H','112010025',60.5,'NC','0001','00000012','A','7','7','1','2',4,'   1',"
        "'   1',0,0,1,0,'   1',4,'operador',TO_DATE('15/03/2024 14:05:00','DD/MM/YYYY HH24:MI:SS'),'   7')"}},
      {"the voucher header of SALTER SA", Path::Script, importacion::InsertaCabecera(f, salter),
       {"INSERT INTO V_MV_CPTE (TC,Fecha,FechaEstFin,IdComprobante,IdComplemento,Cuenta,Nombre,Importe,"
        "Importe_S_IVA,NetoGravado,AlicIva,ImporteIVA,AlicIva2,ImporteIVA2,DOCUMENTONUMERO,DOCUMENTOTIPO,"
        "CondicionIva,UNEGOCIO,Moneda,Cotizacion,IdVendedor) VALUES ('NC',TO_DATE('01/07/2005','DD/MM/YYYY'),"
        "TO_DATE('01/07/2005','DD/MM/YYYY'),'000100000012A',0,'112010025','SALTER SA',60.5,60.5,60.5,21,10.5,0,0,"
        "'20-12345678-9','   1','   1','   1','   1',1,'   7')"}},
      {"a new account", Path::Script, importacion::sql::InsertaCuentaCliente("112010025"),
       {"INSERT INTO MA_CUENTAS (CODIGO,DESCRIPCION) VALUES('112010025','Completar')"}},
      {"a fiscal year", Path::Script, importacion::sql::InsertaEjercicio(1),
       {"INSERT INTO MV_EJERCICIOS (PERIODO,DESCRIPCION,\"FECHA DESDE\",\"FECHA HASTA\") VALUES(1,"
        "'Ejercicio 2005-2006',TO_DATE('01/07/2005','DD/MM/YYYY'),TO_DATE('30/06/2006','DD/MM/YYYY'))"}},
      {"the free code's walk", Path::Read, importacion::sql::CuentasDesdePrefijo("11201"),
       {"select * from SS_MA_CUENTAS where SUBSTR(codigo,1,5) >= '11201' order by codigo"}},
      {"a remembered customer", Path::Read,
       importacion::sql::ClienteImportado({"TXCLI.DBF", "7", "", "99999999995", 1}),
       {"SELECT * FROM AUX_CLIENTES_IMPORTADOS WHERE Archivo = 'TXCLI.DBF' AND Codigo = '7' AND RTRIM(Nombre) IS "
        "NULL AND Cuit = '99999999995' AND OrdenEntreRecordados = 1"}},
      {"deleting the entries", Path::Script, importacion::sql::BorraAsientos(),
       {"DELETE MV_ASIENTOS"}},
  });
}

TEST_F(OracleStatements, TheSharedModulesStatements) {
  QString campo, where = "UnidadNegocio = '   1'";
  core::gConsultas().gUsarMascarasConsultas = false;
  const std::optional<QString> lista =
      lookup::ArmaSentenciaConsulta(core::gConsultas(), "V_TA_DEPOSITO", campo, where, "");
  ASSERT_TRUE(lista);
  QString base, cola;
  check({
      {"the rights query", Path::Read, core::SentenciaTareas("operador", "importar_tavernix"),
       {"SELECT TA_TAREAS.USUARIO, TA_MENU.Proceso, TA_MENU.Clave , TA_MENU.Nombre  FROM TA_TAREAS   INNER JOIN "
        "TA_MENU ON TA_TAREAS.TAREA = TA_MENU.Clave  WHERE (TA_TAREAS.USUARIO = 'operador') AND (TA_MENU.Proceso "
        "LIKE '%importar\\_tavernix%' ESCAPE '\\')"}},
      {"a lookup list", Path::Read, *lista,
       {"SELECT * FROM (SELECT Descripcion,IdDeposito,UnidadNegocio FROM SS_V_TA_DEPOSITO WHERE   (UnidadNegocio "
        "= '   1')  ORDER BY IDDEPOSITO) WHERE ROWNUM <= 1000"}},
      {"a lookup list narrowed by a text", Path::Read,
       lookup::SentenciaBusquedaLista(*lista, base, cola, "Descripcion", "DEP", true),
       {"SELECT * FROM (SELECT Descripcion,IdDeposito,UnidadNegocio FROM SS_V_TA_DEPOSITO WHERE   (UnidadNegocio "
        "= '   1')   and Descripcion like '%DEP%' ORDER BY IDDEPOSITO) WHERE ROWNUM <= 1000"}},
      {"the family tree", Path::Read, lookup::SentenciaFamilias(),
       {"SELECT IdFamilia, Descripcion, (SELECT MAX(idfamilia) FROM SS_V_TA_FAMILIAS a   Where a.IdFamilia < "
        "b.IdFamilia And (LENGTH(RTRIM(LTrim(RTrim(a.IdFamilia)))) < LENGTH(RTRIM(LTrim(RTrim(b.IdFamilia)))))  "
        ") AS \"relative\" FROM V_TA_FAMILIAS b ORDER BY IdFamilia"}},
      {"an existence lookup", Path::Read, data_access::sql::ExisteEnTabla("TA_ESTADOS", "  12", "codigo", 8, ""),
       {"SELECT  * FROM TA_ESTADOS   WHERE (LTRIM(RTRIM(codigo)) ='12') AND ROWNUM <= 1"}},
      {"a voucher book", Path::Read,
       numbering::sentencia::TalonariosDeUnidad("FC", "   1", numbering::sentencia::FiltroSucursal("0001")),
       {"SELECT * FROM V_TA_CPTE WHERE  CODIGO = 'FC' AND UNEGOCIO = '   1' AND A_SUC_DEFAULT = '0001'  ORDER BY "
        "TALONARIO"}},
      {"a voucher book's number", Path::Script, numbering::sentencia::AvanzaContador("FC", "A", "13", 1),
       {"UPDATE V_TA_CPTE SET A_ULTIMO_NRO = 13 WHERE CODIGO = 'FC' AND TALONARIO=1"}},
      {"a purchase order received", Path::Script,
       stock::sentencia::RecepcionOrdenDeCompra("'OC'", "'000100000003X'", "15/03/2024"),
       {"UPDATE c_mv_cpte set FechaRecepcion=TO_DATE('15/03/2024','DD/MM/YYYY') where (TC='OC' and "
        "IDCOMPROBANTE='000100000003X') AND exists(select * from c_mv_cpte    where TC='OC' and "
        "IDCOMPROBANTE='000100000003X' and fecharecepcion is null)"}},
      {"a column added", Path::Script,
       data_access::sql::AddField("MV_ASIENTOS", "EsAjuste", "bit", false, rt::Variant(0), true),
       {"ALTER TABLE MV_ASIENTOS ADD (EsAjuste NUMBER(1) DEFAULT 0 NOT NULL)"}},
  });
}

TEST_F(OracleStatements, AStockRowWithItsEntry) {
  Registro r{.acumula = true};
  registra(grilla("RM", {Articulo("TORNILLO", "4")}), r);
  ASSERT_FALSE(r.hayError);
  check({{"a delivery note's stock row and entry", Path::Script, r.sql,
       {"INSERT INTO V_MV_STOCK(TC,IdComprobante,IdComplemento,Secuencia,Fecha,IdCaja,IdDeposito,IdArticulo,"
        "Descripcion,NroLote,ControladoPor,NroSerie,IdUnidad,Cantidad,CantidadUD,IdUnidadBase,CuentaProveedor,"
        "IdMotivoStock,PrecioVenta,Importe_S_Iva,Costo,Impuestos,DtoItem,Tc_Origen,IdComprobante_Origen,"
        "Id_Origen,IVARI,IVARNI,EQUIV_UDBASE,IDINSERT,IDCOMPULSA,Oferta,IdVendedor,Importe_Ud,Ud_Pr,UNEGOCIO,"
        "ARTMONEDA,ARTCOTIZACION,EnComodato) VALUES ('RM','000100000015R',0,1,TO_DATE('15/03/2024','DD/MM/YYYY'),"
        "'   1','   1','TORNILLO','Tornillo 3/8',NULL,'',NULL,'UN',-4,-4,'UN','211010001','   5',0,0,2.5,0,0,"
        "'NULL',NULL,0,0,0,1,0,0,0,'',0,'','   1','   1',1,0)",
        "INSERT INTO MV_ASIENTOS (Cuenta,Secuencia,Mes_Operativo,\"NUMERO ASIENTO\",Fecha,FechaSubDiario,Detalle,"
        "TC,SUCURSAL,NUMERO,LETRA,PERIODO,Tipo_Reg,\"DEBE-HABER\",FechaHora_Grabacion,USUARIO_LOGEADO,Importe,"
        "Moneda,Cotizacion,CABImporte,CABCuenta,CABNombre,Unegocio,IdCajas) VALUES ('51101','1','3','1',"
        "TO_DATE('15/03/2024','DD/MM/YYYY'),TO_DATE('15/03/2024','DD/MM/YYYY'),'Remitos','RM','0001','00000015',"
        "'R','1','STK','D',TO_DATE('15/03/2024 14:05:09','DD/MM/YYYY HH24:MI:SS'),'operador',10,'   1',1,10,"
        "'51101','1','   1','   1')",
        "INSERT INTO MV_ASIENTOS (Cuenta,Secuencia,Mes_Operativo,\"NUMERO ASIENTO\",Fecha,FechaSubDiario,Detalle,"
        "TC,SUCURSAL,NUMERO,LETRA,PERIODO,Tipo_Reg,\"DEBE-HABER\",FechaHora_Grabacion,USUARIO_LOGEADO,Importe,"
        "Moneda,Cotizacion,CABImporte,CABCuenta,CABNombre,Unegocio,IdCajas) VALUES ('11401','2','3','1',"
        "TO_DATE('15/03/2024','DD/MM/YYYY'),TO_DATE('15/03/2024','DD/MM/YYYY'),'Remitos','RM','0001','00000015',"
        "'R','1','STK','H',TO_DATE('15/03/2024 14:05:09','DD/MM/YYYY HH24:MI:SS'),'operador',10,'   1',1,10,"
        "'51101','1','   1','   1')"}}});
}

}  // namespace
