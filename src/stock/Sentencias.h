#pragma once
// The statement texts of the stock movements, blank for blank as the suite
// writes them. Texts between apostrophes have their own apostrophes
// doubled; a parameter called a literal arrives already quoted (or NULL).
#include <QString>

namespace stock::sentencia {

// ---- The voucher sign. `TC` filled to 4.
QString TipoDeComprobante(const QString& TC);

// ---- The accounting entry.
QString MotivoStock(const QString& LiteralMotivo);
QString MotivoVenta(const QString& LiteralMotivo);
// `Condicion`: one " idarticulo ='...'" term per article, joined by " OR ".
QString CuentasDeArticulos(const QString& Condicion);
QString CuentaDeArticulo(const QString& LiteralArticulo);
// The voucher's entry line of an account and side; `TC` filled to 4.
QString LineaDeAsiento(const QString& TC, const QString& Sucursal, const QString& Numero, const QString& Letra,
                       const QString& Cuenta, const QString& Lado);
// Adds `Importe` (a number literal) to that line.
QString SumaALineaDeAsiento(const QString& Importe, const QString& TC, const QString& Sucursal, const QString& Numero,
                            const QString& Letra, const QString& Cuenta, const QString& Lado);

// ---- The stock writer. The origin arguments are literals.
QString RecepcionOrdenDeCompra(const QString& TcOrigen, const QString& ComprobanteOrigen, const QString& Fecha);
// `TC` filled to 4.
QString MayorSecuencia(const QString& TC, const QString& IdComprobante);

// ---- Balances. Codes filled to their widths.
QString ControlDelArticulo(const QString& IdArticulo);
QString SaldoDeSeriesYLotes(const QString& IdArticulo);
QString FiltroDeposito(const QString& IdDeposito);
QString FiltroLote(const QString& NroLote);
QString FiltroSerie(const QString& NroSerie);
QString FiltroPosicion(const QString& IdPosicion);
QString SinLote();
QString SinSerie();

}  // namespace stock::sentencia
