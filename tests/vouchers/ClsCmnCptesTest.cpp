// What a new instance of the voucher class holds, and its list-string
// members.
#include <gtest/gtest.h>

#include "VoucherFixture.h"
#include "support/ErrorNumber.h"
#include "support/Printers.h"
#include "vouchers/ClsCmnCptes.h"

namespace {

using namespace testing_support;
using vouchers::ClsCmnCptes;

class Creacion : public VoucherDatabase {};

TEST_F(Creacion, DescriptionLengthFromItsLeadingNumber) {
  const struct {
    const char* valor;  // nullptr: no key
    int16_t largo;
  } casos[] = {{nullptr, 100}, {"", 100}, {"0", 100}, {"sin número", 100}, {"60 caracteres", 60}, {" 80", 80},
               {"40,6", 40}, {"32767", 32767}};
  for (const auto& c : casos) {
    SCOPED_TRACE(c.valor ? c.valor : "(none)");
    exec("DELETE FROM TA_CONFIGURACION");
    if (c.valor) config("LenDescripcion", QString::fromUtf8(c.valor));
    ClsCmnCptes cpte;
    EXPECT_EQ(cpte.gLenDesc, c.largo);
    EXPECT_FALSE(cpte.DebitoProveedor);
  }
}

TEST_F(Creacion, AValueBeyondSixteenBitsOrAPercentageThatIsNoNumberFailsTheCreation) {
  config("LenDescripcion", "40000");
  EXPECT_EQ(ErrorNumberOf([] { ClsCmnCptes cpte; }), 6);
  exec("DELETE FROM TA_CONFIGURACION");
  config("PIVA", "veintiuno");
  EXPECT_EQ(ErrorNumberOf([] { ClsCmnCptes cpte; }), 13);
  exec("DELETE FROM TA_CONFIGURACION");
  config("PIVA", "21");
  config("PIVARec", "10,5");
  config("AsientosXStock", "si");
  EXPECT_EQ(ErrorNumberOf([] { ClsCmnCptes cpte; }), 0);
}

TEST_F(Creacion, ListStringMembersAreThoseOfTheNumberingLayer) {
  const ClsCmnCptes cpte;
  std::vector<QString> items, posiciones, cantidades, lotes;
  cpte.DescomponeSerieLote("|A|B|", items);
  EXPECT_EQ(items, (std::vector<QString>{"A", "B", ""}));
  cpte.DescomponePosicionCantidadLote("|P1*2|P2*3|", "|L1|L2|", posiciones, cantidades, lotes);
  EXPECT_EQ(cantidades, (std::vector<QString>{"2", "3", ""}));
  EXPECT_EQ(lotes, (std::vector<QString>{"L1", "L2", ""}));
  EXPECT_EQ(cpte.ExtraeSerieLote("|A|B|", 2), "B");
  EXPECT_EQ(cpte.Cantidad_Series_Lotes("|A|B|C|"), 3);
  EXPECT_EQ(cpte.Cuenta_Series_Lotes("|S1|S1|", "|L1|L1|"), 1);
  EXPECT_EQ(cpte.InsertaCHR255("|A|"), QString("|A") + QChar(0xFF) + "|");
  EXPECT_EQ(cpte.StrSerieLote("|A|a|B|"), " A B");
}

}  // namespace
