#include "import/EntryChecks.h"

#include <optional>

#include "data_access/DataAccessState.h"
#include "import/ImportSql.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/Host.h"
#include "platform/ui/MessageBox.h"

namespace importacion {

using data_access::gDB;

int32_t ObtieneNroAsiento(int Mes, int Periodo, const QString& TipoReg) {
  int32_t numero = 0;
  rt::StepRunner steps([](const rt::Error& e) {
    return gDB().TratamientoErrores(e, std::nullopt, QStringLiteral("ObtieneNroAsiento"));
  });
  ado::Recordset rs;
  if (!steps.run([&] { gDB().AbrirRecordset(sql::ObtieneNroAsiento(Mes, Periodo, TipoReg), rs); })) return numero;
  if (!steps.run([&] {
        const rt::Variant mayor = rs.BOF() ? rt::Variant::null() : rs.Fields(QStringLiteral("NRO_ASIENTO")).Value();
        numero = mayor.isNull() ? 1 : mayor.toLong() + 1;
      }))
    return numero;
  steps.run([&] { gDB().CierraRecordset(rs); });
  return numero;
}

bool ExisteComprobante(const QString& TC, const QString& IdComprobante, ado::Recordset* Lrcs) {
  bool existe = false;
  rt::StepRunner steps([](const rt::Error& e) {
    return ui::MsgBox(e.Description(), ui::mb::AbortRetryIgnore | ui::mb::Critical, QStringLiteral("Aviso al Operador"));
  });
  ado::Recordset own;
  ado::Recordset& rs = Lrcs ? *Lrcs : own;
  if (!steps.run([&] {
        if (rs.State() != ado::adStateClosed) rs.Close();
      }))
    return existe;
  // Straight on the connection, the header table having no per-user twin;
  // in the connection's dialect.
  if (!steps.run([&] {
        rs.Open(gDB().ORACLE_Dicc(sql::ExisteComprobante(TC, IdComprobante)), gDB().gCnn, ado::adOpenForwardOnly,
                ado::adLockReadOnly);
      }))
    return existe;
  if (!steps.run([&] { existe = !rs.BOF(); })) return existe;
  if (!Lrcs) steps.run([&] { rs.Close(); });
  return existe;
}

namespace {

// The current row's date, account and amount: the entry line and the header
// name them alike.
ComprobanteGuardado guardado(ado::Recordset& rs) {
  const rt::Variant fecha = rs.Fields(QStringLiteral("Fecha")).Value();
  return ComprobanteGuardado{fecha.isDate() ? fecha.toDate() : QDateTime(),
                             rs.Fields(QStringLiteral("Cuenta")).Value().toStringOrEmpty(),
                             rs.Fields(QStringLiteral("Importe")).Value()};
}

}  // namespace

bool ExisteAsientoCliente(const QString& TC, const QString& Sucursal, const QString& Numero, const QString& Letra) {
  return AsientoClienteGuardado(TC, Sucursal, Numero, Letra).has_value();
}

std::optional<ComprobanteGuardado> AsientoClienteGuardado(const QString& TC, const QString& Sucursal,
                                                          const QString& Numero, const QString& Letra) {
  const QString tipo = suite::gUtilidades().RellenaCodigo(rt::Trim(TC));
  ado::Recordset rs;
  gDB().AbrirRecordset(sql::ExisteAsientoCliente(tipo, rt::Trim(Sucursal), Numero, Letra), rs);
  std::optional<ComprobanteGuardado> linea;
  if (!rs.BOF()) linea = guardado(rs);
  gDB().CierraRecordset(rs);
  return linea;
}

std::optional<ComprobanteGuardado> CabeceraGuardada(const QString& TC, const QString& IdComprobante) {
  ado::Recordset rs;
  if (!ExisteComprobante(TC, IdComprobante, &rs)) return std::nullopt;
  ComprobanteGuardado cabecera = guardado(rs);
  rs.Close();
  return cabecera;
}

}  // namespace importacion
