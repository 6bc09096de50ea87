// The check of a voucher number against its book.
#include <gtest/gtest.h>

#include "Libros.h"
#include "NumberingFixture.h"
#include "numbering/NumberingState.h"
#include "numbering/ValidacionNumero.h"
#include "support/Printers.h"

namespace {

using namespace numbering;
using testing_support::InsertaLibro;
using testing_support::Libro;

const QString kVerifique = "\r\rVerifique los datos desde la TABLA DE COMPROBANTES y vuelta a Intentarlo";

class ValidacionNumero : public testing_support::NumberingDatabase {
 protected:
  bool valida(const QString& numero, QString letra = "A", const QString& fecha = "", const QString& sucursal = "0001",
              const QString& tc = "FC") {
    mensaje.clear();
    return ValidaNumeroComprobante(tc, sucursal, numero, letra, mensaje, fecha);
  }
  void libro(const Libro& l) { exec(InsertaLibro(l)); }
  QString mensaje;
};

TEST_F(ValidacionNumero, OnlyOneOfTheSevenLettersIsValid) {
  libro({.letra = "X"});
  for (const char* letra : {"Z", ",", "A,B", "AB"}) {
    EXPECT_FALSE(valida("5", letra)) << letra;
    EXPECT_EQ(mensaje, " La letra Informada no es Valida, la misma debe ser A,B,C,E,R,X,M") << letra;
  }
  QString blanco = " ";
  EXPECT_TRUE(ValidaNumeroComprobante("FC", "0001", "5", blanco, mensaje, ""));
  EXPECT_EQ(blanco, "X");
}

TEST_F(ValidacionNumero, AnExternalTypeTakesAnyNumber) {
  libro({.externo = true});
  EXPECT_TRUE(valida("99999999"));
  EXPECT_TRUE(valida("0"));
  EXPECT_EQ(mensaje, "");
}

TEST_F(ValidacionNumero, TheBookWhoseRangeHoldsTheNumberIsRecognised) {
  libro({.talonario = 1, .desde = 1, .hasta = 100});
  libro({.talonario = 2, .desde = 101, .hasta = 200});
  libro({.talonario = 3, .sucursal = 2, .desde = 1, .hasta = 300});
  EXPECT_TRUE(valida("150", "A", "", "1"));
  EXPECT_EQ(gNumeracion().TalonarioActual, 2);
  EXPECT_TRUE(valida("00000007"));
  EXPECT_EQ(gNumeracion().TalonarioActual, 1);
  EXPECT_EQ(mensaje, "");
}

TEST_F(ValidacionNumero, ANumberOutsideTheCurrentBooksRange) {
  libro({.talonario = 1, .desde = 10, .hasta = 100});
  gNumeracion().TalonarioActual = 1;  // the book the offer came from
  mensaje = "Antes";
  QString letra = "A";
  EXPECT_FALSE(ValidaNumeroComprobante("FC", "0001", "150", letra, mensaje, ""));
  EXPECT_EQ(mensaje, "Antes\rEl Número de comprobante (150) no respeta el parametro NRO HASTA del comprobante (100) "
                     ", Nro de Control: 1" + kVerifique);
  EXPECT_FALSE(valida("5"));
  EXPECT_EQ(mensaje, "\rEl Número de comprobante (5) no respeta el parametro NRO DESDE del comprobante (10) "
                     ", Nro de Control: 1" + kVerifique);
  EXPECT_FALSE(valida("0"));
  EXPECT_EQ(mensaje, kVerifique);
  EXPECT_EQ(gNumeracion().TalonarioActual, 1);
}

TEST_F(ValidacionNumero, WithoutAnyBookTheNumberingIsToBeConfigured) {
  EXPECT_FALSE(valida("5"));
  EXPECT_EQ(mensaje, "Debe configurar la numeracióN de Comprobantes");
}

TEST_F(ValidacionNumero, ExpiryIsComparedAsDates) {
  libro({.talonario = 1, .vence = "2024-04-01"});
  EXPECT_TRUE(valida("5", "A", "15/03/2024"));
  EXPECT_TRUE(valida("5", "A", "01/04/2024"));
  EXPECT_FALSE(valida("5", "A", "02/04/2024"));
  EXPECT_EQ(mensaje, "El rango de numeracion del comprobante FC Control nro: 1 se encuenta vencida...! Debe dar de alta "
                     "un nuevo talonario para el comprobante FC" + kVerifique);
  EXPECT_TRUE(valida("5", "A", ""));
}

TEST_F(ValidacionNumero, ABookWithoutRangeTakesAnyNumber) {
  libro({.talonario = 4, .ultimo = std::nullopt, .desde = 0, .hasta = 0, .modifica = true});
  EXPECT_TRUE(valida("777"));
  EXPECT_EQ(gNumeracion().TalonarioActual, 4);
}

}  // namespace
