// Voucher letters, shared numbering and the choice of a voucher book.
#include <gtest/gtest.h>

#include "Libros.h"
#include "NumberingFixture.h"
#include "numbering/Letras.h"
#include "numbering/NumberingState.h"
#include "numbering/Talonarios.h"
#include "platform/runtime/Numbers.h"
#include "platform/ui/MessageBox.h"
#include "support/Printers.h"

namespace {

using namespace numbering;
using testing_support::InsertaLibro;
using testing_support::Libro;

TEST(LetraComprobante, FollowsFromTheTwoVatConditions) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"1", "1", "A"}, {"1", "2", "A"}, {"1", "3", "B"}, {"1", "", "A"},  {"1", "0", "A"},
      {"6", "1", "C"}, {"", "1", "C"},  {"1 ", "4abc", "B"}, {"x", "3", "C"}, {"01", "5", "B"},
  };
  for (const auto& [empresa, cliente, letra] : cases)
    EXPECT_EQ(ObtieneLetraComprobante(empresa, cliente), letra) << empresa << "/" << cliente;
}

TEST(LetraComprobante, OnlyOneOfTheSevenLettersNamesAColumn) {
  for (const char* letra : {"A", "b", " C ", "E", "R", "x", "M"}) EXPECT_TRUE(EsLetraComprobante(letra)) << letra;
  for (const char* letra : {"", " ", ",", "A,B", "AB", "Z", "D", "A_ULTIMO_NRO = 0 --"})
    EXPECT_FALSE(EsLetraComprobante(letra)) << letra;
}

// What the book choice hands back.
struct Oferta {
  QString sucursal = "s", numero = "n", letra, hasta = "h";
  bool modifica = false;
};

class Talonarios : public testing_support::NumberingDatabase {
 protected:
  Oferta elige(const QString& tc, const QString& sucursal = "", const QString& letra = "A",
               const QString& unegocio = "", const QString& fecha = "") {
    Oferta o;
    o.sucursal = sucursal;
    o.letra = letra;
    Obtener_Nro_Comprobante_Contable(tc, o.sucursal, o.numero, o.letra, o.modifica, fecha, unegocio, o.hasta);
    return o;
  }
  void libro(const Libro& l) { exec(InsertaLibro(l)); }
};

TEST_F(Talonarios, ATypeNumbersFromTheBooksItShares) {
  exec("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('NUM_NC', ' RM '), ('NUM_ND', '  ')");
  EXPECT_EQ(ObtieneTCNumeracion("NC"), "RM");
  EXPECT_EQ(ObtieneTCNumeracion(" NC "), "RM");
  EXPECT_EQ(ObtieneTCNumeracion("ND"), "ND");
  EXPECT_EQ(ObtieneTCNumeracion("FC "), "FC ");
}

TEST_F(Talonarios, TheFirstBookWithRoomIsChosen) {
  libro({.talonario = 1, .ultimo = 100, .hasta = 100});
  libro({.talonario = 2, .sucursal = 3, .ultimo = 41, .desde = 101, .hasta = 200, .modifica = true});
  libro({.talonario = 3, .ultimo = 5});
  const Oferta o = elige("FC");
  EXPECT_EQ(o.sucursal, "0003");
  EXPECT_EQ(o.numero, "00000041");
  EXPECT_EQ(o.letra, "A");
  EXPECT_EQ(o.hasta, "00000200");
  EXPECT_TRUE(o.modifica);
  EXPECT_EQ(gNumeracion().TalonarioActual, 2);
}

TEST_F(Talonarios, ACounterOfZeroOffersOne) {
  libro({.ultimo = 0});
  EXPECT_EQ(elige("FC").numero, "00000001");
}

TEST_F(Talonarios, AllBooksUsedUpIsToldAndChangesNothing) {
  libro({.talonario = 1, .ultimo = 100, .hasta = 100});
  libro({.talonario = 2, .ultimo = std::nullopt});
  gNumeracion().TalonarioActual = 7;
  host.answer(ui::mb::Ok);
  const Oferta o = elige("FC", "0001");
  ASSERT_EQ(host.boxes().size(), 1u);
  EXPECT_EQ(host.boxes()[0].prompt,
            "Todos los talonarios del comprobante FC se encuentran utilizados, debe dar de alta un nuevo talonario "
            "para el comprobante FC");
  EXPECT_EQ(host.boxes()[0].buttons, ui::mb::OkOnly);
  EXPECT_EQ(host.boxes()[0].title, "");
  EXPECT_EQ(o.sucursal, "0001");
  EXPECT_EQ(o.numero, "n");
  EXPECT_EQ(o.hasta, "h");
  EXPECT_EQ(gNumeracion().TalonarioActual, 7);
}

TEST_F(Talonarios, ATypeWithoutBooksGetsOneOneX) {
  const Oferta o = elige("RM", "0004", "B");
  EXPECT_EQ(o.sucursal, "1");
  EXPECT_EQ(o.numero, "1");
  EXPECT_EQ(o.letra, "X");
  EXPECT_EQ(o.hasta, "h");
}

TEST_F(Talonarios, TheBookDecidesTheLetter) {
  libro({.letras = "A", .ultimo = 8});
  EXPECT_EQ(elige("FC", "", "B").letra, "A");
  EXPECT_EQ(elige("FC", "", " ").letra, "A");
  EXPECT_EQ(elige("FC", "", "a").letra, "a");
}

