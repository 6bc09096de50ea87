// The configuration reader and the loader of the configuration keys.
#include <gtest/gtest.h>

#include "support/CoreFixture.h"
#include "core/Configuration.h"
#include "core/CoreState.h"
#include "core/Formatting.h"
#include "data_access/DataAccessState.h"
#include "platform/ui/MessageBox.h"
#include "support/Printers.h"

using namespace core;

namespace {

class Configuration : public testing_support::CoreDatabase {
 protected:
  void SetUp() override {
    CoreDatabase::SetUp();
    connectAs("Ana");
  }
  void key(const QString& clave, const QString& valor, const QString& aux = QString()) {
    exec(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR, ValorAux) VALUES ('%1', %2, %3)")
             .arg(clave, valor.isNull() ? "NULL" : "'" + valor + "'", aux.isNull() ? "NULL" : "'" + aux + "'"));
  }
};

TEST_F(Configuration, KeysAreReadWithTheirAuxiliaryValue) {
  key("PERIODO", "1", "aux");
  key("NULO", QString());
  key("THEME", " ");
  QString aux = "antes";
  EXPECT_EQ(Cfg(" PERIODO ", aux), "1");
  EXPECT_EQ(aux, "aux");
  EXPECT_EQ(Cfg("periodo"), "1");
  EXPECT_EQ(Cfg("NO_EXISTE", aux), " ") << "a missing key reads one blank";
  EXPECT_EQ(aux, "");
  EXPECT_EQ(Cfg("NULO"), "") << "a Null value reads empty";
  EXPECT_EQ(Cfg("THEME"), "1");
  EXPECT_EQ(Cfg("theme"), "1");
  EXPECT_EQ(Cfg(" THEME "), " ") << "the THEME default looks at the key as passed";
  EXPECT_EQ(Cfg("O'Brien"), " ") << "a quote in a key is a literal";
  EXPECT_EQ(gCore().gTablaConfiguracion, "TA_CONFIGURACION");
}

TEST_F(Configuration, DateKeysSendTheStatementInUpperCase) {
  key("[FECHA HASTA]", "31/12/2024");
  gCore().gTablaConfiguracion = "tabla_que_no_existe";
  // Upper-cased, table name included: seen in the error text. The service
  // reports the failed open, then the reader its closed recordset.
  host.answer(ui::mb::Abort, "TABLA_QUE_NO_EXISTE").answer(ui::mb::Abort, "3704");
  EXPECT_EQ(Cfg("[fecha hasta]"), "");
  gCore().gTablaConfiguracion = "ta_configuracion";
  EXPECT_EQ(Cfg("[Fecha Hasta]"), "31/12/2024");
}

TEST_F(Configuration, AFailingReadIsShownAndGivesAnEmptyText) {
  gCore().gTablaConfiguracion = "NO_EXISTE";
  // Retry at the reader's own box leaves as Abort does.
  for (int respuesta : {ui::mb::Abort, ui::mb::Retry}) {
    host.answer(ui::mb::Abort, "NO_EXISTE").answer(respuesta, "Rutina: Cfg");
    QString aux = "antes";
    EXPECT_EQ(Cfg("PERIODO", aux), "") << respuesta;
    EXPECT_EQ(aux, "antes");
  }
  EXPECT_EQ(host.boxes().size(), 4u);
}

