// The line the operator stands on, shown in the voucher form's status bar.
#include "numbering/ColumnasGrillas.h"
#include "platform/runtime/Numbers.h"
#include "platform/runtime/StepRunner.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/StatusBar.h"
#include "vouchers/ClsCmnCptes.h"

namespace vouchers {

namespace {

QString Celda(const ui::FlexGrid& grilla, int columna) { return rt::Trim(grilla.TextMatrix(grilla.Row(), columna)); }

QString CodigoYDescripcion(const ui::FlexGrid& grilla) { return Celda(grilla, 0) + QStringLiteral(" - ") + Celda(grilla, 1); }

}  // namespace

void ClsCmnCptes::MuestraDetalleTareas(ui::FlexGrid& MSFlexGrid1, ui::StatusBar& StatB) {
  MuestraDetalle(CodigoYDescripcion(MSFlexGrid1), StatB);
}

void ClsCmnCptes::MuestraDetalleArticulos(ui::FlexGrid& MSFlexGrid2, ui::StatusBar& StatB, int32_t Columna) {
  rt::StepRunner pasos([](const rt::Error&) { return rt::answer::Ignore; });
  pasos.run([&] { MuestraDetalle(CodigoYDescripcion(MSFlexGrid2), StatB, Columna); });
  const int panel = StatB.Panels.IndexOf(QStringLiteral("Stock"));
  if (panel == 0) return;
  pasos.run([&] {
    const double stock = suite::gUtilidades().TextoADoble(Celda(MSFlexGrid2, numbering::articulos::StockDisponible));
    StatB.Panels(panel).Text = QStringLiteral("Stock: ") + rt::NumberText(stock);
  });
}

void ClsCmnCptes::MuestraDetalleOtrosConceptos(ui::FlexGrid& MSFlexGrid3, ui::StatusBar& StatB) {
  MuestraDetalle(Celda(MSFlexGrid3, 0), StatB);
}

void ClsCmnCptes::MuestraDetalle(const QString& Detalle, ui::StatusBar& StatB, int32_t Columna) {
  StatB.Panels(Columna).Text = Detalle;
}

}  // namespace vouchers
