#pragma once

#include <algorithm>
#include <concepts>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "raster/colour.h"

namespace pixmint::raster {

// Rasterisers separate geometry from pixel writing: they emit horizontal
// spans (y, x0, x1), x1 exclusive, to a sink. Spans may run beyond the clip;
// the sink clips them.
template <typename F>
concept SpanSink = std::invocable<F&, int, int, int>;

// A shape with at most one span per row (rectangles, ellipses, rounded
// rectangles): rows top .. top + size - 1, row i spanning [left[i], right[i]);
// left >= right marks an empty row.
struct RowSpans {
  int top = 0;
  std::vector<int> left;
  std::vector<int> right;
  [[nodiscard]] int Rows() const { return static_cast<int>(left.size()); }
  [[nodiscard]] bool RowEmpty(int i) const { return left[i] >= right[i]; }
};

// The rows firstRow .. lastRow (inclusive, clamped to the box) of the filled
// shapes in the box (normalised, right and bottom outside). Ellipses and the
// rounded corners are symmetric about both axes of their box and touch all
// four sides of it.
[[nodiscard]] RowSpans RectRows(Rect box, int firstRow, int lastRow);
[[nodiscard]] RowSpans EllipseRows(Rect box, int firstRow, int lastRow);
[[nodiscard]] RowSpans RoundRectRows(Rect box, int cornerWidth, int cornerHeight, int firstRow, int lastRow);

// The pixels of the shape that lie deeper than `depth` steps inside it: a
// pixel survives one step when its four neighbours belong to the shape. A
// shape minus its erosion by w is its outline of width w; rows outside the
// computed range count as empty, so compute `depth` extra rows each side.
[[nodiscard]] RowSpans Erode(const RowSpans& shape, int depth);

template <SpanSink Sink>
void EmitRows(const RowSpans& shape, Sink& sink) {
  for (int i = 0; i < shape.Rows(); ++i) {
    if (!shape.RowEmpty(i)) sink(shape.top + i, shape.left[i], shape.right[i]);
  }
}

// The rows of `shape` minus `hole` (rows of hole outside shape's range are
// ignored): up to two spans per row.
template <SpanSink Sink>
void EmitDifference(const RowSpans& shape, const RowSpans& hole, Sink& sink) {
  for (int i = 0; i < shape.Rows(); ++i) {
    if (shape.RowEmpty(i)) continue;
    const int y = shape.top + i;
    const int h = y - hole.top;
    if (h < 0 || h >= hole.Rows() || hole.RowEmpty(h)) {
      sink(y, shape.left[i], shape.right[i]);
      continue;
    }
    if (hole.left[h] > shape.left[i]) sink(y, shape.left[i], std::min(hole.left[h], shape.right[i]));
    if (hole.right[h] < shape.right[i]) sink(y, std::max(hole.right[h], shape.left[i]), shape.right[i]);
  }
}

// Coordinates are limited to +-2^28 before any arithmetic, so every product
// the rasterisers form fits in 64 bits; nothing that far out is ever visible.
inline constexpr int kCoordinateLimit = 1 << 28;
[[nodiscard]] constexpr Point Limited(Point p) {
  return {std::clamp(p.x, -kCoordinateLimit, kCoordinateLimit), std::clamp(p.y, -kCoordinateLimit, kCoordinateLimit)};
}
[[nodiscard]] inline std::vector<Point> Limited(std::span<const Point> points) {
  std::vector<Point> out(points.begin(), points.end());
  for (Point& p : out) p = Limited(p);
  return out;
}
[[nodiscard]] constexpr Rect LimitedBox(int left, int top, int right, int bottom) {
  const Point a = Limited({std::min(left, right), std::min(top, bottom)});
  const Point b = Limited({std::max(left, right), std::max(top, bottom)});
  return {a.x, a.y, b.x, b.y};
}

// Floor of a / b for b > 0.
[[nodiscard]] constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
  return a >= 0 ? a / b : -((-a + b - 1) / b);
}

