#include "raster/composite.h"

#include <gtest/gtest.h>

#include <random>

#include "random_picture.h"
#include "support/pixel_grid.h"

namespace pixmint::raster {
namespace {

using test::FromAscii;
using test::SamePicture;

TEST(BlendTest, IntegerRuleEqualsTheFloatingPointFormEverywhere) {
  for (int p = 1; p <= 99; ++p) {
    for (int a = 0; a < 256; ++a) {
      for (int b = 0; b < 256; ++b) {
        const long double f = a * p / 100.0L + b * (100 - p) / 100.0L;
        ASSERT_EQ(BlendByte(a, b, p), static_cast<int>(f)) << a << " over " << b << " at " << p;
      }
    }
  }
}

TEST(MergeLayerTest, BlendsPaintAndTakesTheBaseWhereUnpainted) {
  struct Case {
    Colour layer, base;
    int opacity;
    Colour expected;
  } cases[] = {
      {Rgb(255, 0, 10), Rgb(0, 255, 10), 50, Rgb(127, 127, 10)},
      {Rgb(255, 255, 255), Rgb(1, 2, 3), 50, Rgb(1, 2, 3)},   // unpainted
      {Rgb(255, 255, 255), Rgb(1, 2, 3), 100, Rgb(1, 2, 3)},  // unpainted at any opacity
      {Rgb(255, 0, 0), Rgb(0, 0, 0), 1, Rgb(2, 0, 0)},
      {Rgb(0, 0, 0), Rgb(255, 0, 0), 99, Rgb(2, 0, 0)},
      {Rgb(9, 9, 9), Rgb(200, 0, 0), 100, Rgb(9, 9, 9)},
      {Rgb(9, 9, 9), Rgb(200, 0, 0), 0, Rgb(9, 9, 9)},
      {Rgb(9, 9, 9), Rgb(200, 0, 0), -5, Rgb(9, 9, 9)},
  };
  for (const Case& c : cases) {
    Picture layer(1, 1, c.layer);
    MergeLayer(layer, Picture(1, 1, c.base), 1, 1, c.opacity);
    EXPECT_EQ(layer.Pixel(0, 0), c.expected) << c.layer << " on " << c.base << " at " << c.opacity;
  }
}

TEST(BlendChangedTest, OnlyChangedPixelsBlend) {
  const test::Legend legend = {{'.', Rgb(200, 100, 50)}, {'#', Rgb(0, 0, 0)}, {'b', Rgb(140, 70, 35)}};
  const Picture earlier = FromAscii({".....", ".....", "....."}, legend);
  for (const auto& [opacity, expected] : {std::pair{100, ".###."}, {30, ".bbb."}}) {
    Picture result = FromAscii({".....", ".###.", "....."}, legend);
    BlendChanged(result, earlier, 5, 3, opacity);
    EXPECT_TRUE(SamePicture(FromAscii({".....", expected, "....."}, legend), result, legend)) << opacity;
  }
}

TEST(PasteLayerTest, TransparentSourcePixelsAreSeeThroughEvenWhenNotGrey) {
  const MarkerColours saved = Markers();
  MarkerColours odd = saved;
  odd.trans = Rgb(10, 200, 30);
  SetMarkers(odd);
  Picture src(3, 1, odd.trans);
  src.SetPixel(1, 0, Rgb(100, 100, 100));
  src.SetPixel(2, 0, Rgb(30, 200, 10));  // the marker's bytes swapped: an ordinary colour
  Picture dst(3, 1, Rgb(0, 0, 0));
  PasteLayer(src, dst, 3, 1, 50);
  EXPECT_EQ(dst.Pixel(0, 0), Rgb(0, 0, 0));
  EXPECT_EQ(dst.Pixel(1, 0), Rgb(50, 50, 50));
  EXPECT_EQ(dst.Pixel(2, 0), Rgb(15, 100, 5));
  PasteLayer(src, dst, 3, 1, 0);
  EXPECT_EQ(dst.Pixel(1, 0), Rgb(100, 100, 100));
  SetMarkers(saved);
}

TEST(CompositeTest, SizesBeyondThePicturesAreClippedAndAreasMatchTheWhole) {
  std::mt19937 rng(5);
  const Picture base = test::RandomPicture(rng, 12, 10);
  const Picture paint = test::RandomPicture(rng, 12, 10, 3);
  Picture whole = paint, pieces = paint, small(4, 4, Rgb(1, 2, 3));
  MergeLayer(whole, base, 1000, 1000, 40);  // larger than both pictures: clipped
  MergeLayer(pieces, base, Rect{0, 0, 12, 4}, 40);
  MergeLayer(pieces, base, Rect{-5, 4, 50, 10}, 40);
  EXPECT_TRUE(SamePicture(whole, pieces));
  PasteLayer(paint, small, 12, 10, 100);
  BlendChanged(small, base, 12, 10, 50);
  EXPECT_EQ(small.Width(), 4);
}

}  // namespace
}  // namespace pixmint::raster
