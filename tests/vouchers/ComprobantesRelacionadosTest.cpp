// The voucher audit row, vouchers generated from a given one, applied
// charges and the window of real charges.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "VoucherFixture.h"
#include "core/CoreState.h"
#include "data_access/LookupSql.h"
#include "platform/runtime/StepRunner.h"
#include "platform/suite/Library.h"
#include "support/ErrorNumber.h"
#include "support/Printers.h"
#include "support/QueryPlan.h"
#include "support/SuiteDatabase.h"
#include "vouchers/ClsCmnCptes.h"
#include "vouchers/FormCargosReales.h"
#include "vouchers/SentenciasComprobantes.h"

namespace {

using namespace testing_support;
using vouchers::ClsCmnCptes;

class Auditoria : public VoucherDatabase {
 protected:
  QString sentencia(const QString& TC, const QString& numero, const QString& complemento, bool alta,
                    bool modificacion, const QString& asiento = QString()) {
    QString sql = "sin cambiar";
    cpte.ActualizaBuchon(TC, numero, complemento, alta, modificacion, true, &sql, asiento);
    return sql;
  }
  QString pc() const { return suite::gInfoSistema().NombrePC(); }
  ClsCmnCptes cpte;
};

TEST_F(Auditoria, TheStatementHandedBackByDefault) {
  EXPECT_EQ(sentencia(" FC ", "000100000012A", "0", true, false, "345"),
            " INSERT INTO V_MV_CPTEACCIONES (TC,IdComprobante,IdComplemento,Tipo_accion,FECHAHORA,Usuario,PC,SYSTEMUSER,"
            "NUMEROASIENTO) VALUES ('FC','000100000012A',0,'A','15/03/24 14:05','Ana','" +
                pc() + "','',345)");
  EXPECT_TRUE(core::gCore().ListaCampos.empty());
  // Without the statement asked for, nothing runs either.
  cpte.ActualizaBuchon("FC", "000100000012A", "0", true, false);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM V_MV_CPTEACCIONES"), rt::Variant(0));
}

TEST_F(Auditoria, ActionComplementAndEntryNumber) {
  const struct {
    bool alta, modificacion;
    const char* complemento;
    const char* asiento;
    const char* valores;  // Tipo_accion, IdComplemento and NUMEROASIENTO literals
  } casos[] = {
      {true, true, "0", "", "'A' 0 0"},
      {false, true, "0", "12", "'M' 0 12"},
      {false, false, "0", " 7 ", "'B' 0 7"},
      {true, false, "211010001", "1,5", "'A' 211010001 1.5"},
      {true, false, "-3", "", "'A' -3 0"},
      {true, false, "0012", "", "'A' '0012' 0"},
      {true, false, "", "", "'A' '' 0"},
      {true, false, "A'1", "", "'A' 'A''1' 0"},
      {true, false, "1 OR 1=1", "", "'A' '1 OR 1=1' 0"},
      {true, false, "0", "dos", "'A' 0 NULL"},
  };
  const QRegularExpression valores("VALUES \\('FC','X',(.*),'(A|M|B)','[^']*','Ana','[^']*','',(.*)\\)$");
  for (const auto& c : casos) {
    SCOPED_TRACE(std::string(c.complemento) + " / " + c.asiento);
    const QRegularExpressionMatch m = valores.match(sentencia("FC", "X", c.complemento, c.alta, c.modificacion, c.asiento));
    ASSERT_TRUE(m.hasMatch());
    EXPECT_EQ(QString("'%1' %2 %3").arg(m.captured(2), m.captured(1), m.captured(3)), QString::fromUtf8(c.valores));
  }
}

TEST_F(Auditoria, RunAtOnceTheRowIsWritten) {
  core::gCore().gUsuarioLogeado = "O'Neil";
  cpte.ActualizaBuchon("FC", "000100000012A", "0", false, true, false);
  cpte.ActualizaBuchon("FCC", "000100000099A", "211010001", true, false, false, nullptr, "dos");
  EXPECT_EQ(rows("SELECT TC, IdComprobante, IdComplemento, Tipo_accion, FECHAHORA, Usuario, PC, SYSTEMUSER, "
                 "NUMEROASIENTO FROM V_MV_CPTEACCIONES ORDER BY ID"),
            QStringList({"FC|000100000012A|0|M|15/03/2024 14:05:00|O'Neil|" + pc() + "||0",
                         "FCC|000100000099A|211010001|A|15/03/2024 14:05:00|O'Neil|" + pc() + "||<null>"}));
  EXPECT_TRUE(host.boxes().empty());
}

class Relacionados : public VoucherDatabase {
 protected:
  void SetUp() override {
    VoucherDatabase::SetUp();
    exec("INSERT INTO V_MV_CPTE (TC, IdComprobante, IdComplemento, Importe, ANULADA, TCORIGEN, COMPROBANTEORIGEN, "
         "COMPLEMENTOORIGEN) VALUES "
         "('NC', '000100000001A', '0', 100.25, 0, 'FC', '000100000010A', '0'), "
         "('ND', '000100000002A', '0', 50, 1, 'FC', '000100000010A', '0'), "
         "('NC', '000100000003A', '5', 30.5, 0, 'FC', '000100000010A', '5'), "
         "('NC', '000100000004A', '0', NULL, 0, 'FC', '000100000010A', '0'), "
         "('NC', '000100000005A', '0', 70, 1, 'FC', '000100000011A', '0'), "
         "('RM', '000100000006A', '0', 10, 0, 'RM', '000100000010A', '0')");
  }
  ClsCmnCptes cpte;
};

TEST_F(Relacionados, VouchersNamingAnotherAsTheirOrigin) {
  const struct {
    const char* TC;
    const char* numero;
    const char* complemento;
    bool anulados;
    bool relacionado;
  } casos[] = {{"FC", "000100000010A", "0", false, true},  {" FC", " 000100000010A ", "0", false, true},
               {"FC", "000100000010A", "5", false, true},  {"FC", "000100000010A", "7", false, false},
               {"FC", "000100000011A", "0", false, false}, {"FC", "000100000011A", "0", true, true},
               {"FC", "000100000012A", "0", true, false},  {"F'C", "000100000010A", "0'", true, false}};
  for (const auto& c : casos) {
    SCOPED_TRACE(std::string(c.TC) + " " + c.numero + " " + c.complemento + (c.anulados ? " con anulados" : ""));
    EXPECT_EQ(cpte.EstaRelacionadoAOtroComprobante(c.TC, c.numero, c.complemento, c.anulados), c.relacionado);
  }
  EXPECT_TRUE(cpte.EstaRelacionadoAOtroComprobante("FC", "000100000010A"));
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(Relacionados, AmountOfTheVouchersGeneratedFromOne) {
  // Any complement, annulled ones left out, a Null amount counting 0.
  EXPECT_EQ(cpte.ObtieneImporteCptesAsociados("FC", "000100000010A"), rt::Currency::fromRaw(1307500));
  EXPECT_EQ(cpte.ObtieneImporteCptesAsociados("FC", "000100000011A"), rt::Currency());
  EXPECT_EQ(cpte.ObtieneImporteCptesAsociados("FC", "000100000099A"), rt::Currency());
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(Relacionados, AppliedChargesOfAnAccount) {
  exec("INSERT INTO V_MV_CargosAplicados (CUENTA, SALDO) VALUES ('112010001', 10.1), ('112010001', 0.2), "
       "('112010002', 99)");
  EXPECT_EQ(cpte.ImporteCargosReales(" 112010001 "), rt::Currency::fromRaw(103000));
  EXPECT_EQ(cpte.ImporteCargosReales("112019999"), rt::Currency());
  EXPECT_EQ(cpte.ImporteCargosReales("1' OR '1'='1"), rt::Currency());
  EXPECT_TRUE(host.boxes().empty());

  DefineInDatabase(path, "DROP TABLE V_MV_CargosAplicados");
  host.answerAnyBoxWith(rt::answer::Abort);
  EXPECT_EQ(cpte.ImporteCargosReales("112010001"), rt::Currency());
  ASSERT_FALSE(host.boxes().empty());
  EXPECT_TRUE(host.boxes().back().title.contains("ImporteCargosReales@")) << host.boxes().back().title.toStdString();
}

class FrmCargos : public vouchers::FormCargosReales {
 public:
  FrmCargos() : FormCargosReales("FrmCtrlCargosReales") {}
};

TEST_F(Relacionados, TheWindowOfRealChargesGetsTheCustomerAndIsShownModally) {
  FrmCargos ventanaCargos;
  QString visto;
  host.onModal<FrmCargos>("FrmCtrlCargosReales", [&](FrmCargos& f) {
    visto = f.Cliente + "|" + f.Matricula;
    f.Hide();
  });
  cpte.ControlDeCargosReales(ventanaCargos, "112010001", "AB123");
  EXPECT_EQ(visto, "112010001|AB123");
  host.onModal<FrmCargos>("FrmCtrlCargosReales", [&](FrmCargos& f) {
    visto = f.Cliente + "|" + f.Matricula;
    f.Hide();
  });
  cpte.ControlDeCargosReales(ventanaCargos, "112010002");
  EXPECT_EQ(visto, "112010002|");
}

TEST(SentenciasComprobantes, ExactTexts) {
  namespace sql = vouchers::sentencia;
  EXPECT_EQ(sql::SistemaDelComprobante("F'C"), "SELECT SISTEMA FROM V_TA_CPTE with(nolock) WHERE CODIGO = 'F''C'");
  EXPECT_EQ(sql::CapacidadDeLineas("FC", "A"), "SELECT CANTLINEAS FROM TA_CONFIG_IMP_CPTE WHERE TC='FC' AND LETRA='A' "
                                               "ORDER BY ID");
  EXPECT_EQ(sql::CargosReales("1120'1"), "SELECT SUM (SALDO) AS IMPORTE FROM V_MV_CargosAplicados WHERE CUENTA = "
                                         "'1120''1'");
  EXPECT_EQ(sql::ComprobantesRelacionados("FC", "000100000010A", "0", false),
            "SELECT * FROM V_MV_CPTE  with(nolock)  WHERE TCORIGEN = 'FC' AND COMPROBANTEORIGEN = '000100000010A' AND "
            "COMPLEMENTOORIGEN = '0'  AND ANULADA = 0");
  EXPECT_EQ(sql::ComprobantesRelacionados("FC", "000100000010A", "0", true),
            "SELECT * FROM V_MV_CPTE  with(nolock)  WHERE TCORIGEN = 'FC' AND COMPROBANTEORIGEN = '000100000010A' AND "
            "COMPLEMENTOORIGEN = '0' ");
  EXPECT_EQ(sql::ComprobantesAsociados("FC", "000100000010A"),
            "SELECT * FROM V_MV_CPTE  with(nolock)  WHERE TCORIGEN = 'FC' AND COMPROBANTEORIGEN = '000100000010A' AND "
            "ANULADA = 0");
}

class PlanesComprobantes : public QueryPlanTest {};

TEST_F(PlanesComprobantes, EveryLookupUsesAnIndex) {
  namespace sql = vouchers::sentencia;
  const QString statements[] = {
      sql::SistemaDelComprobante("FC"),
      sql::CapacidadDeLineas("FC", "A"),
      sql::CargosReales("112010001"),
      sql::ComprobantesRelacionados("FC", "000100000010A", "0", false),
      sql::ComprobantesAsociados("FC", "000100000010A"),
      // The descriptions of the totals grid's groups.
      data_access::sql::DatosTabla("V_ta_Rubros", "1", "IdRubro", 8, "", true),
      data_access::sql::DatosTabla("V_ta_TipoArticulo", "1", "Tipo", 8, "", true),
      data_access::sql::DatosTabla("V_ta_TipoArticulo", "1", "IdTipo", 8, "", true),
      data_access::sql::DatosTabla("V_MA_ARTICULOS", "ACEITE", "IdArticulo", 8, "", true),
  };
  for (const QString& s : statements) expectIndexed(s);
}

}  // namespace
