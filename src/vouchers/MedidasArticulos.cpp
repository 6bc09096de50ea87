// The measures of a timber-yard sales line: whether the article is sold by
// measures (thickness, width and, for strips, the length), the cells that do
// not apply shown white, the price unit and the amount per price unit; then
// the merge of the line into an equal earlier row.
#include "core/CoreState.h"
#include "core/Formatting.h"
#include "data_access/DataAccessState.h"
#include "numbering/ColumnasGrillas.h"
#include "platform/runtime/Text.h"
#include "platform/ui/Colors.h"
#include "vouchers/CargaComprobante.h"

namespace vouchers::carga {

namespace a = numbering::articulos;

void CargaComprobante::medidas() {
  ui::FlexGrid& g = a_.MSFlexGrid2;
  const auto blanquea = [&](int columna) {
    pasos_([&] {
      g.setCol(columna);
      g.setRow(fila(g));
      g.setCellForeColor(ui::color::White);
    });
  };
  bool pideMedidas = false;
  pasos_([&] {
    QString pide =
        rt::Trim(data_access::gDB()
                     .DatosTabla(QStringLiteral("V_MA_ARTICULOS"), valor(articulos_, "IdArticulo").toStringOrEmpty(),
                                 QStringLiteral("PIDEMEDIDAS"), QStringLiteral("IDARTICULO"), 8)
                     .toStringOrEmpty());
    if (pide.isEmpty()) pide = QStringLiteral("FALSO");
    pideMedidas = core::ValorLogico(pide, true);
  });
  escribe(g, a::PideMedidas, [&] { return pideMedidas ? QStringLiteral("1") : QStringLiteral("0"); });
  if (pideMedidas) {
    copia(g, a::Espesor, articulos_, "ESPESOR");
    copia(g, a::Ancho, articulos_, "Ancho");
    copia(g, a::IdUnidadCopia, articulos_, "IdUnidad");
    bool tiras = false;
    pasos_([&] { tiras = rt::EqualsText(rt::Trim(g.TextMatrix(fila(g), a::IdUnidad)), core::gCore().gMadTiras); });
    if (tiras)
      copia(g, a::Coeficiente, articulos_, "Equiv_UDBase");
    else
      blanquea(a::Coeficiente);
  } else {
    for (int columna : {a::Espesor, a::Ancho, a::Coeficiente}) blanquea(columna);
  }
  copia(g, a::UdPrecio, articulos_, "Ud_Pr");
  escribe(g, a::ImporteUd, [&] { return convertido(articulos_, "Importe_Ud"); });
  consolidacion_.ConsolidaFilaArticulo(g);
}

}  // namespace vouchers::carga
