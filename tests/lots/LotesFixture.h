#pragma once
// A fresh program on a suite database for the lot dialogs, with helpers to
// put stock in and to play the operator on a dialog's grid.
#include <QStringList>

#include "NumberingFixture.h"

namespace ui {
class Control;
class FlexGrid;
class Form;
}  // namespace ui

namespace lots {
class DialogoConEditor;
}

namespace testing_support {

class LotesDatabase : public NumberingDatabase {
 protected:
  // Stock of a lot and serial ("" is none) of an article in a deposit
  // (filled to 4 as stock rows write it), at a storage position or none.
  void existencia(const QString& articulo, const QString& lote, const QString& serie, const QString& cantidad,
                  const QString& deposito = QStringLiteral("1"), const QString& posicion = QString());
  // The text of the one box shown so far, which must be the notice of the
  // codes a dialog does not offer (exclamation icon, title "Atencion!").
  QString avisoNoOfrecidos() const;
};

// Puts the dialog on the (scripted) screen, so the operator can reach it,
// with the focus on its first control.
void Abre(ui::Form& dialogo);
// A key that types character `caracter` on a control.
void Pulsa(ui::Control& control, int caracter);
// Types `texto` on the grid's current cell: the first character opens the
// box, the others go into it.
void Teclea(lots::DialogoConEditor& dialogo, const QString& texto);
// Types `texto` and confirms it with `tecla` (Enter by default).
void Confirma(lots::DialogoConEditor& dialogo, const QString& texto, int tecla = 13);
// The texts of one column, from row 1 on.
QStringList Columna(const ui::FlexGrid& grilla, int columna);
// A row's texts joined by "|".
QString Fila(const ui::FlexGrid& grilla, int fila);
// Every data row, as Fila gives it.
QStringList Filas(const ui::FlexGrid& grilla);

}  // namespace testing_support
