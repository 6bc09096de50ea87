#include "numbering/SentenciasNumeracion.h"

#include "numbering/Letras.h"
#include "numbering/Valores.h"

namespace numbering::sentencia {

namespace {
const QString CRLF = QStringLiteral("\r\n");
}

QString AsientoDelComprobante(const QString& TC, const QString& Sucursal, const QString& Numero,
                              const QString& Letra, const QString& Cuenta, bool SinBloqueo) {
  QString filtroCuenta = Cuenta.isEmpty() ? QString() : " AND CUENTA = '" + Lit(Cuenta) + "'";
  return (SinBloqueo ? QStringLiteral("SELECT * FROM MV_ASIENTOS  with(nolock)  WHERE TC = '")
                     : QStringLiteral("SELECT * FROM MV_ASIENTOS WHERE TC = '")) +
         Lit(TC) + "' AND SUCURSAL = '" + Lit(Sucursal) + "' AND NUMERO = '" + Lit(Numero) + "' AND LETRA = '" +
         Lit(Letra) + "'" + filtroCuenta;
}

QString SubdiarioDelComprobante(const QString& TC) {
  return "SELECT * FROM MA_SUBDIARIOSCOMPROBANTES  with(nolock)  WHERE TC = '" + Lit(TC) + "'";
}

QString Subdiario(const QString& Codigo) {
  return "SELECT * FROM MA_SUBDIARIOS  with(nolock)  WHERE CODIGO = '" + Lit(Codigo) + "'";
}

QString FiltroSucursal(const QString& Sucursal) { return " AND A_SUC_DEFAULT = '" + Lit(Sucursal) + "'"; }

QString TalonariosDeSucursal(const QString& Codigo, const QString& Filtro) {
  return "SELECT * FROM V_TA_CPTE  WHERE CODIGO = '" + Lit(Codigo) + "' " + Filtro;
}

QString Talonarios(const QString& Codigo, const QString& Filtro) {
  return "SELECT * FROM V_TA_CPTE   WHERE CODIGO = '" + Lit(Codigo) + "'" + Filtro + " ORDER BY TALONARIO";
}

QString TalonariosDeUnidad(const QString& Codigo, const QString& UNegocio, const QString& Filtro) {
  return "SELECT * FROM V_TA_CPTE WHERE  CODIGO = '" + Lit(Codigo) + "' AND UNEGOCIO = '" + Lit(UNegocio) + "'" +
         Filtro + "  ORDER BY TALONARIO";
}

QString TalonariosSinFiltro(const QString& Codigo) {
  return "SELECT * FROM V_TA_CPTE  WHERE CODIGO = '" + Lit(Codigo) + "' ORDER BY TALONARIO";
}

QString TalonariosDeLaLetra(const QString& Codigo, const QString& Letra, const QString& Sucursal) {
  return "Select * from v_ta_cpte  with(nolock)  where codigo = '" + Lit(Codigo) + "' and " +
         Columna(Letra, "_SUC_DEFAULT") + " = " + Sucursal;
}

QString TalonarioVerificado(const QString& Codigo, int Talonario) {
  return "SELECT * FROM V_TA_CPTE  with(nolock)  WHERE CODIGO = '" + Lit(Codigo) +
         "' and Talonario = " + QString::number(Talonario);
}

QString TalonarioARegistrar(const QString& Codigo, int Talonario) {
  return "SELECT * FROM V_TA_CPTE  with(nolock)  WHERE CODIGO = '" + Lit(Codigo) +
         "' AND TALONARIO =" + QString::number(Talonario);
}

QString TalonarioDelSistema(const QString& Codigo, const QString& Sistema, int Talonario) {
  return "SELECT * FROM TA_Comprobantes WHERE CODIGO = '" + Lit(Codigo) + "' AND SISTEMA = '" + Lit(Sistema) +
         "' AND TALONARIO = " + QString::number(Talonario);
}

QString ComprobanteConfigurado(const QString& Codigo) {
  return "SELECT * FROM V_TA_CPTE  with(nolock)  WHERE CODIGO = '" + Lit(Codigo) + "'";
}

QString AvanzaContador(const QString& Codigo, const QString& Letra, const QString& Numero, int Talonario) {
  return " UPDATE V_TA_CPTE SET " + Columna(Letra, "_ULTIMO_NRO") + " = " + Numero + " WHERE CODIGO = '" +
         Lit(Codigo) + "' AND TALONARIO=" + QString::number(Talonario);
}

QString AvanzaContadorDelSistema(const QString& Codigo, const QString& Sistema, const QString& Letra,
                                 const QString& Numero, int Talonario) {
  return " UPDATE TA_Comprobantes SET " + Columna(Letra, "_ULTIMO_NRO") + " = " + Numero + " WHERE CODIGO = '" +
         Lit(Codigo) + "' AND SISTEMA = '" + Lit(Sistema) + "' AND TALONARIO =" + QString::number(Talonario);
}

QString ControlDeNumero(const QString& Codigo, const QString& Sucursal, const QString& Numero, const QString& Letra) {
  return CRLF + " INSERT INTO V_MV_CTROL_CPTE (TC,SUCURSAL,NUMERO,LETRA) VALUES ('" + Lit(Codigo) + "','" +
         Lit(Sucursal) + "','" + Lit(Numero) + "','" + Lit(Letra) + "')" + CRLF;
}

QString ComprobanteEnTabla(const QString& Tabla, const QString& TC, const QString& IdComprobante) {
  return "SELECT * From " + Tabla + "  with(nolock)  WHERE TC = '" + Lit(TC) + "' AND IDCOMPROBANTE = '" +
         Lit(IdComprobante) + "'";
}

QString UltimoComprobanteEnTabla(const QString& Tabla, const QString& TC, const QString& Sucursal,
                                 const QString& Letra) {
  return "SELECT MAX(idcomprobante) AS ULTIMO From " + Tabla + " WHERE TC = '" + Lit(TC) +
         "' AND SUBSTRING(IDCOMPROBANTE,1,4)= '" + Lit(Sucursal) + "' AND SUBSTRING(IDCOMPROBANTE,13,1) = '" +
         Lit(Letra) + "'";
}

QString UltimoNumeroDeAsientos(const QString& TC, const QString& Sucursal, const QString& Letra) {
  return "SELECT MAX(NUMERO) AS ULTIMO From MV_ASIENTOS with(nolock) WHERE TC = '" + Lit(TC) + "' AND SUCURSAL= '" +
         Lit(Sucursal) + "' AND LETRA = '" + Lit(Letra) + "'";
}

QString UltimaOrdenDeCompra(const QString& TC, const QString& Sucursal, const QString& Letra) {
  return "SELECT MAX(NUMERO) AS ULTIMO From C_MV_CPTE  with(nolock) WHERE TC = '" + Lit(TC) + "' AND SUCURSAL = '" +
         Lit(Sucursal) + "' AND NUMERO < '99999999' AND LETRA = '" + Lit(Letra) + "' ";
}

QString BorraControlDeNumero(const QString& TC, const QString& Sucursal, const QString& Numero,
                             const QString& Letra) {
  return "DELETE V_MV_CTROL_CPTE WHERE TC = '" + Lit(TC) + "' AND SUCURSAL = '" + Lit(Sucursal) + "' AND NUMERO = '" +
         Lit(Numero) + "' AND LETRA = '" + Lit(Letra) + "'";
}

}  // namespace numbering::sentencia
