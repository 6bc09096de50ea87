// Lookups: existence of a row, one column of a keyed row, extreme values.
#include "data_access/AdoTypeCode.h"
#include "data_access/DB_Dll.h"
#include "data_access/DataAccessState.h"
#include "data_access/LookupSql.h"
#include "platform/runtime/StepRunner.h"
#include "platform/ui/Host.h"
#include "platform/ui/MessageBox.h"

namespace data_access {

namespace {

// The lookups' own error box (not the logged error dialog).
int lookupErrorBox(const rt::Error& e) {
  return ui::MsgBox(e.Description(), ui::mb::AbortRetryIgnore | ui::mb::Critical, QStringLiteral("Aviso al Operador"));
}

// Opens a lookup, in a recordset of its own or in the caller's, and tells
// whether it found a row.
bool openLookup(const QString& text, ado::Connection& cnn, ado::Recordset* Lrcs, bool SoloLectura,
                rt::StepRunner& steps) {
  bool found = false;
  if (!Lrcs) {
    ado::Recordset rs;
    if (!steps.run([&] { rs.Open(text, cnn, ado::adOpenForwardOnly, ado::adLockReadOnly, -1); })) return found;
    if (!steps.run([&] { found = !rs.BOF(); })) return found;
    steps.run([&] { rs.Close(); });
    return found;
  }
  if (!steps.run([&] {
        if (Lrcs->State() != ado::adStateClosed) Lrcs->Close();
      }))
    return found;
  if (!steps.run([&] {
        if (SoloLectura)
          Lrcs->Open(text, cnn, ado::adOpenForwardOnly, ado::adLockReadOnly);
        else
          Lrcs->Open(text, cnn, Lrcs->CursorType(), Lrcs->LockType());
      }))
    return found;
  steps.run([&] { found = !Lrcs->BOF(); });
  return found;
}

// A number read back from a column: numbers as they are, texts by their
// number.
double numberOfValue(const rt::Variant& v) {
  if (v.isString() || v.isDate()) return sql::NumberOf(v.toString());
  return v.toDouble();
}

// The one value of an aggregate, Empty when there is no row.
rt::Variant readAggregate(ado::Connection& cnn, const QString& text, const QString& column, bool asRead) {
  ado::Recordset rs;
  rs.Open(text, cnn, ado::adOpenForwardOnly, ado::adLockReadOnly, -1);
  rt::Variant result;
  if (!rs.BOF()) {
    rs.MoveFirst();
    rt::Variant value = suite::Utilidades().ValorCampo(rs.Fields(column).Value());
    result = asRead ? value : rt::Variant(numberOfValue(value));
  }
  rs.Close();
  return result;
}

}  // namespace

rt::Variant DB_Dll::BuscaMaximo(const QString& QueTabla, const QString& QueCampo, const rt::Variant& Tipo,
                                const std::optional<QString>& Condicion) {
  return readAggregate(gCnn, ORACLE_Dicc(sql::BuscaMaximo(QueTabla, QueCampo, Condicion)), QStringLiteral("MAYOR"),
                       EsTipoAdo(Tipo, {7}));
}

rt::Variant DB_Dll::BuscaMinimo(const QString& QueTabla, const QString& QueCampo, const rt::Variant&,
                                const std::optional<QString>& Condicion) {
  return readAggregate(gCnn, ORACLE_Dicc(sql::BuscaMinimo(QueTabla, QueCampo, Condicion)), QStringLiteral("MENOR"), false);
}

rt::Variant DB_Dll::BuscaUltimoCodigo(const QString& QueTabla, const QString& QueCampo, const rt::Variant&,
                                      const QString& Condicion) {
  return readAggregate(gCnn, ORACLE_Dicc(sql::BuscaUltimoCodigo(QueTabla, QueCampo, Condicion)), QStringLiteral("MAYOR"),
                       false);
}

bool DB_Dll::ExisteEnTablaST(const QString& Tabla, const QString& ValorBuscado, const QString& Campo,
                             ado::Recordset* Lrcs, const rt::Variant& Tipodato, const QString& Condicion,
                             bool SoloLectura) {
  rt::StepRunner steps(lookupErrorBox);
  // On the connection it reads, in that connection's dialect.
  QString text = gDB().ORACLE_Dicc(sql::ExisteEnTablaST(Tabla, ValorBuscado, Campo, Tipodato, Condicion));
  return openLookup(text, gDB().gCnn, Lrcs, SoloLectura, steps);
}

bool DB_Dll::ExisteEnTabla(const QString& Tabla, const QString& ValorBuscado, const QString& Campo,
                           ado::Recordset* Lrcs, const rt::Variant& Tipodato, const QString& Condicion,
                           bool SoloLectura) {
  rt::StepRunner steps(lookupErrorBox);
  QString text;
  if (!steps.run([&] {
        text = ORACLE_Dicc(SS_TSinonimos(sql::ExisteEnTabla(Tabla, ValorBuscado, Campo, Tipodato, Condicion)));
      }))
    return false;
  return openLookup(text, gCnn, Lrcs, SoloLectura, steps);
}

rt::Variant DB_Dll::DatosTabla(const QString& Tabla, const QString& ValorBuscado, const QString& CampoDevuelto,
                               const QString& Campo, const rt::Variant& Tipodato, const QString& Condicion, bool UsaTrim,
                               bool IgnoraError) {
  rt::Variant result;
  rt::StepRunner steps([&](const rt::Error& e) {
    if (!IgnoraError) return lookupErrorBox(e);
    result = QString();
    return rt::answer::Abort;
  });
  ado::Recordset rs;
  if (!steps.run([&] { AbrirRecordset(sql::DatosTabla(Tabla, ValorBuscado, Campo, Tipodato, Condicion, UsaTrim), rs); }))
    return result;
  if (!gOpenFlag) return rt::Variant();
  if (!steps.run([&] {
        result = rs.BOF() ? QString() : utilidades_.ValorCampo(rs.Fields(CampoDevuelto).Value()).toString();
      }))
    return result;
  steps.run([&] { rs.Close(); });
  return result;
}

void DB_Dll::QConsulta(const QString&, double, const QString&, const QString&, const QString&, const rt::Variant&) {}

void DB_Dll::QGridConsulta(const QString&, const QString&, const QString&, const rt::Variant&, const rt::Variant&) {}

}  // namespace data_access
