#pragma once
// Stored vouchers for the tests of the voucher loader: the voucher types of
// the sales and purchases families, an article master with articles of every
// kind (lots, serials, weighed, by measures, one without master row), price
// lists with and without VAT, and helpers that store headers and lines and
// load a voucher into freshly laid-out grids.
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <map>
#include <utility>

#include "VoucherFixture.h"
#include "platform/ado/Recordset.h"

namespace testing_support {

// Columns of a stored row and their SQL literals ("'FC'", "10", "NULL").
using Campos = std::map<QString, QString>;

// How a voucher is loaded.
struct Opciones {
  QString complemento = QStringLiteral("0");
  bool compras = false;
  QString proveedor;
  int16_t reparto = 0;  // IdRepartoRM passed in
  bool convertir = false;
  QString whrTareas;
  ado::Recordset* cabecera = nullptr;
};

class CargaDatabase : public VoucherDatabase {
 protected:
  void SetUp() override;

  // A sales header of V_MV_CPTE (complement 0) or, for a purchases table
  // set, of C_MV_CPTE (account "PROV1"); `campos` add to or replace the
  // defaults.
  void cabecera(const QString& TC, const QString& numero, const Campos& campos = {});
  void cabeceraCompra(const QString& TC, const QString& numero, const Campos& campos = {});
  // A line of prefix + tabla ("MV_CPTEINSUMOS", "MV_CPTETAREAS",
  // "MV_CPTE_Observ") of the voucher, over the defaults of the table.
  void linea(const QString& prefijo, const QString& tabla, const QString& TC, const QString& numero,
             const Campos& campos = {});
  void articulo(const QString& TC, const QString& numero, const Campos& campos = {}) {
    linea(QStringLiteral("V_"), QStringLiteral("MV_CPTEINSUMOS"), TC, numero, campos);
  }
  // A stock movement of the voucher: -cantidad of the article (what it
  // delivered).
  void entregado(const QString& TC, const QString& numero, const QString& IdArticulo, double cantidad);

  // Lays the grids out for TC and loads the voucher into them; returns
  // IdRepartoRM as it came back.
  int16_t carga(const QString& TC, const QString& numero, const Opciones& o = {});
  // Loads into the grids as they are.
  int16_t cargaEncima(const QString& TC, const QString& numero, const Opciones& o = {});

  // The cells of a row, "column=text" for every cell that is not empty.
  static QStringList celdas(const ui::FlexGrid& g, int fila);
  // Some cells of a row, "column=text" in the order given.
  static QStringList celdas(const ui::FlexGrid& g, int fila, std::initializer_list<int> columnas);
  // The column 0 of every row below the titles, "" for an empty one.
  static QStringList codigos(const ui::FlexGrid& g);
};

}  // namespace testing_support
