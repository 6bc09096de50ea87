#include "platform/qt/Bindings.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QTimer>
#include <utility>

#include "platform/qt/AccessKeys.h"
#include "platform/qt/Appearance.h"
#include "platform/qt/BarBindings.h"
#include "platform/qt/FlexGridView.h"
#include "platform/qt/FormWindow.h"
#include "platform/qt/FromOperator.h"
#include "platform/qt/KeyMapping.h"
#include "platform/qt/ListBindings.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Controls.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/Form.h"
#include "platform/ui/KeyCodes.h"
#include "platform/ui/ListView.h"
#include "platform/ui/Operator.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/TabControl.h"
#include "platform/ui/Toolbar.h"
#include "platform/ui/TreeView.h"
#include "platform/ui/Waits.h"

namespace qt {

using ui::Prop;

Binding::Binding(ui::Control& control, QWidget* widget, FormWindow& window)
    : QObject(widget ? static_cast<QObject*>(widget) : &window), control_(&control), widget_(widget), window_(window) {
  watchId_ = control.watch([this](const ui::PropertyChange& change) {
    if (change.prop == Prop::Destroyed) {
      const ui::Control* gone = control_;
      control_ = nullptr;
      detach();
      window_.forget(*gone);
      if (widget_) widget_->deleteLater();
      else deleteLater();
      return;
    }
    updating_ = true;
    refresh(change);
    updating_ = false;
  });
  if (widget_) widget_->installEventFilter(this);
}

Binding::~Binding() {
  if (control_) control_->unwatch(watchId_);
}

void Binding::refreshAll() {
  updating_ = true;
  for (Prop p : {Prop::Geometry, Prop::Enabled, Prop::Visible, Prop::Font, Prop::ForeColor, Prop::ToolTipText,
                 Prop::Caption, Prop::Text, Prop::Value, Prop::Alignment, Prop::Locked, Prop::MaxLength,
                 Prop::PasswordChar, Prop::Selection, Prop::Default, Prop::Style, Prop::List, Prop::ListIndex,
                 Prop::Picture, Prop::Stretch, Prop::Interval, Prop::Shape, Prop::Buttons, Prop::Panels, Prop::Tabs,
                 Prop::Range})
    refresh({p});
  updating_ = false;
}

void Binding::refresh(const ui::PropertyChange& change) {
  if (!widget_ || !control_) return;
  switch (change.prop) {
    case Prop::Geometry: widget_->setGeometry(pixelRect(*control_)); break;
    case Prop::Enabled: widget_->setEnabled(control_->Enabled()); break;
    case Prop::Visible: widget_->setVisible(control_->Visible()); break;
    case Prop::Font: widget_->setFont(qtFont(*control_)); break;
    case Prop::ForeColor: case Prop::BackColor: applyColors(); break;
    case Prop::ToolTipText: widget_->setToolTip(control_->ToolTipText()); break;
    case Prop::ZOrder: raiseOrLower(*widget_, control_->stacking()); break;
    default: break;
  }
}

// System colours keep the style's own colour for the widget's role; a
// colour the program chose replaces it.
void Binding::applyColors() {
  const QPalette base = QApplication::palette(widget_);
  QPalette palette = base;
  const ui::Color back = control_->BackColor(), fore = control_->ForeColor();
  if (!ui::color::isSystem(back)) palette.setColor(widget_->backgroundRole(), qtColor(back, base));
  if (!ui::color::isSystem(fore)) palette.setColor(widget_->foregroundRole(), qtColor(fore, base));
  widget_->setPalette(palette);
  if (qobject_cast<QLabel*>(widget_)) widget_->setAutoFillBackground(!ui::color::isSystem(back));
}

bool Binding::eventFilter(QObject* watched, QEvent* event) {
  if (watched != widget_ || !control_) return false;
  switch (event->type()) {
    case QEvent::FocusIn:
      fromOperator([&] {
        if (!ui::op::focus(*control_)) QTimer::singleShot(0, &window_, [w = &window_] { w->focusActiveControl(); });
      });
      return false;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      if (!widget_->hasFocus()) return false;
      bool consumed = true;  // a key whose handler failed goes no further
      fromOperator([&] { consumed = handleKey(event); });
      return consumed;
    }
    default: return false;
  }
}

