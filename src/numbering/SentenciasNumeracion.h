#pragma once
// The statement texts of voucher numbering, blank for blank as the suite
// writes them. Texts between apostrophes have their own apostrophes
// doubled; codes arrive already filled to their width.
#include <QString>

namespace numbering::sentencia {

// ---- Entries and journals.
QString AsientoDelComprobante(const QString& TC, const QString& Sucursal, const QString& Numero,
                              const QString& Letra, const QString& Cuenta, bool SinBloqueo);
QString SubdiarioDelComprobante(const QString& TC);
QString Subdiario(const QString& Codigo);

// ---- The book choice. The branch filter is "" or FiltroSucursal.
QString FiltroSucursal(const QString& Sucursal);
QString TalonariosDeSucursal(const QString& Codigo, const QString& Filtro);
QString Talonarios(const QString& Codigo, const QString& Filtro);
QString TalonariosDeUnidad(const QString& Codigo, const QString& UNegocio, const QString& Filtro);
QString TalonariosSinFiltro(const QString& Codigo);

// ---- Number check and recording.
QString TalonariosDeLaLetra(const QString& Codigo, const QString& Letra, const QString& Sucursal);
QString TalonarioVerificado(const QString& Codigo, int Talonario);
QString TalonarioARegistrar(const QString& Codigo, int Talonario);
QString TalonarioDelSistema(const QString& Codigo, const QString& Sistema, int Talonario);
QString ComprobanteConfigurado(const QString& Codigo);
QString AvanzaContador(const QString& Codigo, const QString& Letra, const QString& Numero, int Talonario);
QString AvanzaContadorDelSistema(const QString& Codigo, const QString& Sistema, const QString& Letra,
                                 const QString& Numero, int Talonario);
// Opened and closed by CR LF.
QString ControlDeNumero(const QString& Codigo, const QString& Sucursal, const QString& Numero, const QString& Letra);

// ---- The next number: a voucher of a table, the highest one of a type,
// branch and letter, and the control row of a free number.
QString ComprobanteEnTabla(const QString& Tabla, const QString& TC, const QString& IdComprobante);
QString UltimoComprobanteEnTabla(const QString& Tabla, const QString& TC, const QString& Sucursal,
                                 const QString& Letra);
QString UltimoNumeroDeAsientos(const QString& TC, const QString& Sucursal, const QString& Letra);
QString UltimaOrdenDeCompra(const QString& TC, const QString& Sucursal, const QString& Letra);
QString BorraControlDeNumero(const QString& TC, const QString& Sucursal, const QString& Numero,
                             const QString& Letra);

}  // namespace numbering::sentencia
