// Entry numbering and the voucher and customer-entry checks on a real
// database.
#include <gtest/gtest.h>

#include "ImportDatabase.h"
#include "import/EntryChecks.h"
#include "platform/runtime/Text.h"
#include "platform/ui/MessageBox.h"
#include "support/Printers.h"

namespace {

using namespace importacion;

class EntryChecks : public testing_support::ImportDatabase {
 protected:
  // One entry line of entry `numero`.
  void line(int mes, int periodo, const QString& tipoReg, int numero, const QString& cuenta = "112010001",
            const QString& tc = "FC", const QString& numeroCpte = "00000001") {
    exec(QStringLiteral("INSERT INTO MV_ASIENTOS (Tipo_Reg, MES_OPERATIVO, Periodo, Secuencia, [NUMERO ASIENTO], "
                        "Cuenta, TC, Sucursal, Numero, Letra) VALUES ('%1', %2, %3, 1, %4, '%5', '%6', '0001', '%7', 'A')")
             .arg(tipoReg)
             .arg(mes)
             .arg(periodo)
             .arg(numero)
             .arg(cuenta, tc, numeroCpte));
  }
};

TEST_F(EntryChecks, TheFirstEntryOfASeriesIsOne) {
  EXPECT_EQ(ObtieneNroAsiento(7, 1), 1);
  line(7, 1, "", 0);
  EXPECT_EQ(ObtieneNroAsiento(7, 1), 1);
}

TEST_F(EntryChecks, EachSeriesCountsItsOwnEntries) {
  for (int n = 1; n <= 12; ++n) line(7, 1, "", n);
  line(8, 1, "", 50);
  line(7, 0, "", 40);
  line(7, 1, "VTA", 99);
  EXPECT_EQ(ObtieneNroAsiento(7, 1), 13);
  EXPECT_EQ(ObtieneNroAsiento(7, 1, "  "), 13);
  EXPECT_EQ(ObtieneNroAsiento(8, 1), 51);
  EXPECT_EQ(ObtieneNroAsiento(7, 0), 41);
  EXPECT_EQ(ObtieneNroAsiento(7, 1, " VTA "), 100);
  EXPECT_EQ(ObtieneNroAsiento(7, 1, "CPR"), 1);
  // Chr(255) + "RS" shares the series of the empty register type.
  line(7, 1, QString(rt::Chr(255)) + "RS", 20);
  EXPECT_EQ(ObtieneNroAsiento(7, 1), 21);
}

TEST_F(EntryChecks, TheNumberIsReadNotReserved) {
  line(3, 1, "", 4);
  EXPECT_EQ(ObtieneNroAsiento(3, 1), 5);
  EXPECT_EQ(ObtieneNroAsiento(3, 1), 5);
}

TEST_F(EntryChecks, AFailedNumberingGivesZero) {
  define("DROP TABLE MV_ASIENTOS");
  host.answer(ui::mb::Abort);  // the open
  host.answer(ui::mb::Abort);  // reading the closed set
  EXPECT_EQ(ObtieneNroAsiento(7, 1), 0);
  ASSERT_EQ(host.boxes().size(), 2u);
  EXPECT_TRUE(host.boxes()[1].title.contains("ObtieneNroAsiento")) << host.boxes()[1].title.toStdString();
}

TEST_F(EntryChecks, VoucherHeaderByTypeAndNumber) {
  exec("INSERT INTO V_MV_CPTE (TC, IdComprobante, IdComplemento) VALUES ('FC', '000100000025A', '0')");
  EXPECT_TRUE(ExisteComprobante("FC", "000100000025A"));
  EXPECT_TRUE(ExisteComprobante("fc", "000100000025a"));
  EXPECT_FALSE(ExisteComprobante("NC", "000100000025A"));
  EXPECT_FALSE(ExisteComprobante("FC", "000100000025B"));
  EXPECT_FALSE(ExisteComprobante("FC", "0001'0000025A"));

  ado::Recordset rs;
  ASSERT_TRUE(ExisteComprobante("FC", "000100000025A", &rs));
  ASSERT_EQ(rs.State(), ado::adStateOpen);
  EXPECT_EQ(rs.Fields("IdComprobante").Value().toString(), "000100000025A");
  EXPECT_FALSE(ExisteComprobante("NC", "000100000025A", &rs));
  EXPECT_EQ(rs.State(), ado::adStateOpen);
}

TEST_F(EntryChecks, AFailingHeaderCheckAsksAndAnswersFalse) {
  define("DROP TABLE V_MV_CPTE");
  host.answer(ui::mb::Abort, "v_mv_cpte");
  EXPECT_FALSE(ExisteComprobante("FC", "000100000025A"));
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].title, "Aviso al Operador");
  EXPECT_EQ(host.boxes()[0].buttons, ui::mb::AbortRetryIgnore | ui::mb::Critical);
}

TEST_F(EntryChecks, CustomerLinesAreThoseOnCustomerAccounts) {
  exec("INSERT INTO MA_CUENTAS (CODIGO, DESCRIPCION) VALUES ('112010001', 'Completar')");
  exec("INSERT INTO MA_CUENTAS (CODIGO, DESCRIPCION, TipoVista) VALUES ('511', 'Ajuste', 'AJ')");
  line(7, 1, "", 1, "511", "FC", "00000001");
  EXPECT_FALSE(ExisteAsientoCliente("FC", "0001", "00000001", "A"));
  line(7, 1, "", 2, "112010001", "FC", "00000002");
  EXPECT_TRUE(ExisteAsientoCliente("FC", " 0001 ", "00000002", "A"));
  EXPECT_TRUE(ExisteAsientoCliente(" fc ", "0001", "00000002", "a"));
  EXPECT_FALSE(ExisteAsientoCliente("NC", "0001", "00000002", "A"));
  EXPECT_FALSE(ExisteAsientoCliente("FC", "0001", "00000002", "B"));
}

}  // namespace
