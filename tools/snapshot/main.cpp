// Shows each window of the program through the Qt host, as the program
// does, and saves what it looks like (with a drawn title bar) as
// <folder>/<form>.png; lists the texts each window shows cut and the
// controls it shows outside itself. Runs without a display.
#include <QApplication>
#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QWidget>
#include <cstdio>

#include "ControlsOutside.h"
#include "CutTexts.h"
#include "EveryWindow.h"
#include "platform/qt/QtHost.h"

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

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("snapshots");
  QDir().mkpath(folder);
  qt::QtHost host;
  ui::setHost(&host);

  const bool ok = ShowEveryWindow(host, [&](const QString& name, QWidget& window) {
    const bool saved = withTitleBar(window).save(QDir(folder).filePath(name + QStringLiteral(".png")));
    std::printf("%s: %s\n", qPrintable(name), saved ? "saved" : "NOT SAVED");
    for (const CutText& cut : CutTexts(window)) std::printf("  cut: %s\n", qPrintable(Describe(cut)));
    for (const ControlOutside& o : ControlsOutside(window)) std::printf("  outside: %s\n", qPrintable(Describe(o)));
    return saved;
  });
  ui::setHost(nullptr);
  return ok ? 0 : 1;
}
