#include <gtest/gtest.h>

#include "platform/suite/Library.h"
#include "platform/ui/Operator.h"
#include "support/HostFixture.h"

using suite::gCartel;

namespace {
// A modal show nobody scripted, or any box, fails the test: the status
// window must come up without holding the caller.
class CartelTest : public testing_support::HostFixture {
 protected:
  void SetUp() override {
    HostFixture::SetUp();
    suite::ResetLibrary();
  }
  void TearDown() override {
    suite::ResetLibrary();
    HostFixture::TearDown();
  }
  std::vector<QString> shown() const { return host.shownForms(); }
};

const QString kDefaultTitle = QString::fromUtf8(suite::frmCartel::kTituloPredeterminado);
}  // namespace

TEST_F(CartelTest, MuestraShowsTheWindowWithoutWaitingAndOnceOnly) {
  gCartel().Muestra("Generando comprobantes", 0);
  const suite::frmCartel* ventana = gCartel().ventana();
  ASSERT_NE(ventana, nullptr);
  EXPECT_EQ(shown(), std::vector<QString>{"frmCartel"});
  EXPECT_EQ(ventana->Caption(), kDefaultTitle);
  EXPECT_EQ(ventana->lblTexto.Caption(), "Generando comprobantes");
  EXPECT_EQ(ventana->lblProgreso.Caption(), "");
  EXPECT_EQ(ventana->Left(), (1024 * 15 - ventana->Width()) / 2) << "centred on the screen";
  EXPECT_EQ(ventana->Top(), (768 * 15 - ventana->Height()) / 2);

  gCartel().Actualiza(0, "Facturas", "Comprobante 12", "12 de 40");
  gCartel().Muestra("Actualizando stock", 0);
  EXPECT_EQ(gCartel().ventana(), ventana) << "the window on screen is kept";
  EXPECT_EQ(shown().size(), 1u) << "and not shown again";
  EXPECT_EQ(ventana->lblTexto.Caption(), "Actualizando stock");
  EXPECT_EQ(ventana->Caption(), "Facturas") << "a second Muestra changes the text only";
  EXPECT_EQ(ventana->lblProgreso.Caption(), "12 de 40");
}

TEST_F(CartelTest, ActualizaReplacesTheCaptionTheTextAndTheProgress) {
  gCartel().Muestra("Inicio", 0);
  const suite::frmCartel& ventana = *gCartel().ventana();
  struct Case {
    const char* titulo;
    const char* texto;
    const char* progreso;
    QString caption;
  } const cases[] = {{"Facturas", "Comprobante 12", "12 de 40", "Facturas"},
                     {"", "Comprobante 13", "", kDefaultTitle},
                     {"Remitos", "", "1 de 3", "Remitos"}};
  for (const Case& c : cases) {
    gCartel().Actualiza(0, c.titulo, c.texto, c.progreso);
    EXPECT_EQ(ventana.Caption(), c.caption) << c.titulo;
    EXPECT_EQ(ventana.lblTexto.Caption(), c.texto) << c.titulo;
    EXPECT_EQ(ventana.lblProgreso.Caption(), c.progreso) << c.titulo;
  }
  EXPECT_EQ(shown().size(), 1u);
}

TEST_F(CartelTest, WithoutAWindowCierraAndActualizaShowNothing) {
  gCartel().Cierra();
  gCartel().Actualiza(0, "Facturas", "Comprobante 1", "1 de 1");
  EXPECT_EQ(gCartel().ventana(), nullptr);
  EXPECT_TRUE(shown().empty());
}

// After Cierra, or after the operator closed it, the window stays away until
// the next Muestra, which brings up a fresh one: no text of the earlier work.
TEST_F(CartelTest, AClosedWindowStaysClosedUntilTheNextMuestra) {
  for (const char* how : {"Cierra", "close box"}) {
    gCartel().Muestra("Primera tarea", 0);
    gCartel().Actualiza(0, "Facturas", "Comprobante 40", "40 de 40");
    if (QString(how) == "Cierra") gCartel().Cierra();
    else ui::op::close(*gCartel().ventana());
    EXPECT_EQ(gCartel().ventana(), nullptr) << how;
    gCartel().Actualiza(0, "Facturas", "Comprobante 41", "41 de 40");
    EXPECT_EQ(gCartel().ventana(), nullptr) << how;

    gCartel().Muestra("Segunda tarea", 0);
    const suite::frmCartel* ventana = gCartel().ventana();
    ASSERT_NE(ventana, nullptr) << how;
    EXPECT_EQ(ventana->Caption(), kDefaultTitle) << how;
    EXPECT_EQ(ventana->lblTexto.Caption(), "Segunda tarea") << how;
    EXPECT_EQ(ventana->lblProgreso.Caption(), "") << how;
    gCartel().Cierra();
  }
  EXPECT_EQ(shown().size(), 4u);
}

TEST_F(CartelTest, TheInstanceIsKeptUntilTheLibraryStartsAfresh) {
  suite::Cartel& cartel = gCartel();
  cartel.Muestra("Generando comprobantes", 0);
  EXPECT_EQ(&gCartel(), &cartel);
  EXPECT_NE(gCartel().ventana(), nullptr);
  suite::ResetLibrary();
  EXPECT_EQ(gCartel().ventana(), nullptr);
}
