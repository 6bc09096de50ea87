// The entries of a voucher and the register type of a voucher type.
#include <gtest/gtest.h>

#include "NumberingFixture.h"
#include "numbering/Asientos.h"
#include "platform/ui/MessageBox.h"
#include "support/Printers.h"
#include "support/SuiteDatabase.h"

namespace {

using namespace numbering;

class Asientos : public testing_support::NumberingDatabase {
 protected:
  void linea(int mes, int numero, const QString& tc, const QString& sucursal, const QString& nro, const QString& letra,
             const QString& cuenta = "112010001") {
    exec(QStringLiteral("INSERT INTO MV_ASIENTOS (MES_OPERATIVO, Periodo, Secuencia, [NUMERO ASIENTO], Cuenta, TC, "
                        "Sucursal, Numero, Letra) VALUES (%1, 1, 1, %2, '%3', '%4', '%5', '%6', '%7')")
             .arg(mes)
             .arg(numero)
             .arg(cuenta, tc, sucursal, nro, letra));
  }
};

TEST_F(Asientos, TheEntryOfAVoucherIsFound) {
  linea(3, 125, "FC", "0001", "00001234", "A");
  linea(4, 7, "FC", "0001", "00001234", "B");
  linea(5, 8, "FC", "0002", "00001234", "A");
  QString asiento = "sin cambio";
  EXPECT_TRUE(ExisteAsiento("FC", "0001", "00001234", "A", asiento, "", true));
  EXPECT_EQ(asiento, "03 - 000125");
  asiento = "sin cambio";
  EXPECT_FALSE(ExisteAsiento("FC", "0001", "00001235", "A", asiento, "", true));
  EXPECT_FALSE(ExisteAsiento("FC", "1", "00001234", "A", asiento, "", false));
  EXPECT_FALSE(ExisteAsiento("FC", "0001", "00001234", "A", asiento, "211010001", true));
  EXPECT_EQ(asiento, "sin cambio");
  EXPECT_TRUE(ExisteAsiento("FC", "0001", "00001234", "B", asiento, "112010001", false));
  EXPECT_EQ(asiento, "04 - 000007");
}

TEST_F(Asientos, PurchaseOrdersNeverHaveOne) {
  linea(3, 125, "OC", "0001", "00000001", "X");
  QString asiento;
  EXPECT_FALSE(ExisteAsiento("oc", "0001", "00000001", "X", asiento, "", true));
  EXPECT_FALSE(ExisteAsiento("OC", "0001", "00000001", "X", asiento, "", true));
}

TEST_F(Asientos, TheRegisterTypeComesFromTheTypesJournal) {
  exec("INSERT INTO MA_SUBDIARIOS (CODIGO) VALUES ('VTA')");
  exec("INSERT INTO MA_SUBDIARIOSCOMPROBANTES (TC, Subdiario) VALUES ('FC', 'VTA'), ('   1', 'VTA'), ('NC', 'XXX'), "
       "('ND', NULL)");
  EXPECT_EQ(ObtieneTipoRegCont(" FC "), "VTA");
  EXPECT_EQ(ObtieneTipoRegCont("1"), "VTA");
  EXPECT_EQ(ObtieneTipoRegCont("NC"), "    ");  // its journal does not exist
  EXPECT_EQ(ObtieneTipoRegCont("RM"), "    ");  // no journal
  EXPECT_EQ(ObtieneTipoRegCont("ND"), "    ");
}

TEST_F(Asientos, AFailedLookupGivesAnEmptyRegisterType) {
  testing_support::DefineInDatabase(path, "DROP TABLE MA_SUBDIARIOSCOMPROBANTES");
  host.answer(ui::mb::Ignore).answer(ui::mb::Abort, "3704");
  EXPECT_EQ(ObtieneTipoRegCont("FC"), "");
  ASSERT_EQ(host.boxes().size(), 2u);
  EXPECT_TRUE(host.boxes()[1].title.contains("ObtieneTipoRegCont$")) << host.boxes()[1].title.toStdString();
}

}  // namespace
