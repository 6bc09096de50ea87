#include "numbering/ProximoNumero.h"

#include "data_access/DataAccessState.h"
#include "numbering/Asientos.h"
#include "numbering/SentenciasNumeracion.h"
#include "numbering/Talonarios.h"
#include "numbering/Valores.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"

namespace numbering {

using data_access::gDB;

namespace {

// Types that never test their number against the accounting entries.
const QStringList kSinControlDeAsientos = {"OPG", "PG", "FC", "NC", "ND", "NP", "GF", "PR", "RM", "TK",
                                          "TKFC", "FP", "VJ", "IR", "VS", "SI", "AJP", "AJN", "TRP"};

QString Ocho(rt::Currency numero) { return rt::FormatNumber(numero, QStringLiteral("00000000")); }

rt::Currency Uno() { return rt::Currency::fromInt(1); }

// The number part (characters 5 to 12) of a stored identity.
rt::Currency NumeroDeIdentidad(const rt::Variant& identidad) {
  return suite::gUtilidades().TextoANumero(rt::Mid(TextoCampo(identidad), 5, 8));
}

class Proximo {
 public:
  Proximo(const QString& TC, QString& Sucursal, QString& Numero, QString& Letra)
      : tc_(TC), sucursal_(Sucursal), numero_(Numero), letra_(Letra),
        pasos_(Trampa(QStringLiteral("Obtener_Nro_Comprobante"))) {}

  rt::StepRunner& pasos() { return pasos_; }

  // A number found in `Tabla` moves past the highest identity of the type,
  // branch and letter there (an equal or lower number).
  void PasaAlUltimoDe(const QString& Tabla) {
    bool tomado = false;
    if (!pasos_.run([&] {
          gDB().AbrirRecordset(sentencia::ComprobanteEnTabla(Tabla, tc_, sucursal_ + numero_ + letra_), rs_);
          tomado = !rs_.BOF();
        }) ||
        !tomado)
      return;
    pasos_.run([&] {
      gDB().AbrirRecordset(sentencia::UltimoComprobanteEnTabla(Tabla, tc_, sucursal_, letra_), rs_);
      const rt::Variant ultimo = rs_.BOF() ? rt::Variant::null() : rs_["ULTIMO"].Value();
      if (ultimo.isNull()) return;
      const rt::Currency mayor = NumeroDeIdentidad(ultimo);
      if (suite::gUtilidades().TextoANumero(numero_) <= mayor) numero_ = Ocho(mayor + Uno());
    });
  }

  // The number of a voucher with an accounting entry: one above the highest
  // of its entries; for "CBFP" at least one above the highest sales voucher.
  void PasaAlUltimoAsiento() {
    if (!pasos_.run([&] {
          gDB().AbrirRecordset(sentencia::UltimoNumeroDeAsientos(tc_, sucursal_, letra_), rs_);
          numero_ = SiguienteAlMaximo();
        }))
      return;
    if (!rt::EqualsText(tc_, QStringLiteral("CBFP"))) return;
    pasos_.run([&] {
      gDB().AbrirRecordset(sentencia::UltimoComprobanteEnTabla(QStringLiteral("V_MV_CPTE"), tc_, sucursal_, letra_),
                           rs_);
      const rt::Variant ultimo = rs_.BOF() ? rt::Variant::null() : rs_["ULTIMO"].Value();
      if (ultimo.isNull()) return;
      const rt::Currency mayor = NumeroDeIdentidad(ultimo);
      if (suite::gUtilidades().TextoANumero(numero_) < mayor) numero_ = Ocho(mayor + Uno());
    });
  }

  void PasaAlUltimaOrdenDeCompra() {
    bool tomado = false;
    if (!pasos_.run([&] {
          gDB().AbrirRecordset(
              sentencia::ComprobanteEnTabla(QStringLiteral("C_MV_CPTE"), tc_, sucursal_ + numero_ + letra_), rs_);
          tomado = !rs_.BOF();
        }) ||
        !tomado)
      return;
    pasos_.run([&] {
      gDB().AbrirRecordset(sentencia::UltimaOrdenDeCompra(tc_, sucursal_, letra_), rs_);
      numero_ = SiguienteAlMaximo();
    });
  }

  void BorraControl() {
    pasos_.run([&] { gDB().EjecutaConsultaSQL(sentencia::BorraControlDeNumero(tc_, sucursal_, numero_, letra_)); });
  }

  void Cierra() { gDB().CierraRecordset(rs_); }

 private:
  // One above the maximum ULTIMO read; "00000001" when there is none.
  QString SiguienteAlMaximo() {
    const rt::Variant ultimo = rs_.BOF() ? rt::Variant::null() : rs_["ULTIMO"].Value();
    if (ultimo.isNull()) return QStringLiteral("00000001");
    return Ocho(suite::gUtilidades().TextoANumero(TextoCampo(ultimo)) + Uno());
  }

  const QString& tc_;
  QString& sucursal_;
  QString& numero_;
  QString& letra_;
  rt::StepRunner pasos_;
  ado::Recordset rs_;
};

}  // namespace

void Obtener_Nro_Comprobante(const QString& TC, QString& Sucursal, QString& Numero, QString& Letra,
                             bool& ModificaNumeracion, bool Controlar, const QString& UNegocio) {
  if (TC.isEmpty()) return;
  Proximo proximo(TC, Sucursal, Numero, Letra);
  if (!proximo.pasos().run([&] {
        QString hasta = QStringLiteral("99999999");
        Obtener_Nro_Comprobante_Contable(ObtieneTCNumeracion(TC), Sucursal, Numero, Letra, ModificaNumeracion,
                                         QString(), UNegocio, hasta);
      }) ||
      !Controlar)
    return;

  suite::Utilidades& util = suite::gUtilidades();
  if (rt::EqualsText(TC, QStringLiteral("VJ"))) {
    proximo.PasaAlUltimoDe(QStringLiteral("MV_VIAJES"));
  } else if (util.EstaEnLista(TC, {"AJP", "AJN", "VS", "IR"})) {
    proximo.PasaAlUltimoDe(QStringLiteral("V_MV_STOCK"));
  } else {
    bool conAsiento = false;
    if (!proximo.pasos().run([&] {
          QString asiento;
          conAsiento = ExisteAsiento(TC, Sucursal, Numero, Letra, asiento, QString(), true);
        }))
      return;
    if (conAsiento)
      proximo.PasaAlUltimoAsiento();
    else if (rt::EqualsText(TC, QStringLiteral("OC")))
      proximo.PasaAlUltimaOrdenDeCompra();
    else if (!util.EstaEnLista(TC, kSinControlDeAsientos))
      proximo.BorraControl();
  }
  proximo.Cierra();
}

}  // namespace numbering
