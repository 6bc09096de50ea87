// The customers carried into accounts and their customer data, end to end
// from a DBF table through the window; and the codes the import works out.
#include <gtest/gtest.h>

#include "ImportRun.h"
#include "import/CuentaCliente.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Operator.h"
#include "support/Printers.h"

namespace {

using testing_support::TxcliRecord;
using namespace importacion;

TxcliRecord cliente(const rt::Variant& codigo, const QString& razon) {
  TxcliRecord r;
  r.Codigo = codigo;
  r.Razon = razon;
  r.Nombre = "Juan Pérez";
  r.Calle = "San Martín";
  r.Altura = "1234";
  r.PisoDto = "3 B";
  r.Localidad = "Godoy Cruz";
  r.Provincia = "mendoza";
  r.Telefono = "261 4200000";
  r.Cuit = "20-12345678-9";
  r.TipoIva = "1";
  r.Zona = "N";
  r.Texto1 = "Cliente desde 1998";
  return r;
}

TEST(CustomerCodes, AccountOfACustomerNumber) {
  struct Case {
    rt::Variant codigo;
    const char* cuenta;
  };
  const Case cases[] = {{int32_t(7), "112010007"}, {"0007", "112010007"}, {" 7 ", "112010007"},
                        {9999.0, "112019999"},     {int32_t(0), ""},        {"", ""},
                        {"abc", ""},               {int32_t(-5), ""},       {int32_t(12345), ""},
                        {rt::Variant::null(), ""}};
  for (const Case& c : cases)
    EXPECT_EQ(CuentaDeNumero(kPrefijoClientes, c.codigo), c.cuenta) << c.codigo.toStringOrEmpty().toStdString();
}

TEST(CustomerCodes, ProvincesAndVatConditions) {
  EXPECT_EQ(ProvinciaPorNombre(" mendoza "), "  12");
  EXPECT_EQ(ProvinciaPorNombre("Ciudad"), "  12");
  EXPECT_EQ(ProvinciaPorNombre("CORDOBA"), "   4");
  EXPECT_EQ(ProvinciaPorNombre("Santa Cruz"), "  20");
  EXPECT_EQ(ProvinciaPorNombre(" Neuquén "), "Neuquén");
  EXPECT_EQ(CondicionIvaPorTipo("1"), "   3");
  EXPECT_EQ(CondicionIvaPorTipo(" 2"), "   1");
  EXPECT_EQ(CondicionIvaPorTipo("6"), "   4");
  EXPECT_EQ(CondicionIvaPorTipo("4 "), "   5");
  EXPECT_EQ(CondicionIvaPorTipo(" 9"), " 9");
}

class FreeCode : public testing_support::ImportDatabase {
 protected:
  void accounts(std::initializer_list<const char*> codes) {
    for (const char* c : codes) exec(QStringLiteral("INSERT INTO MA_CUENTAS (CODIGO) VALUES ('%1')").arg(c));
  }
};

TEST_F(FreeCode, NoAccountAtOrAfterThePrefix) {
  accounts({"1110102"});
  EXPECT_EQ(CodigoLibre(kPrefijoClientes), "112010001");
}

TEST_F(FreeCode, AfterTheLastCodeTheCandidateGrowsOnceMore) {
  accounts({"112010001", "112010002", "112010003"});
  EXPECT_EQ(CodigoLibre(kPrefijoClientes), "112010005");
}

TEST_F(FreeCode, ALowerNumberUnderALaterPrefixStopsTheWalk) {
  accounts({"112010001", "112010002", "112010003", "112020001"});
  EXPECT_EQ(CodigoLibre(kPrefijoClientes), "112010004");
}

TEST_F(FreeCode, ThePrefixItselfOnlyAddsOne) {
  accounts({"11201", "112010001"});
  EXPECT_EQ(CodigoLibre(kPrefijoClientes), "112010003");
}

TEST_F(FreeCode, ALargeCandidateGivesALongerCode) {
  accounts({"112019999"});
  EXPECT_EQ(CodigoLibre(kPrefijoClientes), "1120110001");
}

class CustomerImport : public testing_support::ImportRun {
 protected:
  void SetUp() override {
    ImportRun::SetUp();
    exec("INSERT INTO TA_ESTADOS (codigo, descripcion) VALUES ('  12', 'Mendoza')");
    exec("INSERT INTO TA_ESTADOS (codigo, descripcion) VALUES ('   1', 'Buenos Aires')");
    exec("INSERT INTO TA_ESTADOS (codigo, descripcion) VALUES ('   4', 'Córdoba')");
    exec("INSERT INTO TA_CONDIVA (Codigo, Descripcion) VALUES ('   1', 'Responsable Inscripto')");
    exec("INSERT INTO TA_CONDIVA (Codigo, Descripcion) VALUES ('   3', 'Consumidor Final')");
    exec("INSERT INTO MAPINFO_LOCALIDADES (Cod_postal, Localidad, Copart) VALUES ('5000', 'Córdoba', '   4')");
  }
  // Runs the import, which ends with its one box.
  void importaClientes() {
    host.answer(ui::mb::Ok, "Proceso Finalizado");
    importa(Clientes);
  }
  QStringList cuentas() {
    return rows("SELECT c.CODIGO, c.DESCRIPCION, c.TipoVista, c.Libro_iva_ventas, a.Contacto, a.CALLE, a.Localidad, "
                "a.CPOSTAL, a.Provincia, a.Telefono, a.NUMERO_DOCUMENTO, a.Iva, a.Documento_Tipo, a.Observaciones, "
                "a.Clase, a.Pais FROM MA_CUENTAS c JOIN MA_CUENTASADIC a ON a.Codigo = c.CODIGO ORDER BY c.CODIGO");
  }
};

TEST_F(CustomerImport, CustomersBecomeAccountsWithTheirData) {
  TxcliRecord sinRazon = cliente(int32_t(8), "");
  sinRazon.Cuit = "   ";
  sinRazon.CodPostal = " 5000 ";
  sinRazon.Provincia = "Mendoza";
  sinRazon.TipoIva = "2";
  TxcliRecord sinNada = cliente(int32_t(9), "");
  sinNada.Nombre = "";
  sinNada.Localidad = "";
  sinNada.Provincia = "Neuquén";
  sinNada.TipoIva = "7";
  sinNada.Altura = "";
  writeTxcli({cliente(int32_t(7), "Pérez e Hijos S.A."), sinRazon, sinNada});
  importaClientes();
  EXPECT_EQ(cuentas(), QStringList({"112010007|Pérez e Hijos S.A.|CL|Verdadero|Juan Pérez|San Martín 1234 3 B|Godoy Cruz|0|"
                                    "  12|261 4200000|20-12345678-9|   3|   1|Cliente desde 1998|1|   1",
                                    "112010008|Juan Pérez|CL|Verdadero|Juan Pérez|San Martín 1234 3 B|Godoy Cruz|5000|"
                                    "   4|261 4200000|99999999995|   1|   1|Cliente desde 1998|1|   1",
                                    "112010009|.|CL|Verdadero|.|San Martín  3 B|.|0|<null>|261 4200000|20-12345678-9|"
                                    "   1|   1|Cliente desde 1998|1|   1"}));
  EXPECT_TRUE(ventana.LblDetalle.Caption().startsWith("Leidos 2 de 3 Grabados:2 Errores: 0"))
      << ventana.LblDetalle.Caption().toStdString();
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].buttons, ui::mb::OkOnly);
}

