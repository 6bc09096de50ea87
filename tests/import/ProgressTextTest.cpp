// The progress text of both importers: counts, start, elapsed and remaining
// minutes, records per minute.
#include <gtest/gtest.h>

#include "support/CoreFixture.h"
#include "import/Avance.h"
#include "platform/runtime/Dates.h"
#include "support/Printers.h"

namespace {

class ProgressText : public testing_support::CoreFixture {
 protected:
  void at(int minute, int second) {
    ahora = rt::MakeDate(2024, 3, 15, 10, minute, second);
  }
  QDateTime ahora = rt::MakeDate(2024, 3, 15, 10, 0, 0);
};

TEST_F(ProgressText, FiguresFollowTheMinutes) {
  rt::SetClock([this] { return ahora; });
  importacion::Avance avance(ahora);
  const QString inicio = "\r\n Inicio: 15/03/2024 10:00:00 transcurrido: ";
  EXPECT_EQ(avance.Texto(0, 200, 0, 0),
            "Leidos 0 de 200 Grabados:0 Errores: 0" + inicio + "0 Min. Tiempo restante:0 Min. (Promedio minuto: 0 )");
  at(0, 40);
  EXPECT_EQ(avance.Texto(10, 200, 9, 1),
            "Leidos 10 de 200 Grabados:9 Errores: 1" + inicio + "0 Min. Tiempo restante:19 Min. (Promedio minuto: 10 )");
  at(0, 50);
  EXPECT_EQ(avance.Texto(30, 200, 30, 0), "Leidos 30 de 200 Grabados:30 Errores: 0" + inicio +
                                              "0 Min. Tiempo restante:5,67 Min. (Promedio minuto: 30 )");
  // A new minute: the records read since the minute last changed (none
  // before the first change).
  at(1, 30);
  EXPECT_EQ(avance.Texto(50, 200, 50, 0), "Leidos 50 de 200 Grabados:50 Errores: 0" + inicio +
                                              "1 Min. Tiempo restante:3 Min. (Promedio minuto: 50 )");
  at(1, 40);
  EXPECT_EQ(avance.Texto(60, 200, 60, 0), "Leidos 60 de 200 Grabados:60 Errores: 0" + inicio +
                                              "1 Min. Tiempo restante:2,8 Min. (Promedio minuto: 50 )");
  at(2, 5);
  EXPECT_EQ(avance.Texto(130, 200, 130, 0), "Leidos 130 de 200 Grabados:130 Errores: 0" + inicio +
                                                "2 Min. Tiempo restante:0,88 Min. (Promedio minuto: 80 )");
}

}  // namespace
