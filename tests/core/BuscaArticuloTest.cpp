// The article search: a reference becomes an article of V_MA_ARTICULOS by
// code, barcode, DUN, alternative barcode, a supplier's number in a
// purchase price list or the supplier's own code.
#include <gtest/gtest.h>

#include "core/BuscaArticulo.h"
#include "core/CoreState.h"
#include "core/SentenciasArticulo.h"
#include "data_access/DataAccessState.h"
#include "platform/suite/Library.h"
#include "support/CoreFixture.h"
#include "support/Printers.h"
#include "support/QueryPlan.h"

namespace {

using namespace testing_support;

QString Clave(const QString& codigo) { return suite::Utilidades().RellenaCodigo(codigo, 25); }

class BuscaArticulo : public CoreDatabase {
 protected:
  void SetUp() override {
    CoreDatabase::SetUp();
    connectAs("Ana");
    // Barcodes and codes of digits are stored in their key form, right-aligned.
    exec(QString("INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION, IDUNIDAD, codigobarra, CODIGOBARRADUN, UD_TTE, "
                 "CODIGOBARRA2, UMCB2, CODIGOBARRA4, CodigoArtProveedor, CUENTAPROVEEDOR) VALUES ('TORNILLO', "
                 "'Tornillo 1/4''', 'UN', '%1', '%2', 'CAJ', '%3', 'PAQ', 'TOR-4', 'PRV-77', '211010001')")
             .arg(Clave("7790001000012"), Clave("17790001000019"), Clave("7790001000029")));
    exec(QString("INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION, IDUNIDAD, codigobarra) VALUES "
                 "('%1', 'Queso por kilo', 'KG', NULL), ('%2', 'Pan por peso', 'KG', NULL), "
                 "('ABC', 'Tres letras', 'UN', NULL), "
                 "('XYZ', 'Código de barras ABC', 'UN', 'ABC'), ('ABCD', 'Cuatro letras', 'UN', NULL), "
                 "('OTRO', 'Código de barras ABCD', 'UN', 'ABCD'), ('SINDESC', NULL, 'UN', ''), "
                 "('O''BRIEN', 'Con apóstrofo', 'UN', NULL), ('%3', 'Empieza con 2', 'UN', NULL)")
             .arg(Clave("12345"), Clave("1234"), Clave("2912345015007")));
    exec("INSERT INTO V_MA_PRECIOS (IDLISTA, TIPOLISTA, IDARTICULO, IDARTICULOPROVEEDOR, idunidad) VALUES "
         "('   2', 'C', 'TORNILLO', 'X-900', 'CAJ'), ('   2', 'C', 'NOEXISTE', 'X-901', 'BOL'), "
         "('   3', 'V', 'TORNILLO', 'X-902', 'UN')");
  }
};

struct Caso {
  const char* nombre;
  const char* referencia;
  bool esCodigoBarra;
  const char* cuenta;
  const char* lista;
  // What comes back.
  bool encontrado;
  QString codigo;
  const char* descripcion;
  const char* udBase;
  double cantidad;
  bool esCodigoBarraDespues;
};

TEST_F(BuscaArticulo, ReferencesOfEveryKind) {
  const QString queso = Clave("12345");
  const Caso casos[] = {
      {"código", "TORNILLO", false, "", "", true, "TORNILLO", "Tornillo 1/4'", "UN", 7, false},
      {"código sin distinguir mayúsculas", "tornillo", false, "", "", true, "TORNILLO", "Tornillo 1/4'", "UN", 7, false},
      {"código de barras primero", "7790001000012", true, "", "", true, "TORNILLO", "Tornillo 1/4'", "UN", 7, true},
      {"código de barras después del código", "7790001000012", false, "", "", true, "TORNILLO", "Tornillo 1/4'", "UN",
       7, false},
      {"DUN", "17790001000019", true, "", "", true, "TORNILLO", "Tornillo 1/4'", "UN", 7, true},
      {"código alternativo 2", "7790001000029", true, "", "", true, "TORNILLO", "Tornillo 1/4'", "UN", 7, true},
      {"código alternativo 4", "TOR-4", false, "", "", true, "TORNILLO", "Tornillo 1/4'", "UN", 7, false},
      {"código de dígitos guardado a la derecha", "12345", false, "", "", true, queso, "Queso por kilo", "KG", 7,
       false},
      {"cantidad delante", "3*TORNILLO", false, "", "", true, "TORNILLO", "Tornillo 1/4'", "UN", 3, false},
      {"cantidad con coma", "2,5*TORNILLO", false, "", "", true, "TORNILLO", "Tornillo 1/4'", "UN", 2.5, false},
      {"cantidad cero", "0*TORNILLO", false, "", "", false, "0*TORNILLO", "previa", "", 0, false},
      {"prefijo que no es número", "TORN*10", false, "", "", false, "TORN*10", "previa", "", 0, false},
      {"tres caracteres, por código aunque se pida barras", "ABC", true, "", "", true, "ABC", "Tres letras", "UN", 7,
       false},
      {"cuatro caracteres, por barras", "ABCD", true, "", "", true, "OTRO", "Código de barras ABCD", "UN", 7, true},
      {"cuatro caracteres, por código", "ABCD", false, "", "", true, "ABCD", "Cuatro letras", "UN", 7, false},
      {"referencia vacía", "", true, "", "", false, "", "previa", "", 7, false},
      {"referencia en blanco", "    ", true, "", "", false, "    ", "previa", "", 7, true},
      {"solo la cantidad", "55*", false, "", "", false, "", "previa", "", 55, false},
      {"descripción nula", "SINDESC", false, "", "", true, "SINDESC", "", "UN", 7, false},
      {"apóstrofo", "O'BRIEN", false, "", "", true, "O'BRIEN", "Con apóstrofo", "UN", 7, false},
      {"número del proveedor en la lista", "X-900", false, "211010001", " 2 ", true, "TORNILLO", "Tornillo 1/4'", "UN",
       7, false},
      {"la lista nombra un artículo que no existe", "X-901", false, "211010001", "2", false, "NOEXISTE", "previa",
       "BOL", 7, false},
      {"lista de venta no cuenta", "X-902", false, "211010001", "3", false, "X-902", "previa", "", 7, false},
      {"código del proveedor", "PRV-77", false, " 211010001 ", "", true, "TORNILLO", "Tornillo 1/4'", "UN", 7, false},
      {"código del proveedor tras la lista", "PRV-77", false, "211010001", "2", true, "TORNILLO", "Tornillo 1/4'", "UN",
       7, false},
      {"código de otro proveedor", "PRV-77", false, "211010002", "", false, "PRV-77", "previa", "", 7, false},
      {"sin proveedor no se busca por su código", "PRV-77", false, "", "2", false, "PRV-77", "previa", "", 7, false},
  };
  for (const Caso& c : casos) {
    SCOPED_TRACE(c.nombre);
    QString codigo = QString::fromUtf8(c.referencia);
    QString descripcion = "previa", udBase = "antes";
    bool esCodigoBarra = c.esCodigoBarra;
    double cantidad = 7;
    rt::Currency importe = rt::Currency::fromInt(9);
    // The caller's set, still on a row of an earlier search.
    ado::Recordset rs;
    data_access::gDB().AbrirRecordset("SELECT * FROM V_MA_ARTICULOS", rs);
    EXPECT_EQ(core::BuscaArticuloPorCodigo(codigo, rs, true, esCodigoBarra, descripcion, QString::fromUtf8(c.cuenta),
                                           udBase, QString::fromUtf8(c.lista), cantidad, importe),
              c.encontrado);
    // Open in every case, read-only as asked; empty when nothing was found.
    ASSERT_EQ(rs.State(), ado::adStateOpen);
    EXPECT_EQ(rs.LockType(), ado::adLockReadOnly);
    EXPECT_EQ(rs.EOF(), !c.encontrado);
    EXPECT_EQ(codigo, c.codigo);
    EXPECT_EQ(descripcion, QString::fromUtf8(c.descripcion));
    EXPECT_EQ(udBase, QString::fromUtf8(c.udBase));
    EXPECT_EQ(cantidad, c.cantidad);
    EXPECT_EQ(esCodigoBarra, c.esCodigoBarraDespues);
    EXPECT_EQ(importe, rt::Currency::fromInt(9));
    if (c.encontrado) {
      ASSERT_FALSE(rs.EOF());
      EXPECT_EQ(rs["IdArticulo"].Value().toString(), c.codigo) << "the caller's recordset is on the row";
    }
  }
  EXPECT_TRUE(host.boxes().empty());
}

// What a reference became: found, code, quantity and amount.
struct Balanza {
  const char* mascara;
  const char* decimales;
  const char* referencia;
  bool encontrado;
  QString codigo;
  double cantidad;
  rt::Currency importe;
};

TEST_F(BuscaArticulo, ScaleBarcodes) {
  const QString queso = Clave("12345"), pan = Clave("1234");
  const rt::Currency nueve = rt::Currency::fromInt(9);
  const Balanza casos[] = {
      // A skipped digit, five of code, five of quantity in thousandths, a check digit.
      {"0CCCCCQQQQQ", "3", "2912345015007", true, queso, 1.5, nueve},
      {"0CCCCCQQQQQ", "3", "-2912345015007", true, queso, -1.5, nueve},
      {"0cccccqqqqq", "3", "2912345015007", true, queso, 1.5, nueve},
      // Two skipped digits, four of code, five of amount in hundredths.
      {"CCCCTTTTT", "2", "2001234123458", true, pan, 1, rt::Currency::fromRaw(1234500)},
      {"", "3", "2912345015007", true, Clave("2912345015007"), 7, nueve},
      {"0CCCCCQQQQQ", "5", "2912345015007", true, Clave("2912345015007"), 7, nueve},
      {"0CCCCCQQQQQ", "7", "2912345015007", true, Clave("2912345015007"), 7, nueve},
      {"0CCCCCQQQQQ", "2.5", "2912345015007", true, Clave("2912345015007"), 7, nueve},
      {"0CCCCCQQQQQ", "", "2912345015007", true, queso, 1500, nueve},
      {"XXXXXXXXXXX", "3", "2912345015007", true, Clave("2912345015007"), 7, nueve},
      {"0CCCCCQQQQQ", "3", "3912345015007", false, "3912345015007", 7, nueve},
      {"0CCCCCQQQQQ", "3", "291234501500", false, "291234501500", 7, nueve},
      {"0CCCCCQQQQQ", "3", "29123450150A7", false, "29123450150A7", 7, nueve},
      {"0CCCCCQQQQQ", "3", "2*2912345015007", true, queso, 1.5, nueve},
      // Every mask on one reference, one decimal: the digits before the check digit are 78901.
      {"CCCC0TTTTTT", "1", "2123456789012", true, pan, 1, nueve},
      {"CCCCCTTTTTT", "1", "2123456789012", true, queso, 1, nueve},
      {"CCCCC0PPPPP", "1", "2123456789012", true, queso, 7, nueve},
      {"CCCCC0QQQQQ", "1", "2123456789012", true, queso, 7, nueve},
      {"CCCCCCPPPPP", "1", "2123456789012", false, "123456", 7, nueve},
      {"CCCCCTTTTT", "1", "2123456789012", false, "23456", 1, rt::Currency::fromRaw(78901000)},
      {"CCCCTTTTT", "1", "-2123456789012", false, "3456", -1, rt::Currency::fromRaw(78901000)},
      {"CCCCCCQQQQQ", "1", "2123456789012", false, "123456", 7890.1, nueve},
      {"00CCCCPPPPP", "1", "2123456789012", false, "3456", 7890.1, nueve},
      {"00CCCCQQQQQ", "4", "2123456789012", false, "3456", 7.8901, nueve},
      {"0CCCCCPPPPP", "0", "2123456789012", false, "23456", 78901, nueve},
      {"0CCCCCQQQQQ", "1", "-2123456789012", false, "23456", -7890.1, nueve},
  };
  for (const Balanza& c : casos) {
    SCOPED_TRACE(std::string(c.mascara) + " / " + c.decimales + " / " + c.referencia);
    core::gCore().gMascaraBalanza = QString::fromUtf8(c.mascara);
    core::gCore().gDecimalesBalanza = QString::fromUtf8(c.decimales);
    QString codigo = QString::fromUtf8(c.referencia), descripcion, udBase;
    bool esCodigoBarra = false;
    double cantidad = 7;
    rt::Currency importe = nueve;
    ado::Recordset rs;
    EXPECT_EQ(core::BuscaArticuloPorCodigo(codigo, rs, true, esCodigoBarra, descripcion, "", udBase, "", cantidad,
                                           importe),
              c.encontrado);
    EXPECT_EQ(codigo, c.codigo);
    EXPECT_DOUBLE_EQ(cantidad, c.cantidad);
    EXPECT_EQ(importe, c.importe);
  }
}

// The set of a blank reference is of the kind a found article's set is.
TEST_F(BuscaArticulo, ABlankReferenceHandsBackAnEmptySetOfTheAskedKind) {
  for (bool soloLectura : {true, false}) {
    SCOPED_TRACE(soloLectura ? "read-only" : "updatable");
    const auto busca = [&](QString codigo, ado::Recordset& rs) {
      QString descripcion, udBase;
      bool esCodigoBarra = true;
      double cantidad = 0;
      rt::Currency importe;
      return core::BuscaArticuloPorCodigo(codigo, rs, soloLectura, esCodigoBarra, descripcion, "211010001", udBase,
                                          "2", cantidad, importe);
    };
    ado::Recordset encontrado, vacio;
    ASSERT_TRUE(busca("TORNILLO", encontrado));
    EXPECT_FALSE(busca("  ", vacio));
    ASSERT_EQ(vacio.State(), ado::adStateOpen);
    EXPECT_TRUE(vacio.BOF() && vacio.EOF());
    EXPECT_EQ(vacio.CursorType(), encontrado.CursorType());
    EXPECT_EQ(vacio.LockType(), soloLectura ? ado::adLockReadOnly : ado::adLockOptimistic);
    EXPECT_EQ(vacio["UdBase"].Name(), "UDBASE");
  }
  EXPECT_TRUE(host.boxes().empty());
}

TEST_F(BuscaArticulo, WithoutReadOnlyTheRowCanBeChanged) {
  QString codigo = "TORNILLO", descripcion, udBase;
  bool esCodigoBarra = false;
  double cantidad = 0;
  rt::Currency importe;
  ado::Recordset rs;
  ASSERT_TRUE(core::BuscaArticuloPorCodigo(codigo, rs, false, esCodigoBarra, descripcion, "", udBase, "", cantidad,
                                           importe));
  EXPECT_EQ(rs.LockType(), ado::adLockOptimistic);
  rs["Presentacion"] = rt::Variant("Caja x 100");
  rs.Update();
  rs.Close();
  EXPECT_EQ(scalar("SELECT Presentacion FROM V_MA_ARTICULOS WHERE IDARTICULO = 'TORNILLO'"), rt::Variant("Caja x 100"));
}

TEST(BuscaArticuloSentencias, ExactTexts) {
  namespace sql = core::sentencia;
  const std::vector<QString> barras = sql::ArticuloPorReferencia("A'1", true);
  const std::vector<QString> codigo = sql::ArticuloPorReferencia("A'1", false);
  ASSERT_EQ(barras.size(), 8u);
  EXPECT_EQ(barras[0], "SELECT *,IDUNIDAD AS UDBASE FROM V_MA_ARTICULOS WHERE codigobarra =  'A''1'");
  EXPECT_EQ(codigo[0], "SELECT *,IDUNIDAD AS UDBASE  FROM V_MA_ARTICULOS WHERE IDARTICULO = 'A''1'");
  EXPECT_EQ(barras[1], "SELECT *,IDUNIDAD AS UDBASE  FROM V_MA_ARTICULOS WHERE codigobarra =  'A''1'");
  EXPECT_EQ(barras[2],
            "SELECT *,IDUNIDAD AS UDBASE , ISNULL(UD_TTE,IDUNIDAD) AS IDUNIDAD FROM V_MA_ARTICULOS WHERE "
            "CODIGOBARRADUN = 'A''1'");
  for (int n = 1; n <= 4; ++n)
    EXPECT_EQ(barras[2 + n], QString("SELECT *,IDUNIDAD AS UDBASE , ISNULL(UMCB%1,IDUNIDAD) AS IDUNIDAD FROM "
                                     "V_MA_ARTICULOS WHERE CODIGOBARRA%1 = 'A''1'")
                                 .arg(n));
  EXPECT_EQ(barras[7], codigo[0]);
  EXPECT_EQ(codigo[1], barras[1]);
  EXPECT_EQ(sql::ArticuloEnListaDeCompra("X-9", "   2"),
            "SELECT IDARTICULO,IDARTICULOPROVEEDOR,idunidad as UdBase FROM V_MA_PRECIOS WHERE IDARTICULOPROVEEDOR = "
            "'X-9' and IDLISTA = '   2' AND TIPOLISTA = 'C'");
  EXPECT_EQ(sql::ArticuloDeLaLista("TORNILLO"),
            "SELECT *,IDUNIDAD AS UDBASE  FROM V_MA_ARTICULOS WHERE idarticulo = 'TORNILLO'");
  EXPECT_EQ(sql::NingunArticulo(), "SELECT *,IDUNIDAD AS UDBASE FROM V_MA_ARTICULOS WHERE 1 = 0");
  EXPECT_EQ(sql::ArticuloPorCodigoDeProveedor("P'1", "211010001"),
            "SELECT *,IDUNIDAD AS UDBASE  FROM V_MA_ARTICULOS WHERE CodigoArtProveedor = 'P''1' and CuentaProveedor = "
            "'211010001'");
}

class BuscaArticuloPlanes : public QueryPlanTest {};

TEST_F(BuscaArticuloPlanes, EveryLookupUsesAnIndex) {
  namespace sql = core::sentencia;
  std::vector<QString> statements = sql::ArticuloPorReferencia("7790001000012", true);
  statements.push_back(sql::ArticuloEnListaDeCompra("X-900", "   2"));
  statements.push_back(sql::ArticuloDeLaLista("TORNILLO"));
  statements.push_back(sql::ArticuloPorCodigoDeProveedor("PRV-77", "211010001"));
  for (const QString& s : statements) expectIndexed(s);
}

}  // namespace
