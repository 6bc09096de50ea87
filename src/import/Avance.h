#pragma once
// The progress text both importers write into the window's label before
// each record: counts, start time, elapsed and remaining minutes and the
// records read per minute.
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
  long long ultimoTranscurrido_ = 0;
  long leidosAlCambio_ = 0;
  float porMinuto_ = 0;
  float restante_ = 0;
};

}  // namespace importacion
