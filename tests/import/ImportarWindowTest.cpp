// The window Importar: its controls, the access code, the run driver, the
// source connection and the button that empties the entry table.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "ImportRun.h"
#include "core/forms/FrmInputBox.h"
#include "import/ImportSql.h"
#include "platform/runtime/Environment.h"
#include "platform/runtime/ProgramEnd.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Operator.h"
#include "support/Printers.h"
#include "support/SuiteDatabase.h"
#include "support/Unreadable.h"

namespace {

using importacion::Importar;

TEST(ImportarForm, ControlsAsTheWindowDefinesThem) {
  Importar w;
  EXPECT_EQ(w.Caption(), "Importación de Datos - OLMA - KORA NET PLUS");
  EXPECT_EQ(w.cmdImportar.Caption(), "Iniciar/Importar");
  EXPECT_EQ(w.CmdCancelar.Caption(), "Cancelar");
  EXPECT_FALSE(w.CmdCancelar.Enabled());
  EXPECT_EQ(w.CmdVaciar.Caption(), "Borrar Movimientos");
  EXPECT_EQ(w.TxtPathDatos.Text(), "E:\\migrar");
  EXPECT_EQ(w.lblPathDatos.Caption(), "Directorio de Datos");
  const char* tablas[] = {"Detalle de Facturacion (TXFAC.DBF)", "Clientes (TXCLI.DBF)", "Clientes (TXCLI.DBF)"};
  ASSERT_EQ(w.chkTabla.Count(), 3);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(w.chkTabla(i).Caption(), tablas[i]);
    EXPECT_EQ(w.chkTabla(i).Value(), 0);
    EXPECT_TRUE(w.chkTabla(i).FontBold());
  }
  const struct {
    const char* etiqueta;
    const char* tag;
    const char* texto;
  } cuentas[] = {{"Cuenta Ajuste Clientes:", "CtaAjusteCliente", "511"},
                 {"Cuenta Ajuste Proveedores:", "CtaAjusteProveedor", "511"},
                 {"Cuenta Cheques en Cartera:", "CtaChequesEnCartera", "1110102"},
                 {"Cuenta Ajuste Ch Cartera:", "CtaAjusteCheque", "511"}};
  ASSERT_EQ(w.txtFields.Count(), 4);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(w.lblCuentas(i).Caption(), cuentas[i].etiqueta);
    EXPECT_EQ(w.txtFields(i).Tag(), cuentas[i].tag);
    EXPECT_EQ(w.txtFields(i).Text(), cuentas[i].texto);
  }
  EXPECT_EQ(w.lblTabla.Caption(), "");
  EXPECT_EQ(w.LblDetalle.Caption(), "");
}

TEST(ImportarForm, SourceConnectionStrings) {
  namespace sql = importacion::sql;
  EXPECT_EQ(sql::CadenaConexionOrigen("DBF", "/datos\\migrar", "/datos/migrar/TXFAC.DBF"),
            "Provider=vfpoledb.1;Data Source=/datos/migrar/;Collating Sequence=general");
  EXPECT_EQ(sql::CadenaConexionOrigen("db", "/d/", "/d/x.db"),
            "DRIVER=SQLite3 ODBC Driver;Database=/d/x.db;LongNames=0;Timeout=1000;NoTXN=0;SyncPragma=NORMAL;StepAPI=0;");
  EXPECT_EQ(sql::CadenaConexionOrigen("Txt", "/d/", "/d/x.txt"), "DRIVER={Microsoft Text Driver (*.txt; *.csv)};DBQ=/d/;");
  EXPECT_EQ(sql::CadenaConexionOrigen("xls", "/d/", "/d/x.xls"),
            "Driver={Microsoft Excel Driver (*.xls)};DriverId=790;Dbq=/d/x.xls;DefaultDir=/d/;");
  EXPECT_EQ(sql::CadenaConexionOrigen("MDB", "/d/", "/d/x.mdb"),
            "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/d/x.mdb;Jet OLEDB:Database Password=;");
  EXPECT_EQ(sql::CadenaConexionOrigen("csv", "/d/", "/d/x.csv"), "");
  // A ";" in a folder or file is part of the value, not its end.
  EXPECT_EQ(sql::CadenaConexionOrigen("dbf", "/d/a;b", "/d/a;b/TXFAC.DBF"),
            "Provider=vfpoledb.1;Data Source={/d/a;b/};Collating Sequence=general");
  EXPECT_EQ(sql::CadenaConexionOrigen("xls", "/d/a;b/", "/d/a;b/x.xls"),
            "Driver={Microsoft Excel Driver (*.xls)};DriverId=790;Dbq={/d/a;b/x.xls};DefaultDir={/d/a;b/};");
}

