#include <gtest/gtest.h>

#include "support/pixel_grid.h"
#include "tools/fill_dropper.h"
#include "tools/selection_tools.h"
#include "tools/tool_rig.h"

namespace pixmint::tools::test {
namespace {

using pixmint::test::FromAscii;
using pixmint::test::SamePicture;
using raster::Picture;
using raster::Point;
using raster::Rgb;

// A picture whose every pixel is different, to see exactly what was copied.
Picture Numbered(int w, int h) {
  Picture p(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) p.SetPixel(x, y, Rgb(static_cast<std::uint8_t>(x), static_cast<std::uint8_t>(y), 7));
  }
  return p;
}

std::unique_ptr<TKvSelectAdv> LassoOn(Rig& rig, Picture* target) {
  auto lasso = rig.Tool<TKvSelectAdv>(100, Selecting(target));
  lasso->StartAnew();
  return lasso;
}

// Move/scale over a selection at origin, grabbed by handle (a frame code).
std::unique_ptr<TKvMoveScale> MoverOn(Rig& rig, Picture* target, Point origin, int handle, int opacity = 100) {
  auto mover = rig.Tool<TKvMoveScale>(opacity, Selecting(target));
  mover->Grab(origin, static_cast<raster::FrameHandle>(handle));
  return mover;
}

TEST(Fill, ActsAtTheReleasePointBlendsTwiceAt50AndLowersAlphaOnceWithTransparency) {
  const raster::Paint black = raster::ColourPaint(Rgb(0, 0, 0));
  const struct {
    int opacity;
    raster::Paint paint;
    raster::Colour expected;
    int alpha;
  } cases[] = {{100, black, Rgb(0, 0, 0), 255},
               {50, black, Rgb(191, 191, 191), 255},
               {1, black, Rgb(254, 254, 254), 255},
               {50, raster::kTransparentPaint, Rgb(255, 255, 255), 128}};
  for (const auto& c : cases) {
    Rig rig(4, 3, 2);
    rig.work = FromAscii({"..#r", "..#r", "..#r"});
    auto fill = rig.Tool<TKvFill>(c.opacity, Pen(c.paint));
    fill->OnMouseDown(ShiftState::kNone, 3, 0);  // pressed on red, released on white
    fill->OnMouseUp(ShiftState::kNone, 0, 2);
    EXPECT_EQ(rig.work.Pixel(1, 1), c.expected) << c.opacity;
    EXPECT_EQ(rig.work.Alpha(0, 0), c.alpha) << c.opacity;
    EXPECT_EQ(rig.work.Pixel(3, 1), Rgb(255, 0, 0));
    EXPECT_EQ(rig.work.Pixel(2, 1), Rgb(0, 0, 0));
  }
}

TEST(Marquee, CopiesTheDraggedRectangleWhicheverWayItWasDragged) {
  Rig rig(12, 12, 4);
  rig.work = Numbered(12, 12);
  Picture target;
  auto marquee = rig.Tool<TKvSelectBas>(100, Selecting(&target));
  Stroke(*marquee, {{10, 10}, {7, 5}, {4, 2}});
  EXPECT_EQ(marquee->Origin, (Point{4, 2}));
  ASSERT_EQ(target.Width(), 6);
  ASSERT_EQ(target.Height(), 8);
  EXPECT_EQ(target.Pixel(0, 0), rig.work.Pixel(4, 2));
  EXPECT_EQ(target.Pixel(5, 7), rig.work.Pixel(9, 9));
  EXPECT_TRUE(rig.work == Numbered(12, 12));  // the marquee copies, it does not cut
}

TEST(Marquee, ClickOrLineSelectsNothingAndPartsBeyondThePictureAreTransparent) {
  const struct {
    std::vector<Point> points;
    Point origin;
    std::vector<std::string> expected;
  } cases[] = {{{{1, 1}, {3, 3}, {1, 1}}, {-1, -1}, {"t"}},
               {{{1, 1}, {3, 3}, {1, 3}}, {-1, -1}, {"t"}},
               {{{1, 1}, {3, 3}, {3, 1}}, {-1, -1}, {"t"}},
               {{{-2, 2}, {2, 5}}, {-2, 2}, {"tt##", "tt##", "tttt"}}};
  for (const auto& c : cases) {
    Rig rig(4, 4, 2, Rgb(0, 0, 0));
    Picture target(5, 5);
    auto marquee = rig.Tool<TKvSelectBas>(100, Selecting(&target));
    Stroke(*marquee, c.points);
    EXPECT_EQ(marquee->Origin, c.origin) << c.points.back().x << "," << c.points.back().y;
    EXPECT_TRUE(SamePicture(FromAscii(c.expected), target)) << c.points.back().x << "," << c.points.back().y;
  }
}

// Clicks of one lasso outline: press and release at each point.
void Click(TKvSelectAdv& lasso, Point p) {
  lasso.OnMouseDown(ShiftState::kNone, p.x, p.y);
  lasso.OnMouseMove(ShiftState::kNone, p.x, p.y);
  lasso.OnMouseUp(ShiftState::kNone, p.x, p.y);
}

TEST(Lasso, ClosesWithinOnePixelOfTheFirstVertexButNotAtTwo) {
  for (int offset : {0, 1, 2}) {
    Rig rig(12, 12, 3, Rgb(0, 0, 255));
    Picture target;
    auto lasso = LassoOn(rig, &target);
    for (Point p : {Point{1, 1}, Point{9, 1}, Point{1, 9}}) Click(*lasso, p);
    EXPECT_EQ(lasso->StateFlag, 0);
    Click(*lasso, {1 + offset, 1 - (offset > 0 ? 1 : 0)});
    if (offset == 2) {
      EXPECT_EQ(lasso->StateFlag, 0) << "still open";
      EXPECT_EQ(lasso->Origin, (Point{-1, -1}));
      continue;
    }
    EXPECT_NE(lasso->StateFlag, 0) << offset;
    EXPECT_EQ(lasso->Origin, (Point{1, 1}));
    ASSERT_EQ(target.Width(), 8);
    ASSERT_EQ(target.Height(), 8);
    EXPECT_EQ(target.Pixel(1, 1), Rgb(0, 0, 255));  // inside the triangle
    EXPECT_EQ(target.Alpha(7, 7), 0);               // outside it
    EXPECT_EQ(lasso->NextClick(), 0);
    lasso->OnMouseDown(ShiftState::kNone, 5, 5);  // the next click starts a new outline
    EXPECT_EQ(lasso->VertexCount, 0);
    EXPECT_NE(lasso->NextClick(), 0);
  }
}

TEST(Lasso, StopsAddingVerticesAtTheLimit) {
  Rig rig(4, 4, 1);
  auto lasso = LassoOn(rig, nullptr);
  for (int i = 0; i < kMaxLassoVertices + 5; ++i) lasso->OnMouseDown(ShiftState::kNone, 3, i % 3);
  EXPECT_EQ(lasso->VertexCount, kMaxLassoVertices - 1);
  EXPECT_EQ(lasso->Vertices.size(), static_cast<std::size_t>(kMaxLassoVertices));
}

// The selection is 10 x 8 at (5, 4). The last two grab the right edge 4
// pixels beyond it: the selection never collapses, and what remains stays.
TEST(MoveScale, EveryHandleMovesItsEdgesAndStopsThreePixelsShort) {
  constexpr int kOut = 9;
  const struct {
    int handle;
    Point press;
    Point move;
    Point pos;  // expected position
    int w, h;   // expected size
  } cases[] = {
      {0, {8, 8}, {10, 5}, {7, 1}, 10, 8},     {1, {9, 4}, {9, 2}, {5, 2}, 10, 10},
      {1, {9, 4}, {9, 10}, {5, 4}, 10, 8},     {1, {9, 4}, {9, 8}, {5, 8}, 10, 4},
      {2, {5, 6}, {3, 6}, {3, 4}, 12, 8},      {2, {5, 6}, {13, 6}, {5, 4}, 10, 8},
      {3, {15, 6}, {18, 6}, {5, 4}, 13, 8},    {3, {15, 6}, {8, 6}, {5, 4}, 3, 8},
      {3, {15, 6}, {7, 6}, {5, 4}, 10, 8},     {4, {9, 12}, {9, 14}, {5, 4}, 10, 10},
      {4, {9, 12}, {9, 6}, {5, 4}, 10, 8},     {5, {5, 4}, {3, 3}, {3, 3}, 12, 9},
      {6, {5, 12}, {7, 14}, {7, 4}, 8, 10},    {7, {15, 4}, {17, 6}, {5, 6}, 12, 6},
      {8, {15, 12}, {8, 7}, {5, 4}, 3, 3},     {8, {15, 12}, {7, 7}, {5, 4}, 10, 8},
      {3, {19, 6}, {8, 6}, {5, 4}, 10, 8},     {3, {19, 6}, {12, 6}, {5, 4}, 3, 8},
      {kOut, {6, 5}, {9, 9}, {-1, -1}, 10, 8},
  };
  for (const auto& c : cases) {
    Rig rig(24, 20, 2);
    Picture target = Numbered(10, 8);
    auto tool = MoverOn(rig, &target, {5, 4}, c.handle, 50);
    const Picture screen = rig.screen;
    Stroke(*tool, {c.press, c.move});
    SCOPED_TRACE(testing::Message() << "handle " << c.handle << " to " << c.move.x << "," << c.move.y);
    EXPECT_EQ(tool->Origin, c.pos);
    EXPECT_EQ(target.Width(), c.w);
    EXPECT_EQ(target.Height(), c.h);
    EXPECT_TRUE(rig.work == Picture(24, 20, Rgb(255, 255, 255)));  // only a merge changes the picture
    EXPECT_EQ(screen == rig.screen, c.handle == kOut);             // the outside handle does nothing
  }
}

TEST(MoveScale, StretchesFromThePictureOfThePress) {
  Rig rig(40, 30, 1);
  Picture target = Numbered(10, 8);
  auto tool = MoverOn(rig, &target, {2, 2}, 8);
  tool->OnMouseDown(ShiftState::kNone, 12, 10);
  tool->OnMouseMove(ShiftState::kNone, 32, 10);  // 30 wide
  EXPECT_EQ(target.Width(), 30);
  EXPECT_EQ(target.Pixel(2, 0), Numbered(10, 8).Pixel(0, 0));
  tool->OnMouseMove(ShiftState::kNone, 5, 4);  // refused: too close to the other edges
  tool->OnMouseMove(ShiftState::kNone, 9, 7);  // 7 x 5
  tool->OnMouseMove(ShiftState::kNone, 12, 10);
  tool->OnMouseUp(ShiftState::kNone, 12, 10);
  EXPECT_TRUE(SamePicture(Numbered(10, 8), target));
  EXPECT_TRUE(tool->PressCopy.Empty());
}

TEST(MoveScale, ShowsTheSelectionOverThePictureWithItsTransparency) {
  Rig rig(6, 6, 8, Rgb(0, 0, 255));
  Picture target = FromAscii({"rt", "tr"});
  auto tool = MoverOn(rig, &target, {1, 1}, 0);
  Stroke(*tool, {{1, 1}, {3, 3}});
  EXPECT_EQ(rig.screen.Pixel(28, 30), Rgb(255, 0, 0));
  EXPECT_EQ(rig.screen.Pixel(36, 30), Rgb(0, 0, 255));  // see-through
  EXPECT_EQ(rig.screen.Pixel(21, 21), Rgb(0, 0, 0));    // the outline of a corner handle
  EXPECT_EQ(tool->LayerBitmap.Pixel(1, 0), Rgb(0, 0, 255));
}

}  // namespace
}  // namespace pixmint::tools::test
