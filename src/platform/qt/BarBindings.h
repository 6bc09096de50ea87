#pragma once
// The bars and the tab row on screen. A toolbar is a tool bar of actions
// whose buttons never take the focus, with the pictures of its image list;
// a status bar shows its panels side by side, the last one taking the rest
// of the width; the tab control is a tab bar; the scroll bar a scroll bar
// whose arrows and track step by SmallChange and LargeChange. What the
// operator does reaches the models through ui::op.
#include <QWidget>

namespace ui {
class HScrollBar;
class StatusBar;
class TabControl;
class Toolbar;
}  // namespace ui

namespace qt {

class Binding;
class FormWindow;

Binding* bindToolbar(ui::Toolbar& toolbar, QWidget* parent, FormWindow& window);
Binding* bindStatusBar(ui::StatusBar& bar, QWidget* parent, FormWindow& window);
Binding* bindTabControl(ui::TabControl& tabs, QWidget* parent, FormWindow& window);
Binding* bindScrollBar(ui::HScrollBar& bar, QWidget* parent, FormWindow& window);

}  // namespace qt
