// What a run holds on the suite database: no second run imports into it
// meanwhile (another process or this one), and the refused run is told
// which run holds it; a killed run blocks nobody; a database that takes no
// writes refuses the run before anything is written, naming why; and what
// the end text reports is in the database file itself, not only in its
// write-ahead log, so a power cut after it loses none of it.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <functional>
#include <optional>
#include <unistd.h>

#include "ImportRun.h"
#include "data_access/DataAccessState.h"
#include "import/CorridaExclusiva.h"
#include "import/ImportSql.h"
#include "platform/suite/Library.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Operator.h"
#include "support/BusyWriter.h"
#include "support/ErrorNumber.h"
#include "support/Printers.h"
#include "support/SuiteDatabase.h"

namespace {

using testing_support::TxfacRecord;

const QString kOcupada = QStringLiteral("Otra importación está grabando en esta base de datos");

class RunHold : public testing_support::ImportRun {
 protected:
  void writeVouchers(int n) {
    std::vector<TxfacRecord> records;
    for (int i = 1; i <= n; ++i)
      records.push_back(testing_support::voucher(i % 2 ? "A" : "B", 25 + i % 3, QDate(2005, 3, 1 + i % 28), "0001", i));
    writeTxfac(records);
  }
  // Each voucher stands once: one header and one entry of two lines.
  void expectEachVoucherOnce(long vouchers) {
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM V_MV_CPTE").toLong(), vouchers);
    EXPECT_EQ(scalar("SELECT COUNT(DISTINCT IdComprobante) FROM V_MV_CPTE").toLong(), vouchers);
    EXPECT_EQ(rows("SELECT Numero FROM MV_ASIENTOS GROUP BY TC, Sucursal, Numero, Letra "
                   "HAVING COUNT(*) <> 2 OR COUNT(DISTINCT [NUMERO ASIENTO]) <> 1 OR SUM(Secuencia) <> 3"),
              QStringList());
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM MV_ASIENTOS").toLong(), 2 * vouchers);
  }
  // Starts another instance of the program importing the same folder into
  // the same database; it stops at its first yield until told to go on.
  void startOtherInstance(QProcess& otra) {
    otra.start(QStringLiteral(IMPORT_INSTANCE), {path, origen.path(), QStringLiteral("--espera")});
    ASSERT_TRUE(otra.waitForReadyRead(60000)) << otra.readAllStandardError().toStdString();
    ASSERT_EQ(otra.readLine().trimmed(), "importando");
  }
};

TEST_F(RunHold, ARunOfAnotherInstanceKeepsTheDatabaseUntilItEnds) {
  writeVouchers(30);
  QProcess otra;
  startOtherInstance(otra);

  host.answer(ui::mb::Ok, kOcupada + ": la de TXFAC.DBF que el usuario operador inició el ");
  importa(Facturacion);
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_TRUE(host.boxes()[0].prompt.contains(QStringLiteral("(proceso %1).").arg(otra.processId())))
      << host.boxes()[0].prompt.toStdString();
  EXPECT_TRUE(host.boxes()[0].prompt.endsWith("Espere a que termine y vuelva a importar."));
  EXPECT_EQ(host.boxes()[0].buttons, ui::mb::OkOnly | ui::mb::Exclamation);
  EXPECT_EQ(ventana.LblDetalle.Caption(), "");
  EXPECT_TRUE(ventana.cmdImportar.Enabled());

  otra.write("\n");
  ASSERT_TRUE(otra.waitForFinished(60000));
  const QString salida = QString::fromUtf8(otra.readAllStandardOutput());
  EXPECT_TRUE(salida.contains("etiqueta: Leidos 30 de 30 Grabados:30 Errores: 0")) << salida.toStdString();
  EXPECT_FALSE(salida.contains("caja:")) << salida.toStdString();

  // The database is free again; this run finds every voucher written.
  importa(Facturacion);
  EXPECT_EQ(host.boxes().size(), 1u);
  EXPECT_TRUE(ventana.LblDetalle.Caption().startsWith("Leidos 30 de 30 Grabados:0 Errores: 0"));
  expectEachVoucherOnce(30);
}

TEST_F(RunHold, AKilledRunBlocksNobody) {
  writeVouchers(10);
  QProcess otra;
  startOtherInstance(otra);
  otra.kill();
  ASSERT_TRUE(otra.waitForFinished(60000));
  importa(Facturacion);
  EXPECT_TRUE(host.boxes().empty());
  expectEachVoucherOnce(10);
}

// The lock is the open lock file's, not the process's: a second hold in
// this very process is refused too, and told who holds the database. A
// lock file that a dead run left behind holds nothing.
TEST_F(RunHold, TheLockFileTellsWhoHoldsItAndALeftOneHoldsNothing) {
  writeVouchers(3);
  {
    QString rechazo;
    const auto primera = importacion::CorridaExclusiva::Inicia("TXCLI.DBF", rechazo);
    ASSERT_TRUE(primera) << rechazo.toStdString();
    host.answer(ui::mb::Ok);
    importa(Facturacion);
    ASSERT_EQ(host.boxes().size(), 1u);
    EXPECT_EQ(host.boxes()[0].prompt,
              kOcupada + QStringLiteral(": la de TXCLI.DBF que el usuario operador inició el 15/03/2024 14:05:09 en el "
                                        "equipo %1 (proceso %2).\r\n\r\nEspere a que termine y vuelva a importar.")
                             .arg(suite::gInfoSistema().NombrePC())
                             .arg(::getpid()));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM V_MV_CPTE").toLong(), 0);
  }
  folder.write("suite.db-importacion", "tabla=TXFAC.DBF\nusuario=otro\nproceso=1\n");
  importa(Facturacion);
  EXPECT_EQ(host.boxes().size(), 1u);
  expectEachVoucherOnce(3);
}

// One clear box before anything is written, for either table, naming the
// cause: a database that is read-only, or that another program goes on
// writing to past the time-out (never taken for a read-only one); nothing
// written, the window ready for the next run.
TEST_F(RunHold, ADatabaseThatTakesNoWritesRefusesTheRunBeforeItWrites) {
  struct Case {
    const char* name;
    std::function<void()> hinder;
    QString box;
  };
  std::optional<testing_support::BusyWriter> otro;
  // (The read-only file stays so: it comes last.)
  const Case cases[] = {
      {"busy",
       [&] {
         otro.emplace(path, testing_support::BusyWriter::Release::Never);
         data_access::gDB().gCnn.setCommandTimeout(3);
       },
       "Otro programa está grabando en la base de datos: no terminó en los 3 segundos de espera.\r\n\r\nLa "
       "importación no se inició: ciérrelo y vuelva a intentar."},
      {"read-only",
       [&] {
         cn.Close();
         data_access::gDB().gCnn.Close();
         testing_support::MarkReadOnly(path);
         connectAs("operador");
         cn.Open(testing_support::EmbeddedConnectionString(path));
       },
       "La base de datos no admite escrituras: La base de datos \"" + path +
           "\" es de sólo lectura.\r\n\r\nLa importación no se inició: verifique que la base de datos no sea de "
           "sólo lectura y que el usuario pueda grabar en ella."},
  };
  writeVouchers(3);
  writeTxcli({testing_support::TxcliRecord{}});
  size_t boxes = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.hinder();
    for (Tabla tabla : {Facturacion, Clientes}) {
      SCOPED_TRACE(tabla);
      host.answer(ui::mb::Ok, c.box);
      importa(tabla);
      ui::op::click(ventana.chkTabla(tabla));
      ASSERT_EQ(host.boxes().size(), ++boxes);
      EXPECT_EQ(host.boxes().back().prompt, c.box);
      EXPECT_EQ(host.boxes().back().title, "Atencion!");
      EXPECT_TRUE(ventana.cmdImportar.Enabled());
    }
    otro.reset();
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM ma_calendario").toLong() +
                  scalar("SELECT COUNT(*) FROM MV_EJERCICIOS").toLong() +
                  scalar("SELECT COUNT(*) FROM MA_CUENTAS").toLong() + scalar("SELECT COUNT(*) FROM AUX_ERR").toLong(),
              1);  // the account 511 of the fixture
  }
}

