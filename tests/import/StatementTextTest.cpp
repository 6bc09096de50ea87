// The exact texts of the import's statements.
#include <gtest/gtest.h>

#include "import/ImportSql.h"
#include "platform/runtime/Text.h"
#include "support/QtPrinters.h"

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
