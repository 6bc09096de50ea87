#pragma once
// What one import run, or one deletion of the entry lines ("Borrar
// Movimientos"), holds on the suite database it writes into, from before
// its first write to its end:
//  - the database takes writes: a run on a read-only database, or on one
//    another program goes on writing to past the time-out, is refused with
//    one message naming the cause before it writes anything, instead of
//    failing record after record;
//  - no other run or deletion (of this or another instance of the program,
//    on this or another computer) writes into the same database meanwhile:
//    a second one is refused and told which run or deletion holds the
//    database, so that two runs never check and write the same vouchers at
//    once, and no deletion takes the entry lines of a run's vouchers;
//  - what the run wrote is on disk before its end text appears.
//
// Embedded database: the lock is an exclusive lock on the file
// "<database file>-importacion" beside the database, which also tells who
// holds it in "clave=valor" lines (tabla, usuario, equipo, proceso, inicio,
// which an earlier build reads too, and operacion: importacion or borrado;
// an earlier build's file has no operacion and is an import); the system
// releases it when the process ends, killed or not, so a dead run never
// blocks the next one. The file stays, empty, between runs.
// The end is a checkpoint (CHECKPOINT), which syncs what the run committed.
//
// Server database: the lock is the session's, which the server releases
// when the session ends: on SQL Server the application lock
// 'importar_tavernix' (sp_getapplock), whose holder is read from the
// server's lock and session views when the login may see them; on Oracle
// the user lock 7148 (DBMS_LOCK, which the login needs the right to run).
// Which of the two, a run or a deletion, holds it the server does not say.
// A lock statement that failed otherwise than refused may still have taken
// the lock (a time-out after the server granted it), which the session would
// keep as long as the program runs: its release is sent at once, and fails
// harmlessly when nothing is held. A server makes every commit durable when
// it reports it, so the end asks nothing.
#include <QString>
#include <memory>
#include <optional>

namespace importacion {

class CorridaExclusiva {
 public:
  enum class Operacion { Importacion, Borrado };

  // The hold of a run importing `Tabla` (the file named to a refused run);
  // nullptr, with the operator's message in `Rechazo`, when the run may not
  // start (an empty message when the operator ended its wait for another
  // program: nothing to tell).
  static std::unique_ptr<CorridaExclusiva> Inicia(const QString& Tabla, QString& Rechazo);
  // The same for a deletion of the entry lines.
  static std::unique_ptr<CorridaExclusiva> IniciaBorrado(QString& Rechazo);
  ~CorridaExclusiva();
  CorridaExclusiva(const CorridaExclusiva&) = delete;
  CorridaExclusiva& operator=(const CorridaExclusiva&) = delete;

  // Makes sure that what the run committed is on disk; the reason when it
  // could not.
  std::optional<QString> AseguraEnDisco();

 private:
  CorridaExclusiva() = default;
  static std::unique_ptr<CorridaExclusiva> inicia(Operacion operacion, const QString& tabla, QString& rechazo);
  // Embedded database: the lock file's descriptor; -1 on a server.
  int bloqueo_ = -1;
  // Server database: the session's lock is held; Oracle's or SQL Server's.
  bool servidor_ = false;
  bool oracle_ = false;
};

// Releases the session's lock of a run on a server database (Oracle's or
// SQL Server's). A release that fails leaves no error entry behind for a
// later statement to take for its own; the server frees the lock with the
// session anyway.
void SueltaBloqueoServidor(bool Oracle);

}  // namespace importacion
