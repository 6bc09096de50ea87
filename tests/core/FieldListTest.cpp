// Statement texts of the field list, blank for blank.
#include <gtest/gtest.h>

#include "support/CoreFixture.h"
#include "core/CoreState.h"
#include "core/FieldList.h"
#include "support/ErrorNumber.h"
#include "support/Printers.h"

using namespace core;
using testing_support::ErrorNumberOf;

namespace {

class FieldList : public testing_support::CoreFixture {
 protected:
  ListaDeCampos& lista() { return gCore().ListaCampos; }
};

TEST_F(FieldList, ValuesBecomeLiteralsWithoutApostrophes) {
  QString nombre = "O'Brien";
  AgregaCampo("Nombre", nombre, "'", true);
  EXPECT_EQ(nombre, "OBrien") << "the caller's variable loses the apostrophe too";
  AgregaCampo("Importe", "1234,50", "@", false);
  AgregaCampo("Baja", "null", "'", false);
  AgregaCampo("Nota", " NULL", "'", false);
  AgregaCampo("Cantidad", "NuLl", "@", false);
  ASSERT_EQ(lista().size(), 5u);
  EXPECT_EQ(lista()[0].Campo, "Nombre");
  EXPECT_EQ(lista()[0].Valor, "'OBrien'");
  EXPECT_EQ(lista()[1].Valor, "1234.5");
  EXPECT_EQ(lista()[2].Valor, "Null");
  EXPECT_EQ(lista()[3].Valor, "' NULL'");
  EXPECT_EQ(lista()[4].Valor, "Null");

  AgregaCampo("Cuenta", "112010001", "'", true);
  ASSERT_EQ(lista().size(), 1u) << "first drops the previous pairs";
}

TEST_F(FieldList, InsertTextAfterTheCallersPrefix) {
  AgregaCampo("Cuenta", "112010001", "'", true);
  QString texto = QStringLiteral("INSERT INTO ") + "MA_CUENTAS" + " ";
  ArmaInsert(texto, lista(), false);
  EXPECT_EQ(texto, "INSERT INTO MA_CUENTAS (Cuenta) VALUES ('112010001')");

  AgregaCampo("Debe", "10", "@", false);
  QString dos = "INSERT INTO MV_ASIENTOS ";
  ArmaInsert(dos, lista(), true);
  EXPECT_EQ(dos, "INSERT INTO MV_ASIENTOS (Cuenta,Debe) VALUES ('112010001',10)");
  EXPECT_TRUE(lista().empty());

  // An emptied list must be restarted with first = true.
  EXPECT_EQ(ErrorNumberOf([] { AgregaCampo("Cuenta", "1", "'", false); }), rt::err::SubscriptOutOfRange);
  QString tres = "INSERT INTO T ";
  EXPECT_EQ(ErrorNumberOf([&] { ArmaInsert(tres, lista(), false); }), rt::err::SubscriptOutOfRange);
}

TEST_F(FieldList, StatementsEndWithABlankElement) {
  std::vector<QString> sentencias(1);
  AgregaCampo("A", "1", "@", true);
  AgregaCampo("B", "x", "'", false);
  QString condicion = "Id = 5";
  ArmaSentenciaSQL(lista(), sentencias, "T", true, condicion, true);
  EXPECT_EQ(sentencias, (std::vector<QString>{"", "UPDATE T SET A = 1,B = 'x'  WHERE Id = 5", ""}));
  EXPECT_EQ(condicion, " WHERE Id = 5");
  EXPECT_EQ(lista().size(), 2u) << "kept";

  ArmaSentenciaSQL(lista(), sentencias, "T", true, "where Id = 6", false);
  EXPECT_EQ(sentencias[3], "UPDATE T SET A = 1,B = 'x' where Id = 6");
  ASSERT_EQ(lista().size(), 1u) << "restarted with one blank pair";
  EXPECT_EQ(lista()[0].Campo, "");

  AgregaCampo("Maquina", "PC1", "'", true);
  AgregaCampo("Usuario", "ANA", "'", false);
  ArmaSentenciaSQL(lista(), sentencias, "Control_Acceso", false, QString(), false);
  EXPECT_EQ(sentencias.size(), 7u);
  EXPECT_EQ(sentencias[5], "INSERT INTO Control_Acceso (Maquina,Usuario) VALUES ('PC1','ANA')");
  EXPECT_EQ(sentencias[6], "");
}

TEST_F(FieldList, ConditionsOverSeveralValues) {
  const std::vector<QString> valores{"A1", "B2"};
  EXPECT_EQ(ArmaCondicionSQL(" idarticulo ", "=", valores, " OR ", "'"), " idarticulo ='A1' OR  idarticulo ='B2'");
  EXPECT_EQ(ArmaCondicionSQL("c", "=", valores, " OR ", "'", rt::Variant(true)),
            "c='A1' OR c='B2' OR c is null ");
  EXPECT_EQ(ArmaCondicionSQL("c", "=", valores, " OR ", "'", rt::Variant(false)), "c='A1' OR c='B2'");
  EXPECT_EQ(ArmaCondicionSQL("c", "<>", {"", " ", "x"}, " AND ", "", std::nullopt, true), "c<> AND c<>x");
  EXPECT_EQ(ArmaCondicionSQL("c", "=", {"O'Hara", "x' OR '1'='1"}, " OR ", "'"),
            "c='O''Hara' OR c='x'' OR ''1''=''1'");
  EXPECT_EQ(ArmaCondicionSQL("c", "=", {"1", "2"}, " OR ", ""), "c=1 OR c=2");
  EXPECT_EQ(ArmaCondicionSQL("c", "=", {}, " OR ", "'"), "1=1");
  EXPECT_EQ(ArmaCondicionSQL("c", "=", valores, " OR ", "'", rt::Variant("quizás")), "1=1");
}

}  // namespace
