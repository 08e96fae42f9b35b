#include "raster/grid.h"

#include <gtest/gtest.h>

#include "support/pixel_grid.h"

namespace pixmint::raster {
namespace {

using test::FromAscii;
using test::SamePicture;

const test::Legend kGridLegend = {{'.', Rgb(255, 255, 255)}, {'g', kGridColour}, {'#', Rgb(0, 0, 0)}};

TEST(DrawGridTest, AlternatePixelsOnTheFirstRowAndColumnOfEveryBlock) {
  Picture view(8, 7, Rgb(255, 255, 255));
  DrawGrid(view, 2, 2, 2);  // below zoom 3: nothing
  EXPECT_TRUE(SamePicture(Picture(8, 7, Rgb(255, 255, 255)), view));
  DrawGrid(view, 2, 2, 3);
  const Picture expected =
      FromAscii({"g.ggg...", "........", "g..g....", "g.g.g...", "g..g....", "........", "........"}, kGridLegend);
  EXPECT_TRUE(SamePicture(expected, view, kGridLegend));
}

TEST(DrawGridTest, ClippedDrawingGivesTheSamePixels) {
  Picture whole(40, 30, Rgb(255, 255, 255)), parts = whole;
  DrawGrid(whole, 9, 7, 4);
  DrawGrid(parts, 9, 7, 4, {0, 0, 13, 30});
  DrawGrid(parts, 9, 7, 4, {13, -5, 99, 11});
  DrawGrid(parts, 9, 7, 4, {13, 11, 40, 30});
  EXPECT_TRUE(SamePicture(whole, parts, kGridLegend));
}

TEST(HitTestFrameTest, CodesFollowTheTestOrder) {
  const Rect r{100, 100, 141, 180};  // odd width: the middle is 120.5
  struct Case {
    int x, y, code;
  } cases[] = {
      {100, 100, 5}, {96, 104, 5},  {100, 180, 6}, {141, 100, 7}, {144, 183, 8}, {120, 100, 1}, {125, 100, 1},
      {116, 100, 1}, {115, 100, 0}, {126, 104, 0}, {120, 180, 4}, {100, 140, 2}, {141, 136, 3}, {95, 120, 0},
      {94, 120, 9},  {145, 120, 0}, {146, 120, 9}, {120, 95, 0},  {120, 184, 4}, {120, 185, 9}, {120, 140, 0},
  };
  for (const Case& c : cases) EXPECT_EQ(static_cast<int>(HitTestFrame(r, c.x, c.y)), c.code) << c.x << "," << c.y;
}

}  // namespace
}  // namespace pixmint::raster
