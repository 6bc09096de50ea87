// The stock movement row: its columns one rule at a time, and the items a
// line writes from its lot, serial and quantity lists.
#include <gtest/gtest.h>

#include <functional>

#include "StockFixture.h"
#include "core/CoreState.h"
#include "numbering/ColumnasGrillas.h"
#include "platform/suite/Library.h"
#include "support/Printers.h"

namespace {

using namespace testing_support;
namespace a = numbering::articulos;

const QString kNinguna = "<none>";  // the column is left out

// The cells given, then more.
Celdas Con(Celdas celdas, const Celdas& mas) {
  celdas.insert(celdas.end(), mas.begin(), mas.end());
  return celdas;
}

class RenglonStock : public StockDatabase {
 protected:
  void SetUp() override {
    StockDatabase::SetUp();
    config("PIVA", "21");
  }
};

TEST_F(RenglonStock, EachColumnByItsRule) {
  const QString larga = QString(60, u'x') + "d'Este" + QString(60, u'y');
  const struct {
    const char* regla;
    Celdas celdas;  // of one TORNILLO line of 4 (a delivery note)
    std::function<void(Registro&)> prepara;
    const char* columna;
    QString literal;
    bool seGraba = true;  // whether the database takes the row, as SQL Server does
  } casos[] = {
      {"sales complement bare", {}, nullptr, "IdComplemento", "0"},
      // The column is a whole number: SQL Server refuses the text (245).
      {"complement that is no number", {}, [](Registro& r) { r.complemento = "A'1"; }, "IdComplemento",
       "'A''1'", false},
      {"purchases write no complement", {}, [](Registro& r) { r.tc = "FCC"; }, "IdComplemento",
       kNinguna},
      {"cash register", {}, nullptr, "IdCaja", "'   1'"},
      {"cash register with an apostrophe", {}, [](Registro&) { core::gCore().gCaja = "2'"; }, "IdCaja",
       "'   2'"},
      {"no cash register", {}, [](Registro&) { core::gCore().gCaja = " "; }, "IdCaja", kNinguna},
      {"line deposit", {{a::IdDeposito, "2"}}, nullptr, "IdDeposito", "'   2'"},
      {"line deposit with an apostrophe", {{a::IdDeposito, "2'"}}, nullptr, "IdDeposito", "'2'''"},
      {"the caller's deposit", {}, [](Registro& r) { r.deposito = "7"; }, "IdDeposito", "'   7'"},
      {"the default deposit", {}, nullptr, "IdDeposito", "'   1'"},
      {"no default deposit: NULL",
       {},
       [this](Registro&) { config("DepositoDefault", ""); },
       "IdDeposito",
       "NULL"},
      {"the caller's sign 1 takes the caller's deposit",
       {{a::IdDeposito, "2"}},
       [](Registro& r) {
         r.deposito = "7";
         r.signo = 1;
       },
       "IdDeposito",
       "'   7'"},
      {"per line with the caller's sign 1",
       {},
       [](Registro& r) {
         r.deposito = "ELDELGRID";
         r.signo = 1;
       },
       "IdDeposito",
       "'   1'"},
      {"article code of digits", {{a::IdArticulo, "123"}}, nullptr, "IdArticulo", "'                      123'"},
      {"description cut to LenDescripcion, then without apostrophes",
       {{a::Descripcion, larga}},
       [this](Registro&) { nueva().gLenDesc = 64; },
       "Descripcion",
       "'" + QString(60, u'x') + "dEs'"},
      {"a LenDescripcion below 1 cuts at 100",
       {{a::Descripcion, QString(120, u'z')}},
       [this](Registro&) { nueva().gLenDesc = -3; },
       "Descripcion",
       "'" + QString(100, u'z') + "'"},
      {"never beyond the column",
       {{a::Descripcion, QString(300, u'z')}},
       [this](Registro&) { nueva().gLenDesc = 400; },
       "Descripcion",
       "'" + QString(255, u'z') + "'"},
      {"controller of the line wins", {{a::ControladoPor, "CTRL'1"}, {a::LoteAduana, "AD1"}},
       [](Registro& r) { r.aduana = "ADU"; }, "ControladoPor", "'CTRL''1'"},
      {"customs lot of the line", {{a::LoteAduana, "A'D1"}}, [](Registro& r) { r.aduana = "ADU"; },
       "ControladoPor", "'AD1'"},
      {"customs of the voucher", {}, [](Registro& r) { r.aduana = " AD'U "; }, "ControladoPor",
       "'ADU'"},
      {"origin lot of the line", {{a::LoteOrigen, "9"}}, [](Registro& r) { r.loteOrigen = "8"; },
       "IdOrigen", "'   9'"},
      {"origin lot of the voucher", {}, [](Registro& r) { r.loteOrigen = "8"; }, "IdOrigen", "'   8'"},
      {"no origin lot", {}, nullptr, "IdOrigen", kNinguna},
      {"blank unit", {{a::IdUnidad, " "}}, nullptr, "IdUnidad", "NULL"},
      {"quantity out", {}, nullptr, "Cantidad", "-4"},
      {"quantity in", {}, [](Registro& r) { r.tc = "AJP"; }, "Cantidad", "4"},
      {"weighed without a base unit", {{a::Pesable, "-1"}}, nullptr, "CantidadUD", kNinguna},
      {"weighed: blanks count as set", {{a::Pesable, "  "}, {a::IdUnidadBase, "KG"}, {a::CantidadUdBase, "3,5"}},
       nullptr, "CantidadUD", "-3.5"},
      {"weighed base unit", {{a::Pesable, "-1"}, {a::IdUnidadBase, "KG"}, {a::CantidadUdBase, "3,5"}}, nullptr,
       "IdUnidadBase", "'KG'"},
      {"equivalent unit", {{a::CantidadEquiv, "12"}, {a::UnidadEquiv, " CJ "}},
       [this](Registro&) { config("ConfirmaUDEquiv", "si"); }, "CantidadUD", "-12"},
      {"base quantity of a line with a base unit", {{a::IdUnidadBase, "KG"}, {a::CantidadUdBase, "2"}}, nullptr,
       "CantidadUD", "-2"},
      {"a lot row's share of the base quantity", {{a::IdUnidadBase, "KG"}, {a::CantidadUdBase, "2"},
                                                   {a::NroLote, "|L1|"}, {a::NroSerie, "|4|"}},
       nullptr, "CantidadUD", "-2"},
      {"no base unit: the line's unit", {}, nullptr, "IdUnidadBase", "'UN'"},
      {"the article's supplier", {}, nullptr, "CuentaProveedor", "'211010001'"},
      {"an article without supplier", {{a::IdArticulo, "LIJA"}}, nullptr, "CuentaProveedor", kNinguna},
      {"an empty account", {}, [](Registro& r) { r.cuenta = ""; }, "CuentaProveedor", "''"},
      {"no account", {}, [](Registro& r) { r.cuenta = " null "; }, "CuentaProveedor", kNinguna},
      {"the caller's account", {}, [](Registro& r) { r.cuenta = "211019999"; }, "CuentaProveedor",
       "'211019999'"},
      {"the default motive", {}, nullptr, "IdMotivoStock", "'   5'"},
      {"a quoted motive", {}, [](Registro& r) { r.motivo = "'3'"; }, "IdMotivoStock", "'   3'"},
      {"a motive of blanks: NULL", {}, [](Registro& r) { r.motivo = "   "; }, "IdMotivoStock", "NULL"},
      {"no default motive: NULL", {}, [this](Registro&) { config("MotivoStockDefault", " "); },
       "IdMotivoStock", "NULL"},
      {"the line's motive", {{a::MotivoStock, "2"}}, [](Registro& r) { r.motivo = "ELDELGRID"; },
       "IdMotivoStock", "'   2'"},
      {"price", {{a::Importe, "12,5"}}, nullptr, "PrecioVenta", "12.5"},
      {"price without VAT", {{a::PrecioSinIVA, "10.33"}}, nullptr, "Importe_S_Iva", "10.33"},
      {"the line's cost", {{a::Costo, "3"}}, nullptr, "Costo", "3"},
      {"the article's cost when the line's is 0", {{a::Costo, "0"}}, nullptr, "Costo", "2.5"},
      {"taxes and ITC", {{a::Impuestos, "1,25"}, {a::ITC, "0.5"}}, nullptr, "Impuestos", "1.75"},
      {"discount", {{a::PorcDto, "10"}}, nullptr, "DtoItem", "10"},
      {"no origin voucher: the text NULL", {}, nullptr, "Tc_Origen", "'NULL'"},
      {"no origin voucher: no number", {}, nullptr, "IdComprobante_Origen", "NULL"},
      {"origin voucher", {}, [](Registro& r) { r.tcOrigen = "fc"; r.cpteOrigen = "0001'0000001A"; },
       "IdComprobante_Origen", "'0001''0000001A'"},
      {"origin identifier", {{a::IdCpteOrigen, "345"}}, nullptr, "Id_Origen", "345"},
      {"the line's VAT rate", {{a::TasaIVA, "10,5"}}, nullptr, "IVARI", "10.5"},
      {"the configured VAT rate", {}, nullptr, "IVARI", "21"},
      {"exempt", {{a::EsExento, "-1"}}, nullptr, "IVARI", "0"},
      {"second VAT rate", {{a::IVARNI, "2.5"}}, nullptr, "IVARNI", "2.5"},
      {"no technician", {}, nullptr, "IdTecnico", kNinguna},
      {"technician", {}, [](Registro& r) { r.tecnico = "7"; }, "IdTecnico", "'   7'"},
      {"equivalence of 1 when blank", {}, nullptr, "EQUIV_UDBASE", "1"},
      {"equivalence", {{a::Coeficiente, "2,5"}}, nullptr, "EQUIV_UDBASE", "2.5"},
      {"kept numbers", {{a::IdInsert, "31"}}, nullptr, "IDINSERT", "31"},
      {"compulsa", {{a::IdCompulsa, "32"}}, nullptr, "IDCOMPULSA", "32"},
      {"offer", {{a::Oferta, "1"}}, nullptr, "Oferta", "1"},
      {"salesman", {}, [](Registro& r) { r.vendedor = "O'B"; }, "IdVendedor", "'O''B'"},
      {"unit amount", {{a::ImporteUd, "4.2"}}, nullptr, "Importe_Ud", "4.2"},
      {"unit of the price", {{a::UdPrecio, "1"}}, nullptr, "Ud_Pr", "'   1'"},
      {"business unit", {}, nullptr, "UNEGOCIO", "'   1'"},
      {"currency", {}, nullptr, "ARTMONEDA", "'   1'"},
      {"exchange rate", {}, nullptr, "ARTCOTIZACION", "1"},
      {"loan", {{a::EnComodato, "1"}}, nullptr, "EnComodato", "1"},
  };
  for (const auto& c : casos) {
    SCOPED_TRACE(c.regla);
    exec("DELETE FROM V_MV_STOCK");
    exec("DELETE FROM MV_ASIENTOS");
    config("DepositoDefault", "1");
    config("MotivoStockDefault", "5");
    config("ConfirmaUDEquiv", "NO");
    core::gCore().gCaja = "1";
    nueva();
    Registro r{.acumula = true};
    if (c.prepara) c.prepara(r);
    Celdas celdas = c.celdas;
    ui::FlexGrid& g = grilla(r.tc, {Articulo("TORNILLO", "4", celdas)});
    registra(g, r);
    ASSERT_FALSE(r.hayError);
    const QStringList s = Sentencias(r.sql);
    ASSERT_FALSE(s.isEmpty());
    const auto columnas = Columnas(s.front());
    const auto it = columnas.find(QString::fromLatin1(c.columna));
    EXPECT_EQ(it == columnas.end() ? kNinguna : it->second, c.literal) << s.front().toStdString();
    ASSERT_EQ(ejecutaLote(r.sql), c.seGraba);
  }
  verificaInvariantes();
}

TEST_F(RenglonStock, TheColumnsKeepTheirOrderAndTheGridItsNormalisedCells) {
  Registro r{.acumula = true, .loteOrigen = "8"};
  r.tecnico = "3";
  ui::FlexGrid& g = grilla("RM", {Articulo("TORNILLO", "4", {{a::UnidadEquiv, "CJ"}})});
  registra(g, r);
  EXPECT_TRUE(Sentencias(r.sql).front().startsWith(
      "INSERT INTO V_MV_STOCK(TC,IdComprobante,IdComplemento,Secuencia,Fecha,IdCaja,IdDeposito,IdArticulo,Descripcion,"
      "NroLote,ControladoPor,IdOrigen,NroSerie,IdUnidad,Cantidad,CantidadUD,IdUnidadBase,CuentaProveedor,IdMotivoStock,"
      "PrecioVenta,Importe_S_Iva,Costo,Impuestos,DtoItem,Tc_Origen,IdComprobante_Origen,Id_Origen,IVARI,IVARNI,"
      "IdTecnico,EQUIV_UDBASE,IDINSERT,IDCOMPULSA,Oferta,IdVendedor,Importe_Ud,Ud_Pr,UNEGOCIO,ARTMONEDA,ARTCOTIZACION,"
      "EnComodato) VALUES ("));
  EXPECT_EQ(g.TextMatrix(1, a::UnidadEquiv), "CJ");
  EXPECT_EQ(g.TextMatrix(1, a::Pesable), "0");
  EXPECT_EQ(g.TextMatrix(1, a::Coeficiente), "1");
  EXPECT_EQ(g.TextMatrix(1, a::PideTalle), "0");  // an outgoing line
  ASSERT_TRUE(ejecutaLote(r.sql));
  verificaInvariantes();
}

// The rows of one line: "lot|serial|quantity".
struct CasoItems {
  const char* caso;
  const char* tc;  // AJP in, RM out
  Celdas celdas;   // beside the article and its quantity
  const char* cantidad;
  QStringList filas;
  const char* loteFijo = "";
};

TEST_F(RenglonStock, TheItemsOfALine) {
  const QString y = QString(QChar(0xFF));
  const CasoItems casos[] = {
      {"plain in", "AJP", {}, "5", {"<null>|<null>|5"}},
      {"plain in, fixed lot", "AJP", {{a::PideSerie, "0"}, {a::PideTalle, "0"}}, "5", {"LF|<null>|5"}, "LF"},
      {"flags left empty: a size line, no fixed lot", "AJP", {}, "5", {"<null>|<null>|5"}, "LF"},
      {"serials in, one unit each", "AJP", {{a::PideSerie, "-1"}, {a::PideTalle, "0"}, {a::NroSerie, "|S1|S2|S3|"}},
       "3", {"<null>|S1|1", "<null>|S2|1", "<null>|S3|1"}},
      {"serials in, a blank one", "AJP", {{a::PideSerie, "-1"}, {a::PideTalle, "0"}, {a::NroSerie, "|S1|-|S3|"}},
       "3", {"<null>|S1|1", "<null>|<null>|1", "<null>|S3|1"}},
      {"serials with lots in", "AJP",
       {{a::PideSerie, "-1"}, {a::PideTalle, "0"}, {a::NroLote, "|L1|L1|"}, {a::NroSerie, "|S1|S2|"}}, "2",
       {"L1|S1|1", "L1|S2|1"}},
      {"lot-serial pairs in", "AJP",
       {{a::PideSerie, "-1"}, {a::PideTalle, "0"}, {a::NroSerie, "|L1" + y + "S1|" + y + "S2|"}}, "2",
       {"L1|S1|1", "<null>|S2|1"}},
      {"lots in, one unit each", "AJP", {{a::PideSerie, "0"}, {a::PideTalle, "0"}, {a::NroLote, "|A|B|"}}, "2",
       {"A|<null>|1", "B|<null>|1"}},
      {"lots in, a list shorter than the line", "AJP",
       {{a::PideSerie, "0"}, {a::PideTalle, "0"}, {a::NroLote, "|A|B|"}}, "5",
       {"A|<null>|1", "B|<null>|1", "<null>|<null>|3"}},
      {"lots in, shorter, fixed lot", "AJP", {{a::PideSerie, "0"}, {a::PideTalle, "0"}, {a::NroLote, "|A|-|"}}, "5",
       {"A|<null>|1", "LF|<null>|1", "LF|<null>|3"}, "LF"},
      {"lots in, longer than the line", "AJP",
       {{a::PideSerie, "0"}, {a::PideTalle, "0"}, {a::NroLote, "|A|B|C|"}}, "2,5",
       {"A|<null>|1", "B|<null>|1", "C|<null>|0.5"}},
      {"lots of a negative line, one unit out each", "AJP",
       {{a::PideSerie, "0"}, {a::PideTalle, "0"}, {a::NroLote, "|A|B|"}}, "-2", {"A|<null>|-1", "B|<null>|-1"}},
      {"one lot in takes the line", "AJP", {{a::PideSerie, "0"}, {a::PideTalle, "0"}, {a::NroLote, "|A|A|"}}, "5",
       {"A|<null>|5"}},
      {"sizes in, each with its quantity", "AJP", {{a::NroLote, "|S|S|M|"}, {a::NroSerie, "|1|2|1|"}}, "4",
       {"S|<null>|1", "S|<null>|2", "M|<null>|1"}},
      {"sizes in, a blank quantity", "AJP", {{a::PideTalle, "-1"}, {a::NroLote, "|S|M|L|"}, {a::NroSerie, "|2|-|0|"}},
       "2", {"S|<null>|2"}},
      {"sizes in, digit codes", "AJP", {{a::PideTalle, "-1"}, {a::NroLote, "|38" + y + "|40|"}, {a::NroSerie, "|1|1|"}},
       "2", {"                       38|<null>|1", "                       40|<null>|1"}},
      {"perishable", "AJP", {{a::EsPerecedero, "-1"}, {a::NroLote, "V1"}}, "6", {"V1|<null>|6"}},
      {"pairs out", "RM", {{a::NroLote, "|L1" + y + "|L2" + y + "S9|" + y + "|"}, {a::NroSerie, "|3|2|-|"}}, "5",
       {"L1|<null>|-3", "L2|S9|-2"}},
      {"pairs out, a lot taken twice", "RM", {{a::NroLote, "|L1" + y + "|L1" + y + "|"}, {a::NroSerie, "|3|2|"}}, "5",
       {"L1|<null>|-3", "L1|<null>|-2"}},
      {"lots out with a blank item", "RM", {{a::NroLote, "|L1|-|"}, {a::NroSerie, "|3|-|"}}, "3", {"L1|<null>|-3"}},
      {"sizes out keep their whole code", "RM",
       {{a::PideTalle, "-1"}, {a::NroLote, "|S" + y + "|XL|38|"}, {a::NroSerie, "|1|2|1|"}}, "4",
       {"S|<null>|-1", "XL|<null>|-2", "                       38|<null>|-1"}},
      {"plain out", "RM", {}, "5", {"<null>|<null>|-5"}},
  };
  int voucher = 0;
  for (const CasoItems& c : casos) {
    SCOPED_TRACE(c.caso);
    const QString numero = QStringLiteral("0001%1R").arg(++voucher, 8, 10, QChar(u'0'));
    Registro r{.tc = c.tc, .sucNroLetra = numero, .loteFijo = c.loteFijo};
    registra(grilla(c.tc, {Articulo("TORNILLO", c.cantidad, c.celdas)}), r);
    ASSERT_FALSE(r.hayError);
    const QString donde = " FROM V_MV_STOCK WHERE IdComprobante = '" + numero + "'";
    EXPECT_EQ(filas("SELECT NroLote, NroSerie, Cantidad" + donde + " ORDER BY Secuencia"), c.filas);
    // Rows are numbered without gaps.
    EXPECT_EQ(scalar("SELECT MAX(Secuencia)" + donde).toLong(), c.filas.size());
    // The rows add up to the line.
    EXPECT_EQ(filas("SELECT ABS(SUM(Cantidad))" + donde),
              filas("SELECT ABS(" + suite::gUtilidades().TextoANumero(c.cantidad).toSqlText() + ")"));
  }
  verificaInvariantes();
}

// A line whose lot, serial or size list does not add up to its quantity
// refuses the voucher, naming the line, before anything is written: no
// purchase order marked received, no row, no entry; the caller's batch as it
// was.
TEST_F(RenglonStock, AListThatDoesNotAddUpRefusesTheVoucherBeforeAnythingIsWritten) {
  const QString y = QString(QChar(0xFF));
  const Celdas series{{a::PideSerie, "-1"}, {a::PideTalle, "0"}};
  const struct {
    const char* caso;
    const char* tc;
    const char* articulo;
    Celdas celdas;
    const char* cantidad;
    const char* suma;  // what the list adds up to
    bool asterisco = false;
  } casos[] = {
      {"a receipt of 3 with one serial", "RMC", "CELULAR", Con(series, {{a::NroSerie, "|S1|"}}), "3", "1"},
      {"2 units with three serials", "AJP", "CELULAR", Con(series, {{a::NroSerie, "|S1|S2|S3|"}}), "2", "3"},
      {"serials in the asterisk format short of the line", "AJP", "CELULAR",
       Con(series, {{a::NroSerie, "|S1*2|-|-|"}}), "3", "2", true},
      {"units that are no number", "AJP", "CELULAR", Con(series, {{a::NroSerie, "|S1*tres|"}}), "3", "0", true},
      {"a delivery note of 5 with one lot of 1", "RM", "VINO", {{a::NroLote, "|L1" + y + "|"}, {a::NroSerie, "|1|"}},
       "5", "1"},
      {"lots out whose quantities are missing", "RM", "VINO",
       {{a::NroLote, "|L1" + y + "|L2" + y + "|"}, {a::NroSerie, "|2|"}}, "5", "2"},
      {"a size line of 6 with sizes 1 and 2", "AJP", "TORNILLO",
       {{a::PideTalle, "-1"}, {a::NroLote, "|S|M|"}, {a::NroSerie, "|1|2|"}}, "6", "3"},
  };
  config("IR_Oblig", "NO");
  exec("INSERT INTO C_MV_CPTE (TC, IDCOMPROBANTE, CUENTA) VALUES ('OC', '000100000003X', '211010001')");
  for (const char* l : {"L1", "L2"}) movimiento("VINO", "   1", l, "", "10");
  for (bool acumula : {false, true}) {
    for (const auto& c : casos) {
      SCOPED_TRACE(std::string(c.caso) + (acumula ? " (accumulated)" : " (immediate)"));
      config("ART_FormatoSerieAsterisco", c.asterisco ? "SI" : "NO");
      nueva();
      const bool compra = QString(c.tc) == "RMC";
      Registro r{.tc = c.tc,
                 .tcOrigen = compra ? "OC" : "",
                 .cpteOrigen = compra ? "000100000003X" : "",
                 .acumula = acumula,
                 .sql = "previo"};
      host.answer(1, QStringLiteral("La línea 2 (%1) no se puede grabar: sus lotes, series o talles suman %2 y su "
                                    "cantidad es %3.\r\nCorrija la línea y vuelva a grabar el comprobante.")
                         .arg(c.articulo, c.suma, c.cantidad));
      registra(grilla(c.tc, {Articulo("TUERCA", "1"), Articulo(c.articulo, c.cantidad, c.celdas)}), r);
      EXPECT_TRUE(r.hayError);
      EXPECT_EQ(r.sql, "previo");
      EXPECT_EQ(host.boxes().back().title, "Aviso al operador");
      EXPECT_EQ(host.boxes().back().buttons, 16);
    }
  }
  EXPECT_TRUE(host.scriptExhausted());
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM V_MV_STOCK WHERE TC <> 'AJP'").toLong(), 0);
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM V_MV_STOCK").toLong(), 2);  // the lots put in
  EXPECT_EQ(scalar("SELECT COUNT(*) FROM MV_ASIENTOS").toLong(), 0);
  EXPECT_TRUE(scalar("SELECT FechaRecepcion FROM C_MV_CPTE").isNull());
  verificaInvariantes();
}

// The lists the serial dialog hands back: "serial*units" in the asterisk
// format, one serial for a line that is not whole, units of a negative line.
// The rows add up to the line and the entry values them.
TEST_F(RenglonStock, TheSerialListsTheDialogHandsBack) {
  const struct {
    const char* caso;
    bool asterisco;
    const char* cantidad;
    const char* series;
    QStringList filas;  // "serial|Cantidad"
  } casos[] = {
      {"three units of one serial", true, "3", "|S1*3|-|-|", {"S1|3"}},
      {"units of two serials", true, "3", "|S1*2|s2 * 1|-|", {"S1|2", "s2|1"}},
      {"a negative line in the asterisk format", true, "-3", "|S1*3|-|-|", {"S1|-3"}},
      {"without the format the asterisk is the serial's", false, "1", "|S1*3|", {"S1*3|1"}},
      {"a lone serial on a line that is not whole", false, "2,5", "|S1|", {"S1|2.5"}},
      {"a negative line, one unit each", false, "-2", "|S1|S2|", {"S1|-1", "S2|-1"}},
  };
  int voucher = 0;
  for (bool acumula : {false, true}) {
    for (const auto& c : casos) {
      SCOPED_TRACE(std::string(c.caso) + (acumula ? " (accumulated)" : " (immediate)"));
      config("ART_FormatoSerieAsterisco", c.asterisco ? "si" : "NO");
      nueva();
      const QString numero = QStringLiteral("0001%1X").arg(++voucher, 8, 10, QChar(u'0'));
      Registro r{.tc = "AJP", .sucNroLetra = numero, .acumula = acumula};
      ASSERT_TRUE(graba(grilla("AJP", {Articulo("CELULAR", c.cantidad,
                                                {{a::PideSerie, "-1"}, {a::PideTalle, "0"}, {a::NroSerie, c.series}})}),
                        r));
      EXPECT_EQ(filas("SELECT NroSerie, Cantidad FROM V_MV_STOCK WHERE IdComprobante = '" + numero +
                      "' ORDER BY Secuencia"),
                c.filas);
      verificaValorDelAsiento("AJP", numero);
    }
  }
  verificaInvariantes();
}

// The rows of one line in the base unit: each row's share of the line's
// base quantity, rounded cumulatively.
struct CasoBase {
  const char* caso;
  const char* tc;  // AJP in, RM out
  Celdas celdas;   // beside the article and its quantity
  const char* cantidad;
  const char* base;  // what the whole line is in its base unit, signed; nullptr: no base quantity
  const char* unidad;  // the base unit
  QStringList filas;   // "lot|serial|Cantidad|CantidadUD"
  bool equivalente = false;
  const char* loteFijo = "";
};

TEST_F(RenglonStock, EachRowWritesItsShareOfTheBaseQuantity) {
  const QString y = QString(QChar(0xFF));
  const Celdas soloLotes{{a::PideSerie, "0"}, {a::PideTalle, "0"}};
  const Celdas kilos{{a::IdUnidadBase, "KG"}, {a::CantidadUdBase, "1"}};
  const CasoBase casos[] = {
      {"plain, fractional", "AJP", {}, "2,5", "2.5", "UN", {"<null>|<null>|2.5|2.5"}},
      {"lots equal to the line", "AJP", Con(soloLotes, {{a::NroLote, "|A|B|"}}), "2", "2", "UN",
       {"A|<null>|1|1", "B|<null>|1|1"}},
      {"lots shorter than the line: the rest row", "AJP", Con(soloLotes, {{a::NroLote, "|A|B|"}}), "5", "5", "UN",
       {"A|<null>|1|1", "B|<null>|1|1", "<null>|<null>|3|3"}},
      {"lots longer than the line", "AJP", Con(soloLotes, {{a::NroLote, "|A|B|C|"}}), "2,5", "2.5", "UN",
       {"A|<null>|1|1", "B|<null>|1|1", "C|<null>|0.5|0.5"}},
      {"fixed lot for the rest", "AJP", Con(soloLotes, {{a::NroLote, "|A|-|"}}), "5", "5", "UN",
       {"A|<null>|1|1", "LF|<null>|1|1", "LF|<null>|3|3"}, false, "LF"},
      {"serials in thirds of a kilogram", "AJP",
       Con(kilos, {{a::PideSerie, "-1"}, {a::PideTalle, "0"}, {a::NroSerie, "|S1|S2|S3|"}}), "3", "1", "KG",
       {"<null>|S1|1|0.3333", "<null>|S2|1|0.3334", "<null>|S3|1|0.3333"}},
      {"sizes", "AJP",
       {{a::IdUnidadBase, "KG"}, {a::CantidadUdBase, "2"}, {a::NroLote, "|S|S|M|"}, {a::NroSerie, "|1|2|1|"}}, "4",
       "2", "KG", {"S|<null>|1|0.5", "S|<null>|2|1", "M|<null>|1|0.5"}},
      {"out, a pair and a quantity without lot", "RM",
       {{a::NroLote, "|LA" + y + "S1|" + y + "|"}, {a::NroSerie, "|1|2|"}},
       "3", "-3", "UN", {"LA|S1|-1|-1", "<null>|<null>|-2|-2"}},
      {"out, one lot of a line in kilograms", "RM",
       {{a::IdUnidadBase, "KG"}, {a::CantidadUdBase, "2"}, {a::NroLote, "|L1|"}, {a::NroSerie, "|4|"}}, "4", "-2", "KG",
       {"L1|<null>|-4|-2"}},
      {"weighed with lots", "RM",
       {{a::Pesable, "-1"}, {a::IdUnidadBase, "KG"}, {a::CantidadUdBase, "3,5"},
        {a::NroLote, "|L1" + y + "|L2" + y + "|"},
        {a::NroSerie, "|1|3|"}},
       "4", "-3.5", "KG", {"L1|<null>|-1|-0.875", "L2|<null>|-3|-2.625"}},
      {"weighed without base unit", "RM", {{a::Pesable, "-1"}, {a::NroLote, "|L1|"}, {a::NroSerie, "|4|"}}, "4",
       nullptr, "", {"L1|<null>|-4|<null>"}},
      {"equivalent unit with lots", "RM",
       {{a::UnidadEquiv, "CJ"}, {a::CantidadEquiv, "12"}, {a::NroLote, "|L1" + y + "|L2" + y + "|"},
        {a::NroSerie, "|1|2|"}},
       "3", "-12", "CJ", {"L1|<null>|-1|-4", "L2|<null>|-2|-8"}, true},
  };
  int voucher = 0;
  for (bool acumula : {false, true}) {
    for (const CasoBase& c : casos) {
      SCOPED_TRACE(std::string(c.caso) + (acumula ? " (accumulated)" : " (immediate)"));
      for (const char* tabla : {"V_MV_STOCK", "STK_SERIES_Y_LOTES", "STK_SALDOS_UNIDADES", "STK_STOCK_UDKG"})
        exec(QStringLiteral("DELETE FROM %1").arg(tabla));
      config("ConfirmaUDEquiv", c.equivalente ? "SI" : "NO");
      nueva();
      const QString numero = QStringLiteral("0001%1R").arg(++voucher, 8, 10, QChar(u'0'));
      Registro r{.tc = c.tc, .sucNroLetra = numero, .acumula = acumula, .loteFijo = c.loteFijo};
      registra(grilla(c.tc, {Articulo("TORNILLO", c.cantidad, c.celdas)}), r);
      ASSERT_FALSE(r.hayError);
      if (acumula) {
        ASSERT_TRUE(ejecutaLote(r.sql));
      }
      EXPECT_EQ(filas("SELECT NroLote, NroSerie, Cantidad, CantidadUD FROM V_MV_STOCK ORDER BY Secuencia"), c.filas);
      if (!c.base) continue;
      EXPECT_EQ(filas("SELECT DISTINCT IdUnidadBase FROM V_MV_STOCK"), QStringList{QString::fromLatin1(c.unidad)});
      // The rows carry of the base quantity what they carry of the line.
      suite::Utilidades& util = suite::gUtilidades();
      const rt::Currency linea = util.TextoANumero(c.cantidad) * rt::Currency::fromInt(QString(c.tc) == "RM" ? -1 : 1);
      const rt::Currency suma = util.TextoANumero(scalar("SELECT SUM(Cantidad) FROM V_MV_STOCK").toString());
      EXPECT_EQ(filas("SELECT SUM(CantidadUD) FROM V_MV_STOCK"),
                QStringList{util.TextoANumero(c.base).scaled(suma, linea).toSqlText()});
      EXPECT_EQ(filas("SELECT CantidadUd FROM STK_STOCK_UDKG"),
                filas("SELECT STOCK FROM STK_SALDOS_UNIDADES WHERE EQUIVALENCIA = '" + QString::fromLatin1(c.unidad) +
                      "'"));
    }
  }
  verificaInvariantes();
}

// Serials of a base quantity of a few ten-thousandths: a remainder left to
// the last row would write it against the unit coming in (7 over 0,0011
// left -0.0001, 100 over 0,007 left -0.0029). Each row stays within a
// ten-thousandth of its exact share, and the rows add up to the line's.
TEST_F(RenglonStock, SerialsOfATinyBaseQuantityKeepItsSign) {
  const struct {
    int serie;
    const char* base;
  } casos[] = {{7, "0,0011"}, {100, "0,007"}};
  int voucher = 0;
  for (bool acumula : {false, true}) {
    for (const auto& c : casos) {
      SCOPED_TRACE(
          QStringLiteral("%1 over %2%3").arg(c.serie).arg(c.base, acumula ? " (accumulated)" : "").toStdString());
      exec("DELETE FROM V_MV_STOCK");
      QString series = "|";
      for (int i = 1; i <= c.serie; ++i) series += QStringLiteral("S%1|").arg(i);
      Registro r{.tc = "AJP", .sucNroLetra = QStringLiteral("0001%1X").arg(++voucher, 8, 10, QChar(u'0')),
                 .acumula = acumula};
      registra(grilla("AJP", {Articulo("TORNILLO", QString::number(c.serie),
                                       {{a::PideSerie, "-1"}, {a::PideTalle, "0"}, {a::NroSerie, series},
                                        {a::IdUnidadBase, "KG"}, {a::CantidadUdBase, c.base}})}),
               r);
      ASSERT_FALSE(r.hayError);
      if (acumula) {
        ASSERT_TRUE(ejecutaLote(r.sql));
      }
      const QString total = suite::gUtilidades().TextoANumero(c.base).toSqlText();
      const QString parte = QStringLiteral("%1 / %2").arg(total).arg(c.serie);
      EXPECT_EQ(scalar("SELECT COUNT(*) FROM V_MV_STOCK").toLong(), c.serie);
      EXPECT_EQ(filas("SELECT NroSerie, CantidadUD FROM V_MV_STOCK WHERE CantidadUD < 0 OR ABS(CantidadUD - " + parte +
                      ") >= 0.0001 ORDER BY Secuencia"),
                QStringList());
      EXPECT_EQ(filas("SELECT SUM(CantidadUD) FROM V_MV_STOCK"), QStringList{total});
      EXPECT_EQ(filas("SELECT CantidadUd FROM STK_STOCK_UDKG"), QStringList{total});
      EXPECT_EQ(filas("SELECT STOCK FROM STK_SALDOS_UNIDADES WHERE EQUIVALENCIA = 'KG'"), QStringList{total});
    }
  }
  verificaInvariantes();
}

// A base quantity that is no number fails the line before any of its rows is
// written: going on past the failure passes over the whole line, and the
// next line's rows follow without a gap.
TEST_F(RenglonStock, ALineWhoseBaseQuantityIsNoNumberIsPassedOverWhole) {
  for (bool acumula : {false, true}) {
    SCOPED_TRACE(acumula ? "accumulated" : "immediate");
    exec("DELETE FROM V_MV_STOCK");
    const size_t antes = host.boxes().size();
    host.answer(5, "No coinciden los tipos");  // go on
    Registro r{.sucNroLetra = acumula ? "000100000016R" : "000100000015R", .acumula = acumula};
    registra(grilla("RM", {Articulo("TORNILLO", "3",
                                    {{a::IdUnidadBase, "KG"}, {a::CantidadUdBase, "tres"}, {a::NroLote, "|L1|L2|"},
                                     {a::NroSerie, "|1|2|"}}),
                           Articulo("TUERCA", "2")}),
             r);
    if (acumula) {
      ASSERT_TRUE(ejecutaLote(r.sql));
    }
    EXPECT_EQ(filas("SELECT Secuencia, LTRIM(RTRIM(IdArticulo)), Cantidad FROM V_MV_STOCK ORDER BY Secuencia"),
              QStringList{"1|TUERCA|-2"});
    EXPECT_EQ(host.boxes().size(), antes + 1);  // asked once for the line
    // The entry values the rows written: the screws (11401 as well) add nothing.
    EXPECT_EQ(filas("SELECT Cuenta, Importe FROM MV_ASIENTOS WHERE Numero = '" + r.sucNroLetra.mid(4, 8) +
                    "' AND Cuenta = '11401'"),
              QStringList{"11401|1.5"});
    verificaValorDelAsiento("RM", r.sucNroLetra);
  }
  verificaInvariantes();
}

// The equivalent unit goes back into its cell at the width of a unit code.
TEST_F(RenglonStock, TheEquivalentUnitIsWrittenBackAtItsCodesWidth) {
  Registro r{.acumula = true};
  ui::FlexGrid& g = grilla("RM", {Articulo("TORNILLO", "4", {{a::UnidadEquiv, " 2"}})});
  registra(g, r);
  EXPECT_EQ(g.TextMatrix(1, a::UnidadEquiv), "   2");
}

}  // namespace
