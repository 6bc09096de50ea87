// Every lookup of the numbering and stock helpers is served by an index, in
// the exact form the program writes it.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <QRegularExpression>

#include "data_access/LookupSql.h"
#include "data_access/Synonyms.h"
#include "numbering/SentenciasNumeracion.h"
#include "numbering/SentenciasStock.h"
#include "platform/ado/sqlite/Database.h"
#include "platform/ado/sqlite/SchemaCache.h"
#include "platform/ado/sqlite/TsqlTranslator.h"
#include "support/QtPrinters.h"
#include "support/SuiteDatabase.h"

namespace {

class QueryPlans : public ::testing::Test {
 protected:
  QueryPlans() {
    const QString path = testing_support::NewSuiteDatabase(folder);
    sqlite3_open_v2(path.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    ado::sqlite::ConfigureConnection(db);
  }
  ~QueryPlans() override { sqlite3_close_v2(db); }

  // SQLite's plan of the statement as the service and the embedded
  // provider run it.
  QString planOf(const QString& tsql) {
    ado::sqlite::SchemaCache schema(db);
    const auto statements = ado::sqlite::Translate(data_access::WithoutAdminMarker(tsql), schema);
    const QByteArray text = ("EXPLAIN QUERY PLAN " + statements.at(0).sql).toUtf8();
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, text.constData(), -1, &stmt, nullptr) != SQLITE_OK) return sqlite3_errmsg(db);
    QString plan;
    while (sqlite3_step(stmt) == SQLITE_ROW)
      plan += QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 3))) + "\n";
    sqlite3_finalize(stmt);
    return plan;
  }

  testing_support::TempFolder folder;
  sqlite3* db = nullptr;
};

TEST_F(QueryPlans, EveryLookupUsesAnIndex) {
  namespace sql = numbering::sentencia;
  const QString statements[] = {
      sql::AsientoDelComprobante("FC", "0001", "00000001", "A", "", true),
      sql::SubdiarioDelComprobante("FC"),
      sql::Subdiario("VTA"),
      sql::TalonariosDeSucursal("FC", sql::FiltroSucursal("1")),
      sql::Talonarios("FC", ""),
      sql::TalonariosDeUnidad("FC", "   1", ""),
      sql::TalonariosSinFiltro("FC"),
      sql::TalonariosDeLaLetra("FC", "A", "1"),
      sql::TalonarioVerificado("FC", 1),
      sql::TalonarioARegistrar("FC", 1),
      sql::TalonarioDelSistema("FC", "STOCK", 1),
      data_access::sql::DatosTabla("V_TA_CPTE", "FC", "CODIGO", 8, "", true),
      sql::ComprobanteEnTabla("MV_VIAJES", "VJ", "000100000001X"),
      sql::ComprobanteEnTabla("V_MV_STOCK", "AJP", "000100000001X"),
      sql::ComprobanteEnTabla("C_MV_CPTE", "OC", "000100000001X"),
      sql::UltimoComprobanteEnTabla("MV_VIAJES", "VJ", "0001", "X"),
      sql::UltimoComprobanteEnTabla("V_MV_STOCK", "AJP", "0001", "X"),
      sql::UltimoComprobanteEnTabla("V_MV_CPTE", "CBFP", "0001", "X"),
      sql::UltimoNumeroDeAsientos("CMV", "0001", "X"),
      sql::UltimaOrdenDeCompra("OC", "0001", "X"),
      sql::BorraControlDeNumero("CMV", "0001", "00000001", "X"),
      sql::ComprobanteDeStock("PE", "000100000001X"),
      sql::UltimoComprobanteDeStock("PE", "0001", "X"),
      sql::LotesConStock("ART1", "'   1'"),
      sql::Insumos("ART1"),
      sql::UnidadDelArticulo("ART1"),
      sql::Equivalencia("ART1", "UN", "CAJ"),
      sql::StockEnDeposito("ART1", "UN", "   1"),
      sql::StockEnTodosLosDepositos("ART1", "UN"),
      sql::StockUdKgEnDeposito("ART1", "   1"),
      sql::StockUdKgEnTodosLosDepositos("ART1"),
  };
  for (const QString& s : statements) {
    const QString plan = planOf(s);
    EXPECT_TRUE(plan.contains("INDEX")) << s.toStdString() << "\n" << plan.toStdString();
    EXPECT_FALSE(plan.contains(QRegularExpression("SCAN (?!CONSTANT)"))) << s.toStdString() << "\n" << plan.toStdString();
  }
}

}  // namespace
