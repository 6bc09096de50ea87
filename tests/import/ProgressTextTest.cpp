// The progress text of both importers: counts, start, elapsed and remaining
// minutes, records per minute.
#include <gtest/gtest.h>

#include <vector>

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
  // Within the first minutes, the pace of the run so far.
  at(0, 40);
  EXPECT_EQ(avance.Texto(10, 200, 9, 1), "Leidos 10 de 200 Grabados:9 Errores: 1" + inicio +
                                             "0 Min. Tiempo restante:12,67 Min. (Promedio minuto: 15 )");
  at(0, 50);
  EXPECT_EQ(avance.Texto(30, 200, 30, 0), "Leidos 30 de 200 Grabados:30 Errores: 0" + inicio +
                                              "0 Min. Tiempo restante:4,72 Min. (Promedio minuto: 36 )");
  at(1, 30);
  EXPECT_EQ(avance.Texto(50, 200, 50, 0), "Leidos 50 de 200 Grabados:50 Errores: 0" + inicio +
                                              "1 Min. Tiempo restante:4,5 Min. (Promedio minuto: 33 )");
  at(1, 40);
  EXPECT_EQ(avance.Texto(60, 200, 60, 0), "Leidos 60 de 200 Grabados:60 Errores: 0" + inicio +
                                              "1 Min. Tiempo restante:3,89 Min. (Promedio minuto: 36 )");
  // A whole minute measured: the records read since the minute last changed.
  at(2, 5);
  EXPECT_EQ(avance.Texto(130, 200, 130, 0), "Leidos 130 de 200 Grabados:130 Errores: 0" + inicio +
                                                "2 Min. Tiempo restante:0,88 Min. (Promedio minuto: 80 )");
}

// The records of a partial first minute are no minute's worth, however the
// run meets the minute boundaries: a start late in its minute, a first
// second, a record that takes over a minute before the first change is seen.
TEST_F(ProgressText, TheFirstMinutesTakeThePaceSinceTheStart) {
  struct Paso {
    int minute, second;
    long leidos;
    const char* figuras;  // elapsed, remaining and records per minute
  };
  struct Caso {
    const char* name;
    int startSecond;
    std::vector<Paso> pasos;
  };
  const Caso casos[] = {
      {"a start at :50",
       50,
       {{0, 55, 10, "0 Min. Tiempo restante:1,58 Min. (Promedio minuto: 120 )"},
        {1, 10, 40, "1 Min. Tiempo restante:1,33 Min. (Promedio minuto: 120 )"},
        {2, 0, 160, "2 Min. Tiempo restante:0,33 Min. (Promedio minuto: 120 )"}}},
      {"the first second counts as one",
       0,
       {{0, 0, 5, "0 Min. Tiempo restante:0,65 Min. (Promedio minuto: 300 )"}}},
      {"the first change seen two minutes on",
       0,
       {{0, 30, 10, "0 Min. Tiempo restante:9,5 Min. (Promedio minuto: 20 )"},
        {2, 10, 30, "2 Min. Tiempo restante:12,28 Min. (Promedio minuto: 14 )"},
        {3, 0, 50, "3 Min. Tiempo restante:7,5 Min. (Promedio minuto: 20 )"}}},
  };
  rt::SetClock([this] { return ahora; });
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.name);
    at(0, caso.startSecond);
    importacion::Avance avance(ahora);
    for (const Paso& paso : caso.pasos) {
      at(paso.minute, paso.second);
      const QString texto = avance.Texto(paso.leidos, 200, paso.leidos, 0);
      EXPECT_TRUE(texto.endsWith(QStringLiteral(" transcurrido: ") + paso.figuras)) << texto.toStdString();
    }
  }
}

}  // namespace
