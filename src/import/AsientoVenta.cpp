#include "import/AsientoVenta.h"

#include "core/CoreState.h"
#include "core/FieldList.h"
#include "core/Formatting.h"
#include "core/library/Library.h"
#include "platform/runtime/Dates.h"
#include "platform/runtime/Text.h"

namespace importacion {

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

QString vendedor(const FacturaTavernix& f) { return library::gUtilidades().RellenaCodigo(f.CodEmp); }

}  // namespace

QString InsertaLineaAsiento(const FacturaTavernix& f, const LineaAsiento& linea) {
  const core::CoreState& st = core::gCore();
  Campos c;
  c("Tipo_Reg", QString(), kTexto)("Fecha", f.FechaTexto, kTexto)("FechaSubDiario", f.FechaTexto, kTexto);
  c("Cuenta", rt::Trim(linea.Cuenta), kTexto)("Importe", f.Total, kNumero)("[DEBE-HABER]", linea.Lado, kTexto);
  c("CabCuenta", f.Cuenta, kTexto)("CabImporte", rt::Trim(f.Total), kNumero)("TC", f.Tipo.TC, kTexto);
  c("Sucursal", f.Sucursal, kTexto)("Numero", f.Numero, kTexto)("Letra", f.Letra, kTexto);
  if (const DatosTitular* t = linea.Titular) {
    if (const QString libro = libroIva(f.Tipo.TC); !libro.isEmpty()) c("LIVA_TIPO", libro, kTexto);
    c("LIVA_TOTAL", rt::Trim(f.TotalLibroIva), kNumero)("CabNombre", rt::Trim(t->Nombre), kTexto);
    c("Vencimiento", f.FechaTexto, kTexto)("CabCUIT", f.Cuit, kTexto);
    c("CabCondIVA", library::gUtilidades().RellenaCodigo(rt::Trim(t->CondIva), 4), kTexto);
    c("LIVA_IMPNETOGRAV", rt::Trim(f.Total), kNumero)("LIVA_IMPNETONGRAV", QStringLiteral("0"), kNumero);
    c("LIVA_IMPIVA", rt::Trim(f.Iva1), kNumero)("LIVA_IMPIVA2", rt::Trim(f.Iva2), kNumero);
    c("LIVA_EXENTO", QStringLiteral("0"), kNumero)("LIVA_ALICIVA", rt::Trim(f.Tasa1), kNumero);
    c("LIVA_ALICIVAREC", QStringLiteral("0"), kNumero)("LIVA_ALICIVA2", rt::Trim(f.Tasa2), kNumero);
  }
  c("Detalle", rt::Trim(f.CodEmp), kTexto)("MES_OPERATIVO", QString::number(f.Mes), kTexto);
  c("Periodo", QString::number(st.gPeriodo), kTexto)("Secuencia", QString::number(linea.Secuencia), kTexto);
  c("[numero asiento]", QString::number(linea.NroAsiento), kNumero)("IDCAJAS", kUno, kTexto);
  c("UNEGOCIO", st.gUNegocio, kTexto)("EsResumen", QStringLiteral("0"), kNumero);
  c("Es_Saldo_Apertura", QStringLiteral("0"), kNumero);
  c("EsAjuste", linea.Secuencia == 2 ? QStringLiteral("1") : QStringLiteral("0"), kNumero);
  c("ChPropio", QStringLiteral("0"), kNumero)("Moneda", kUno, kTexto)("Transmision", QStringLiteral("4"), kNumero);
  c("usuario_logeado", st.gUsuarioLogeado, kTexto);
  c("fechahora_grabacion", rt::FormatDate(rt::Now(), core::FormatoFechaHora()), kTexto);
  c("IdVendedor", vendedor(f), kTexto);
  return c.Inserta(QStringLiteral("INSERT INTO MV_ASIENTOS "));
}

QString InsertaCabecera(const FacturaTavernix& f, const DatosTitular& t) {
  const library::Utilidades& u = library::gUtilidades();
  QString condicion = u.RellenaCodigo(rt::Trim(t.CondIva), 4);
  if (condicion.isEmpty()) condicion = QStringLiteral("1");
  Campos c;
  c("TC", f.Tipo.TC, kTexto)("Fecha", f.FechaTexto, kTexto)("FechaEstFin", f.FechaTexto, kTexto);
  c("IdComprobante", f.IdComprobante, kTexto)("IdComplemento", QStringLiteral("0"), kNumero);
  c("Cuenta", rt::Trim(f.Cuenta), kTexto)("Nombre", rt::Trim(t.Nombre), kTexto);
  c("Importe", rt::Trim(f.Total), kNumero)("Importe_S_IVA", rt::Trim(f.Total), kNumero);
  c("NetoGravado", rt::Trim(f.Total), kNumero)("AlicIva", rt::Trim(f.Tasa1), kNumero);
  c("ImporteIVA", rt::Trim(f.Iva1), kNumero)("AlicIva2", rt::Trim(f.Tasa2), kNumero);
  c("ImporteIVA2", rt::Trim(f.Iva2), kNumero)("DOCUMENTONUMERO", f.Cuit, kTexto)("DOCUMENTOTIPO", kUno, kTexto);
  c("CondicionIva", u.RellenaCodigo(condicion, 4), kTexto)("UNEGOCIO", core::gCore().gUNegocio, kTexto);
  c("Moneda", kUno, kTexto)("Cotizacion", QStringLiteral("1"), kNumero)("IdVendedor", vendedor(f), kTexto);
  return c.Inserta(QStringLiteral("INSERT INTO V_MV_CPTE "));
}

}  // namespace importacion
