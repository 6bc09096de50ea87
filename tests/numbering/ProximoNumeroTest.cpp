// The next number of a voucher type, tested against the stored vouchers of
// its family.
#include <gtest/gtest.h>

#include "Libros.h"
#include "NumberingFixture.h"
#include "numbering/ProximoNumero.h"
#include "support/Printers.h"

namespace {

using namespace numbering;
using testing_support::InsertaLibro;
using testing_support::Libro;

struct Numero {
  QString sucursal, numero, letra;
  bool operator==(const Numero&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Numero& n) {
  return os << (n.sucursal + "|" + n.numero + "|" + n.letra).toStdString();
}

class ProximoNumero : public testing_support::NumberingDatabase {
 protected:
  // A book of letter X, branch 1, whose counter offers `ofrecido`.
  void libro(const QString& tc, int ofrecido) {
    exec(InsertaLibro({.codigo = tc, .letras = "X", .letra = "X", .ultimo = ofrecido, .hasta = 1000}));
  }
  Numero proximo(const QString& tc, bool controlar = true) {
    Numero n{"", "sin numero", "X"};
    bool modifica = false;
    Obtener_Nro_Comprobante(tc, n.sucursal, n.numero, n.letra, modifica, controlar, "");
    return n;
  }
  void stock(const QString& tc, const QString& id) {
    exec("INSERT INTO V_MV_STOCK (TC, IdComprobante) VALUES ('" + tc + "', '" + id + "')");
  }
  void asiento(const QString& tc, const QString& numero, const QString& letra = "X") {
    exec("INSERT INTO MV_ASIENTOS (MES_OPERATIVO, Periodo, Secuencia, [NUMERO ASIENTO], TC, Sucursal, Numero, Letra) "
         "VALUES (3, 1, 1, 125, '" + tc + "', '0001', '" + numero + "', '" + letra + "')");
  }
  void control(const QString& tc, const QString& numero) {
    exec("INSERT INTO V_MV_CTROL_CPTE (TC, SUCURSAL, NUMERO, LETRA) VALUES ('" + tc + "', '0001', '" + numero + "', 'X')");
  }
};

TEST_F(ProximoNumero, AnEmptyTypeChangesNothing) {
  libro("FC", 5);
  EXPECT_EQ(proximo(""), (Numero{"", "sin numero", "X"}));
}

TEST_F(ProximoNumero, WithoutControlTheBooksOfferStands) {
  libro("AJP", 5);
  stock("AJP", "000100000005X");
  EXPECT_EQ(proximo("AJP", false), (Numero{"0001", "00000005", "X"}));
}

TEST_F(ProximoNumero, StockAdjustmentsMovePastTheHighestStored) {
  libro("AJP", 50);
  stock("AJP", "000100000050X");
  stock("AJP", "000100000057X");
  stock("AJP", "000200000090X");  // another branch
  stock("AJP", "000100000099A");  // another letter
  stock("AJN", "000100000080X");  // another type
  EXPECT_EQ(proximo("AJP").numero, "00000058");
  EXPECT_EQ(proximo("ajp").numero, "00000058");
}

TEST_F(ProximoNumero, AFreeNumberStandsEvenBelowStoredOnes) {
  libro("IR", 30);
  stock("IR", "000100000041X");
  EXPECT_EQ(proximo("IR").numero, "00000030");
}

TEST_F(ProximoNumero, TripsAreTestedAgainstTheirTable) {
  libro("VJ", 7);
  EXPECT_EQ(proximo("VJ").numero, "00000007");
  exec("INSERT INTO MV_VIAJES (TC, IdComprobante) VALUES ('VJ', '000100000007X'), ('VJ', '000100000009X')");
  EXPECT_EQ(proximo("VJ").numero, "00000010");
}

TEST_F(ProximoNumero, ANumberWithAnEntryMovesPastTheEntries) {
  libro("CMV", 5);
  asiento("CMV", "00000005");
  asiento("CMV", "00000009");
  asiento("CMV", "00000020", "A");
  control("CMV", "00000005");
  EXPECT_EQ(proximo("CMV").numero, "00000010");
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM V_MV_CTROL_CPTE"), rt::Variant(int32_t{1}));
}

TEST_F(ProximoNumero, AFreeNumberLosesItsLeftOverControlRow) {
  libro("CMV", 5);
  control("CMV", "00000005");
  control("CMV", "00000004");
  EXPECT_EQ(proximo("CMV").numero, "00000005");
  EXPECT_EQ(rows("SELECT NUMERO FROM V_MV_CTROL_CPTE"), QStringList{"00000004"});
}

TEST_F(ProximoNumero, SalesTypesWithoutEntryKeepTheirControlRows) {
  libro("FC", 5);
  control("FC", "00000005");
  EXPECT_EQ(proximo("FC").numero, "00000005");
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM V_MV_CTROL_CPTE"), rt::Variant(int32_t{1}));
}

TEST_F(ProximoNumero, APurchaseOrderMovesPastTheHighestOrder) {
  libro("OC", 12);
  const QString orden = "INSERT INTO C_MV_CPTE (TC, IDCOMPROBANTE, SUCURSAL, NUMERO, LETRA, CUENTA) VALUES ";
  exec(orden + "('OC', '000100000012X', '0001', '00000012', 'X', '211010001')");
  exec(orden + "('OC', '000199999999X', '0001', '99999999', 'X', '211010001')");
  EXPECT_EQ(proximo("OC").numero, "00000013");
}

TEST_F(ProximoNumero, CashReceiptsAlsoPassTheSalesVouchers) {
  libro("CBFP", 5);
  asiento("CBFP", "00000005");
  EXPECT_EQ(proximo("CBFP").numero, "00000006");
  exec("INSERT INTO V_MV_CPTE (TC, IdComprobante) VALUES ('CBFP', '000100000006X')");
  EXPECT_EQ(proximo("CBFP").numero, "00000006");  // an equal number stays
  exec("INSERT INTO V_MV_CPTE (TC, IdComprobante) VALUES ('CBFP', '000100000008X')");
  EXPECT_EQ(proximo("CBFP").numero, "00000009");
}

}  // namespace
