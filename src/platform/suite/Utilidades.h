#pragma once
// General helpers of the suite library: number reading, Null-safe values,
// codes of fixed width, paths, the encoding of stored credentials and the
// error dialog.
#include <QString>
#include <QStringList>
#include <cstdint>

#include "platform/runtime/Currency.h"
#include "platform/runtime/Error.h"
#include "platform/runtime/Variant.h"

namespace ui {
class Form;
}

namespace suite {

class Utilidades {
 public:
  // Blank text reads as 0; ',' or '.' is the decimal point (the last of them
  // when both appear, the others group digits); a text that is not a number
  // raises 13. Amounts keep four decimals.
  rt::Currency TextoANumero(const QString& text) const;
  double TextoADoble(const QString& text) const;
  // The number read as TextoANumero does (" 13", as a number becomes text,
  // included), rounded to a whole number halves to even; Overflow (6)
  // beyond a Long.
  int32_t TextoAEntero(const QString& text) const;

  // The value itself, or "" for Null (and for Empty).
  rt::Variant ValorCampo(const rt::Variant& value) const;

  QString QuitaCaracteres(const QString& text, const QString& c1, const QString& c2 = QString(),
                          const QString& c3 = QString()) const;
  QString Reemplaza(const QString& text, const QString& find, const QString& with) const;
  // Every occurrence of the table name `tabla` in the statement, found
  // without regard to case, replaced; only whole names: one that goes on
  // or starts within a longer name ("V_MA_ARTICULOS2", "XV_MA_ARTICULOS")
  // stays.
  QString ReemplazaTexto(const QString& sql, const QString& tabla, const QString& reemplazo) const;
  // The text without its quotes, single and double: "'OC  '" gives "OC  ".
  QString QuitaComillas(const QString& text) const;

  // The code trimmed; a code of digits is right-aligned in `width` ("1" gives
  // "   1"), a longer one comes back whole; any other text comes back trimmed.
  QString RellenaCodigo(const QString& code, int width = 4) const;
  // A lot or serial code in the 25-wide key form of the stock writers
  // (RellenaCodigo with width 25); a quantity as its exact text at four
  // places with "." ("2.5", "0.3333"), which every number reader takes.
  QString NormalizaCodigo(const QString& codigo) const;
  QString NormalizaCodigo(double cantidad) const;
  QString LimitaTexto(const QString& text, int length) const;
  // Words are runs of characters between blanks, tabs and line breaks.
  int CuentaPalabras(const QString& text) const;

  // Splits a path written with "/" or "\" into its folder (with its final
  // separator), file name with extension, extension without dot and file
  // name without extension.
  void SeparaRuta(const QString& path, QString& carpeta, QString& archivo, QString& extension,
                  QString& nombre) const;
  // The folder with a final "/" ("\" separators become "/"); "" stays "".
  QString NormalizaCarpeta(const QString& folder) const;

  // True when `text` equals one of `values`, ignoring case.
  bool EstaEnLista(const QString& text, const QStringList& values) const;

  // Reversible encoding of stored user names and passwords: the UTF-8 bytes
  // and four check bytes of them, XOR-ed with a rolling key, written as
  // upper-case hexadecimal. Decodifica decodes only what Codifica wrote: any
  // other text, one that merely looks hexadecimal ("CAFE", "1234") too, is
  // returned unchanged.
  QString Codifica(const QString& text) const;
  QString Decodifica(const QString& text) const;

  // Shows the error with Abort, Retry and Ignore; the answer (3, 4 or 5)
  // decides what the caller does: 4 retry, 5 go on, other leave.
  int DialogoError(const rt::Error& error, const QString& rutina = QString()) const;

  // Gives a window the library's look (InfoSistema::AplicaAspecto) and
  // nothing more. The suite's second argument, which every caller passes
  // as False, asks for nothing here and is not taken.
  void PreparaFormulario(ui::Form& form) const;
};

}  // namespace suite
