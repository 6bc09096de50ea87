#include "import/ImportSql.h"

#include <QStringBuilder>

#include "data_access/LookupSql.h"
#include "import/CuentaCliente.h"
#include "platform/ado/ConnectionString.h"
#include "platform/runtime/Environment.h"
#include "platform/runtime/Text.h"
#include "platform/suite/Library.h"

namespace importacion::sql {

using data_access::sql::Quoted;

QString ObtieneNroAsiento(int Mes, int Periodo, const QString& TipoReg) {
  const QString tipo = rt::Trim(TipoReg);
  const QString tipos = !tipo.isEmpty() ? QString(QStringLiteral(" AND TIPO_REG = ") % Quoted(tipo))
                                        : QStringLiteral(" AND (TIPO_REG = ") % Quoted(rt::Chr(255) % u"RS") %
                                              QStringLiteral(" OR TIPO_REG = '')");
  return QStringLiteral("SELECT MAX([NUMERO ASIENTO]) AS [NRO_ASIENTO] FROM @ADMIN_MV_ASIENTOS WITH(NOLOCK) "
                        "WHERE MES_OPERATIVO = ") %
         QString::number(Mes) % tipos % QStringLiteral(" AND PERIODO = ") % QString::number(Periodo);
}

QString ExisteComprobante(const QString& TC, const QString& IdComprobante) {
  return QStringLiteral("SELECT * FROM v_mv_cpte  with(nolock)  WHERE tc =") % Quoted(TC) %
         QStringLiteral(" and idcomprobante = ") % Quoted(IdComprobante);
}

QString ExisteAsientoCliente(const QString& TC, const QString& Sucursal, const QString& Numero, const QString& Letra) {
  return QStringLiteral("SELECT * FROM MV_ASIENTOS  with(nolock)  INNER JOIN MA_CUENTAS ON  "
                        "MV_ASIENTOS.CUENTA = MA_CUENTAS.CODIGO  WHERE MA_CUENTAS.TipoVista = 'CL' AND TC = ") %
         Quoted(TC) % QStringLiteral(" AND SUCURSAL = ") % Quoted(Sucursal) % QStringLiteral(" AND NUMERO = ") %
         Quoted(Numero) % QStringLiteral(" AND LETRA = ") % Quoted(Letra);
}

QString DeshabilitaTriggers() { return QStringLiteral("ALTER TABLE MV_ASIENTOS DISABLE TRIGGER ALL"); }
QString HabilitaTriggers() { return QStringLiteral("ALTER TABLE MV_ASIENTOS ENABLE TRIGGER ALL"); }
QString BorraAsientos() { return QStringLiteral("DELETE MV_ASIENTOS"); }

QString CadenaConexionOrigen(const QString& Extension, const QString& Carpeta, const QString& Ruta) {
  const auto es = [&](const char* tipo) { return rt::EqualsText(Extension, QString::fromLatin1(tipo)); };
  // A ";" in a folder would end the value and open another folder.
  const QString carpeta = ado::ConnectionStringValue(Carpeta), ruta = ado::ConnectionStringValue(Ruta);
  if (es("txt")) return QStringLiteral("DRIVER={Microsoft Text Driver (*.txt; *.csv)};DBQ=") + carpeta + u';';
  if (es("db"))
    return QStringLiteral("DRIVER=SQLite3 ODBC Driver;Database=") + ruta +
           QStringLiteral(";LongNames=0;Timeout=1000;NoTXN=0;SyncPragma=NORMAL;StepAPI=0;");
  if (es("xls"))
    return QStringLiteral("Driver={Microsoft Excel Driver (*.xls)};DriverId=790;Dbq=") + ruta +
           QStringLiteral(";DefaultDir=") + carpeta + u';';
  if (es("dbf"))
    return QStringLiteral("Provider=vfpoledb.1;Data Source=") +
           ado::ConnectionStringValue(suite::gUtilidades().NormalizaCarpeta(Carpeta)) +
           QStringLiteral(";Collating Sequence=general");
  // The password of a Jet source is always empty.
  if (es("mdb"))
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + ruta +
           QStringLiteral(";Jet OLEDB:Database Password=;");
  return QString();
}

namespace {
// The lock, the same for every program instance: SQL Server's resource,
// Oracle's lock number.
const QString kBloqueo = QStringLiteral("'importar_tavernix'");
const QString kBloqueoOracle = QStringLiteral("7148");
const QString kOcupado = QStringLiteral("'Otra importacion esta grabando en esta base de datos.'");
}  // namespace

QString PruebaEscritura(const QString& Fecha, const QString& PC, const QString& Usuario) {
  return QStringLiteral("INSERT INTO AUX_ERR (Proceso,Fecha,Error,Descripcion,SQL,PC,Usuario) VALUES (") %
         Quoted(rt::ExecutableName()) % u',' % Quoted(Fecha) % QStringLiteral(",0,'','',") % Quoted(PC) % u',' %
         Quoted(Usuario) % u')';
}

QString TomaBloqueoServidor(bool Oracle) {
  if (Oracle)
    return QStringLiteral("DECLARE r INTEGER; BEGIN r := DBMS_LOCK.REQUEST(id => ") % kBloqueoOracle %
           QStringLiteral(", lockmode => DBMS_LOCK.X_MODE, timeout => 0, release_on_commit => FALSE); "
                          "IF r NOT IN (0, 4) THEN RAISE_APPLICATION_ERROR(-20000, ") %
           kOcupado % QStringLiteral("); END IF; END;");
  return QStringLiteral("DECLARE @Resultado int\r\nEXEC @Resultado = sp_getapplock @Resource = ") % kBloqueo %
         QStringLiteral(", @LockMode = 'Exclusive', @LockOwner = 'Session', @LockTimeout = 0\r\n"
                        "IF @Resultado < 0 RAISERROR(") %
         kOcupado % QStringLiteral(", 16, 1)");
}

QString LiberaBloqueoServidor(bool Oracle) {
  if (Oracle)
    return QStringLiteral("DECLARE r INTEGER; BEGIN r := DBMS_LOCK.RELEASE(id => ") % kBloqueoOracle %
           QStringLiteral("); END;");
  return QStringLiteral("EXEC sp_releaseapplock @Resource = ") % kBloqueo % QStringLiteral(", @LockOwner = 'Session'");
}

QString TitularBloqueoServidor() {
  return QStringLiteral("SELECT TOP 1 s.host_name, s.login_name, s.login_time FROM sys.dm_tran_locks l "
                        "INNER JOIN sys.dm_exec_sessions s ON s.session_id = l.request_session_id "
                        "WHERE l.resource_type = 'APPLICATION' AND l.request_owner_type = 'SESSION' "
                        "AND l.resource_description LIKE '%importar_tavernix%' AND l.request_session_id <> @@SPID");
}

QString AseguraEnDisco() { return QStringLiteral("CHECKPOINT"); }

QString LeeFacturacion() { return QStringLiteral("Select * from TXFAC "); }
QString LeeClientes() { return QStringLiteral("Select * from TXCLI "); }

QString InsertaDiaCalendario(const QString& Fecha) {
  const QString fecha = Quoted(Fecha);
  return QStringLiteral(" if not exists (select fecha from ma_calendario where fecha=") % fecha %
         QStringLiteral(") insert into ma_calendario (fecha,nolaborable) values(") % fecha % QStringLiteral(",0)");
}

QString InsertaCuentaCliente(const QString& Cuenta) {
  return QStringLiteral("INSERT INTO MA_CUENTAS (CODIGO,DESCRIPCION) VALUES(") + Quoted(rt::Trim(Cuenta)) +
         QStringLiteral(",'Completar')");
}

QString LeeEjercicios() { return QStringLiteral("SELECT * FROM MV_EJERCICIOS "); }

QString InsertaEjercicio(int Periodo) {
  const QString head =
      QStringLiteral("INSERT INTO MV_EJERCICIOS (PERIODO,DESCRIPCION,[FECHA DESDE],[FECHA HASTA]) VALUES(");
  if (Periodo == 0) return head + QStringLiteral("0,'Ejercicio Anterior','01/01/1994','30/06/2005')");
  return head + QStringLiteral("1,'Ejercicio 2005-2006','01/07/2005','30/06/2006')");
}

QString CuentaPorCodigo(const QString& Codigo) {
  return QStringLiteral("Select * from MA_CUENTAS where Codigo = ") + Quoted(rt::Trim(Codigo));
}

QString DatosClientePorCodigo(const QString& Codigo) {
  return QStringLiteral("Select * from MA_CUENTASADIC where Codigo = ") + Quoted(rt::Trim(Codigo));
}

QString CuentasDesdePrefijo(const QString& Prefijo) {
  const QString prefijo = rt::Trim(Prefijo);
  return QStringLiteral("select * from ma_cuentas where substring(codigo,1,") + QString::number(prefijo.size()) +
         QStringLiteral(") >= ") + Quoted(Prefijo) + QStringLiteral(" order by codigo");
}

namespace {
QString esCliente(const ClienteDeOrigen& Cliente) {
  return QStringLiteral("Archivo = ") % Quoted(Cliente.Archivo) % QStringLiteral(" AND Codigo = ") %
         Quoted(Cliente.Codigo) % QStringLiteral(" AND Nombre = ") % Quoted(Cliente.Nombre) %
         QStringLiteral(" AND Cuit = ") % Quoted(Cliente.Cuit) % QStringLiteral(" AND OrdenEntreRecordados = ") %
         QString::number(Cliente.OrdenEntreRecordados);
}
}  // namespace

QString ClienteImportado(const ClienteDeOrigen& Cliente) {
  return QStringLiteral("SELECT * FROM AUX_CLIENTES_IMPORTADOS WHERE ") % esCliente(Cliente);
}

QString CuentaDelClienteSinRecordar(const QString& Cuenta, const ClienteDeOrigen& Cliente) {
  return QStringLiteral("SELECT c.CODIGO FROM MA_CUENTAS c JOIN MA_CUENTASADIC a ON a.Codigo = c.CODIGO "
                        "WHERE c.CODIGO = ") %
         Quoted(rt::Trim(Cuenta)) % QStringLiteral(" AND c.DESCRIPCION = ") % Quoted(Cliente.Nombre) %
         QStringLiteral(" AND a.NUMERO_DOCUMENTO = ") % Quoted(Cliente.Cuit) %
         QStringLiteral(" AND NOT EXISTS (SELECT 1 FROM AUX_CLIENTES_IMPORTADOS i WHERE i.Cuenta = c.CODIGO)");
}

QString OlvidaCuenta(const QString& Cuenta) {
  return QStringLiteral("DELETE FROM AUX_CLIENTES_IMPORTADOS WHERE Cuenta = ") % Quoted(rt::Trim(Cuenta));
}

QString OlvidaCuenta(const QString& Cuenta, const ClienteDeOrigen& Cliente) {
  return OlvidaCuenta(Cuenta) % QStringLiteral(" AND NOT (") % esCliente(Cliente) % u')';
}

}  // namespace importacion::sql
