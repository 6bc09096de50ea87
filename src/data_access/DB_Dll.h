#pragma once
// The program's one database service: connection settings and the
// connection, statements and recordsets, lookups and SQL literals, schema
// helpers, the per-user synonym and Oracle rewrites, and the error dialog
// with its log. The shared instance is gDB() (DataAccessState.h).
//
// Optional arguments: a default argument plays "omitted"; where omitted and
// empty differ, the argument is a std::optional or a pointer (nullptr or
// std::nullopt is "omitted").
#include <QString>
#include <optional>

#include "platform/ado/Connection.h"
#include "platform/ado/Recordset.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Variant.h"
#include "platform/suite/DialogoArchivo.h"
#include "platform/suite/Utilidades.h"

namespace data_access {

class DB_Dll {
 public:
  DB_Dll();
  ~DB_Dll();
  DB_Dll(const DB_Dll&) = delete;
  DB_Dll& operator=(const DB_Dll&) = delete;

  // ---- Settings and state, in the suite's order.
  suite::DialogoArchivo CmdDlg;  // chooses a Jet database file
  bool gOpenFlag = false;          // the last open (or login dialog) succeeded
  rt::Variant gIgnoraPassWord;     // a Jet password retry uses gUserPassWord
  ado::Connection gCnn;
  ado::Recordset glrcs;            // held for callers
  rt::Variant gCursorLocation;     // held for callers
  QString gProveedor;
  QString gDsn;                    // held for callers
  QString gServidor;               // a "#" in it selects Oracle
  QString gDBName;                 // database, Oracle data source or Jet file
  QString gUsuario;
  bool gEsAdmin = false;           // switches the per-user synonyms off
  QString gUserPassWord;
  QString gConnString;             // the string of the last open
  QString gExtended;               // appended to SQL Server and Jet strings
  QString gLogErr;                 // error log file; blank: the default one
  bool ParametrosSQL = false;      // held for callers
  int gVXTimeOut = 0;              // held for callers

  static QString pJETOLEDB40() { return QStringLiteral("Microsoft.Jet.OLEDB.4.0"); }
  static QString pJETOLEDB35() { return QStringLiteral("Microsoft.Jet.OLEDB.3.51"); }
  static QString pSQLOLEDB() { return QStringLiteral("SQLOLEDB"); }
  rt::Variant ArchivoErrores() const { return rt::Variant(gLogErr); }
  void setArchivoErrores(const rt::Variant& archivo) { gLogErr = archivo.toString(); }

  // ---- Connection. The outcome is gOpenFlag (and gEsAdmin).
  void OpenServerADODB(bool PideParametrosSQL = false, int lCursor = 3, const QString& ConnString = QString(),
                       bool ValidaAdmin = true, bool MuestraError = true);
  // Reopens gCnn on its own string after a lost connection; the command
  // time-out stays at 5 seconds afterwards.
  void ReintentaConectar();
  void OpenLocalADODB(const QString& ConnString = QString(), const QString& CadenaID = QStringLiteral("User Id"),
                      const QString& CadenaPWD = QStringLiteral("Password"));

  // ---- Statements and recordsets. Statements are rewritten in place.
  // Errors never reach the caller: unexpected ones are shown, all stay in
  // gCnn.Errors() for the caller to inspect. Without AvisaFalloDeLaBase a
  // failure of the database itself (ado::IsDatabaseFailure) is not shown
  // either: the caller tells it, with what it was doing.
  void EjecutaConsultaSQL(QString& SentenciaSQL, long* RecordsAffected = nullptr, ado::Recordset* Lrcs = nullptr,
                          bool AvisaFalloDeLaBase = true);
  void EjecutaConsultaSQL(const QString& SentenciaSQL, long* RecordsAffected = nullptr,
                          ado::Recordset* Lrcs = nullptr, bool AvisaFalloDeLaBase = true);
  // Conexionactiva nullptr: gCnn. A failure that lost gCnn's link (the
  // failure's own entries are of the connection class) reconnects and opens
  // again, up to twice, unless a transaction is open on gCnn; any other
  // failure goes to the error dialog.
  void AbrirRecordset(QString& SentenciaSQL, ado::Recordset& Lrcs, ado::Connection* Conexionactiva = nullptr,
                      int CursorType = ado::adOpenForwardOnly, int LockType = ado::adLockReadOnly, long Options = -1,
                      bool ConvOracle = true);
  void AbrirRecordset(const QString& SentenciaSQL, ado::Recordset& Lrcs, ado::Connection* Conexionactiva = nullptr,
                      int CursorType = ado::adOpenForwardOnly, int LockType = ado::adLockReadOnly, long Options = -1,
                      bool ConvOracle = true);
  void CierraRecordset(ado::Recordset& LrcsTemp);

