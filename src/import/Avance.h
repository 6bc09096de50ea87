#pragma once
// The progress text both importers write into the window's label before
// each record: counts, start time, elapsed and remaining minutes and the
// records read per minute. The pace is that of the last whole clock minute;
// until one has been measured (the second minute boundary), that of the run
// so far, records read over the seconds since the start (shown in whole
// records per minute, as a minute's count is).
#include <QDateTime>
#include <QString>

namespace importacion {

class Avance {
 public:
  // Starts the figures afresh at `inicio`.
  explicit Avance(const QDateTime& inicio);

  // The text for the record about to be read; `leidos` does not count it yet.
  // Works out the minute figures as of now.
  QString Texto(long leidos, long total, long grabados, long errores);

 private:
  QDateTime inicio_;
  QString inicioTexto_;  // the start as the label shows it
  long long ultimoTranscurrido_ = 0;
  long leidosAlCambio_ = 0;
  bool cambioVisto_ = false;   // the minute changed since the start
  bool minutoMedido_ = false;  // and once more after that: a whole minute
  float porMinuto_ = 0;
  float restante_ = 0;
};

}  // namespace importacion
