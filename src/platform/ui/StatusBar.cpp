#include "platform/ui/StatusBar.h"

namespace ui {

void StatusBarPanel::propertyChanged(Prop) { bar_.propertyChanged(Prop::Panels); }

StatusBar::StatusBar(Component& container, QString name, int index) : Control(container, std::move(name), index) {}

StatusBarPanel& StatusBar::PanelList::Add(int index, const QString& key, const QString& text) {
  auto panel = std::make_unique<StatusBarPanel>(bar_);
  panel->Key.assign(key);
  panel->Text.assign(text);
  return place(index, std::move(panel));
}

}  // namespace ui
