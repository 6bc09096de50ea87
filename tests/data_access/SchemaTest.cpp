// Tables and columns of the connected database.
#include <gtest/gtest.h>

#include "support/ServiceDatabase.h"
#include "support/Printers.h"

namespace {

using data_access::gDB;

class Schema : public testing_support::ServiceDatabase {
 protected:
  void SetUp() override {
    ServiceDatabase::SetUp();
    connectAs("Ana");
  }
};

TEST_F(Schema, TablesAndColumnsWithoutRegardToCase) {
  EXPECT_TRUE(gDB().ExisteTablaDB("ta_usuarios"));
  EXPECT_TRUE(gDB().ExisteTablaDB(" TA_CONFIGURACION "));
  EXPECT_FALSE(gDB().ExisteTablaDB("NO_EXISTE"));
  EXPECT_TRUE(gDB().ExisteCampoDB("TA_USUARIOS", "administrador"));
  EXPECT_FALSE(gDB().ExisteCampoDB("TA_USUARIOS", "Telefono"));
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(Schema, AMissingColumnIsAdded) {
  EXPECT_TRUE(gDB().VerCampoDB("TA_USUARIOS", "Legajo", true, "int", false, rt::Variant(0)));
  EXPECT_TRUE(gDB().ExisteCampoDB("TA_USUARIOS", "Legajo"));
  exec("INSERT INTO TA_USUARIOS (Nombre) VALUES ('Ana')");
  EXPECT_EQ(scalar("SELECT Legajo FROM TA_USUARIOS").toLong(), 0);

  // Present already, not asked to add, or no such table: nothing happens.
  EXPECT_TRUE(gDB().VerCampoDB("TA_USUARIOS", "Legajo", true, "int", false, rt::Variant(0)));
  EXPECT_TRUE(gDB().VerCampoDB("TA_USUARIOS", "Telefono", false, "varchar(20)", true));
  EXPECT_FALSE(gDB().ExisteCampoDB("TA_USUARIOS", "Telefono"));
  EXPECT_TRUE(gDB().VerCampoDB("NO_EXISTE", "Telefono", true, "varchar(20)", true));
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(Schema, OracleColumnsAreTakenAsPresent) {
  gDB().gProveedor = "OraOLEDB.Oracle.1";
  EXPECT_TRUE(gDB().ExisteCampoDB("TA_USUARIOS", "Telefono"));
  EXPECT_TRUE(gDB().VerCampoDB("TA_USUARIOS", "Telefono", true, "varchar(20)", true));
  gDB().gProveedor = "SQLOLEDB";
  EXPECT_FALSE(gDB().ExisteCampoDB("TA_USUARIOS", "Telefono"));
}

}  // namespace
