// The article rows of the voucher loader: what is already served of the
// line, the line's own values, the article's master data and amounts, the
// VAT of its price list, its lots and prices; the measures and the merge of
// timber-yard sales (MedidasArticulos.cpp); the units columns of every row.
// And CantRepartoPend, what is still to deliver of an article.
//
// Decisions taken here:
// - What later vouchers applied of a delivery note or order is read for the
//   loaded voucher's own type, from the one row the view keeps per origin
//   type, number and article; no row is nothing applied.
// - What is applied counts per article: the view's figure, or what its
//   positive lines hold beyond what is still pending. It is shared out over
//   the article's positive lines in load order, each taking at most its own
//   quantity; a line of 0 or below takes none. The view is still read, and
//   the events let run, once per line.
// - Amounts multiplied by the exchange rate, the price of a VAT-inclusive
//   list and the total with taxes are worked out exactly, to four places.
// - A VAT-inclusive line of quantity 0 keeps its price and total as stored:
//   there is nothing to divide.
#include <functional>

#include "core/BuscaArticulo.h"
#include "core/Configuration.h"
#include "core/CoreState.h"
#include "core/Formatting.h"
#include "data_access/DataAccessState.h"
#include "numbering/ColumnasGrillas.h"
#include "numbering/Letras.h"
#include "numbering/SaldosStock.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/Host.h"
#include "vouchers/CargaComprobante.h"
#include "vouchers/ClsCmnCptes.h"
#include "vouchers/SentenciasCarga.h"

