#include <QLabel>
#include <QStatusBar>
#include <vector>

#include "platform/qt/Appearance.h"
#include "platform/qt/BarBindings.h"
#include "platform/qt/Bindings.h"
#include "platform/ui/StatusBar.h"

namespace qt {

namespace {

// One label per panel; a change of a panel's text (which the program makes
// at every move through a grid) only sets the labels' texts.
class StatusBarBinding : public Binding {
 public:
  StatusBarBinding(ui::StatusBar& bar, QWidget* parent, FormWindow& window)
      : Binding(bar, new QStatusBar(parent), window), bar_(bar) {
    static_cast<QStatusBar*>(widget())->setSizeGripEnabled(false);
  }

 protected:
  void refresh(const ui::PropertyChange& change) override {
    Binding::refresh(change);
    if (change.prop != ui::Prop::Panels) return;
    if (labels_.size() != static_cast<std::size_t>(bar_.Panels.Count())) remake();
    for (int i = 1; i <= bar_.Panels.Count(); ++i) {
      const ui::StatusBarPanel& panel = bar_.Panels(i);
      QLabel* label = labels_[static_cast<std::size_t>(i - 1)];
      label->setText(panel.Text());
      label->setMinimumWidth(pixelsX(panel.Width()));
    }
  }

 private:
  void remake() {
    auto* bar = static_cast<QStatusBar*>(widget());
    for (QLabel* label : labels_) {
      bar->removeWidget(label);
      label->deleteLater();
    }
    labels_.clear();
    for (int i = 1; i <= bar_.Panels.Count(); ++i) {
      auto* label = new QLabel(bar);
      label->setObjectName(QStringLiteral("%1.Panels(%2)").arg(bar_.Name()).arg(i));
      bar->addWidget(label, i == bar_.Panels.Count() ? 1 : 0);
      labels_.push_back(label);
    }
  }

  ui::StatusBar& bar_;
  std::vector<QLabel*> labels_;
};

}  // namespace

Binding* bindStatusBar(ui::StatusBar& bar, QWidget* parent, FormWindow& window) {
  return new StatusBarBinding(bar, parent, window);
}

}  // namespace qt
