#pragma once
// The merge of equal article lines in a timber-yard sales load: the line
// just loaded (the grid's last row) joins the first earlier row of the same
// article, unit, thickness, width and amount per price unit (columns 0, 5,
// 3, 4 and 13, trimmed, in any case), and its own row goes. Quantities and
// totals add up (columns 7, 10, 15, 18 and the quantity still to apply,
// 23); the coefficient, price, cost, taxes and ITC amount become the
// averages weighted by the two quantities, the amounts exact to four places
// (columns 8, 14, 38, 40, 93; 17 takes the price, 84 the coefficient); the
// units columns of the merged row are worked out again. Every other cell
// keeps the earlier row's value.
//
// Never merged: rows that carry lots or serials (columns 21 and 22), whose
// lists a merge would lose, and two rows whose quantities add up to 0. The
// earlier rows are found through an index kept for the whole load, so a
// voucher merges in time linear in its lines.
#include <QHash>
#include <QString>

#include "vouchers/PasosCarga.h"

namespace ui {
class FlexGrid;
}

namespace vouchers::carga {

class ConsolidacionArticulos {
 public:
  explicit ConsolidacionArticulos(PasosCarga& pasos) : pasos_(pasos) {}

  // Merges the grid's last row as above and drops it: true then. The first
  // call indexes the rows the grid held before; every later call expects
  // the rows above the last one unchanged since.
  bool ConsolidaFilaArticulo(ui::FlexGrid& MSFlexGrid2);

 private:
  void indexa(const ui::FlexGrid& grilla, int hasta);
  void fusiona(ui::FlexGrid& grilla, int i, int L);

  PasosCarga& pasos_;
  bool indexada_ = false;
  // The first row that can take a merge, by its merge key.
  QHash<QString, int> filas_;
};

}  // namespace vouchers::carga
