// The voucher sign: which way a voucher type moves stock, or the VAT book.
#include "stock/SignoComprobante.h"

#include "data_access/DataAccessState.h"
#include "numbering/Valores.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/Host.h"
#include "platform/ui/MessageBox.h"
#include "stock/Sentencias.h"
#include "vouchers/ClsCmnCptes.h"

namespace stock {

using data_access::gDB;

namespace {

// Where V_TA_CPTE leaves the direction open. The lists compare the code as
// the caller wrote it: "FC " is none of them.
int16_t SignoStockPorCodigo(const QString& TC) {
  if (rt::OneOfText(TC, {"IR", "AJP", "FCC", "NDC", "FPC", "NC", "RMC"})) return 1;
  if (rt::OneOfText(TC, {"VS", "AJN", "FC", "ND", "FP", "NCC", "RM"})) return -1;
  return 0;
}

int16_t SignoLibroIvaPorCodigo(const QString& TC, bool DebitoProveedor) {
  if (rt::EqualsText(TC, QStringLiteral("ND"))) return DebitoProveedor ? -1 : 1;
  if (rt::OneOfText(TC, {"NC", "NCC", "NCP", "NCCP"})) return -1;
  return 1;
}

}  // namespace

SignoTipo SignoDelTipo(const QString& TC, bool LibroIVA, bool DebitoProveedor) {
  SignoTipo resultado;
  rt::StepRunner pasos = numbering::Trampa(QStringLiteral("ObtieneSignoComprobante%"));
  ado::Recordset rs;
  bool sinFila = false;
  if (!pasos.run([&] {
        gDB().AbrirRecordset(sentencia::TipoDeComprobante(suite::gUtilidades().RellenaCodigo(rt::Trim(TC), 4)), rs);
      }))
    return resultado;
  if (!pasos.run([&] { sinFila = rs.BOF(); })) return resultado;
  if (sinFila) {
    gDB().CierraRecordset(rs);
    ui::MsgBox(QStringLiteral("El Tipo de Comprobante informado no existe en la tabla de comprobantes"),
               ui::mb::Critical, QStringLiteral("Aviso al operador!!!"));
    return resultado;
  }
  resultado.Existe = true;
  if (!pasos.run([&] {
        if (LibroIVA) {
          const rt::Variant signo = rs["Signo"].Value();
          resultado.Signo = signo.isNull() || rt::EqualsText(TC, QStringLiteral("ND"))
                                ? SignoLibroIvaPorCodigo(TC, DebitoProveedor)
                                : signo.toInteger();
        } else {
          const QString es = numbering::TextoCampo(rs["ES"].Value());
          resultado.Signo = rt::EqualsText(es, QStringLiteral("E"))   ? 1
                            : rt::EqualsText(es, QStringLiteral("S")) ? -1
                                                                      : SignoStockPorCodigo(TC);
        }
      }))
    return resultado;
  gDB().CierraRecordset(rs);
  return resultado;
}

}  // namespace stock

namespace vouchers {

int16_t ClsCmnCptes::ObtieneSignoComprobante(const QString& TC, bool LibroIVA) {
  return stock::SignoDelTipo(TC, LibroIVA, DebitoProveedor).Signo;
}

}  // namespace vouchers
