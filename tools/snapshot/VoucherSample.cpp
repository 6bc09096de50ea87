#include "VoucherSample.h"

#include <QTemporaryDir>

#include "DemoComprobantes.h"
#include "SampleDatabase.h"
#include "VentanaComprobante.h"
#include "core/CoreState.h"

bool captureVoucherSamples(const QString& folder, const Capture& capture) {
  QTemporaryDir carpeta;
  if (!ConectaBaseDeMuestra(carpeta, demo::LlenaComprobantes)) return false;

  bool ok = true;
  for (const char* tipo : {"FC", "FCC", "AJP"}) {
    const QString tc = QString::fromUtf8(tipo);
    ok &= capture(folder, QStringLiteral("VentanaComprobante_") + tc, [&] { demo::MuestraVentanaComprobante(tc); });
  }
  core::ResetCore();
  return ok;
}
