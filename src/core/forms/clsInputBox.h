#pragma once
// The input box of the program: set the properties, call Abrir, get the
// text typed ("" when cancelled, the same as an empty answer). Every Abrir
// shows a fresh FrmInputBox.
#include <QString>

namespace core {

class clsInputBox {
 public:
  // 1 penknife, 2 configuration, 3 padlock, 4 the suite's mark, 5 users,
  // 6 book; any other value shows the suite's mark.
  int Icono() const { return icono_; }
  void setIcono(int QueIcono) { icono_ = QueIcono; }
  // Kept for callers; the dialog does not depend on it.
  bool Multiline() const { return multiline_; }
  void setMultiline(bool EsMultiline) { multiline_ = EsMultiline; }
  const QString& Titulo() const { return titulo_; }
  void setTitulo(const QString& QueTitulo) { titulo_ = QueTitulo; }
  // Shown for every typed character; empty shows the text.
  const QString& PassWordChar() const { return passWordChar_; }
  void setPassWordChar(const QString& QuePassword) { passWordChar_ = QuePassword; }
  const QString& TextoDetalle() const { return textoDetalle_; }
  void setTextoDetalle(const QString& QueTextoDetalle) { textoDetalle_ = QueTextoDetalle; }
  const QString& RespuestaDefault() const { return respuestaDefault_; }
  void setRespuestaDefault(const QString& QueRespuestaDefault) { respuestaDefault_ = QueRespuestaDefault; }

  // Shows the dialog modally; the text as typed (untrimmed) when accepted.
  QString Abrir();

 private:
  int icono_ = 0;
  bool multiline_ = false;
  QString titulo_;
  QString passWordChar_;
  QString textoDetalle_;
  QString respuestaDefault_;
};

}  // namespace core
