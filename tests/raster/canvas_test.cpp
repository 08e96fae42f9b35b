#include "raster/canvas.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <random>
#include <set>
#include <vector>

#include "raster/transform.h"
#include "support/pixel_grid.h"
#include "support/random_picture.h"

namespace pixmint::raster {
namespace {

using test::FromAscii;
using test::SamePicture;
using Draw = std::function<void(Canvas&)>;
using PixelSet = std::set<std::pair<int, int>>;

const Colour kWhite = Rgb(255, 255, 255);
const Colour kBlack = Rgb(0, 0, 0);
const Colour kRed = Rgb(255, 0, 0);

Picture Drawn(int w, int h, const Draw& draw, Pen pen = {}, Brush brush = {true, kRed}) {
  Picture p(w, h, kWhite);
  Canvas canvas(p);
  canvas.pen() = pen;
  canvas.brush() = brush;
  draw(canvas);
  return p;
}

void DrawBoxShape(Canvas& canvas, int kind, Rect box) {
  if (kind == 0) canvas.Rectangle(box.left, box.top, box.right, box.bottom);
  if (kind == 1) canvas.RoundRect(box.left, box.top, box.right, box.bottom, 5, 5);
  if (kind == 2) canvas.Ellipse(box.left, box.top, box.right, box.bottom);
}

PixelSet Painted(const Picture& p, Colour c) {
  PixelSet s;
  for (int y = 0; y < p.Height(); ++y) {
    for (int x = 0; x < p.Width(); ++x) {
      if (p.Pixel(x, y) == c) s.insert({x, y});
    }
  }
  return s;
}

TEST(CanvasLineTest, LeavesOutTheEndPointAndCoversTheSamePixelsBothWays) {
  const auto line = [](Point from, Point to) {
    return Drawn(20, 20, [&](Canvas& c) { c.MoveTo(from.x, from.y), c.LineTo(to.x, to.y); });
  };
  EXPECT_TRUE(SamePicture(FromAscii({"##...", "..##.", "....."}),
                          Drawn(5, 3, [](Canvas& c) { c.MoveTo(0, 0), c.LineTo(4, 2); })));
  std::mt19937 rng(1);
  std::uniform_int_distribution<int> coord(0, 19);
  for (int i = 0; i < 500; ++i) {
    const Point a{coord(rng), coord(rng)}, b{coord(rng), coord(rng)};
    PixelSet forward = Painted(line(a, b), kBlack), backward = Painted(line(b, a), kBlack);
    ASSERT_EQ(forward.count({b.x, b.y}), 0u);
    if (!(a == b)) {
      forward.insert({b.x, b.y});
      backward.insert({a.x, a.y});
    }
    ASSERT_EQ(forward, backward) << a.x << "," << a.y << " to " << b.x << "," << b.y;
  }
}

TEST(CanvasShapeTest, BoxShapesAreSymmetricTouchTheirBoxAndFillEqualsOutlinePlusInside) {
  for (int kind = 0; kind < 3; ++kind) {
    for (int width = 1; width <= 4; ++width) {
      for (int w = 1; w <= 15; ++w) {
        for (int h = 1; h <= 15; ++h) {
          const Pen pen{width, PenStyle::kSolid, kBlack, PenMode::kCopy};
          const auto shape = [&](Canvas& c) { DrawBoxShape(c, kind, {1, 1, 1 + w, 1 + h}); };
          const Picture filled = Drawn(w + 2, h + 2, shape, pen, {false, kRed});
          Picture mirrored = filled;
          FlipHorizontal(mirrored);
          ASSERT_TRUE(SamePicture(filled, mirrored)) << kind << " " << w << "x" << h << " width " << width;
          FlipVertical(mirrored);
          FlipHorizontal(mirrored);
          ASSERT_TRUE(SamePicture(filled, mirrored)) << kind << " " << w << "x" << h << " width " << width;
          const PixelSet outline = Painted(Drawn(w + 2, h + 2, shape, pen), kBlack);
          ASSERT_EQ(Painted(filled, kBlack), outline);
          PixelSet all = outline, inside = Painted(filled, kRed);
          all.insert(inside.begin(), inside.end());
          const Picture solid = Drawn(w + 2, h + 2, shape, {width, PenStyle::kSolid, kRed}, {false, kRed});
          ASSERT_EQ(all, Painted(solid, kRed));
          // The middle row and column reach all four sides of the box.
          const int midX = 1 + (w - 1) / 2, midY = 1 + (h - 1) / 2;
          ASSERT_TRUE(all.count({1, midY}) && all.count({w, midY}) && all.count({midX, 1}) && all.count({midX, h}));
        }
      }
    }
  }
}

// Every primitive, for the mix-mode properties.
std::vector<Draw> AllPrimitives() {
  const std::vector<Point> crossing = {{2, 2}, {20, 15}, {20, 3}, {2, 16}, {12, -3}, {11, 22}};
  const std::vector<Point> bezier = {{1, 18}, {30, -10}, {-5, -10}, {22, 18}, {0, 5}, {5, 9}, {23, 1}};
  const std::vector<Point> extreme = {{INT_MIN, 5}, {INT_MAX, INT_MIN}, {7, INT_MAX}, {3, 4}};
  return {
      [](Canvas& c) { c.MoveTo(-3, 4), c.LineTo(25, 17); },
      [=](Canvas& c) { c.StrokePolyline(crossing); },
      [=](Canvas& c) { c.Polyline(crossing); },
      [=](Canvas& c) { c.Polygon(crossing); },
      [=](Canvas& c) { c.PolyBezier(bezier); },
      [](Canvas& c) { c.Rectangle(2, 3, 19, 15); },
      [](Canvas& c) { c.RoundRect(-4, 2, 15, 19, 7, 9); },
      [](Canvas& c) { c.Ellipse(3, 1, 21, 18); },
      [](Canvas& c) { c.Ellipse(-1000000, -1000000, 1000000, 10); },
      [](Canvas& c) { c.MoveTo(-1000000, 1000000), c.LineTo(1000000, -999990); },
      [](Canvas& c) { c.MoveTo(INT_MIN, INT_MIN), c.LineTo(INT_MAX, INT_MAX); },
      [](Canvas& c) { c.Ellipse(INT_MIN, 3, INT_MAX, 15); },
      [=](Canvas& c) { c.Polygon(extreme); },
      [=](Canvas& c) { c.PolyBezier(extreme); },
  };
}

TEST(CanvasMixModeTest, XorAndNotDrawingsUndoThemselvesAndHitEachPixelOnce) {
  std::mt19937 rng(9);
  const Picture background = test::RandomPicture(rng, 22, 20);
  const std::vector<Draw> primitives = AllPrimitives();
  for (std::size_t i = 0; i < primitives.size(); ++i) {
    for (int width = 1; width <= 4; ++width) {
      for (const PenStyle style : {PenStyle::kSolid, PenStyle::kDot, PenStyle::kAlternate}) {
        for (const PenMode mode : {PenMode::kXor, PenMode::kNot}) {
          Picture p = background;
          Canvas canvas(p);
          canvas.pen() = {width, style, Rgb(90, 200, 17), mode};
          canvas.brush() = {false, Rgb(3, 60, 250)};
          primitives[i](canvas);
          if (mode == PenMode::kNot) {
            // Each covered pixel inverted exactly once: the pixels that
            // changed are the ones a copy-mode drawing covers.
            const Picture copy = Drawn(22, 20, primitives[i], {width, style, kBlack}, {false, kBlack});
            for (int y = 0; y < 20; ++y) {
              for (int x = 0; x < 22; ++x) {
                const Colour was = background.Pixel(x, y);
                const Colour expected = copy.Pixel(x, y) == kBlack ? (~was & 0xFFFFFF) : was;
                ASSERT_EQ(p.Pixel(x, y), expected) << "primitive " << i << " at " << x << "," << y;
              }
            }
          }
          primitives[i](canvas);
          ASSERT_TRUE(SamePicture(background, p)) << "primitive " << i << " width " << width << " style "
                                                  << static_cast<int>(style) << " mode " << static_cast<int>(mode);
        }
      }
    }
  }
}

// Exact reference for the round pen: 4 * distance^2 <= width^2.
bool NearSegment(Point a, Point b, int x, int y, int width) {
  const long long abx = b.x - a.x, aby = b.y - a.y, apx = x - a.x, apy = y - a.y;
  const long long len2 = abx * abx + aby * aby, dot = apx * abx + apy * aby;
  if (len2 == 0 || dot <= 0) return 4 * (apx * apx + apy * apy) <= 1LL * width * width;
  if (dot >= len2) return 4 * ((x - b.x) * (x - b.x) + (y - b.y) * (y - b.y)) <= 1LL * width * width;
  const long long cross = apx * aby - apy * abx;
  return 4 * cross * cross <= 1LL * width * width * len2;
}

TEST(CanvasStrokeTest, RoundPenCoversExactlyThePixelsNearThePath) {
  std::mt19937 rng(12);
  std::uniform_int_distribution<int> coord(-4, 24);
  for (int i = 0; i < 200; ++i) {
    const int width = 2 + i % 9;
    const std::vector<Point> path = {{coord(rng), coord(rng)}, {coord(rng), coord(rng)}, {coord(rng), coord(rng)}};
    const Picture p = Drawn(20, 20, [&](Canvas& c) { c.StrokePolyline(path); }, {width, PenStyle::kSolid, kBlack});
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 20; ++x) {
        const bool near = NearSegment(path[0], path[1], x, y, width) || NearSegment(path[1], path[2], x, y, width);
        ASSERT_EQ(p.Pixel(x, y) == kBlack, near) << x << "," << y << " width " << width;
      }
    }
  }
}

