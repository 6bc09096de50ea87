#include <gtest/gtest.h>

#include "core/forms/Forms.h"
#include "platform/ui/KeyCodes.h"
#include "platform/ui/Operator.h"
#include "support/HostFixture.h"
#include "support/Printers.h"

using core::frmAcceso;

class frmAccesoTest : public testing_support::HostFixture {
 protected:
  void TearDown() override {
    core::ResetForms();
    HostFixture::TearDown();
  }
  // The caller's side: fill, show modally, read back.
  frmAcceso& showFilled() {
    frmAcceso& f = core::gfrmAcceso();
    f.Load();
    f.TxtDbName.Text = "KORANET";
    f.TxtServidor.Text = "srv";
    f.TxtUserId.Text = "sa";
    f.TxtUserPassword.Text = "";
    f.CboPlataformaDB.ListIndex = 0;
    f.Show(ui::vbModal);
    return f;
  }
};

TEST_F(frmAccesoTest, IsDesignedAsTheLoginDialog) {
  frmAcceso& f = core::gfrmAcceso();
  EXPECT_EQ(f.Caption(), "Control de Acceso");
  EXPECT_EQ(f.lbUsuario.Caption(), "&Usuario");
  EXPECT_EQ(f.lbcontrasena.Caption(), "&Contraseña");
  EXPECT_EQ(f.Label1.Caption(), "&Base de Datos");
  EXPECT_EQ(f.Label2.Caption(), "&Servidor");
  EXPECT_EQ(f.lbUsuario.FontName(), "Courier");
  EXPECT_EQ(f.TxtUserPassword.PasswordChar(), "*");
  EXPECT_EQ(f.bcAceptar.Caption(), "Aceptar");
  EXPECT_EQ(f.bcCancelar.Caption(), "Cancelar");
  EXPECT_EQ(f.CboPlataformaDB.List(0), "SQL Server");
  EXPECT_EQ(f.CboPlataformaDB.List(1), "ORACLE");
  EXPECT_EQ(&f.TxtUserId.Container(), &f.framAcceso);
  const ui::Control* order[] = {&f.TxtUserId, &f.TxtUserPassword, &f.TxtDbName, &f.TxtServidor};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(order[i]->TabIndex(), i);
  EXPECT_EQ(&core::gfrmAcceso(), &f) << "one program-wide dialog";
}

TEST_F(frmAccesoTest, AcceptedTheTypedTextsComeBackUntrimmed) {
  host.onModal<frmAcceso>("frmAcceso", [](frmAcceso& f) {
    ui::op::type(f.TxtUserId, " operador ");
    ui::op::type(f.TxtUserPassword, "clave ");
    ui::op::choose(f.CboPlataformaDB, 1);
    ui::op::click(f.bcAceptar);
  });
  frmAcceso& f = showFilled();
  EXPECT_TRUE(f.Aceptar);
  EXPECT_FALSE(f.Visible());
  EXPECT_TRUE(f.Loaded()) << "hidden, not unloaded: the texts stay readable";
  EXPECT_EQ(f.TxtUserId.Text(), " operador ");
  EXPECT_EQ(f.TxtUserPassword.Text(), "clave ");
  EXPECT_EQ(f.TxtDbName.Text(), "KORANET");
  EXPECT_EQ(f.CboPlataformaDB.ListIndex(), 1);
}

TEST_F(frmAccesoTest, CancelAndTheCloseBoxBothLeaveAceptarFalse) {
  host.onModal<frmAcceso>("frmAcceso", [](frmAcceso& f) { ui::op::click(f.bcAceptar); });
  EXPECT_TRUE(showFilled().Aceptar);
  host.onModal<frmAcceso>("frmAcceso", [](frmAcceso& f) { ui::op::click(f.bcCancelar); });
  EXPECT_FALSE(showFilled().Aceptar);
  host.onModal<frmAcceso>("frmAcceso", [](frmAcceso& f) { ui::op::click(f.bcAceptar); });
  EXPECT_TRUE(showFilled().Aceptar);
  // Closing the window after an earlier accept must not read as an accept.
  host.onModal<frmAcceso>("frmAcceso", [](frmAcceso& f) { ui::op::close(f); });
  frmAcceso& f = showFilled();
  EXPECT_FALSE(f.Aceptar);
  EXPECT_TRUE(f.Loaded());
  EXPECT_EQ(f.TxtServidor.Text(), "srv");
}

TEST_F(frmAccesoTest, EnterAcceptsAndEscapeCancels) {
  host.onModal<frmAcceso>("frmAcceso", [](frmAcceso& f) { ui::op::key(f.TxtUserId, ui::key::Return); });
  EXPECT_TRUE(showFilled().Aceptar);
  host.onModal<frmAcceso>("frmAcceso", [](frmAcceso& f) { ui::op::key(f.TxtServidor, ui::key::Escape); });
  EXPECT_FALSE(showFilled().Aceptar);
}

TEST_F(frmAccesoTest, LoadingCentresTheDialogOnTheScreen) {
  frmAcceso& f = core::gfrmAcceso();
  f.Load();
  const ui::ScreenInfo screen = host.Screen();
  EXPECT_EQ(f.Left(), screen.Width / 2 - f.Width() / 2);
  EXPECT_EQ(f.Top(), screen.Height / 2 - f.Height() / 2);
}

// The function the core hands the database service: the data fills the
// boxes, an accept hands back what was typed and chosen, a cancel nothing.
TEST_F(frmAccesoTest, TheServicesLoginShowsTheDialogFilledAndReadsItBack) {
  data_access::DatosAcceso datos{"KORANET", "srv", "sa", "clave", 0};
  host.onModal<frmAcceso>("frmAcceso", [](frmAcceso& f) {
    EXPECT_EQ(f.TxtDbName.Text(), "KORANET");
    EXPECT_EQ(f.TxtServidor.Text(), "srv");
    EXPECT_EQ(f.TxtUserId.Text(), "sa");
    EXPECT_EQ(f.TxtUserPassword.Text(), "clave");
    EXPECT_EQ(f.CboPlataformaDB.ListIndex(), 0);
    ui::op::type(f.TxtDbName, "XE");
    ui::op::type(f.TxtUserPassword, " otra ");
    ui::op::choose(f.CboPlataformaDB, 1);
    ui::op::click(f.bcAceptar);
  });
  EXPECT_TRUE(core::PideAccesoBaseDatos(datos));
  EXPECT_EQ(datos.BaseDatos, "XE");
  EXPECT_EQ(datos.Clave, " otra ");
  EXPECT_EQ(datos.Usuario, "sa");
  EXPECT_EQ(datos.Plataforma, 1);
  EXPECT_FALSE(core::gfrmAcceso().Loaded());

  host.onModal<frmAcceso>("frmAcceso", [](frmAcceso& f) {
    ui::op::type(f.TxtDbName, "otra");
    ui::op::click(f.bcCancelar);
  });
  EXPECT_FALSE(core::PideAccesoBaseDatos(datos));
  EXPECT_EQ(datos.BaseDatos, "XE");
}
