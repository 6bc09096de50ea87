#include "stock/Sentencias.h"

#include "numbering/Valores.h"

namespace stock::sentencia {

using numbering::Lit;

QString TipoDeComprobante(const QString& TC) {
  return "SELECT * FROM V_TA_CPTE  with(nolock)  WHERE CODIGO='" + Lit(TC) + "'";
}

QString MotivoStock(const QString& LiteralMotivo) {
  return "SELECT CUENTACONTABLE, Descripcion FROM V_TA_MOTIVOSTOCK WHERE IDMOTIVOSTOCK = " + LiteralMotivo;
}

QString MotivoVenta(const QString& LiteralMotivo) {
  return QStringLiteral("SELECT V_TA_MotivoVta.IdMotivoVta, V_TA_MotivoVta.Descripcion, ") +
         QStringLiteral("V_TA_Input_Ventas.COSTO_MERCADERIA ") + QStringLiteral("FROM V_TA_Input_Ventas INNER JOIN ") +
         QStringLiteral("V_TA_MotivoVta ON V_TA_Input_Ventas.IdMotivoVta = V_TA_MotivoVta.IdMotivoVta ") +
         QStringLiteral("WHERE V_TA_MotivoVta.IdMotivoVta = ") + LiteralMotivo;
}

QString CuentasDeArticulos(const QString& Condicion) {
  return QStringLiteral("select cuentacontableC from v_ma_articulos ") + QStringLiteral("where (") + Condicion +
         QStringLiteral(") and not cuentacontableC is null group by cuentacontableC");
}

QString CuentaDeArticulo(const QString& LiteralArticulo) {
  return "select cuentacontableC, costo from v_ma_articulos where idarticulo=" + LiteralArticulo;
}

namespace {
QString CondicionLinea(const QString& TC, const QString& Sucursal, const QString& Numero, const QString& Letra,
                       const LineaDeEntrada& linea) {
  return " WHERE TC = '" + Lit(TC) + "' AND SUCURSAL = '" + Lit(Sucursal) + "' AND NUMERO = '" + Lit(Numero) +
         "' AND LETRA = '" + Lit(Letra) + "' AND [NUMERO ASIENTO] = " + QString::number(linea.Asiento) +
         " AND MES_OPERATIVO = " + QString::number(linea.Mes) + " AND PERIODO = " + QString::number(linea.Periodo) +
         " AND Tipo_Reg = '" + Lit(linea.TipoReg) + "' AND CUENTA = '" + Lit(linea.Cuenta) +
         "' AND [DEBE-HABER] = '" + Lit(linea.Lado) + "'";
}
}  // namespace

QString LineaDeAsiento(const QString& TC, const QString& Sucursal, const QString& Numero, const QString& Letra,
                       const LineaDeEntrada& linea) {
  return "SELECT * FROM MV_ASIENTOS  with(nolock) " + CondicionLinea(TC, Sucursal, Numero, Letra, linea);
}

QString SumaALineaDeAsiento(const QString& Importe, const QString& TC, const QString& Sucursal, const QString& Numero,
                            const QString& Letra, const LineaDeEntrada& linea) {
  return "UPDATE MV_ASIENTOS SET IMPORTE = IMPORTE + " + Importe + CondicionLinea(TC, Sucursal, Numero, Letra, linea);
}

QString RecepcionOrdenDeCompra(const QString& TcOrigen, const QString& ComprobanteOrigen, const QString& Fecha) {
  return "if exists(select * from c_mv_cpte  with(nolock)  where TC=" + TcOrigen + " and IDCOMPROBANTE=" +
         ComprobanteOrigen + " and fecharecepcion is null) " + " UPDATE c_mv_cpte set FechaRecepcion='" + Lit(Fecha) +
         "' where TC=" + TcOrigen + " and IDCOMPROBANTE=" + ComprobanteOrigen;
}

QString MayorSecuencia(const QString& TC, const QString& IdComprobante) {
  return "SELECT MAX(SECUENCIA) AS MAX_SECUENCIA FROM V_MV_STOCK  with(nolock)  WHERE TC = '" + Lit(TC) +
         "' AND IDCOMPROBANTE = '" + Lit(IdComprobante) + "'";
}

QString ControlDelArticulo(const QString& IdArticulo) {
  return "SELECT USASERIE, USALOTE FROM V_MA_ARTICULOS WHERE IDARTICULO = '" + Lit(IdArticulo) + "' ";
}

QString SaldoDeSeriesYLotes(const QString& IdArticulo) {
  return QStringLiteral(" SELECT SUM(CANTIDAD) AS SaldoStock FROM STK_SERIES_Y_LOTES ") + " WHERE IDARTICULO = '" +
         Lit(IdArticulo) + "'";
}

QString FiltroDeposito(const QString& IdDeposito) { return " AND IdDeposito = '" + Lit(IdDeposito) + "' "; }
QString FiltroLote(const QString& NroLote) { return " AND NroLote = '" + Lit(NroLote) + "' "; }
QString FiltroSerie(const QString& NroSerie) { return " AND NroSerie = '" + Lit(NroSerie) + "' "; }
QString FiltroPosicion(const QString& IdPosicion) { return " AND IdPosicion = '" + Lit(IdPosicion) + "' "; }
QString SinLote() { return QStringLiteral(" AND NroLote is NULL "); }
QString SinSerie() { return QStringLiteral(" AND NroSerie is NULL "); }

}  // namespace stock::sentencia
