// Statements and recordsets: what reaches the database and which of its
// errors the operator sees.
#include <algorithm>

#include "data_access/DB_Dll.h"
#include "data_access/DataAccessState.h"
#include "data_access/Synonyms.h"
#include "platform/ado/ConnectionString.h"
#include "platform/ado/Constants.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Host.h"
#include "platform/ui/MessageBox.h"

namespace data_access {

namespace {

bool holds(const QString& s, const char* what) { return rt::InStr(s, QString::fromLatin1(what), rt::Compare::Text) > 0; }

// Truncation warning (8152) of a statement outside a transaction script:
// nothing the caller needs to see.
bool isTruncationWarning(const ado::Errors& errors, const QString& statement) {
  return errors.Count() > 0 && !holds(statement, "TRANS") && errors.all().front().NativeError == 8152;
}

// Errors a caller inspects in the Errors collection instead of being told.
bool isSilentError(long number) {
  return number == ado::errnum::E_FAIL || number == ado::errnum::Integrity || number == ado::errnum::MissingTable ||
         number == ado::errnum::CommandText;
}

}  // namespace

void DB_Dll::EjecutaConsultaSQL(QString& SentenciaSQL, long* RecordsAffected, ado::Recordset* Lrcs,
                                bool AvisaFalloDeLaBase) {
  try {
    if (!(holds(SentenciaSQL, "DROP") && holds(SentenciaSQL, "CREATE")) || holds(SentenciaSQL, "@ADMIN_"))
      SentenciaSQL = WithoutAdminMarker(SentenciaSQL);
    else if (!holds(SentenciaSQL, "DELETE"))
      SentenciaSQL = SS_TSinonimos(SentenciaSQL);

    if (ado::NamesOracle(gCnn.ConnectionString())) {
      // The runner consumes its script; the caller keeps the statement.
      QString script = SentenciaSQL;
      long local = 0;
      EjecutaScriptOracle(script, RecordsAffected ? *RecordsAffected : local);
    } else {
      ado::Recordset rows = gCnn.Execute(SentenciaSQL, RecordsAffected, -1);
      if (Lrcs) *Lrcs = std::move(rows);
    }

    ado::Errors& errors = gDB().gCnn.Errors();
    if (errors.Count() <= 2 && isTruncationWarning(errors, SentenciaSQL)) errors.Clear();
  } catch (const rt::Error& e) {
    ado::Errors& errors = gDB().gCnn.Errors();
    if (isTruncationWarning(errors, SentenciaSQL)) {
      errors.Clear();
      return;
    }
    const bool falloDeLaBase = errors.Count() > 0 && ado::IsDatabaseFailure(errors[0]);
    if (!isSilentError(e.Number()) && !holds(SentenciaSQL, "TRANS") && (AvisaFalloDeLaBase || !falloDeLaBase)) {
      ui::MsgBox(e.Description(), ui::mb::Critical | ui::mb::OkOnly, QStringLiteral("Aviso al operador!!!"));
      return;
    }
    // Callers learn of a failure they were not shown from the Errors
    // collection alone; one the provider left no entry for (a closed
    // connection) is entered here, or a transaction script would pass for
    // committed.
    if (gCnn.Errors().Count() == 0) gCnn.Errors().Add({e.Number(), e.Description(), e.Source(), QString(), 0});
  }
}

void DB_Dll::EjecutaConsultaSQL(const QString& SentenciaSQL, long* RecordsAffected, ado::Recordset* Lrcs,
                                bool AvisaFalloDeLaBase) {
  QString statement = SentenciaSQL;
  EjecutaConsultaSQL(statement, RecordsAffected, Lrcs, AvisaFalloDeLaBase);
}

void DB_Dll::AbrirRecordset(QString& SentenciaSQL, ado::Recordset& Lrcs, ado::Connection* Conexionactiva,
                            int CursorType, int LockType, long Options, bool ConvOracle) {
  ado::Connection& cnn = Conexionactiva ? *Conexionactiva : gCnn;
  // The entries of gCnn.Errors() before the open: only entries the failure
  // itself left there tell whether the link is lost.
  unsigned long long entriesBefore = gCnn.Errors().version();
  // A lost link of the service's own connection is opened again, up to
  // twice per failure; once that has worked, a failure of the same open is
  // not the connection's and goes to the dialog. Never inside a transaction:
  // reopening would close it, and what it wrote would be gone unnoticed.
  const auto linkLost = [&](const rt::Error& e) {
    if (e.Number() != ado::errnum::E_FAIL && e.Number() != ado::errnum::ConnectionUnusable) return false;
    if (&cnn != &gCnn || gCnn.Errors().version() == entriesBefore) return false;
    const std::vector<ado::Error>& entries = gCnn.Errors().all();
    return std::any_of(entries.begin(), entries.end(), ado::IsConnectionFailure) && !gCnn.InTransaction();
  };
  bool reconnected = false;
  rt::StepRunner steps([&](const rt::Error& e) {
    if (!reconnected && linkLost(e)) {
      for (int attempt = 0; attempt < 2 && !reconnected; ++attempt) {
        ReintentaConectar();
        reconnected = gOpenFlag;
      }
      if (reconnected) return rt::answer::Retry;
    }
    return utilidades_.DialogoError(e, QStringLiteral("AbrirRecordset"));
  });

  QString source;
  if (!steps.run([&] { CierraRecordset(Lrcs); })) return;
  if (!steps.run([&] { SentenciaSQL = SS_TSinonimos(SentenciaSQL); })) return;
  if (!steps.run([&] {
        source = SentenciaSQL;
        if (ConvOracle && ado::NamesOracle(gCnn.ConnectionString())) source = ORACLE_Dicc(source);
      }))
    return;
  steps.run([&] {
    entriesBefore = gCnn.Errors().version();
    Lrcs.Open(source, cnn, CursorType, LockType, Options);
  });
}

void DB_Dll::AbrirRecordset(const QString& SentenciaSQL, ado::Recordset& Lrcs, ado::Connection* Conexionactiva,
                            int CursorType, int LockType, long Options, bool ConvOracle) {
  QString statement = SentenciaSQL;
  AbrirRecordset(statement, Lrcs, Conexionactiva, CursorType, LockType, Options, ConvOracle);
}

void DB_Dll::CierraRecordset(ado::Recordset& LrcsTemp) {
  bool pendingEdit = false;
  rt::StepRunner steps([&](const rt::Error& e) {
    if (e.Number() == ado::errnum::NotAllowedInContext) {
      pendingEdit = true;
      return rt::answer::Abort;
    }
    return utilidades_.DialogoError(e, QStringLiteral("CierraRecordset"));
  });
  steps.run([&] {
    if (LrcsTemp.State() != ado::adStateClosed) LrcsTemp.Close();
  });
  if (!pendingEdit) return;
  // A pending edit is given up, then the recordset closed; nothing more is
  // reported.
  try {
    LrcsTemp.CancelUpdate();
  } catch (const rt::Error&) {
  }
  try {
    if (LrcsTemp.State() != ado::adStateClosed) LrcsTemp.Close();
  } catch (const rt::Error&) {
  }
}

}  // namespace data_access