// KeyDown (Enter and Escape press the form's buttons), KeyPress with the
// character, KeyUp; a handler that zeroes the code swallows the key, one
// that changes the character has the new one typed instead.
bool Binding::handleKey(QEvent* event) {
  auto* key = static_cast<QKeyEvent*>(event);
  const int code = vbKeyCode(*key), shift = vbShift(key->modifiers());
  if (code == ui::key::Tab) return false;
  if (event->type() == QEvent::KeyRelease) {
    if (code != 0) ui::op::keyUp(*control_, code, shift);
    return false;
  }
  if (code != 0 && ui::op::keyDown(*control_, code, shift) == 0) return true;
  if (!control_) return true;
  const int ascii = vbKeyAscii(*key);
  if (ascii == 0) return false;
  const int left = ui::op::keyPress(*control_, ascii);
  if (left == ascii) return false;
  if (left != 0)
    if (auto* edit = qobject_cast<QLineEdit*>(widget_)) edit->insert(QString(QChar(left)));
  return true;
}

namespace {

class LabelBinding : public Binding {
 public:
  LabelBinding(ui::Label& label, QWidget* parent, FormWindow& window)
      : Binding(label, new QLabel(parent), window), label_(label) {
    auto* w = static_cast<QLabel*>(widget());
    w->setWordWrap(true);
  }
  void setBuddy(QWidget* buddy) {
    static_cast<QLabel*>(widget())->setBuddy(buddy);
    refresh({Prop::Caption});
  }

 protected:
  void refresh(const ui::PropertyChange& change) override {
    Binding::refresh(change);
    auto* w = static_cast<QLabel*>(widget());
    if (change.prop == Prop::Caption)
      w->setText(w->buddy() ? label_.Caption() : withoutAccessKey(label_.Caption()));
    if (change.prop == Prop::Alignment) {
      const Qt::Alignment h = label_.Alignment() == 1 ? Qt::AlignRight : label_.Alignment() == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
      w->setAlignment(h | Qt::AlignTop);
    }
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == widget() && event->type() == QEvent::MouseButtonRelease && control())
      fromOperator([this] { ui::op::click(*control()); });
    return Binding::eventFilter(watched, event);
  }

 private:
  ui::Label& label_;
};

class LineEditBinding : public Binding {
 public:
  LineEditBinding(ui::TextBox& box, QWidget* parent, FormWindow& window)
      : Binding(box, new QLineEdit(parent), window), box_(box) {
    auto* w = static_cast<QLineEdit*>(widget());
    // The new text would pull the model's earlier selection into it and
    // show that: the caret the typing left is what the model gets.
    QObject::connect(w, &QLineEdit::textEdited, this, [this](const QString& text) {
      if (!control()) return;
      {
        const QScopedValueRollback fromWidget(fromWidget_, true);
        fromOperator([&] { box_.Text = text; });
      }
      followSelection();
    });
    QObject::connect(w, &QLineEdit::selectionChanged, this, [this] { followSelection(); });
    QObject::connect(w, &QLineEdit::cursorPositionChanged, this, [this] { followSelection(); });
  }

 protected:
  void refresh(const ui::PropertyChange& change) override {
    Binding::refresh(change);
    auto* w = static_cast<QLineEdit*>(widget());
    switch (change.prop) {
      case Prop::Text:
        if (w->text() != box_.Text()) w->setText(box_.Text());
        break;
      case Prop::MaxLength: w->setMaxLength(box_.MaxLength() > 0 ? box_.MaxLength() : 32767); break;
      case Prop::Locked: w->setReadOnly(box_.Locked()); break;
      case Prop::PasswordChar:
        w->setEchoMode(box_.PasswordChar().isEmpty() ? QLineEdit::Normal : QLineEdit::Password);
        w->setStyleSheet(box_.PasswordChar().isEmpty()
                             ? QString()
                             : QStringLiteral("QLineEdit { lineedit-password-character: %1 }")
                                   .arg(box_.PasswordChar().at(0).unicode()));
        break;
      case Prop::Alignment:
        w->setAlignment(box_.Alignment() == 1 ? Qt::AlignRight : box_.Alignment() == 2 ? Qt::AlignHCenter : Qt::AlignLeft);
        break;
      case Prop::Selection:
        if (fromWidget_) break;
        if ((w->hasSelectedText() ? w->selectionStart() : w->cursorPosition()) != box_.SelStart() ||
            w->selectedText().size() != box_.SelLength()) {
          if (box_.SelLength() > 0) w->setSelection(box_.SelStart(), box_.SelLength());
          else w->setCursorPosition(box_.SelStart());
        }
        break;
      default: break;
    }
  }

