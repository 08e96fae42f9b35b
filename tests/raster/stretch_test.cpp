#include "raster/stretch.h"

#include <gtest/gtest.h>

#include <random>

#include "support/pixel_grid.h"
#include "support/random_picture.h"

namespace pixmint::raster {
namespace {

using test::SamePicture;

TEST(StretchCopyTest, IntegerEnlargementMakesExactBlocksAndZoomedAreasMatchIt) {
  std::mt19937 rng(2);
  const Picture src = test::RandomPicture(rng, 7, 6);
  for (int z = 1; z <= 9; ++z) {
    Picture whole(7 * z, 6 * z);
    StretchCopy(whole, whole.Bounds(), src, src.Bounds());
    for (int y = 0; y < 6 * z; ++y) {
      for (int x = 0; x < 7 * z; ++x) ASSERT_EQ(whole.Pixel(x, y), src.Pixel(x / z, y / z)) << z;
    }
    Picture parts(7 * z, 6 * z);
    ZoomCopy(parts, src, z, {0, 0, 7, 3});
    ZoomCopy(parts, src, z, {-3, 3, 4, 60});
    ZoomCopy(parts, src, z, {4, 3, 7, 6});
    EXPECT_TRUE(SamePicture(whole, parts)) << z;
  }
}

}  // namespace
}  // namespace pixmint::raster
