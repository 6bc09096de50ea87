#pragma once
// A provider session over one ODBC connection. Statements pass to the
// driver untranslated; results are read whole (client-side cursors); the
// session is set to read the program's texts as they are written
// (SessionSetting); on SQL Server it changes database with USE.
#include <memory>

#include "platform/ado/odbc/Link.h"
#include "platform/ado/odbc/OdbcConnectionString.h"
#include "platform/ado/provider/Provider.h"

namespace ado::odbc {

// What a new session runs first, so that the program's statements read as
// written, even those that reach the server untranslated: SQL Server reads
// dates day first. Oracle reads the program's date texts ("dd/mm/yy hh:mm",
// "dd/mm/yyyy", a missing time or seconds as 0; RRRR reads a two-digit year
// 00-49 as 20xx and 50-99 as 19xx, as SQL Server does, until 2049: Oracle's
// window slides with the server's clock), writes a date as text with its
// four-digit year, reads "." as the decimal point of a number written as
// text, and compares and sorts texts without regard to case (=, LIKE,
// ORDER BY), as SQL Server's usual collation and the embedded database's
// CI_AS do. "" for any other database.
QString SessionSetting(Dbms dbms);

class OdbcSession final : public provider::Session {
 public:
  // Throws Failure when the driver manager or the driver refuses.
  static std::unique_ptr<OdbcSession> connect(const OdbcTarget& target);
  ~OdbcSession() override;

  // Runs the batch as runBatch does.
  provider::ExecuteResult execute(const QString& sql) override;
  // The statement's rows; null when it returns none.
  std::unique_ptr<provider::Cursor> open(const QString& sql) override;
  std::unique_ptr<provider::RowWriter> writerFor(const QString& sql, const std::vector<provider::ColumnInfo>& columns) override;
  // adSchemaTables (20) and adSchemaColumns (4).
  std::unique_ptr<provider::Cursor> schema(int schemaKind, const std::vector<rt::Variant>& restrictions) override;

  // Autocommit is off between begin and commit or rollback; one level only.
  void beginTransaction() override;
  void commitTransaction() override;
  void rollbackTransaction() override;
  int transactionLevel() const override { return inTransaction_ ? 1 : 0; }
  // Begun by beginTransaction: one the server began on a statement's word
  // (BEGIN TRANSACTION in a batch) is not seen by the driver.
  bool inTransaction() const override { return inTransaction_; }
  void setCommandTimeout(int seconds) override;
  // A server's statements each wait CommandTimeout; a server database is
  // brought up to the schema by hand (sql/sqlite/README.md).
  void setWaitAllowance(std::optional<int>) override {}
  std::optional<Error> upgradeDatabase() override { return std::nullopt; }
  // Taken at once outside a transaction, after it inside one; a level the
  // driver does not offer is left to the driver's default.
  void setIsolationLevel(long level) override;
  void setDefaultDatabase(const QString& name) override;
  QString defaultDatabase() const override;

 private:
  explicit OdbcSession(std::shared_ptr<Link> link) : link_(std::move(link)) {}
  void applyIsolationLevel();
  void endTransaction(SQLSMALLINT completion);
  void leaveTransaction();

  std::shared_ptr<Link> link_;
  bool inTransaction_ = false;
  long isolationLevel_ = -1;  // adXactUnspecified
  QString defaultDatabase_;
};

}  // namespace ado::odbc