  // The click that gives the box the focus comes after the focus: its
  // press would put the caret where the click was, and the pointer moving
  // while the button is down would stretch a selection to it, undoing a
  // selection the box's GotFocus made (so that typing replaces the text).
  // That click, from its press to its release, goes no further.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == widget()) {
      switch (event->type()) {
        case QEvent::FocusIn:
          focusedByClick_ = static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason;
          break;
        case QEvent::FocusOut: focusedByClick_ = false; break;
        case QEvent::MouseButtonPress:
          if (std::exchange(focusedByClick_, false) && control() && box_.SelLength() > 0) {
            focusingButton_ = static_cast<QMouseEvent*>(event)->button();
            return true;
          }
          break;
        case QEvent::MouseMove:
        case QEvent::MouseButtonDblClick:
          if (focusingButton_ == Qt::NoButton) break;
          if (static_cast<QMouseEvent*>(event)->buttons() & focusingButton_) return true;
          focusingButton_ = Qt::NoButton;  // its release went elsewhere
          break;
        case QEvent::MouseButtonRelease:
          if (focusingButton_ != Qt::NoButton && static_cast<QMouseEvent*>(event)->button() == focusingButton_) {
            focusingButton_ = Qt::NoButton;
            return true;
          }
          break;
        default: break;
      }
    }
    return Binding::eventFilter(watched, event);
  }

 private:
  // The model takes the widget's selection, whichever way it was made. The
  // model announces the new start with the old length first: written back,
  // that pair would collapse the selection, and setSelection would turn a
  // backward one forward, so what the widget told is never written back.
  void followSelection() {
    if (updating() || !control()) return;
    auto* w = static_cast<QLineEdit*>(widget());
    const bool selected = w->hasSelectedText();
    const QScopedValueRollback fromWidget(fromWidget_, true);
    box_.SelStart = selected ? w->selectionStart() : w->cursorPosition();
    box_.SelLength = selected ? static_cast<int>(w->selectedText().size()) : 0;
  }
  ui::TextBox& box_;
  bool focusedByClick_ = false;
  // The button of the focusing click while it is down.
  Qt::MouseButton focusingButton_ = Qt::NoButton;
  // The model is taking the widget's text or selection.
  bool fromWidget_ = false;
};

class PlainTextBinding : public Binding {
 public:
  PlainTextBinding(ui::TextBox& box, QWidget* parent, FormWindow& window)
      : Binding(box, new QPlainTextEdit(parent), window), box_(box) {
    auto* w = static_cast<QPlainTextEdit*>(widget());
    QObject::connect(w, &QPlainTextEdit::textChanged, this, [this, w] {
      if (!updating() && control()) fromOperator([&] { box_.Text = w->toPlainText(); });
    });
  }

 protected:
  void refresh(const ui::PropertyChange& change) override {
    Binding::refresh(change);
    auto* w = static_cast<QPlainTextEdit*>(widget());
    if (change.prop == Prop::Text && w->toPlainText() != box_.Text()) w->setPlainText(box_.Text());
    if (change.prop == Prop::Locked) w->setReadOnly(box_.Locked());
  }

 private:
  ui::TextBox& box_;
};

// The three kinds of button: their extra set-up and how they show the model.
void setUp(QPushButton& w) { w.setAutoDefault(false); }
void setUp(QCheckBox&) {}
void setUp(QRadioButton& w) { w.setAutoExclusive(false); }

