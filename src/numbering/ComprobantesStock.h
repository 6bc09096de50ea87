#pragma once
// Stock vouchers and the production-input discharge: the next free stock
// voucher, an article's lots allotted to a quantity, and its components.
#include <QString>
#include <vector>

namespace numbering {

// One element of a stock-item list: a lot or component code (25
// characters) and a unit (4 characters), both left-aligned and filled with
// blanks, and a quantity.
struct ItemStock {
  ItemStock() = default;
  ItemStock(const QString& codigo, const QString& unidad, double cantidad);

  QString Codigo = QString(25, u' ');
  QString Unidad = QString(4, u' ');
  double Cantidad = 0;
};

// The 13-character identity (branch, number, letter) of the next stock
// voucher of the type: the number the voucher books give for the business
// unit gUNegocio, moved past the highest identity of the type, branch and
// letter in V_MV_STOCK when that one is already used there. "" when a
// failure was reported and the routine left.
QString AsignarNumeroComprobante(const QString& TC, const QString& Sucursal, const QString& Letra);

// True when the article has lots with stock in the deposit. `Items` then
// gets the lots, in lot order, each with the part of `Cantidad` it covers
// until the quantity is reached; a lot list that ends (or fits) before it
// leaves a blank element of 0, and the part no lot covers comes last as a
// blank element. The deposit is a code, or a quoted literal as the stock
// writer holds it; "ELDELGRID" answers False and leaves `Items` alone.
bool ArticuloTieneLotes(const QString& IdArticulo, const QString& IdDeposito, std::vector<ItemStock>& Items,
                        double Cantidad);

// True when the article has components. `Items` gets one element per
// component (code, unit, quantity per unit of the article) and a closing
// blank element.
bool IdArticuloTieneInsumos(const QString& IdArticulo, std::vector<ItemStock>& Items);

}  // namespace numbering
