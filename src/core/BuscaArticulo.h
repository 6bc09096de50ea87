#pragma once
// The article search of the program: an article reference becomes a row of
// the article view V_MA_ARTICULOS. The reference may be the article code, a
// barcode, the DUN, one of the four alternative barcodes, a supplier's
// article number in a purchase price list or the supplier's own code, and
// may open with a quantity and "*" ("3*ABC"). A scale barcode (13 digits
// starting "2", or 14 starting "-2" for a return) is read by the mask
// gCore().gMascaraBalanza, one of twelve ("0CCCCCQQQQQ": a skipped digit,
// five of article code, five of quantity), and its value divided by 10 to
// gDecimalesBalanza (0 to 4; any other number reads no scale barcode).
#include <QString>

#include "platform/ado/Recordset.h"
#include "platform/runtime/Currency.h"

namespace core {

// True when a row was found. `Lrcs` is left on the row of the last
// statement run (opened forward-only and read-only with `SoloLectura`,
// dynamic and updatable without it) and stays open in the caller's hands.
//   Codigo          in: the reference; out: the article's IdArticulo, or the
//                   reference as the quantity prefix left it
//   EsCodigoBarra   try the barcode before the article code; a reference of
//                   three characters or fewer sets it false
//   Descripcion     out: the article's description (unchanged when none)
//   CuentaProveedor a supplier account: the supplier lookups run when blank
//                   ones found nothing; blank: none
//   UdBase          out: the unit of the last statement that found a row
//   IdLista         a purchase price list, for the supplier's number
//   Cantidad        out: the quantity of the prefix or the scale barcode
//   Importe         out: the amount of a scale barcode that carries one
// A blank reference is not found and looks nothing up; `Lrcs` comes back
// open and empty, as after a lookup that found nothing. A prefix that is no
// number ("TORN*10") leaves the reference whole, with Cantidad 0. Errors of
// the statements are reported by the service.
bool BuscaArticuloPorCodigo(QString& Codigo, ado::Recordset& Lrcs, bool SoloLectura, bool& EsCodigoBarra,
                            QString& Descripcion, const QString& CuentaProveedor, QString& UdBase,
                            const QString& IdLista, double& Cantidad, rt::Currency& Importe);

}  // namespace core
