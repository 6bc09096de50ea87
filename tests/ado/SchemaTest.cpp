#include <gtest/gtest.h>

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <functional>
#include <optional>

#include "platform/ado/Connection.h"
#include "platform/ado/ProviderLog.h"
#include "platform/ado/sqlite/SchemaLoader.h"
#include "platform/runtime/Error.h"
#include "support/BusyWriter.h"
#include "support/Printers.h"
#include "support/SuiteDatabase.h"

using namespace testing_support;

namespace {

class SchemaTest : public SuiteDatabaseTest {
 protected:
  // One column of every row of a schema rowset, joined with "|".
  QString column(int schema, const std::vector<rt::Variant>& restrictions, const char* name) {
    ado::Recordset rs = cn.OpenSchema(schema, restrictions);
    QStringList values;
    for (; !rs.EOF(); rs.MoveNext()) values << rs[QString::fromLatin1(name)].Value().toStringOrEmpty();
    return values.join(u'|');
  }
  // Hands every column of every table (not of views) to `check`, positioned
  // on its row of the columns rowset, with the table's CREATE TABLE text.
  void forEveryTableColumn(const std::function<void(const QString& table, const QString& name, ado::Recordset& row,
                                                    const QString& create)>& check) {
    QHash<QString, QString> creates;
    for (ado::Recordset rs = cn.OpenSchema(ado::adSchemaColumns); !rs.EOF(); rs.MoveNext()) {
      const QString table = rs[QStringLiteral("TABLE_NAME")].Value().toString();
      if (!creates.contains(table))
        creates.insert(
            table,
            scalar(QStringLiteral("SELECT sql FROM sqlite_schema WHERE type = 'table' AND name = '%1'").arg(table))
                .toStringOrEmpty());
      if (creates.value(table).isEmpty()) continue;  // a view
      check(table, rs[QStringLiteral("COLUMN_NAME")].Value().toString(), rs, creates.value(table));
    }
  }
  // A name that is not a plain identifier ([DEBE-HABER]) is written in brackets.
  static QString quoted(const QString& name) {
    return name.contains(QRegularExpression(QStringLiteral("[^A-Za-z0-9_]"))) ? u'[' + name + u']' : name;
  }
  // The check named by its prefix, the table and the column.
  static QString constraint(const char* prefix, const QString& table, const QString& name, const QString& condition) {
    return QStringLiteral("CONSTRAINT %1 CHECK (%2)")
        .arg(quoted(QStringLiteral("%1_%2_%3").arg(QLatin1String(prefix), table, name)), condition);
  }
  // The checks stand in the table's CREATE TABLE text in their order: the
  // first one a value fails tells the error.
  static void expectInOrder(const QString& create, const QStringList& checks) {
    qsizetype previous = -1;
    for (const QString& check : checks) {
      const qsizetype at = create.indexOf(check);
      EXPECT_GT(at, previous) << (at < 0 ? "missing: " : "out of order: ") << check.toStdString();
      previous = at;
    }
  }
};

const rt::Variant any;

}  // namespace

TEST_F(SchemaTest, TablesRowsetListsTablesAndViews) {
  define(QStringLiteral("CREATE VIEW SS_TA_CONFIGURACION AS SELECT * FROM TA_CONFIGURACION"));
  const int tables = ado::adSchemaTables;
  const QString all = column(tables, {}, "TABLE_NAME");
  EXPECT_TRUE(all.contains(QStringLiteral("AUX_ERR|")));
  // Tables first, then views.
  EXPECT_LT(all.indexOf(QStringLiteral("|TA_CONFIGURACION|")), all.indexOf(QStringLiteral("|SS_TA_CONFIGURACION")))
      << all.toStdString();
  EXPECT_FALSE(all.contains(QStringLiteral("sqlite_")));
  EXPECT_EQ(column(tables, {any, any, "aux_err"}, "TABLE_NAME"), QStringLiteral("AUX_ERR"));
  EXPECT_EQ(column(tables, {any, any, "aux_err"}, "TABLE_TYPE"), QStringLiteral("TABLE"));
  EXPECT_EQ(column(tables, {any, any, "ss_ta_configuracion", "VIEW"}, "TABLE_NAME"), QStringLiteral("SS_TA_CONFIGURACION"));
  EXPECT_EQ(column(tables, {any, any, "AUX_ERR", "VIEW"}, "TABLE_NAME"), QString());
  EXPECT_EQ(column(tables, {"suite", "dbo", "AUX_ERR"}, "TABLE_CATALOG"), QStringLiteral("suite"));
  EXPECT_EQ(column(tables, {path, any, "AUX_ERR"}, "TABLE_SCHEMA"), QStringLiteral("dbo"));
  EXPECT_EQ(column(tables, {"GESTION"}, "TABLE_NAME"), QString());
  EXPECT_EQ(column(tables, {any, "otro"}, "TABLE_NAME"), QString());
}

