#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QFileInfo>
#include <csignal>

#include "platform/ado/Connection.h"
#include "platform/runtime/Error.h"
#include "support/Printers.h"
#include "support/SuiteDatabase.h"

using namespace testing_support;
namespace errnum = ado::errnum;

namespace {

class TransactionTest : public SuiteDatabaseTest {
 protected:
  TransactionTest() { observer.Open(EmbeddedConnectionString(path)); }
  // Rows as another connection sees them.
  rt::Variant committedRows() {
    ado::Recordset rs = observer.Execute(QStringLiteral("SELECT COUNT(*) FROM TA_CONFIGURACION"));
    return rs.Fields(0).Value();
  }
  void insert(const char* key) {
    exec(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE) VALUES ('%1')").arg(QLatin1String(key)));
  }
  long nativeErrorOf(const std::function<void()>& step) {
    try {
      step();
    } catch (const rt::Error&) {
      return cn.Errors()[0].NativeError;
    }
    return 0;
  }
  ado::Connection observer;
};

// For its scope, this process may not write a file past `bytes`: a write
// past it fails as on a full disk (the signal that would end the process
// is ignored).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(qint64 bytes) {
    getrlimit(RLIMIT_FSIZE, &before_);
    signal_ = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{static_cast<rlim_t>(bytes), before_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &before_);
    std::signal(SIGXFSZ, signal_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit before_{};
  void (*signal_)(int) = nullptr;
};

}  // namespace

TEST_F(TransactionTest, NestedBeginsCommitAtTheOutermostLevel) {
  EXPECT_EQ(cn.BeginTrans(), 1);
  insert("A");
  EXPECT_EQ(cn.BeginTrans(), 2);
  insert("B");
  cn.CommitTrans();
  EXPECT_EQ(committedRows(), rt::Variant(0)) << "the inner commit only counts down";
  cn.CommitTrans();
  EXPECT_EQ(committedRows(), rt::Variant(2));
}

TEST_F(TransactionTest, RollbackUndoesEveryLevel) {
  insert("ANTES");
  cn.BeginTrans();
  insert("A");
  cn.BeginTrans();
  insert("B");
  cn.RollbackTrans();
  EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM TA_CONFIGURACION")), rt::Variant(1));
  EXPECT_EQ(nativeErrorOf([&] { cn.CommitTrans(); }), 3902) << "nothing is open any more";
  EXPECT_EQ(cn.BeginTrans(), 1);
}

TEST_F(TransactionTest, CommitOrRollbackWithoutBeginIsAnError) {
  EXPECT_EQ(nativeErrorOf([&] { cn.CommitTrans(); }), 3902);
  EXPECT_EQ(cn.Errors()[0].Description,
            QStringLiteral("La solicitud COMMIT TRANSACTION no tiene la correspondiente BEGIN TRANSACTION."));
  EXPECT_EQ(nativeErrorOf([&] { cn.RollbackTrans(); }), 3903);
  EXPECT_EQ(cn.Errors().Count(), 1);
}

