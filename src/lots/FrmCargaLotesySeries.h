#pragma once
// The serial and lot dialog: the lots, serial numbers or size-colour-sex
// items of one voucher line.
//
// Entry mode (goods coming in): one row per unit of the line's quantity, in
// which the operator types a serial or a lot, or both. The grid has a fixed
// "ITEM" column with the row numbers (column 0) and one entry column
// (column 1), or, for an article with lots and serials, the lot column (1)
// and the serial column (2); Enter and Down go on down the serial column.
// Blank lots take the first row's lot; serials are never copied, and accept
// refuses a repeated serial or a missing one. In the asterisk format
// ("S1*3") every serial given tells its units, whole, and the units must
// add up to the line's quantity.
//
// Choice mode (EsConsultaDeSerieLote, goods going out): the lots and
// serials of the article with stock in the deposit, one row per lot-serial
// pair with its net stock over all its rows and positions (offered while it
// is above 0), less what the voucher's other lines of the article take; the
// line's own earlier picks are shown again, otherwise a proposal is made.
// The operator types how much to take from each row, in whole units; no row
// takes more than its stock.
// Lots and serials holding "|" or Chr(255) are not offered.
//
// The caller fills the public variables, calls CargaDatos, shows the dialog
// modally (or, in choice mode, calls CmdAceptar_Click without showing it)
// and reads Lotes and Series back; every request uses a new dialog.
#include <QString>
#include <optional>
#include <vector>

#include "lots/DialogoConEditor.h"

namespace lots {

class FrmCargaLotesySeries : public DialogoConEditor {
 public:
  FrmCargaLotesySeries();

  // Choice mode: the deposit whose stock is offered, filled to 4 by the
  // caller.
  QString Deposito;
  // Choice mode: false when accept runs without the dialog on screen.
  bool MostrarForm = false;
  bool EsConsultaDeSerieLote = false;
  bool EsSerie = false;
  bool EsLote = false;
  bool EsSerieYLote = false;
  bool EsTalle = false;
  double Cantidad = 0;
  QString Articulo;
  QString ArticuloDescripcion;
  // Entry mode: the line's earlier serials and lots.
  QString SeriesAnteriores;
  QString LotesAnteriores;
  // Entry mode results: the lots and the serials. Choice mode: the
  // lot-serial pairs and their quantities, coming in as the line's earlier
  // picks and going out as the new ones.
  QString Lotes;
  QString Series;
  // Choice mode: the pairs and quantities of every line of the article in
  // the voucher, the line itself included (its own earlier picks are given
  // back to its stock).
  QString LotesExistentes;
  QString SeriesExistentes;

  void CargaDatos();
  void InicializaGrid();
  void VerificaAnteriores();
  void VerificaExistenciasEnGrilla();
  // Choice mode: every row takes what it has in stock, in grid order, and
  // the row without lot and serial the rest.
  void CompletaCantidades();
  void CmdAceptar_Click() override;

  void Form_Load() override;
  void Form_KeyDown(int& KeyCode, int Shift) override;

  // Entry-mode columns.
  static constexpr int kColumnaItem = 0, kColumnaEntrada = 1;
  // Choice-mode columns.
  static constexpr int kColumnaLote = 0, kColumnaSerie = 1, kColumnaStock = 2, kColumnaCantidad = 3;

 protected:
  rt::Currency CantidadPedida() const override;
  std::optional<QString> RevisaCantidad(const QString& texto, int fila, bool propia) override;
  void EntradaValida(const QString& texto) override;

 private:
  struct Par {
    QString lote;
    QString serie;
    bool vacio() const { return lote.isEmpty() && serie.isEmpty(); }
    // The same pair, ignoring case, as the lists match them.
    bool mismo(const Par& otro) const;
  };
  static Par ParDe(const QString& item);
  // The items of the parallel lists `pares` and `cantidades` (list strings,
  // their empty tail left out): each pair read by ParDe, with its quantity
  // text ("" where the quantity list is shorter).
  struct ParTomado {
    Par par;
    QString cantidad;
  };
  static std::vector<ParTomado> ParesTomados(const QString& pares, const QString& cantidades);

  void InicializaConsulta();
  void InicializaCarga();
  void VerificaAnterioresConsulta();
  void VerificaAnterioresCarga();
  void LlenaColumna(int columna, const QString& lista);
  // The data row of a pair (ignoring case), -1 when there is none.
  int FilaDelPar(const Par& par) const;
  // Takes each quantity of `cantidades` from the stock of the row of the
  // parallel pair of `pares` (counted per row in `deducido`), or gives it
  // back up to what was taken.
  enum class Ajuste { Deduce, Devuelve };
  void AjustaStock(const QString& pares, const QString& cantidades, Ajuste ajuste,
                   std::vector<rt::Currency>& deducido);
  void RestauraCantidades();
  bool AceptaConsulta();
  bool AceptaCarga();
  // The serial column of entry mode, -1 when the article has no serials.
  int ColumnaSerie() const;
  int ColumnaLote() const;
  // Entry mode: the serials in the asterisk format, not repeated, and
  // covering the line.
  bool RevisaSeries();
  // A column's items (blank as "-"), or the pairs of the lot and serial
  // columns; "" when no item holds anything.
  QString ListaDeColumna(int columna) const;
  QString ListaDePares() const;

  bool UsaFormatoAsterisco = false;
};

}  // namespace lots
