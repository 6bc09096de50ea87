// What a run holds on the suite database: no second run imports into it
// meanwhile (another process or this one), and the refused run is told
// which run holds it; a killed run blocks nobody; a database that takes no
// writes refuses the run before anything is written, naming why; and what
// the end text reports is in the database file itself, not only in its
// write-ahead log, so a power cut after it loses none of it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
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

const QString kOcupada = QStringLiteral("Otra importación está grabando en esta base de datos");

class RunHold : public testing_support::ImportRun {
 protected:
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

// One clear box before anything is written, for either table and for
// "Borrar Movimientos", naming the cause: a database that is read-only, or
// that another program goes on writing to past the time-out (never taken
// for a read-only one); nothing written nor deleted, the window ready for
// the next run.
TEST_F(RunHold, ADatabaseThatTakesNoWritesRefusesTheRunOrTheDeletionBeforeItWrites) {
  struct Case {
    const char* name;
    std::function<void()> hinder;
    // The box, after what did not happen.
    std::function<QString(const QString&)> box;
  };
  std::optional<testing_support::BusyWriter> otro;
  // (The read-only file stays so: it comes last.)
  const Case cases[] = {
      {"busy",
       [&] {
         otro.emplace(path, testing_support::BusyWriter::Release::Never);
         data_access::gDB().gCnn.setCommandTimeout(3);
       },
       [](const QString& noSeHizo) {
         return "Otro programa está grabando en la base de datos: no terminó en los 3 segundos de espera.\r\n\r\n" +
                noSeHizo + ": ciérrelo y vuelva a intentar.";
       }},
      {"read-only",
       [&] {
         cn.Close();
         data_access::gDB().gCnn.Close();
         testing_support::MarkReadOnly(path);
         connectAs("operador");
         cn.Open(testing_support::EmbeddedConnectionString(path));
       },
       [&](const QString& noSeHizo) {
         return "La base de datos no admite escrituras: La base de datos \"" + path +
                "\" es de sólo lectura.\r\n\r\n" + noSeHizo +
                ": verifique que la base de datos no sea de sólo lectura y que el usuario pueda grabar en ella.";
       }},
  };
  writeVouchers(3);
  importa(Facturacion);
  writeTxcli({testing_support::TxcliRecord{}});
  const auto filas = [&] {
    long n = 0;
    for (const char* tabla : {"ma_calendario", "MV_EJERCICIOS", "MA_CUENTAS", "AUX_ERR", "MV_ASIENTOS", "V_MV_CPTE"})
      n += scalar(QStringLiteral("SELECT COUNT(*) FROM ") + tabla).toLong();
    return n;
  };
  const long antes = filas();
  ASSERT_EQ(scalar("SELECT COUNT(*) FROM MV_ASIENTOS").toLong(), 6);
  size_t boxes = host.boxes().size();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.hinder();
    for (Tabla tabla : {Facturacion, Clientes}) {
      SCOPED_TRACE(tabla);
      const QString box = c.box("La importación no se inició");
      host.answer(ui::mb::Ok, box);
      importa(tabla);
      ui::op::click(ventana.chkTabla(tabla));
      ASSERT_EQ(host.boxes().size(), ++boxes);
      EXPECT_EQ(host.boxes().back().prompt, box);
      EXPECT_EQ(host.boxes().back().title, "Atencion!");
      EXPECT_TRUE(ventana.cmdImportar.Enabled());
    }
    const QString box = c.box("Los movimientos no se borraron");
    host.answer(ui::mb::Yes, "¿Desea borrar los movimientos?").answer(ui::mb::Ok, box);
    ui::op::click(ventana.CmdVaciar);
    boxes += 2;
    ASSERT_EQ(host.boxes().size(), boxes);
    EXPECT_EQ(host.boxes().back().prompt, box);
    EXPECT_TRUE(ventana.CmdVaciar.Enabled());
    otro.reset();
    EXPECT_EQ(filas(), antes);
  }
}

// "Borrar Movimientos" takes the database as a run does: while another
// instance's run imports into it (here finding every voucher written), it
// is refused, naming that run, and no line goes; once the run has ended it
// deletes every line.
TEST_F(RunHold, ADeletionWaitsForTheRunOfAnotherInstance) {
  writeVouchers(30);
  importa(Facturacion);
  ASSERT_EQ(scalar("SELECT COUNT(*) FROM MV_ASIENTOS").toLong(), 60);
  QProcess otra;
  startOtherInstance(otra);
  const QString pregunta = QStringLiteral("¿Desea borrar los movimientos?");
  host.answer(ui::mb::Yes, pregunta).answer(ui::mb::Ok, kOcupada + ": la de TXFAC.DBF que el usuario operador inició el ");
  ui::op::click(ventana.CmdVaciar);
  ASSERT_EQ(host.boxes().size(), 2u);
  EXPECT_TRUE(host.boxes()[1].prompt.contains(QStringLiteral("(proceso %1).").arg(otra.processId())));
  EXPECT_TRUE(host.boxes()[1].prompt.endsWith("Espere a que termine y vuelva a borrar los movimientos."))
      << host.boxes()[1].prompt.toStdString();
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM MV_ASIENTOS").toLong(), 60);

  otra.write("\n");
  ASSERT_TRUE(otra.waitForFinished(60000));
  host.answer(ui::mb::Yes, pregunta);
  ui::op::click(ventana.CmdVaciar);
  EXPECT_EQ(host.boxes().size(), 3u);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM MV_ASIENTOS").toLong(), 0);
}