// A lock file that cannot be made refuses the run with the system's reason
// in Spanish.
TEST_F(RunHold, ALockFileThatCannotBeMadeIsToldWithTheReason) {
  writeVouchers(1);
  ASSERT_TRUE(QDir().mkdir(path + "-importacion"));
  host.answer(ui::mb::Ok, "-importacion, con el que una importación impide que otra grabe a la vez en la base de "
                          "datos: la ruta es una carpeta.\r\n\r\nLa importación no se inició: verifique que la "
                          "carpeta de la base de datos admita escrituras.");
  importa(Facturacion);
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_TRUE(host.boxes()[0].prompt.startsWith("No se pudo crear el archivo ")) << host.boxes()[0].prompt.toStdString();
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM V_MV_CPTE").toLong(), 0);
}

// A release of a server's lock that fails (the embedded database refuses
// the server's statements) leaves no error entry behind: the next statement
// that reads the connection's Errors would take it for its own failure.
TEST_F(RunHold, AFailedReleaseOfAServersLockLeavesNoErrorBehind) {
  ado::Connection& servicio = data_access::gDB().gCnn;
  for (bool oracle : {false, true}) {
    SCOPED_TRACE(oracle);
    const QString liberacion = importacion::sql::LiberaBloqueoServidor(oracle);
    EXPECT_NE(testing_support::ErrorNumberOf([&] { servicio.Execute(liberacion); }), 0);
    ASSERT_GT(servicio.Errors().Count(), 0);
    servicio.Errors().Clear();
    importacion::SueltaBloqueoServidor(oracle);
    EXPECT_EQ(servicio.Errors().Count(), 0);
  }
}

