#include <gtest/gtest.h>

#include "platform/ui/MessageBox.h"
#include "platform/ui/ScriptedHost.h"
#include "support/Printers.h"

TEST(ScriptedHost, AnswersFromTheScriptAndRecordsEveryBox) {
  ui::ScriptedHost host;
  host.answer(ui::mb::Retry, "Error").answer(ui::mb::Yes);
  EXPECT_EQ(host.MsgBox("Ha ocurrido el Siguiente Error", ui::mb::AbortRetryIgnore | ui::mb::Critical, "T"),
            ui::mb::Retry);
  EXPECT_EQ(host.MsgBox("¿Seguro?", ui::mb::YesNo, ""), ui::mb::Yes);
  ASSERT_EQ(host.boxes().size(), 2u);
  EXPECT_EQ(host.boxes()[0].title, "T");
  EXPECT_EQ(host.boxes()[0].buttons, 18);
  EXPECT_TRUE(host.failures().empty());
  EXPECT_TRUE(host.scriptExhausted());
}

TEST(ScriptedHost, AnUnexpectedBoxIsAFailureAndLeaves) {
  ui::ScriptedHost host;
  QString reported;
  host.setFailureHandler([&](const QString& what) { reported = what; });
  EXPECT_EQ(host.MsgBox("inesperado", ui::mb::AbortRetryIgnore, "x"), ui::mb::Abort);
  EXPECT_EQ(host.MsgBox("otro", ui::mb::YesNo, "x"), ui::mb::No);
  EXPECT_TRUE(reported.contains("otro"));
  EXPECT_EQ(host.failures().size(), 2u);
  host.answer(ui::mb::Ok, "esperado");
  host.MsgBox("distinto", 0, "");
  EXPECT_EQ(host.failures().size(), 3u);
}

TEST(ScriptedHost, RunsActionsAtYields) {
  ui::ScriptedHost host;
  int every = 0;
  bool third = false;
  host.atEveryYield([&] { ++every; }).atYield(3, [&] { third = true; });
  host.DoEvents();
  host.DoEvents();
  EXPECT_FALSE(third);
  host.DoEvents();
  EXPECT_TRUE(third);
  EXPECT_EQ(every, 3);
  EXPECT_EQ(host.yields(), 3);
}

TEST(ScriptedHost, InputBoxesAndFileDialogs) {
  ui::ScriptedHost host;
  host.input("7148").chooseFile("/tmp/a.mdb").cancelFile();
  EXPECT_EQ(host.InputBox("Clave", "Acceso", ""), "7148");
  auto chosen = host.ShowOpen({"Buscar", "", "", ""});
  EXPECT_FALSE(chosen.cancelled);
  EXPECT_EQ(chosen.fileName, "/tmp/a.mdb");
  EXPECT_TRUE(host.ShowOpen({}).cancelled);
  std::vector<QString> failures;
  host.setFailureHandler([&](const QString& w) { failures.push_back(w); });
  EXPECT_EQ(host.InputBox("otra", "", ""), "");
  EXPECT_EQ(failures.size(), 1u);
}
