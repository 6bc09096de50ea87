// The customers carried into accounts and their customer data, end to end
// from a DBF table through the window; and the codes the import works out.
#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "ImportRun.h"
#include "import/CuentaCliente.h"
#include "platform/runtime/CodeNumber.h"
#include "platform/runtime/Text.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Operator.h"
#include "data_access/ErrorLog.h"
#include "support/BusyWriter.h"
#include "support/FullDisk.h"
#include "support/DbfWriter.h"
#include "support/Printers.h"
#include "support/SuiteDatabase.h"

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

class CustomerNumber : public testing_support::ImportDatabase {};

// The account a customer number gives, whatever field holds the number; the
// database's upgrades, which see the number as the text the import
// remembers it by, read it by the same rule (NUMERO_DE_CODIGO). Earlier
// builds read a number that rounds to 0 or is negative as an account code
// too (`anterior`, when it differs), and the upgrades read it so as well
// (NUMERO_DE_CODIGO_ANTERIOR).
TEST_F(CustomerNumber, GivesItsAccountByOneRuleInTheImportAndInTheDatabase) {
  struct Case {
    rt::Variant codigo;
    const char* cuenta;
    const char* anterior = nullptr;
  };
  const Case cases[] = {{int32_t(7), "112010007"}, {"0007", "112010007"},   {" 7 ", "112010007"},
                        {9999.0, "112019999"},     {int32_t(0), ""},        {"", ""},
                        {"abc", ""},               {int32_t(-5), ""},       {int32_t(12345), ""},
                        {rt::Variant::null(), ""}, {5.4, "112010005"},      {"5,4", "112010005"},
                        {"+5", "112010005"},       {"5e0", "112010005"},    {"12ab", "112010012"},
                        {9999.5, ""},              {0.4, ""},               {"0,4", ""},
                        {"0.4x", "", "112010000"}, {".3y", "", "112010000"}, {"-5x", "", "11201-0005"}};
  define("CREATE TABLE NUMEROS (Codigo TEXT);"
         "CREATE VIEW NUMEROS_DE_CODIGO AS SELECT NUMERO_DE_CODIGO(Codigo, 4) AS Numero,"
         "  NUMERO_DE_CODIGO_ANTERIOR(Codigo, 4) AS Anterior FROM NUMEROS");
  const auto cuenta = [](const QString& numero) { return numero.isEmpty() ? QString() : kPrefijoClientes + numero; };
  for (const Case& c : cases) {
    const QString recordado = rt::Trim(c.codigo.toStringOrEmpty());
    SCOPED_TRACE(recordado.toStdString());
    const QString anterior = QString::fromUtf8(c.anterior ? c.anterior : c.cuenta);
    EXPECT_EQ(CuentaDeNumero(kPrefijoClientes, c.codigo), c.cuenta);
    EXPECT_EQ(cuenta(rt::CodeNumberOfEarlierBuilds(c.codigo, 4)), anterior);
    define(QStringLiteral("DELETE FROM NUMEROS; INSERT INTO NUMEROS VALUES ('%1')").arg(recordado));
    EXPECT_EQ(cuenta(scalar("SELECT Numero FROM NUMEROS_DE_CODIGO").toStringOrEmpty()), c.cuenta);
    EXPECT_EQ(cuenta(scalar("SELECT Anterior FROM NUMEROS_DE_CODIGO").toStringOrEmpty()), anterior);
  }
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

// Past 9999 the code would be ten characters, wider than the account
// column: the lowest number still free is taken instead, and when none is
// left there is no free code.
TEST_F(FreeCode, TheCodeStaysWithinNineCharacters) {
  accounts({"112019999", "112010001"});
  EXPECT_EQ(CodigoLibre(kPrefijoClientes), "112010002");
  EXPECT_EQ(CodigoLibre(kPrefijoClientes, [](const QString& c) { return c == "112010002"; }), "112010003");
  define("WITH RECURSIVE n(i) AS (SELECT 2 UNION ALL SELECT i + 1 FROM n WHERE i < 9998) "
         "INSERT INTO MA_CUENTAS (CODIGO) SELECT '11201' || printf('%04d', i) FROM n");
  EXPECT_EQ(CodigoLibre(kPrefijoClientes), std::nullopt);
}

TEST_F(FreeCode, CodesTakenByTheRunArePassedOver) {
  accounts({"112010001"});
  const auto tomadas = [](const QString& c) { return c == "112010003" || c == "112010004"; };
  EXPECT_EQ(CodigoLibre(kPrefijoClientes, tomadas), "112010005");
}

// The table of remembered customers as earlier builds made it.
const QString kTablaAnterior =
    "DROP TABLE AUX_CLIENTES_IMPORTADOS;"
    "CREATE TABLE AUX_CLIENTES_IMPORTADOS ("
    "  Archivo VARCHAR(400) COLLATE CI_AS NOT NULL, Codigo VARCHAR(254) COLLATE CI_AS NOT NULL,"
    "  Orden INTEGER NOT NULL, Cuenta VARCHAR(9) COLLATE CI_AS NOT NULL,"
    "  PRIMARY KEY (Archivo, Codigo, Orden));"
    "CREATE UNIQUE INDEX UX_AUX_CLIENTES_IMPORTADOS_Cuenta ON AUX_CLIENTES_IMPORTADOS (Cuenta);";

// The table as the first upgrade made it and this program wrote it while
// its column Orden counted the customer that takes its own number's account
// too.
const QString kTablaConOrden =
    "DROP TABLE AUX_CLIENTES_IMPORTADOS;"
    "CREATE TABLE AUX_CLIENTES_IMPORTADOS ("
    "  Archivo VARCHAR(400) COLLATE CI_AS NOT NULL, Codigo VARCHAR(254) COLLATE CI_AS NOT NULL,"
    "  Nombre VARCHAR(100) COLLATE CI_AS NOT NULL, Cuit VARCHAR(25) COLLATE CI_AS NOT NULL,"
    "  Orden INTEGER NOT NULL, Cuenta VARCHAR(9) COLLATE CI_AS NOT NULL,"
    "  PRIMARY KEY (Archivo, Codigo, Nombre, Cuit, Orden),"
    "  CONSTRAINT W_AUX_CLIENTES_IMPORTADOS_Archivo CHECK (length(rtrim(Archivo)) <= 400),"
    "  CONSTRAINT W_AUX_CLIENTES_IMPORTADOS_Codigo CHECK (length(rtrim(Codigo)) <= 254),"
    "  CONSTRAINT W_AUX_CLIENTES_IMPORTADOS_Nombre CHECK (length(rtrim(Nombre)) <= 100),"
    "  CONSTRAINT W_AUX_CLIENTES_IMPORTADOS_Cuit CHECK (length(rtrim(Cuit)) <= 25),"
    "  CONSTRAINT W_AUX_CLIENTES_IMPORTADOS_Cuenta CHECK (length(rtrim(Cuenta)) <= 9));"
    "CREATE UNIQUE INDEX UX_AUX_CLIENTES_IMPORTADOS_Cuenta ON AUX_CLIENTES_IMPORTADOS (Cuenta);";

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
  // Runs the import over the source folder or another one; it ends with its
  // one box.
  void importaClientes() { importaClientes(origen); }
  void importaClientes(const testing_support::TempFolder& carpeta) {
    host.answer(ui::mb::Ok, "Proceso Finalizado");
    importa(Clientes, carpeta);
  }
  // Changes the database as another program would, with the program's
  // connections closed, and connects again; `antes` runs just before.
  void cambiaBase(const QString& sql, const std::function<void()>& antes = nullptr) {
    cn.Close();
    data_access::gDB().gCnn.Close();
    define(sql);
    if (antes) antes();
    connectAs("operador");
    cn.Open(testing_support::EmbeddedConnectionString(path));
  }
  // The table of remembered customers stands as a new database has it.
  void expectTableAsANewDatabaseHasIt() {
    const QString definicion = "SELECT sql FROM sqlite_schema WHERE tbl_name = 'AUX_CLIENTES_IMPORTADOS' "
                               "AND sql IS NOT NULL ORDER BY name";
    const testing_support::TempFolder otra;
    ado::Connection nueva;
    nueva.Open(testing_support::EmbeddedConnectionString(testing_support::NewSuiteDatabase(otra, "nueva.db")));
    QStringList esperada;
    for (ado::Recordset rs = nueva.Execute(definicion); !rs.EOF(); rs.MoveNext())
      esperada << rs.Fields(0).Value().toString();
    EXPECT_EQ(rows(definicion), esperada);
  }
  // The remembered customers, with the name their account holds.
  QStringList recordados() {
    return rows("SELECT i.Archivo, i.Codigo, i.Nombre, i.Cuit, i.OrdenEntreRecordados, i.Cuenta, c.DESCRIPCION "
                "FROM AUX_CLIENTES_IMPORTADOS i JOIN MA_CUENTAS c ON c.CODIGO = i.Cuenta "
                "ORDER BY i.Codigo, i.Nombre, i.OrdenEntreRecordados");
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
  EXPECT_TRUE(ventana.LblDetalle.Caption().startsWith("Leidos 3 de 3 Grabados:3 Errores: 0"))
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

// Customers whose number cannot be an account code get a free code once:
// every later run over the same table updates the accounts the first one
// gave them. Names and the default tax number are shared, so a customer is
// the table's file name, its Codigo, name and tax number, and which of the
// table's customers equal in these four it is.
TEST_F(CustomerImport, ReRunsUpdateTheAccountsGivenBeforeInsteadOfAddingOthers) {
  TxcliRecord mostrador = cliente(int32_t(0), "Mostrador"), delivery = cliente(int32_t(0), "Delivery");
  mostrador.Cuit = delivery.Cuit = "";
  const std::vector<TxcliRecord> clientes = {mostrador, cliente("", "Sin código"), delivery, mostrador,
                                             cliente(int32_t(-4), "Negativo"), cliente(int32_t(12345), "Grande"),
                                             cliente(int32_t(6), "Seis"), cliente(int32_t(6), "Otro seis")};
  writeTxcli(clientes);
  importaClientes();
  const QString cuentas = "SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS WHERE CODIGO LIKE '11201%' ORDER BY CODIGO";
  const QStringList primera = rows(cuentas);
  ASSERT_EQ(primera.size(), 8);
  EXPECT_TRUE(primera.contains("112010006|Seis"));
  EXPECT_EQ(rows("SELECT i.Archivo, i.Codigo, i.Nombre, i.Cuit, i.OrdenEntreRecordados, c.DESCRIPCION "
                 "FROM AUX_CLIENTES_IMPORTADOS i JOIN MA_CUENTAS c ON c.CODIGO = i.Cuenta "
                 "ORDER BY i.Codigo, i.Nombre, i.OrdenEntreRecordados"),
            QStringList({"TXCLI.DBF||Sin código|20-12345678-9|1|Sin código",
                         "TXCLI.DBF|-4|Negativo|20-12345678-9|1|Negativo",
                         "TXCLI.DBF|0|Delivery|99999999995|1|Delivery",
                         "TXCLI.DBF|0|Mostrador|99999999995|1|Mostrador",
                         "TXCLI.DBF|0|Mostrador|99999999995|2|Mostrador",
                         "TXCLI.DBF|12345|Grande|20-12345678-9|1|Grande",
                         "TXCLI.DBF|6|Otro seis|20-12345678-9|1|Otro seis"}));

  // Two more runs with a customer added: the same accounts are updated
  // (the address of the second "Mostrador" changed), one more is added.
  std::vector<TxcliRecord> despues = clientes;
  despues[3].Calle = "Belgrano";
  despues.push_back(cliente(int32_t(0), "Nuevo"));
  writeTxcli(despues);
  for (int corrida = 0; corrida < 2; ++corrida) importaClientes();
  QStringList ahora = rows(cuentas);
  EXPECT_EQ(ahora.size(), 9);
  EXPECT_EQ(ahora.removeIf([](const QString& c) { return c.endsWith("|Nuevo"); }), 1);
  EXPECT_EQ(ahora, primera);
  EXPECT_EQ(rows("SELECT a.CALLE FROM AUX_CLIENTES_IMPORTADOS i JOIN MA_CUENTASADIC a ON a.Codigo = i.Cuenta "
                 "WHERE i.Nombre = 'Mostrador' ORDER BY i.OrdenEntreRecordados"),
            QStringList({"San Martín 1234 3 B", "Belgrano 1234 3 B"}));
  EXPECT_EQ(rows("SELECT COUNT(*), COUNT(DISTINCT NUMERO_DOCUMENTO) FROM MA_CUENTASADIC"), QStringList({"9|2"}));

  // A name that changes is another customer: its account is added, and the
  // one the old name was given stays as it was.
  despues[0].Razon = "Mostrador Centro";
  writeTxcli(despues);
  importaClientes();
  EXPECT_EQ(rows(cuentas).size(), 10);
  EXPECT_TRUE(rows(cuentas).contains("112010002|Mostrador")) << rows(cuentas).join(", ").toStdString();
}

// The same export copied to another folder holds the same customers: their
// accounts are found again, none is added. An account that a customer's own
// number claims is given up by the one it was given to.
TEST_F(CustomerImport, TheSameTableInAnotherFolderFindsItsCustomersAgain) {
  TxcliRecord consumidor = cliente(int32_t(0), "Consumidor Final");
  consumidor.Cuit = "";
  const std::vector<TxcliRecord> clientes = {consumidor, cliente(int32_t(0), "Distribuidora Norte SA"),
                                             cliente(int32_t(7), "Siete")};
  writeTxcli(clientes);
  importaClientes();
  const QString cuentas = "SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS WHERE CODIGO LIKE '11201%' ORDER BY CODIGO";
  // (The account 511 adds one to the walk of the free code.)
  const QStringList primera = rows(cuentas);
  ASSERT_EQ(primera,
            QStringList({"112010002|Consumidor Final", "112010005|Distribuidora Norte SA", "112010007|Siete"}));

  testing_support::TempFolder copia;
  testing_support::writeTxcliTable(copia.file("TXCLI.DBF"), clientes);
  importaClientes(copia);
  EXPECT_EQ(rows(cuentas), primera);

  // The table now holds customer 2, whose number is the account "Consumidor
  // Final" was given: that account is the number's, and "Consumidor Final"
  // takes another.
  writeTxcli({consumidor, cliente(int32_t(0), "Distribuidora Norte SA"), cliente(int32_t(7), "Siete"),
              cliente(int32_t(2), "Dos")});
  for (int corrida = 0; corrida < 2; ++corrida) importaClientes();
  const QStringList ahora = rows(cuentas);
  ASSERT_EQ(ahora.size(), 4);
  EXPECT_EQ(ahora[0], "112010002|Dos");
  EXPECT_EQ(rows("SELECT c.DESCRIPCION FROM AUX_CLIENTES_IMPORTADOS i JOIN MA_CUENTAS c ON c.CODIGO = i.Cuenta "
                 "ORDER BY 1"),
            QStringList({"Consumidor Final", "Distribuidora Norte SA"}));
}

// A database an earlier build made remembered a customer by the full path of
// its table: the program brings it to the new form when it opens it, with
// each customer's name and tax number from its account, and a run over the
// same export from any folder finds the accounts again. Customers the
// earlier build gave a second account (the export imported from two
// folders) keep both, counted as the first and second of their kind. The
// first customer of a number that can be an account code took that account
// and was never remembered, and it is not counted: a repeated number's
// remembered customers count from 1.
TEST_F(CustomerImport, ADatabaseOfAnEarlierBuildFindsItsCustomersAgain) {
  cambiaBase(kTablaAnterior +
             "INSERT INTO MA_CUENTAS (CODIGO, DESCRIPCION) VALUES ('112010001', 'Consumidor Final'),"
             "  ('112010002', 'Distribuidora Norte SA'), ('112010003', 'Consumidor Final'),"
             "  ('112010004', 'Consumidor Final'), ('112010005', 'Distribuidora Norte SA'), ('112010006', 'Seis'),"
             "  ('112010008', 'Seis'), ('112010009', 'Otro seis'), ('112010007', 'Siete'), ('112010010', 'Siete');"
             "INSERT INTO MA_CUENTASADIC (Codigo, NUMERO_DOCUMENTO) VALUES ('112010001', '99999999995'),"
             "  ('112010002', '30-1'), ('112010003', '99999999995'), ('112010004', '99999999995'),"
             "  ('112010005', '30-1'), ('112010006', '20-12345678-9'), ('112010008', '20-12345678-9'),"
             "  ('112010009', '20-12345678-9'), ('112010007', '20-12345678-9'), ('112010010', '20-12345678-9');"
             "INSERT INTO AUX_CLIENTES_IMPORTADOS VALUES ('/datos/sucursal/TXCLI.DBF', '0', 1, '112010001'),"
             "  ('/datos/sucursal/TXCLI.DBF', '0', 2, '112010002'), ('/datos/sucursal/TXCLI.DBF', '0', 3, '112010003'),"
             "  ('/otra/copia/txcli.dbf', '0', 1, '112010004'), ('/otra/copia/txcli.dbf', '0', 2, '112010005'),"
             // Customers 6 "Seis", 6 "Seis" and 6 "Otro seis": the first took 112010006.
             "  ('/datos/sucursal/TXCLI.DBF', '6', 2, '112010008'), ('/datos/sucursal/TXCLI.DBF', '6', 3, '112010009'),"
             // The first customer with the Codigo text "7" was remembered: another text of the
             // number ("07", a character field) had taken 112010007 before it.
             "  ('/datos/sucursal/TXCLI.DBF', '7', 1, '112010010')");
  expectTableAsANewDatabaseHasIt();
  EXPECT_EQ(rows("SELECT Archivo, Codigo, Nombre, Cuit, OrdenEntreRecordados, Cuenta FROM AUX_CLIENTES_IMPORTADOS "
                 "ORDER BY Nombre, OrdenEntreRecordados"),
            QStringList({"TXCLI.DBF|0|Consumidor Final|99999999995|1|112010001",
                         "TXCLI.DBF|0|Consumidor Final|99999999995|2|112010003",
                         "txcli.dbf|0|Consumidor Final|99999999995|3|112010004",
                         "TXCLI.DBF|0|Distribuidora Norte SA|30-1|1|112010002",
                         "txcli.dbf|0|Distribuidora Norte SA|30-1|2|112010005",
                         "TXCLI.DBF|6|Otro seis|20-12345678-9|1|112010009",
                         "TXCLI.DBF|6|Seis|20-12345678-9|1|112010008",
                         "TXCLI.DBF|7|Siete|20-12345678-9|1|112010010"}));

  TxcliRecord consumidor = cliente(int32_t(0), "Consumidor Final");
  TxcliRecord distribuidora = cliente(int32_t(0), "Distribuidora Norte SA");
  consumidor.Cuit = "";
  distribuidora.Cuit = "30-1";
  writeTxcli({consumidor, distribuidora, consumidor, cliente(int32_t(6), "Seis"), cliente(int32_t(6), "Seis"),
              cliente(int32_t(6), "Otro seis")});
  importaClientes();
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM MA_CUENTAS WHERE CODIGO LIKE '11201%'").toLong(), 10);
  EXPECT_EQ(rows("SELECT Codigo, Contacto FROM MA_CUENTASADIC WHERE Contacto IS NOT NULL ORDER BY Codigo"),
            QStringList({"112010001|Juan Pérez", "112010002|Juan Pérez", "112010003|Juan Pérez",
                         "112010006|Juan Pérez", "112010008|Juan Pérez", "112010009|Juan Pérez"}));
}

// The first customer of a repeated number takes the number's account and is
// never remembered; an earlier build counted it all the same, so its
// remembered twins started at 2. Whatever text the number has ("+5", "6e0",
// 7.40 of a field with decimals, read as "7,4") and whatever another
// branch's export, also TXCLI.DBF, did to the number's account since (8's,
// renamed), the twins are found again from the same folder and from
// another: no account is added.
TEST_F(CustomerImport, TwinsOfARepeatedNumberOfAnEarlierBuildAreFoundAgainFromAnyFolder) {
  cambiaBase(kTablaAnterior +
             "INSERT INTO MA_CUENTAS (CODIGO, DESCRIPCION) VALUES ('112010005', 'Cinco'), ('112010006', 'Seis'),"
             "  ('112010007', 'Siete'), ('112010008', 'Otro ocho'), ('112010011', 'Cinco'), ('112010012', 'Seis'),"
             "  ('112010013', 'Ocho'), ('112010014', 'Siete');"
             "INSERT INTO MA_CUENTASADIC (Codigo, NUMERO_DOCUMENTO) SELECT CODIGO, '20-12345678-9' FROM MA_CUENTAS"
             "  WHERE CODIGO LIKE '11201%';"
             "INSERT INTO AUX_CLIENTES_IMPORTADOS VALUES ('/datos/sucursal/TXCLI.DBF', '+5', 2, '112010011'),"
             "  ('/datos/sucursal/TXCLI.DBF', '6e0', 2, '112010012'),"
             "  ('/datos/sucursal/TXCLI.DBF', '8', 2, '112010013'),"
             "  ('/datos/central/TXCLI.DBF', '7,4', 2, '112010014')");
  const QStringList antes = {"TXCLI.DBF|+5|Cinco|20-12345678-9|1|112010011|Cinco",
                             "TXCLI.DBF|6e0|Seis|20-12345678-9|1|112010012|Seis",
                             "TXCLI.DBF|7,4|Siete|20-12345678-9|1|112010014|Siete",
                             "TXCLI.DBF|8|Ocho|20-12345678-9|1|112010013|Ocho"};
  EXPECT_EQ(recordados(), antes);

  const std::vector<TxcliRecord> sucursal = {cliente("+5", "Cinco"), cliente("+5", "Cinco"), cliente("6e0", "Seis"),
                                             cliente("6e0", "Seis"),  cliente("8", "Ocho"),   cliente("8", "Ocho")};
  const std::vector<TxcliRecord> central = {cliente(7.4, "Siete"), cliente(7.4, "Siete"), cliente(8.0, "Otro ocho")};
  const testing_support::TxcliCodigo caracteres{'C', 8}, decimales{'N', 8, 2};
  testing_support::TempFolder copiaSucursal, otraCentral, copiaCentral;
  writeTxcli(sucursal, caracteres);
  testing_support::writeTxcliTable(copiaSucursal.file("TXCLI.DBF"), sucursal, caracteres);
  testing_support::writeTxcliTable(otraCentral.file("TXCLI.DBF"), central, decimales);
  testing_support::writeTxcliTable(copiaCentral.file("TXCLI.DBF"), central, decimales);
  importaClientes();
  for (const testing_support::TempFolder* carpeta : {&copiaSucursal, &otraCentral, &copiaCentral})
    importaClientes(*carpeta);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM MA_CUENTAS WHERE CODIGO LIKE '11201%'").toLong(), 8);
  EXPECT_EQ(recordados(), antes);
  // Every twin's account was written by the runs.
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM MA_CUENTASADIC WHERE Contacto = 'Juan Pérez'").toLong(), 8);
}

// A database the first upgrade brought to the form with Nombre and Cuit,
// and that this program wrote since, counted the customer that took its
// number's account among its twins when their name and tax number were
// the same (here the second "Seis", and the second and fourth "Siete",
// written by an import); the first upgrade also read "+5" as no account
// code. The program counts these rows again when it opens the database:
// the rows of a number that can be an account code from 1, in their order,
// a customer never written still counted, the others as they were; runs
// from the same folder and from another add no account but the one of the
// customer never written.
TEST_F(CustomerImport, ADatabaseTheFirstUpgradeBroughtUpIsCountedAgain) {
  cambiaBase(kTablaConOrden +
             "INSERT INTO MA_CUENTAS (CODIGO, DESCRIPCION) VALUES ('112010005', 'Cinco'), ('112010006', 'Seis'),"
             "  ('112010007', 'Siete'), ('112010001', 'Mostrador'), ('112010002', 'Mostrador'),"
             "  ('112010003', 'Delivery'), ('112010008', 'Seis'), ('112010009', 'Otro seis'),"
             "  ('112010011', 'Cinco'), ('112010012', 'Siete'), ('112010013', 'Siete');"
             "INSERT INTO AUX_CLIENTES_IMPORTADOS VALUES"
             "  ('TXCLI.DBF', '0', 'Mostrador', '99999999995', 1, '112010001'),"
             "  ('TXCLI.DBF', '0', 'Mostrador', '99999999995', 2, '112010002'),"
             // The first "Delivery" has never been written.
             "  ('TXCLI.DBF', '0', 'Delivery', '99999999995', 2, '112010003'),"
             "  ('TXCLI.DBF', '6', 'Seis', '20-12345678-9', 2, '112010008'),"
             "  ('TXCLI.DBF', '6', 'Otro seis', '20-12345678-9', 1, '112010009'),"
             "  ('TXCLI.DBF', '+5', 'Cinco', '20-12345678-9', 1, '112010011'),"
             "  ('TXCLI.DBF', '7', 'Siete', '20-12345678-9', 2, '112010012'),"
             // The third "Siete" has never been written either.
             "  ('TXCLI.DBF', '7', 'Siete', '20-12345678-9', 4, '112010013')");
  expectTableAsANewDatabaseHasIt();
  const QStringList antes = {"TXCLI.DBF|+5|Cinco|20-12345678-9|1|112010011|Cinco",
                             "TXCLI.DBF|0|Delivery|99999999995|2|112010003|Delivery",
                             "TXCLI.DBF|0|Mostrador|99999999995|1|112010001|Mostrador",
                             "TXCLI.DBF|0|Mostrador|99999999995|2|112010002|Mostrador",
                             "TXCLI.DBF|6|Otro seis|20-12345678-9|1|112010009|Otro seis",
                             "TXCLI.DBF|6|Seis|20-12345678-9|1|112010008|Seis",
                             "TXCLI.DBF|7|Siete|20-12345678-9|1|112010012|Siete",
                             "TXCLI.DBF|7|Siete|20-12345678-9|3|112010013|Siete"};
  EXPECT_EQ(recordados(), antes);

  TxcliRecord mostrador = cliente("0", "Mostrador");
  mostrador.Cuit = "";
  const std::vector<TxcliRecord> clientes = {mostrador,         mostrador,          cliente("6", "Seis"),
                                             cliente("6", "Seis"), cliente("6", "Otro seis"), cliente("+5", "Cinco"),
                                             cliente("+5", "Cinco"), cliente("7", "Siete"),  cliente("7", "Siete"),
                                             cliente("7", "Siete"),  cliente("7", "Siete")};
  const testing_support::TxcliCodigo caracteres{'C', 8};
  writeTxcli(clientes, caracteres);
  testing_support::TempFolder copia;
  testing_support::writeTxcliTable(copia.file("TXCLI.DBF"), clientes, caracteres);
  importaClientes();
  importaClientes(copia);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM MA_CUENTAS WHERE CODIGO LIKE '11201%'").toLong(), 12);
  QStringList despues = antes;
  despues.insert(despues.size() - 1, "TXCLI.DBF|7|Siete|20-12345678-9|2|112010016|Siete");
  EXPECT_EQ(recordados(), despues);
}

// An earlier build read a customer number of characters such as "0.4x" as
// 0.4, whose account is 112010000: the first such customer of a run took it
// and was never remembered, and the twins after it were counted after it.
// This build reads "0.4x" as no number and remembers every such customer:
// the one the account was given keeps it, found by the name and tax number
// the account holds, whichever form the earlier build left the table in and
// whether the database was already brought up or not, also when no row
// tells its Codigo (a number that is not repeated); its twins keep theirs,
// each with its own data; runs from the same folder and from another add no
// account.
TEST_F(CustomerImport, ACustomerAnEarlierBuildGaveTheAccountOfANumberReadOtherwiseKeepsIt) {
  TxcliRecord primero = cliente("0.4x", "Cuatro"), segundo = cliente("0.4x", "Cuatro");
  primero.Calle = "Primera";
  segundo.Calle = "Segunda";
  const std::vector<TxcliRecord> repetido = {primero, segundo, cliente("0.4x", "Otro")};
  const std::vector<TxcliRecord> solo = {cliente(".3y", "Solo")};
  const QString vacia =
      "DELETE FROM AUX_CLIENTES_IMPORTADOS; DELETE FROM MA_CUENTASADIC; DELETE FROM MA_CUENTAS WHERE CODIGO LIKE "
      "'11201%';";
  const QString cuentas =
      vacia +
      "INSERT INTO MA_CUENTAS (CODIGO, DESCRIPCION) VALUES ('112010000', 'Cuatro'), ('112010001', 'Cuatro'),"
      "  ('112010002', 'Otro');"
      "INSERT INTO MA_CUENTASADIC (Codigo, NUMERO_DOCUMENTO) SELECT CODIGO, '20-12345678-9' FROM MA_CUENTAS"
      "  WHERE CODIGO LIKE '11201%';";
  const QString recordadosAl002 =
      "INSERT INTO AUX_CLIENTES_IMPORTADOS VALUES ('TXCLI.DBF', '0.4x', 'Cuatro', '20-12345678-9', 2, '112010001'),"
      "  ('TXCLI.DBF', '0.4x', 'Otro', '20-12345678-9', 1, '112010002')";
  struct Case {
    const char* name;
    QString base;  // the accounts and remembered customers the earlier build left
    std::vector<TxcliRecord> clientes;
    QStringList recordados;
    QStringList calles;
  };
  const QStringList recordadosDelRepetido = {"TXCLI.DBF|0.4x|Cuatro|20-12345678-9|1|112010000|Cuatro",
                                             "TXCLI.DBF|0.4x|Cuatro|20-12345678-9|2|112010001|Cuatro",
                                             "TXCLI.DBF|0.4x|Otro|20-12345678-9|1|112010002|Otro"};
  const QStringList callesDelRepetido = {"112010000|Primera 1234 3 B", "112010001|Segunda 1234 3 B",
                                         "112010002|San Martín 1234 3 B"};
  const Case cases[] = {
      // Counted among the customers of the Codigo by the table's full path.
      {"first builds", cuentas + kTablaAnterior +
                           "INSERT INTO AUX_CLIENTES_IMPORTADOS VALUES ('/datos/sucursal/TXCLI.DBF', '0.4x', 2, "
                           "'112010001'), ('/datos/sucursal/TXCLI.DBF', '0.4x', 3, '112010002')",
       repetido, recordadosDelRepetido, callesDelRepetido},
      {"with Nombre and Cuit", cuentas + kTablaConOrden + recordadosAl002, repetido, recordadosDelRepetido,
       callesDelRepetido},
      {"brought up already", cuentas + recordadosAl002, repetido, recordadosDelRepetido, callesDelRepetido},
      {"not repeated",
       vacia + "INSERT INTO MA_CUENTAS (CODIGO, DESCRIPCION) VALUES ('112010000', 'Solo');"
               "INSERT INTO MA_CUENTASADIC (Codigo, NUMERO_DOCUMENTO) VALUES ('112010000', '20-12345678-9')",
       solo, {"TXCLI.DBF|.3y|Solo|20-12345678-9|1|112010000|Solo"}, {"112010000|San Martín 1234 3 B"}},
  };
  const testing_support::TxcliCodigo caracteres{'C', 8};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cambiaBase(c.base);
    writeTxcli(c.clientes, caracteres);
    testing_support::TempFolder copia;
    testing_support::writeTxcliTable(copia.file("TXCLI.DBF"), c.clientes, caracteres);
    importaClientes();
    importaClientes(copia);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM MA_CUENTAS WHERE CODIGO LIKE '11201%'").toLong(), c.calles.size());
    EXPECT_EQ(recordados(), c.recordados);
    EXPECT_EQ(rows("SELECT Codigo, CALLE FROM MA_CUENTASADIC ORDER BY Codigo"), c.calles);
  }
}

// An embedded database of an earlier build that the program could not
// bring up to date when it opened it (another program writing to it past
// the wait, a read-only file, a full disk) still opens, and the error log
// tells why. The customer import brings it up to date when it can by then
// and runs; when it still cannot, it refuses before it writes, naming the
// cause and what helps (a read-only database is refused as such by the
// run), and once the cause is gone it runs.
TEST_F(CustomerImport, ADatabaseNotBroughtUpToDateIsBroughtUpByTheImportOrTheRunRefusedWithTheCause) {
  struct Case {
    const char* name;
    QString tabla;  // the remembered customers as an earlier build left them, with one row
    const char* upgrade;
    std::function<void()> hinder;  // at the opening, and, unless `box` is empty, at the import too
    const char* reason;
    QString box;  // the refusal; empty when the import brings the database up to date and runs
  };
  std::optional<testing_support::BusyWriter> otro;
  std::optional<testing_support::FullDisk> lleno;
  const auto ocupada = [&] { otro.emplace(path, testing_support::BusyWriter::Release::Never); };
  const QString anterior =
      kTablaAnterior + "INSERT INTO AUX_CLIENTES_IMPORTADOS VALUES ('/datos/TXCLI.DBF', '0', 1, '112010001')";
  const QString conOrden =
      kTablaConOrden +
      "INSERT INTO AUX_CLIENTES_IMPORTADOS VALUES ('TXCLI.DBF', '7', 'Siete', '20-12345678-9', 2, '112010011')";
  // (The read-only file stays so: it comes last.)
  const Case cases[] = {
      {"busy", anterior, "001_clientes_importados.sql", ocupada, "database is locked", QString()},
      {"busy after the first upgrade", conOrden, "002_orden_entre_recordados.sql", ocupada, "database is locked",
       QString()},
      {"full disk", anterior, "001_clientes_importados.sql",
       [&] { lleno.emplace(path); },
       "database or disk is full",
       "No se pudo poner al día la base de datos: su tabla AUX_CLIENTES_IMPORTADOS, donde la importación de "
       "clientes recuerda qué cuenta dio a cada cliente sin número de cuenta propio, no tiene todavía la forma que "
       "el programa le da al abrir la base de datos, y no se le pudo dar ahora.\r\n\r\nError de lectura o "
       "escritura en la base de datos \"" + path + "\": no queda espacio en el disco\r\n\r\nLibere espacio en "
       "el disco de la base de datos (o, si no es lo que falta, revise el disco) e importe de nuevo."},
      {"read-only", anterior, "001_clientes_importados.sql", [&] { testing_support::MarkReadOnly(path); },
       "readonly database", "La base de datos no admite escrituras: "},
  };
  writeTxcli({cliente(int32_t(0), "Mostrador"), cliente(int32_t(7), "Siete"), cliente(int32_t(7), "Siete")});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    cambiaBase(c.tabla, c.hinder);
    const QStringList recordadas = rows("SELECT * FROM AUX_CLIENTES_IMPORTADOS");
    otro.reset();
    const QString log = readFile(data_access::ErrorLogPath(QString()));
    EXPECT_TRUE(log.contains(QStringLiteral("Rutina: - SQLite Mensaje La base de datos \"%1\" no se pudo poner al "
                                            "día: %2: ")
                                 .arg(path, QLatin1String(c.upgrade))))
        << log.toStdString();
    EXPECT_TRUE(log.contains(QLatin1String(c.reason))) << log.toStdString();

    const size_t cajas = host.boxes().size();
    if (c.box.isEmpty()) {
      importaClientes();
      ASSERT_EQ(host.boxes().size(), cajas + 1);
      EXPECT_TRUE(ventana.LblDetalle.Caption().startsWith("Leidos 3 de 3 Grabados:3 Errores: 0"))
          << ventana.LblDetalle.Caption().toStdString();
      expectTableAsANewDatabaseHasIt();
      continue;
    }
    host.answer(ui::mb::Ok, c.box);
    importa(Clientes);
    ASSERT_EQ(host.boxes().size(), cajas + 1);
    EXPECT_TRUE(host.boxes().back().prompt.startsWith(c.box)) << host.boxes().back().prompt.toStdString();
    EXPECT_EQ(host.boxes().back().title, "Atencion!");
    EXPECT_EQ(rows("SELECT * FROM AUX_CLIENTES_IMPORTADOS"), recordadas);
    EXPECT_TRUE(ventana.cmdImportar.Enabled());
    // Once the disk has room, the next opening brings the database up to date
    // and the import runs.
    if (!lleno) continue;
    lleno.reset();
    cambiaBase(QString());
    importaClientes();
    EXPECT_EQ(host.boxes().back().prompt, "Proceso Finalizado");
    expectTableAsANewDatabaseHasIt();
  }
}

