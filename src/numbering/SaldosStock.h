#pragma once
// Stock balances by unit, and the fixed-unit columns of a voucher's
// articles grid.
#include <QString>

namespace ui {
class FlexGrid;
}

namespace numbering {

// The balance of the article in the unit and deposit; a blank deposit sums
// every deposit. With gUsaStkStockUdKg set the balance comes from
// STK_STOCK_UDKG, which has no unit. No balance row gives 0; a blank
// article leaves `Stock` as it was.
void ControlStock(const QString& IdDeposito, const QString& IdArticulo, const QString& IdUnidad, double& Stock);

// Fills columns 62, 63 and 64 of the grid's current row with the line's
// quantity in the units gUnidadMedidaM3, gUnidadMedidaBL and
// gUnidadMedidaKG: the base-unit quantity (column 10) where the base unit
// (column 9) is that unit, otherwise the line's quantity (column 7, in the
// unit of column 5) converted, 0 without equivalence.
void CalculaUnidadesGrilla(ui::FlexGrid& MSFlexGrid2);

}  // namespace numbering
