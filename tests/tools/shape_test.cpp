#include <gtest/gtest.h>

#include "support/pixel_grid.h"
#include "tools/freehand_tools.h"
#include "tools/shape_tools.h"
#include "tools/tool_rig.h"

namespace pixmint::tools::test {
namespace {

using pixmint::test::FromAscii;
using pixmint::test::SamePicture;
using raster::Point;
using raster::Rgb;

constexpr raster::Colour kBlack = Rgb(0, 0, 0);

enum class Kind { kLine, kRect, kFilledRect, kPencil };

struct StrokeCase {
  const char* name;
  Kind kind;
  ShiftState shift;
  std::vector<Point> points;
  std::vector<std::string> expected;
};

// The pencil paints the points of the stroke only; the line paints both ends,
// clips and ignores the keys; Shift makes the rectangle a square (kept while
// the pointer is on the anchor's row), Alt centres it on the press.
TEST(StrokeTools, PaintExactlyTheirPixels) {
  const ShiftState kNone = ShiftState::kNone, kShift = ShiftState::kShift, kAlt = ShiftState::kAlt;
  const StrokeCase cases[] = {
      {"pencil click", Kind::kPencil, kNone, {{2, 1}}, {"......", "..#...", "......"}},
      {"pencil", Kind::kPencil, kNone, {{1, 1}, {3, 1}, {4, 1}}, {"......", ".####.", "......"}},
      {"line", Kind::kLine, kNone, {{1, 1}, {3, 2}, {4, 1}}, {"......", ".####.", "......"}},
      {"line shift", Kind::kLine, kShift, {{1, 1}, {3, 2}, {4, 1}}, {"......", ".####.", "......"}},
      {"line alt", Kind::kLine, kAlt, {{1, 1}, {3, 2}, {4, 1}}, {"......", ".####.", "......"}},
      {"line click", Kind::kLine, kNone, {{1, 1}}, {"......", ".#....", "......"}},
      {"line clipped", Kind::kLine, kNone, {{1, 0}, {-50, 0}}, {"##....", "......", "......"}},
      {"rect", Kind::kRect, kNone, {{1, 1}, {4, 4}}, {"......", ".###..", ".#.#..", ".###..", "......"}},
      {"filled rect", Kind::kFilledRect, kNone, {{0, 0}, {3, 3}}, {"###...", "###...", "###...", "......"}},
      // Toward the lower left: d = 3 to the left and 3 down.
      {"rect shift", Kind::kRect, kShift, {{5, 1}, {2, 2}}, {"......", "..###.", "..#.#.", "..###.", "......"}},
      {"rect shift anchor row",
       Kind::kRect,
       kShift,
       {{2, 1}, {5, 3}, {5, 1}},
       {"......", "..###.", "..#.#.", "..###.", "......"}},
      {"rect alt", Kind::kRect, kAlt, {{3, 2}, {5, 4}}, {".####.", ".#..#.", ".#..#.", ".####.", "......"}},
      {"rect shift+alt",
       Kind::kRect,
       kShift | kAlt,
       {{3, 3}, {5, 1}},
       {"......", ".####.", ".#..#.", ".#..#.", ".####.", "......"}},
  };
  for (const StrokeCase& c : cases) {
    Rig rig(static_cast<int>(c.expected[0].size()), static_cast<int>(c.expected.size()), 2);
    std::unique_ptr<TKvPaint> tool;
    switch (c.kind) {
      case Kind::kLine:
        tool = rig.Tool<TKvLine>(100, Pen(kBlack));
        break;
      case Kind::kPencil:
        tool = rig.Tool<TKvPencil>(100, Pen(kBlack));
        break;
      default:
        tool = rig.Tool<TKvRectangle>(100, FilledShape(kBlack, c.kind == Kind::kFilledRect));
    }
    Stroke(*tool, c.points, c.shift);
    EXPECT_TRUE(SamePicture(FromAscii(c.expected), rig.work)) << c.name;
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