// With 112019999 taken the free code stays within nine characters; a
// customer for whom none is left is rejected and recorded, and the run
// goes on.
TEST_F(CustomerImport, ACustomerWithNoCodeLeftIsRecordedAndTheRunGoesOn) {
  exec("INSERT INTO MA_CUENTAS (CODIGO) VALUES ('112019999')");
  writeTxcli({cliente(int32_t(0), "Mostrador")});
  importaClientes();
  EXPECT_EQ(scalar("SELECT DESCRIPCION FROM MA_CUENTAS WHERE CODIGO = '112010001'").toString(), "Mostrador");
  define("WITH RECURSIVE n(i) AS (SELECT 2 UNION ALL SELECT i + 1 FROM n WHERE i < 9998) "
         "INSERT INTO MA_CUENTAS (CODIGO) SELECT '11201' || printf('%04d', i) FROM n");
  writeTxcli({cliente(int32_t(0), "Mostrador"), cliente(int32_t(0), "Delivery"), cliente(int32_t(7), "Siete")});
  importaClientes();
  EXPECT_EQ(host.boxes().size(), 2u);
  EXPECT_EQ(scalar("SELECT Descripcion FROM AUX_ERR").toString(),
            "TXCLI.DBF registro 2: no queda ningún código de cuenta libre bajo 11201 para el cliente (Codigo 0 - "
            "Delivery); el registro no se importó.");
  EXPECT_EQ(scalar("SELECT DESCRIPCION FROM MA_CUENTAS WHERE CODIGO = '112010007'").toString(), "Siete");
  EXPECT_TRUE(ventana.LblDetalle.Caption().startsWith("Leidos 3 de 3 Grabados:2 Errores: 1"))
      << ventana.LblDetalle.Caption().toStdString();
}

