// One stock movement row: the columns of a V_MV_STOCK row for one item of
// an articles-grid line, in the order the suite writes them, and the
// deposit, motive and account rules the discharge rows share.
#include "core/CoreState.h"
#include "core/FieldList.h"
#include "core/Formatting.h"
#include "data_access/DataAccessState.h"
#include "numbering/ColumnasGrillas.h"
#include "numbering/Valores.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/FlexGrid.h"
#include "stock/Grabacion.h"
#include "stock/Literales.h"
#include "vouchers/SentenciasCarga.h"

namespace stock {

using data_access::gDB;
namespace a = numbering::articulos;

QString Grabacion::DepositoDeLinea(int fila, const QString& Argumento) const {
  const QString propio = rt::Trim(Grilla.TextMatrix(fila, a::IdDeposito));
  if (!propio.isEmpty()) return CodigoONull(propio);
  return EsDelGrid(Argumento) ? depositoDefault_ : Argumento;
}

QString Grabacion::MotivoDeLinea(int fila) {
  if (motivoDelGrid_) {
    QString codigo = rt::Trim(Grilla.TextMatrix(fila, a::MotivoStock));
    if (codigo.isEmpty()) codigo = motivoDefault_;
    const QString literal = CodigoONull(codigo);
    IdMotivoStock = QString(literal).remove(u'\'');
    return literal;
  }
  IdMotivoStock.remove(u'\'');
  return rt::EqualsText(IdMotivoStock, kNull) ? kNull : CodigoONull(IdMotivoStock);
}

QString Grabacion::CuentaDeArticulo(const QString& IdArticulo) {
  QString cuenta = rt::Trim(Cuenta);
  if (!rt::EqualsText(cuenta, QStringLiteral("PorDefault"))) return cuenta;
  const QString clave = IdArticulo.toCaseFolded();
  if (const auto it = cuentasProveedor_.constFind(clave); it != cuentasProveedor_.constEnd()) return *it;
  cuenta = rt::Trim(numbering::TextoCampo(
      gDB().DatosTabla(QStringLiteral("V_MA_ARTICULOS"), IdArticulo, QStringLiteral("CUENTAPROVEEDOR"),
                       QStringLiteral("IDARTICULO"))));
  if (cuenta.isEmpty()) cuenta = kNull;
  cuentasProveedor_.insert(clave, cuenta);
  return cuenta;
}

rt::Currency Grabacion::CostoDeArticulo(const QString& IdArticulo) {
  const QString clave = IdArticulo.toCaseFolded();
  if (const auto it = costos_.constFind(clave); it != costos_.constEnd()) return *it;
  const rt::Currency costo = suite::gUtilidades().TextoANumero(numbering::TextoCampo(gDB().DatosTabla(
      QStringLiteral("V_MA_ARTICULOS"), IdArticulo, QStringLiteral("Costo"), QStringLiteral("idarticulo"))));
  costos_.insert(clave, costo);
  return costo;
}

rt::Currency Grabacion::CantidadBase(int fila) const {
  suite::Utilidades& util = suite::gUtilidades();
  rt::Currency base = util.TextoANumero(Grilla.TextMatrix(fila, a::CantidadUdBase));
  if (base < rt::Currency()) base = -base;
  return util.TextoANumero(Grilla.TextMatrix(fila, a::Cantidad)) < rt::Currency() ? -base : base;
}

UnidadBase Grabacion::BaseDeLinea(int fila, int16_t signo) const {
  suite::Utilidades& util = suite::gUtilidades();
  const auto celda = [&](int columna) { return Grilla.TextMatrix(fila, columna); };
  const rt::Currency sentido = rt::Currency::fromInt(signo);
  const auto total = [&](int columna) { return util.TextoANumero(celda(columna)) * sentido; };
  const QString pesable = rt::Trim(celda(a::Pesable));
  const QString base = rt::Trim(celda(a::IdUnidadBase));
  if (core::ValorLogico(celda(a::Pesable).isEmpty() ? QStringLiteral("0") : pesable, true)) {
    if (base.isEmpty()) return {};
    return {true, Relleno(base, 4), CantidadBase(fila) * sentido};
  }
  if (equivalente_) return {true, Relleno(rt::Trim(celda(a::UnidadEquiv)), 4), total(a::CantidadEquiv)};
  if (base.isEmpty()) return {true, Relleno(rt::Trim(celda(a::IdUnidad)), 4), total(a::Cantidad)};
  return {true, Relleno(base, 4), CantidadBase(fila) * sentido};
}

QString Grabacion::Renglon(int fila, const Item& item, const UnidadBase& base, rt::Currency cantidadUD) {
  suite::Utilidades& util = suite::gUtilidades();
  core::CoreState& estado = core::gCore();
  const auto celda = [&](int columna) { return Grilla.TextMatrix(fila, columna); };
  const auto valor = [&](int columna) { return util.TextoANumero(celda(columna)); };
  const QString articulo = Relleno(rt::Trim(celda(a::IdArticulo)), 25);

  // Composed in a list of its own, without yielding: the recording yields
  // before and after each row, never while one is half made.
  core::ListaDeCampos campos;
  const auto campo = [&](const char* nombre, const QString& literal) {
    campos.push_back({QString::fromLatin1(nombre), literal});
  };

  campo("TC", Texto(Relleno(TC, 4)));
  campo("IdComprobante", Texto(SucNroLetra));
  if (!compras_) campo("IdComplemento", vouchers::sentencia::Complemento(IdComplemento));
  campo("Secuencia", QString::number(static_cast<qint64>(secuencia_)));
  campo("Fecha", Texto(Fecha));
  estado.gCaja.remove(u'\'');
  if (!rt::Trim(estado.gCaja).isEmpty()) campo("IdCaja", Texto(Relleno(estado.gCaja, 4)));

  // The deposit: the line's (or the argument's) going out of or into it in
  // the first pass, the destination in the second; the other deposit of a
  // transfer beside it.
  const QString origen = SignoRemota == 1 && !depositoDelGrid_ ? IdDeposito : DepositoDeLinea(fila, IdDeposito);
  const QString destino = EsDelGrid(IdDepositoDestino)
                              ? DepositoDeLinea(fila, IdDepositoDestino)
                              : IdDepositoDestino;
  campo("IdDeposito", pasada_ == 1 ? origen : destino);
  if (EsTransferencia) {
    const QString otro = pasada_ == 1 ? destino : origen;
    campo("IDDEPOSITO_DESTINO", rt::EqualsText(otro, kNull) ? QStringLiteral("null") : otro);
  }

  campo("IdArticulo", Texto(articulo));
  const int largo = std::min(LenDesc < 1 ? 100 : LenDesc, kAnchoDescripcion);
  campo("Descripcion", Texto(util.QuitaCaracteres(rt::Left(rt::Trim(celda(a::Descripcion)), largo), QStringLiteral("'"))));
  campo("NroLote", item.Lote.isEmpty() ? kNull : Texto(Relleno(item.Lote, 25)));
  const QString controlador = rt::Trim(celda(a::ControladoPor));
  const QString aduana = rt::Trim(celda(a::LoteAduana));
  campo("ControladoPor", Texto(!controlador.isEmpty() ? controlador
                                : aduana.isEmpty()    ? util.QuitaCaracteres(rt::Trim(Aduana), QStringLiteral("'"))
                                                      : util.QuitaCaracteres(aduana, QStringLiteral("'"))));
  const QString loteOrigen = rt::Trim(celda(a::LoteOrigen));
  if (!loteOrigen.isEmpty() || !rt::Trim(LoteOrigen).isEmpty())
    campo("IdOrigen", Texto(Relleno(loteOrigen.isEmpty() ? rt::Trim(LoteOrigen) : loteOrigen, 4)));
  campo("NroSerie", item.Serie.isEmpty() ? kNull : Texto(Relleno(item.Serie, 25)));
  campo("IdUnidad", CodigoONull(celda(a::IdUnidad)));
  const rt::Currency signo = rt::Currency::fromInt(signo_);
  const rt::Currency cantidad = rt::Currency::fromDouble(item.Cantidad) * signo;
  campo("Cantidad", Numero(cantidad));

  Grilla.setTextMatrix(fila, a::UnidadEquiv, Relleno(rt::Trim(celda(a::UnidadEquiv)), 4));
  if (celda(a::Pesable).isEmpty()) Grilla.setTextMatrix(fila, a::Pesable, QStringLiteral("0"));
  if (base.Escribe) {
    campo("CantidadUD", Numero(cantidadUD));
    campo("IdUnidadBase", Texto(base.Unidad));
  }

  cuentaFila_ = CuentaDeArticulo(articulo);
  if (!rt::EqualsText(rt::Trim(cuentaFila_), kNull)) campo("CuentaProveedor", Texto(cuentaFila_));
  campo("IdMotivoStock", MotivoDeLinea(fila));
  campo("PrecioVenta", Numero(valor(a::Importe)));
  campo("Importe_S_Iva", Numero(valor(a::PrecioSinIVA)));
  rt::Currency costo = valor(a::Costo);
  if (costo == rt::Currency()) costo = CostoDeArticulo(articulo);
  campo("Costo", Numero(costo));
  campo("Impuestos", Numero(valor(a::Impuestos) + valor(a::ITC)));
  campo("DtoItem", Numero(valor(a::PorcDto)));

  // The origin voucher: the arguments', or per line from column 34 (type in
  // 1-4, number in 5-17). An origin left empty is the text NULL in the type,
  // as the suite stores it, and an SQL null in the number.
  if (tcOrigenDelGrid_) TcOrigen = rt::Trim(rt::Left(celda(a::CpteOrigen), 4));
  TcOrigen.remove(u'\'');
  campo("Tc_Origen", Texto(TcOrigen));
  if (cpteOrigenDelGrid_) ComprobanteOrigen = Texto(rt::Trim(rt::Mid(celda(a::CpteOrigen), 5, 13)));
  campo("IdComprobante_Origen", ComprobanteOrigen);
  campo("Id_Origen", Numero(valor(a::IdCpteOrigen)));
  rt::Currency iva = valor(a::TasaIVA);
  if (iva == rt::Currency() && util.TextoAEntero(celda(a::EsExento)) != -1) iva = rt::Currency::fromDouble(PIVA);
  campo("IVARI", Numero(iva));
  campo("IVARNI", Numero(valor(a::IVARNI)));
  if (!rt::EqualsText(rt::Trim(IdTecnico), kNull)) campo("IdTecnico", Texto(Relleno(IdTecnico, 4)));
  if (celda(a::Coeficiente).isEmpty()) Grilla.setTextMatrix(fila, a::Coeficiente, QStringLiteral("1"));
  campo("EQUIV_UDBASE", Numero(celda(a::Coeficiente)));
  campo("IDINSERT", Numero(celda(a::IdInsert)));
  campo("IDCOMPULSA", Numero(celda(a::IdCompulsa)));
  campo("Oferta", Numero(celda(a::Oferta)));
  campo("IdVendedor", Texto(IdVendedor));
  campo("Importe_Ud", Numero(celda(a::ImporteUd)));
  campo("Ud_Pr", Texto(Relleno(celda(a::UdPrecio), 4)));
  campo("UNEGOCIO", Texto(Relleno(rt::Trim(estado.gUNegocio), 4)));
  campo("ARTMONEDA", Texto(Relleno(QStringLiteral("1"), 4)));
  campo("ARTCOTIZACION", QStringLiteral("1"));
  campo("EnComodato", Numero(celda(a::EnComodato)));

  QString sentencia = QStringLiteral("INSERT INTO V_MV_STOCK");
  core::ArmaInsert(sentencia, campos, true);
  return sentencia;
}

}  // namespace stock
