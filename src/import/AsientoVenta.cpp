#include "import/AsientoVenta.h"

#include "core/CoreState.h"
#include "core/FieldList.h"
#include "core/Formatting.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"

namespace importacion {

using namespace Qt::StringLiterals;

namespace {

const QString kTexto = QStringLiteral("'");
const QString kNumero = QStringLiteral("@");
const QString kUno = QStringLiteral("   1");

// Adds the pairs of a statement in order; the first one starts the list.
class Campos {
 public:
  Campos& operator()(const QString& campo, const QString& valor, const QString& tipo) {
    core::AgregaCampo(campo, valor, tipo, primero_);
    primero_ = false;
    return *this;
  }
  QString Inserta(const QString& prefijo) {
    QString texto = prefijo;
    core::ArmaInsert(texto, core::gCore().ListaCampos, true);
    return texto;
  }

 private:
  bool primero_ = true;
};

QString libroIva(const QString& tc) {
  if (rt::OneOfText(tc, {"FC", "NC", "ND", "TK"})) return QStringLiteral("Ventas");
  if (rt::OneOfText(tc, {"FCC", "NCC", "NDC"})) return QStringLiteral("COMPRAS");
  return QString();
}

QString vendedor(const FacturaTavernix& f) { return suite::gUtilidades().RellenaCodigo(f.CodEmp); }

}  // namespace

QString InsertaLineaAsiento(const FacturaTavernix& f, const LineaAsiento& linea) {
  const core::CoreState& st = core::gCore();
  Campos c;
  c(u"Tipo_Reg"_s, QString(), kTexto)(u"Fecha"_s, f.FechaTexto, kTexto)(u"FechaSubDiario"_s, f.FechaTexto, kTexto);
  c(u"Cuenta"_s, rt::Trim(linea.Cuenta), kTexto)(u"Importe"_s, f.Total, kNumero)(u"[DEBE-HABER]"_s, linea.Lado, kTexto);
  c(u"CabCuenta"_s, f.Cuenta, kTexto)(u"CabImporte"_s, rt::Trim(f.Total), kNumero)(u"TC"_s, f.Tipo.TC, kTexto);
  c(u"Sucursal"_s, f.Sucursal, kTexto)(u"Numero"_s, f.Numero, kTexto)(u"Letra"_s, f.Letra, kTexto);
  if (const DatosTitular* t = linea.Titular) {
    if (const QString libro = libroIva(f.Tipo.TC); !libro.isEmpty()) c(u"LIVA_TIPO"_s, libro, kTexto);
    c(u"LIVA_TOTAL"_s, rt::Trim(f.TotalLibroIva), kNumero)(u"CabNombre"_s, rt::Trim(t->Nombre), kTexto);
    c(u"Vencimiento"_s, f.FechaTexto, kTexto)(u"CabCUIT"_s, f.Cuit, kTexto);
    c(u"CabCondIVA"_s, suite::gUtilidades().RellenaCodigo(rt::Trim(t->CondIva), 4), kTexto);
    c(u"LIVA_IMPNETOGRAV"_s, rt::Trim(f.Total), kNumero)(u"LIVA_IMPNETONGRAV"_s, QStringLiteral("0"), kNumero);
    c(u"LIVA_IMPIVA"_s, rt::Trim(f.Iva1), kNumero)(u"LIVA_IMPIVA2"_s, rt::Trim(f.Iva2), kNumero);
    c(u"LIVA_EXENTO"_s, QStringLiteral("0"), kNumero)(u"LIVA_ALICIVA"_s, rt::Trim(f.Tasa1), kNumero);
    c(u"LIVA_ALICIVAREC"_s, QStringLiteral("0"), kNumero)(u"LIVA_ALICIVA2"_s, rt::Trim(f.Tasa2), kNumero);
  }
  c(u"Detalle"_s, rt::Trim(f.CodEmp), kTexto)(u"MES_OPERATIVO"_s, QString::number(f.Mes), kTexto);
  c(u"Periodo"_s, QString::number(st.gPeriodo), kTexto)(u"Secuencia"_s, QString::number(linea.Secuencia), kTexto);
  c(u"[NUMERO ASIENTO]"_s, QString::number(linea.NroAsiento), kNumero)(u"IDCAJAS"_s, kUno, kTexto);
  c(u"UNEGOCIO"_s, st.gUNegocio, kTexto)(u"EsResumen"_s, QStringLiteral("0"), kNumero);
  c(u"Es_Saldo_Apertura"_s, QStringLiteral("0"), kNumero);
  c(u"EsAjuste"_s, linea.Secuencia == 2 ? QStringLiteral("1") : QStringLiteral("0"), kNumero);
  c(u"ChPropio"_s, QStringLiteral("0"), kNumero)(u"Moneda"_s, kUno, kTexto);
  c(u"Transmision"_s, QStringLiteral("4"), kNumero);
  c(u"usuario_logeado"_s, st.gUsuarioLogeado, kTexto);
  c(u"fechahora_grabacion"_s, rt::FormatDate(rt::Now(), core::FormatoFechaHora()), kTexto);
  c(u"IdVendedor"_s, vendedor(f), kTexto);
  return c.Inserta(QStringLiteral("INSERT INTO MV_ASIENTOS "));
}

QString InsertaCabecera(const FacturaTavernix& f, const DatosTitular& t) {
  const suite::Utilidades& u = suite::gUtilidades();
  QString condicion = u.RellenaCodigo(rt::Trim(t.CondIva), 4);
  if (condicion.isEmpty()) condicion = QStringLiteral("1");
  Campos c;
  c(u"TC"_s, f.Tipo.TC, kTexto)(u"Fecha"_s, f.FechaTexto, kTexto)(u"FechaEstFin"_s, f.FechaTexto, kTexto);
  c(u"IdComprobante"_s, f.IdComprobante, kTexto)(u"IdComplemento"_s, QStringLiteral("0"), kNumero);
  c(u"Cuenta"_s, rt::Trim(f.Cuenta), kTexto)(u"Nombre"_s, rt::Trim(t.Nombre), kTexto);
  c(u"Importe"_s, rt::Trim(f.Total), kNumero)(u"Importe_S_IVA"_s, rt::Trim(f.Total), kNumero);
  c(u"NetoGravado"_s, rt::Trim(f.Total), kNumero)(u"AlicIva"_s, rt::Trim(f.Tasa1), kNumero);
  c(u"ImporteIVA"_s, rt::Trim(f.Iva1), kNumero)(u"AlicIva2"_s, rt::Trim(f.Tasa2), kNumero);
  c(u"ImporteIVA2"_s, rt::Trim(f.Iva2), kNumero)(u"DOCUMENTONUMERO"_s, f.Cuit, kTexto);
  c(u"DOCUMENTOTIPO"_s, kUno, kTexto);
  c(u"CondicionIva"_s, u.RellenaCodigo(condicion, 4), kTexto)(u"UNEGOCIO"_s, core::gCore().gUNegocio, kTexto);
  c(u"Moneda"_s, kUno, kTexto)(u"Cotizacion"_s, QStringLiteral("1"), kNumero)(u"IdVendedor"_s, vendedor(f), kTexto);
  return c.Inserta(QStringLiteral("INSERT INTO V_MV_CPTE "));
}

}  // namespace importacion
