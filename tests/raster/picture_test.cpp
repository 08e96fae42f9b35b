#include "raster/picture.h"

#include <gtest/gtest.h>

#include "support/pixel_grid.h"

namespace pixmint::raster {
namespace {

using test::FromAscii;
using test::SamePicture;

// Pixels are stored blue, green, red, alpha and start transparent; reads
// outside give no colour, and writes, fills, copies and resizes clip.
TEST(PictureTest, BgraPixelsAndClippingOnEverySide) {
  Picture p(5, 2);
  EXPECT_EQ(p.Stride(), 20);
  EXPECT_FALSE(p.Opaque());
  p.SetPixel(1, 1, Rgb(10, 20, 30));
  const std::uint8_t* px = p.Row(1) + 4;
  EXPECT_TRUE(px[0] == 30 && px[1] == 20 && px[2] == 10 && px[3] == 255);
  EXPECT_EQ(p.Pixel(-1, 0), kInvalidColour);
  EXPECT_EQ(p.Pixel(5, 0), kInvalidColour);
  p.SetPixel(7, 7, Rgb(1, 1, 1));

  Picture q(4, 3, Rgb(255, 255, 255));
  q.FillRect({-5, 1, 2, 100}, Rgb(0, 0, 0));
  q.FillRect({-1000000, -1000000, -999999, -999999}, Rgb(255, 0, 0));
  EXPECT_TRUE(SamePicture(FromAscii({"....", "##..", "##.."}), q));
  const Picture src = FromAscii({"rg", "by"});
  Picture dst(3, 3, Rgb(255, 255, 255));
  dst.CopyFrom(src, src.Bounds(), {-1, 2});
  dst.CopyFrom(src, {-1, -1, 1, 1}, {1, 0});
  EXPECT_TRUE(SamePicture(FromAscii({"...", "..r", "g.."}), dst));
  Picture r = src;
  r.Resize(3, 1);
  EXPECT_TRUE(SamePicture(FromAscii({"rgt"}), r));
  r.Resize(-4, 2);
  EXPECT_TRUE(r.Empty());
}

}  // namespace
}  // namespace pixmint::raster