// A field that is no value rejects its customer alone: counted, recorded,
// no box, and no other customer imported twice in its place.
TEST_F(CustomerImport, AFieldThatIsNoValueRejectsItsCustomerAlone) {
  writeTxcli({cliente("0x7", "Ilegible"), cliente(int32_t(7), "Siete"), cliente("8-", "Otro ilegible")});
  importaClientes();
  EXPECT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(rows("SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS WHERE CODIGO LIKE '11201%'"),
            QStringList({"112010007|Siete"}));
  const QStringList recorded = rows("SELECT Descripcion FROM AUX_ERR ORDER BY Descripcion");
  ASSERT_EQ(recorded.size(), 2);
  EXPECT_TRUE(recorded[0].startsWith("TXCLI.DBF registro 1: ")) << recorded[0].toStdString();
  EXPECT_TRUE(recorded[0].contains("(registro 1, campo CODIGO): el número «0x7» es ilegible")) << recorded[0].toStdString();
  EXPECT_TRUE(recorded[1].startsWith("TXCLI.DBF registro 3: ")) << recorded[1].toStdString();
  EXPECT_TRUE(ventana.LblDetalle.Caption().startsWith("Leidos 3 de 3 Grabados:1 Errores: 2"))
      << ventana.LblDetalle.Caption().toStdString();
}

