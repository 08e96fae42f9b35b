#include <gtest/gtest.h>

#include "raster/composite.h"
#include "tools/freehand_tools.h"
#include "tools/spray.h"
#include "tools/tool_rig.h"

namespace pixmint::tools::test {
namespace {

using raster::Rgb;

constexpr raster::Colour kBlack = Rgb(0, 0, 0);

// Opacity blends a colour over the picture and lowers its alpha with the
// transparent colour; the eraser always takes everything, and so does
// transparency in a picture without partial alpha.
TEST(Pencil, OpacityBlendsColourAndLowersAlphaWithTransparency) {
  const raster::Transparency alpha{true, false}, mask{false, false};
  const struct {
    bool eraser;
    int opacity;
    raster::Paint paint;
    raster::Transparency holds;
    raster::Colour colour;
    int expectedAlpha;
  } cases[] = {{false, 1, raster::ColourPaint(kBlack), alpha, Rgb(252, 252, 252), 255},
               {false, 50, raster::ColourPaint(kBlack), alpha, Rgb(127, 127, 127), 255},
               {false, 99, raster::ColourPaint(kBlack), alpha, Rgb(2, 2, 2), 255},
               {false, 0, raster::ColourPaint(kBlack), alpha, kBlack, 255},
               {false, 50, raster::kTransparentPaint, alpha, Rgb(255, 255, 255), 128},
               {false, 50, raster::kTransparentPaint, mask, 0, 0},
               {true, 1, raster::kTransparentPaint, alpha, 0, 0}};
  for (const auto& c : cases) {
    Rig rig(4, 3, 3);
    ToolSettings settings = Pen(c.paint);
    settings.holds = c.holds;
    const std::unique_ptr<TKvPencil> tool =
        c.eraser ? rig.Tool<TKvEraser>(c.opacity, settings) : rig.Tool<TKvPencil>(c.opacity, settings);
    Stroke(*tool, {{1, 1}, {2, 1}});
    SCOPED_TRACE(testing::Message() << (c.eraser ? "eraser" : "pencil") << " opacity " << c.opacity);
    for (int x : {1, 2}) {
      EXPECT_EQ(rig.work.Pixel(x, 1), c.colour);
      EXPECT_EQ(rig.work.Alpha(x, 1), c.expectedAlpha);
    }
    for (int x : {0, 3}) EXPECT_EQ(rig.work.Pixel(x, 1), Rgb(255, 255, 255));
  }
}

TEST(Pencil, StrokeStopsGrowingAtThePointLimit) {
  Rig rig(4, 4, 1);
  auto pencil = rig.Tool<TKvPencil>(100, Pen(kBlack));
  pencil->OnMouseDown(ShiftState::kNone, 0, 0);
  for (int i = 0; i < kMaxStrokePoints + 10; ++i) pencil->OnMouseMove(ShiftState::kNone, i % 2, 0);
  EXPECT_EQ(pencil->PointCount, kMaxStrokePoints - 1);
  pencil->OnMouseUp(ShiftState::kNone, 3, 3);
  EXPECT_EQ(rig.work.Pixel(3, 3), Rgb(255, 255, 255));  // ignored like the moves before it
  EXPECT_EQ(rig.work.Pixel(1, 0), kBlack);
}

// The value of a pixel covered by the rings 0..lastRing (0 the widest) of a
// brush of `rings` rings at opacity p: the outer rings fade toward the picture.
int BrushValue(int paint, int under, int rings, int lastRing, int p) {
  int v = under;
  for (int i = 0; i <= rings; ++i) {
    if (i <= lastRing) v = paint;
    const int merge = p - (i == rings ? 0 : 20);
    if (raster::Blends(merge)) v = raster::BlendByte(v, under, merge);
  }
  return raster::Blends(p) ? raster::BlendByte(v, under, p) : v;
}

TEST(Brush, RingsFadeOutwardAndTheOpacityHasAFloorOf20) {
  for (int opacity : {10, 20, 21, 50, 100}) {
    Rig rig(21, 9, 1);
    auto brush = rig.Tool<TKvBrush>(opacity, Pen(kBlack, 3, 2));  // widths 7, 5, 3
    Stroke(*brush, {{5, 4}, {15, 4}});
    const int p = std::max(opacity, 20);
    SCOPED_TRACE(testing::Message() << "opacity " << opacity);
    EXPECT_EQ(raster::Red(rig.work.Pixel(10, 4)), BrushValue(0, 255, 2, 2, p));  // on the path: every ring
    EXPECT_EQ(raster::Red(rig.work.Pixel(10, 6)), BrushValue(0, 255, 2, 1, p));  // 2 away: the two widest
    EXPECT_EQ(raster::Red(rig.work.Pixel(10, 7)), BrushValue(0, 255, 2, 0, p));  // 3 away: the widest only
    EXPECT_EQ(raster::Red(rig.work.Pixel(10, 8)), 255);                          // beyond
  }
  Rig rig(21, 9, 1, kBlack);  // transparency: only the widest ring, at the opacity
  auto brush = rig.Tool<TKvBrush>(30, Pen(raster::kTransparentPaint, 3, 2));
  Stroke(*brush, {{5, 4}, {15, 4}});
  for (int y : {4, 7}) EXPECT_EQ(rig.work.Alpha(10, y), 179) << y;
  EXPECT_EQ(rig.work.Alpha(10, 8), 255);
}

// Dots land in the picture on each tick, inside the radius, blended once per
// press; a move sprays around the new point over a snapshot with the old dots.
TEST(Spray, BurstsPaintWithinTheRadiusOncePerTick) {
  for (int option = 0; option < 3; ++option) {
    Rig rig(61, 41, 1);
    SprayRandom random;
    random.Pin(5u + option);
    auto spray = rig.Make<TKvSpray>(50, random);
    spray->Configure(Pen(kBlack, 2 * option + 7));
    const int r = (2 * option + 7) / 2;
    spray->OnMouseDown(ShiftState::kNone, 20, 20);
    EXPECT_TRUE(spray->TimerActive());
    int painted = 0;
    for (int tick = 1; tick <= 5; ++tick) {
      spray->OnTimerTick();
      painted = 0;
      for (int y = 0; y < 41; ++y) {
        for (int x = 0; x < 61; ++x) {
          const raster::Colour c = rig.work.Pixel(x, y);
          if (c == Rgb(255, 255, 255)) continue;
          ++painted;
          EXPECT_EQ(c, Rgb(127, 127, 127)) << x << "," << y;
          EXPECT_LE((x - 20) * (x - 20) + (y - 20) * (y - 20), r * r) << x << "," << y;
        }
      }
      EXPECT_GT(painted, 0) << "tick " << tick;
      EXPECT_LE(painted, 2 * r * 10 * tick);
    }
    spray->OnMouseMove(ShiftState::kNone, 45, 20);
    for (int i = 0; i < 5; ++i) spray->OnTimerTick();
    int farDots = 0;
    for (int y = 0; y < 41; ++y) {
      for (int x = 35; x < 61; ++x) farDots += rig.work.Pixel(x, y) != Rgb(255, 255, 255);
    }
    EXPECT_GT(farDots, 0);
    spray->OnMouseUp(ShiftState::kNone, 45, 20);
    EXPECT_FALSE(spray->TimerActive());
    const raster::Picture afterRelease = rig.work;
    spray->OnTimerTick();
    EXPECT_TRUE(afterRelease == rig.work);
  }
}

}  // namespace
}  // namespace pixmint::tools::test