namespace vouchers {

using data_access::gDB;

double ClsCmnCptes::CantRepartoPend(const QString& TC, const QString& SucNroLetra, const QString& IdArticulo) {
  const QString numero = rt::Trim(SucNroLetra);
  const QString articulo = suite::gUtilidades().RellenaCodigo(rt::Trim(IdArticulo), 25);
  // A missing row and a Null quantity are 0.
  const auto cantidad = [](ado::Recordset& rs, const QString& campo) {
    if (rs.BOF()) return 0.0;
    const rt::Variant v = rs[campo].Value();
    return v.isNull() ? 0.0 : v.toDouble();
  };
  ado::Recordset rs;
  gDB().AbrirRecordset(sentencia::CantidadPedida(TC, numero, articulo), rs);
  double pedida = cantidad(rs, QStringLiteral("Cantidad"));
  gDB().AbrirRecordset(sentencia::CantidadEntregada(TC, numero, articulo), rs);
  const double entregada = cantidad(rs, QStringLiteral("CANTIDAD"));
  if (pedida < entregada) pedida = entregada;
  return pedida - entregada;
}

namespace carga {

namespace {

namespace a = numbering::articulos;

QString Texto(rt::Currency c) { return rt::Variant(c).toString(); }

// A flag of the master or the line: "-1" true; "0" false, empty or Null.
QString Bandera(const rt::Variant& v) {
  if (v.isNull() || v.isEmpty() || (v.isString() && rt::Trim(*v.stringIf()).isEmpty())) return QStringLiteral("0");
  return v.toBool() ? QStringLiteral("-1") : QStringLiteral("0");
}

// An article in the per-article sums of what is applied: its stored form,
// case folded.
QString ClaveArticulo(const QString& articulo) {
  return suite::gUtilidades().RellenaCodigo(articulo, 25).toCaseFolded();
}

// Two amounts of the line compared as stored; Null compares to nothing.
template <class Comparacion>
bool Compara(const rt::Variant& x, const rt::Variant& y, Comparacion comparacion) {
  return !x.isNull() && !y.isNull() && comparacion(x.toCurrency(), y.toCurrency());
}

}  // namespace

void CargaComprobante::LlenaFilaArticulo() {
  ui::FlexGrid& g = a_.MSFlexGrid2;
  pasos_(
      [&] { pideDeposito_ = rt::EqualsText(core::Cfg(QStringLiteral("PideDepositoEnCptes")), QStringLiteral("SI")); });
  aplicada_ = 0;
  cantidadAplicada();
  copia(g, a::IdArticulo, articulos_, "IdArticulo");
  valoresLinea();
  datosMaestro();
  ivaLotesYPrecios();
  if (!esCompras_ && core::gCore().gMaderera) medidas();
  pasos_([&] { g.setRow(fila(g)); });
  pasos_([&] { numbering::CalculaUnidadesGrilla(g); });
}

void CargaComprobante::cantidadAplicada() {
  suite::Utilidades& util = suite::gUtilidades();
  const QString tc = rt::Trim(a_.TC);
  bool porReparto = false;
  const auto leeReparto = [&] { pasos_([&] { porReparto = entregaPorReparto(); }); };
  // What the article has applied: the view's figure, or what its positive
  // lines hold beyond what is still pending.
  std::optional<rt::Currency> aplicada;
  const auto aplicadaDeReparto = [&] {
    pasos_([&] {
      const QString articulo = texto(articulos_, "IdArticulo");
      const rt::Currency pendiente = rt::Currency::fromDouble(clase_.CantRepartoPend(a_.TC, a_.SucNroLetra, articulo));
      aplicada = std::max(lineasPositivas(articulo) - pendiente, rt::Currency());
    });
  };

  if (!a_.Compras && !descargaStockRemitos_ && entregaParcial_ && rt::OneOfText(tc, {"RM", "NP"})) {
    leeReparto();
    if (porReparto) {
      aplicadaDeReparto();
    } else {
      ado::Recordset aplicacion;
      pasos_([&] {
        gDB().AbrirRecordset(sentencia::CantidadAplicada(util.RellenaCodigo(tc, 4), rt::Trim(a_.SucNroLetra),
                                                         util.RellenaCodigo(texto(articulos_, "IdArticulo"), 25)),
                             aplicacion);
      });
      pasos_([&] {
        aplicada = aplicacion.BOF() ? rt::Currency() : util.TextoANumero(texto(aplicacion, "CantidadAplicada"));
      });
      pasos_([&] { gDB().CierraRecordset(aplicacion); });
      ui::DoEvents();
    }
  } else if (!a_.Compras && (rt::OneOfText(tc, {"FP", "FC"}) || !descargaStockRemitos_)) {
    leeReparto();
    if (porReparto) aplicadaDeReparto();
  }
  if (aplicada) reparteAplicada(*aplicada);
}

void CargaComprobante::reparteAplicada(rt::Currency aplicadaDelArticulo) {
  pasos_([&] {
    // A line of 0 or below takes no share.
    const rt::Currency cantidad = valor(articulos_, "Cantidad").toCurrency();
    if (cantidad <= rt::Currency()) return;
    rt::Currency& tomada = repartida_[ClaveArticulo(texto(articulos_, "IdArticulo"))];
    const rt::Currency parte = std::min(std::max(aplicadaDelArticulo - tomada, rt::Currency()), cantidad);
    tomada += parte;
    aplicada_ = parte.toDouble();
  });
}

rt::Currency CargaComprobante::lineasPositivas(const QString& articulo) {
  if (!positivas_) {
    QHash<QString, rt::Currency> sumas;
    ado::Recordset lineas;
    gDB().AbrirRecordset(
        sentencia::ArticulosComprobante(prefijo_, condicion_, rt::EqualsText(a_.TC, QStringLiteral("NP"))), lineas);
    for (; !lineas.EOF(); lineas.MoveNext()) {
      const rt::Variant cantidad = valor(lineas, "Cantidad");
      if (cantidad.isNull() || cantidad.toCurrency() <= rt::Currency()) continue;
      sumas[ClaveArticulo(texto(lineas, "IdArticulo"))] += cantidad.toCurrency();
    }
    gDB().CierraRecordset(lineas);
    positivas_ = std::move(sumas);
  }
  return positivas_->value(ClaveArticulo(articulo));
}

void CargaComprobante::valoresLinea() {
  suite::Utilidades& util = suite::gUtilidades();
  ui::FlexGrid& g = a_.MSFlexGrid2;
  copia(g, a::Descripcion, articulos_, "Descripcion");
  copia(g, a::IdUnidad, articulos_, "IdUnidad");
  copia(g, a::IdUnidadCopia, articulos_, "IdUnidad");
  if (devolucion_) {
    aplicada_ = -aplicada_;
    escribe(g, a::Cantidad, [&] { return rt::NumberText(numero(articulos_, "Cantidad") * -1 - aplicada_); });
  } else {
    escribe(g, a::Cantidad, [&] { return rt::NumberText(numero(articulos_, "Cantidad") - aplicada_); });
    // Nothing below 0 is still to serve, but for the returned goods of a
    // delivery note that nothing applied.
    pasos_([&] {
      if (util.TextoANumero(g.TextMatrix(fila(g), a::Cantidad)) >= rt::Currency()) return;
      if (rt::EqualsText(a_.TC, QStringLiteral("RM")) && valor(articulos_, "Cantidad").toDouble() < 0 && aplicada_ == 0)
        return;
      g.setTextMatrix(fila(g), a::Cantidad, QStringLiteral("0"));
    });
  }
  copia(g, a::UnidadEquiv, articulos_, "IdUnidadBase");
  copia(g, a::CantidadEquiv, articulos_, "CantidadUD");
  escribe(g, a::Importe, [&] { return convertido(articulos_, "Importe"); });

  bool exento = true;
  pasos_([&] {
    const rt::Variant v = valor(articulos_, "Exento");
    exento = v.isNull() || v.toBool();
  });
  if (!exento) {
    QString letra;
    pasos_([&] {
      letra =
          numbering::ObtieneLetraComprobante(core::Cfg(QStringLiteral("CONDIVA")), texto(cabecera_, "Condicioniva"));
    });
    if (rt::EqualsText(letra, QStringLiteral("B")))
      escribe(g, a::PrecioConIVA, [&] { return convertido(articulos_, "Importe"); });
  }

  if (esCompras_) return;
  copia(g, a::PorcDto, articulos_, "PorcDto");
  copia(g, a::IdLista, articulos_, "IdLista");
  escribe(g, a::EnComodato, [&] {
    return texto(cabecera_, "EnComodato") == QStringLiteral("1") ? QStringLiteral("1") : QStringLiteral("0");
  });
  if (pideDeposito_) copia(g, a::IdDeposito, articulos_, "IdDeposito");
}

void CargaComprobante::datosMaestro() {
  suite::Utilidades& util = suite::gUtilidades();
  ui::FlexGrid& g = a_.MSFlexGrid2;
  bool encontrado = false;
  pasos_([&] {
    QString codigo = util.RellenaCodigo(texto(articulos_, "IdArticulo"), 25);
    bool esCodigoBarra = false;
    QString descripcion, udBase;
    double cantidad = 0;
    rt::Currency importe;
    encontrado = core::BuscaArticuloPorCodigo(codigo, maestro_, true, esCodigoBarra, descripcion, QString(), udBase,
                                              QString(), cantidad, importe);
  });
  if (encontrado) {
    const auto bandera = [&](int columna, const char* campo) {
      escribe(g, columna, [&] { return Bandera(valor(maestro_, campo)); });
    };
    escribe(g, a::DescripcionTipo, [&] {
      return gDB()
          .DatosTabla(QStringLiteral("V_TA_TipoArticulo"), util.ValorCampo(valor(maestro_, "IdTipo")).toString(),
                      QStringLiteral("Descripcion"), QStringLiteral("IdTipo"), 8)
          .toStringOrEmpty();
    });
    copia(g, a::Presentacion, maestro_, "Presentacion");
    bandera(a::PideSerie, "UsaSerie");
    bandera(a::PideLote, "UsaLote");
    bandera(a::EsPerecedero, "Perecedero");
    escribe(g, a::Coeficiente, [] { return QStringLiteral("1"); });
    escribe(g, a::TipoCoeficiente, [] { return QStringLiteral("*"); });
    bandera(a::PideTalle, "UsaTalle");
    bandera(a::PideEquivalencia, "PideEquivalencia");
    bandera(a::Pesable, "pesable");
    copia(g, a::CodigoBarra, maestro_, "CodigoBarra");
  }
  pasos_([&] { gDB().CierraRecordset(maestro_); });

  // The line's coefficient where its two units differ; "1" when it has none.
  pasos_([&] {
    const rt::Variant coeficiente = valor(articulos_, esCompras_ ? "Equiv_UDBase" : "CantidadUD");
    const rt::Variant base = valor(articulos_, "IdUnidadBase");
    const rt::Variant unidad = valor(articulos_, "IdUnidad");
    if (coeficiente.isNull())
      g.setTextMatrix(fila(g), a::Coeficiente, QStringLiteral("1"));
    else if (!base.isNull() && !unidad.isNull() &&
             !rt::EqualsText(rt::Trim(base.toString()), rt::Trim(unidad.toString())))
      g.setTextMatrix(fila(g), a::Coeficiente, rt::Trim(coeficiente.toString()));
  });
  escribe(g, a::IdUnidadBase, [&] {
    return valor(articulos_, "IdUnidadBase").isNull() ? g.TextMatrix(fila(g), a::IdUnidad)
                                                      : texto(articulos_, "IdUnidadBase");
  });
  pasos_([&] {
    if (!valor(articulos_, "Presentacion").isNull())
      g.setTextMatrix(fila(g), a::Presentacion, texto(articulos_, "Presentacion"));
  });

  escribe(g, a::Costo, [&] { return convertido(articulos_, "Costo"); });
  escribe(g, a::PrecioSinIVA, [&] { return convertido(articulos_, "Importe_S_IVA"); });
  escribe(g, a::Impuestos, [&] { return convertido(articulos_, "Impuestos"); });
  escribe(g, a::ITC, [&] {
    if (!a_.ConvertirMoneda) return texto(articulos_, "iTC");
    return Texto(convierte(util.TextoANumero(texto(articulos_, "iTC"))));
  });
  escribe(g, a::Total, [&] { return convertido(articulos_, "Total"); });
}

void CargaComprobante::ivaLotesYPrecios() {
  suite::Utilidades& util = suite::gUtilidades();
  ui::FlexGrid& g = a_.MSFlexGrid2;
  const auto celda = [&](int columna) { return util.TextoANumero(g.TextMatrix(fila(g), columna)); };

  bool conLista = false;
  if (!a_.ConvertirMoneda && !esCompras_) pasos_([&] { conLista = !valor(articulos_, "IdLista").isNull(); });
  if (conLista) {
    pasos_([&] {
      gDB().AbrirRecordset(sentencia::ListaConIva(valor(articulos_, "IdArticulo").toStringOrEmpty(),
                                                  util.RellenaCodigo(texto(articulos_, "IdLista"), 4)),
                           precios_);
    });
    escribe(g, a::ListaConIVA,
            [&] { return precios_.BOF() ? QStringLiteral("0") : Bandera(valor(precios_, "coniva")); });
    // A VAT-inclusive list whose line was stored without VAT: the total is
    // the final one, the price what it gives per unit.
    bool corrige = false;
    pasos_([&] {
      corrige = g.TextMatrix(fila(g), a::ListaConIVA) == QStringLiteral("-1") &&
                Compara(valor(articulos_, "Importe_S_IVA"), valor(articulos_, "Importe"), std::equal_to<>()) &&
                Compara(valor(articulos_, "TotalFinal"), valor(articulos_, "Total"), std::greater<>());
    });
    if (corrige) pasos_([&] { corrige = monto(articulos_, "Cantidad") != rt::Currency(); });
    if (corrige) {
      copia(g, a::Total, articulos_, "TotalFinal");
      escribe(g, a::Importe, [&] {
        return core::FmtMoneda(Texto(monto(articulos_, "TotalFinal") / monto(articulos_, "Cantidad")), -1);
      });
    }
  }

  if (!rt::EqualsText(rt::Trim(a_.TC), QStringLiteral("NP"))) {
    copia(g, a::NroLote, articulos_, "Nro_Lote");
    copia(g, a::NroSerie, articulos_, "Nro_Serie");
    copia(g, a::LoteAduana, articulos_, "ControladoPor");
    copia(g, a::LoteOrigen, articulos_, "IdOrigen");
  }
  escribe(g, a::EsExento, [&] { return Bandera(valor(articulos_, "Exento")); });
  const auto totalConImpuestos = [&] {
    escribe(g, a::TotalConImpuestos, [&] {
      const rt::Currency cantidad = celda(a::Cantidad);
      return Texto(celda(a::Total) + celda(a::Impuestos) * cantidad + celda(a::ITC) * cantidad);
    });
  };
  if (!esCompras_) {
    copia(g, a::TasaIVA, articulos_, "AlicIVA");
    totalConImpuestos();
  } else {
    pasos_([&] {
      const rt::Variant lista = valor(articulos_, "Precio_Lista");
      if (lista.isNull()) return;
      g.setTextMatrix(fila(g), a::PrecioLista,
                      a_.ConvertirMoneda ? Texto(convierte(monto(articulos_, "Precio_Lista"))) : lista.toString());
    });
    totalConImpuestos();
    copia(g, a::CodigoArtProveedor, articulos_, "CodigoArtProveedor");
  }
  escribe(g, a::RestoPorAplicar, [&] { return rt::NumberText(numero(articulos_, "Cantidad") - aplicada_); });
  escribe(g, a::CpteCargado, [&] { return rt::Trim(a_.SucNroLetra); });
}

}  // namespace carga
}  // namespace vouchers
