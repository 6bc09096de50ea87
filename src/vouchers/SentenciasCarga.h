#pragma once
// The statement texts of the voucher loader, blank for blank as the suite
// writes them. Every text between apostrophes has its own apostrophes
// doubled; a sales complement goes in bare only when it is a whole number.
#include <QString>

namespace vouchers::sentencia {

// The complement of a sales voucher in a condition: a whole number bare, as
// the suite writes it ("0"); any other text (an empty one, a supplier
// account, a number with leading zeros) as a quoted literal.
QString Complemento(const QString& IdComplemento);

// The WHERE clause of a voucher's four tables: its type (four wide), number,
// and complement (sales) or supplier account (purchases, `Compras`).
QString CondicionComprobante(const QString& TC, const QString& SucNroLetra, const QString& IdComplemento, bool Compras,
                             const QString& Proveedor);

// The voucher's header, tasks (with the caller's extra condition), articles
// (by PALLETS for orders, NP) and other-concept observations; `prefijo` is
// "V_" or "C_".
QString CabeceraComprobante(const QString& prefijo, const QString& condicion);
QString TareasComprobante(const QString& prefijo, const QString& condicion, const QString& WhrTareas);
QString ArticulosComprobante(const QString& prefijo, const QString& condicion, bool PorPallets);
QString OtrosConceptosComprobante(const QString& prefijo, const QString& condicion);

// What later vouchers applied of an article of a delivery note or order of
// the type `TC` (four wide).
QString CantidadAplicada(const QString& TC, const QString& SucNroLetra, const QString& IdArticulo);
// The quantity of an article a voucher holds, and what its stock movements
// delivered of it; `TC` as the caller gives it.
QString CantidadPedida(const QString& TC, const QString& SucNroLetra, const QString& IdArticulo);
QString CantidadEntregada(const QString& TC, const QString& SucNroLetra, const QString& IdArticulo);

// Whether a sales price list quotes the article with VAT included.
QString ListaConIva(const QString& IdArticulo, const QString& IdLista);

}  // namespace vouchers::sentencia