TEST_F(SchemaTest, ColumnsRowsetDescribesEveryColumn) {
  const int columns = ado::adSchemaColumns;
  const std::vector<rt::Variant> configuration{path, any, "TA_CONFIGURACION", any};
  EXPECT_EQ(column(columns, configuration, "COLUMN_NAME"), QStringLiteral("Grupo|CLAVE|VALOR|PoliticaNegocio|ValorAux"));
  EXPECT_EQ(column(columns, configuration, "ORDINAL_POSITION"), QStringLiteral("1|2|3|4|5"));
  EXPECT_EQ(column(columns, configuration, "DATA_TYPE"), QStringLiteral("129|129|129|11|129"));
  EXPECT_EQ(column(columns, configuration, "CHARACTER_MAXIMUM_LENGTH"), QStringLiteral("50|50|255||255"));
  EXPECT_EQ(column(columns, configuration, "IS_NULLABLE"), QStringLiteral("Verdadero|Falso|Verdadero|Verdadero|Verdadero"));
  EXPECT_EQ(column(columns, {any, any, "ta_configuracion", "valor"}, "COLUMN_NAME"), QStringLiteral("VALOR"));
  EXPECT_EQ(column(columns, {any, any, "AUX_ERR", "Fecha"}, "DATA_TYPE"), QStringLiteral("135"));
  EXPECT_EQ(column(columns, {any, any, "NO_EXISTE"}, "COLUMN_NAME"), QString());
}

// The conventions of sql/sqlite hold for every table any file adds.
TEST_F(SchemaTest, EveryTextColumnHasTheCollationAndItsWidthCheck) {
  int textColumns = 0;
  forEveryTableColumn([&](const QString& table, const QString& name, ado::Recordset& rs, const QString& create) {
    const int type = rs[QStringLiteral("DATA_TYPE")].Value().toLong();
    if (type != ado::adChar && type != ado::adWChar) return;
    ++textColumns;
    EXPECT_EQ(rs[QStringLiteral("COLLATION_NAME")].Value(), rt::Variant("CI_AS"))
        << table.toStdString() << "." << name.toStdString();
    const int width = rs[QStringLiteral("CHARACTER_MAXIMUM_LENGTH")].Value().toLong();
    if (width >= 8000) return;  // TEXT
    const QString check = QStringLiteral("CONSTRAINT %1 CHECK (LEN(%2) <= %3)")
                              .arg(quoted(QStringLiteral("W_%1_%2").arg(table, name)), quoted(name))
                              .arg(width);
    EXPECT_TRUE(create.contains(check)) << "missing: " << check.toStdString();
  });
  EXPECT_GT(textColumns, 0);
}

// Every money, decimal and date column of every table refuses what SQL
// Server would refuse to store, by the checks sql/sqlite/README.md names, in
// the order given (the first check a value fails tells the error): a later
// table that leaves them out fails here.
TEST_F(SchemaTest, EveryMoneyDecimalAndDateColumnHasItsWriteChecks) {
  const QString number = QStringLiteral("typeof(%1) IN ('integer', 'real', 'null')");
  const QString day = QStringLiteral("'[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]'");
  const QString dayAndTime = QStringLiteral("'[0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9] [0-9][0-9]:[0-9][0-9]:[0-9][0-9]'");
  int checked = 0;
  forEveryTableColumn([&](const QString& table, const QString& name, ado::Recordset& rs, const QString& create) {
    const int type = rs[QStringLiteral("DATA_TYPE")].Value().toLong();
    const QString c = quoted(name);
    const auto check = [&](const char* prefix, const QString& condition) {
      return constraint(prefix, table, name, condition);
    };
    QStringList checks;
    if (type == ado::adCurrency) {
      checks << check("MT", number.arg(c))
             << check("MR", QStringLiteral("typeof(%1) NOT IN ('integer', 'real') OR %1 BETWEEN "
                                                "-922337203685477.5 AND 922337203685477.5")
                                     .arg(c));
    } else if (type == ado::adNumeric || type == ado::adDecimal) {
      const int digits = rs[QStringLiteral("NUMERIC_PRECISION")].Value().toLong() -
                         rs[QStringLiteral("NUMERIC_SCALE")].Value().toLong();
      const QString bound = u'1' + QString(digits, u'0');
      checks << check("NT", number.arg(c))
             << check("NR", QStringLiteral("typeof(%1) NOT IN ('integer', 'real') OR (%1 > -%2 AND %1 < %2)")
                                     .arg(c, bound));
    } else if (type == ado::adDate || type == ado::adDBDate || type == ado::adDBTimeStamp) {
      checks << check("DT", QStringLiteral("%1 IS NULL OR typeof(%1) = 'text' AND (%1 GLOB %2 OR %1 GLOB %3)")
                                     .arg(c, day, dayAndTime))
             << check("DR", QStringLiteral("typeof(%1) <> 'text' OR (date(julianday(%1)) IS substr(%1, 1, 10) "
                                                "AND %1 >= '1753-01-01')")
                                     .arg(c));
    }
    if (checks.isEmpty()) return;
    ++checked;
    expectInOrder(create, checks);
  });
  EXPECT_GT(checked, 100);
}

