#include "platform/ui/Toolbar.h"

#include "platform/ui/ImageList.h"

namespace ui {

namespace {
// The image's index in `images`; 0 when it names none the list has.
int indexIn(const ImageList& images, const ImageRef& image) {
  if (!image.key.isEmpty()) return images.ListImages.IndexOf(image.key);
  return image.index >= 1 && image.index <= images.ListImages.Count() ? image.index : 0;
}
}  // namespace

ToolbarButton::ToolbarButton(Toolbar& toolbar)
    : Image(this, Prop::Buttons, ImageRef(), checkImage), toolbar_(toolbar) {}

void ToolbarButton::checkImage(const PropertyOwner& owner, const ImageRef& image) {
  const ImageList* images = static_cast<const ToolbarButton&>(owner).toolbar_.ImageList();
  if (!images || image == ImageRef() || indexIn(*images, image) != 0) return;
  rt::raise(image.key.isEmpty() ? rt::err::IndexOutOfBounds : rt::err::ElementNotFound);
}

QString ToolbarButton::picture() const {
  const ImageList* images = toolbar_.ImageList();
  const int index = images ? indexIn(*images, Image()) : 0;
  return index == 0 ? QString() : images->ListImages(index).Picture;
}

void ToolbarButton::propertyChanged(Prop) { toolbar_.propertyChanged(Prop::Buttons); }

Toolbar::Toolbar(Component& container, QString name, int index) : Control(container, std::move(name), index) {}

ToolbarButton& Toolbar::ButtonList::Add(int index, const QString& key, const QString& caption, const ImageRef& image) {
  auto button = std::make_unique<ToolbarButton>(toolbar_);
  button->Key.assign(key);
  button->Caption.assign(caption);
  button->Image = image;
  return place(index, std::move(button));
}

}  // namespace ui
