#include "LotesFixture.h"

#include "lots/DialogoConEditor.h"
#include "platform/ui/KeyCodes.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Operator.h"

namespace testing_support {

void LotesDatabase::existencia(const QString& articulo, const QString& lote, const QString& serie,
                               const QString& cantidad, const QString& deposito, const QString& posicion) {
  const auto valor = [](const QString& texto) {
    return texto.isEmpty() ? QStringLiteral("NULL") : QStringLiteral("'%1'").arg(QString(texto).replace("'", "''"));
  };
  exec(QStringLiteral("INSERT INTO STK_SERIES_Y_LOTES (IDARTICULO, IDDEPOSITO, NROLOTE, NROSERIE, IDPOSICION, "
                      "CANTIDAD) VALUES (%1, '%2', %3, %4, %5, %6)")
           .arg(valor(articulo), deposito.rightJustified(4), valor(lote), valor(serie), valor(posicion),
                QString(cantidad).replace(u',', u'.')));
}

QString LotesDatabase::avisoNoOfrecidos() const {
  if (host.boxes().size() != 1) {
    ADD_FAILURE() << host.boxes().size() << " boxes shown";
    return QString();
  }
  const ui::ScriptedHost::Box& aviso = host.boxes().front();
  EXPECT_EQ(aviso.buttons, ui::mb::OkOnly | ui::mb::Exclamation);
  EXPECT_EQ(aviso.title, "Atencion!");
  return aviso.prompt;
}

void Abre(ui::Form& dialogo) {
  dialogo.Show();
  // As a window shown on screen: the first control in tab order has the focus.
  if (ui::Control* primero = dialogo.nextInTabOrder(nullptr)) ui::op::focus(*primero);
}

void Pulsa(ui::Control& control, int caracter) {
  // The key of a letter or digit is its upper-case code; the others are
  // played on a punctuation key.
  const QChar c(caracter);
  const int tecla = caracter <= 32 ? caracter : c.isLetterOrNumber() && c.unicode() < 128 ? c.toUpper().unicode() : 186;
  ui::op::key(control, tecla, 0, caracter);
}

void Teclea(lots::DialogoConEditor& dialogo, const QString& texto) {
  for (qsizetype i = 0; i < texto.size(); ++i) {
    ui::Control& destino = dialogo.TxtEdit.Visible() ? static_cast<ui::Control&>(dialogo.TxtEdit)
                                                     : static_cast<ui::Control&>(dialogo.MSFlexGrid1);
    Pulsa(destino, texto[i].unicode());
  }
}

void Confirma(lots::DialogoConEditor& dialogo, const QString& texto, int tecla) {
  Teclea(dialogo, texto);
  ui::op::key(dialogo.TxtEdit, tecla);
}

QStringList Columna(const ui::FlexGrid& grilla, int columna) {
  QStringList textos;
  for (int r = grilla.FixedRows(); r < grilla.Rows(); ++r) textos << grilla.TextMatrix(r, columna);
  return textos;
}

QStringList Filas(const ui::FlexGrid& grilla) {
  QStringList filas;
  for (int r = grilla.FixedRows(); r < grilla.Rows(); ++r) filas << Fila(grilla, r);
  return filas;
}

QString Fila(const ui::FlexGrid& grilla, int fila) {
  QStringList textos;
  for (int c = 0; c < grilla.Cols(); ++c) textos << grilla.TextMatrix(fila, c);
  return textos.join(u'|');
}

}  // namespace testing_support
