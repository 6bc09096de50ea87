#include "platform/ado/odbc/OdbcSession.h"

#include <sqlext.h>

#include <algorithm>

#include "platform/ado/Constants.h"
#include "platform/ado/odbc/BaseTable.h"
#include "platform/ado/odbc/Batch.h"
#include "platform/ado/odbc/Diagnostics.h"
#include "platform/ado/odbc/OdbcRowWriter.h"
#include "platform/ado/odbc/OdbcSchema.h"
#include "platform/ado/odbc/Statement.h"
#include "platform/ado/odbc/Wide.h"

namespace ado::odbc {

namespace {

SQLUINTEGER odbcIsolation(long adoLevel) {
  switch (adoLevel) {
    case adXactReadUncommitted: return SQL_TXN_READ_UNCOMMITTED;
    case adXactReadCommitted: return SQL_TXN_READ_COMMITTED;
    case adXactRepeatableRead: return SQL_TXN_REPEATABLE_READ;
    case adXactSerializable: return SQL_TXN_SERIALIZABLE;
    default: return 0;
  }
}

}  // namespace

QString SessionSetting(Dbms dbms) {
  switch (dbms) {
    case Dbms::SqlServer: return QStringLiteral("SET DATEFORMAT dmy");
    case Dbms::Oracle:
      return QStringLiteral("ALTER SESSION SET NLS_DATE_FORMAT = 'DD/MM/RRRR HH24:MI:SS' NLS_NUMERIC_CHARACTERS = '.,' "
                            "NLS_COMP = LINGUISTIC NLS_SORT = BINARY_CI");
    default: return QString();
  }
}

std::unique_ptr<OdbcSession> OdbcSession::connect(const OdbcTarget& target) {
  std::unique_ptr<OdbcSession> session(new OdbcSession(Link::connect(target.connectionString, target.loginTimeoutSeconds)));
  if (const QString setting = SessionSetting(session->link_->dbms()); !setting.isEmpty()) session->execute(setting);
  return session;
}

OdbcSession::~OdbcSession() {
  if (inTransaction_ && link_->isOpen()) SQLEndTran(SQL_HANDLE_DBC, link_->handle(), SQL_ROLLBACK);
  link_->close();
}

provider::ExecuteResult OdbcSession::execute(const QString& sql) { return runBatch(link_->statement(), sql); }

std::unique_ptr<provider::Cursor> OdbcSession::open(const QString& sql) { return execute(sql).rows; }

std::unique_ptr<provider::RowWriter> OdbcSession::writerFor(const QString& sql,
                                                            const std::vector<provider::ColumnInfo>& columns) {
  return OdbcRowWriter::create(link_, sql, columns);
}

std::unique_ptr<provider::Cursor> OdbcSession::schema(int schemaKind, const std::vector<rt::Variant>& restrictions) {
  switch (schemaKind) {
    case adSchemaTables: return tablesSchema(*link_, restrictions);
    case adSchemaColumns: return columnsSchema(*link_, restrictions);
    default:
      throw providerFailure(errnum::NotSupported,
                            QStringLiteral("El proveedor ODBC no ofrece el esquema %1.").arg(schemaKind));
  }
}

void OdbcSession::beginTransaction() {
  if (inTransaction_)
    throw providerFailure(errnum::E_FAIL, QStringLiteral("Ya hay una transacción en curso; no se admiten transacciones anidadas."));
  check(SQLSetConnectAttr(link_->handle(), SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), 0),
        SQL_HANDLE_DBC, link_->handle());
  inTransaction_ = true;
}

void OdbcSession::commitTransaction() { endTransaction(SQL_COMMIT); }

void OdbcSession::rollbackTransaction() { endTransaction(SQL_ROLLBACK); }

// A failed commit leaves the transaction open for a rollback; a rollback
// always ends it (the server rolls back what it cannot finish).
void OdbcSession::endTransaction(SQLSMALLINT completion) {
  if (!inTransaction_) throw providerFailure(errnum::E_FAIL, QStringLiteral("No hay ninguna transacción activa."));
  SQLHDBC dbc = link_->handle();
  if (SQLEndTran(SQL_HANDLE_DBC, dbc, completion) == SQL_ERROR) {
    provider::Failure failure = failureOf(diagnosticRecords(SQL_HANDLE_DBC, dbc));
    if (completion == SQL_ROLLBACK) {
      try {
        leaveTransaction();
      } catch (const provider::Failure&) {
        // the rollback's own failure says more
      }
    }
    throw failure;
  }
  leaveTransaction();
}

void OdbcSession::leaveTransaction() {
  inTransaction_ = false;
  SQLHDBC dbc = link_->handle();
  check(SQLSetConnectAttr(dbc, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON), 0), SQL_HANDLE_DBC, dbc);
  applyIsolationLevel();
}

void OdbcSession::setCommandTimeout(int seconds) { link_->setCommandTimeout(std::max(seconds, 0)); }

void OdbcSession::setIsolationLevel(long level) {
  isolationLevel_ = level;
  if (!inTransaction_) applyIsolationLevel();
}

void OdbcSession::applyIsolationLevel() {
  const SQLUINTEGER wanted = odbcIsolation(isolationLevel_);
  if (wanted == 0) return;
  SQLUINTEGER offered = 0;
  SQLHDBC dbc = link_->handle();
  if (!SQL_SUCCEEDED(SQLGetInfo(dbc, SQL_TXN_ISOLATION_OPTION, &offered, sizeof offered, nullptr)) || !(offered & wanted))
    return;
  check(SQLSetConnectAttr(dbc, SQL_ATTR_TXN_ISOLATION, reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(wanted)), 0),
        SQL_HANDLE_DBC, dbc);
}

void OdbcSession::setDefaultDatabase(const QString& name) {
  if (link_->dbms() == Dbms::SqlServer && !name.trimmed().isEmpty()) execute(QStringLiteral("USE ") + quoteIdentifier(name.trimmed(), QStringLiteral("[")));
  defaultDatabase_ = name.trimmed();
}

QString OdbcSession::defaultDatabase() const {
  if (link_->dbms() == Dbms::SqlServer) {
    SQLWCHAR buffer[256] = {};
    SQLINTEGER length = 0;
    if (SQL_SUCCEEDED(SQLGetConnectAttrW(link_->handle(), SQL_ATTR_CURRENT_CATALOG, buffer, sizeof buffer, &length)))
      return fromWideBuffer(buffer, 256, length / static_cast<SQLINTEGER>(sizeof(SQLWCHAR)));
  }
  return defaultDatabase_;
}

}  // namespace ado::odbc
