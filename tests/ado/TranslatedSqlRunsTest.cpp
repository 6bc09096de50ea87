// The translations run on a real SQLite database, with the collation the
// provider registers reduced to its rule: case folded, trailing blanks
// ignored.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include "ado/SuiteSchema.h"
#include "platform/ado/sqlite/TsqlTranslator.h"
#include "support/Printers.h"

using ado::sqlite::Statement;
using Kind = ado::sqlite::Statement::Kind;

namespace {

QString Q(const char* s) { return QString::fromUtf8(s); }

int CompareCiAs(void*, int la, const void* a, int lb, const void* b) {
  auto text = [](const void* p, int n) {
    QString s = QString::fromUtf8(static_cast<const char*>(p), n);
    while (s.endsWith(u' ')) s.chop(1);
    return s;
  };
  return text(a, la).compare(text(b, lb), Qt::CaseInsensitive);
}

void Len(sqlite3_context* context, int, sqlite3_value** values) {
  QString s = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_value_text(values[0])));
  while (s.endsWith(u' ')) s.chop(1);
  sqlite3_result_int(context, static_cast<int>(s.size()));
}

using Rows = std::vector<QStringList>;

class TranslatedSqlRuns : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(sqlite3_open(":memory:", &db_), SQLITE_OK);
    sqlite3_create_collation(db_, "CI_AS", SQLITE_UTF8, nullptr, CompareCiAs);
    sqlite3_create_function(db_, "LEN", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr, Len, nullptr, nullptr);
    exec("CREATE TABLE MA_CUENTAS (CODIGO TEXT COLLATE CI_AS PRIMARY KEY, DESCRIPCION TEXT COLLATE CI_AS, "
         "TipoVista TEXT COLLATE CI_AS);"
         "CREATE TABLE MA_CALENDARIO (fecha DATETIME PRIMARY KEY, nolaborable INTEGER);"
         "CREATE TABLE MV_ASIENTOS (Tipo_Reg TEXT COLLATE CI_AS, Fecha DATETIME, Cuenta TEXT COLLATE CI_AS, "
         "Importe NUMERIC, fechahora_grabacion DATETIME);"
         "CREATE TABLE V_TA_FAMILIAS (IdFamilia TEXT COLLATE CI_AS, Descripcion TEXT COLLATE CI_AS);"
         "INSERT INTO V_TA_FAMILIAS VALUES ('1','Bebidas'),('11','Gaseosas'),('12','Aguas'),('2','Comidas');");
  }
  void TearDown() override { sqlite3_close(db_); }

  void exec(const char* sql) { ASSERT_EQ(sqlite3_exec(db_, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(db_); }

  Rows query(const QString& sql, const std::vector<rt::Variant>& params) {
    sqlite3_stmt* stmt = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    EXPECT_EQ(sqlite3_prepare_v2(db_, utf8.constData(), -1, &stmt, nullptr), SQLITE_OK)
        << sqlite3_errmsg(db_) << " in " << utf8.constData();
    Rows rows;
    if (!stmt) return rows;
    std::vector<QByteArray> texts;
    texts.reserve(params.size());
    for (size_t i = 0; i < params.size(); ++i) {
      const rt::Variant& p = params[i];
      const int at = static_cast<int>(i) + 1;
      if (p.isNull()) sqlite3_bind_null(stmt, at);
      else if (p.type() == rt::Variant::Type::Double) sqlite3_bind_double(stmt, at, p.toDouble());
      else if (p.isNumeric()) sqlite3_bind_int64(stmt, at, p.toLong());
      else {
        texts.push_back(p.toString().toUtf8());
        sqlite3_bind_text(stmt, at, texts.back().constData(), static_cast<int>(texts.back().size()), SQLITE_STATIC);
      }
    }
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
      QStringList row;
      for (int c = 0; c < sqlite3_column_count(stmt); ++c)
        row << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, c)));
      rows.push_back(row);
    }
    EXPECT_EQ(rc, SQLITE_DONE) << sqlite3_errmsg(db_) << " in " << utf8.constData();
    sqlite3_finalize(stmt);
    return rows;
  }

  // Runs a script the way the provider does.
  Rows run(const char* tsql) {
    Rows last;
    for (const Statement& s : ado::sqlite::Translate(Q(tsql), schema_)) last = run(s);
    return last;
  }
  Rows run(const Statement& s) {
    switch (s.kind) {
      case Kind::Sql: return query(s.sql, s.params);
      case Kind::BeginTran: exec("BEGIN"); return {};
      case Kind::CommitTran: exec("COMMIT"); return {};
      case Kind::RollbackTran: exec("ROLLBACK"); return {};
      case Kind::NoOp: return {};
      case Kind::Checkpoint: exec("PRAGMA wal_checkpoint"); return {};
      case Kind::IfExists:
        if (query(s.sql, s.params).empty() == s.negate)
          for (const Statement& then : s.then) run(then);
        return {};
    }
    return {};
  }

  sqlite3* db_ = nullptr;
  SuiteSchema schema_;
};

