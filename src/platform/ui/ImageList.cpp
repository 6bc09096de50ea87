#include "platform/ui/ImageList.h"

namespace ui {

ImageList::ImageList(Component& container, QString name, int index) : Control(container, std::move(name), index) {}

ListImage& ImageList::Images::Add(int index, const QString& key, const QString& picture, const QString& tag) {
  return place(index, std::make_unique<ListImage>(ListImage{0, key, tag, picture}));
}

}  // namespace ui