// A customer record whose own bytes are damaged (its deletion mark) is
// rejected alone, without a box: the walk for the claimed codes passes over
// it, so the run still starts at the first customer, and no other customer
// is imported twice in its place.
TEST_F(CustomerImport, ADamagedRecordRejectsItsCustomerAlone) {
  writeTxcli({cliente(int32_t(1), "Uno"), testing_support::deleted(cliente(int32_t(9), "Nueve")),
              cliente(int32_t(2), "Dos"), cliente(int32_t(3), "Tres"), cliente(int32_t(4), "Cuatro")});
  testing_support::DamageDeletionMark(origen.file("TXCLI.DBF"), 4);
  importaClientes();
  EXPECT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(rows("SELECT CODIGO, DESCRIPCION FROM MA_CUENTAS WHERE CODIGO LIKE '11201%' ORDER BY CODIGO"),
            QStringList({"112010001|Uno", "112010002|Dos", "112010004|Cuatro"}));
  const QStringList recorded = rows("SELECT Descripcion FROM AUX_ERR");
  ASSERT_EQ(recorded.size(), 1);
  EXPECT_TRUE(recorded[0].startsWith("TXCLI.DBF registro 4: El archivo ")) << recorded[0].toStdString();
  EXPECT_TRUE(recorded[0].contains("(registro 4): la marca de borrado")) << recorded[0].toStdString();
  EXPECT_TRUE(ventana.LblDetalle.Caption().startsWith("Leidos 4 de 4 Grabados:3 Errores: 1"))
      << ventana.LblDetalle.Caption().toStdString();
}

