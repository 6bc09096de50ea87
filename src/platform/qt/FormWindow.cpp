#include "platform/qt/FormWindow.h"

#include <QCloseEvent>
#include <QIcon>
#include <QPixmap>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "platform/qt/Appearance.h"
#include "platform/qt/Bindings.h"
#include "platform/qt/FromOperator.h"
#include "platform/ui/Operator.h"

namespace qt {

namespace {
Qt::WindowFlags flagsOf(int borderStyle) {
  switch (borderStyle) {
    case 0: return Qt::Window | Qt::FramelessWindowHint;
    case 1: case 3: return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    case 4: case 5: return Qt::Tool;
    default: return Qt::Window;
  }
}

bool fixedSize(int borderStyle) { return borderStyle == 1 || borderStyle == 3 || borderStyle == 4; }
}  // namespace

FormWindow::FormWindow(ui::Form& form) : QWidget(nullptr, flagsOf(form.BorderStyle())), form_(&form) {
  setObjectName(form.Name());
  watchId_ = form.watch([this](const ui::PropertyChange& change) { refresh(change); });
  bindMissingControls();
  for (ui::Prop p : {ui::Prop::Caption, ui::Prop::Icon, ui::Prop::Geometry, ui::Prop::Font, ui::Prop::BackColor})
    refresh({p});
}

FormWindow::~FormWindow() {
  if (form_) form_->unwatch(watchId_);
  endModalLoop();
}

QWidget* FormWindow::widgetOf(const ui::Control& control) const {
  auto it = bindings_.find(&control);
  return it == bindings_.end() ? nullptr : it->second->widget();
}

Binding* FormWindow::bindingOf(const ui::Control& control) const {
  auto it = bindings_.find(&control);
  return it == bindings_.end() ? nullptr : it->second;
}

void FormWindow::present(bool modal) {
  if (modal != (windowModality() == Qt::ApplicationModal)) {
    if (isVisible()) hide();  // modality takes effect on the next show
    setWindowModality(modal ? Qt::ApplicationModal : Qt::NonModal);
  }
  show();
  raise();
  activateWindow();
  focusActiveControl();
}

bool FormWindow::shownByModel() const { return form_ && form_->Loaded() && form_->Visible(); }

void FormWindow::release() {
  if (form_) form_->unwatch(watchId_);
  form_ = nullptr;
  // Closed rather than hidden: when the last window goes, the program ends.
  close();
  endModalLoop();
}

void FormWindow::endModalLoop() {
  if (loop_) loop_->quit();
  loop_ = nullptr;
}

void FormWindow::focusActiveControl() {
  if (!form_) return;
  ui::Control* active = form_->ActiveControl();
  if (!active) active = form_->nextInTabOrder(nullptr);
  if (!active) return;
  if (form_->ActiveControl() != active) form_->moveFocus(*active);
  if (QWidget* w = widgetOf(*active); w && !w->hasFocus()) w->setFocus(Qt::OtherFocusReason);
}

void FormWindow::forget(const ui::Control& control) { bindings_.erase(&control); }

void FormWindow::closeEvent(QCloseEvent* event) {
  // The model decides: its Form_QueryUnload may refuse or only hide.
  event->ignore();
  if (form_ && form_->Loaded()) fromOperator([this] { ui::op::close(*form_); });
  if (!form_ || !form_->Loaded()) event->accept();  // unloaded: the window goes
}

void FormWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (!form_ || applyingGeometry_) return;
  // The size the operator gave, both sides: the model's answer to the first
  // (a form that keeps a smallest size) may resize the window before the
  // second is read.
  const QSize dado = size();
  fromOperator([this, dado] {
    if (dado.width() != pixelsX(form_->ScaleWidth())) form_->Width = twipsX(dado.width()) + form_->nonClientWidth();
    if (dado.height() != pixelsY(form_->ScaleHeight()))
      form_->Height = twipsY(dado.height()) + form_->nonClientHeight();
  });
}

