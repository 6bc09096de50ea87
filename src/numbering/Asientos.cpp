#include "numbering/Asientos.h"

#include <functional>

#include "data_access/DataAccessState.h"
#include "numbering/SentenciasNumeracion.h"
#include "numbering/Valores.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"

namespace numbering {

using data_access::gDB;

bool ExisteAsiento(const QString& TC, const QString& Sucursal, const QString& Numero, const QString& Letra,
                   QString& Asiento, const QString& Cuenta, bool SinBloqueo) {
  if (rt::EqualsText(TC, QStringLiteral("OC"))) return false;
  const QString tc = suite::gUtilidades().RellenaCodigo(TC, 4);
  ado::Recordset rs;
  gDB().AbrirRecordset(sentencia::AsientoDelComprobante(tc, Sucursal, Numero, Letra, Cuenta, SinBloqueo), rs);
  if (rs.BOF()) {
    gDB().CierraRecordset(rs);
    return false;
  }
  Asiento = Formato(rs["Mes_Operativo"].Value(), QStringLiteral("00")) + " - " +
            Formato(rs["numero asiento"].Value(), QStringLiteral("000000"));
  gDB().CierraRecordset(rs);
  return true;
}

QString ObtieneTipoRegCont(const QString& TC) {
  const QString tc = suite::gUtilidades().RellenaCodigo(rt::Trim(TC));
  const QString ninguno(4, u' ');
  QString resultado;
  ado::Recordset comprobante, subdiario;
  rt::StepRunner pasos = Trampa(QStringLiteral("ObtieneTipoRegCont$"));
  bool resuelto = false;
  const auto paso = [&](const std::function<void()>& cuerpo) { return !resuelto && pasos.run(cuerpo); };
  const auto resuelve = [&](const QString& tipo) {
    resultado = tipo;
    resuelto = true;
  };
  paso([&] { gDB().AbrirRecordset(sentencia::SubdiarioDelComprobante(tc), comprobante); }) &&
      paso([&] {
        if (comprobante.BOF()) resuelve(ninguno);
      }) &&
      paso([&] {
        gDB().AbrirRecordset(sentencia::Subdiario(TextoCampo(comprobante["Subdiario"].Value())), subdiario);
      }) &&
      paso([&] { resuelve(subdiario.BOF() ? ninguno : TextoCampo(comprobante["Subdiario"].Value())); });
  gDB().CierraRecordset(subdiario);
  gDB().CierraRecordset(comprobante);
  return resultado;
}

}  // namespace numbering
