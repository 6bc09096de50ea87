// The service's error dialog: what the operator sees, what the log keeps.
#include <gtest/gtest.h>

#include "support/ServiceFixture.h"
#include "platform/runtime/StepRunner.h"
#include "platform/ui/MessageBox.h"
#include "support/Printers.h"

namespace {

using data_access::gDB;

class ErrorDialog : public testing_support::ServiceFixture {
 protected:
  QString defaultLog() const { return readFile(folder.file("VXERR.LOG")); }
};

TEST_F(ErrorDialog, ShowsTheErrorAndLogsTheAnswer) {
  host.answer(ui::mb::Retry);
  rt::Error e(3704, " La operación no está permitida si el objeto está cerrado. ", "ADODB.Recordset");
  EXPECT_EQ(gDB().TratamientoErrores(e, std::nullopt, QString("CargaDatos")), ui::mb::Retry);

  ASSERT_EQ(host.boxes().size(), 1u);
  const QString message = "Ha ocurrido el Siguiente Error (3704) La operación no está permitida si el objeto está cerrado.";
  EXPECT_EQ(host.boxes()[0].prompt, message);
  EXPECT_EQ(host.boxes()[0].title, "ADODB.Recordset - CargaDatos Aviso al operador!!! ");
  EXPECT_EQ(host.boxes()[0].buttons, ui::mb::AbortRetryIgnore | ui::mb::Critical);
  EXPECT_EQ(defaultLog(), "03-15-2024 14:05:09 Rutina: - CargaDatos Mensaje " + message + " Respondió : Reintentar\n");
}

TEST_F(ErrorDialog, EveryAnswerHasItsWordAndLinesAreAppended) {
  struct Case {
    int answer;
    const char* word;
  };
  const Case cases[] = {{ui::mb::Ignore, "Ignorar"}, {ui::mb::Abort, "Abortar"}, {ui::mb::Cancel, "Cancelar"},
                        {ui::mb::Yes, "Sí"},         {ui::mb::No, "No"},         {ui::mb::Ok, ""}};
  QString expected;
  for (const Case& c : cases) {
    host.answer(c.answer);
    EXPECT_EQ(gDB().TratamientoErrores(rt::Error(5, "x", "src"), std::nullopt, QString("R")), c.answer);
    expected += "03-15-2024 14:05:09 Rutina: - R Mensaje Ha ocurrido el Siguiente Error (5) x Respondió : " +
                QString::fromUtf8(c.word) + "\n";
  }
  EXPECT_EQ(defaultLog(), expected);
}

TEST_F(ErrorDialog, WithoutRoutineOwnButtonsAndOwnLogFile) {
  const QString own = folder.file("errores.txt");
  gDB().setArchivoErrores(own);
  EXPECT_EQ(gDB().ArchivoErrores().toString(), own);
  host.answer(ui::mb::No);
  EXPECT_EQ(gDB().TratamientoErrores(rt::Error(-2147217900, "Sintaxis incorrecta", "Microsoft OLE DB"),
                                     ui::mb::YesNo | ui::mb::Question),
            ui::mb::No);
  EXPECT_EQ(host.boxes()[0].prompt, "Ha ocurrido el Siguiente Error (-2147217900) Sintaxis incorrecta");
  EXPECT_EQ(host.boxes()[0].title, "Microsoft OLE DB Aviso al operador!!! ");
  EXPECT_EQ(host.boxes()[0].buttons, ui::mb::YesNo | ui::mb::Question);
  EXPECT_EQ(readFile(own),
            "03-15-2024 14:05:09 Rutina:  Mensaje Ha ocurrido el Siguiente Error (-2147217900) Sintaxis incorrecta "
            "Respondió : No\n");
  EXPECT_EQ(defaultLog(), "");
}

TEST_F(ErrorDialog, ErrorZeroShowsAndLogsNothing) {
  EXPECT_EQ(gDB().TratamientoErrores(rt::Error(0, "", ""), std::nullopt, QString("R")), 0);
  EXPECT_TRUE(host.boxes().empty());
  EXPECT_EQ(defaultLog(), "");
}

TEST_F(ErrorDialog, AnUnwritableLogLeavesTheAnswer) {
  gDB().gLogErr = folder.file("no/existe/VXERR.LOG");
  host.answer(ui::mb::Ignore);
  EXPECT_EQ(gDB().TratamientoErrores(rt::Error(3021, "Sin registro actual", "ADODB.Recordset")), ui::mb::Ignore);
}

}  // namespace
