#pragma once
// A toolbar: a row of buttons numbered from 1, each with an optional key, a
// caption, a tool tip and a picture of the toolbar's image list. A click on
// an enabled, visible button raises ButtonClick with that button. The
// toolbar never takes the focus: the control the operator was working in
// keeps it, and no Validate or LostFocus runs for a button click.
//   ui::Toolbar Toolbar1{*this, "Toolbar1"};
//   Toolbar1.ImageList = &ImageList1;
//   Toolbar1.Buttons.Add(0, "Llenar", "", 1).ToolTipText = "...";
//   Toolbar1.ButtonClick = [this](ui::ToolbarButton& Button) { Toolbar1_ButtonClick(Button); };
#include <QString>

#include "platform/ui/Collection.h"
#include "platform/ui/Control.h"

namespace ui {

class ImageList;
class Toolbar;

// A picture of an image list named by its index (from 1) or by its key;
// neither is no picture.
struct ImageRef {
  ImageRef() = default;
  ImageRef(int index) : index(index) {}
  ImageRef(QString key) : key(std::move(key)) {}
  ImageRef(const char* key) : key(QString::fromUtf8(key)) {}
  bool operator==(const ImageRef&) const = default;

  int index = 0;
  QString key;
};

class ToolbarButton final : public PropertyOwner {
 public:
  explicit ToolbarButton(Toolbar& toolbar);

  int Index = 0;
  Property<QString> Key{this, Prop::Buttons};
  Property<QString> Caption{this, Prop::Buttons};
  Property<QString> ToolTipText{this, Prop::Buttons};
  // With an image list on the toolbar, a picture it lacks raises 35600
  // (an index) or 35601 (a key).
  Property<ImageRef> Image;
  Property<bool> Enabled{this, Prop::Buttons, true};
  Property<bool> Visible{this, Prop::Buttons, true};

  Toolbar& toolbar() const { return toolbar_; }
  // The picture resource of Image in the toolbar's image list; empty for
  // none.
  QString picture() const;

  void propertyChanged(Prop prop) override;

 private:
  static void checkImage(const PropertyOwner& owner, const ImageRef& image);
  Toolbar& toolbar_;
};

class Toolbar : public Control {
 public:
  Toolbar(Component& container, QString name, int index = -1);

  // Where the buttons' pictures come from; none shows captions only.
  Property<ui::ImageList*> ImageList{this, Prop::Buttons, nullptr};

  class ButtonList : public Collection<ToolbarButton> {
   public:
    // Appended when `index` is 0, otherwise put at that place; errors as
    // the collection and the button's Image raise them.
    ToolbarButton& Add(int index = 0, const QString& key = QString(), const QString& caption = QString(),
                       const ImageRef& image = ImageRef());

   private:
    friend class Toolbar;
    explicit ButtonList(Toolbar& toolbar) : Collection(toolbar, Prop::Buttons), toolbar_(toolbar) {}
    Toolbar& toolbar_;
  };
  ButtonList Buttons{*this};

  Event<ToolbarButton&> ButtonClick;
};

}  // namespace ui