// Start-up from the command line, then the access code.
class AccessCode : public testing_support::CoreDatabase {
 protected:
  void SetUp() override {
    CoreDatabase::SetUp();
    exec("INSERT INTO TA_MENU (Clave, Proceso, Nombre) VALUES ('M1', 'importar_tavernix', 'Importación Tavernix')");
    exec("INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES ('operador', 'M1')");
    rt::SetCommandLine("@Server=sqlite;@DbName=" + path + ";@Usuario=operador;@Password=;");
  }
  void typesCode(const QString& code) {
    host.onModal<core::FrmInputBox>("FrmInputBox", [code](core::FrmInputBox& f) {
      EXPECT_EQ(f.Caption(), "Acceso");
      EXPECT_EQ(f.lblDescripcion.Caption(), "Clave");
      EXPECT_EQ(f.txtfields.PasswordChar(), "*");
      ui::op::type(f.txtfields, code);
      ui::op::click(f.CmdAceptar);
    });
  }
  Importar ventana;
};

TEST_F(AccessCode, TheRightCodeWithBlanksOpensTheWindow) {
  typesCode(" 7148 ");
  ventana.Load();
  EXPECT_EQ(programEnds, 0);
  EXPECT_TRUE(data_access::gDB().gOpenFlag);
  EXPECT_EQ(rows("SELECT Formulario, Usuario FROM Control_Acceso"), QStringList({"IMPORTAR_TAVERNIX|OPERADOR"}));
  EXPECT_TRUE(host.boxes().empty());
}

// On a database that takes no writes the operator hears of it once: when
// a run refuses to start, not at start-up for its access log as well; one
// spelling throughout.
TEST_F(AccessCode, AReadOnlyDatabaseIsToldOnceWhenARunStarts) {
  cn.Close();
  testing_support::MarkReadOnly(path);
  typesCode("7148");
  ventana.Load();
  EXPECT_TRUE(host.boxes().empty());
  host.answer(ui::mb::Ok, "La base de datos no admite escrituras: ");
  ui::op::click(ventana.chkTabla(0));
  ui::op::click(ventana.cmdImportar);
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_TRUE(host.boxes()[0].prompt.contains("es de sólo lectura.")) << host.boxes()[0].prompt.toStdString();
  EXPECT_FALSE(host.boxes()[0].prompt.contains("solo")) << host.boxes()[0].prompt.toStdString();
}

TEST_F(AccessCode, AWrongCodeEndsTheProgram) {
  for (const char* code : {"1234", ""}) {
    Importar otra;
    typesCode(code);
    host.answer(ui::mb::Ok, "erronea");
    EXPECT_THROW(otra.Load(), rt::ProgramEnded) << code;
  }
  EXPECT_EQ(programEnds, 2);
  EXPECT_EQ(host.boxes().at(0).prompt, "erronea");
  EXPECT_EQ(host.boxes().at(0).buttons, ui::mb::OkOnly);
}

class RunDriver : public testing_support::ImportRun {
 protected:
  // A run of `tabla` from `carpeta` shows one box, the error dialog naming
  // `causa`, answered with `respuesta`; nothing else is shown, nothing is
  // written, and the window is ready for the next run.
  void unaCajaYNadaMas(Tabla tabla, const QString& carpeta, int respuesta, const QString& causa) {
    const std::size_t antes = host.boxes().size();
    ventana.TxtPathDatos.Text = carpeta;
    for (const Tabla t : {Facturacion, Clientes}) ventana.chkTabla(t).Value = t == tabla ? 1 : 0;
    host.answer(respuesta, causa);
    ui::op::click(ventana.cmdImportar);
    ASSERT_EQ(host.boxes().size() - antes, 1u);
    EXPECT_EQ(host.boxes().back().buttons, ui::mb::AbortRetryIgnore | ui::mb::Critical);
    for (const char* tabla : {"MA_CUENTASADIC", "V_MV_CPTE", "MV_ASIENTOS", "MA_CALENDARIO", "AUX_ERR"})
      EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM %1").arg(tabla)).toLong(), 0) << tabla;
    EXPECT_EQ(rows("SELECT CODIGO FROM MA_CUENTAS"), QStringList({"511"}));
    EXPECT_EQ(ventana.LblDetalle.Caption(), "");
    EXPECT_TRUE(ventana.cmdImportar.Enabled());
    EXPECT_FALSE(ventana.CmdCancelar.Enabled());
  }
};