// A rejected customer, in the error table and in the error box, is named
// by its number in the table, deleted records counted, whatever the reason:
// one the operator gives up at the error box is recorded too.
TEST_F(CustomerImport, ARejectedCustomerIsNamedByItsNumberInTheTable) {
  define("WITH RECURSIVE n(i) AS (SELECT 2 UNION ALL SELECT i + 1 FROM n WHERE i < 9999) "
         "INSERT INTO MA_CUENTAS (CODIGO) SELECT '11201' || printf('%04d', i) FROM n");
  define("CREATE TRIGGER T_ADIC BEFORE INSERT ON MA_CUENTASADIC WHEN NEW.Codigo = '112010008' BEGIN "
         "SELECT RAISE(ABORT, '50001: sin datos para este cliente'); END");
  const TxcliRecord borrado = testing_support::deleted(cliente(int32_t(9), "Nueve"));
  writeTxcli({borrado, cliente("0x7", "Ilegible"), borrado, cliente(int32_t(0), "Mostrador"),
              cliente(int32_t(0), "Delivery"), borrado, cliente(int32_t(8), "Ocho")});
  host.answer(ui::mb::Ignore, "Error en asignacion de Datos, Registro 7 (Codigo 8 - Ocho)\r\r  Error: ");
  importaClientes();
  EXPECT_EQ(host.boxes().size(), 2u);
  EXPECT_EQ(scalar("SELECT DESCRIPCION FROM MA_CUENTAS WHERE CODIGO = '112010001'").toString(), "Mostrador");
  const QStringList recorded = rows("SELECT Descripcion FROM AUX_ERR ORDER BY Descripcion");
  ASSERT_EQ(recorded.size(), 3);
  EXPECT_TRUE(recorded[0].startsWith("TXCLI.DBF registro 2: ")) << recorded[0].toStdString();
  EXPECT_TRUE(recorded[0].contains("(registro 2, campo CODIGO)")) << recorded[0].toStdString();
  EXPECT_EQ(recorded[1], "TXCLI.DBF registro 5: no queda ningún código de cuenta libre bajo 11201 para el cliente "
                         "(Codigo 0 - Delivery); el registro no se importó.");
  EXPECT_EQ(recorded[2], "TXCLI.DBF registro 7: sin datos para este cliente; el registro no se importó.");
  EXPECT_TRUE(ventana.LblDetalle.Caption().startsWith("Leidos 4 de 4 Grabados:1 Errores: 3"))
      << ventana.LblDetalle.Caption().toStdString();
}

