// The lookup service's settings, read once when the shared instance is made.
#include <gtest/gtest.h>

#include "core/CoreState.h"
#include "support/CoreFixture.h"
#include "support/Printers.h"

using namespace core;

namespace {

class LookupService : public testing_support::CoreDatabase {
 protected:
  void key(const QString& clave, const QString& valor) {
    exec(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('%1', '%2')").arg(clave, valor));
  }
};

TEST_F(LookupService, TheSettingsAreReadWhenTheInstanceIsMade) {
  key("MostrarStockenConsultas", "SI");
  key("Stk_Nivel1", "255");
  key("Stk_Nivel2", "");
  key("UsaConsultaLike", "si");
  connectAs("Ana");
  Lib_ClsCons3& c = gConsultas();
  EXPECT_EQ(c.MuestraStock, "SI");
  EXPECT_EQ(c.StkNivel1, rt::Variant("255"));
  EXPECT_EQ(c.StkNivel2, rt::Variant(int16_t{0})) << "an empty value is the number 0";
  EXPECT_EQ(c.StkNivel3, rt::Variant(" ")) << "a missing key keeps the reader's blank";
  EXPECT_TRUE(c.CfgUsaConsultaLike());
  EXPECT_EQ(c.Valores, std::optional<QStringList>(QStringList()));
  EXPECT_EQ(c.CmpsDevueltos, std::optional<QStringList>(QStringList()));

  // What a caller sets stays: nothing reads the keys again.
  c.StkNivel1 = QStringLiteral("65280");
  exec("UPDATE TA_CONFIGURACION SET VALOR = 'NO' WHERE CLAVE = 'UsaConsultaLike'");
  EXPECT_EQ(gConsultas().StkNivel1, rt::Variant("65280"));
  EXPECT_TRUE(gConsultas().CfgUsaConsultaLike());
}

TEST_F(LookupService, WithoutADatabaseNothingIsReadAndNothingIsShown) {
  Lib_ClsCons3& c = gConsultas();
  EXPECT_EQ(c.MuestraStock, " ");
  EXPECT_EQ(c.StkNivel4, rt::Variant(" "));
  EXPECT_FALSE(c.CfgUsaConsultaLike());
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(LookupService, TheAuxiliaryServiceIsASecondInstanceNobodyConnects) {
  connectAs("Ana");
  EXPECT_NE(&gDBAuxiliar(), &data_access::gDB());
  EXPECT_EQ(&gDBAuxiliar(), &gDBAuxiliar());
  EXPECT_EQ(gDBAuxiliar().gCnn.State(), ado::adStateClosed);
}

}  // namespace