TEST_F(RunDriver, WithNoBoxTickedAClickOnlyTogglesTheButtons) {
  ui::op::click(ventana.cmdImportar);
  EXPECT_TRUE(ventana.cmdImportar.Enabled());
  EXPECT_TRUE(ventana.TxtPathDatos.Enabled());
  EXPECT_FALSE(ventana.CmdCancelar.Enabled());
  EXPECT_TRUE(ventana.CmdVaciar.Enabled());
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(RunDriver, WithBothBoxesTickedOnlyTheInvoicesAreImported) {
  writeTxfac({});
  writeTxcli({testing_support::TxcliRecord{}});
  ui::op::click(ventana.chkTabla(Clientes));
  importa(Facturacion);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM MA_CUENTASADIC").toLong(), 0);
  EXPECT_EQ(ventana.LblDetalle.Caption(), " FINALIZADO ");
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(RunDriver, TheInputsRestDuringARun) {
  writeTxfac({testing_support::voucher("A", 1, QDate(2005, 8, 1))});
  host.atYield(1, [this] {
    EXPECT_FALSE(ventana.cmdImportar.Enabled());
    EXPECT_FALSE(ventana.TxtPathDatos.Enabled());
    EXPECT_TRUE(ventana.CmdCancelar.Enabled());
    EXPECT_FALSE(ventana.CmdVaciar.Enabled());
    ui::op::click(ventana.CmdVaciar);  // no question: it is disabled
  });
  importa(Facturacion);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM MV_ASIENTOS").toLong(), 2);
  EXPECT_TRUE(ventana.CmdVaciar.Enabled());
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(RunDriver, ClosingTheWindowDuringARunCancelsIt) {
  writeTxfac({testing_support::voucher("A", 1, QDate(2005, 8, 1), "0001", 1),
              testing_support::voucher("A", 1, QDate(2005, 8, 1), "0001", 2)});
  const auto closeBox = [this] {
    int cancel = 0;
    ventana.Form_QueryUnload(cancel, ui::unload::ControlMenu);
    return cancel;
  };
  host.atYield(1, [&] { EXPECT_NE(closeBox(), 0); });
  importa(Facturacion);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM V_MV_CPTE").toLong(), 1);
  EXPECT_TRUE(ventana.LblDetalle.Caption().endsWith(" ---> CANCELADO "));
  EXPECT_EQ(closeBox(), 0);
}

TEST_F(RunDriver, EmptyingTheEntryTableAsksFirst) {
  exec("INSERT INTO MV_ASIENTOS (MES_OPERATIVO, Periodo, Secuencia, [NUMERO ASIENTO]) VALUES (1, 1, 1, 1)");
  host.answer(ui::mb::No, "Se borrarán TODAS las líneas de asientos contables");
  ui::op::click(ventana.CmdVaciar);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM MV_ASIENTOS").toLong(), 1);
  EXPECT_EQ(host.boxes().at(0).buttons, ui::mb::YesNo | ui::mb::Question | ui::mb::DefaultButton2);
  EXPECT_EQ(host.boxes().at(0).title, "Atencion!");
  host.answer(ui::mb::Yes);
  ui::op::click(ventana.CmdVaciar);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM MV_ASIENTOS").toLong(), 0);
}

TEST_F(RunDriver, AMissingSourceTableGoesToTheErrorDialog) {
  // No TXFAC.DBF in the folder: the test open fails, and the run ends there.
  host.answer(ui::mb::Ignore, "No se encuentra la tabla TXFAC en la carpeta " + origen.path() + ".");
  importa(Facturacion);
  EXPECT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes().at(0).buttons, ui::mb::AbortRetryIgnore | ui::mb::Critical);
  EXPECT_EQ(ventana.LblDetalle.Caption(), "");
  EXPECT_TRUE(ventana.cmdImportar.Enabled());
  // The next run finds the table once it is there.
  writeTxfac({});
  importa(Facturacion);
  EXPECT_EQ(ventana.LblDetalle.Caption(), " FINALIZADO ");
}

// A source that cannot be opened (a missing folder, a file, a folder
// without the table) is told in the one box of its cause, whatever the
// operator answers but Retry, and the run ends there: neither import meets
// a source that did not open, nothing is written, and the label of the
// last run is cleared as the run starts.
TEST_F(RunDriver, AFolderThatCannotBeOpenedIsReportedOnce) {
  writeTxfac({testing_support::voucher("A", 1, QDate(2005, 8, 1))});
  writeTxcli({testing_support::TxcliRecord{}});
  const QString vacia = origen.file("vacia");
  ASSERT_TRUE(QDir().mkdir(vacia));
  const struct {
    QString carpeta;
    QString causa;  // what the box says, %1 the table
  } fuentes[] = {{origen.file("no_existe"), "No se encuentra la carpeta de datos " + origen.file("no_existe") + "."},
                 {origen.file("TXFAC.DBF"), "No se encuentra la carpeta de datos " + origen.file("TXFAC.DBF") + "."},
                 {vacia, "No se encuentra la tabla %1 en la carpeta " + vacia + "."}};
  for (const auto& fuente : fuentes)
    for (const Tabla tabla : {Facturacion, Clientes})
      for (const int respuesta : {ui::mb::Abort, ui::mb::Ignore}) {
        SCOPED_TRACE(fuente.carpeta.toStdString() + " " + std::to_string(tabla) + " " + std::to_string(respuesta));
        ventana.LblDetalle.Caption = " FINALIZADO ";
        unaCajaYNadaMas(tabla, fuente.carpeta, respuesta, fuente.causa.arg(tabla == Facturacion ? "TXFAC" : "TXCLI"));
      }
}

// A folder the system does not let the program read is told as such, with
// the system's reason, not as missing its table.
TEST_F(RunDriver, AnUnreadableFolderIsReportedOnceWithTheReason) {
  writeTxfac({testing_support::voucher("A", 1, QDate(2005, 8, 1))});
  writeTxcli({testing_support::TxcliRecord{}});
  testing_support::Unreadable cerrada(origen.path());
  if (!cerrada.holds()) GTEST_SKIP() << "this system lets the tests read a folder without permissions";
  for (const Tabla tabla : {Facturacion, Clientes})
    for (const int respuesta : {ui::mb::Abort, ui::mb::Ignore}) {
      SCOPED_TRACE(std::to_string(tabla) + " " + std::to_string(respuesta));
      unaCajaYNadaMas(tabla, origen.path(), respuesta,
                      "No se puede leer la carpeta de datos " + origen.path() + ": no tiene permiso.");
    }
}

// An empty "Directorio de Datos" is asked for in the operator's words, once,
// before the run takes the database; the window stays ready.
TEST_F(RunDriver, AnEmptyDataFolderIsAskedFor) {
  for (const Tabla tabla : {Facturacion, Clientes}) {
    SCOPED_TRACE(tabla);
    ventana.TxtPathDatos.Text = "  ";
    for (const Tabla t : {Facturacion, Clientes}) ventana.chkTabla(t).Value = t == tabla ? 1 : 0;
    host.answer(ui::mb::Ok);
    ui::op::click(ventana.cmdImportar);
    ASSERT_EQ(host.boxes().size(), tabla == Facturacion ? 1u : 2u);
    EXPECT_EQ(host.boxes().back().prompt,
              "Escriba en \"Directorio de Datos\" la carpeta donde están las tablas que exportó Tavernix (TXFAC.DBF "
              "y TXCLI.DBF) y vuelva a importar.");
    EXPECT_EQ(host.boxes().back().buttons, ui::mb::OkOnly | ui::mb::Exclamation);
    EXPECT_FALSE(QFile::exists(path + "-importacion"));
    EXPECT_TRUE(ventana.cmdImportar.Enabled());
    EXPECT_TRUE(ventana.TxtPathDatos.Enabled());
  }
}

// Retry tries again: the same box while the cause stands, the run once the
// table is in place.
TEST_F(RunDriver, RetryOpensTheSourceAgain) {
  const QString vacia = origen.file("vacia");
  ASSERT_TRUE(QDir().mkdir(vacia));
  ventana.TxtPathDatos.Text = vacia;
  host.answer(ui::mb::Retry, "No se encuentra la tabla TXFAC");
  host.answer(ui::mb::Retry, "No se encuentra la tabla TXFAC", [&] {
    testing_support::writeTxfacTable(vacia + "/TXFAC.DBF", {testing_support::voucher("A", 1, QDate(2005, 8, 1))});
  });
  ui::op::click(ventana.chkTabla(Facturacion));
  ui::op::click(ventana.cmdImportar);
  EXPECT_EQ(host.boxes().size(), 2u);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM V_MV_CPTE").toLong(), 1);
  EXPECT_TRUE(ventana.LblDetalle.Caption().endsWith(" FINALIZADO "));

  ui::op::click(ventana.chkTabla(Facturacion));
  ui::op::click(ventana.chkTabla(Clientes));
  host.answer(ui::mb::Retry, "No se encuentra la tabla TXCLI", [&] {
    testing_support::writeTxcliTable(vacia + "/TXCLI.DBF", {testing_support::TxcliRecord{}});
  });
  host.answer(ui::mb::Ok, "Proceso Finalizado");
  ui::op::click(ventana.cmdImportar);
  EXPECT_EQ(host.boxes().size(), 4u);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM MA_CUENTASADIC").toLong(), 1);
}

TEST_F(RunDriver, OtherKindsOfSourceOpenTheirConnection) {
  QString ruta = path;
  ventana.ConectarProveedor(ruta);
  EXPECT_EQ(ventana.txtFields(1).Text(), importacion::sql::CadenaConexionOrigen("db", QString(), path));
  QString otro = origen.file("datos.csv");
  ventana.ConectarProveedor(otro);
  EXPECT_TRUE(host.boxes().empty());
}

}  // namespace