TEST_F(Talonarios, OnlyOneOfTheSevenLettersIsTakenFromTheCaller) {
  libro({.letras = "A,B", .ultimo = 8});
  EXPECT_EQ(elige("FC", "", ",").letra, "A");
  EXPECT_EQ(elige("FC", "", "A,B").letra, "A");
}

TEST_F(Talonarios, ABookWithAnUnknownLetterIsReportedAndPassedOver) {
  libro({.talonario = 1, .letras = "Z"});
  libro({.talonario = 2, .ultimo = 12});
  host.answer(ui::mb::Ignore, "La letra Z del talonario 1 no es valida");
  const Oferta o = elige("FC");
  EXPECT_EQ(o.numero, "00000012");
  EXPECT_EQ(o.letra, "A");
  EXPECT_EQ(host.boxes()[0].title, "importar_tavernix - Obtener_Nro_Comprobante_Contable Aviso al operador!!! ");
}

TEST_F(Talonarios, ABranchAskedWithAStarFiltersTheBooks) {
  libro({.talonario = 1, .sucursal = 1, .ultimo = 10});
  libro({.talonario = 2, .sucursal = 2, .ultimo = 20});
  EXPECT_EQ(elige("FC", "*0002").numero, "00000020");
  EXPECT_EQ(elige("FC", "*0009").numero, "00000010");  // no book of that branch: no filter
  EXPECT_EQ(elige("FC", "*").sucursal, "0001");
}

TEST_F(Talonarios, TheBusinessUnitsBooksComeFirst) {
  libro({.talonario = 1, .ultimo = 10, .unegocio = "   1"});
  libro({.talonario = 2, .ultimo = 20, .unegocio = "   2"});
  EXPECT_EQ(elige("FC", "", "A", "2").numero, "00000020");
  EXPECT_EQ(elige("FC", "", "A", "   1").numero, "00000010");
  EXPECT_EQ(elige("FC", "", "A", "3").numero, "00000010");  // none of its own: every book
}

TEST_F(Talonarios, ExpiryIsComparedAsDates) {
  libro({.talonario = 1, .ultimo = 10, .vence = "2024-03-10"});
  libro({.talonario = 2, .ultimo = 20, .vence = "2024-04-01"});
  EXPECT_EQ(elige("FC", "", "A", "", "15/03/2024").numero, "00000020");
  EXPECT_EQ(elige("FC", "", "A", "", "10/03/2024 18:30").numero, "00000010");  // usable on its last day
  EXPECT_EQ(elige("FC", "", "A", "", "").numero, "00000010");

  // Only expired books left: no message, nothing offered.
  const Oferta o = elige("FC", "", "A", "", "02/04/2024");
  EXPECT_EQ(o.numero, "n");
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(Talonarios, BooksWithoutRangeCountersPastEightDigitsAndBooksThatCannotBeRead) {
  const QString agotados =
      "Todos los talonarios del comprobante FC se encuentran utilizados, debe dar de alta un nuevo talonario para el "
      "comprobante FC";
  const struct {
    const char* what;
    Libro libro;
    QString fecha;
    QString numero;    // offered; "n" for none
    QString dialogo;   // the box shown, answered Ignore; "" for none
  } casos[] = {
      {"a book without range offers its counter",
       {.talonario = 3, .ultimo = 5, .desde = 0, .hasta = 0, .modifica = true}, "", "00000005", ""},
      {"a book without range does not expire",
       {.talonario = 3, .ultimo = 5, .desde = 0, .hasta = 0, .vence = "2024-01-31", .modifica = true}, "15/03/2024",
       "00000005", ""},
      {"a range of 0 to 0 whose numbering is fixed is used up",
       {.talonario = 3, .ultimo = 5, .desde = 0, .hasta = 0}, "", "n", agotados},
      {"the last number of eight digits is offered",
       {.talonario = 3, .ultimo = 99999999, .hasta = 200000000}, "", "99999999", ""},
      {"a counter past eight digits is used up",
       {.talonario = 3, .ultimo = 100000000, .hasta = 200000000}, "", "n", agotados},
      {"a counter past eight digits uses up a book without range too",
       {.talonario = 3, .ultimo = 100000000, .desde = 0, .hasta = 0, .modifica = true}, "", "n", agotados},
      {"a book whose number overflows is passed over, outputs and all",
       {.talonario = 40000, .sucursal = 9, .ultimo = 12}, "", "n", "Desbordamiento"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.what);
    exec("DELETE FROM V_TA_CPTE");
    libro(c.libro);
    gNumeracion().TalonarioActual = 7;
    const std::size_t cajas = host.boxes().size();
    if (!c.dialogo.isEmpty()) host.answer(ui::mb::Ignore, c.dialogo);
    const Oferta o = elige("FC", "", "A", "", c.fecha);
    EXPECT_EQ(o.numero, c.numero);
    EXPECT_TRUE(host.scriptExhausted());
    EXPECT_EQ(host.boxes().size(), cajas + (c.dialogo.isEmpty() ? 0 : 1));
    const bool ofrecido = c.numero != "n";
    EXPECT_EQ(o.sucursal, ofrecido ? "0001" : "");
    EXPECT_EQ(o.hasta, ofrecido ? rt::FormatNumber(c.libro.hasta, "00000000") : "h");
    EXPECT_EQ(gNumeracion().TalonarioActual, ofrecido ? c.libro.talonario : 7);
  }
}

}  // namespace
