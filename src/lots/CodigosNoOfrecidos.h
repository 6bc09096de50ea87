#pragma once
// Codes read from the database that a list string cannot carry: "|" closes
// an item, Chr(255) joins a lot to its serial, "*" a position to its
// quantity. A row holding one is not offered (what the operator took from it
// would come back as other items), and the dialog names the codes left out
// once, when it shows.
#include <QString>
#include <QStringList>

namespace lots {

class CodigosNoOfrecidos {
 public:
  // `aviso` opens the notice; `prohibidos` are the characters such codes
  // may not hold.
  CodigosNoOfrecidos(QString aviso, QString prohibidos);

  // True, and the code noted (once), when `codigo` holds one of the
  // characters.
  bool excluye(const QString& codigo);
  // The notice followed by the codes left out, joined by ", "; "" when
  // none was.
  QString aviso() const;

 private:
  QString aviso_;
  QString prohibidos_;
  QStringList codigos_;
};

// The lots and serials of the serial dialog and the lots of the position
// dialog.
CodigosNoOfrecidos LotesOSeriesNoOfrecidos();
// The positions of the position dialog.
CodigosNoOfrecidos PosicionesNoOfrecidas();

}  // namespace lots
