#include <gtest/gtest.h>

#include "SampleForm.h"
#include "platform/ui/ImageList.h"
#include "support/HostFixture.h"
#include "support/RuntimeErrors.h"

using testing_support::errorNumberOf;
using testing_support::HostFixture;

class ImageListTest : public HostFixture {
 protected:
  SampleForm form;
  ui::ImageList images{form, "ImageList1"};
};

TEST_F(ImageListTest, ImagesAreNumberedFromOneAndFoundByKeyWithoutRegardToCase) {
  images.ListImages.Add(0, "FC", ":/a.png", "FC");
  images.ListImages.Add(0, "Generico", ":/b.png", "Generico");
  images.ListImages.Add(1, "RM", ":/c.png");
  EXPECT_EQ(images.ListImages.Count(), 3);
  EXPECT_EQ(images.ListImages(1).Key, "RM");
  EXPECT_EQ(images.ListImages(3).Index, 3);
  EXPECT_EQ(images.ListImages.IndexOf("generico"), 3);
  EXPECT_EQ(images.ListImages.IndexOf("NP"), 0);
  EXPECT_EQ(images.ListImages("fc").Picture, ":/a.png");
  images.ListImages.Remove(1);
  EXPECT_EQ(images.ListImages.IndexOf("FC"), 1);
}

TEST_F(ImageListTest, BadIndexesAndKeysRaiseTheCollectionErrors) {
  images.ListImages.Add(0, "FC", ":/a.png");
  EXPECT_EQ(errorNumberOf([&] { images.ListImages.Add(0, "fc", ":/b.png"); }), rt::err::KeyNotUnique);
  EXPECT_EQ(errorNumberOf([&] { images.ListImages.Add(3, "", ":/b.png"); }), rt::err::IndexOutOfBounds);
  EXPECT_EQ(errorNumberOf([&] { images.ListImages(0); }), rt::err::IndexOutOfBounds);
  EXPECT_EQ(errorNumberOf([&] { images.ListImages(2); }), rt::err::IndexOutOfBounds);
  EXPECT_EQ(errorNumberOf([&] { images.ListImages("NP"); }), rt::err::ElementNotFound);
  EXPECT_EQ(errorNumberOf([&] { images.ListImages.Add(0, "", ":/b.png"); }), 0) << "keys are optional";
}
