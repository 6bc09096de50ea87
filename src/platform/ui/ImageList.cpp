#include "platform/ui/ImageList.h"

#include "platform/runtime/Error.h"
#include "platform/runtime/Text.h"

namespace ui {

ImageList::ImageList(Component& container, QString name, int index) : Control(container, std::move(name), index) {}

ListImage& ImageList::Images::Add(int index, const QString& key, const QString& picture, const QString& tag) {
  if (index < 0 || index > Count() + 1) rt::raise(rt::err::IndexOutOfBounds);
  if (!key.isEmpty() && IndexOf(key) != 0) rt::raise(rt::err::KeyNotUnique);
  const auto at = index == 0 ? images_.end() : images_.begin() + (index - 1);
  auto it = images_.insert(at, ListImage{0, key, tag, picture});
  renumber();
  owner_.propertyChanged(Prop::Picture);
  return *it;
}

ListImage& ImageList::Images::operator()(int index) {
  if (index < 1 || index > Count()) rt::raise(rt::err::IndexOutOfBounds);
  return images_[index - 1];
}

const ListImage& ImageList::Images::operator()(int index) const {
  if (index < 1 || index > Count()) rt::raise(rt::err::IndexOutOfBounds);
  return images_[index - 1];
}

ListImage& ImageList::Images::operator()(const QString& key) {
  const int i = IndexOf(key);
  if (i == 0) rt::raise(rt::err::ElementNotFound);
  return images_[i - 1];
}

int ImageList::Images::IndexOf(const QString& key) const {
  if (key.isEmpty()) return 0;
  for (const ListImage& image : images_)
    if (rt::EqualsText(image.Key, key)) return image.Index;
  return 0;
}

void ImageList::Images::Remove(int index) {
  (void)(*this)(index);
  images_.erase(images_.begin() + (index - 1));
  renumber();
  owner_.propertyChanged(Prop::Picture);
}

void ImageList::Images::Clear() {
  images_.clear();
  owner_.propertyChanged(Prop::Picture);
}

void ImageList::Images::renumber() {
  for (size_t i = 0; i < images_.size(); ++i) images_[i].Index = static_cast<int>(i) + 1;
}

}  // namespace ui
