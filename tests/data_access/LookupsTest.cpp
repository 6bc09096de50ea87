// Lookups on a real database: existence, one column of a row, extremes.
#include <gtest/gtest.h>

#include "support/ServiceDatabase.h"
#include "platform/runtime/Dates.h"
#include "platform/ui/MessageBox.h"
#include "support/Printers.h"

namespace {

using data_access::gDB;

class Lookups : public testing_support::ServiceDatabase {
 protected:
  void SetUp() override {
    ServiceDatabase::SetUp();
    exec("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES (' Caja ', '3')");
    exec("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('Sin valor', NULL)");
    exec("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('D''Angelo', 'apostrofo')");
    exec("INSERT INTO TA_USUARIOS (Nombre, Administrador) VALUES ('Ana', 1)");
    exec("INSERT INTO TA_USUARIOS (Nombre, Administrador) VALUES ('Beto', 7)");
    connectAs("Ana");
  }
};

TEST_F(Lookups, ExistenceTrimsOnlyInTheEverydayCheck) {
  EXPECT_TRUE(gDB().ExisteEnTabla("TA_CONFIGURACION", "Caja", "CLAVE"));
  EXPECT_FALSE(gDB().ExisteEnTablaST("TA_CONFIGURACION", "Caja", "CLAVE"));
  EXPECT_TRUE(gDB().ExisteEnTablaST("TA_CONFIGURACION", " caja", "CLAVE"));
  EXPECT_TRUE(gDB().ExisteEnTabla("TA_CONFIGURACION", "D'Angelo", "CLAVE"));
  EXPECT_FALSE(gDB().ExisteEnTabla("TA_CONFIGURACION", "Nada", "CLAVE"));
  EXPECT_TRUE(gDB().ExisteEnTabla("TA_USUARIOS", "7", "Administrador", nullptr, 3));
  EXPECT_TRUE(gDB().ExisteEnTabla("TA_USUARIOS", "", "", nullptr, 8, "Administrador > 5"));
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(Lookups, TheCallersRecordsetStaysOnTheRowFound) {
  ado::Recordset rs;
  ASSERT_TRUE(gDB().ExisteEnTabla("TA_CONFIGURACION", "Caja", "CLAVE", &rs));
  ASSERT_EQ(rs.State(), ado::adStateOpen);
  EXPECT_EQ(rs.Fields("VALOR").Value().toString(), "3");
  EXPECT_FALSE(gDB().ExisteEnTabla("TA_CONFIGURACION", "Nada", "CLAVE", &rs));
  EXPECT_EQ(rs.State(), ado::adStateOpen);
}

TEST_F(Lookups, AnEditableRecordsetIsReopenedEditable) {
  ado::Recordset rs;
  gDB().AbrirRecordset("select  top 1 * from TA_CONFIGURACION  with(nolock) ", rs, nullptr, ado::adOpenDynamic,
                       ado::adLockOptimistic);
  ASSERT_TRUE(gDB().ExisteEnTabla("TA_CONFIGURACION", "Caja", "CLAVE", &rs, 8, "", false));
  rs.Fields("VALOR") = rt::Variant("4");
  rs.Update();
  EXPECT_EQ(scalar("SELECT VALOR FROM TA_CONFIGURACION WHERE CLAVE = ' Caja '").toString(), "4");
}

TEST_F(Lookups, AFailingLookupAsksAndAnswersFalse) {
  host.answer(ui::mb::Abort);
  EXPECT_FALSE(gDB().ExisteEnTabla("NO_EXISTE", "1"));
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].title, "Aviso al Operador");
  EXPECT_EQ(host.boxes()[0].buttons, ui::mb::AbortRetryIgnore | ui::mb::Critical);
}

TEST_F(Lookups, OneColumnOfTheRowFound) {
  EXPECT_EQ(gDB().DatosTabla("TA_CONFIGURACION", " caja ", "VALOR", "CLAVE"), rt::Variant("3"));
  EXPECT_EQ(gDB().DatosTabla("TA_CONFIGURACION", "Nada", "VALOR", "CLAVE"), rt::Variant(QString()));
  EXPECT_EQ(gDB().DatosTabla("TA_CONFIGURACION", "Sin valor", "VALOR", "CLAVE"), rt::Variant(QString()));
  EXPECT_EQ(gDB().DatosTabla("TA_CONFIGURACION", "D'Angelo", "VALOR", "CLAVE"), rt::Variant("apostrofo"));
  EXPECT_EQ(gDB().DatosTabla("TA_USUARIOS", "7", "Nombre", "Administrador", 3, "   "), rt::Variant("Beto"));
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(Lookups, IgnoredErrorsGiveAnEmptyText) {
  // The recordset's own dialog still reports the failed open.
  host.answer(ui::mb::Abort);
  EXPECT_EQ(gDB().DatosTabla("NO_EXISTE", "1", "VALOR", "CLAVE", 8, "", true, true), rt::Variant(QString()));
  EXPECT_EQ(host.boxes().size(), 1u);
}

TEST_F(Lookups, ExtremeValues) {
  EXPECT_EQ(gDB().BuscaMaximo("TA_USUARIOS", "Administrador"), rt::Variant(7.0));
  EXPECT_EQ(gDB().BuscaMinimo("TA_USUARIOS", "Administrador"), rt::Variant(1.0));
  EXPECT_EQ(gDB().BuscaMaximo("TA_USUARIOS", "Administrador", rt::Variant(), QString("Nombre = 'Ana'")),
            rt::Variant(1.0));
  EXPECT_EQ(gDB().BuscaUltimoCodigo("TA_USUARIOS", "Administrador", 8, " "), rt::Variant(7.0));
  EXPECT_EQ(gDB().BuscaMaximo("TA_USUARIOS", "Administrador", 3, QString("Nombre = 'Nadie'")), rt::Variant(0.0));
  // A condition given but empty makes the statement fail, to the caller.
  EXPECT_THROW(gDB().BuscaMaximo("TA_USUARIOS", "Administrador", rt::Variant(), QString()), rt::Error);
  EXPECT_THROW(gDB().BuscaMinimo("TA_USUARIOS", "Administrador", rt::Variant(), QString()), rt::Error);
}

TEST_F(Lookups, Dates) {
  exec("INSERT INTO AUX_ERR (Proceso, Fecha) VALUES ('ultimo', '2024-03-15 14:05:00')");
  exec("INSERT INTO AUX_ERR (Proceso, Fecha) VALUES ('primero', '2023-12-01')");
  EXPECT_EQ(gDB().DatosTabla("AUX_ERR", "1/12/2023", "Proceso", "Fecha", 7), rt::Variant("primero"));
  EXPECT_EQ(gDB().DatosTabla("AUX_ERR", "15/03/2024 14:05", "Proceso", "Fecha", 7), rt::Variant("ultimo"));
  EXPECT_TRUE(gDB().ExisteEnTabla("AUX_ERR", "'01/12/2023'", "Fecha", nullptr, 7));
  // The maximum as read, or the leading number of its text.
  EXPECT_EQ(gDB().BuscaMaximo("AUX_ERR", "Fecha", 7), rt::Variant(rt::MakeDate(2024, 3, 15, 14, 5)));
  EXPECT_EQ(gDB().BuscaMaximo("AUX_ERR", "Fecha"), rt::Variant(15.0));
}

}  // namespace