// A host that looks at the database file when a box is shown.
class WatchingHost : public ui::ScriptedHost {
 public:
  std::function<void(const QString&)> onBox;
  int MsgBox(const QString& prompt, int buttons, const QString& title) override {
    if (onBox) onBox(prompt);
    return ScriptedHost::MsgBox(prompt, buttons, title);
  }
};

TEST_F(RunHold, WhatTheEndTextReportsIsInTheDatabaseFile) {
  writeVouchers(6);
  // The vouchers the file alone holds when each label gets its end text.
  std::vector<long> alFinal;
  std::vector<std::pair<ui::Label*, int>> watchers;
  for (ui::Label* label : {&ventana.lblTabla, &ventana.LblDetalle})
    watchers.emplace_back(label, label->watch([&, label](const ui::PropertyChange& c) {
      const QString texto = label->Caption();
      if (c.prop == ui::Prop::Caption && (texto.endsWith(" FINALIZADO ") || texto.endsWith(" ---> CANCELADO ")))
        alFinal.push_back(testing_support::RowsInFileAlone(path, "V_MV_CPTE"));
    }));
  importa(Facturacion);
  EXPECT_EQ(alFinal, std::vector<long>({6}));

  // A cancelled run: the records it reports are there too.
  exec("DELETE FROM V_MV_CPTE");
  exec("DELETE FROM MV_ASIENTOS");
  alFinal.clear();
  host.atYield(host.yields() + 4, [this] { ui::op::click(ventana.CmdCancelar); });
  importa(Facturacion);
  EXPECT_TRUE(ventana.LblDetalle.Caption().startsWith("Leidos 2 de 6 Grabados:2")) << ventana.LblDetalle.Caption().toStdString();
  EXPECT_EQ(alFinal, std::vector<long>({2, 2}));
  for (auto [label, id] : watchers) label->unwatch(id);

  // The customers' end box.
  WatchingHost watching;
  watching.answer(ui::mb::Ok, "Proceso Finalizado");
  long cuentas = -1;
  watching.onBox = [&](const QString& prompt) {
    if (prompt == "Proceso Finalizado") cuentas = testing_support::RowsInFileAlone(path, "MA_CUENTASADIC");
  };
  ui::setHost(&watching);
  testing_support::TxcliRecord siete, ocho;
  siete.Codigo = int32_t(7);
  ocho.Codigo = int32_t(8);
  writeTxcli({siete, ocho});
  ui::op::click(ventana.chkTabla(Facturacion));
  importa(Clientes);
  ui::setHost(&host);
  EXPECT_EQ(cuentas, 2);
}

}  // namespace