// The pixels of the line from a to b, both ends included, as
// visit(x, y, step) with step counted from a (0 at a). Only pixels inside
// clip are visited, and only those are iterated over. The pixel set does not
// depend on the direction: it is worked out from the end with the smaller
// major coordinate, the minor coordinate rounded to nearest, halves toward that end.
template <typename Visit>
void ForEachLinePixel(Point a, Point b, Rect clip, Visit visit) {
  const bool xMajor = std::abs(std::int64_t{b.x} - a.x) >= std::abs(std::int64_t{b.y} - a.y);
  const auto major = [xMajor](Point p) -> std::int64_t { return xMajor ? p.x : p.y; };
  const auto minor = [xMajor](Point p) -> std::int64_t { return xMajor ? p.y : p.x; };
  const bool reversed = major(b) < major(a);
  const Point p = reversed ? b : a;
  const Point q = reversed ? a : b;
  const std::int64_t n = major(q) - major(p);
  const std::int64_t dMinor = minor(q) - minor(p);
  const std::int64_t clipLo = xMajor ? clip.left : clip.top;
  const std::int64_t clipHi = xMajor ? clip.right : clip.bottom;
  const std::int64_t minorLo = xMajor ? clip.top : clip.left;
  const std::int64_t minorHi = xMajor ? clip.bottom : clip.right;
  const std::int64_t k0 = std::max<std::int64_t>(0, clipLo - major(p));
  const std::int64_t k1 = std::min<std::int64_t>(n, clipHi - 1 - major(p));
  for (std::int64_t k = k0; k <= k1; ++k) {
    // Halves round toward p: runs come out even on the pixels a LineTo draws.
    const std::int64_t offset = n == 0 ? 0 : FloorDiv(2 * k * std::abs(dMinor) + n - 1, 2 * n);
    const std::int64_t m = minor(p) + (dMinor < 0 ? -offset : offset);
    if (m < minorLo || m >= minorHi) continue;
    const int x = static_cast<int>(xMajor ? major(p) + k : m);
    const int y = static_cast<int>(xMajor ? m : major(p) + k);
    visit(x, y, static_cast<int>(reversed ? n - k : k));
  }
}

// The pixels whose centres lie within width / 2 of the segment a-b (a
// capsule: round caps), as one span per row, rows limited to clip.
template <SpanSink Sink>
void EmitCapsule(Point a, Point b, int width, Rect clip, Sink& sink);

// Joins the overlapping spans that consecutive pieces of one stroke leave on
// a row before passing them on, so a dense stroke writes its pixels about once
// instead of once per capsule. Rows outside [top, bottom) pass straight on.
template <SpanSink Sink>
class RowMerger {
 public:
  RowMerger(Sink& sink, int top, int bottom)
      : sink_(sink), top_(top), x0_(std::max(bottom - top, 0), 0), x1_(std::max(bottom - top, 0), 0) {}
  RowMerger(const RowMerger&) = delete;
  RowMerger& operator=(const RowMerger&) = delete;
  ~RowMerger() { Flush(); }

  void operator()(int y, int x0, int x1) {
    const std::int64_t row = std::int64_t{y} - top_;
    if (row < 0 || row >= static_cast<std::int64_t>(x0_.size())) return sink_(y, x0, x1);
    int& a = x0_[row];
    int& b = x1_[row];
    if (a < b && x0 <= b && x1 >= a) {  // overlaps or touches what is pending: grow it
      a = std::min(a, x0);
      b = std::max(b, x1);
      return;
    }
    if (a < b) sink_(y, a, b);
    a = x0;
    b = x1;
  }

  void Flush() {
    for (std::size_t row = 0; row < x0_.size(); ++row) {
      if (x0_[row] < x1_[row]) sink_(top_ + static_cast<int>(row), x0_[row], x1_[row]);
      x0_[row] = x1_[row] = 0;
    }
  }

