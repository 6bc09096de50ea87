// Questions about the vouchers generated from a given one, and the applied
// charges of an account.
#include "data_access/DataAccessState.h"
#include "numbering/Valores.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/Form.h"
#include "vouchers/ClsCmnCptes.h"
#include "vouchers/FormCargosReales.h"
#include "vouchers/SentenciasComprobantes.h"

namespace vouchers {

namespace {

using data_access::gDB;

QString TipoDeComprobante(const QString& TC) { return suite::gUtilidades().RellenaCodigo(rt::Trim(TC), 4); }

}  // namespace

rt::Currency ClsCmnCptes::ImporteCargosReales(const QString& Cuenta) {
  rt::Currency importe;
  rt::StepRunner pasos = numbering::Trampa(QStringLiteral("ImporteCargosReales@"));
  ado::Recordset rs;
  if (!pasos.run([&] { gDB().AbrirRecordset(sentencia::CargosReales(rt::Trim(Cuenta)), rs); })) return importe;
  pasos.run([&] {
    suite::Utilidades& util = suite::gUtilidades();
    importe = util.TextoANumero(util.ValorCampo(rs[QStringLiteral("Importe")].Value()).toString());
  });
  gDB().CierraRecordset(rs);
  return importe;
}

void ClsCmnCptes::ControlDeCargosReales(FormCargosReales& FrmCtrlCargosReales, const QString& Cliente,
                                        const QString& Matricula) {
  FrmCtrlCargosReales.Cliente = Cliente;
  FrmCtrlCargosReales.Matricula = Matricula;
  FrmCtrlCargosReales.Show(ui::vbModal);
}

bool ClsCmnCptes::EstaRelacionadoAOtroComprobante(const QString& TC, const QString& SucNroLetra,
                                                  const QString& Complemento, bool TenerEnCuentaAnulados) {
  ado::Recordset rs;
  gDB().AbrirRecordset(
      sentencia::ComprobantesRelacionados(TipoDeComprobante(TC), rt::Trim(SucNroLetra), Complemento,
                                          TenerEnCuentaAnulados),
      rs);
  const bool relacionado = !rs.BOF();
  gDB().CierraRecordset(rs);
  return relacionado;
}

rt::Currency ClsCmnCptes::ObtieneImporteCptesAsociados(const QString& TC, const QString& SucNroLetra) {
  ado::Recordset rs;
  gDB().AbrirRecordset(sentencia::ComprobantesAsociados(TipoDeComprobante(TC), rt::Trim(SucNroLetra)), rs);
  rt::Currency total;
  for (; !rs.EOF(); rs.MoveNext()) {
    const rt::Variant importe = rs[QStringLiteral("Importe")].Value();
    if (!importe.isNull()) total += importe.toCurrency();
  }
  gDB().CierraRecordset(rs);
  return total;
}

}  // namespace vouchers
