#include "VoucherSearchSample.h"

#include <QTemporaryDir>

#include "ArranqueDemo.h"
#include "core/CoreState.h"
#include "lookup/FrmConsComprobantes.h"
#include "platform/runtime/Environment.h"

namespace {

// The window as the operator leaves it before accepting: a row chosen and,
// for purchase orders, the first and the last one ticked. Loaded (and so
// filled) before the capture, whose timer the fill's yields would run.
void Elige(lookup::FrmConsComprobantes& ventana) {
  ventana.Load();
  ui::ListView::Items& filas = ventana.ListView1.ListItems;
  if (filas.Count() < 3) return;
  if (ventana.ListView1.Checkboxes()) {
    filas(1).Checked = true;
    filas(filas.Count()).Checked = true;
  }
  ventana.ListView1.setSelectedItem(&filas(2));
}

}  // namespace

bool captureVoucherSearchSamples(const Capture& capture) {
  QTemporaryDir carpeta;
  if (!ArrancaDemo(carpeta.path())) return false;

  bool ok = true;
  for (const char* tipo : {"FC", "OC"}) {
    const QString tc = QString::fromUtf8(tipo);
    lookup::FrmConsComprobantes ventana;
    ventana.TC = tc;
    Elige(ventana);
    ok &= capture(QStringLiteral("FrmConsComprobantes_") + tc, [&] { ventana.Show(ui::vbModal); });
  }
  core::ResetCore();
  rt::SetProgramFolder(QString());
  return ok;
}
