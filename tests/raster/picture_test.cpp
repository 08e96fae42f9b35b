#include "raster/picture.h"

#include <gtest/gtest.h>

#include "support/pixel_grid.h"

namespace pixmint::raster {
namespace {

using test::FromAscii;
using test::SamePicture;

TEST(PictureTest, PixelsAreBgraAndStartTransparent) {
  Picture p(5, 2);
  EXPECT_EQ(p.Stride(), 20);
  EXPECT_EQ(p.Alpha(4, 1), 0);
  EXPECT_FALSE(p.Opaque());
  p.SetPixel(1, 1, Rgb(10, 20, 30));
  const std::uint8_t* px = p.Row(1) + 4;
  EXPECT_TRUE(px[0] == 30 && px[1] == 20 && px[2] == 10 && px[3] == 255);
  EXPECT_EQ(p.Pixel(1, 1), Rgb(10, 20, 30));
  EXPECT_TRUE(Picture(2, 2, Rgb(1, 1, 1)).Opaque());
  EXPECT_EQ(p.Pixel(-1, 0), kInvalidColour);
  EXPECT_EQ(p.Pixel(5, 0), kInvalidColour);
  p.SetPixel(7, 7, Rgb(1, 1, 1));  // clipped, no effect
}

TEST(PictureTest, ResizeKeepsTopLeftAndClearsTheRest) {
  Picture p = FromAscii({"rg", "by"});
  p.Resize(3, 1);
  EXPECT_TRUE(SamePicture(FromAscii({"rgt"}), p));
  p.Resize(-4, 2);
  EXPECT_EQ(p.Width(), 0);
  EXPECT_TRUE(p.Empty());
}

TEST(PictureTest, FillRectAndCopyClipOnEverySide) {
  Picture p(4, 3, Rgb(255, 255, 255));
  p.FillRect({-5, 1, 2, 100}, Rgb(0, 0, 0));
  p.FillRect({-1000000, -1000000, -999999, -999999}, Rgb(255, 0, 0));
  EXPECT_TRUE(SamePicture(FromAscii({"....", "##..", "##.."}), p));

  const Picture src = FromAscii({"rg", "by"});
  Picture dst(3, 3, Rgb(255, 255, 255));
  dst.CopyFrom(src, src.Bounds(), {-1, 2});
  EXPECT_TRUE(SamePicture(FromAscii({"...", "...", "g.."}), dst));
  dst.CopyFrom(src, {-1, -1, 1, 1}, {1, 0});
  EXPECT_TRUE(SamePicture(FromAscii({"...", "..r", "g.."}), dst));
}

}  // namespace
}  // namespace pixmint::raster
