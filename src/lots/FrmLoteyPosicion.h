#pragma once
// The position and lot dialog: the quantity of one voucher line spread over
// the storage positions of a deposit that hold the article (and, for a
// lot-tracked article, over the lots at those positions), plus the
// deposit's stock without position. Balances are shown in the line's unit.
//
// Modes: position and lot (EsPosicion and EsLote): one row per position and
// lot; position only: one row per position, its lots added up; lot only
// (EsLote alone, an article kept by lots but not by position): one row per
// lot, the balances of every position and of the stock without position
// added up, the position column hidden. The last rows of the first two are
// the deposit's stock without position, when there is any: one row per lot
// in position-and-lot mode, so that what is taken from it keeps its lot, one
// row otherwise. Lots holding "|" or Chr(255) and positions holding "|" or
// "*" are not offered.
//
// Results: Posiciones, "|position*quantity|" per row taking something (an
// empty position for the stock without position and in lot-only mode), and
// Lotes, the parallel lots (not written in position-only mode). Cancel leaves
// them as they are: empty on a new dialog.
//
// The caller fills the public variables, calls CargaDatos, shows the dialog
// modally and reads Posiciones, Lotes and Cantidad1 back; every request uses
// a new dialog.
#include <QString>
#include <optional>
#include <vector>

#include "lots/CodigosNoOfrecidos.h"
#include "lots/DialogoConEditor.h"

namespace lots {

class FrmLoteyPosicion : public DialogoConEditor {
 public:
  FrmLoteyPosicion();

  // Unpadded; filled to 4 inside the statements.
  QString Deposito;
  // The line's unit: balances are converted into it.
  QString IUNIDAD;
  bool MostrarForm = false;
  // Earlier picks exist: they are restored instead of a proposal.
  bool EsConsultaDePosicionLote = false;
  bool EsPosicion = false;
  bool EsLote = false;
  bool EsPosicionYLote = false;
  double Cantidad1 = 0;
  QString Articulo;
  QString ArticuloDescripcion;
  QString PosicionesAnteriores;
  QString LotesAnteriores;
  QString Posiciones;
  QString Lotes;

  void CmdAceptar_Click() override;
  void CargaDatos();
  void InicializaGrid();
  void VerificaAnteriores();

  static constexpr int kColumnaPosicion = 0, kColumnaLote = 1, kColumnaUnidad = 2, kColumnaDisponible = 3,
                       kColumnaCantidad = 4;

 protected:
  rt::Currency CantidadPedida() const override;
  std::optional<QString> RevisaCantidad(const QString& texto, int fila, bool propia) override;

 private:
  bool SoloLote() const { return EsLote && !EsPosicion; }
  // Earlier picks into positions, quantities and lots, one spare empty
  // element closing each array.
  void SeparaPosicionesYLotes(const QString& posiciones, const QString& lotes, std::vector<QString>& ArrPosiciones,
                              std::vector<QString>& ArrCantidades, std::vector<QString>& ArrLote);
  // One row per position and lot of the balance statement `sql`, rows of one
  // key added up, the balances converted into the line's unit.
  void AgregaSaldos(const QString& sql, bool conLote);
  // The deposit's stock without position, last: one row per lot with a
  // balance in position-and-lot mode, one row otherwise.
  void AgregaSaldoSinPosicion();
  bool EsSinPosicion(int fila) const { return primeraSinPosicion_ >= 0 && fila >= primeraSinPosicion_; }
  void Restaura(const std::vector<QString>& posiciones, const std::vector<QString>& cantidades,
                const std::vector<QString>& lotes);
  QString Lista(bool posiciones) const;

  // The first row of the deposit's stock without position (they are the
  // last rows); -1 when there is none.
  int primeraSinPosicion_ = -1;
  CodigosNoOfrecidos lotesFuera_ = LotesOSeriesNoOfrecidos();
  CodigosNoOfrecidos posicionesFuera_ = PosicionesNoOfrecidas();
};

}  // namespace lots
