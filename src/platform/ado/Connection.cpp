#include "platform/ado/Connection.h"

#include "platform/ado/ConnectionLink.h"
#include "platform/ado/ConnectionString.h"
#include "platform/ado/RuntimeErrors.h"
#include "platform/ado/provider/Providers.h"

namespace ado {

namespace {

std::unique_ptr<provider::Session> openSession(const provider::ConnectionSpec& spec, int commandTimeout,
                                               std::optional<int> waitAllowance) {
  switch (spec.kind) {
    case provider::Kind::Sqlite: return provider::openSqliteSession(spec, commandTimeout, waitAllowance);
    case provider::Kind::Dbf: return provider::openDbfSession(spec);
    case provider::Kind::Odbc: break;
  }
  return provider::openOdbcSession(spec);
}

}  // namespace

struct Connection::Impl {
  std::unique_ptr<provider::Session> session;
  std::shared_ptr<ConnectionLink> link = std::make_shared<ConnectionLink>();
  QString connectionString;
  int cursorLocation = adUseServer;
  int commandTimeout = 30;
  std::optional<int> waitAllowance;
  long isolationLevel = adXactReadCommitted;
  QString defaultDatabase;   // while closed

  provider::Session& open() {
    if (!session) raise(errnum::ClosedObject, kConnectionSource);
    return *session;
  }
  // Recordsets of this connection see it closed through the link.
  void close() {
    link->session = nullptr;
    link = std::make_shared<ConnectionLink>();
    session.reset();
  }
};

Connection::Connection() : d_(std::make_unique<Impl>()) {}

Connection::~Connection() { d_->close(); }

const std::shared_ptr<ConnectionLink>& Connection::link() const { return d_->link; }

void Connection::Open(const QString& connectionString, const QString& user, const QString& password,
                      long /*options: no asynchronous opening*/) {
  if (d_->session) raise(errnum::AlreadyOpen, kConnectionSource);
  if (!connectionString.isEmpty()) d_->connectionString = connectionString;
  provider::ConnectionSpec spec = ParseConnectionString(d_->connectionString);
  if (!user.isEmpty()) spec.items.insert(QStringLiteral("uid"), user);
  if (!password.isEmpty()) spec.items.insert(QStringLiteral("pwd"), password);
  d_->session = Guarded(errors_, [&] { return openSession(spec, d_->commandTimeout, d_->waitAllowance); });
  d_->session->setCommandTimeout(d_->commandTimeout);
  d_->session->setIsolationLevel(d_->isolationLevel);
  d_->link->connection = this;
  d_->link->session = d_->session.get();
}

void Connection::Close() {
  d_->open();
  d_->close();
}

int Connection::State() const { return d_->session ? adStateOpen : adStateClosed; }

Recordset Connection::Execute(const QString& sql, long* recordsAffected, long /*options*/) {
  provider::Session& session = d_->open();
  provider::ExecuteResult result = Guarded(errors_, [&] { return session.execute(sql); });
  if (recordsAffected) *recordsAffected = result.recordsAffected;
  Recordset rows;
  if (result.rows) rows.attach(*this, std::move(result.rows), adOpenForwardOnly, sql);
  return rows;
}

long Connection::BeginTrans() {
  provider::Session& session = d_->open();
  Guarded(errors_, [&] { session.beginTransaction(); });
  return session.transactionLevel();
}

void Connection::CommitTrans() {
  provider::Session& session = d_->open();
  Guarded(errors_, [&] { session.commitTransaction(); });
}

void Connection::RollbackTrans() {
  provider::Session& session = d_->open();
  Guarded(errors_, [&] { session.rollbackTransaction(); });
}

long Connection::TransactionLevel() const { return d_->session ? d_->session->transactionLevel() : 0; }

bool Connection::InTransaction() const { return d_->session && d_->session->inTransaction(); }

QString Connection::ConnectionString() const { return d_->connectionString; }

void Connection::setConnectionString(const QString& s) {
  if (d_->session) raise(errnum::AlreadyOpen, kConnectionSource);
  d_->connectionString = s;
}

int Connection::CursorLocation() const { return d_->cursorLocation; }
void Connection::setCursorLocation(int location) { d_->cursorLocation = location; }

int Connection::CommandTimeout() const { return d_->commandTimeout; }
void Connection::setCommandTimeout(int seconds) {
  d_->commandTimeout = seconds;
  if (d_->session) d_->session->setCommandTimeout(seconds);
}

void Connection::setWaitAllowance(std::optional<int> milliseconds) {
  d_->waitAllowance = milliseconds;
  if (d_->session) d_->session->setWaitAllowance(milliseconds);
}

std::optional<Error> Connection::UpgradeDatabase() {
  provider::Session& session = d_->open();
  return Guarded(errors_, [&] { return session.upgradeDatabase(); });
}

long Connection::IsolationLevel() const { return d_->isolationLevel; }
void Connection::setIsolationLevel(long level) {
  d_->isolationLevel = level;
  if (d_->session) d_->session->setIsolationLevel(level);
}

QString Connection::DefaultDatabase() const {
  return d_->session ? d_->session->defaultDatabase() : d_->defaultDatabase;
}

void Connection::setDefaultDatabase(const QString& name) {
  if (!d_->session) {
    d_->defaultDatabase = name;
    return;
  }
  Guarded(errors_, [&] { d_->session->setDefaultDatabase(name); });
}

Recordset Connection::OpenSchema(int schema, const std::vector<rt::Variant>& restrictions) {
  provider::Session& session = d_->open();
  std::unique_ptr<provider::Cursor> rows = Guarded(errors_, [&] { return session.schema(schema, restrictions); });
  Recordset result;
  result.attach(*this, std::move(rows), adOpenForwardOnly, QString());
  return result;
}

provider::Session* Connection::session() { return d_->session.get(); }

}  // namespace ado
