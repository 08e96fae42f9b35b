#include "raster/transform.h"

#include <gtest/gtest.h>

#include <random>

#include "support/pixel_grid.h"
#include "support/random_picture.h"

namespace pixmint::raster {
namespace {

using test::FromAscii;
using test::SamePicture;

Picture Turned(Picture p, void (*turn)(Picture&), int times = 1) {
  for (int i = 0; i < times; ++i) turn(p);
  return p;
}

TEST(TransformTest, QuarterTurnsMoveCornersAndTurnsAndFlipsCompose) {
  const Picture corners = FromAscii({"rgb", "y.#"});
  EXPECT_TRUE(SamePicture(FromAscii({"yr", ".g", "#b"}), Turned(corners, Rotate90)));
  EXPECT_TRUE(SamePicture(FromAscii({"b#", "g.", "ry"}), Turned(corners, Rotate270)));
  std::mt19937 rng(7);
  for (const auto& [w, h] : {std::pair{1, 1}, {1, 5}, {4, 3}, {7, 8}, {16, 16}}) {
    const Picture original = test::RandomPicture(rng, w, h);
    EXPECT_TRUE(SamePicture(original, Turned(original, Rotate90, 4))) << w << "x" << h;
    EXPECT_TRUE(SamePicture(original, Turned(Turned(original, Rotate90), Rotate270))) << w << "x" << h;
    EXPECT_TRUE(SamePicture(original, Turned(original, FlipHorizontal, 2))) << w << "x" << h;
    EXPECT_TRUE(SamePicture(original, Turned(original, FlipVertical, 2))) << w << "x" << h;
    EXPECT_TRUE(SamePicture(Turned(Turned(original, FlipHorizontal), FlipVertical), Turned(original, Rotate180)))
        << w << "x" << h;
  }
}

TEST(RotateByTest, FortyFiveDegreesGrowsThePictureWithTransparentCorners) {
  Picture p(32, 32, Rgb(0, 0, 255));
  RotateBy(p, 45);
  // The bounding box of a turned 32 x 32 square is about 32 * sqrt(2) wide.
  EXPECT_NEAR(p.Width(), 45, 1);
  EXPECT_NEAR(p.Height(), 45, 1);
  const int r = p.Width() - 1, b = p.Height() - 1;
  for (const Point c : {Point{0, 0}, Point{r, 0}, Point{0, b}, Point{r, b}}) EXPECT_EQ(p.Alpha(c.x, c.y), 0);
  EXPECT_EQ(p.Pixel(p.Width() / 2, p.Height() / 2), Rgb(0, 0, 255));
  Picture tiny(1, 1, Rgb(1, 2, 3));
  RotateBy(tiny, 45);
  EXPECT_TRUE(SamePicture(Picture(1, 1, Rgb(1, 2, 3)), tiny));
}

}  // namespace
}  // namespace pixmint::raster
