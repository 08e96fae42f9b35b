#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "raster/canvas.h"
#include "raster/painter.h"
#include "raster/spans.h"

namespace pixmint::raster {

namespace {

// Passes on only the pixels of a dotted outline: a checkerboard, so every
// straight side shows every other pixel.
struct DottedSink {
  Painter* painter;
  void operator()(int y, int x0, int x1) const {
    x0 = std::max(x0, painter->Area().left);  // a far-off span is walked only where visible
    x1 = std::min(x1, painter->Area().right);
    for (int x = x0 + ((x0 + y) & 1); x < x1; x += 2) painter->Pixel(Ink::kPen, x, y);
  }
};

Point BezierPoint(std::span<const Point> c, double t) {
  const double u = 1.0 - t;
  const double a = u * u * u, b = 3 * u * u * t, d = 3 * u * t * t, e = t * t * t;
  const double x = a * c[0].x + b * c[1].x + d * c[2].x + e * c[3].x;
  const double y = a * c[0].y + b * c[1].y + d * c[2].y + e * c[3].y;
  return {static_cast<int>(std::floor(x + 0.5)), static_cast<int>(std::floor(y + 0.5))};
}

// The curve as points close enough together that joining them with lines
// follows it: about one point per pixel of the control polygon's length.
void FlattenBezier(std::span<const Point> c, std::vector<Point>& out) {
  double length = 0;
  for (int i = 0; i < 3; ++i)
    length += std::hypot(static_cast<double>(c[i + 1].x) - c[i].x, static_cast<double>(c[i + 1].y) - c[i].y);
  const int steps = static_cast<int>(std::clamp(std::ceil(length), 1.0, 8192.0));
  for (int i = 0; i <= steps; ++i) {
    const Point p = BezierPoint(c, static_cast<double>(i) / steps);
    if (out.empty() || !(out.back() == p)) out.push_back(p);
  }
}

bool Diagonal(Point a, Point b) {
  return std::abs(a.x - b.x) == 1 && std::abs(a.y - b.y) == 1;
}

// Appends the pixels from a (excluded) to b (included) in path order, limited
// to clip; drops a pixel that would make an L-shaped corner, which a pixel
// artist never draws on a thin curve (the path stays 8-connected).
void AppendPath(std::vector<Point>& path, Point a, Point b, Rect clip) {
  std::vector<std::pair<int, Point>> piece;
  ForEachLinePixel(a, b, clip, [&](int x, int y, int step) {
    if (step > 0) piece.push_back({step, {x, y}});
  });
  std::sort(piece.begin(), piece.end(), [](const auto& p, const auto& q) { return p.first < q.first; });
  for (const auto& [step, p] : piece) {
    if (path.size() >= 2 && Diagonal(path[path.size() - 2], p)) path.pop_back();
    path.push_back(p);
  }
}

}  // namespace

template <typename MakeRows>
void Canvas::RowShape(Rect box, MakeRows makeRows) {
  if (box.Empty()) return;
  const Rect area = DrawArea();
  const int depth = PenWidth();
  const int firstRow = static_cast<int>(std::max<std::int64_t>(box.top, std::int64_t{area.top} - depth - 1));
  const int lastRow = static_cast<int>(std::min<std::int64_t>(box.bottom - 1, std::int64_t{area.bottom} + depth));
  if (firstRow > lastRow || area.Empty()) return;
  const RowSpans shape = makeRows(firstRow, lastRow);
  const RowSpans inside = Erode(shape, depth);
  Painter painter(*target_, area, box, pen_.mode, pen_.colour, brush_.colour);
  if (!brush_.hollow) {
    BrushSink brush{&painter};
    EmitRows(inside, brush);
  }
  if (pen_.style == PenStyle::kSolid || depth > 1) {
    PenSink pen{&painter};
    EmitDifference(shape, inside, pen);
  } else {
    DottedSink pen{&painter};
    EmitDifference(shape, inside, pen);
  }
  painter.Finish();
}

void Canvas::Rectangle(int left, int top, int right, int bottom) {
  const Rect box = LimitedBox(left, top, right, bottom);
  RowShape(box, [&](int first, int last) { return RectRows(box, first, last); });
}

void Canvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight) {
  const Rect box = LimitedBox(left, top, right, bottom);
  RowShape(box, [&](int first, int last) { return RoundRectRows(box, cornerWidth, cornerHeight, first, last); });
}