void show(QPushButton& w, const ui::CommandButton& b, Prop p) {
  if (p == Prop::Default) w.setDefault(b.Default());
}
void show(QCheckBox& w, const ui::CheckBox& c, Prop p) {
  if (p != Prop::Value) return;
  w.setTristate(c.Value() == 2);
  w.setCheckState(c.Value() == 1 ? Qt::Checked : c.Value() == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}
void show(QRadioButton& w, const ui::OptionButton& o, Prop p) {
  if (p == Prop::Value) w.setChecked(o.Value());
}

// A caption and a click the model handles; a click the model refused (its
// Validate kept the focus elsewhere) leaves the widget showing the model.
template <class Model, class Widget>
class ButtonBinding : public Binding {
 public:
  ButtonBinding(Model& model, QWidget* parent, FormWindow& window)
      : Binding(model, new Widget(parent), window), model_(model) {
    auto* w = static_cast<Widget*>(widget());
    setUp(*w);
    QObject::connect(w, &QAbstractButton::clicked, this, [this] {
      if (control()) fromOperator([this] { ui::op::click(*control()); });
      if (control()) refresh({Prop::Value});
    });
  }

 protected:
  void refresh(const ui::PropertyChange& change) override {
    Binding::refresh(change);
    auto* w = static_cast<Widget*>(widget());
    if (change.prop == Prop::Caption) w->setText(model_.Caption());
    show(*w, model_, change.prop);
  }

 private:
  Model& model_;
};

class ComboBinding : public Binding {
 public:
  ComboBinding(ui::ComboBox& combo, QWidget* parent, FormWindow& window)
      : Binding(combo, new QComboBox(parent), window), combo_(combo) {
    auto* w = static_cast<QComboBox*>(widget());
    w->setEditable(combo.Style() != ui::ComboBox::DropdownList);
    // A choice the model refused leaves the widget showing the model.
    QObject::connect(w, &QComboBox::activated, this, [this](int index) {
      if (control()) fromOperator([&] { ui::op::choose(combo_, index); });
      if (!control()) return;
      refresh({Prop::ListIndex});
      refresh({Prop::Text});
    });
    if (w->lineEdit())
      QObject::connect(w->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        if (control()) fromOperator([&] { combo_.Text = text; });
      });
  }

 protected:
  void refresh(const ui::PropertyChange& change) override {
    Binding::refresh(change);
    auto* w = static_cast<QComboBox*>(widget());
    const QSignalBlocker quiet(w);
    switch (change.prop) {
      case Prop::List: {
        w->clear();
        for (int i = 0; i < combo_.ListCount(); ++i) w->addItem(combo_.List(i));
        w->setCurrentIndex(combo_.ListIndex());
        if (w->isEditable()) w->setEditText(combo_.Text());
        break;
      }
      case Prop::ListIndex: w->setCurrentIndex(combo_.ListIndex()); break;
      case Prop::Text:
        if (w->isEditable() && w->currentText() != combo_.Text()) w->setEditText(combo_.Text());
        break;
      default: break;
    }
  }

 private:
  ui::ComboBox& combo_;
};

class FrameBinding : public Binding {
 public:
  FrameBinding(ui::Frame& frame, QWidget* parent, FormWindow& window)
      : Binding(frame, new QGroupBox(parent), window), frame_(frame) {}

 protected:
  void refresh(const ui::PropertyChange& change) override {
    Binding::refresh(change);
    if (change.prop == Prop::Caption) static_cast<QGroupBox*>(widget())->setTitle(frame_.Caption());
  }

 private:
  ui::Frame& frame_;
};

// Image and PictureBox: a picture on a label (which can hold controls too).
template <class Model>
class PictureBinding : public Binding {
 public:
  PictureBinding(Model& model, QWidget* parent, FormWindow& window)
      : Binding(model, new QLabel(parent), window), model_(model) {}

 protected:
  void refresh(const ui::PropertyChange& change) override {
    Binding::refresh(change);
    auto* w = static_cast<QLabel*>(widget());
    if (change.prop == Prop::Picture)
      w->setPixmap(model_.Picture().isEmpty() ? QPixmap() : QPixmap(model_.Picture()));
    if constexpr (std::is_same_v<Model, ui::Image>)
      if (change.prop == Prop::Stretch) w->setScaledContents(model_.Stretch());
  }

