#pragma once
// A status bar: a row of panels numbered from 1, each showing a text, with
// an optional key. A status bar starts without panels; the form adds the
// ones it shows. A panel index out of range raises 35600 (index out of
// bounds), as every collection of the controls does; a key no panel has
// raises 35601.
//   ui::StatusBar StatB{*this, "StatB"};
//   StatB.Panels.Add(0, "Detalle").Width = 4000;
//   StatB.Panels(1).Text = "Artículo 12";
#include <QString>

#include "platform/ui/Collection.h"
#include "platform/ui/Control.h"

namespace ui {

class StatusBar;

class StatusBarPanel final : public PropertyOwner {
 public:
  // A panel this wide or more, in twips; the last one takes the rest of the bar.
  static constexpr int DefaultWidth = 1440;

  explicit StatusBarPanel(StatusBar& bar) : bar_(bar) {}

  int Index = 0;
  Property<QString> Key{this, Prop::Panels};
  Property<QString> Text{this, Prop::Panels};
  Property<int> Width{this, Prop::Panels, DefaultWidth};

  void propertyChanged(Prop prop) override;

 private:
  StatusBar& bar_;
};

class StatusBar : public Control {
 public:
  StatusBar(Component& container, QString name, int index = -1);

  class PanelList : public Collection<StatusBarPanel> {
   public:
    // Appended when `index` is 0, otherwise put at that place.
    StatusBarPanel& Add(int index = 0, const QString& key = QString(), const QString& text = QString());

   private:
    friend class StatusBar;
    explicit PanelList(StatusBar& bar) : Collection(bar, Prop::Panels), bar_(bar) {}
    StatusBar& bar_;
  };
  PanelList Panels{*this};
};

}  // namespace ui
