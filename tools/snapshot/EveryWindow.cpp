#include "EveryWindow.h"

#include <QCoreApplication>

#include "ControlsSample.h"
#include "ListsSample.h"
#include "LookupSnapshots.h"
#include "LotsSample.h"
#include "VoucherSample.h"
#include "VoucherSearchSample.h"
#include "core/forms/Forms.h"
#include "core/forms/clsInputBox.h"
#include "import/Importar.h"
#include "platform/qt/QtHost.h"
#include "platform/suite/Library.h"

bool ShowEveryWindow(qt::QtHost& host, const Look& look) {
  const Capture capture = CaptureFor(look);
  bool ok = capture(QStringLiteral("frmAcceso"), [] {
    core::frmAcceso& acceso = core::gfrmAcceso();
    acceso.TxtUserId.Text = QStringLiteral("sa");
    acceso.TxtUserPassword.Text = QStringLiteral("secreto");
    acceso.TxtDbName.Text = QStringLiteral("KORANET");
    acceso.TxtServidor.Text = QStringLiteral("servidor");
    acceso.CboPlataformaDB.ListIndex = 0;
    acceso.Show(ui::vbModal);
  });
  ok &= capture(QStringLiteral("FrmInputBox"), [] {
    core::clsInputBox acceso;
    acceso.setIcono(3);
    acceso.setPassWordChar(QStringLiteral("*"));
    acceso.setTextoDetalle(QStringLiteral("Clave"));
    acceso.setTitulo(QStringLiteral("Acceso"));
    acceso.Abrir();
  });
  ok &= capture(QStringLiteral("Importar"), [] {
    // The window as it looks once started, in the middle of a run.
    struct SinInicio : importacion::Importar {
      void Form_Load() override {}
    } ventana;
    ventana.TxtPathDatos.Text = QStringLiteral("/home/operador/tavernix");
    ventana.chkTabla(0).Value = 1;
    ventana.LblDetalle.Caption = QStringLiteral(
        "Leidos 120 de 420 Grabados:118 Errores: 2\r\n Inicio: 15/03/2024 14:05:09 transcurrido: 1 Min. Tiempo "
        "restante:2,5 Min. (Promedio minuto: 120 )");
    ventana.Show(ui::vbModal);
  });
  ok &= capture(QStringLiteral("frmListas"), snapshot::ShowListsSample);

  ok &= captureControlsSample(capture);
  ok &= captureLookupWindows(capture);
  ok &= captureVoucherSamples(capture);
  ok &= captureVoucherSearchSamples(capture);
  ok &= captureLotSamples(capture);

  // The status window shows beside the caller's work, without a modal loop.
  suite::Cartel& cartel = suite::gCartel();
  cartel.Muestra(QStringLiteral("Generando comprobantes"), 0);
  cartel.Actualiza(0, QStringLiteral("Facturación"), QStringLiteral("Comprobante FC A 0001-00000123"),
                   QStringLiteral("123 de 420"));
  QCoreApplication::processEvents();
  QWidget* estado = host.windowOf(*cartel.ventana());
  ok &= estado && look(QStringLiteral("frmCartel"), *estado);
  cartel.Cierra();

  core::ResetForms();
  suite::ResetLibrary();
  return ok;
}