 private:
  Model& model_;
};

class TimerBinding : public Binding {
 public:
  TimerBinding(ui::Timer& timer, FormWindow& window) : Binding(timer, nullptr, window), timer_(timer) {
    QObject::connect(&clock_, &QTimer::timeout, this, [this] {
      // A tick during a wait for another program might run a statement in
      // the middle of the one that waits.
      if (control() && !ui::WaitInCourse()) fromOperator([this] { timer_.Tick(); });
    });
  }

 protected:
  void refresh(const ui::PropertyChange& change) override {
    if (!control() || (change.prop != Prop::Interval && change.prop != Prop::Enabled)) return;
    if (timer_.Enabled() && timer_.Interval() > 0) clock_.start(timer_.Interval());
    else clock_.stop();
  }

 private:
  ui::Timer& timer_;
  QTimer clock_;
};

}  // namespace

Binding* bindControl(ui::Control& control, QWidget* parent, FormWindow& window) {
  Binding* b = nullptr;
  if (auto* label = dynamic_cast<ui::Label*>(&control)) b = new LabelBinding(*label, parent, window);
  else if (auto* box = dynamic_cast<ui::TextBox*>(&control))
    b = box->MultiLine() ? static_cast<Binding*>(new PlainTextBinding(*box, parent, window))
                         : new LineEditBinding(*box, parent, window);
  else if (auto* button = dynamic_cast<ui::CommandButton*>(&control))
    b = new ButtonBinding<ui::CommandButton, QPushButton>(*button, parent, window);
  else if (auto* check = dynamic_cast<ui::CheckBox*>(&control))
    b = new ButtonBinding<ui::CheckBox, QCheckBox>(*check, parent, window);
  else if (auto* option = dynamic_cast<ui::OptionButton*>(&control))
    b = new ButtonBinding<ui::OptionButton, QRadioButton>(*option, parent, window);
  else if (auto* combo = dynamic_cast<ui::ComboBox*>(&control)) b = new ComboBinding(*combo, parent, window);
  else if (auto* frame = dynamic_cast<ui::Frame*>(&control)) b = new FrameBinding(*frame, parent, window);
  else if (auto* image = dynamic_cast<ui::Image*>(&control)) b = new PictureBinding<ui::Image>(*image, parent, window);
  else if (auto* picture = dynamic_cast<ui::PictureBox*>(&control))
    b = new PictureBinding<ui::PictureBox>(*picture, parent, window);
  else if (auto* timer = dynamic_cast<ui::Timer*>(&control)) b = new TimerBinding(*timer, window);
  else if (auto* grid = dynamic_cast<ui::FlexGrid*>(&control)) b = bindFlexGrid(*grid, parent, window);
  else if (auto* toolbar = dynamic_cast<ui::Toolbar*>(&control)) b = bindToolbar(*toolbar, parent, window);
  else if (auto* status = dynamic_cast<ui::StatusBar*>(&control)) b = bindStatusBar(*status, parent, window);
  else if (auto* tabs = dynamic_cast<ui::TabControl*>(&control)) b = bindTabControl(*tabs, parent, window);
  else if (auto* scroll = dynamic_cast<ui::HScrollBar*>(&control)) b = bindScrollBar(*scroll, parent, window);
  else if (auto* list = dynamic_cast<ui::ListView*>(&control)) b = bindListView(*list, parent, window);
  else if (auto* tree = dynamic_cast<ui::TreeView*>(&control)) b = bindTreeView(*tree, parent, window);
  if (!b) return nullptr;
  if (b->widget()) b->widget()->setObjectName(control.Index() < 0 ? control.Name()
                                                                  : QStringLiteral("%1(%2)").arg(control.Name()).arg(control.Index()));
  b->refreshAll();
  return b;
}

void raiseOrLower(QWidget& widget, int stacking) {
  if (stacking > 0) widget.raise();
  if (stacking < 0) widget.lower();
}

void setLabelBuddy(Binding& label, QWidget* buddy) {
  if (auto* l = dynamic_cast<LabelBinding*>(&label)) l->setBuddy(buddy);
}

}  // namespace qt
