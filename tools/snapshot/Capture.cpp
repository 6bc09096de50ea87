#include "Capture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// A message box on the way is answered: its way out, or else its first button.
void answer(QMessageBox& box, const QString& name) {
  std::fprintf(stderr, "%s: answered the box «%s»\n", qPrintable(name), qPrintable(box.text()));
  if (QAbstractButton* out = box.escapeButton()) out->click();
  else if (!box.buttons().isEmpty()) box.buttons().first()->click();
}

}  // namespace

Capture CaptureFor(const Look& look) {
  // Events may run before a window is up (a form's loading lets them run),
  // so windows are looked for until `show` returns: each modal window once,
  // then closed.
  return [look](const QString& name, const std::function<void()>& show) {
    bool shown = false, ok = true;
    std::vector<QPointer<QWidget>> seen;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
      QWidget* window = QApplication::activeModalWidget();
      if (!window) return;
      if (auto* box = qobject_cast<QMessageBox*>(window)) return answer(*box, name);
      if (std::find(seen.begin(), seen.end(), window) == seen.end()) {
        seen.emplace_back(window);
        QCoreApplication::processEvents();
        ok &= look(name, *window);
        shown = true;
      }
      window->close();
    });
    poll.start();
    show();
    return shown && ok;
  };
}