TEST_F(TransactionTest, AFailingStatementLeavesTheTransactionToTheCaller) {
  cn.BeginTrans();
  insert("A");
  EXPECT_EQ(nativeErrorOf([&] { cn.Execute(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE) VALUES ('a')")); }),
            2627);
  insert("B");
  cn.CommitTrans();
  EXPECT_EQ(committedRows(), rt::Variant(2)) << "only the failing statement was undone";
}

TEST_F(TransactionTest, ClosingTheConnectionRollsBackEvenWithRecordsetsLeftOpen) {
  cn.BeginTrans();
  insert("A");
  ado::Recordset reading = cn.Execute(QStringLiteral("SELECT * FROM TA_CONFIGURACION"));
  cn.Close();
  EXPECT_EQ(committedRows(), rt::Variant(0));
  observer.Execute(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE) VALUES ('B')"));  // not locked out
  EXPECT_EQ(reading.State(), ado::adStateClosed);
}

TEST_F(TransactionTest, TheLevelCountsTheTransactionsStillOpen) {
  EXPECT_EQ(cn.TransactionLevel(), 0);
  cn.BeginTrans();
  cn.BeginTrans();
  EXPECT_EQ(cn.TransactionLevel(), 2);
  cn.CommitTrans();
  EXPECT_EQ(cn.TransactionLevel(), 1);
  exec(QStringLiteral("BEGIN TRANSACTION"));
  EXPECT_EQ(cn.TransactionLevel(), 2) << "a statement's BEGIN counts as well";
  cn.RollbackTrans();
  EXPECT_EQ(cn.TransactionLevel(), 0);
  nativeErrorOf([&] { cn.CommitTrans(); });
  EXPECT_EQ(cn.TransactionLevel(), 0);
  cn.BeginTrans();
  cn.Close();
  EXPECT_EQ(cn.TransactionLevel(), 0);
  cn.Open(EmbeddedConnectionString(path));
  EXPECT_EQ(cn.TransactionLevel(), 0);
}

// CHECKPOINT makes what was committed durable: the database file itself
// holds it, without the write-ahead log. What a reader still holds back
// stays in the log, which is synced instead; the statement does not fail.
TEST_F(TransactionTest, CheckpointPutsWhatWasCommittedInTheFile) {
  const auto inFile = [&] { return RowsInFileAlone(path, QStringLiteral("TA_CONFIGURACION")); };
  insert("A");
  insert("B");
  EXPECT_EQ(inFile(), 0) << "the rows wait in the log";
  cn.Execute(QStringLiteral("CHECKPOINT"));
  EXPECT_EQ(inFile(), 2);

  ado::Recordset reading = observer.Execute(QStringLiteral("SELECT * FROM TA_CONFIGURACION"));
  insert("C");
  cn.Execute(QStringLiteral("CHECKPOINT"));
  EXPECT_EQ(cn.Errors().Count(), 0);
  EXPECT_EQ(inFile(), 2);
  reading.Close();
  cn.Execute(QStringLiteral("CHECKPOINT"));
  EXPECT_EQ(inFile(), 3);
}

// A database file that cannot grow now (a full disk; here the process may
// not write past the file's size) does not fail the CHECKPOINT either: what
// was committed is made durable in the log, which holds it already (the
// file alone is whole only with it then); a later CHECKPOINT puts it in the
// file.
TEST_F(TransactionTest, CheckpointOnADiskWithoutRoomForTheFileSyncsTheLog) {
  const auto inFile = [&] { return RowsInFileAlone(path, QStringLiteral("TA_CONFIGURACION")); };
  cn.BeginTrans();
  for (int i = 0; i < 300; ++i)
    exec(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('%1', '%2')")
             .arg(i)
             .arg(QString(200, u'x')));
  cn.CommitTrans();
  {
    const FileSizeLimit full(QFileInfo(path).size());
    cn.Execute(QStringLiteral("CHECKPOINT"));
    EXPECT_EQ(cn.Errors().Count(), 0);
  }
  cn.Execute(QStringLiteral("CHECKPOINT"));
  EXPECT_EQ(inFile(), 300);
}

TEST_F(TransactionTest, AnOpenTransactionIsKnownWhicheverWayItBegan) {
  EXPECT_FALSE(cn.InTransaction());
  cn.BeginTrans();
  EXPECT_TRUE(cn.InTransaction());
  cn.CommitTrans();
  EXPECT_FALSE(cn.InTransaction());
  exec(QStringLiteral("BEGIN TRANSACTION \r\rINSERT INTO TA_CONFIGURACION (CLAVE) VALUES ('A')\r"));
  EXPECT_TRUE(cn.InTransaction());
  exec(QStringLiteral("ROLLBACK TRANSACTION"));
  EXPECT_FALSE(cn.InTransaction());
  cn.BeginTrans();
  cn.Close();
  EXPECT_FALSE(cn.InTransaction());
}
