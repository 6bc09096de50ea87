#include "CargaFixture.h"

#include "core/CoreState.h"
#include "vouchers/ClsCmnCptes.h"

namespace testing_support {

namespace {

QString Inserta(const QString& tabla, Campos campos, const Campos& propios) {
  for (const auto& [columna, valor] : propios) campos[columna] = valor;
  QStringList columnas, valores;
  for (const auto& [columna, valor] : campos) {
    columnas << columna;
    valores << valor;
  }
  return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(tabla, columnas.join(", "), valores.join(", "));
}

QString Literal(const QString& texto) { return "'" + QString(texto).replace("'", "''") + "'"; }

}  // namespace

void CargaDatabase::SetUp() {
  VoucherDatabase::SetUp();
  core::gCore().gCantidadDecimales = "2";
  exec(
      "INSERT INTO V_TA_CPTE (CODIGO, TALONARIO, SISTEMA) VALUES ('FC', 1, 'VENTAS'), ('FP', 1, 'VENTAS'), "
      "('RM', 1, 'VENTAS'), ('NP', 1, 'VENTAS'), ('OT', 1, 'VENTAS'), ('FCC', 1, 'COMPRAS'), ('RMC', 1, 'COMPRAS')");
  exec("INSERT INTO V_ta_TipoArticulo (IdTipo, Descripcion) VALUES ('   1', 'Mercadería'), ('   2', 'Insumo')");
  exec(
      "INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION, IDUNIDAD, IdTipo, Presentacion, USALOTE, codigobarra) "
      "VALUES ('TORNILLO', 'Tornillo 8 mm', 'UN', '   1', 'Caja x 100', 1, '7790001000011')");
  exec(
      "INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION, IDUNIDAD, IdTipo, USASERIE) "
      "VALUES ('CELULAR', 'Teléfono celular', 'UN', '   1', 1)");
  exec(
      "INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION, IDUNIDAD, IdTipo, pesable, Perecedero, UsaTalle, "
      "PideEquivalencia) VALUES ('QUESO', 'Queso de campo', 'KG', '   2', 1, 1, NULL, 1)");
  exec(
      "INSERT INTO V_MA_ARTICULOS (IDARTICULO, DESCRIPCION, IDUNIDAD, PIDEMEDIDAS) "
      "VALUES ('TABLA', 'Tabla de pino', 'M3', 1), ('CLAVO', 'Clavo', 'UN', 0)");
  exec(
      "INSERT INTO V_TA_LISTASPRECIOS (IDLISTA, DESCRIPCION, TIPOLISTA, CONIVA) VALUES "
      "('   1', 'Minorista', 'V', 1), ('   2', 'Mayorista', 'V', 0), ('   3', 'Compras', 'C', 1)");
  exec(
      "INSERT INTO V_MA_PRECIOS (IDLISTA, TIPOLISTA, IDARTICULO, idunidad, PRECIO) VALUES "
      "('   1', 'V', 'TORNILLO', 'UN', 121), ('   2', 'V', 'TORNILLO', 'UN', 100), "
      "('   3', 'C', 'TORNILLO', 'UN', 80)");
}

void CargaDatabase::cabecera(const QString& TC, const QString& numero, const Campos& campos) {
  exec(Inserta("V_MV_CPTE",
               {{"TC", Literal(TC)},
                {"IdComprobante", Literal(numero)},
                {"IdComplemento", "'0'"},
                {"Cotizacion", "1"},
                {"CondicionIva", "'   1'"}},
               campos));
}

void CargaDatabase::cabeceraCompra(const QString& TC, const QString& numero, const Campos& campos) {
  exec(Inserta("C_MV_CPTE",
               {{"TC", Literal(TC)},
                {"IDCOMPROBANTE", Literal(numero)},
                {"CUENTA", "'PROV1'"},
                {"Cotizacion", "1"},
                {"CondicionIva", "'   1'"}},
               campos));
}

void CargaDatabase::linea(const QString& prefijo, const QString& tabla, const QString& TC, const QString& numero,
                          const Campos& campos) {
  Campos base{{"TC", Literal(TC)}, {"IDCOMPROBANTE", Literal(numero)}};
  if (prefijo == "C_")
    base["CUENTA"] = "'PROV1'";
  else
    base["IdComplemento"] = "'0'";
  if (tabla == "MV_CPTEINSUMOS")
    base.insert({{"IdArticulo", "'CLAVO'"},
                 {"Descripcion", "'Clavo'"},
                 {"IdUnidad", "'UN'"},
                 {"Cantidad", "1"},
                 {"Importe", "10"},
                 {"Importe_S_IVA", "10"},
                 {"Total", "10"},
                 {"TotalFinal", "10"}});
  else if (tabla == "MV_CPTETAREAS")
    base.insert({{"IdTarea", "'T1'"},
                 {"Descripcion", "'Tarea'"},
                 {"Horas", "60"},
                 {"ValorHora", "10"},
                 {"valorHora_S_Iva", "8"},
                 {"Total", "10"}});
  else
    base.insert({{"TIPO_OBS", "'OC'"}, {"Observacion", "'Flete'"}, {"Importe", "100"}, {"Importe_S_IVA", "80"}});
  exec(Inserta(prefijo + tabla, base, campos));
}

void CargaDatabase::entregado(const QString& TC, const QString& numero, const QString& IdArticulo, double cantidad) {
  exec(QStringLiteral("INSERT INTO V_MV_STOCK (TC, IdComprobante, IdArticulo, Cantidad) VALUES (%1, %2, %3, %4)")
           .arg(Literal(TC), Literal(numero), Literal(IdArticulo))
           .arg(-cantidad));
}

int16_t CargaDatabase::carga(const QString& TC, const QString& numero, const Opciones& o) {
  vouchers::ClsCmnCptes().InicializaGrids(&ventana.MSFlexGrid1, &ventana.MSFlexGrid2, &ventana.MSFlexGrid3,
                                          &ventana.TxtEdit, &ventana.txtEdit2, &ventana.txtEdit3, &ventana, TC);
  return cargaEncima(TC, numero, o);
}

int16_t CargaDatabase::cargaEncima(const QString& TC, const QString& numero, const Opciones& o) {
  int16_t reparto = o.reparto;
  vouchers::ClsCmnCptes().AsignarDatosComprobante(TC, numero, o.complemento, ventana.MSFlexGrid1, ventana.MSFlexGrid2,
                                                  ventana.MSFlexGrid3, false, o.cabecera, o.compras, o.proveedor,
                                                  &reparto, o.convertir, o.whrTareas);
  return reparto;
}

QStringList CargaDatabase::celdas(const ui::FlexGrid& g, int fila) {
  QStringList out;
  for (int c = 0; c < g.Cols(); ++c)
    if (!g.TextMatrix(fila, c).isEmpty()) out << QStringLiteral("%1=%2").arg(c).arg(g.TextMatrix(fila, c));
  return out;
}

QStringList CargaDatabase::celdas(const ui::FlexGrid& g, int fila, std::initializer_list<int> columnas) {
  QStringList out;
  for (int c : columnas) out << QStringLiteral("%1=%2").arg(c).arg(g.TextMatrix(fila, c));
  return out;
}

QStringList CargaDatabase::codigos(const ui::FlexGrid& g) {
  QStringList out;
  for (int f = 1; f < g.Rows(); ++f) out << g.TextMatrix(f, 0);
  return out;
}

}  // namespace testing_support
