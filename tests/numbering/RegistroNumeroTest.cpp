// Recording a used voucher number in its book: at once, or as statements
// for the caller's batch, with the control row.
#include <gtest/gtest.h>

#include "Libros.h"
#include "NumberingFixture.h"
#include "data_access/DataAccessState.h"
#include "numbering/NumberingState.h"
#include "numbering/RegistroNumero.h"
#include "platform/ui/MessageBox.h"
#include "support/Printers.h"
#include "support/SuiteDatabase.h"

namespace {

using namespace numbering;
using testing_support::InsertaLibro;
using testing_support::Libro;

const QString kUpdate = " UPDATE V_TA_CPTE SET A_ULTIMO_NRO = 12 WHERE CODIGO = 'FC' AND TALONARIO=1";
const QString kControl =
    "\r\n INSERT INTO V_MV_CTROL_CPTE (TC,SUCURSAL,NUMERO,LETRA) VALUES ('FC','0001','00000011','A')\r\n";

struct Pedido {
  QString numero = "12";
  QString sql = QString();
  bool soloSentencia = true;
  bool forzarControl = false;
  bool noActualizaTalonario = false;
  QString tc = "FC";
  QString letra = "A";
  QString sistema = "VENTAS";
};

class RegistroNumero : public testing_support::NumberingDatabase {
 protected:
  // The statements handed back.
  QString registra(Pedido p) {
    ActualizaNumeroComprobante(p.tc, p.sistema, "0001", p.numero, p.letra, p.soloSentencia, p.sql, p.forzarControl,
                               p.noActualizaTalonario);
    return p.sql;
  }
  void libro(Libro l) { exec(InsertaLibro(l)); }
  rt::Variant contador(const QString& tabla = "V_TA_CPTE") {
    return scalar("SELECT A_ULTIMO_NRO FROM " + tabla + " WHERE CODIGO = 'FC' AND TALONARIO = 1");
  }
};

TEST_F(RegistroNumero, TheCounterMovesForwardAsAStatement) {
  libro({.ultimo = 10});
  const QString sql = registra({});
  EXPECT_EQ(sql, kUpdate);
  EXPECT_EQ(contador(), rt::Variant(int32_t{10}));  // nothing written yet
  data_access::gDB().EjecutaConsultaSQL(sql);
  EXPECT_EQ(contador(), rt::Variant(int32_t{12}));
}

TEST_F(RegistroNumero, AccountingTypesAddTheVouchersControlRow) {
  libro({.ultimo = 10, .sistema = "Contable"});
  const QString sql = registra({});
  EXPECT_EQ(sql, kUpdate + kControl);
  data_access::gDB().EjecutaConsultaSQL(sql);
  EXPECT_EQ(rows("SELECT TC, SUCURSAL, NUMERO, LETRA FROM V_MV_CTROL_CPTE"), QStringList{"FC|0001|00000011|A"});
  EXPECT_EQ(contador(), rt::Variant(int32_t{12}));
}

TEST_F(RegistroNumero, ANumberNotBeyondTheCounterKeepsIt) {
  libro({.ultimo = 12});
  EXPECT_EQ(registra({.numero = "12"}), "");
  EXPECT_EQ(registra({.numero = "3", .sql = "PREVIO", .forzarControl = true}),
            "PREVIO\r\n INSERT INTO V_MV_CTROL_CPTE (TC,SUCURSAL,NUMERO,LETRA) VALUES ('FC','0001','00000002','A')\r\n");
}

TEST_F(RegistroNumero, TheControlRowIsForcedOrForPurchaseOrders) {
  libro({.ultimo = 10});
  libro({.codigo = "OC", .ultimo = 10});
  EXPECT_EQ(registra({.forzarControl = true}), kUpdate + kControl);
  EXPECT_EQ(registra({.noActualizaTalonario = true, .tc = "OC"}),
            "\r\n INSERT INTO V_MV_CTROL_CPTE (TC,SUCURSAL,NUMERO,LETRA) VALUES ('OC','0001','00000011','A')\r\n");
  EXPECT_EQ(registra({.noActualizaTalonario = true}), "");
}

TEST_F(RegistroNumero, TheCallersTextIsKept) {
  libro({.ultimo = 10, .sistema = "Contable"});
  EXPECT_EQ(registra({.sql = "INSERT INTO V_MV_STOCK (TC) VALUES ('FC')"}),
            "INSERT INTO V_MV_STOCK (TC) VALUES ('FC')\r\n" + kUpdate + kControl);
}

TEST_F(RegistroNumero, ASharedTypeRecordsInTheBooksItShares) {
  exec("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('NUM_NC', 'FC')");
  libro({.ultimo = 10});
  EXPECT_EQ(registra({.tc = "NC"}), kUpdate);
}

TEST_F(RegistroNumero, AtOnceTheCounterAndItsTimeAreWritten) {
  libro({.ultimo = 10});
  EXPECT_EQ(registra({.soloSentencia = false}), "");
  EXPECT_EQ(rows("SELECT A_ULTIMO_NRO, fechahora_modificacion FROM V_TA_CPTE"), QStringList{"12|15/03/2024 14:05:00"});
  registra({.numero = "5", .soloSentencia = false});
  EXPECT_EQ(contador(), rt::Variant(int32_t{12}));
}

TEST_F(RegistroNumero, OnlyTheBookThatHoldsTheNumberIsRecorded) {
  libro({.talonario = 1, .ultimo = 10, .hasta = 100});
  libro({.talonario = 2, .ultimo = 150, .desde = 101, .hasta = 200});
  gNumeracion().TalonarioActual = 2;  // left by an earlier offer
  EXPECT_EQ(registra({.numero = "500", .sql = "PREVIO"}), "PREVIO");
  registra({.numero = "500", .soloSentencia = false});
  EXPECT_EQ(rows("SELECT TALONARIO, A_ULTIMO_NRO FROM V_TA_CPTE ORDER BY TALONARIO"), (QStringList{"1|10", "2|150"}));
}

TEST_F(RegistroNumero, TheLastVoucherOfABookIsRecordedInIt) {
  // The counter is to hold one past the book's end: the voucher's own
  // number (100) still belongs to the book.
  libro({.ultimo = 100, .hasta = 100, .sistema = "Contable"});
  EXPECT_EQ(registra({.numero = "101"}),
            " UPDATE V_TA_CPTE SET A_ULTIMO_NRO = 101 WHERE CODIGO = 'FC' AND TALONARIO=1"
            "\r\n INSERT INTO V_MV_CTROL_CPTE (TC,SUCURSAL,NUMERO,LETRA) VALUES ('FC','0001','00000100','A')\r\n");
  registra({.numero = "101", .soloSentencia = false});
  EXPECT_EQ(contador(), rt::Variant(int32_t{101}));
}

TEST_F(RegistroNumero, AnExternalTypeLeavesTheCallersText) {
  libro({.ultimo = 10, .externo = true});
  EXPECT_EQ(registra({.sql = "PREVIO"}), "PREVIO");
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(RegistroNumero, ATypeWithoutBooksIsReported) {
  host.answer(ui::mb::Ok);
  EXPECT_EQ(registra({.sql = "PREVIO"}), "PREVIO");
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].prompt,
            "Error en grabación del Comprobante, no se ha encontrado el comprobante configurado");
  EXPECT_EQ(host.boxes()[0].title, "ATENCION");
  EXPECT_EQ(host.boxes()[0].buttons, ui::mb::Critical);
}

