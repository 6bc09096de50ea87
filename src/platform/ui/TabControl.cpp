#include "platform/ui/TabControl.h"

#include "platform/runtime/Error.h"

namespace ui {

namespace {
QString defaultCaption(std::size_t tab) { return QStringLiteral("Tab %1").arg(tab); }
}  // namespace

TabControl::TabControl(Component& container, QString name, int index) : Control(container, std::move(name), index) {
  setTabs(3);
}

const TabControl::TabData& TabControl::at(int tab) const {
  if (tab < 0 || tab >= Tabs()) rt::raise(rt::err::InvalidPropertyArrayIndex);
  return tabs_[static_cast<std::size_t>(tab)];
}

void TabControl::setTabs(int count) {
  if (count < 1) rt::raise(rt::err::InvalidPropertyValue);
  const auto n = static_cast<std::size_t>(count);
  tabs_.resize(n);
  for (std::size_t t = 0; t < n; ++t)
    if (tabs_[t].caption.isEmpty()) tabs_[t].caption = defaultCaption(t);
  propertyChanged(Prop::Tabs);
  if (tab_ >= count) choose(count - 1);
}

void TabControl::setTab(int tab) {
  if (tab < 0 || tab >= Tabs()) rt::raise(rt::err::InvalidPropertyValue);
  choose(tab);
}

void TabControl::choose(int tab) {
  if (tab == tab_) return;
  tab_ = tab;
  propertyChanged(Prop::Value);
  Click();
}

QString TabControl::TabCaption(int tab) const { return at(tab).caption; }

void TabControl::setTabCaption(int tab, const QString& caption) {
  at(tab).caption = caption;
  propertyChanged(Prop::Tabs);
}

bool TabControl::TabVisible(int tab) const { return at(tab).visible; }

void TabControl::setTabVisible(int tab, bool visible) {
  at(tab).visible = visible;
  propertyChanged(Prop::Tabs);
  if (visible || tab != tab_) return;
  for (int t = tab + 1; t < Tabs(); ++t)
    if (TabVisible(t)) return choose(t);
  for (int t = tab - 1; t >= 0; --t)
    if (TabVisible(t)) return choose(t);
}

}  // namespace ui
