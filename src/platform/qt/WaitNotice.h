#pragma once
// The notice of a wait for another program (ui/Waits.h) on the desktop: a
// small window over the program's, which takes neither the activation nor
// the focus from it, with the wait's text and the button that ends it.
// While the wait lasts, every event of the operator is dropped but those
// of the notice and of what the WaitEnding in force lets end the wait (its
// controls' widgets, its form's close box); the windows are repainted.
#include <QObject>
#include <QPointer>

class QLabel;
class QWidget;

namespace qt {

class QtHost;

class WaitNotice : public QObject {
 public:
  explicit WaitNotice(const QtHost& host) : host_(host) {}
  ~WaitNotice() override;

  // One step: the notice shown or updated when `text` is not empty, the
  // events served; true when the notice's button was pressed.
  bool step(const QString& text, const QString& button);
  void over();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void show(const QString& text, const QString& button);
  bool served(QObject* receiver, const QEvent& event) const;

  const QtHost& host_;
  QPointer<QWidget> window_;
  QLabel* text_ = nullptr;
  bool filtering_ = false;
  bool pressed_ = false;
};

}  // namespace qt
