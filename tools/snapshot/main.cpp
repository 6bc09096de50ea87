// Shows each window of the program through the Qt host, as the program
// does, and saves what it looks like (with a drawn title bar) as
// <folder>/<form>.png. Runs without a display.
#include <QApplication>
#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <functional>

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

namespace {

// The client area under a plain title bar with the window's icon and caption.
QImage withTitleBar(QWidget& window) {
  const QPixmap client = window.grab();
  const int bar = 24;
  QImage image(client.width() + 2, client.height() + bar + 1, QImage::Format_ARGB32);
  image.fill(QColor(90, 90, 90));
  QPainter p(&image);
  QLinearGradient g(0, 0, 0, bar);
  g.setColorAt(0, QColor(70, 110, 170));
  g.setColorAt(1, QColor(40, 75, 135));
  p.fillRect(QRect(1, 1, client.width(), bar - 1), g);
  int textLeft = 8;
  if (!window.windowIcon().isNull()) {
    p.drawPixmap(6, 4, window.windowIcon().pixmap(16, 16));
    textLeft = 28;
  }
  QFont font = window.font();
  font.setBold(true);
  p.setFont(font);
  p.setPen(Qt::white);
  p.drawText(QRect(textLeft, 1, client.width() - textLeft - 24, bar - 1), Qt::AlignVCenter | Qt::AlignLeft,
             window.windowTitle());
  p.drawText(QRect(client.width() - 20, 1, 16, bar - 1), Qt::AlignCenter, QStringLiteral("×"));
  p.drawPixmap(1, bar, client);
  return image;
}

bool save(const QString& folder, const QString& name, QWidget& window) {
  return withTitleBar(window).save(QDir(folder).filePath(name + QStringLiteral(".png")));
}

bool report(const QString& name, bool saved) {
  std::printf("%s: %s\n", qPrintable(name), saved ? "saved" : "NOT SAVED");
  return saved;
}

// Runs `show`, which shows a window modally; once it is up, saves it and
// closes it through its close box.
// Events may run before the window is up (a form's loading lets them run),
// so it is looked for until it is there.
bool capture(const QString& folder, const QString& name, const std::function<void()>& show) {
  bool saved = false;
  QTimer poll;
  poll.setInterval(10);
  QObject::connect(&poll, &QTimer::timeout, [&] {
    QWidget* window = QApplication::activeModalWidget();
    if (!window) return;
    poll.stop();
    QCoreApplication::processEvents();
    saved = save(folder, name, *window);
    window->close();
  });
  poll.start();
  show();
  return report(name, saved);
}

// Saves a window shown without a modal loop, once pending events have run.
bool captureModeless(const QString& folder, const QString& name, QWidget* window) {
  QCoreApplication::processEvents();
  return report(name, window && save(folder, name, *window));
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("snapshots");
  QDir().mkpath(folder);
  qt::QtHost host;
  ui::setHost(&host);

  bool ok = capture(folder, QStringLiteral("frmAcceso"), [] {
    core::frmAcceso& acceso = core::gfrmAcceso();
    acceso.TxtUserId.Text = QStringLiteral("sa");
    acceso.TxtUserPassword.Text = QStringLiteral("secreto");
    acceso.TxtDbName.Text = QStringLiteral("KORANET");
    acceso.TxtServidor.Text = QStringLiteral("servidor");
    acceso.CboPlataformaDB.ListIndex = 0;
    acceso.Show(ui::vbModal);
  });
  ok &= capture(folder, QStringLiteral("FrmInputBox"), [] {
    core::clsInputBox acceso;
    acceso.setIcono(3);
    acceso.setPassWordChar(QStringLiteral("*"));
    acceso.setTextoDetalle(QStringLiteral("Clave"));
    acceso.setTitulo(QStringLiteral("Acceso"));
    acceso.Abrir();
  });
  ok &= capture(folder, QStringLiteral("Importar"), [] {
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
  ok &= capture(folder, QStringLiteral("frmListas"), snapshot::ShowListsSample);

  ok &= captureControlsSample(folder, capture);
  ok &= captureLookupWindows(folder, capture);
  ok &= captureVoucherSamples(folder, capture);
  ok &= captureVoucherSearchSamples(folder, capture);
  ok &= captureLotSamples(folder, capture);

  suite::Cartel& cartel = suite::gCartel();
  cartel.Muestra(QStringLiteral("Generando comprobantes"), 0);
  cartel.Actualiza(0, QStringLiteral("Facturación"), QStringLiteral("Comprobante FC A 0001-00000123"),
                   QStringLiteral("123 de 420"));
  ok &= captureModeless(folder, QStringLiteral("frmCartel"), host.windowOf(*cartel.ventana()));
  cartel.Cierra();

  core::ResetForms();
  suite::ResetLibrary();
  ui::setHost(nullptr);
  return ok ? 0 : 1;
}
