// The items of one articles-grid line: which rows the line writes, each
// with its lot, serial and quantity, read from the lot list (column 21) and
// its parallel serial or quantity list (column 22). A list item "-" is an
// empty item (ValorDeItem).
#include "core/Formatting.h"
#include "numbering/ColumnasGrillas.h"
#include "numbering/ListasSeriesLotes.h"
#include "platform/runtime/Regional.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Host.h"
#include "platform/ui/MessageBox.h"
#include "stock/Grabacion.h"

namespace stock {

namespace a = numbering::articulos;

namespace {

// A lot-serial pair split at Chr(255); an item without it is a lot.
std::pair<QString, QString> Par(const QString& item) {
  const qsizetype corte = item.indexOf(rt::Chr(255));
  if (corte < 0) return {item, QString()};
  return {rt::Trim(item.left(corte)), rt::Trim(item.mid(corte + 1))};
}

double Numero(const QString& texto) { return suite::gUtilidades().TextoADoble(texto); }

// The j-th item of a list ("" out of range and for "-").
QString ItemDe(const QString& lista, int j) {
  return numbering::ValorDeItem(numbering::ExtraeSerieLote(lista, static_cast<int16_t>(j)));
}

}  // namespace

bool Grabacion::Planifica(int pasadas, std::vector<LineaAGrabar>& plan) {
  suite::Utilidades& util = suite::gUtilidades();
  const int16_t signoVoucher = signo_;
  for (pasada_ = 1; pasada_ <= pasadas; ++pasada_) {
    if (EsTransferencia) signo_ = pasada_ == 1 ? -1 : 1;
    else if (produccion_) signo_ = pasada_ == 1 ? 1 : -1;
    else signo_ = signoVoucher;
    const int filas = Grilla.Rows();
    for (int fila = 1; fila < filas; ++fila) {
      bool entra = false;
      if (!Paso([&] {
            entra = util.TextoANumero(Grilla.TextMatrix(fila, a::Cantidad)) != rt::Currency() &&
                    !rt::Trim(Grilla.TextMatrix(fila, a::IdArticulo)).isEmpty();
            if (entra && produccion_)
              entra = (rt::Trim(Grilla.TextMatrix(fila, a::CantidadInsumo)) == QStringLiteral("-1")) == (pasada_ == 1);
          }))
        return false;
      if (!entra) continue;
      LineaAGrabar linea;
      linea.pasada = pasada_;
      linea.signo = signo_;
      linea.fila = fila;
      bool leida = false;
      if (!Paso([&] {
            linea.items = Items(fila);
            linea.base = BaseDeLinea(fila, signo_);
            linea.partesBase = PartesBase(fila, linea.base, linea.items);
            linea.cantidad = util.TextoANumero(Grilla.TextMatrix(fila, a::Cantidad));
            for (const Item& item : linea.items) linea.suma += rt::Currency::fromDouble(item.Cantidad);
            leida = true;
          }))
        return false;
      // The operator went on past a line that could not be read: none of
      // its rows is written.
      if (leida) plan.push_back(std::move(linea));
    }
  }
  return true;
}

bool Grabacion::CuadranLasLineas(const std::vector<LineaAGrabar>& plan) const {
  for (const LineaAGrabar& linea : plan) {
    if (linea.suma == linea.cantidad) continue;
    const QChar separador = rt::regional().decimalSeparator;
    ui::MsgBox(QStringLiteral("La línea %1 (%2) no se puede grabar: sus lotes, series o talles suman %3 y su cantidad "
                              "es %4.\r\nCorrija la línea y vuelva a grabar el comprobante.")
                   .arg(linea.fila)
                   .arg(rt::Trim(Grilla.TextMatrix(linea.fila, a::IdArticulo)), linea.suma.toText(separador),
                        linea.cantidad.toText(separador)),
               ui::mb::Critical, QStringLiteral("Aviso al operador"));
    return false;
  }
  return true;
}

std::vector<Item> Grabacion::Items(int fila) {
  const QString lotes = Grilla.TextMatrix(fila, a::NroLote);
  const QString series = Grilla.TextMatrix(fila, a::NroSerie);
  const double linea = Numero(Grilla.TextMatrix(fila, a::Cantidad));
  const auto lote = [&](int j) { return ItemDe(lotes, j); };
  const auto serie = [&](int j) { return ItemDe(series, j); };
  // Items that pair with the quantities of column 22 count one by one: a
  // size or lot taken twice is two rows.
  const int porItem = numbering::Cuenta_Series_Lotes(lotes, QString(), true);

  // Out, and the second pass of a transfer, which brings in what the first
  // took out: the lot-serial pairs with their quantities; a line without
  // lots is one row.
  if (signo_ == -1 || (EsTransferencia && pasada_ == 2)) {
    if (signo_ == -1 && rt::Trim(Grilla.TextMatrix(fila, a::PideTalle)).isEmpty())
      Grilla.setTextMatrix(fila, a::PideTalle, QStringLiteral("0"));
    if (porItem == 0) return {{QString(), QString(), linea}};
    std::vector<Item> items;
    for (int j = 1; j <= porItem; ++j) {
      const auto [l, s] = Par(lote(j));
      const double cantidad = Numero(serie(j));
      // A quantity below zero with neither lot nor serial stands for the line's.
      items.push_back({l, s, cantidad >= 0 || !l.isEmpty() || !s.isEmpty() ? cantidad : linea});
    }
    return items;
  }

  const QString loteFijo = rt::Trim(LoteFijo);
  const auto conFijo = [&](const QString& l) { return l.isEmpty() ? loteFijo : l; };
  const bool talle = core::ValorLogico(rt::Trim(Grilla.TextMatrix(fila, a::PideTalle)), true);
  const bool conSerie = core::ValorLogico(rt::Trim(Grilla.TextMatrix(fila, a::PideSerie)), true);
  const QString perecedero = Grilla.TextMatrix(fila, a::EsPerecedero);

  // A perishable line carries one lot, the whole of column 21.
  if (core::ValorLogico(rt::Trim(perecedero).isEmpty() ? QStringLiteral("0") : perecedero, true)) {
    const QString unico = rt::Trim(lotes);
    return {{unico == QStringLiteral("-") ? QString() : unico, serie(1), linea}};
  }

  // Sizes: each item with its quantity.
  if (talle) {
    if (porItem == 0) return {{QString(), serie(1), linea}};
    std::vector<Item> items;
    for (int j = 1; j <= porItem; ++j) items.push_back({Par(lote(j)).first, QString(), Numero(serie(j))});
    return items;
  }

  if (conSerie) return ItemsDeSeries(fila, linea);

  // Lots alone: with one lot (or none) the line is one row; with several,
  // one unit per item up to the line's quantity, and what the list leaves
  // over in one more row (the fixed lot or none), never more than the line.
  const int cuenta = numbering::Cuenta_Series_Lotes(series, lotes, false);
  if (cuenta <= 1) {
    const QString l = conFijo(lote(1)), s = serie(1);
    return {{l, s, linea}};
  }
  const int posiciones = std::max(porItem, numbering::Cuenta_Series_Lotes(series, QString(), true));
  // Quantities have four decimals: the units are counted exactly.
  const rt::Currency total = rt::Currency::fromDouble(linea);
  const rt::Currency uno = rt::Currency::fromInt(total < rt::Currency() ? -1 : 1);
  std::vector<Item> items;
  rt::Currency escrito;
  for (int j = 1; escrito != total; ++j) {
    const rt::Currency resto = total - escrito;
    if (j > posiciones) {
      items.push_back({loteFijo, QString(), resto.toDouble()});
      break;
    }
    const rt::Currency cantidad = (resto < rt::Currency() ? -resto : resto) < rt::Currency::fromInt(1) ? resto : uno;
    items.push_back({conFijo(lote(j)), serie(j), cantidad.toDouble()});
    escrito += cantidad;
  }
  return items;
}

// Serials: each one unit, a blank one too when the list has more; a line
// without serials is one row.
std::vector<Item> Grabacion::ItemsDeSeries(int fila, double linea) {
  const QString lotes = Grilla.TextMatrix(fila, a::NroLote);
  const QString series = Grilla.TextMatrix(fila, a::NroSerie);
  const QString loteFijo = rt::Trim(LoteFijo);
  const int cuenta = numbering::Cuenta_Series_Lotes(series, lotes, true);
  if (cuenta == 0) return {{loteFijo, QString(), linea}};
  // The dialog gives a line that is not whole one serial, for all of it.
  const bool entera = rt::Currency::fromDouble(linea).rounded(0) == rt::Currency::fromDouble(linea);
  const double unidad = linea < 0 ? -1 : 1;
  // In the asterisk format ("S1*3", three units of S1) the serials tell
  // their units, and the dialog's blank rows none.
  const bool conUnidades = asterisco_ && series.contains(u'*');
  std::vector<Item> items;
  for (int j = 1; j <= cuenta; ++j) {
    const QString serie = ItemDe(series, j);
    QString l = ItemDe(lotes, j), s = serie;
    if (l.isEmpty()) l = loteFijo;
    if (serie.contains(rt::Chr(255))) std::tie(l, s) = Par(serie);
    double cantidad = !serie.isEmpty() || cuenta > 1 ? unidad : linea;
    if (cuenta == 1 && !entera) cantidad = linea;
    if (conUnidades && serie.isEmpty()) cantidad = 0;
    if (const qsizetype asterisco = s.indexOf(u'*'); conUnidades && asterisco >= 0) {
      // Units that cannot be read count none: the line does not add up.
      const std::optional<rt::Currency> unidades = rt::Currency::parse(rt::Trim(s.mid(asterisco + 1)));
      s = rt::Trim(s.left(asterisco));
      cantidad = unidades ? unidades->toDouble() * unidad : 0;
    }
    // A lot without serial takes the line's quantity when it is the only item.
    items.push_back({l, s, !s.isEmpty() || l.isEmpty() || cuenta > 1 ? cantidad : linea});
  }
  return items;
}

std::vector<rt::Currency> Grabacion::PartesBase(int fila, const UnidadBase& base,
                                                const std::vector<Item>& items) const {
  std::vector<rt::Currency> partes(items.size());
  if (!base.Escribe) return partes;
  const rt::Currency linea = suite::gUtilidades().TextoANumero(Grilla.TextMatrix(fila, a::Cantidad));
  // Each row takes the rounded share of the rows up to it less that of the
  // rows before it: the rows add up to the rounded share of them all, and
  // no row writes a part against its exact share (a last row taking the
  // remainder could). A quantity of 0 writes no row.
  rt::Currency suma, repartido;
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i].Cantidad == 0) continue;
    suma += rt::Currency::fromDouble(items[i].Cantidad);
    const rt::Currency hasta = base.Total.scaled(suma, linea);
    partes[i] = hasta - repartido;
    repartido = hasta;
  }
  return partes;
}

}  // namespace stock
