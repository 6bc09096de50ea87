#include "VoucherSample.h"

#include <QTemporaryDir>

#include "ComprobanteEnVentana.h"
#include "DemoComprobantes.h"
#include "SampleDatabase.h"
#include "VentanaComprobante.h"
#include "core/CoreState.h"

bool captureVoucherSamples(const Capture& capture) {
  QTemporaryDir carpeta;
  if (!ConectaBaseDeMuestra(carpeta, [](ado::Connection& cn) {
        demo::LlenaComprobantes(cn);
        demo::GuardaComprobantesDemo(cn);
      }))
    return false;

  bool ok = true;
  for (const char* tipo : {"FC", "FCC", "AJP"}) {
    const QString tc = QString::fromUtf8(tipo);
    ok &= capture(QStringLiteral("VentanaComprobante_") + tc, [&] { demo::MuestraVentanaComprobante(tc); });
  }
  // A stored sales invoice, loaded.
  ok &= capture(QStringLiteral("VentanaComprobante_FC_cargado"),
                [] { demo::MuestraComprobanteGuardado(demo::ComprobantesGuardados().front()); });
  core::ResetCore();
  return ok;
}