TEST_F(RegistroNumero, ALetterOutsideTheSevenBuildsNothing) {
  libro({.ultimo = 10});
  host.answer(ui::mb::Retry, " La letra Informada no es Valida, la misma debe ser A,B,C,E,R,X,M");
  EXPECT_EQ(registra({.letra = "A_ULTIMO_NRO = 0, B"}), "");
  EXPECT_EQ(host.boxes()[0].title, "importar_tavernix - ActualizaNumeroComprobante Aviso al operador!!! ");
  EXPECT_EQ(contador(), rt::Variant(int32_t{10}));
}

TEST_F(RegistroNumero, OnlyANumberTextReachesTheStatements) {
  libro({.ultimo = 10});
  host.answer(ui::mb::Ignore, "No coinciden los tipos");
  EXPECT_EQ(registra({.numero = "12; DELETE FROM V_TA_CPTE"}), "");
  EXPECT_EQ(contador(), rt::Variant(int32_t{10}));
}

TEST_F(RegistroNumero, ABookMissingFromTheViewIsRecordedInItsSystemsTableForwardOnly) {
  // A V_TA_CPTE that shows the book but no longer finds it by its number.
  exec(InsertaLibro({.ultimo = 10}, "TA_Comprobantes"));
  exec(InsertaLibro({.ultimo = 10, .sistema = "STOCK"}, "TA_Comprobantes"));
  testing_support::DefineInDatabase(
      path, "DROP TABLE V_TA_CPTE; CREATE VIEW V_TA_CPTE AS SELECT CODIGO, TALONARIO + 0.25 AS TALONARIO, "
            "Letras, SISTEMA, Modificanumeracion, Externo, A_SUC_DEFAULT, A_ULTIMO_NRO, A_NRO_DESDE, A_NRO_HASTA, "
            "VenceA FROM TA_Comprobantes WHERE SISTEMA = 'VENTAS'");
  EXPECT_EQ(registra({.sistema = "STOCK"}),
            " UPDATE TA_Comprobantes SET A_ULTIMO_NRO = 12 WHERE CODIGO = 'FC' AND SISTEMA = 'STOCK' AND TALONARIO =1");
  EXPECT_EQ(registra({.numero = "8", .sistema = "STOCK"}), "");
  registra({.numero = "15", .soloSentencia = false, .sistema = "STOCK"});
  EXPECT_EQ(rows("SELECT SISTEMA, A_ULTIMO_NRO FROM TA_Comprobantes ORDER BY SISTEMA"),
            (QStringList{"STOCK|15", "VENTAS|10"}));
}

}  // namespace