// While a deletion holds the database, waiting for another program to end
// its writes, a run (of another window) is refused naming the deletion; its
// button stays disabled until it ends. A wait the operator ends deletes
// nothing and needs no box.
TEST_F(RunHold, ARunIsRefusedWhileADeletionHoldsTheDatabase) {
  writeVouchers(3);
  importa(Facturacion);
  ASSERT_EQ(scalar("SELECT COUNT(*) FROM MV_ASIENTOS").toLong(), 6);
  data_access::gDB().gCnn.setCommandTimeout(60);
  std::optional<testing_support::BusyWriter> otro;
  otro.emplace(path, testing_support::BusyWriter::Release::Never);
  importacion::Importar segunda;
  const QString pregunta = QStringLiteral("¿Desea borrar los movimientos?");
  const QString borrando =
      QStringLiteral("Se están borrando los movimientos de esta base de datos: el borrado que el usuario operador "
                     "inició el 15/03/2024 14:05:09 en el equipo %1 (proceso %2).\r\n\r\nEspere a que termine y "
                     "vuelva a importar.")
          .arg(suite::gInfoSistema().NombrePC())
          .arg(::getpid());
  bool visto = false;
  host.atEveryYield([&] {
    if (visto || !host.waitNoticeShown()) return;
    visto = true;
    EXPECT_FALSE(ventana.CmdVaciar.Enabled());
    EXPECT_FALSE(ventana.cmdImportar.Enabled());
    host.answer(ui::mb::Ok, borrando);
    ui::op::type(segunda.TxtPathDatos, origen.path());
    ui::op::click(segunda.chkTabla(Facturacion));
    ui::op::click(segunda.cmdImportar);
    otro->commit();
  });
  host.answer(ui::mb::Yes, pregunta);
  ui::op::click(ventana.CmdVaciar);
  EXPECT_TRUE(visto);
  ASSERT_EQ(host.boxes().size(), 2u);
  EXPECT_EQ(host.boxes()[1].prompt, borrando);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM MV_ASIENTOS").toLong(), 0);
  EXPECT_TRUE(ventana.CmdVaciar.Enabled());
  EXPECT_TRUE(ventana.cmdImportar.Enabled());

  importa(Facturacion);
  ASSERT_EQ(scalar("SELECT COUNT(*) FROM MV_ASIENTOS").toLong(), 6);
  otro.reset();
  otro.emplace(path, testing_support::BusyWriter::Release::Never);
  host.atEveryYield([&] {
    if (host.waitNoticeShown()) host.endWait();
  });
  host.answer(ui::mb::Yes, pregunta);
  ui::op::click(ventana.CmdVaciar);
  EXPECT_EQ(host.boxes().size(), 3u) << "only the question";
  EXPECT_LT(otro->waitedMicroseconds(), 60'000'000);
  otro.reset();
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM MV_ASIENTOS").toLong(), 6);
}

// The SQLite ODBC driver stands for a server (its connection string names no
// embedded database): a run or a deletion asks for the session's lock
// before anything else; the driver cannot take it, so each is refused with
// the driver's reason before it writes, and the release follows, as a lock
// statement that failed may have taken the lock first. (Another run holding
// it needs a real server.)
TEST_F(RunHold, OnAServerTheSessionsLockIsAskedForFirst) {
  writeVouchers(3);
  importa(Facturacion);
  const long lineas = scalar("SELECT COUNT(*) FROM MV_ASIENTOS").toLong();
  ASSERT_EQ(lineas, 6);
  ado::Connection& servicio = data_access::gDB().gCnn;
  const QString traza = folder.file("odbc.trace");
  // The statements the driver was asked to prepare, as its trace lists them.
  const auto preparadas = [&] {
    QStringList sentencias;
    QString* ultima = nullptr;
    for (const QString& linea : readFile(traza).split(u'\n')) {
      if (linea.startsWith("-- sqlite3_prepare")) {
        sentencias << linea.section(": ", 1);
        ultima = &sentencias.last();
      } else if (linea.startsWith("--")) {
        ultima = nullptr;
      } else if (ultima) {
        *ultima += u'\n' + linea;
      }
    }
    return sentencias;
  };
  const QString bloqueo = QStringLiteral(
      "No se pudo tomar el bloqueo con el que una importación impide que otra grabe a la vez en la base de datos: ");
  const struct {
    const char* name;
    std::function<void()> act;
    QString noSeHizo;
  } acciones[] = {
      {"import",
       [&] {
         host.answer(ui::mb::Ok, bloqueo);
         importa(Facturacion);
       },
       "La importación no se inició."},
      {"delete",
       [&] {
         host.answer(ui::mb::Yes, "¿Desea borrar los movimientos?").answer(ui::mb::Ok, bloqueo);
         ui::op::click(ventana.CmdVaciar);
       },
       "Los movimientos no se borraron."},
  };
  for (const auto& accion : acciones) {
    SCOPED_TRACE(accion.name);
    QFile::remove(traza);
    if (servicio.State() != ado::adStateClosed) servicio.Close();
    servicio.Open("DRIVER=SQLite3;Database=" + path + ";Tracefile=" + traza + ";");
    accion.act();
    EXPECT_TRUE(host.boxes().back().prompt.endsWith("\r\n\r\n" + accion.noSeHizo))
        << host.boxes().back().prompt.toStdString();
    servicio.Close();
    const QStringList sentencias = preparadas();
    ASSERT_EQ(sentencias.size(), 2) << sentencias.join(" / ").toStdString();
    EXPECT_EQ(sentencias[0].trimmed(), importacion::sql::TomaBloqueoServidor(false));
    EXPECT_EQ(sentencias[1].trimmed(), importacion::sql::LiberaBloqueoServidor(false));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM MV_ASIENTOS").toLong(), lineas);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM AUX_ERR").toLong(), 0);
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