// A database without the table of the accounts given, or with one that
// lacks a column of the customer's identity (a server's, changed by hand
// in part), refuses the run with one message, before any customer.
TEST_F(CustomerImport, ADatabaseWithoutTheTableOfGivenAccountsIsRefused) {
  writeTxcli({cliente(int32_t(7), "Siete")});
  size_t cajas = 0;
  for (const char* sinTabla : {"DROP TABLE AUX_CLIENTES_IMPORTADOS",
                               "CREATE TABLE AUX_CLIENTES_IMPORTADOS (Archivo VARCHAR(400), Codigo VARCHAR(254), "
                               "Nombre VARCHAR(100), Orden INTEGER, Cuenta VARCHAR(9))"}) {
    SCOPED_TRACE(sinTabla);
    cambiaBase(sinTabla);
    host.answer(ui::mb::Ok, "no tiene la tabla AUX_CLIENTES_IMPORTADOS con sus columnas Nombre, Cuit y "
                            "OrdenEntreRecordados");
    importa(Clientes);
    ++cajas;
    ASSERT_EQ(host.boxes().size(), cajas);
    EXPECT_EQ(host.boxes().back().title, "Atencion!");
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM MA_CUENTASADIC").toLong(), 0);
    EXPECT_TRUE(ventana.cmdImportar.Enabled());
  }
}

// A record given up at the error box (Ignore here, Abort below) leaves
// neither row, is counted, and is recorded in AUX_ERR under its number.
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
  EXPECT_TRUE(ventana.LblDetalle.Caption().startsWith("Leidos 3 de 3 Grabados:2 Errores: 1"))
      << ventana.LblDetalle.Caption().toStdString();
  EXPECT_EQ(rows("SELECT Descripcion FROM AUX_ERR"),
            QStringList({"TXCLI.DBF registro 2: sin datos para este cliente; el registro no se importó."}));
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
  EXPECT_TRUE(ventana.LblDetalle.Caption().startsWith("Leidos 1 de 2 Grabados:0 Errores: 1"))
      << ventana.LblDetalle.Caption().toStdString();
  EXPECT_EQ(rows("SELECT Descripcion FROM AUX_ERR"),
            QStringList({"TXCLI.DBF registro 1: no; el registro no se importó."}));
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
  // No TXCLI.DBF: the window's test open fails, and the run ends there.
  host.answer(ui::mb::Ignore, "No se encuentra la tabla TXCLI");
  importa(Clientes);
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(ventana.LblDetalle.Caption(), "");
  EXPECT_TRUE(ventana.cmdImportar.Enabled());
}

}  // namespace
