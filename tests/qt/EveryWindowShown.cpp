#include "EveryWindowShown.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include "ArranqueDemo.h"
#include "EveryWindow.h"
#include "Galeria.h"
#include "platform/qt/QtHost.h"

bool ShowEveryWindowAndTheGallery(qt::QtHost& host, const Look& look) {
  bool ok = ShowEveryWindow(host, look);

  QTemporaryDir demo;
  if (!ArrancaDemo(demo.path())) return false;
  std::vector<galeria::Ventana> ventanas = galeria::TodasLasVentanas();
  galeria::frmGaleria galeria(ventanas);
  galeria.Show();
  QCoreApplication::processEvents();
  ok &= look(galeria.Name(), *host.windowOf(galeria));
  const Capture capture = CaptureFor(look);
  // The stock recording opens no window but the status window, which the snapshots show.
  for (const galeria::Ventana& v : ventanas) capture(v.titulo, v.abre);
  galeria.Unload();
  return ok;
}
