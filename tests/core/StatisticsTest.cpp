// The statistics database beside the suite database and its time-out key.
#include <gtest/gtest.h>

#include "support/CoreFixture.h"
#include "core/CoreState.h"
#include "core/Statistics.h"
#include "support/Printers.h"
#include "support/SuiteDatabase.h"

using namespace core;

namespace {

class Statistics : public testing_support::CoreDatabase {
 protected:
  void SetUp() override {
    CoreDatabase::SetUp();
    connectAs("Ana");
  }
  // The statistics database's configuration rows, read on a connection of
  // the test's own.
  QStringList configuration(const QString& vxPath) {
    ado::Connection vx;
    vx.Open(testing_support::EmbeddedConnectionString(vxPath));
    QStringList out;
    ado::Recordset rs = vx.Execute("SELECT Grupo, CLAVE, VALOR, PoliticaNegocio, ValorAux FROM TA_CONFIGURACION");
    for (; !rs.EOF(); rs.MoveNext()) {
      QStringList row;
      for (int i = 0; i < rs.FieldCount(); ++i)
        row << (rs.Fields(i).Value().isNull() ? "<null>" : rs.Fields(i).Value().toString());
      out << row.join(u'|');
    }
    return out;
  }
};

TEST_F(Statistics, WithoutTheDatabaseNothingIsShownAndTheDefaultHolds) {
  ConectaEstadisticas();
  EXPECT_EQ(gCore().gTiempoEspera, 360);
  EXPECT_FALSE(gDBEstadisticas().gOpenFlag);
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(Statistics, AMissingTimeOutIsStoredAndTheDefaultUsed) {
  const QString vx = createStatisticsDatabase();
  ConectaEstadisticas();
  EXPECT_TRUE(gDBEstadisticas().gOpenFlag);
  EXPECT_EQ(gCore().gTiempoEspera, 360);
  EXPECT_EQ(configuration(vx), QStringList{"BaseDeDatos|TIMEOUT|0|Falso|<null>"});

  ConectaEstadisticas();  // the next start reads 0 and rewrites the same row
  EXPECT_EQ(gCore().gTiempoEspera, 360);
  EXPECT_EQ(configuration(vx), QStringList{"BaseDeDatos|TIMEOUT|0|Falso|<null>"});
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(Statistics, AStoredTimeOutIsUsed) {
  const QString vx = createStatisticsDatabase();
  {
    ado::Connection c;
    c.Open(testing_support::EmbeddedConnectionString(vx));
    c.Execute("INSERT INTO TA_CONFIGURACION (Grupo, CLAVE, VALOR) VALUES ('BaseDeDatos', 'TimeOut', '45')");
  }
  ConectaEstadisticas();
  EXPECT_EQ(gCore().gTiempoEspera, 45);
  QString aux = "x";
  EXPECT_EQ(CfgVX("TimeOut", aux), "45");
  EXPECT_EQ(aux, "");
}

TEST_F(Statistics, RowsAreWrittenTrimmedAndUpperCased) {
  const QString vx = createStatisticsDatabase();
  ConectaEstadisticas();
  GrabaCfgVX(" clave ", rt::Variant(" valor "), " aux ", true, "Grupo", true);
  GrabaCfgVX("otra", rt::Variant(" tal cual "), "", false, "G", false);
  const QStringList rows = configuration(vx);
  EXPECT_TRUE(rows.contains("Grupo|CLAVE|valor|Verdadero|aux")) << rows.join("\n").toStdString();
  EXPECT_TRUE(rows.contains("G|OTRA| tal cual |Falso|<null>")) << rows.join("\n").toStdString();

  // A key with a blank before it updates its row.
  GrabaCfgVX("  Clave", rt::Variant("nuevo"), "", true, "Grupo", true);
  EXPECT_TRUE(configuration(vx).contains("Grupo|CLAVE|nuevo|Verdadero|aux")) << configuration(vx).join("\n").toStdString();
  EXPECT_EQ(configuration(vx).size(), rows.size());
}

}  // namespace