TEST_F(Configuration, TheLoaderFillsEveryKindOfVariable) {
  key("MostrarStockenConsultas", "si");
  key("TituloClientes", "  Clientes ");
  key("EXIGECLAVECONSULTALIKEARTICULOS", " SI");
  key("CantidadDecimales", "3 ");
  key("SS_CONFIDENCIALIDAD", "SI");
  key("UsaFacturaProforma", "SI");
  key("UNIDADDEMEDIDA_KG", " KG ");
  key("PERIODO", "2.5abc");
  key("VALIDACODIGOBARRA", " si ");
  key("CFondo", "255");
  key("CLetra", "12,5");
  key("ModuloOrdenDeTrabajo", " NO");
  key("V_ModificaCPrecio", " NO");
  key("C_ModificaCPrecio", "NO");
  key("MADERERA", "x");
  key("MAD_M2", " M2 ");
  key("MaxDto", " 12,5 ");
  key("CONDIVAEMPRESA", "0");
  key("CONDIVA", "3");
  exec("INSERT INTO TA_USUARIOS (Nombre, UNegocio, VerProforma) VALUES ('Ana', ' ', 0)");

  CargaConfiguracion("/programa/");
  const CoreState& st = gCore();
  EXPECT_EQ(st.gTablaConfiguracion, "ta_configuracion");
  EXPECT_TRUE(st.gMostrarStockEnConsultas);
  EXPECT_EQ(st.gTituloClientes, "Clientes");
  EXPECT_EQ(st.gTituloProveedores, "");
  EXPECT_EQ(st.gArchivoTareas, "/programa/VXDOCTareas.vtx");
  EXPECT_FALSE(st.gExigeClaveConsultaLike) << "SI is not trimmed";
  EXPECT_EQ(st.gCantidadDecimales, "3 ");
  EXPECT_TRUE(data_access::gConfidencialidad());
  EXPECT_FALSE(st.gUsaFacturaProforma) << "the user's VerProforma";
  EXPECT_EQ(st.gUNegocio, " ") << "one blank stays one blank";
  EXPECT_EQ(st.gUnidadMedidaKG, "KG");
  EXPECT_EQ(st.gPeriodo, 2) << "2.5 rounds to the even neighbour";
  EXPECT_TRUE(st.gValidaCodigoBarra);
  EXPECT_EQ(st.gColorFondo, 255);
  EXPECT_EQ(st.gColorLetra, 12);
  EXPECT_FALSE(st.gModuloOrdenDeTrabajo);
  EXPECT_TRUE(st.gVModificaCPrecio) << "the NO test of SET does not trim";
  EXPECT_FALSE(st.gCModificaCPrecio);
  EXPECT_TRUE(st.gMaderera);
  EXPECT_EQ(st.gMadM2, "M2");
  EXPECT_EQ(st.gMadTiras, "");
  EXPECT_EQ(st.gMaxDto, rt::Currency::fromRaw(125000));
  EXPECT_EQ(st.gCondIvaEmpresa, 3);
  EXPECT_EQ(st.gTopDefault, "1000");
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(Configuration, MissingKeysGiveTheirDefaults) {
  gCore().gUsaFacturaProforma = true;
  CargaConfiguracion("/p/");
  const CoreState& st = gCore();
  EXPECT_FALSE(st.gMostrarStockEnConsultas);
  EXPECT_EQ(st.gCantidadDecimales, " ");
  EXPECT_FALSE(st.gUsaFacturaProforma);
  EXPECT_EQ(st.gUNegocio, "   1") << "no row for the user";
  EXPECT_EQ(st.gPeriodo, 0);
  EXPECT_FALSE(st.gValidaCodigoBarra);
  EXPECT_EQ(st.gColorFondo, 0xFFFF00);
  EXPECT_EQ(st.gColorLetra, 0);
  EXPECT_TRUE(st.gModuloOrdenDeTrabajo);
  EXPECT_FALSE(st.gMaderera);
  EXPECT_EQ(st.gMaxDto, rt::Currency());
  EXPECT_EQ(st.gCondIvaEmpresa, 1);
  EXPECT_EQ(st.gTopDefault, "1000");
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(Configuration, AFailingStepKeepsItsVariable) {
  key("UsaFacturaProforma", "SI");
  key("PERIODO", "99999");   // beyond an Integer
  key("CFondo", "rojo");     // no number
  exec("INSERT INTO TA_USUARIOS (Nombre, UNegocio, VerProforma) VALUES ('Ana', '  12', NULL)");
  gCore().gPeriodo = 7;
  gCore().gColorFondo = 0xFFFFFF;  // as start-up presets it
  CargaConfiguracion("/p/");
  const CoreState& st = gCore();
  EXPECT_TRUE(st.gUsaFacturaProforma) << "a Null VerProforma leaves the configured value";
  EXPECT_EQ(st.gUNegocio, "  12");
  EXPECT_EQ(st.gPeriodo, 7);
  EXPECT_EQ(st.gColorFondo, 0xFFFFFF);
  EXPECT_EQ(st.gTopDefault, "1000") << "loading went on";
}

TEST_F(Configuration, UserNamesWithApostrophesFindTheirRow) {
  exec("INSERT INTO TA_USUARIOS (Nombre, UNegocio) VALUES ('D''Angelo', '   7')");
  gCore().gUsuarioLogeado = "D'Angelo";
  CargaConfiguracion("/p/");
  EXPECT_EQ(gCore().gUNegocio, "   7");
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(Configuration, HoursWithTheConfiguredSeparator) {
  int32_t horas = -1, resto = -1;
  EXPECT_EQ(MinutosAHoras(125, horas, resto), "02:05");
  EXPECT_EQ(horas, 2);
  EXPECT_EQ(resto, 5);
  EXPECT_EQ(MinutosAHoras(6000, horas, resto), "100:00");
  EXPECT_EQ(MinutosAHoras(0, horas, resto), "00:00");
  EXPECT_EQ(MinutosAHoras(90.5, horas, resto), "01:30") << "90.5 rounds to the even 90";
  key("SeparadorHora", "h");
  EXPECT_EQ(MinutosAHoras(61, horas, resto), "01h01");
  exec("UPDATE TA_CONFIGURACION SET VALOR = '.' WHERE CLAVE = 'SeparadorHora'");
  horas = resto = -1;
  EXPECT_EQ(MinutosAHoras(90, horas, resto), "1.50");
  EXPECT_EQ(MinutosAHoras(30, horas, resto), ".50");
  EXPECT_EQ(MinutosAHoras(0, horas, resto), ".00");
  EXPECT_EQ(horas, -1) << "outputs untouched";
}

}  // namespace