void FormWindow::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (!form_ || applyingGeometry_ || !isVisible()) return;
  if (x() != pixelsX(form_->Left())) form_->Left = twipsX(x());
  if (y() != pixelsY(form_->Top())) form_->Top = twipsY(y());
}

void FormWindow::applyGeometry() {
  applyingGeometry_ = true;
  const QSize client(pixelsX(form_->ScaleWidth()), pixelsY(form_->ScaleHeight()));
  if (fixedSize(form_->BorderStyle())) setFixedSize(client);
  else resize(client);
  move(pixelsX(form_->Left()), pixelsY(form_->Top()));
  applyingGeometry_ = false;
}

void FormWindow::refresh(const ui::PropertyChange& change) {
  switch (change.prop) {
    case ui::Prop::Caption: setWindowTitle(form_->Caption()); break;
    case ui::Prop::Icon:
      setWindowIcon(form_->Icon().isEmpty() ? QIcon() : QIcon(QPixmap(form_->Icon())));
      break;
    case ui::Prop::Geometry: applyGeometry(); break;
    case ui::Prop::Font: setFont(qtFont(*form_)); break;
    case ui::Prop::BackColor:
      if (!ui::color::isSystem(form_->BackColor())) {
        QPalette p = palette();
        p.setColor(QPalette::Window, qtColor(form_->BackColor(), p));
        setPalette(p);
      }
      break;
    case ui::Prop::Visible:
      if (!form_->Visible()) {
        // An unloaded form's window closes, so that the last one to go
        // ends the program; a hidden form's window only hides.
        if (form_->Loaded()) hide();
        else close();
        endModalLoop();
      }
      break;
    case ui::Prop::Focus:
      if (isVisible()) focusActiveControl();
      break;
    case ui::Prop::Controls: bindMissingControls(); break;
    case ui::Prop::Destroyed: release(); break;
    default: break;
  }
}

// Controls are bound in declaration order, so a container's widget exists
// before the controls inside it.
void FormWindow::bindMissingControls() {
  for (ui::Control* c : form_->controls()) {
    if (bindings_.count(c)) continue;
    QWidget* parent = this;
    if (auto* container = dynamic_cast<ui::Control*>(&c->Container()))
      if (QWidget* w = widgetOf(*container)) parent = w;
    if (Binding* b = bindControl(*c, parent, *this)) bindings_[c] = b;
  }
  applyTabOrderAndBuddies();
  applyStacking();
}

// Requests to bring controls to the front or send them to the back made
// before their widgets existed, replayed in the order they were made.
void FormWindow::applyStacking() {
  std::vector<ui::Control*> asked;
  for (ui::Control* c : form_->controls())
    if (c->stacking() != 0) asked.push_back(c);
  std::sort(asked.begin(), asked.end(),
            [](const ui::Control* a, const ui::Control* b) { return std::abs(a->stacking()) < std::abs(b->stacking()); });
  for (ui::Control* c : asked)
    if (QWidget* w = widgetOf(*c)) raiseOrLower(*w, c->stacking());
}

// Tab moves through the controls by TabIndex; a label's access key goes to
// the first control after it (in declaration order) that takes the focus.
void FormWindow::applyTabOrderAndBuddies() {
  QWidget* previous = nullptr;
  for (ui::Control* c : form_->tabOrder()) {
    QWidget* w = c->takesFocus() ? widgetOf(*c) : nullptr;
    if (!w) continue;
    if (previous) setTabOrder(previous, w);
    previous = w;
  }
  const auto& all = form_->controls();
  for (std::size_t i = 0; i < all.size(); ++i) {
    auto it = bindings_.find(all[i]);
    if (it == bindings_.end()) continue;
    for (std::size_t j = i + 1; j < all.size(); ++j)
      if (all[j]->takesFocus()) {
        if (QWidget* buddy = widgetOf(*all[j])) setLabelBuddy(*it->second, buddy);
        break;
      }
  }
}

}  // namespace qt
