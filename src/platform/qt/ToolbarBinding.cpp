#include <QAction>
#include <QIcon>
#include <QToolBar>
#include <vector>

#include "platform/qt/BarBindings.h"
#include "platform/qt/Bindings.h"
#include "platform/qt/FromOperator.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/Operator.h"
#include "platform/ui/Toolbar.h"

namespace qt {

namespace {

// One action per button, made again when buttons come or go, brought up to
// the buttons whenever one changes (a click's handler may disable its own
// button, so old actions are let go only once the click is over).
class ToolbarBinding : public Binding {
 public:
  ToolbarBinding(ui::Toolbar& toolbar, QWidget* parent, FormWindow& window)
      : Binding(toolbar, new QToolBar(parent), window), toolbar_(toolbar) {
    auto* bar = static_cast<QToolBar*>(widget());
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setFocusPolicy(Qt::NoFocus);
  }

 protected:
  void refresh(const ui::PropertyChange& change) override {
    Binding::refresh(change);
    if (change.prop != ui::Prop::Buttons) return;
    if (actions_.size() != static_cast<std::size_t>(toolbar_.Buttons.Count())) remake();
    showButtons();
  }

 private:
  void remake() {
    auto* bar = static_cast<QToolBar*>(widget());
    for (QAction* action : actions_) {
      bar->removeAction(action);
      action->deleteLater();
    }
    actions_.clear();
    for (int i = 1; i <= toolbar_.Buttons.Count(); ++i) {
      QAction* action = bar->addAction(QString());
      if (QWidget* tool = bar->widgetForAction(action)) {
        tool->setFocusPolicy(Qt::NoFocus);
        tool->setObjectName(QStringLiteral("%1.Buttons(%2)").arg(toolbar_.Name()).arg(i));
      }
      QObject::connect(action, &QAction::triggered, this, [this, i] {
        if (control()) fromOperator([&] { ui::op::clickButton(toolbar_, i); });
      });
      actions_.push_back(action);
    }
  }

  void showButtons() {
    auto* bar = static_cast<QToolBar*>(widget());
    if (const ui::ImageList* images = toolbar_.ImageList())
      bar->setIconSize(QSize(images->ImageWidth(), images->ImageHeight()));
    bool captionsWithPictures = false;
    for (int i = 1; i <= toolbar_.Buttons.Count(); ++i) {
      const ui::ToolbarButton& button = toolbar_.Buttons(i);
      QAction* action = actions_[static_cast<std::size_t>(i - 1)];
      const QString picture = button.picture();
      action->setIcon(picture.isEmpty() ? QIcon() : QIcon(picture));
      action->setText(button.Caption());
      action->setToolTip(button.ToolTipText().isEmpty() ? button.Caption() : button.ToolTipText());
      action->setEnabled(button.Enabled());
      action->setVisible(button.Visible());
      captionsWithPictures |= !button.Caption().isEmpty() && !picture.isEmpty();
    }
    bar->setToolButtonStyle(captionsWithPictures ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
  }

  ui::Toolbar& toolbar_;
  std::vector<QAction*> actions_;
};

}  // namespace

Binding* bindToolbar(ui::Toolbar& toolbar, QWidget* parent, FormWindow& window) {
  return new ToolbarBinding(toolbar, parent, window);
}

}  // namespace qt
