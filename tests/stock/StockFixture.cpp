#include "StockFixture.h"

#include <iostream>

#include "core/Batch.h"
#include "core/CoreState.h"
#include "data_access/DataAccessState.h"
#include "numbering/ColumnasGrillas.h"
#include "numbering/NumberingState.h"
#include "platform/suite/Library.h"
#include "support/SuiteDatabase.h"

namespace testing_support {

namespace a = numbering::articulos;

const std::vector<ArticuloStock>& ArticulosStock() {
  static const std::vector<ArticuloStock> articulos = {
      {"TORNILLO", "Tornillo 3/8", "UN", "2.5", "11401", "211010001"},
      {"TUERCA", "Tuerca 3/8", "UN", "0.75", "11401", "211010001"},
      {"123", "Pintura latex", "LT", "10", "11402", "211010002"},
      {"LIJA", "Lija al agua", "UN", "1", nullptr, nullptr},
      {"VINO", "Vino tinto", "UN", "4", "11403", "211010002", true, false},
      {"CELULAR", "Celular", "UN", "100", "11404", "211010003", false, true},
      {"PIZZA", "Pizza muzzarella", "UN", "3", "11405", nullptr},
      {"HARINA", "Harina 000", "KG", "0.5", "11406", "211010004", true, false},
      {"QUESO", "Queso muzzarella", "KG", "6", "11406", ""},
  };
  return articulos;
}

namespace {

const ArticuloStock* Busca(const QString& codigo) {
  for (const ArticuloStock& a : ArticulosStock())
    if (codigo.compare(QString::fromLatin1(a.codigo), Qt::CaseInsensitive) == 0) return &a;
  return nullptr;
}

QString Literal(const char* valor) {
  return valor ? "'" + QString::fromLatin1(valor) + "'" : QStringLiteral("NULL");
}

// The voucher types: code, family, direction (ES), VAT-book sign, the
// letter of the book and its last number.
struct TipoStock {
  const char* codigo;
  const char* sistema;
  const char* es;
  const char* signo;
  const char* letra;
  int ultimo;
};

const TipoStock kTipos[] = {
    {"RM", "VENTAS", "S", nullptr, "R", 1},   {"FC", "VENTAS", "S", "1", "A", 1},
    {"NC", "VENTAS", "E", "-1", "A", 1},      {"ND", "VENTAS", "S", "-1", "A", 1},
    {"TK", "VENTAS", "", "1", "X", 1},        {"FCC", "COMPRAS", "E", "1", "A", 1},
    {"RMC", "COMPRAS", "E", nullptr, "R", 1}, {"IR", "COMPRAS", "E", nullptr, "X", 1},
    {"AJP", "STOCK", "E", nullptr, "X", 1},   {"AJN", "STOCK", "S", nullptr, "X", 1},
    {"TR", "STOCK", "", nullptr, "X", 1},     {"OP", "STOCK", "", nullptr, "X", 1},
    {"PE", "STOCK", "S", nullptr, "X", 1},    {"CMV", "VENTAS", "", nullptr, "X", 13},
};

}  // namespace

Celdas Articulo(const QString& codigo, const QString& cantidad, const Celdas& otras) {
  Celdas celdas{{a::IdArticulo, codigo}, {a::Cantidad, cantidad}};
  if (const ArticuloStock* art = Busca(codigo)) {
    celdas.push_back({a::Descripcion, QString::fromLatin1(art->descripcion)});
    celdas.push_back({a::IdUnidad, QString::fromLatin1(art->unidad)});
    celdas.push_back({a::Costo, QString::fromLatin1(art->costo)});
  }
  celdas.insert(celdas.end(), otras.begin(), otras.end());
  return celdas;
}

std::map<QString, QString> Columnas(const QString& insert) {
  const qsizetype abre = insert.indexOf(u'('), valores = insert.indexOf(QStringLiteral(") VALUES ("));
  if (abre < 0 || valores < 0) return {};
  const QStringList nombres = insert.mid(abre + 1, valores - abre - 1).split(u',');
  QStringList literales;
  QString actual;
  bool enTexto = false;
  const QString resto = insert.mid(valores + 10, insert.size() - valores - 11);
  for (QChar c : resto) {
    if (c == u'\'') enTexto = !enTexto;
    if (c == u',' && !enTexto) {
      literales << actual;
      actual.clear();
    } else {
      actual += c;
    }
  }
  literales << actual;
  std::map<QString, QString> columnas;
  for (qsizetype i = 0; i < nombres.size() && i < literales.size(); ++i) columnas[nombres[i]] = literales[i];
  return columnas;
}

QStringList Sentencias(const QString& texto) {
  QStringList out;
  for (QString s : QString(texto).replace(QStringLiteral("\r\n"), QStringLiteral("\r")).split(u'\r')) {
    if (!s.trimmed().isEmpty()) out << s.trimmed();
  }
  return out;
}

void StockDatabase::SetUp() {
  CoreDatabase::SetUp();
  numbering::ResetNumbering();
  connectAs(QStringLiteral("Ana"));
  core::CoreState& estado = core::gCore();
  estado.gUNegocio = QStringLiteral("   1");
  estado.gPeriodo = 1;
  estado.gCaja = QStringLiteral("1");

  for (const TipoStock& t : kTipos)
    exec(QStringLiteral("INSERT INTO V_TA_CPTE (CODIGO, TALONARIO, DESCRIPCION, SISTEMA, UNEGOCIO, Letras, ES, Signo, "
                        "%1_SUC_DEFAULT, %1_ULTIMO_NRO, %1_NRO_DESDE, %1_NRO_HASTA) "
                        "VALUES ('%2', 1, '%2', '%3', '   1', '%1', '%4', %5, 1, %6, 1, 99999999)")
             .arg(QString::fromLatin1(t.letra), QString::fromLatin1(t.codigo), QString::fromLatin1(t.sistema),
                  QString::fromLatin1(t.es), t.signo ? QString::fromLatin1(t.signo) : QStringLiteral("NULL"))
             .arg(t.ultimo));
  exec("INSERT INTO MA_SUBDIARIOS (CODIGO, DESCRIPCION) VALUES ('STK', 'Stock'), ('VTAS', 'Ventas'), "
       "('COMP', 'Compras')");
  exec("INSERT INTO MA_SUBDIARIOSCOMPROBANTES (TC, Subdiario) VALUES ('RM', 'STK'), ('RMC', 'COMP'), "
       "('IR', 'COMP'), ('AJP', 'STK'), ('TR', 'STK'), ('OP', 'STK'), ('PE', 'STK'), ('CMV', 'VTAS'), "
       "('TK', 'VTAS')");

  exec("INSERT INTO V_TA_MOTIVOSTOCK (IDMOTIVOSTOCK, Descripcion, CUENTACONTABLE) VALUES "
       "('   1', 'Remitos', '51101'), ('   2', 'Comodatos', '11501'), ('   3', 'Transferencias', '11409'), "
       "('   4', 'Recepcion de compras', '21102'), ('   5', 'Ajustes de stock', '51201'), "
       "('   6', 'Sin cuenta', NULL)");
  exec("INSERT INTO V_TA_MotivoVta (IdMotivoVta, Descripcion) VALUES ('   1', 'Ventas de mostrador'), "
       "('   2', 'Ventas sin costo')");
  exec("INSERT INTO V_TA_Input_Ventas (IdMotivoVta, COSTO_MERCADERIA) VALUES ('   1', '51105'), ('   2', NULL)");
  config(QStringLiteral("AsientosXStock"), QStringLiteral("SI"));
  config(QStringLiteral("MotivoStockRemito"), QStringLiteral("1"));
  config(QStringLiteral("MotivoStockComodato"), QStringLiteral("2"));
  config(QStringLiteral("MotivoStockTransferencias"), QStringLiteral("3"));
  config(QStringLiteral("MotivoStockRecepcionOC"), QStringLiteral("4"));
  config(QStringLiteral("MotivoStockDefault"), QStringLiteral("5"));
  config(QStringLiteral("DepositoDefault"), QStringLiteral("1"));

  suite::Utilidades& util = suite::gUtilidades();
  for (const ArticuloStock& art : ArticulosStock())
    exec(QStringLiteral("INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION, IDUNIDAD, Costo, CUENTACONTABLEC, "
                        "CUENTAPROVEEDOR, USALOTE, USASERIE) VALUES ('%1', '%2', '%3', %4, %5, %6, %7, %8)")
             .arg(util.RellenaCodigo(QString::fromLatin1(art.codigo), 25), QString::fromLatin1(art.descripcion),
                  QString::fromLatin1(art.unidad), QString::fromLatin1(art.costo), Literal(art.cuentaContable),
                  Literal(art.cuentaProveedor))
             .arg(art.usaLote ? 1 : 0)
             .arg(art.usaSerie ? 1 : 0));
  exec("INSERT INTO V_MA_INSUMOS (IDARTICULO, IdArticuloInsumo, IdUnidadInsumo, Cantidad) VALUES "
       "('PIZZA', 'HARINA', 'KG', 0.25), ('PIZZA', 'QUESO', 'KG', 0.1)");
}

void StockDatabase::TearDown() {
  cpte_.reset();
  numbering::ResetNumbering();
  CoreDatabase::TearDown();
}

void StockDatabase::config(const QString& clave, const QString& valor) {
  exec(QStringLiteral("DELETE FROM TA_CONFIGURACION WHERE CLAVE = '%1'").arg(clave));
  exec(QStringLiteral("INSERT INTO TA_CONFIGURACION (CLAVE, VALOR) VALUES ('%1', '%2')").arg(clave, valor));
}

vouchers::ClsCmnCptes& StockDatabase::cpte() { return cpte_ ? *cpte_ : nueva(); }

vouchers::ClsCmnCptes& StockDatabase::nueva() {
  cpte_ = std::make_unique<vouchers::ClsCmnCptes>();
  return *cpte_;
}

ui::FlexGrid& StockDatabase::grilla(const QString& TC, const std::vector<Celdas>& lineas, bool diferencias) {
  ui::FlexGrid& g = diferencias ? ventana.MSFlexGridDif : ventana.MSFlexGrid2;
  cpte().InicializaGrids(nullptr, &g, nullptr, nullptr, nullptr, nullptr, &ventana, TC);
  for (const Celdas& celdas : lineas) {
    g.setRows(g.Rows() + 1);
    const int fila = g.Rows() - 2;
    for (const auto& [columna, texto] : celdas) g.setTextMatrix(fila, columna, texto);
  }
  return g;
}

void StockDatabase::movimiento(const QString& articulo, const QString& deposito, const QString& lote,
                               const QString& serie, const QString& cantidad, const QString& unidad) {
  const auto literal = [](const QString& v) { return v.isEmpty() ? QStringLiteral("NULL") : "'" + v + "'"; };
  exec(QStringLiteral("INSERT INTO V_MV_STOCK (TC, IdComprobante, IdArticulo, IdDeposito, NroLote, NroSerie, "
                      "IdUnidad, Cantidad) VALUES ('AJP', '000100000001X', '%1', '%2', %3, %4, '%5', %6)")
           .arg(suite::gUtilidades().RellenaCodigo(articulo, 25), deposito, literal(lote), literal(serie), unidad,
                cantidad));
}

void StockDatabase::registra(ui::FlexGrid& g, Registro& r) {
  cpte().ActualizaStock(g, r.tc, r.sucNroLetra, r.complemento, r.fecha, &r.deposito, &r.destino, &r.motivo,
                        &r.tcOrigen, &r.cpteOrigen, r.transferencia, r.cuenta, r.acumula, &r.sql, &r.hayError,
                        r.tecnico, r.loteFijo, r.aduana, r.loteOrigen, r.signo, r.cartel, r.vendedor, r.secuenciaFija);
}

bool StockDatabase::ejecutaLote(const QString& sql) {
  bool hayError = false;
  long codigo = 0;
  QString script, descripcion;
  core::GActualizarDatoScript({sql}, hayError, codigo, false, false, script, descripcion, false);
  if (hayError) std::cerr << "the batch failed: " << descripcion.toStdString() << std::endl;
  return !hayError;
}

bool StockDatabase::graba(ui::FlexGrid& g, Registro& r) {
  registra(g, r);
  return !r.hayError && (!r.acumula || ejecutaLote(r.sql));
}

QString StockDatabase::copia(const QString& nombre) {
  const QString destino = folder.file(nombre);
  DefineInDatabase(path, "VACUUM INTO '" + destino + "'");
  return destino;
}

void StockDatabase::usa(const QString& otra) {
  cn.Close();
  path = otra;
  cn.Open(EmbeddedConnectionString(path));
  data_access::gDB().gCnn.Close();
  connectAs(QStringLiteral("Ana"));
}

QStringList StockDatabase::movimientos() {
  return filas("SELECT TC, IdComprobante, Secuencia, IdDeposito, IdArticulo, NroLote, NroSerie, Cantidad "
               "FROM V_MV_STOCK ORDER BY rowid");
}

QStringList StockDatabase::filas(const QString& sql, bool sinCeros) {
  QStringList out;
  ado::Recordset rs = cn.Execute(sql);
  for (; !rs.EOF(); rs.MoveNext()) {
    QStringList valores;
    QString ultimo;
    for (int i = 0; i < rs.FieldCount(); ++i) {
      const rt::Variant v = rs.Fields(i).Value();
      const bool numero = v.type() == rt::Variant::Type::Integer || v.type() == rt::Variant::Type::Long ||
                          v.type() == rt::Variant::Type::Double || v.type() == rt::Variant::Type::Currency;
      ultimo = v.isNull() ? QStringLiteral("<null>")
               : numero   ? rt::Currency::fromDouble(v.toDouble()).toSqlText()
                          : v.toString();
      valores << ultimo;
    }
    if (!sinCeros || ultimo != QStringLiteral("0")) out << valores.join(u'|');
  }
  return out;
}

QStringList StockDatabase::lineasDeAsiento() {
  return filas("SELECT TC, Sucursal, Numero, Letra, [NUMERO ASIENTO], MES_OPERATIVO, Tipo_Reg, Secuencia, Cuenta, "
               "[DEBE-HABER], Importe FROM MV_ASIENTOS ORDER BY rowid");
}

void StockDatabase::verificaSaldos() {
  const auto compara = [this](const char* saldos, const char* movimientos) {
    EXPECT_EQ(filas(QString::fromLatin1(saldos), true), filas(QString::fromLatin1(movimientos), true)) << saldos;
  };
  compara(
      "SELECT IDARTICULO, IDDEPOSITO, NROLOTE, NROSERIE, CANTIDAD FROM STK_SERIES_Y_LOTES "
      "WHERE IDPOSICION IS NULL ORDER BY 1, 2, 3, 4",
      "SELECT IdArticulo, IdDeposito, NroLote, NroSerie, SUM(Cantidad) FROM V_MV_STOCK "
      "GROUP BY IdArticulo, IdDeposito, NroLote, NroSerie ORDER BY 1, 2, 3, 4");
  compara(
      "SELECT IDARTICULO, EQUIVALENCIA, IDDEPOSITO, STOCK FROM STK_SALDOS_UNIDADES ORDER BY 1, 2, 3",
      "SELECT IdArticulo, Unidad, IdDeposito, SUM(Cantidad) FROM ("
      "  SELECT IdArticulo, IdUnidad AS Unidad, IdDeposito, Cantidad FROM V_MV_STOCK"
      "  UNION ALL SELECT IdArticulo, IdUnidadBase, IdDeposito, CantidadUD FROM V_MV_STOCK"
      "  WHERE IdUnidadBase IS NOT NULL AND (IdUnidad IS NULL OR IdUnidadBase <> IdUnidad)) X "
      "GROUP BY IdArticulo, Unidad, IdDeposito ORDER BY 1, 2, 3");
  compara("SELECT IDARTICULO, IDDEPOSITO, CantidadUd FROM STK_STOCK_UDKG ORDER BY 1, 2",
          "SELECT IdArticulo, IdDeposito, SUM(ISNULL(CantidadUD, 0)) FROM V_MV_STOCK GROUP BY IdArticulo, IdDeposito "
          "ORDER BY 1, 2");
}

void StockDatabase::verificaAsientos() {
  EXPECT_EQ(filas("SELECT TC, Sucursal, Numero, Letra, [NUMERO ASIENTO], MES_OPERATIVO, Periodo, Tipo_Reg, "
                  "SUM(CASE [DEBE-HABER] WHEN 'D' THEN Importe ELSE -Importe END) FROM MV_ASIENTOS "
                  "GROUP BY TC, Sucursal, Numero, Letra, [NUMERO ASIENTO], MES_OPERATIVO, Periodo, Tipo_Reg",
                  true),
            QStringList())
      << "an entry whose debits differ from its credits";
  EXPECT_EQ(filas("SELECT TC, Numero, Cuenta, [DEBE-HABER], Importe FROM MV_ASIENTOS "
                  "WHERE NOT [DEBE-HABER] IN ('D', 'H') OR NOT Importe > 0"),
            QStringList())
      << "an entry line without side or with no positive amount";
}

void StockDatabase::verificaValorDelAsiento(const QString& TC, const QString& IdComprobante) {
  EXPECT_EQ(filas(QStringLiteral("SELECT A.CUENTACONTABLEC, SUM(ABS(S.Cantidad) * S.Costo) FROM V_MV_STOCK S "
                                 "JOIN V_MA_ARTICULOS A ON A.IDARTICULO = S.IdArticulo WHERE S.TC = '%1' AND "
                                 "S.IdComprobante = '%2' AND A.CUENTACONTABLEC IS NOT NULL GROUP BY A.CUENTACONTABLEC "
                                 "ORDER BY 1")
                      .arg(TC, IdComprobante),
                  true),
            filas(QStringLiteral("SELECT Cuenta, SUM(Importe) FROM MV_ASIENTOS WHERE TC = '%1' AND Sucursal = '%2' AND "
                                 "Numero = '%3' AND Letra = '%4' AND Cuenta IN (SELECT CUENTACONTABLEC FROM "
                                 "V_MA_ARTICULOS) GROUP BY Cuenta ORDER BY 1")
                      .arg(TC, IdComprobante.left(4), IdComprobante.mid(4, 8), IdComprobante.mid(12, 1)),
                  true))
      << "the entries of " << TC.toStdString() << " " << IdComprobante.toStdString()
      << " value other than what its rows move";
}

}  // namespace testing_support
