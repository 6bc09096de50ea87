// Per-user synonyms: which names a user who is not an administrator reads
// through the "SS_" twins.
#include <gtest/gtest.h>

#include "data_access/DataAccessState.h"
#include "data_access/Synonyms.h"
#include "support/Printers.h"

namespace {

using data_access::RewriteForUser;
using data_access::SynonymContext;

const SynonymContext kUser{false, true, "importar_tavernix"};

TEST(Synonyms, RewritesNamesInTheirContextsOnly) {
  struct Case {
    const char* sql;
    const char* expected;
  };
  const Case cases[] = {
      {"SELECT * FROM MA_CUENTAS WHERE CODIGO = '1'", "SELECT * FROM SS_MA_CUENTAS WHERE CODIGO = '1'"},
      {"SELECT * FROM MA_CUENTAS", "SELECT * FROM MA_CUENTAS"},
      {"select * from ma_cuentas where x = 1", "select * from SS_MA_CUENTAS where x = 1"},
      {"SELECT ma_cuentas.CODIGO FROM (MA_CUENTAS INNER JOIN X ON X.A=MA_CUENTAS.A)",
       "SELECT SS_MA_CUENTAS.CODIGO FROM (SS_MA_CUENTAS INNER JOIN X ON X.A=MA_CUENTAS.A)"},
      {"SELECT A,MA_CUENTAS.B, (MA_CUENTAS.C) FROM T", "SELECT A,SS_MA_CUENTAS.B, (SS_MA_CUENTAS.C) FROM T"},
      {"{MA_CUENTAS.CODIGO}", "{SS_MA_CUENTAS.CODIGO}"},
      {"SELECT * FROM\tMA_CUENTAS WHERE A = 'MA_CUENTAS'", "SELECT * FROM\tMA_CUENTAS WHERE A = 'MA_CUENTAS'"},
      {"SELECT * FROM MA_CUENTAS\r\nWHERE 1=1", "SELECT * FROM MA_CUENTAS\r\nWHERE 1=1"},
      {"SELECT * FROM @Admin_MA_CUENTAS WHERE X = 1", "SELECT * FROM MA_CUENTAS WHERE X = 1"},
      {"SELECT * FROM @ADMIN_V_TA_CAJAS WHERE X = 1", "SELECT * FROM V_TA_CAJAS WHERE X = 1"},
      {"SELECT * FROM V_TA_DEPOSITO WHERE (V_TA_DEPOSITO.A=1)",
       "SELECT * FROM SS_V_TA_DEPOSITO WHERE (SS_V_TA_DEPOSITO.A=1)"},
      {"SELECT * FROM V_TA_FAMILIAS , V_TA_CAJAS WHERE 1=1",
       "SELECT * FROM SS_V_TA_FAMILIAS , SS_V_TA_CAJAS WHERE 1=1"},
      {"SELECT * FROM AC_CUENTASDIARIO WHERE X", "SELECT * FROM SS_AC_CUENTASDIARIO WHERE X"},
      {"SELECT * FROM AC_CUENTASDIARIO_CCOSTO WHERE X", "SELECT * FROM SS_AC_CUENTAS_DIARIO_CCOSTO WHERE X"},
      {"SELECT * FROM MV_ASIENTOS WHERE (MV_ASIENTOS.NUMERO > 1)",
       "SELECT * FROM SS_MV_ASIENTOS WHERE (SS_MV_ASIENTOS.NUMERO > 1)"},
  };
  for (const Case& c : cases) EXPECT_EQ(RewriteForUser(c.sql, kUser), QString::fromUtf8(c.expected)) << c.sql;
}

TEST(Synonyms, ConfidentialityDecidesForEntryStatements) {
  const QString join = "SELECT * FROM MA_CUENTAS INNER JOIN MV_ASIENTOS ON MA_CUENTAS.CODIGO = MV_ASIENTOS.CUENTA ";
  SynonymContext open = kUser;
  open.confidencialidad = false;
  EXPECT_EQ(RewriteForUser(join, open), join);
  EXPECT_EQ(RewriteForUser("SELECT * FROM MA_CUENTAS WHERE REF = 'xmv_asientos' ", open),
            "SELECT * FROM MA_CUENTAS WHERE REF = 'xmv_asientos' ");
  EXPECT_EQ(RewriteForUser("DELETE FROM @Admin_MV_ASIENTOS WHERE X = 1", open), "DELETE FROM MV_ASIENTOS WHERE X = 1");
  EXPECT_EQ(RewriteForUser(join, kUser),
            "SELECT * FROM SS_MA_CUENTAS INNER JOIN SS_MV_ASIENTOS ON SS_MA_CUENTAS.CODIGO = SS_MV_ASIENTOS.CUENTA ");
}

TEST(Synonyms, AdministratorsReadThePlainTables) {
  SynonymContext admin = kUser;
  admin.esAdmin = true;
  EXPECT_EQ(RewriteForUser("SELECT * FROM @Admin_MA_CUENTAS INNER JOIN V_TA_CAJAS ON (V_TA_CAJAS.X = 1) ", admin),
            "SELECT * FROM MA_CUENTAS INNER JOIN V_TA_CAJAS ON (V_TA_CAJAS.X = 1) ");
}

TEST(Synonyms, TheServiceReadsItsUserAndTheConfidentiality) {
  const QString sql = "SELECT * FROM MV_ASIENTOS WHERE 1=1";
  data_access::DB_Dll db;
  EXPECT_EQ(db.SS_TSinonimos(sql), sql);
  data_access::gConfidencialidad() = true;
  EXPECT_EQ(db.SS_TSinonimos(sql), "SELECT * FROM SS_MV_ASIENTOS WHERE 1=1");
  db.gEsAdmin = true;
  EXPECT_EQ(db.SS_TSinonimos(sql), sql);
  data_access::ResetDataAccess();
  EXPECT_FALSE(data_access::gConfidencialidad());
}

TEST(Synonyms, StockReportsKeepThePlainDeposits) {
  const QString sql = "SELECT * FROM V_TA_DEPOSITO , MA_CUENTAS WHERE 1=1";
  EXPECT_EQ(RewriteForUser(sql, kUser), "SELECT * FROM SS_V_TA_DEPOSITO , SS_MA_CUENTAS WHERE 1=1");
  for (const char* exe : {"V_CONS_FICHA_STOCK", "rp_stock"}) {
    SynonymContext report = kUser;
    report.executableName = exe;
    EXPECT_EQ(RewriteForUser(sql, report), "SELECT * FROM V_TA_DEPOSITO , SS_MA_CUENTAS WHERE 1=1") << exe;
  }
}

}  // namespace