// Every whole-number and bit column of every table refuses what SQL Server
// would not store, by the checks sql/sqlite/README.md names, in that order:
// for INTEGER and SMALLINT the kind (245), then the range (8115, 220); for
// a rowid alias (INTEGER PRIMARY KEY), which SQLite itself holds to whole
// numbers, the range alone; for BIT, 0 or 1.
TEST_F(SchemaTest, EveryWholeNumberAndBitColumnHasItsWriteChecks) {
  const QString whole = QStringLiteral("typeof(%1) IN ('integer', 'null')");
  int checked = 0, rowidAliases = 0;
  forEveryTableColumn([&](const QString& table, const QString& name, ado::Recordset& rs, const QString& create) {
    const int type = rs[QStringLiteral("DATA_TYPE")].Value().toLong();
    const QString c = quoted(name);
    const auto check = [&](const char* prefix, const QString& condition) {
      return constraint(prefix, table, name, condition);
    };
    const bool rowidAlias =
        create.contains(QRegularExpression(QStringLiteral("[(,]\\s*%1\\s+INTEGER\\b[^,]*PRIMARY KEY")
                                               .arg(QRegularExpression::escape(c)),
                                           QRegularExpression::CaseInsensitiveOption));
    QStringList checks;
    if (type == ado::adInteger) {
      if (!rowidAlias) checks << check("IT", whole.arg(c));
      checks << check("IR", QStringLiteral("%1 BETWEEN -2147483648 AND 2147483647").arg(c));
    } else if (type == ado::adSmallInt) {
      checks << check("ST", whole.arg(c)) << check("SR", QStringLiteral("%1 BETWEEN -32768 AND 32767").arg(c));
    } else if (type == ado::adBoolean) {
      checks << check("BT", QStringLiteral("%1 IN (0, 1)").arg(c));
    }
    if (checks.isEmpty()) return;
    ++checked;
    rowidAliases += rowidAlias;
    expectInOrder(create, checks);
  });
  EXPECT_GT(checked, 120);
  EXPECT_EQ(rowidAliases, 12);
}

namespace {

// A database as an earlier build made it, closed: the table of remembered
// customers in its old form, with one row.
class EarlierBuildDatabase : public SchemaTest {
 protected:
  void makeOld() {
    cn.Close();
    define(QStringLiteral("DROP TABLE AUX_CLIENTES_IMPORTADOS;"
                          "CREATE TABLE AUX_CLIENTES_IMPORTADOS (Archivo VARCHAR(400) COLLATE CI_AS NOT NULL, "
                          "Codigo VARCHAR(254) COLLATE CI_AS NOT NULL, Orden INTEGER NOT NULL, "
                          "Cuenta VARCHAR(9) COLLATE CI_AS NOT NULL, PRIMARY KEY (Archivo, Codigo, Orden));"
                          "INSERT INTO AUX_CLIENTES_IMPORTADOS VALUES ('/a/TXCLI.DBF', '0', 1, '112010001')"));
  }
  QString columns() {
    return column(ado::adSchemaColumns, {rt::Variant(), rt::Variant(), "AUX_CLIENTES_IMPORTADOS", rt::Variant()},
                  "COLUMN_NAME");
  }
  // What the provider reports for the log while the test runs.
  QStringList reports;
  void SetUp() override {
    SchemaTest::SetUp();
    ado::SetProviderLog([this](const QString& source, const QString& text) { reports << source + ": " + text; });
  }
  void TearDown() override { ado::SetProviderLog(nullptr); }

  const QString oldColumns = QStringLiteral("Archivo|Codigo|Orden|Cuenta");
  const QString newColumns = QStringLiteral("Archivo|Codigo|Nombre|Cuit|OrdenEntreRecordados|Cuenta");
};

}  // namespace

