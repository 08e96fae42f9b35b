#include "raster/transform.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "random_picture.h"
#include "support/pixel_grid.h"

namespace pixmint::raster {
namespace {

using test::FromAscii;
using test::SamePicture;

TEST(TransformTest, QuarterTurnsMoveCornersAsDescribed) {
  Picture p = FromAscii({"rgb", "y.#"});
  Rotate90(p);
  EXPECT_TRUE(SamePicture(FromAscii({"yr", ".g", "#b"}), p));
  Picture q = FromAscii({"rgb", "y.#"});
  Rotate270(q);
  EXPECT_TRUE(SamePicture(FromAscii({"b#", "g.", "ry"}), q));
}

TEST(TransformTest, TurnsAndFlipsComposeToIdentity) {
  std::mt19937 rng(7);
  for (const auto& [w, h] : {std::pair{1, 1}, {1, 5}, {4, 3}, {7, 8}, {16, 16}}) {
    const Picture original = test::RandomPicture(rng, w, h);
    Picture p = original;
    for (int i = 0; i < 4; ++i) Rotate90(p);
    EXPECT_TRUE(SamePicture(original, p));
    Rotate90(p);
    Rotate270(p);
    FlipHorizontal(p);
    FlipHorizontal(p);
    FlipVertical(p);
    FlipVertical(p);
    EXPECT_TRUE(SamePicture(original, p));
    Picture flipped = original;
    FlipHorizontal(flipped);
    FlipVertical(flipped);
    Rotate180(p);
    EXPECT_TRUE(SamePicture(flipped, p));
  }
}

TEST(RotateByTest, RightAnglesAreTheFixedTurnsAndOtherAnglesReduce) {
  std::mt19937 rng(8);
  const Picture original = test::RandomPicture(rng, 6, 4);
  const auto turned = [&](int degrees) {
    Picture p = original;
    RotateBy(p, degrees);
    return p;
  };
  Picture r90 = original, r180 = original, r270 = original;
  Rotate90(r90);
  Rotate180(r180);
  Rotate270(r270);
  EXPECT_TRUE(SamePicture(r90, turned(90)));
  EXPECT_TRUE(SamePicture(r180, turned(180)));
  EXPECT_TRUE(SamePicture(r270, turned(270)));
  for (const int nothing : {0, 360, 400, -5}) EXPECT_TRUE(SamePicture(original, turned(nothing)));
  Picture r100 = r90;
  RotateBy(r100, 10);
  EXPECT_TRUE(SamePicture(r100, turned(100)));
}

TEST(RotateByTest, FortyFiveDegreesGrowsThePictureWithTransparentCorners) {
  Picture p(32, 32, Rgb(0, 0, 255));
  RotateBy(p, 45);
  const float theta = static_cast<float>(45 / 57.325);
  const double c = static_cast<float>(std::cos(double{theta})), s = static_cast<float>(std::sin(double{theta}));
  const int minX = std::min(0, static_cast<int>(-32 * s));
  const int maxX = std::max({static_cast<int>(-32 * s), static_cast<int>(32 * c - 32 * s), static_cast<int>(32 * c)});
  const int maxY = std::max({static_cast<int>(32 * c), static_cast<int>(32 * c + 32 * s), static_cast<int>(32 * s)});
  EXPECT_EQ(p.Width(), maxX - minX);
  EXPECT_EQ(p.Height(), maxY);
  const Colour trans = Markers().trans;
  for (const Point corner :
       {Point{0, 0}, Point{p.Width() - 1, 0}, Point{0, p.Height() - 1}, Point{p.Width() - 1, p.Height() - 1}}) {
    EXPECT_EQ(p.Pixel(corner.x, corner.y), trans);
  }
  EXPECT_EQ(p.Pixel(p.Width() / 2, p.Height() / 2), Rgb(0, 0, 255));
}

TEST(RotateByTest, TinyPictureKeepsAPixel) {
  Picture p(1, 1, Rgb(1, 2, 3));
  RotateBy(p, 45);
  EXPECT_TRUE(SamePicture(Picture(1, 1, Rgb(1, 2, 3)), p));
}

}  // namespace
}  // namespace pixmint::raster
