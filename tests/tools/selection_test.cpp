#include <gtest/gtest.h>

#include "tools/freehand_tools.h"
#include "tools/selection_tools.h"
#include "tools/tool_rig.h"

namespace pixmint::tools::test {
namespace {

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

// Neither the lasso's outline nor a stroke grows past its limit.
TEST(Limits, LassoVerticesAndStrokePointsStopGrowing) {
  Rig rig(4, 4, 1);
  auto lasso = LassoOn(rig, nullptr);
  for (int i = 0; i < kMaxLassoVertices + 5; ++i) lasso->OnMouseDown(ShiftState::kNone, 3, i % 3);
  EXPECT_EQ(lasso->VertexCount, kMaxLassoVertices - 1);
  EXPECT_EQ(lasso->Vertices.size(), static_cast<std::size_t>(kMaxLassoVertices));
  auto pencil = rig.Tool<TKvPencil>(100, Pen(Rgb(0, 0, 0)));
  pencil->OnMouseDown(ShiftState::kNone, 0, 0);
  for (int i = 0; i < kMaxStrokePoints + 10; ++i) pencil->OnMouseMove(ShiftState::kNone, i % 2, 0);
  EXPECT_EQ(pencil->PointCount, kMaxStrokePoints - 1);
  pencil->OnMouseUp(ShiftState::kNone, 3, 3);
  EXPECT_EQ(rig.work.Pixel(3, 3), Rgb(255, 255, 255));  // ignored like the moves before it
  EXPECT_EQ(rig.work.Pixel(1, 0), Rgb(0, 0, 0));
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

}  // namespace
}  // namespace pixmint::tools::test
