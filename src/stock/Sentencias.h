#pragma once
// The statement texts of the stock movements, blank for blank as the suite
// writes them. Texts between apostrophes have their own apostrophes
// doubled; a parameter called a literal arrives already quoted (or NULL).
#include <QString>
#include <cstdint>

namespace stock::sentencia {

// ---- The voucher sign. `TC` filled to 4.
QString TipoDeComprobante(const QString& TC);

// ---- The accounting entry.
QString MotivoStock(const QString& LiteralMotivo);
QString MotivoVenta(const QString& LiteralMotivo);
// `Condicion`: one " idarticulo ='...'" term per article, joined by " OR ".
QString CuentasDeArticulos(const QString& Condicion);
QString CuentaDeArticulo(const QString& LiteralArticulo);
// One line of the entry being written: its number within its series (month,
// period, register type), account and side. Numbers run per series, so all
// of them tell the line.
struct LineaDeEntrada {
  int32_t Asiento = 0;
  int Mes = 0;
  int Periodo = 0;
  QString TipoReg;
  QString Cuenta;
  QString Lado;  // "D" or "H"
};
// The voucher's line of that entry, account and side; `TC` filled to 4.
QString LineaDeAsiento(const QString& TC, const QString& Sucursal, const QString& Numero, const QString& Letra,
                       const LineaDeEntrada& linea);
// Adds `Importe` (a number literal) to that line.
QString SumaALineaDeAsiento(const QString& Importe, const QString& TC, const QString& Sucursal, const QString& Numero,
                            const QString& Letra, const LineaDeEntrada& linea);

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