// A database an earlier build made is brought up to the schema when it is
// opened, each upgrade whole or not at all: one the database does not take
// leaves it as it was, still open to use, and a later opening tries again.
TEST_F(EarlierBuildDatabase, AnUpgradeRunsWholeOrNotAtAllWhenTheDatabaseOpens) {
  makeOld();
  define(QStringLiteral("INSERT INTO AUX_CLIENTES_IMPORTADOS VALUES ('%1', '0', 1, '112010002')")
             .arg(QString(450, u'x')));
  cn.Open(EmbeddedConnectionString(path));
  // A file name beyond the column's 400 characters: nothing changes.
  EXPECT_EQ(columns(), oldColumns);
  EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM AUX_CLIENTES_IMPORTADOS")), rt::Variant(2));
  ASSERT_EQ(reports.size(), 1);
  EXPECT_TRUE(reports[0].startsWith(QStringLiteral("SQLite: La base de datos \"%1\" no se pudo poner al día: "
                                                   "001_clientes_importados.sql: ")
                                        .arg(path)))
      << reports[0].toStdString();

  cn.Execute(QStringLiteral("DELETE FROM AUX_CLIENTES_IMPORTADOS WHERE Cuenta = '112010002'"));
  cn.Close();
  cn.Open(EmbeddedConnectionString(path));
  EXPECT_EQ(columns(), newColumns);
  EXPECT_EQ(scalar(QStringLiteral("SELECT Archivo FROM AUX_CLIENTES_IMPORTADOS")), rt::Variant("TXCLI.DBF"));
  EXPECT_EQ(reports.size(), 1);
}

// The upgrade waits for another program's writes as the connection's
// statements do (its CommandTimeout), instead of giving up at once.
TEST_F(EarlierBuildDatabase, AnUpgradeWaitsForAnotherProgramsWrites) {
  makeOld();
  BusyWriter otro(path, BusyWriter::Release::AtTheFirstWait);
  cn.Open(EmbeddedConnectionString(path));
  EXPECT_TRUE(otro.waitedFor());
  EXPECT_EQ(columns(), newColumns);
  EXPECT_TRUE(reports.isEmpty()) << reports.join(u'\n').toStdString();
}

// An opening under a wait allowance (here none left) leaves the upgrade,
// without a word in the log, to UpgradeDatabase, which waits as the
// statements do.
TEST_F(EarlierBuildDatabase, AnOpeningThatMayNotWaitLeavesTheUpgradeForLater) {
  makeOld();
  BusyWriter otro(path, BusyWriter::Release::AtTheFirstWait);
  cn.setWaitAllowance(0);
  cn.Open(EmbeddedConnectionString(path));
  EXPECT_FALSE(otro.waitedFor());
  EXPECT_EQ(columns(), oldColumns);

  cn.setWaitAllowance(std::nullopt);
  cn.UpgradeDatabase();
  EXPECT_TRUE(otro.waitedFor());
  EXPECT_EQ(columns(), newColumns);
  EXPECT_TRUE(reports.isEmpty()) << reports.join(u'\n').toStdString();
}

// A database that does not take the upgrade now (written by another
// program past the wait, read-only) opens as it is, to be read; the log
// tells why, and a later opening that may write upgrades it.
TEST_F(EarlierBuildDatabase, ADatabaseThatTakesNoUpgradeNowOpensAndTheLogTellsWhy) {
  struct Case {
    const char* name;
    std::function<void()> hinder;
    const char* reason;
    bool upgradedLater;  // by an opening after the other program ended
  };
  std::optional<BusyWriter> otro;
  // (The read-only file stays so: it comes last.)
  const Case cases[] = {
      {"busy", [&] { otro.emplace(path, BusyWriter::Release::Never); }, "database is locked", true},
      {"read-only", [&] { MarkReadOnly(path); }, "readonly database", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    reports.clear();
    makeOld();
    c.hinder();
    cn.Open(EmbeddedConnectionString(path));
    EXPECT_EQ(columns(), oldColumns);
    EXPECT_EQ(scalar(QStringLiteral("SELECT Cuenta FROM AUX_CLIENTES_IMPORTADOS")), rt::Variant("112010001"));
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].contains(QStringLiteral("no se pudo poner al día: 001_clientes_importados.sql: ")))
        << reports[0].toStdString();
    EXPECT_TRUE(reports[0].contains(QLatin1String(c.reason))) << reports[0].toStdString();

    cn.Close();
    otro.reset();
    cn.Open(EmbeddedConnectionString(path));
    EXPECT_EQ(columns(), c.upgradedLater ? newColumns : oldColumns);
  }
}

TEST(SchemaLoader, NeverOverwritesAFile) {
  TempFolder folder;
  const QString path = folder.write(QStringLiteral("datos.db"), QByteArray("no tocar"));
  try {
    ado::sqlite::CreateDatabase(path);
    FAIL() << "created over an existing file";
  } catch (const rt::Error& e) {
    EXPECT_TRUE(e.Description().contains(QStringLiteral("ya existe"))) << e.Description().toStdString();
  }
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("no tocar"));
  EXPECT_FALSE(ado::sqlite::SchemaFiles().empty());
}
