#pragma once
// The statement texts of the article search, blank for blank as the suite
// writes them. Codes arrive filled to their width; texts between
// apostrophes have their own apostrophes doubled.
#include <QString>
#include <vector>

namespace core::sentencia {

// The lookups of the article view that run in order until one finds a row:
// by barcode or by article code first (as `PorCodigoBarra` says), by
// barcode, by the DUN, by the four alternative barcodes, by article code.
std::vector<QString> ArticuloPorReferencia(const QString& Codigo, bool PorCodigoBarra);

// The supplier's article number in a purchase price list (kind "C").
QString ArticuloEnListaDeCompra(const QString& Codigo, const QString& IdLista);
// The article a price list named.
QString ArticuloDeLaLista(const QString& IdArticulo);
// The supplier's own code of the article.
QString ArticuloPorCodigoDeProveedor(const QString& Codigo, const QString& CuentaProveedor);
// The article view without a row: what a blank reference finds.
QString NingunArticulo();

}  // namespace core::sentencia