void Canvas::Ellipse(int left, int top, int right, int bottom) {
  const Rect box = LimitedBox(left, top, right, bottom);
  RowShape(box, [&](int first, int last) { return EllipseRows(box, first, last); });
}

void Canvas::Polygon(std::span<const Point> given) {
  if (given.size() < 2) return;
  const std::vector<Point> points = Limited(given);
  const int width = PenWidth();
  const Rect area = DrawArea();
  Painter painter(*target_, area, PointBounds(points, width), pen_.mode, pen_.colour, brush_.colour);
  if (!brush_.hollow) {
    BrushSink brush{&painter};
    EmitPolygonInterior(points, area, brush);
  }
  PenSink pen{&painter};
  int step = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const Point a = points[i];
    const Point b = points[(i + 1) % points.size()];
    if (width <= 1) {
      CosmeticLine(painter, a, b, true, step);
    } else {
      EmitCapsule(a, b, width, area, pen);
    }
  }
  painter.Finish();
}

void Canvas::PolyBezier(std::span<const Point> given) {
  if (given.size() < 4 || (given.size() - 1) % 3 != 0) return;
  const std::vector<Point> points = Limited(given);
  std::vector<Point> flat;
  for (std::size_t i = 0; i + 3 < points.size(); i += 3) FlattenBezier(std::span(points).subspan(i, 4), flat);
  const int width = PenWidth();
  const Rect area = DrawArea();
  Painter painter(*target_, area, PointBounds(flat, width), pen_.mode, pen_.colour, brush_.colour);
  if (width > 1) {
    PenSink pen{&painter};
    for (std::size_t i = 0; i < flat.size(); ++i)
      EmitCapsule(flat[i], flat[i + 1 < flat.size() ? i + 1 : i], width, area, pen);
  } else {
    // Pixels just outside the clip still take part in the corner clean-up.
    const Rect reach{area.left - 1, area.top - 1, area.right + 1, area.bottom + 1};
    std::vector<Point> path;
    if (reach.Contains(flat[0])) path.push_back(flat[0]);
    for (std::size_t i = 1; i < flat.size(); ++i) AppendPath(path, flat[i - 1], flat[i], reach);
    for (std::size_t i = 0; i < path.size(); ++i) {
      if (pen_.style == PenStyle::kSolid || (i & 1) == 0) painter.Pixel(Ink::kPen, path[i].x, path[i].y);
    }
  }
  painter.Finish();
}

namespace {

template <typename Op>
void Blit(Picture& dst, Rect dstRect, const Picture& src, Point srcOrigin, Op op) {
  // Source column of destination column x: srcOrigin.x + (x - dstRect.left).
  const std::int64_t shiftX = std::int64_t{srcOrigin.x} - dstRect.left;
  const std::int64_t shiftY = std::int64_t{srcOrigin.y} - dstRect.top;
  const std::int64_t x0 = std::max<std::int64_t>({dstRect.left, 0, -shiftX});
  const std::int64_t y0 = std::max<std::int64_t>({dstRect.top, 0, -shiftY});
  const std::int64_t x1 = std::min<std::int64_t>({dstRect.right, dst.Width(), src.Width() - shiftX});
  const std::int64_t y1 = std::min<std::int64_t>({dstRect.bottom, dst.Height(), src.Height() - shiftY});
  for (std::int64_t y = y0; y < y1; ++y) {
    std::uint8_t* d = dst.At(static_cast<int>(x0), static_cast<int>(y));
    const std::uint8_t* s = src.At(static_cast<int>(x0 + shiftX), static_cast<int>(y + shiftY));
    // The colour bytes only: a block transfer never changes transparency.
    for (std::int64_t i = 0; i < (x1 - x0) * kPixelBytes; ++i) {
      if (i % kPixelBytes != 3) d[i] = op(d[i], s[i]);
    }
  }
}

}  // namespace

void AndBlit(Picture& dst, Rect dstRect, const Picture& src, Point srcOrigin) {
  Blit(dst, dstRect, src, srcOrigin, [](std::uint8_t d, std::uint8_t s) { return static_cast<std::uint8_t>(d & s); });
}

void XorBlit(Picture& dst, Rect dstRect, const Picture& src, Point srcOrigin) {
  Blit(dst, dstRect, src, srcOrigin, [](std::uint8_t d, std::uint8_t s) { return static_cast<std::uint8_t>(d ^ s); });
}

}  // namespace pixmint::raster
