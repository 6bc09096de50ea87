#include "core/Batch.h"

#include <QStringBuilder>

#include "core/Formatting.h"
#include "data_access/BaseOcupada.h"
#include "data_access/DataAccessState.h"
#include "data_access/ErrorLog.h"
#include "platform/ado/Error.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/Environment.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/Host.h"
#include "platform/ui/MessageBox.h"

namespace core {

namespace {

const QChar CR(13);

// A statement's own failure is read from the Errors collection; anything it
// raises besides is of no further use. The statement comes back as it ran
// (markers removed, synonyms applied).
void runIgnoringErrors(QString& sql) {
  try {
    data_access::gDB().EjecutaConsultaSQL(sql);
  } catch (const rt::Error&) {
  }
}
void runIgnoringErrors(const QString& sql) {
  QString statement = sql;
  runIgnoringErrors(statement);
}

// What an AUX_ERR row would have said, in the error log instead: `porque`
// the row was not written there, then its text and its script.
void registraEnElLog(const QString& rutina, const QString& porque, const QString& texto, const QString& script) {
  data_access::LogError(data_access::gDB().gLogErr, rutina,
                        porque + QStringLiteral(": ") + texto.simplified() + QStringLiteral(" | ") + script.simplified(),
                        0);
}

// A failed batch goes to AUX_ERR; one the database itself failed (another
// program's lock past the wait, a full disk, a wait the operator ended) goes
// to the error log instead, as writing the row would meet the same failure.
void registraLoteFallido(const QString& script, const ado::Error& primero, const QString& texto) {
  if (!ado::IsDatabaseFailure(primero)) {
    EscribeErrorAux(script, rt::ExecutableName(), primero.NativeError, texto);
    return;
  }
  const QString porque = primero.NativeError == data_access::kEsperaDeBloqueoAgotada
                             ? QStringLiteral("Otro programa está grabando en la base de datos")
                             : primero.Description;
  registraEnElLog(QStringLiteral(" - GActualizarDatoScript"), porque + QStringLiteral("; el lote no se grabó en AUX_ERR"),
                  texto, script);
}

}  // namespace

QString TextoErroresLote(const ado::Errors& errores) {
  QString texto;
  const int listed = errores.Count() == 1 ? 1 : errores.Count() - 1;
  for (int i = 0; i < listed; ++i) {
    const ado::Error& e = errores[i];
    texto += QString::number(e.NativeError != 0 ? e.NativeError : e.Number) + QStringLiteral(" : ") + e.Description + CR +
             QChar(10);
  }
  return texto;
}

void MuestraErroresLote(const QString& Texto) {
  ui::MsgBox(Texto, ui::mb::Critical | ui::mb::OkOnly, QStringLiteral("Aviso al Operador!"));
}

void GActualizarDatoScript(const std::vector<QString>& ListaDeSentencias, bool& lHayError, long& CodError,
                           bool IgnorarDuplicado, bool IgnorarForeingKey, QString& Script, QString& ErrDesc,
                           bool MuestraMensaje, ado::Error* PrimerError) {
  data_access::DB_Dll& db = data_access::gDB();
  rt::StepRunner steps([](const rt::Error& e) {
    return suite::gUtilidades().DialogoError(e, QStringLiteral("GActualizarDatoScript"));
  });
  lHayError = false;
  QString unidas;
  if (!steps.run([&] {
        qsizetype size = 0;
        for (const QString& sentencia : ListaDeSentencias) size += 1 + sentencia.size();
        unidas.reserve(size);
        for (const QString& sentencia : ListaDeSentencias)
          if (!rt::Trim(sentencia).isEmpty()) unidas.append(CR).append(sentencia);
      }))
    return;
  if (rt::Trim(unidas).isEmpty()) return;
  if (!steps.run([&] { Script = QStringLiteral("BEGIN TRANSACTION ") % CR % CR % unidas % CR; })) return;

  // Entries left by an earlier statement must not fail this batch.
  if (!steps.run([&] { db.gCnn.Errors().Clear(); })) return;
  // The caller and the error table get the script as it ran.
  runIgnoringErrors(Script);

  long codigo = 0;
  QString texto;
  ado::Error primero;
  // The failure the Errors collection holds, if any, becomes the batch's.
  const auto leeErrores = [&] {
    return steps.run([&] {
      ado::Errors& errores = db.gCnn.Errors();
      if (errores.Count() == 0) return;
      primero = errores[0];
      codigo = primero.NativeError;
      lHayError = true;
      texto = TextoErroresLote(errores);
      ErrDesc = texto;
      if ((IgnorarDuplicado && codigo == 2627) || (IgnorarForeingKey && codigo == 547)) {
        ErrDesc = errores[0].Description;
        texto = QString();
      }
      errores.Clear();
    });
  };
  if (!leeErrores()) return;
  if (!lHayError) {
    if (!steps.run([&] { db.EjecutaConsultaSQL(QStringLiteral("COMMIT TRANSACTION")); })) return;
    // A commit that failed wrote nothing, and leaves the transaction open.
    if (!leeErrores()) return;
  }

  if (lHayError) {
    runIgnoringErrors(QStringLiteral("ROLLBACK TRANSACTION"));
    if (PrimerError) *PrimerError = primero;
    if (!steps.run([&] {
          registraLoteFallido(Script, primero, texto);
          if (!rt::Trim(texto).isEmpty() && MuestraMensaje && !ado::IsDatabaseFailure(primero))
            MuestraErroresLote(texto);
        }))
      return;
  }
  CodError = codigo;
}

void EscribeErrorAux(const QString& Script, const QString& Proceso, long CodError, const QString& TextoError) {
  Q_UNUSED(Proceso);  // the row names the running program in every case
  data_access::DB_Dll& db = data_access::gDB();
  suite::Utilidades& u = suite::gUtilidades();
  rt::StepRunner steps([](const rt::Error&) { return rt::answer::Ignore; });
  ado::Recordset rs;
  steps.run([&] {
    db.AbrirRecordset(QStringLiteral("select  top 1 * from AUX_ERR  with(nolock) "), rs, nullptr, ado::adOpenDynamic,
                      ado::adLockOptimistic, -1, true);
  });
  steps.run([&] { rs.AddNew(); });
  steps.run([&] { rs.Fields(QStringLiteral("Proceso")) = rt::ExecutableName(); });
  steps.run([&] { rs.Fields(QStringLiteral("Fecha")) = rt::FormatDate(rt::Now(), FormatoFechaHora()); });
  steps.run([&] { rs.Fields(QStringLiteral("Error")) = rt::Variant(static_cast<int32_t>(CodError)); });
  steps.run([&] { rs.Fields(QStringLiteral("Descripcion")) = u.LimitaTexto(TextoError, 250); });
  steps.run([&] { rs.Fields(QStringLiteral("SQL")) = Script; });
  steps.run([&] { rs.Fields(QStringLiteral("PC")) = suite::gInfoSistema().NombrePC(); });
  steps.run([&] { rs.Fields(QStringLiteral("Usuario")) = db.gUsuario; });
  // A row the table did not take (another program writing past the wait, a
  // full disk) is not lost: the error log keeps it.
  if (!steps.done([&] { rs.Update(); }))
    registraEnElLog(QStringLiteral(" - EscribeErrorAux"),
                    QStringLiteral("No se pudo grabar en AUX_ERR (") + steps.lastIgnored() + u')', TextoError, Script);
  steps.run([&] { db.CierraRecordset(rs); });
}

}  // namespace core
