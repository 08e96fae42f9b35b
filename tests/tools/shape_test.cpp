#include <gtest/gtest.h>

#include "support/pixel_grid.h"
#include "tools/shape_tools.h"
#include "tools/tool_rig.h"

namespace pixmint::tools::test {
namespace {

using pixmint::test::FromAscii;
using pixmint::test::SamePicture;
using raster::Point;
using raster::Rgb;

constexpr raster::Colour kBlack = Rgb(0, 0, 0);

struct StrokeCase {
  const char* name;
  ShiftState shift;
  std::vector<Point> points;
  std::vector<std::string> expected;
};

TEST(Line, PaintsBothEndsClipsAndIgnoresKeys) {
  const StrokeCase cases[] = {
      {"plain", ShiftState::kNone, {{1, 1}, {3, 2}, {4, 1}}, {"......", ".####.", "......"}},
      {"shift", ShiftState::kShift, {{1, 1}, {3, 2}, {4, 1}}, {"......", ".####.", "......"}},
      {"alt", ShiftState::kAlt, {{1, 1}, {3, 2}, {4, 1}}, {"......", ".####.", "......"}},
      {"click", ShiftState::kNone, {{1, 1}}, {"......", ".#....", "......"}},
      {"clipped", ShiftState::kNone, {{1, 0}, {-50, 0}}, {"##....", "......", "......"}},
  };
  for (const StrokeCase& c : cases) {
    Rig rig(6, 3, 2);
    auto line = rig.Tool<TKvLine>(100, Pen(kBlack));
    Stroke(*line, c.points, c.shift);
    EXPECT_TRUE(SamePicture(FromAscii(c.expected), rig.work)) << c.name;
  }
}

TEST(Rectangle, ShiftMakesSquaresAndAltCentresOnThePress) {
  const StrokeCase cases[] = {
      {"plain",
       ShiftState::kNone,
       {{1, 1}, {4, 4}},
       {"........", ".###....", ".#.#....", ".###....", "........", "........"}},
      // Shift toward the lower left: d = 3 to the left and 3 down.
      {"shift",
       ShiftState::kShift,
       {{5, 1}, {2, 2}},
       {"........", "..###...", "..#.#...", "..###...", "........", "........"}},
      {"alt",
       ShiftState::kAlt,
       {{3, 2}, {5, 4}},
       {".####...", ".#..#...", ".#..#...", ".####...", "........", "........"}},
      {"shift+alt",
       ShiftState::kShift | ShiftState::kAlt,
       {{3, 3}, {5, 1}},
       {"........", ".####...", ".#..#...", ".#..#...", ".####...", "........"}},
  };
  for (const StrokeCase& c : cases) {
    Rig rig(8, 6, 1);
    auto rect = rig.Tool<TKvRectangle>(100, Pen(kBlack));
    Stroke(*rect, c.points, c.shift);
    EXPECT_TRUE(SamePicture(FromAscii(c.expected), rig.work)) << c.name;
  }
}

TEST(Rectangle, ShiftOnTheAnchorRowKeepsThePreviousSquare) {
  Rig rig(8, 8, 1);
  auto rect = rig.Tool<TKvRectangle>(100, Pen(kBlack));
  rect->OnMouseDown(ShiftState::kShift, 2, 2);
  rect->OnMouseMove(ShiftState::kShift, 5, 4);
  EXPECT_EQ(rect->CurPoint, (Point{5, 5}));
  rect->OnMouseMove(ShiftState::kShift, 7, 2);
  EXPECT_EQ(rect->CurPoint, (Point{5, 5}));
}

TEST(Rectangle, OutlineKeepsThePictureInsideAndFilledPaintsIt) {
  for (int filled : {0, 1}) {
    Rig rig(5, 5, 1, Rgb(255, 0, 0));
    auto rect = rig.Tool<TKvRectangle>(100, FilledShape(kBlack, filled != 0));
    Stroke(*rect, {{0, 0}, {5, 5}});
    const raster::Picture expected =
        filled ? raster::Picture(5, 5, kBlack) : FromAscii({"#####", "#rrr#", "#rrr#", "#rrr#", "#####"});
    EXPECT_TRUE(SamePicture(expected, rig.work)) << "filled " << filled;
  }
}

// Three presses make one curve; the fourth starts again with a straight line.
TEST(Curve, StagesReplaceThePreviewAndTheFourthPressStartsOver) {
  Rig rig(12, 12, 2);
  auto curve = rig.Make<TKvCurve>(100);
  curve->Configure(Pen(kBlack));
  auto press = [&](int stage, Point a, Point b) {
    EXPECT_EQ(curve->NextClick(), stage);
    Stroke(*curve, {a, b});
  };
  press(0, {1, 10}, {10, 10});
  EXPECT_EQ(rig.work.Pixel(5, 10), kBlack);
  press(1, {5, 1}, {5, 1});
  EXPECT_EQ(rig.work.Pixel(5, 10), Rgb(255, 255, 255));  // the straight line is replaced
  EXPECT_EQ(rig.work.Pixel(1, 10), kBlack);
  press(2, {9, 9}, {9, 9});
  press(0, {1, 0}, {10, 0});  // a new curve over a new snapshot
  EXPECT_EQ(rig.work.Pixel(5, 0), kBlack);
  EXPECT_EQ(rig.work.Pixel(1, 10), kBlack);
  EXPECT_EQ(curve->Stage, 0);
}

}  // namespace
}  // namespace pixmint::tools::test
