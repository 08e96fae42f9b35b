// Pictures between the core and Qt: canvas wrapping, clipboard copies and the
// classic mask-and-colour drawing of list thumbnails.
#include <gtest/gtest.h>

#include "app/icon_drawing.h"
#include "app/picture_image.h"
#include "document/kv_icon.h"
#include "editor/editor_state.h"

namespace pixmint::app {
namespace {

// Rows with their padding (width 5 gives 15 bytes a row padded to 16: a
// wrong stride shears the picture), channel order, and alpha whatever format
// Qt hands over from the clipboard.
TEST(PictureImage, WrapsRowsWithTheirPaddingAndKeepsChannelsAndAlpha) {
  for (int width : {1, 2, 3, 5, 7}) {
    raster::Picture picture(width, 3, raster::Rgb(1, 2, 3));
    picture.SetPixel(width - 1, 2, raster::Rgb(200, 100, 50), 128);
    const QImage image = WrapPicture(picture);
    EXPECT_EQ(image.pixelColor(0, 1), QColor(1, 2, 3)) << width;
    EXPECT_EQ(ImageToPicture(PictureToImage(picture)), picture) << width;
    const raster::Picture back = ImageToPicture(image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    EXPECT_EQ(back.Alpha(width - 1, 2), 128) << width;
    EXPECT_NEAR(raster::Red(back.Pixel(width - 1, 2)), 200, 1) << width;
  }
  EXPECT_TRUE(ImageToPicture(QImage()).Empty());
}

// Thumbnails: the mask and then the colour over the background, and a large
// image shrunk whole (its right edge is there).
TEST(IconDrawing, MaskAndThenXorOverTheBackgroundAndLargeImagesShrunkWhole) {
  document::TKvIcon icon;
  ASSERT_TRUE(icon.AddImage(4, 1, 24));
  // opaque red; transparent (black under mask); inverting (white under
  // mask); opaque white.
  const raster::Colour colours[] = {raster::Rgb(255, 0, 0), 0, raster::Rgb(255, 255, 255), raster::Rgb(255, 255, 255)};
  for (int x = 0; x < 4; ++x) {
    icon.XorBitmap(0)->SetPixel(x, 0, colours[x]);
    icon.AndBitmap(0)->Set(x, 0, x == 1 || x == 2);
  }
  const QImage drawn = IconOverBackground(icon, 0, QColor(0x30, 0x60, 0x90), 48, 48);
  ASSERT_EQ(drawn.size(), QSize(4, 1));
  const QColor expected[] = {QColor(255, 0, 0), QColor(0x30, 0x60, 0x90), QColor(0xCF, 0x9F, 0x6F), Qt::white};
  for (int x = 0; x < 4; ++x) EXPECT_EQ(drawn.pixelColor(x, 0), expected[x]) << x;
  EXPECT_TRUE(IconOverBackground(icon, 1, Qt::white, 48, 48).isNull());

  ASSERT_TRUE(icon.AddImage(256, 128, 32));
  for (int y = 0; y < 128; ++y) {
    for (int x = 192; x < 256; ++x) icon.XorBitmap(1)->SetRaw(x, y, 0xFFFF0000u);  // opaque red, as BGRA
  }
  const QImage shown = IconOverBackground(icon, 1, Qt::white, 48, 48);
  EXPECT_EQ(shown.size(), QSize(48, 24));
  EXPECT_EQ(shown.pixelColor(46, 12), QColor(Qt::red));
  EXPECT_EQ(shown.pixelColor(10, 12), QColor(Qt::white));
}

}  // namespace
}  // namespace pixmint::app