TEST_F(CustomerImport, AnExistingAccountIsUpdatedInPlace) {
  exec("INSERT INTO MA_CUENTAS (CODIGO, DESCRIPCION, TipoVista) VALUES ('112010007', 'Viejo', 'XX')");
  exec("INSERT INTO MA_CUENTASADIC (Codigo, Contacto, Telefono) VALUES ('112010007', 'Viejo', '0')");
  writeTxcli({cliente(int32_t(7), "Nuevo")});
  importaClientes();
  EXPECT_EQ(rows("SELECT CODIGO, DESCRIPCION, TipoVista FROM MA_CUENTAS WHERE CODIGO LIKE '11201%'"),
            QStringList({"112010007|Nuevo|CL"}));
  EXPECT_EQ(rows("SELECT Contacto, Telefono FROM MA_CUENTASADIC"), QStringList({"Juan Pérez|261 4200000"}));
}

TEST_F(CustomerImport, NoRecordOverwritesAnAccountOfTheSameRun) {
  exec("INSERT INTO MA_CUENTAS (CODIGO) VALUES ('112010001')");
  exec("INSERT INTO MA_CUENTAS (CODIGO) VALUES ('112010002')");
  exec("INSERT INTO MA_CUENTAS (CODIGO) VALUES ('112010003')");
  // The free code for customer 0 would be 0006 (the account 511 adds one to
  // the walk), but customer 6 of the same file keeps the code its invoices
  // are posted to; the repeated number 6 gets a code of its own.
  writeTxcli({cliente(int32_t(0), "Mostrador"), cliente(int32_t(6), "Seis"), cliente(int32_t(6), "Otro seis")});
  importaClientes();
  EXPECT_EQ(rows("SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS WHERE DESCRIPCION IS NOT NULL AND CODIGO LIKE '11201%' "
                 "ORDER BY CODIGO"),
            QStringList({"112010006|Seis", "112010007|Mostrador", "112010010|Otro seis"}));
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM MA_CUENTASADIC").toLong(), 3);
}

