// A run the database itself fails (another program's lock past the TimeOut,
// a disk that fills): whichever statement meets it, one box names the
// cause and offers to write the same record again; otherwise the run stops
// there, the label says where, the record is neither counted nor recorded,
// and the next run completes the import. While the run waits for the other
// program, a notice says so and the operator may end the wait, which
// cancels the run.
#include <gtest/gtest.h>

#include <cerrno>
#include <functional>
#include <optional>

#include "ImportRun.h"
#include "data_access/DataAccessState.h"
#include "import/FalloDeLaBase.h"
#include "platform/runtime/FileErrors.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Operator.h"
#include "support/BusyWriter.h"
#include "support/FullDisk.h"
#include "support/Printers.h"
#include "support/SuiteDatabase.h"

namespace {

using testing_support::BusyWriter;

const QString kFinalizado = QStringLiteral("Proceso Finalizado");

class RunStops : public testing_support::ImportRun {
 protected:
  // A new script, still failing the test on what it did not foresee.
  void freshHost() {
    host = ui::ScriptedHost();
    host.setFailureHandler([](const QString& what) { ADD_FAILURE() << what.toStdString(); });
  }
  // The source holds `n` records, the database none of a run yet.
  void startAfresh(Tabla tabla, int n) {
    for (const char* tabla : {"V_MV_CPTE", "MV_ASIENTOS", "ma_calendario", "MA_CUENTASADIC", "AUX_CLIENTES_IMPORTADOS"})
      exec(QStringLiteral("DELETE FROM ") + tabla);
    exec("DELETE FROM MA_CUENTAS WHERE CODIGO <> '511'");
    if (tabla == Facturacion) writeVouchers(n);
    else writeCustomers(n);
    freshHost();
  }
  void writeCustomers(int n) {
    std::vector<testing_support::TxcliRecord> records(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
      records[size_t(i)].Codigo = int32_t(i + 1);
      records[size_t(i)].Razon = QStringLiteral("Cliente %1").arg(i + 1);
    }
    writeTxcli(records);
  }
  // The records the run wrote: vouchers, or customers' accounts.
  long written(Tabla tabla) {
    return scalar(tabla == Facturacion ? "SELECT COUNT(*) FROM V_MV_CPTE" : "SELECT COUNT(*) FROM MA_CUENTASADIC")
        .toLong();
  }
  static const char* file(Tabla tabla) { return tabla == Facturacion ? "TXFAC.DBF" : "TXCLI.DBF"; }
  // The yield at the end of the second record: the invoice import yields
  // between a voucher's lines (after its calendar day, before its batch)
  // and around its move to the next record, the customer import around the
  // move.
  static int afterTheSecondRecord(Tabla tabla) { return tabla == Facturacion ? 6 : 4; }
  void run(Tabla tabla) {
    if (tabla == Clientes && ventana.chkTabla(Facturacion).Value() != 0) ui::op::click(ventana.chkTabla(Facturacion));
    importa(tabla);
  }
  void reconnect() {
    data_access::gDB().gCnn.Close();
    connectAs("operador");
  }
  // The run stopped at the record `registro` of `total`: the ones before it
  // written and counted, nothing recorded as rejected.
  void expectStoppedAt(Tabla tabla, long registro, long total) {
    const QString etiqueta = ventana.LblDetalle.Caption();
    EXPECT_TRUE(etiqueta.startsWith(QStringLiteral("Leidos %1 de %2 Grabados:%1 Errores: 0").arg(registro - 1).arg(total)))
        << etiqueta.toStdString();
    EXPECT_TRUE(etiqueta.endsWith(QStringLiteral(" ---> DETENIDO en el registro %1 ").arg(registro)))
        << etiqueta.toStdString();
    EXPECT_EQ(written(tabla), registro - 1);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM AUX_ERR").toLong(), 0);
    EXPECT_TRUE(ventana.cmdImportar.Enabled());
  }
  // Importing again writes the rest, each record once, without a box.
  void expectAReRunCompletes(Tabla tabla, long total) {
    freshHost();
    if (tabla == Clientes) host.answer(ui::mb::Ok, kFinalizado);
    run(tabla);
    EXPECT_EQ(host.boxes().size(), tabla == Clientes ? 1u : 0u);
    EXPECT_EQ(written(tabla), total);
    if (tabla == Facturacion) expectEachVoucherOnce(total);
  }
};

const QString kConsecuencia =
    QStringLiteral("La importación se detuvo en el registro 3 de %1, que no se grabó.\r\n\r\nReintentar lo graba otra "
                   "vez; Cancelar termina la importación, y al importar de nuevo se graba lo que falta.");

// Another program starts writing during a run and goes on past the
// TimeOut: a notice while the run waits, then one box with the cause. The
// operator gives up: the run stops at the third record, which is not
// counted; the next run writes the rest. Or he retries once the other
// program is done: the same record is written and the run goes on.
TEST_F(RunStops, AnotherProgramWritingPastTheTimeOutStopsTheRunAfterOneBox) {
  // Where the other program starts, and so which statement meets it.
  const struct {
    Tabla tabla;
    int yield;
    const char* meets;
  } cases[] = {
      {Facturacion, afterTheSecondRecord(Facturacion), "the calendar day"},
      {Facturacion, afterTheSecondRecord(Facturacion) + 1, "the voucher's batch"},
      {Clientes, afterTheSecondRecord(Clientes), "the customer's rows"},
  };
  for (const auto& c : cases) {
    const Tabla tabla = c.tabla;
    for (int respuesta : {ui::mb::Cancel, ui::mb::Retry}) {
      SCOPED_TRACE(QStringLiteral("%1 %2").arg(c.meets).arg(respuesta).toStdString());
      startAfresh(tabla, 10);
      data_access::gDB().gCnn.setCommandTimeout(3);
      std::optional<BusyWriter> otro;
      host.atYield(c.yield, [&] { otro.emplace(path, BusyWriter::Release::Never); });
      const QString caja =
          "Otro programa está grabando en la base de datos: no terminó en los 3 segundos de espera.\r\n\r\n" +
          kConsecuencia.arg(file(tabla));
      host.answer(respuesta, caja, [&] {
        if (respuesta == ui::mb::Retry) otro.reset();
      });
      if (tabla == Clientes) host.answer(ui::mb::Ok, kFinalizado);
      run(tabla);
      ASSERT_EQ(host.boxes().size(), tabla == Clientes ? 2u : 1u);
      EXPECT_EQ(host.boxes()[0].prompt, caja);
      EXPECT_EQ(host.boxes()[0].buttons, ui::mb::RetryCancel | ui::mb::Exclamation);
      EXPECT_EQ(host.waitNotices(),
                std::vector<QString>{"Otro programa está grabando en la base de datos: este programa espera a que "
                                     "termine para seguir.\r\n\r\nEsperando: 1 de 3 segundos."});
      EXPECT_EQ(scalar("SELECT COUNT(*) FROM AUX_ERR").toLong(), 0);
      if (respuesta == ui::mb::Retry) {
        EXPECT_TRUE(ventana.LblDetalle.Caption().startsWith("Leidos 10 de 10 Grabados:10 Errores: 0"))
            << ventana.LblDetalle.Caption().toStdString();
        EXPECT_EQ(written(tabla), 10);
        continue;
      }
      expectStoppedAt(tabla, 3, 10);
      otro.reset();
      expectAReRunCompletes(tabla, 10);
    }
  }
}

// The operator ends the wait for the other program, with the notice's
// button, Cancelar or the window's close box: the run ends as cancelled at
// once, the record in hand neither counted nor recorded, without a box.
TEST_F(RunStops, AWaitTheOperatorEndsCancelsTheRun) {
  const struct {
    const char* name;
    std::function<void()> end;
  } ways[] = {
      {"notice", [this] { host.endWait(); }},
      {"Cancelar", [this] { ui::op::click(ventana.CmdCancelar); }},
      {"close box",
       [this] {
         int cancel = 0;
         ventana.Form_QueryUnload(cancel, ui::unload::ControlMenu);
       }},
  };
  for (Tabla tabla : {Facturacion, Clientes}) {
    for (const auto& way : ways) {
      SCOPED_TRACE(QStringLiteral("%1 %2").arg(file(tabla), way.name).toStdString());
      startAfresh(tabla, 10);
      data_access::gDB().gCnn.setCommandTimeout(60);
      std::optional<BusyWriter> otro;
      host.atYield(afterTheSecondRecord(tabla), [&] { otro.emplace(path, BusyWriter::Release::Never); });
      host.atEveryYield([&] {
        if (host.waitNoticeShown()) way.end();
      });
      if (tabla == Clientes) host.answer(ui::mb::Ok, kFinalizado);
      run(tabla);
      ASSERT_TRUE(otro);
      EXPECT_LT(otro->waitedMicroseconds(), 2'000'000);
      otro.reset();
      EXPECT_EQ(host.boxes().size(), tabla == Clientes ? 1u : 0u);
      EXPECT_EQ(host.waitNotices().size(), 1u);
      EXPECT_EQ(scalar("SELECT COUNT(*) FROM AUX_ERR").toLong(), 0);
      EXPECT_EQ(written(tabla), 2);
      EXPECT_TRUE(ventana.LblDetalle.Caption().startsWith("Leidos 2 de 10 Grabados:2 Errores: 0"))
          << ventana.LblDetalle.Caption().toStdString();
      if (tabla == Facturacion) {
        EXPECT_TRUE(ventana.LblDetalle.Caption().endsWith(" ---> CANCELADO "));
        EXPECT_EQ(ventana.lblTabla.Caption(), " ---> CANCELADO ");
      }
      EXPECT_TRUE(ventana.cmdImportar.Enabled());
      expectAReRunCompletes(tabla, 10);
    }
  }
}

// The disk fills during a run: one box with the system's reason, the run
// stops; once there is room again the next run completes the import.
TEST_F(RunStops, ADiskThatFillsStopsTheRunAfterOneBox) {
  for (Tabla tabla : {Facturacion, Clientes}) {
    SCOPED_TRACE(file(tabla));
    startAfresh(tabla, 400);
    {
      testing_support::FullDisk disco(path, 6);
      reconnect();
      host.answer(ui::mb::Cancel, "No se pudo grabar en la base de datos: Error de lectura o escritura en la base de "
                                  "datos \"" + path + "\": " + rt::SystemErrorText(ENOSPC));
      if (tabla == Clientes) host.answer(ui::mb::Ok, kFinalizado);
      run(tabla);
    }
    ASSERT_EQ(host.boxes().size(), tabla == Clientes ? 2u : 1u);
    const long antes = written(tabla);
    EXPECT_GT(antes, 0);
    EXPECT_LT(antes, 400);
    EXPECT_TRUE(host.boxes()[0].prompt.contains(
        QStringLiteral("La importación se detuvo en el registro %1 de %2, que no se grabó.").arg(antes + 1).arg(file(tabla))))
        << host.boxes()[0].prompt.toStdString();
    expectStoppedAt(tabla, antes + 1, 400);
    reconnect();
    expectAReRunCompletes(tabla, 400);
  }
}

// After a lost link to a server the box offers no retry: the run's lock
// was the lost session's. (The SQLite ODBC driver stands for the server;
// the embedded database reports its file's failures in the link's class
// too, and offers them again.)
TEST_F(RunStops, ALostLinkToAServerOffersNoRetry) {
  const ado::Error perdida{ado::errnum::E_FAIL, "Se perdió el enlace de comunicación.", "ODBC", "08S01", 0};
  host.answer(ui::mb::Retry, "No se pudo grabar en la base de datos: Se perdió el enlace de comunicación.");
  EXPECT_TRUE(importacion::ReintentaTrasFallo(perdida, "TXFAC.DBF", 7));
  EXPECT_EQ(host.boxes().back().buttons, ui::mb::RetryCancel | ui::mb::Exclamation);

  ado::Connection& servicio = data_access::gDB().gCnn;
  servicio.Close();
  servicio.Open("DRIVER=SQLite3;Database=" + path + ";");
  host.answer(ui::mb::Ok, "Se perdió la conexión con la base de datos: Se perdió el enlace de comunicación.");
  EXPECT_FALSE(importacion::ReintentaTrasFallo(perdida, "TXFAC.DBF", 7));
  EXPECT_EQ(host.boxes().back().buttons, ui::mb::OkOnly | ui::mb::Critical);
  EXPECT_TRUE(host.boxes().back().prompt.contains("La importación se detuvo en el registro 7 de TXFAC.DBF, que no se grabó."))
      << host.boxes().back().prompt.toStdString();
}

}  // namespace