  // ---- Error dialog: shows the error, logs the answer and returns it
  // (4 retry, 5 go on, other leave); 0 for error number 0.
  int TratamientoErrores(const rt::Error& CodErr, std::optional<int> Botones = std::nullopt,
                         const std::optional<QString>& Rutina = std::nullopt);

  // ---- Lookups and literals. Type codes are ADO's: 8 text, 7 date, 3/4/5
  // numbers. An omitted condition of BuscaMaximo/BuscaMinimo is nullopt.
  rt::Variant BuscaMaximo(const QString& QueTabla, const QString& QueCampo, const rt::Variant& Tipo = rt::Variant(),
                          const std::optional<QString>& Condicion = std::nullopt);
  rt::Variant BuscaMinimo(const QString& QueTabla, const QString& QueCampo, const rt::Variant& Tipo = rt::Variant(),
                          const std::optional<QString>& Condicion = std::nullopt);
  // Lrcs nullptr: a recordset of the method's own; given, it stays open on
  // the row found.
  bool ExisteEnTablaST(const QString& Tabla, const QString& ValorBuscado, const QString& Campo = QStringLiteral("Codigo"),
                       ado::Recordset* Lrcs = nullptr, const rt::Variant& Tipodato = 8,
                       const QString& Condicion = QString(), bool SoloLectura = false);
  bool ExisteEnTabla(const QString& Tabla, const QString& ValorBuscado, const QString& Campo = QStringLiteral("Codigo"),
                     ado::Recordset* Lrcs = nullptr, const rt::Variant& Tipodato = 8,
                     const QString& Condicion = QString(), bool SoloLectura = true);
  // A text ("" when no row), or Empty when the connection is down.
  rt::Variant DatosTabla(const QString& Tabla, const QString& ValorBuscado, const QString& CampoDevuelto,
                         const QString& Campo = QStringLiteral("Codigo"), const rt::Variant& Tipodato = 8,
                         const QString& Condicion = QString(), bool UsaTrim = true, bool IgnoraError = false);
  void QConsulta(const QString& TB, double Rsp, const QString& Cl1, const QString& Cl2,
                 const QString& CmpDisplay = QStringLiteral("Codigo"), const rt::Variant& SQLWHERE = rt::Variant());
  void QGridConsulta(const QString& Sentencia, const QString& CampoDevuelto1, const QString& gCnnString,
                     const rt::Variant& CampoDevuelto2 = rt::Variant(), const rt::Variant& CampoDevuelto3 = rt::Variant());
  rt::Variant BuscaUltimoCodigo(const QString& QueTabla, const QString& QueCampo, const rt::Variant& Tipo = 8,
                                const QString& Condicion = QString());
  // Tipo "'" quoted text, "@" number, anything else as is; Null gives NULL
  // (0 for "@").
  static QString SQLValue(const rt::Variant& Valor, const QString& Tipo = QStringLiteral("'"));

  // ---- Schema helpers, type classes and object names.
  static bool adodate(const rt::Variant& Qtype);
  static QString ADOComilla(const rt::Variant& Qtype);
  static bool ADOText(const rt::Variant& Qtype);
  static bool ADONumeric(const rt::Variant& Qtype);
  static bool ADOCurrency(const rt::Variant& Qtype);
  static bool ADOBoolean(const rt::Variant& Qtype);
  static QString stSTF(QString& rsName, int rnPart);
  static QString AddBrackets(const QString& rObjName);
  static QString StripConnect(const QString& rsTblName);
  static QString StripBrackets(const QString& rsObjName);
  static QString StripOwner(QString& rsTblName);
  static QString StripFileName(const QString& rsFileName);
  void AddField(const QString& Tabla, const QString& Campo, const QString& Tipo, bool PermiteNulos,
                const std::optional<rt::Variant>& ValorDefault = std::nullopt);
  bool ExisteTablaDB(const QString& Tabla);
  bool ExisteCampoDB(const QString& Tabla, const QString& Campo);
  bool VerCampoDB(const QString& Tabla, const QString& Campo, bool Agregar = true, const QString& Tipo = QString(),
                  bool PermiteNulos = false, const std::optional<rt::Variant>& ValorDefault = std::nullopt);

  // ---- Rewrites: per-user synonyms and the Oracle dialect.
  QString SS_TSinonimos(const QString& SQL) const;
  QString ORACLE_Dicc(const QString& Valor) const;

 private:
  // The login dialog; false (and gOpenFlag False) when cancelled.
  bool MuestraAcceso();
  // The SQL Server or Oracle string of the settings. Every value goes in
  // through the connection-string value writer: a plain one stands as it
  // is, one holding ";" (a folder, a password) is braced, so it can neither
  // end early nor add items.
  void ArmaCadenaConexion();
  void EjecutaScriptOracle(QString& Script, long& RecordsAffected);

  suite::Utilidades utilidades_;
};

}  // namespace data_access
