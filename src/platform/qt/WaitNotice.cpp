#include "platform/qt/WaitNotice.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/qt/FormWindow.h"
#include "platform/qt/ListBindings.h"
#include "platform/qt/QtHost.h"
#include "platform/runtime/Environment.h"
#include "platform/ui/Waits.h"

namespace qt {

namespace {

// What the operator does: none of it reaches the program during a wait but
// where the wait allows it.
bool fromTheOperator(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress: case QEvent::MouseButtonRelease: case QEvent::MouseButtonDblClick:
    case QEvent::Wheel: case QEvent::KeyPress: case QEvent::KeyRelease: case QEvent::ShortcutOverride:
    case QEvent::Shortcut: case QEvent::ContextMenu: case QEvent::InputMethod: case QEvent::TouchBegin:
    case QEvent::TouchUpdate: case QEvent::TouchEnd: case QEvent::TabletPress: case QEvent::TabletRelease:
    case QEvent::DragEnter: case QEvent::DragMove: case QEvent::Drop: case QEvent::Close:
      return true;
    default: return false;
  }
}

bool within(const QObject* receiver, const QWidget* widget) {
  const auto* w = qobject_cast<const QWidget*>(receiver);
  return widget && w && (w == widget || widget->isAncestorOf(w));
}

// The notice's window: its close box ends the wait as its button does.
class NoticeWindow : public QWidget {
 public:
  NoticeWindow(QWidget* owner, bool& pressed)
      : QWidget(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
        pressed_(pressed) {
    setAttribute(Qt::WA_ShowWithoutActivating);
  }

 protected:
  void closeEvent(QCloseEvent* event) override {
    pressed_ = true;
    event->ignore();
  }

 private:
  bool& pressed_;
};

}  // namespace

WaitNotice::~WaitNotice() { over(); }

bool WaitNotice::step(const QString& text, const QString& button) {
  if (!filtering_) {
    qApp->installEventFilter(this);
    filtering_ = true;
  }
  if (!text.isEmpty()) show(text, button);
  showGatheredChanges();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  return std::exchange(pressed_, false);
}

void WaitNotice::over() {
  if (filtering_) qApp->removeEventFilter(this);
  filtering_ = false;
  pressed_ = false;
  delete window_.data();
  text_ = nullptr;
}

void WaitNotice::show(const QString& text, const QString& button) {
  if (window_) {
    if (text_->text() != text) text_->setText(text);
    return;
  }
  QWidget* owner = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : QApplication::activeWindow();
  auto* window = new NoticeWindow(owner, pressed_);
  window->setWindowTitle(rt::ExecutableName());
  auto* icon = new QLabel(window);
  icon->setPixmap(window->style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
  text_ = new QLabel(text, window);
  text_->setWordWrap(true);
  text_->setMinimumWidth(text_->fontMetrics().averageCharWidth() * 50);
  auto* end = new QPushButton(button, window);
  end->setFocusPolicy(Qt::NoFocus);
  QObject::connect(end, &QPushButton::clicked, window, [this] { pressed_ = true; });
  auto* row = new QHBoxLayout;
  row->addWidget(icon, 0, Qt::AlignTop);
  row->addWidget(text_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(end);
  auto* layout = new QVBoxLayout(window);
  layout->addLayout(row);
  layout->addLayout(buttons);
  window->adjustSize();
  // Over the owner's window, and whole on its screen.
  const QRect screen = (owner ? owner->screen() : QGuiApplication::primaryScreen())->availableGeometry();
  const QRect over = owner ? owner->frameGeometry() : screen;
  QRect place(over.center() - window->rect().center(), window->size());
  place.moveRight(std::min(place.right(), screen.right()));
  place.moveBottom(std::min(place.bottom(), screen.bottom()));
  place.moveLeft(std::max(place.left(), screen.left()));
  place.moveTop(std::max(place.top(), screen.top()));
  window->move(place.topLeft());
  window->show();
  window->raise();
  window_ = window;
}

bool WaitNotice::served(QObject* receiver, const QEvent& event) const {
  if (within(receiver, window_)) return true;
  const ui::WaitEnding* ending = ui::WaitEnding::current();
  if (!ending) return false;
  auto* window = dynamic_cast<FormWindow*>(host_.windowOf(ending->form()));
  if (!window) return false;
  if (event.type() == QEvent::Close) return receiver == window;
  for (const ui::Control* control : ending->controls())
    if (within(receiver, window->widgetOf(*control))) return true;
  return false;
}

bool WaitNotice::eventFilter(QObject* watched, QEvent* event) {
  if (!fromTheOperator(event->type()) || !watched->isWidgetType() || served(watched, *event)) return false;
  // A close event comes accepted: dropped so, the window would close.
  event->ignore();
  return true;
}

}  // namespace qt