TEST_F(CustomerImport, AFailedRecordLeavesNeitherRowAndIsCounted) {
  define("CREATE TRIGGER T_ADIC BEFORE INSERT ON MA_CUENTASADIC WHEN NEW.Codigo = '112010008' BEGIN "
         "SELECT RAISE(ABORT, '50001: sin datos para este cliente'); END");
  writeTxcli({cliente(int32_t(7), "Siete"), cliente(int32_t(8), "Ocho"), cliente(int32_t(9), "Nueve")});
  host.answer(ui::mb::Ignore, "Error en asignacion de Datos, Registro 2 (Codigo 8 - Ocho)\r\r  Error: sin datos para este cliente / ");
  importaClientes();
  EXPECT_EQ(host.boxes().at(0).title, " Atencion!");
  EXPECT_EQ(host.boxes().at(0).buttons, ui::mb::AbortRetryIgnore | ui::mb::Critical);
  EXPECT_EQ(rows("SELECT CODIGO FROM MA_CUENTAS WHERE CODIGO LIKE '11201%' ORDER BY CODIGO"),
            QStringList({"112010007", "112010009"}));
  EXPECT_EQ(rows("SELECT Codigo FROM MA_CUENTASADIC ORDER BY Codigo"), QStringList({"112010007", "112010009"}));
  EXPECT_TRUE(ventana.LblDetalle.Caption().startsWith("Leidos 2 de 3 Grabados:1 Errores: 1"))
      << ventana.LblDetalle.Caption().toStdString();
}

TEST_F(CustomerImport, AbortEndsTheRunAndKeepsTheRecordWhole) {
  exec("INSERT INTO MA_CUENTAS (CODIGO, DESCRIPCION) VALUES ('112010007', 'Viejo')");
  exec("INSERT INTO MA_CUENTASADIC (Codigo, Contacto) VALUES ('112010007', 'Viejo')");
  define("CREATE TRIGGER T_ADIC BEFORE UPDATE ON MA_CUENTASADIC BEGIN SELECT RAISE(ABORT, '50001: no'); END");
  writeTxcli({cliente(int32_t(7), "Siete"), cliente(int32_t(8), "Ocho")});
  host.answer(ui::mb::Abort, "Registro 1 (Codigo 7 - Siete)");
  importaClientes();
  EXPECT_EQ(rows("SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS WHERE CODIGO LIKE '11201%'"),
            QStringList({"112010007|Viejo"}));
  EXPECT_TRUE(ventana.LblDetalle.Caption().startsWith("Leidos 0 de 2")) << ventana.LblDetalle.Caption().toStdString();
}

TEST_F(CustomerImport, CancelEndsTheRunBeforeTheNextRecord) {
  writeTxcli({cliente(int32_t(7), "Siete"), cliente(int32_t(8), "Ocho"), cliente(int32_t(9), "Nueve")});
  host.atYield(2, [this] { ui::op::click(ventana.CmdCancelar); });
  importaClientes();
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM MA_CUENTASADIC").toLong(), 1);
}

TEST_F(CustomerImport, AnEmptyTableShowsOnlyTheEndBox) {
  writeTxcli({});
  importaClientes();
  EXPECT_EQ(ventana.LblDetalle.Caption(), "");
  EXPECT_EQ(host.boxes().size(), 1u);
}

TEST_F(CustomerImport, IgnoringAMissingSourceTableEndsTheRun) {
  // No TXCLI.DBF: the window's test open fails, then the import's own.
  host.answer(ui::mb::Ignore, "TXCLI");
  host.answer(ui::mb::Ignore, "Error en asignacion de Datos, Registro 0");
  importaClientes();
  ASSERT_EQ(host.boxes().size(), 3u);
  EXPECT_EQ(host.boxes().at(1).title, " Atencion!");
  EXPECT_EQ(ventana.LblDetalle.Caption(), "");
  EXPECT_TRUE(ventana.cmdImportar.Enabled());
}

}  // namespace
