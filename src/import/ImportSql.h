#pragma once
// The texts the import sends: its statements, blank for blank as the suite
// writes them (text literals double their apostrophes), and the connection
// strings of its sources.
#include <QString>

namespace importacion {
struct ClienteDeOrigen;
}

namespace importacion::sql {

// ---- Entry numbering and checks.
QString ObtieneNroAsiento(int Mes, int Periodo, const QString& TipoReg);
QString ExisteComprobante(const QString& TC, const QString& IdComprobante);
// `TC` already filled; `Sucursal` already trimmed.
QString ExisteAsientoCliente(const QString& TC, const QString& Sucursal, const QString& Numero, const QString& Letra);

// ---- The run driver.
QString DeshabilitaTriggers();
QString HabilitaTriggers();
QString BorraAsientos();

// ---- A run's hold on the suite database (CorridaExclusiva).
// A row of AUX_ERR as the import writes one, inserted only to be rolled
// back: the database takes writes. `Fecha` as "dd/mm/yy hh:mm".
QString PruebaEscritura(const QString& Fecha, const QString& PC, const QString& Usuario);
// The session's lock on a server database, SQL Server's application lock
// or Oracle's user lock: refused with error 50000 (ORA-20000) while another
// session holds it.
QString TomaBloqueoServidor(bool Oracle);
QString LiberaBloqueoServidor(bool Oracle);
// SQL Server: computer, login and connection time of the other session
// that holds the lock.
QString TitularBloqueoServidor();
// What the database has committed is made durable.
QString AseguraEnDisco();

// ---- Sources. The connection string of a source file by its extension
// (any case): "" for a kind that is not opened.
QString CadenaConexionOrigen(const QString& Extension, const QString& Carpeta, const QString& Ruta);
QString LeeFacturacion();
QString LeeClientes();

// ---- Invoice import. `Fecha` as 'dd/mm/yyyy' text.
QString InsertaDiaCalendario(const QString& Fecha);
QString InsertaCuentaCliente(const QString& Cuenta);

// ---- Fiscal years.
QString LeeEjercicios();
// Periods 0 and 1 with their descriptions and dates.
QString InsertaEjercicio(int Periodo);

// ---- Customer import.
QString CuentaPorCodigo(const QString& Codigo);
QString DatosClientePorCodigo(const QString& Codigo);
QString CuentasDesdePrefijo(const QString& Prefijo);
// The row of AUX_CLIENTES_IMPORTADOS of one customer of a source table.
QString ClienteImportado(const ClienteDeOrigen& Cliente);
// The account `Cuenta` when it holds the customer's name and tax number and
// no row gives it to any customer.
QString CuentaDelClienteSinRecordar(const QString& Cuenta, const ClienteDeOrigen& Cliente);
// Deletes the rows that give the account to a customer; with a customer
// given, to any other customer.
QString OlvidaCuenta(const QString& Cuenta);
QString OlvidaCuenta(const QString& Cuenta, const ClienteDeOrigen& Cliente);

}  // namespace importacion::sql
