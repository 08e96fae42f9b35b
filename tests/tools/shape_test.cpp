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

TEST(Line, BothEndsArePaintedAndNoKeyChangesIt) {
  for (ShiftState shift : {ShiftState{0}, kShift, kAlt}) {
    Rig rig(6, 3, 1);
    auto line = rig.Make<TKvLine>(100);
    line->SetValue(kBlack, 0, 0, 1, 0, 0);
    Stroke(*line, {{1, 1}, {3, 2}, {4, 1}}, shift);
    EXPECT_TRUE(SamePicture(FromAscii({"......", ".####.", "......"}), rig.work));
  }
}

TEST(Line, ClickMakesAOnePointLine) {
  Rig rig(3, 3, 2);
  auto line = rig.Make<TKvLine>(100);
  line->SetValue(kBlack, 0, 0, 1, 0, 0);
  Stroke(*line, {{1, 1}});
  EXPECT_TRUE(SamePicture(FromAscii({"...", ".#.", "..."}), rig.work));
}

TEST(Line, DragOutsideTheCanvasIsClipped) {
  Rig rig(4, 2, 1);
  auto line = rig.Make<TKvLine>(100);
  line->SetValue(kBlack, 0, 0, 1, 0, 0);
  Stroke(*line, {{1, 0}, {-50, 0}});
  EXPECT_TRUE(SamePicture(FromAscii({"##..", "...."}), rig.work));
}

struct BoxCase {
  const char* name;
  ShiftState shift;
  Point press;
  Point release;
  std::vector<std::string> expected;
};

TEST(Rectangle, ShiftMakesSquaresAndAltCentresOnThePress) {
  const BoxCase cases[] = {
      {"plain", 0, {1, 1}, {4, 4}, {"........", ".###....", ".#.#....", ".###....", "........", "........"}},
      // Shift toward the lower left: d = 3 to the left and 3 down.
      {"shift", kShift, {5, 1}, {2, 2}, {"........", "..###...", "..#.#...", "..###...", "........", "........"}},
      {"alt", kAlt, {3, 2}, {5, 4}, {".####...", ".#..#...", ".#..#...", ".####...", "........", "........"}},
      {"shift+alt",
       kShift | kAlt,
       {3, 3},
       {5, 1},
       {"........", ".####...", ".#..#...", ".#..#...", ".####...", "........"}},
  };
  for (const BoxCase& c : cases) {
    Rig rig(8, 6, 1);
    auto rect = rig.Make<TKvRectangle>(100);
    rect->SetValue(kBlack, 0, 0, 1, 0, 0);
    Stroke(*rect, {c.press, c.release}, c.shift);
    EXPECT_TRUE(SamePicture(FromAscii(c.expected), rig.work)) << c.name;
  }
}

TEST(Rectangle, ShiftOnTheAnchorRowKeepsThePreviousSquare) {
  Rig rig(8, 8, 1);
  auto rect = rig.Make<TKvRectangle>(100);
  rect->SetValue(kBlack, 0, 0, 1, 0, 0);
  rect->OnMouseDown(kShift, 2, 2);
  rect->OnMouseMove(kShift, 5, 4);
  EXPECT_EQ(rect->CurPoint, (Point{5, 5}));
  rect->OnMouseMove(kShift, 7, 2);
  EXPECT_EQ(rect->CurPoint, (Point{5, 5}));
}

TEST(Rectangle, OutlineKeepsThePictureInsideAndFilledPaintsIt) {
  const raster::Colour red = Rgb(255, 0, 0);
  Rig outline(5, 5, 1, red);
  auto rect = outline.Make<TKvRectangle>(100);
  rect->SetValue(kBlack, 0, 0, 1, 0, 0);
  Stroke(*rect, {{0, 0}, {5, 5}});
  EXPECT_TRUE(SamePicture(FromAscii({"#####", "#rrr#", "#rrr#", "#rrr#", "#####"}), outline.work));
  Rig filled(5, 5, 1, red);
  auto solid = filled.Make<TKvRectangle>(100);
  solid->SetValue(kBlack, 0, 0, 1, 1, 0);
  Stroke(*solid, {{0, 0}, {5, 5}});
  EXPECT_TRUE(SamePicture(raster::Picture(5, 5, kBlack), filled.work));
}

TEST(Rectangle, OpacityAndTransparency) {
  const raster::Colour trans = raster::Markers().trans;
  struct Case {
    int opacity;
    raster::Colour colour;
    raster::Colour expected;
  } const cases[] = {{1, kBlack, Rgb(252, 252, 252)},
                     {50, kBlack, Rgb(127, 127, 127)},
                     {99, kBlack, Rgb(2, 2, 2)},
                     {100, kBlack, kBlack},
                     {50, trans, trans}};
  for (const Case& c : cases) {
    Rig rig(4, 4, 2);
    auto rect = rig.Make<TKvRectangle>(c.opacity);
    rect->SetValue(c.colour, 0, 0, 1, 1, 0);
    Stroke(*rect, {{0, 0}, {3, 3}});
    EXPECT_EQ(rig.work.Pixel(1, 1), c.expected) << c.opacity;
    EXPECT_EQ(rig.work.Pixel(3, 3), Rgb(255, 255, 255));
  }
}

// Three presses make one curve; the fourth starts again with a straight line.
TEST(Curve, StagesReplaceThePreviewAndTheFourthPressStartsOver) {
  Rig rig(12, 12, 2);
  auto curve = rig.Make<TKvCurve>(100);
  auto press = [&](int stage, Point a, Point b) {
    curve->SetValue(kBlack, 0, 0, 1, stage, 0);
    Stroke(*curve, {a, b});
  };
  press(0, {1, 10}, {10, 10});
  EXPECT_EQ(rig.work.Pixel(5, 10), kBlack);
  const raster::Picture straight = rig.work;
  press(1, {5, 1}, {5, 1});
  EXPECT_EQ(rig.work.Pixel(5, 10), Rgb(255, 255, 255));  // the straight line is replaced
  EXPECT_EQ(rig.work.Pixel(1, 10), kBlack);
  const raster::Picture bent = rig.work;
  press(2, {9, 9}, {9, 9});
  press(0, {1, 0}, {10, 0});  // a new curve over a new snapshot
  EXPECT_EQ(rig.work.Pixel(5, 0), kBlack);
  EXPECT_EQ(rig.work.Pixel(1, 10), kBlack);
  EXPECT_EQ(curve->Stage, 0);
  EXPECT_FALSE(straight == bent);
}

}  // namespace
}  // namespace pixmint::tools::test