 private:
  Sink& sink_;
  int top_;
  std::vector<int> x0_;  // the pending span of each row; empty when x0 >= x1
  std::vector<int> x1_;
};

// The inclusive x-range of row y covered by the capsule, if any.
struct CapsuleRow {
  bool covered = false;
  int x0 = 0;
  int x1 = 0;
};
[[nodiscard]] CapsuleRow CapsuleRowSpan(Point a, Point b, int width, int y);

template <SpanSink Sink>
void EmitCapsule(Point a, Point b, int width, Rect clip, Sink& sink) {
  const std::int64_t reach = width / 2 + 1;
  const std::int64_t y0 = std::max<std::int64_t>(std::min(a.y, b.y) - reach, clip.top);
  const std::int64_t y1 = std::min<std::int64_t>(std::max(a.y, b.y) + reach, std::int64_t{clip.bottom} - 1);
  for (std::int64_t y = y0; y <= y1; ++y) {
    const CapsuleRow row = CapsuleRowSpan(a, b, width, static_cast<int>(y));
    if (row.covered) sink(static_cast<int>(y), row.x0, row.x1 + 1);
  }
}

// Even-odd interior of the closed polygon through the points (vertices are
// pixel centres): pixel (x, y) is inside when its centre is, with the usual
// half-open rule on edges. Rows limited to clip.
template <SpanSink Sink>
void EmitPolygonInterior(std::span<const Point> points, Rect clip, Sink& sink) {
  struct Edge {
    Point from;  // the end with the smaller y
    Point to;
  };
  std::vector<Edge> edges;
  std::int64_t top = INT64_MAX, bottom = INT64_MIN;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const Point a = points[i];
    const Point b = points[(i + 1) % points.size()];
    if (a.y == b.y) continue;  // a horizontal edge crosses no pixel centre row
    edges.push_back(a.y < b.y ? Edge{a, b} : Edge{b, a});
    top = std::min<std::int64_t>(top, edges.back().from.y);
    bottom = std::max<std::int64_t>(bottom, edges.back().to.y);
  }
  if (edges.empty()) return;
  std::sort(edges.begin(), edges.end(), [](const Edge& e, const Edge& f) { return e.from.y < f.from.y; });
  const std::int64_t y0 = std::max<std::int64_t>(top, clip.top);
  const std::int64_t y1 = std::min<std::int64_t>(bottom, clip.bottom);  // exclusive: an edge owns [from.y, to.y)
  std::vector<const Edge*> active;
  std::vector<std::int64_t> crossings;
  std::size_t next = 0;
  for (std::int64_t y = y0; y < y1; ++y) {
    while (next < edges.size() && edges[next].from.y <= y) active.push_back(&edges[next++]);
    std::erase_if(active, [y](const Edge* e) { return e->to.y <= y; });
    crossings.clear();
    for (const Edge* e : active) {
      // The first pixel centre at or right of the crossing: ceil of an exact rational.
      const std::int64_t dy = std::int64_t{e->to.y} - e->from.y;
      const std::int64_t num = std::int64_t{e->from.x} * dy + (y - e->from.y) * (std::int64_t{e->to.x} - e->from.x);
      crossings.push_back(-FloorDiv(-num, dy));
    }
    std::sort(crossings.begin(), crossings.end());
    for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
      if (crossings[i] >= crossings[i + 1]) continue;
      const std::int64_t x0 = std::max<std::int64_t>(crossings[i], std::int64_t{clip.left} - 1);
      const std::int64_t x1 = std::min<std::int64_t>(crossings[i + 1], std::int64_t{clip.right} + 1);
      if (x0 < x1) sink(static_cast<int>(y), static_cast<int>(x0), static_cast<int>(x1));
    }
  }
}

}  // namespace pixmint::raster