TEST_F(TranslatedSqlRuns, CalendarDayIsInsertedOnceAsIsoDate) {
  const char* calendar =
      " if not exists (select fecha from ma_calendario where fecha='05/03/2006') insert into ma_calendario "
      "(fecha,nolaborable) values('05/03/2006',0)";
  run(calendar);
  run(calendar);
  EXPECT_EQ(query("SELECT fecha, nolaborable FROM MA_CALENDARIO", {}), (Rows{{"2006-03-05", "0"}}));
}

TEST_F(TranslatedSqlRuns, LookupsCompareTextAsTheServerDoes) {
  run("BEGIN TRANSACTION \r\r\rINSERT INTO MA_CUENTAS (CODIGO,DESCRIPCION,TipoVista) VALUES('FC','O''Brien','CL')\r"
      "INSERT INTO MA_CUENTAS (CODIGO,DESCRIPCION) VALUES('112010042','Completar')\r"
      "INSERT INTO MV_ASIENTOS (Tipo_Reg,Fecha,Cuenta,Importe,fechahora_grabacion) "
      "VALUES('','05/03/2006','FC',121.5,'05/03/06 09:30')\rCOMMIT TRANSACTION");
  EXPECT_EQ(run("SELECT TOP 1  * FROM MA_CUENTAS with(nolock)  WHERE LTRIM(RTRIM(Codigo)) ='fc  '"),
            (Rows{{"FC", "O'Brien", "CL"}}));
  EXPECT_EQ(run("SELECT CODIGO FROM MA_CUENTAS WHERE LTRIM(CODIGO) IN ('fc', 'zz') AND DESCRIPCION = 'o''brien '"),
            (Rows{{"FC"}}));
  EXPECT_EQ(run("SELECT Fecha, Importe, fechahora_grabacion FROM MV_ASIENTOS WHERE Fecha BETWEEN '01/03/2006' AND "
                "'31/03/2006' AND Cuenta = 'fc'"),
            (Rows{{"2006-03-05", "121.5", "2006-03-05 09:30:00"}}));
  EXPECT_EQ(run("select  top 1 * from MA_CUENTAS  with(nolock) WHERE TipoVista IS NULL"),
            (Rows{{"112010042", "Completar", ""}}));
  run("ALTER TABLE MV_ASIENTOS DISABLE TRIGGER ALL\r\nDELETE MV_ASIENTOS\r\nALTER TABLE MV_ASIENTOS ENABLE TRIGGER ALL");
  EXPECT_TRUE(query("SELECT * FROM MV_ASIENTOS", {}).empty());
}

TEST_F(TranslatedSqlRuns, FamilyTreeQueryFindsEachParent) {
  const char* families =
      "SELECT     TOP 100 PERCENT IdFamilia, Descripcion, (SELECT     TOP 1 idfamilia FROM v_ta_familias a   Where "
      "a.IdFamilia < b.IdFamilia And (Len(LTrim(RTrim(a.IdFamilia))) < Len(LTrim(RTrim(b.IdFamilia))))  ORDER BY "
      "idfamilia DESC) AS [relative] FROM dbo.V_TA_FAMILIAS b ORDER BY IdFamilia";
  EXPECT_EQ(run(families), (Rows{{"1", "Bebidas", ""}, {"11", "Gaseosas", "1"}, {"12", "Aguas", "1"},
                                 {"2", "Comidas", ""}}));
}

}  // namespace