// True when the pixels form one 8-connected piece (or none).
bool EightConnected(PixelSet pixels) {
  std::vector<std::pair<int, int>> stack(pixels.begin(), std::next(pixels.begin(), pixels.empty() ? 0 : 1));
  while (!stack.empty()) {
    const auto [x, y] = stack.back();
    stack.pop_back();
    pixels.erase({x, y});
    for (int d = 0; d < 9; ++d) {
      if (pixels.erase({x + d % 3 - 1, y + d / 3 - 1})) stack.push_back({x + d % 3 - 1, y + d / 3 - 1});
    }
  }
  return pixels.empty();
}

TEST(CanvasStrokeTest, ThinStrokesAndCurvesAreConnectedAndKeepTheirPoints) {
  std::mt19937 rng(13);
  std::uniform_int_distribution<int> coord(0, 29);
  for (int i = 0; i < 200; ++i) {
    std::vector<Point> points(4);
    for (Point& p : points) p = {coord(rng), coord(rng)};
    const PixelSet stroke = Painted(Drawn(30, 30, [&](Canvas& c) { c.StrokePolyline(points); }), kBlack);
    for (const Point p : points) ASSERT_EQ(stroke.count({p.x, p.y}), 1u);
    ASSERT_TRUE(EightConnected(stroke)) << i;
    const PixelSet curve = Painted(Drawn(30, 30, [&](Canvas& c) { c.PolyBezier(points); }), kBlack);
    for (const Point p : {points[0], points[3]}) ASSERT_EQ(curve.count({p.x, p.y}), 1u) << i;
    ASSERT_TRUE(EightConnected(curve)) << i;
  }
}

}  // namespace
}  // namespace pixmint::raster
