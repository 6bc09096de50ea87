#include "vouchers/ConsolidaArticulos.h"

#include "numbering/ColumnasGrillas.h"
#include "numbering/SaldosStock.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/Text.h"
#include "platform/runtime/Variant.h"
#include "platform/suite/Library.h"
#include "platform/ui/FlexGrid.h"

namespace vouchers::carga {

namespace {

namespace a = numbering::articulos;

// The cells that must be equal, in the order they are compared.
constexpr int kClave[] = {a::IdArticulo, a::IdUnidad, a::Espesor, a::Ancho, a::ImporteUd};

QString Clave(const ui::FlexGrid& g, int fila) {
  QString clave;
  for (int columna : kClave) clave += rt::Trim(g.TextMatrix(fila, columna)).toCaseFolded() + QChar(u'\x1f');
  return clave;
}

// A row whose lots or serials a merge would lose.
bool PuedeFusionarse(const ui::FlexGrid& g, int fila) {
  return rt::Trim(g.TextMatrix(fila, a::NroLote)).isEmpty() && rt::Trim(g.TextMatrix(fila, a::NroSerie)).isEmpty();
}

rt::Currency Monto(const ui::FlexGrid& g, int fila, int columna) {
  return suite::gUtilidades().TextoANumero(g.TextMatrix(fila, columna));
}

QString Texto(rt::Currency c) { return rt::Variant(c).toString(); }

}  // namespace

bool ConsolidacionArticulos::ConsolidaFilaArticulo(ui::FlexGrid& MSFlexGrid2) {
  const int L = MSFlexGrid2.Rows() - 1;
  if (!indexada_) {
    indexa(MSFlexGrid2, L);
    indexada_ = true;
  }
  if (!PuedeFusionarse(MSFlexGrid2, L)) return false;
  const QString clave = Clave(MSFlexGrid2, L);
  const auto socio = filas_.constFind(clave);
  if (socio == filas_.cend()) {
    filas_.insert(clave, L);
    return false;
  }
  const int i = *socio;
  bool sumaCero = true;
  if (!pasos_([&] {
        sumaCero = Monto(MSFlexGrid2, i, a::Cantidad) + Monto(MSFlexGrid2, L, a::Cantidad) == rt::Currency();
      }) ||
      sumaCero)
    return false;
  fusiona(MSFlexGrid2, i, L);
  pasos_([&] { MSFlexGrid2.setRows(MSFlexGrid2.Rows() - 1); });
  return true;
}

void ConsolidacionArticulos::indexa(const ui::FlexGrid& grilla, int hasta) {
  for (int fila = 1; fila < hasta; ++fila) {
    if (!PuedeFusionarse(grilla, fila)) continue;
    const QString clave = Clave(grilla, fila);
    if (!filas_.contains(clave)) filas_.insert(clave, fila);
  }
}

void ConsolidacionArticulos::fusiona(ui::FlexGrid& g, int i, int L) {
  suite::Utilidades& util = suite::gUtilidades();
  rt::Currency Qi, QL;
  pasos_([&] {
    Qi = Monto(g, i, a::Cantidad);
    QL = Monto(g, L, a::Cantidad);
  });
  const auto suma = [&](int columna) {
    pasos_([&] { g.setTextMatrix(i, columna, Texto(Monto(g, i, columna) + Monto(g, L, columna))); });
  };
  // The average weighted by the two quantities, exact to four places.
  const auto promedio = [&](int columna) {
    return (Monto(g, i, columna) * Qi + Monto(g, L, columna) * QL) / (Qi + QL);
  };

  pasos_([&] {
    const double qi = util.TextoADoble(g.TextMatrix(i, a::Cantidad));
    const double qL = util.TextoADoble(g.TextMatrix(L, a::Cantidad));
    const double ei = util.TextoADoble(g.TextMatrix(i, a::Coeficiente));
    const double eL = util.TextoADoble(g.TextMatrix(L, a::Coeficiente));
    g.setTextMatrix(i, a::Coeficiente, rt::NumberText((ei * qi + eL * qL) / (qi + qL)));
  });
  pasos_([&] { g.setTextMatrix(i, a::LargoAnt, Texto(Monto(g, i, a::Coeficiente))); });
  suma(a::CantidadEquiv);
  rt::Currency precio;
  pasos_([&] { precio = promedio(a::Importe); });
  suma(a::Cantidad);
  pasos_([&] { g.setTextMatrix(i, a::Importe, Texto(precio)); });
  suma(a::Total);
  for (int columna : {a::Costo, a::Impuestos, a::ITC})
    pasos_([&] { g.setTextMatrix(i, columna, Texto(promedio(columna))); });
  suma(a::TotalConImpuestos);
  pasos_([&] { g.setTextMatrix(i, a::PrecioSinIVA, Texto(precio)); });
  suma(a::RestoPorAplicar);
  pasos_([&] {
    g.setRow(i);
    numbering::CalculaUnidadesGrilla(g);
  });
}

}  // namespace vouchers::carga
