#pragma once
// A fresh program for each test of the stock movements, on a suite
// database that holds what a recorded voucher needs: voucher types with
// their direction, books and journals (one type, AJN, without a journal),
// stock motives with their counter accounts and the configuration keys
// that name them, a sales motive with its cost-of-goods account, articles
// with letter and digit codes (stock accounts, supplier accounts, lots,
// serials) and an article made of components. The service is connected as
// a user who is no administrator; AsientosXStock is on.
//
// Every end-to-end test ends with the two invariants: the balance tables
// equal the sums of the movements, and every entry's debits equal its
// credits.
#include <QString>
#include <QStringList>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "platform/ui/FlexGrid.h"
#include "platform/ui/Form.h"
#include "support/CoreFixture.h"
#include "vouchers/ClsCmnCptes.h"

namespace testing_support {

// An article of the fixture, as the master holds it.
struct ArticuloStock {
  const char* codigo;       // as typed in a grid; a code of digits is stored right-aligned in 25
  const char* descripcion;
  const char* unidad;
  const char* costo;
  const char* cuentaContable;   // the stock account; nullptr: none
  const char* cuentaProveedor;  // nullptr: none
  bool usaLote = false;
  bool usaSerie = false;
};

// TORNILLO and TUERCA (account 11401), 123 (account 11402), LIJA (no
// account), VINO (lots), CELULAR (serials), PIZZA (made of HARINA and
// QUESO), HARINA (lots), QUESO.
const std::vector<ArticuloStock>& ArticulosStock();

// The cells of one articles-grid line: column and text.
using Celdas = std::vector<std::pair<int, QString>>;

// A line of a fixture article: code, description, unit, quantity and cost,
// then the cells given (which win over those).
Celdas Articulo(const QString& codigo, const QString& cantidad, const Celdas& otras = {});

// The columns of an "INSERT INTO T(...) VALUES (...)" statement with their
// literals; the statements of an accumulated text, one per CR or CR LF.
std::map<QString, QString> Columnas(const QString& insert);
QStringList Sentencias(const QString& texto);

// The voucher window of the tests: its articles grid.
class VentanaStock : public ui::Form {
 public:
  VentanaStock() : ui::Form(QStringLiteral("frmComprobante")) {}
  ui::FlexGrid MSFlexGrid2{*this, QStringLiteral("MSFlexGrid2")};
  // The grid of a voucher's differences, whose entry keeps its motive.
  ui::FlexGrid MSFlexGridDif{*this, QStringLiteral("MSFlexGridDif")};
};

// The arguments of one ActualizaStock call, as a delivery note of March
// passes them; the by-reference ones come back here.
struct Registro {
  QString tc = "RM";
  QString sucNroLetra = "000100000015R";
  QString complemento = "0";
  QString fecha = "15/03/2024";
  QString deposito = {}, destino = {}, motivo = {}, tcOrigen = {}, cpteOrigen = {};
  bool transferencia = false;
  QString cuenta = "PorDefault";
  bool acumula = false;
  QString sql = {};
  bool hayError = false;
  QString tecnico = "Null";
  QString loteFijo = {}, aduana = {}, loteOrigen = {};
  int16_t signo = 0;
  bool cartel = false;
  QString vendedor = {};
  float secuenciaFija = 0;
};

class StockDatabase : public CoreDatabase {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A row of the configuration table, replacing the key's value.
  void config(const QString& clave, const QString& valor);
  // The voucher class, created on first use (after the configuration the
  // test set); nueva() starts a fresh instance.
  vouchers::ClsCmnCptes& cpte();
  vouchers::ClsCmnCptes& nueva();

  // The articles grid (or the differences grid) laid out by
  // InicializaGrids for the voucher type, holding the lines before its entry
  // row.
  ui::FlexGrid& grilla(const QString& TC, const std::vector<Celdas>& lineas, bool diferencias = false);

  // Records the grid's stock through the voucher class.
  void registra(ui::FlexGrid& g, Registro& r);
  // Runs accumulated statements as the caller does: the core's batch.
  bool ejecutaLote(const QString& sql);
  // Records the grid's stock and, in accumulate mode, runs the batch: true
  // when neither failed.
  bool graba(ui::FlexGrid& g, Registro& r);
  // A copy of the database as it stands, and moving the test's connection
  // and the service to another database file.
  QString copia(const QString& nombre);
  void usa(const QString& otra);

  // The stock rows: "TC|IdComprobante|Secuencia|IdDeposito|IdArticulo|NroLote|NroSerie|Cantidad".
  QStringList movimientos();

  // A movement written straight into V_MV_STOCK, as any writer does.
  void movimiento(const QString& articulo, const QString& deposito, const QString& lote, const QString& serie,
                  const QString& cantidad, const QString& unidad = QStringLiteral("UN"));

  // Rows of a query on the test's own connection, each "v1|v2|..." (Null as
  // "<null>", numbers at four places with "."); `sinCeros` leaves out the
  // rows whose last value is 0.
  QStringList filas(const QString& sql, bool sinCeros = false);
  // The lines of the entries, "TC|Sucursal|Numero|Letra|Asiento|Mes|Tipo_Reg|Secuencia|Cuenta|D/H|Importe",
  // in the order written.
  QStringList lineasDeAsiento();

  // The two invariants.
  void verificaSaldos();
  void verificaAsientos();
  // A voucher's entries value what its rows move: on each stock account of
  // its articles, the entries' lines add up to its rows' quantities by their
  // cost. For a voucher valued at cost whose lines go one way each (a
  // transfer's second pass is not valued).
  void verificaValorDelAsiento(const QString& TC, const QString& IdComprobante);
  void verificaInvariantes() {
    verificaSaldos();
    verificaAsientos();
  }

  VentanaStock ventana;

 private:
  std::unique_ptr<vouchers::ClsCmnCptes> cpte_;
};

}  // namespace testing_support
