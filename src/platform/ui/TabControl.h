#pragma once
// A row of tabs, numbered from 0, one of them chosen. It holds no controls
// of its own: the form shows what belongs to the chosen tab in its Click
// handler, raised whenever the chosen tab changes, from code as from the
// operator. A tab number out of range raises 381 for TabCaption and
// TabVisible, and Tab refuses it with 380.
#include <QString>
#include <vector>

#include "platform/ui/Control.h"

namespace ui {

class TabControl : public Control {
 public:
  // Three tabs captioned "Tab 0", "Tab 1" and "Tab 2", the first chosen.
  TabControl(Component& container, QString name, int index = -1);

  int Tabs() const { return static_cast<int>(tabs_.size()); }
  // Fewer drops the last tabs, more adds tabs captioned "Tab n"; at least one.
  void setTabs(int count);
  int Tab() const { return tab_; }
  void setTab(int tab);
  QString TabCaption(int tab) const;
  void setTabCaption(int tab, const QString& caption);
  // Hiding the chosen tab chooses the next shown one (or the one before).
  bool TabVisible(int tab) const;
  void setTabVisible(int tab, bool visible);

  bool takesFocus() const override { return true; }

 private:
  struct TabData {
    QString caption;
    bool visible = true;
  };
  const TabData& at(int tab) const;
  TabData& at(int tab) { return const_cast<TabData&>(static_cast<const TabControl&>(*this).at(tab)); }
  void choose(int tab);

  std::vector<TabData> tabs_;
  int tab_ = 0;
};

}  // namespace ui
