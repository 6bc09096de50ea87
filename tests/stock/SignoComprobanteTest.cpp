// The voucher sign: the stock reading (ES) and the VAT-book reading (Signo),
// each with its fixed lists of type codes.
#include <gtest/gtest.h>

#include "StockFixture.h"
#include "support/Printers.h"
#include "support/SuiteDatabase.h"

namespace {

using namespace testing_support;

class Signo : public StockDatabase {};

TEST_F(Signo, ByTheTableOrTheListsOfCodes) {
  const struct {
    const char* tc;     // as the caller passes it
    const char* es;     // ES of the type's row
    const char* signo;  // Signo of the row; nullptr: Null
    bool libroIva;
    bool debitoProveedor;
    int esperado;
  } casos[] = {
      // Stock reading: ES decides, in any case; else the stock list.
      {"RM", "E", nullptr, false, false, 1},
      {"RM", "e", nullptr, false, false, 1},
      {"FCC", "S", nullptr, false, false, -1},
      {"FC", "", nullptr, false, false, -1},
      {"NC", " ", nullptr, false, false, 1},
      {"rmc", "", nullptr, false, false, 1},
      {"VS", "X", nullptr, false, false, -1},
      {"TK", "", "1", false, false, 0},
      {"FC ", "", nullptr, false, false, 0},  // found, but in no list
      // VAT-book reading: Signo decides; Null falls back on the VAT list.
      {"FC", "S", "-1", true, false, -1},
      {"RM", "S", "1", true, false, 1},
      {"NC", "E", nullptr, true, false, -1},
      {"NCCP", "", nullptr, true, false, -1},
      {"FP", "", nullptr, true, false, 1},
      {"AJN", "", nullptr, true, false, 1},
      {"FC ", "", nullptr, true, false, 1},
      // A debit note is the supplier's only when the caller says so, whatever
      // the table holds.
      {"ND", "S", "-1", true, false, 1},
      {"ND", "S", "1", true, true, -1},
      {"ND", "S", nullptr, true, true, -1},
      {"ND", "S", nullptr, false, true, -1},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(std::string(c.tc) + " ES " + c.es + (c.libroIva ? " libro IVA" : " stock"));
    exec("DELETE FROM V_TA_CPTE");
    exec(QStringLiteral("INSERT INTO V_TA_CPTE (CODIGO, TALONARIO, ES, Signo) VALUES ('%1', 1, '%2', %3)")
             .arg(QString::fromLatin1(c.tc).trimmed(), QString::fromLatin1(c.es),
                  c.signo ? QString::fromLatin1(c.signo) : QStringLiteral("NULL")));
    vouchers::ClsCmnCptes& cpte = nueva();
    cpte.DebitoProveedor = c.debitoProveedor;
    EXPECT_EQ(cpte.ObtieneSignoComprobante(QString::fromLatin1(c.tc), c.libroIva), c.esperado);
  }
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(Signo, AMissingTypeIsReportedOnEveryCall) {
  for (bool libroIva : {false, true}) {
    host.answer(1, "El Tipo de Comprobante informado no existe en la tabla de comprobantes");
    EXPECT_EQ(cpte().ObtieneSignoComprobante("XX", libroIva), 0);
  }
  ASSERT_EQ(host.boxes().size(), 2u);
  EXPECT_EQ(host.boxes()[1].title, "Aviso al operador!!!");
  EXPECT_EQ(host.boxes()[1].buttons, 16);
}

TEST_F(Signo, AFailedReadGoesToTheErrorDialog) {
  DefineInDatabase(path, "DROP TABLE V_TA_CPTE");
  host.answer(3, "V_TA_CPTE").answer(3, "3704");  // the read, then the sign: left
  EXPECT_EQ(cpte().ObtieneSignoComprobante("RM"), 0);
  ASSERT_EQ(host.boxes().size(), 2u);
  EXPECT_TRUE(host.boxes()[1].title.contains("ObtieneSignoComprobante%")) << host.boxes()[1].title.toStdString();
}

}  // namespace
