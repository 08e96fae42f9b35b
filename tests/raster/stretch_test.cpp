#include "raster/stretch.h"

#include <gtest/gtest.h>

#include <random>

#include "random_picture.h"
#include "support/pixel_grid.h"

namespace pixmint::raster {
namespace {

using test::FromAscii;
using test::SamePicture;

TEST(StretchCopyTest, IntegerEnlargementMakesExactBlocks) {
  std::mt19937 rng(2);
  const Picture src = test::RandomPicture(rng, 5, 3);
  for (int z = 1; z <= 9; ++z) {
    Picture view(5 * z, 3 * z);
    StretchCopy(view, {0, 0, 5 * z, 3 * z}, src, src.Bounds());
    for (int y = 0; y < 3 * z; ++y) {
      for (int x = 0; x < 5 * z; ++x) ASSERT_EQ(view.Pixel(x, y), src.Pixel(x / z, y / z)) << z;
    }
  }
  Picture image(16, 16, Rgb(0, 0, 0)), view(128, 128);
  image.SetPixel(1, 0, Rgb(255, 0, 0));
  StretchCopy(view, {0, 0, 128, 128}, image, image.Bounds());
  EXPECT_EQ(view.Pixel(15, 7), Rgb(255, 0, 0));
}

TEST(StretchCopyTest, ShrinksWidensAndClips) {
  const Picture src = FromAscii({"rgby", "#..#"});
  Picture half(2, 1);
  StretchCopy(half, half.Bounds(), src, {0, 0, 4, 2});
  EXPECT_TRUE(SamePicture(FromAscii({".#"}), half));  // the source pixel under each centre
  Picture wide(8, 2);
  StretchCopy(wide, wide.Bounds(), src, src.Bounds());
  EXPECT_TRUE(SamePicture(FromAscii({"rrggbbyy", "##....##"}), wide));
  Picture same(4, 2);
  StretchCopy(same, same.Bounds(), src, src.Bounds());
  EXPECT_TRUE(SamePicture(src, same));
  Picture clipped(3, 2, Rgb(0, 0, 255));
  StretchCopy(clipped, {-2, 0, 6, 2}, src, src.Bounds());  // half off the left edge
  EXPECT_TRUE(SamePicture(FromAscii({"ggb", "..."}), clipped));
  StretchCopy(clipped, {-1000000, -1000000, 1000000, 1000000}, src, src.Bounds());
  StretchCopy(clipped, {0, 0, 3, 2}, src, {2, 0, 2, 2});  // empty source: nothing
}

TEST(ZoomCopyTest, AreaEqualsTheWholeEnlargementThere) {
  std::mt19937 rng(4);
  const Picture src = test::RandomPicture(rng, 7, 6);
  for (int zoom = 1; zoom <= 5; ++zoom) {
    Picture whole(7 * zoom, 6 * zoom);
    StretchCopy(whole, whole.Bounds(), src, src.Bounds());
    Picture parts(7 * zoom, 6 * zoom);
    ZoomCopy(parts, src, zoom, {0, 0, 7, 3});
    ZoomCopy(parts, src, zoom, {-3, 3, 4, 60});
    ZoomCopy(parts, src, zoom, {4, 3, 7, 6});
    EXPECT_TRUE(SamePicture(whole, parts)) << zoom;
  }
}

}  // namespace
}  // namespace pixmint::raster
