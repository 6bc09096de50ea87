#pragma once
// A list of small pictures that list views and toolbars show by index or key.
// It has no window of its own. Images are numbered from 1; keys are compared
// without regard to case and are unique when given.
#include <QString>

#include "platform/ui/Collection.h"
#include "platform/ui/Control.h"

namespace ui {

struct ListImage {
  int Index = 0;
  QString Key;
  QString Tag;
  // A picture resource path or file, as Image.Picture takes.
  QString Picture;
};

class ImageList : public Control {
 public:
  ImageList(Component& container, QString name, int index = -1);

  Property<int> ImageWidth{this, Prop::Geometry, 16};
  Property<int> ImageHeight{this, Prop::Geometry, 16};

  class Images : public Collection<ListImage> {
   public:
    // Appended when `index` is 0; otherwise inserted at that 1-based place.
    // A repeated key raises 35602, an index beyond Count + 1 raises 35600.
    ListImage& Add(int index, const QString& key, const QString& picture, const QString& tag = QString());

   private:
    friend class ImageList;
    explicit Images(ImageList& owner) : Collection(owner, Prop::Picture) {}
  };
  Images ListImages{*this};
};

}  // namespace ui
