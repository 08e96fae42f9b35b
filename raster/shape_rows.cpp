#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "raster/spans.h"

namespace pixmint::raster {

namespace {

using Wide = __int128;

RowSpans EmptyRows(int firstRow, int lastRow) {
  RowSpans rows;
  rows.top = firstRow;
  const int count = std::max(0, lastRow - firstRow + 1);
  rows.left.assign(count, 0);
  rows.right.assign(count, 0);
  return rows;
}

// Largest X >= 0 with X = parity (mod 2) and X^2 * h2 <= limit, or -1.
std::int64_t LargestOffset(Wide limit, Wide h2, std::int64_t parity) {
  if (limit < 0) return -1;
  auto fits = [&](std::int64_t x) { return Wide{x} * x * h2 <= limit; };
  std::int64_t x = static_cast<std::int64_t>(std::sqrt(static_cast<double>(limit) / static_cast<double>(h2)));
  while (x > 0 && !fits(x)) --x;
  while (fits(x + 1)) ++x;
  if ((x & 1) != parity) --x;
  return x;
}

}  // namespace

RowSpans RectRows(Rect box, int firstRow, int lastRow) {
  firstRow = std::max(firstRow, box.top);
  lastRow = std::min(lastRow, box.bottom - 1);
  RowSpans rows = EmptyRows(firstRow, lastRow);
  std::fill(rows.left.begin(), rows.left.end(), box.left);
  std::fill(rows.right.begin(), rows.right.end(), box.right);
  return rows;
}

// Pixel (x, y) belongs to the ellipse when its centre lies inside the ellipse
// inscribed in the box. In doubled coordinates around the box centre
// (X = 2x + 1 - left - right, likewise Y) that is X^2 H^2 + Y^2 W^2 <= W^2 H^2,
// exact in integers, so the shape is symmetric about both axes. Very flat or
// thin boxes would leave their ends unreached: the middle row(s) always span
// the full width and no row is left without its middle pixel(s), so the
// ellipse touches all four sides of its box, the same way in both directions.
RowSpans EllipseRows(Rect box, int firstRow, int lastRow) {
  firstRow = std::max(firstRow, box.top);
  lastRow = std::min(lastRow, box.bottom - 1);
  RowSpans rows = EmptyRows(firstRow, lastRow);
  const std::int64_t w = box.Width(), h = box.Height();
  if (w <= 0 || h <= 0) return rows;
  const Wide w2 = Wide{w} * w, h2 = Wide{h} * h;
  for (int i = 0; i < rows.Rows(); ++i) {
    const std::int64_t y = std::int64_t{firstRow} + i;
    const std::int64_t dy = 2 * (y - box.top) + 1 - h;
    std::int64_t reach = LargestOffset(w2 * (h2 - Wide{dy} * dy), h2, (w - 1) & 1);
    if (std::llabs(dy) <= 1) reach = w - 1;
    if (reach < 0) reach = (w - 1) & 1;
    rows.left[i] = static_cast<int>(box.left + (w - 1 - reach) / 2);
    rows.right[i] = static_cast<int>(box.left + (w - 1 + reach) / 2 + 1);
  }
  return rows;
}

// A rectangle whose corners are the quarters of a cornerWidth x cornerHeight
// ellipse (clamped to the box), mirrored exactly onto all four corners.
RowSpans RoundRectRows(Rect box, int cornerWidth, int cornerHeight, int firstRow, int lastRow) {
  RowSpans rows = RectRows(box, firstRow, lastRow);
  const int cw = std::min(cornerWidth, box.Width());
  const int ch = std::min(cornerHeight, box.Height());
  if (cw <= 0 || ch <= 0) return rows;
  const RowSpans corner = EllipseRows(Rect{0, 0, cw, ch}, 0, ch - 1);
  for (int i = 0; i < rows.Rows(); ++i) {
    const int fromTop = rows.top + i - box.top;
    const int fromBottom = box.bottom - 1 - (rows.top + i);
    const int j = std::min(fromTop, fromBottom);
    if (j >= ch / 2) continue;
    rows.left[i] += corner.left[j];
    rows.right[i] -= corner.left[j];
  }
  return rows;
}

RowSpans Erode(const RowSpans& shape, int depth) {
  RowSpans current = shape;
  RowSpans next = shape;
  const int n = shape.Rows();
  for (int step = 0; step < depth; ++step) {
    for (int i = 0; i < n; ++i) {
      const bool keep =
          i > 0 && i + 1 < n && !current.RowEmpty(i) && !current.RowEmpty(i - 1) && !current.RowEmpty(i + 1);
      if (!keep) {
        next.left[i] = next.right[i] = 0;
        continue;
      }
      next.left[i] = std::max({current.left[i] + 1, current.left[i - 1], current.left[i + 1]});
      next.right[i] = std::min({current.right[i] - 1, current.right[i - 1], current.right[i + 1]});
    }
    std::swap(current, next);
  }
  return current;
}

namespace {

// Exact test: does pixel (x, y) lie within width / 2 of the segment a-b?
// Compared as 4 * distance^2 <= width^2 in wide integers.
bool WithinCapsule(Point a, Point b, std::int64_t w2, std::int64_t x, std::int64_t y) {
  const std::int64_t abx = std::int64_t{b.x} - a.x, aby = std::int64_t{b.y} - a.y;
  const std::int64_t apx = x - a.x, apy = y - a.y;
  const std::int64_t len2 = abx * abx + aby * aby;
  const std::int64_t dot = apx * abx + apy * aby;
  if (len2 == 0 || dot <= 0) return 4 * (Wide{apx} * apx + Wide{apy} * apy) <= w2;
  if (dot >= len2) {
    const std::int64_t bpx = x - b.x, bpy = y - b.y;
    return 4 * (Wide{bpx} * bpx + Wide{bpy} * bpy) <= w2;
  }
  const std::int64_t cross = apx * aby - apy * abx;
  return 4 * Wide{cross} * cross <= Wide{w2} * len2;
}

// A close floating-point estimate [lo, hi] of the row's covered range: the
// hull of the two end discs and the band between them (lo > hi: none).
std::pair<double, double> EstimateCapsuleRow(Point a, Point b, double r, int y) {
  double lo = HUGE_VAL, hi = -HUGE_VAL;
  for (const Point p : {a, b}) {
    const double dy = static_cast<double>(y) - p.y;
    if (std::fabs(dy) > r) continue;
    const double half = std::sqrt(r * r - dy * dy);
    lo = std::min(lo, p.x - half);
    hi = std::max(hi, p.x + half);
  }
  const double abx = static_cast<double>(b.x) - a.x, aby = static_cast<double>(b.y) - a.y;
  const double len = std::hypot(abx, aby);
  if (len > 0 && aby != 0) {
    // Along the segment: 0 <= (p - a).ab <= len^2; across it: |cross| <= r len.
    const double ey = static_cast<double>(y) - a.y;
    double bandLo = -HUGE_VAL, bandHi = HUGE_VAL;
    const auto limit = [&](double coef, double constant, double from, double to) {
      // from <= coef * (x - a.x) + constant <= to
      double u = (from - constant) / coef, v = (to - constant) / coef;
      if (u > v) std::swap(u, v);
      bandLo = std::max(bandLo, a.x + u);
      bandHi = std::min(bandHi, a.x + v);
    };
    if (abx != 0) {
      limit(abx, ey * aby, 0.0, len * len);
    } else if (ey * aby < 0 || ey * aby > len * len) {
      bandLo = HUGE_VAL;
    }
    limit(aby, -ey * abx, -r * len, r * len);
    if (bandLo <= bandHi) {
      lo = std::min(lo, bandLo);
      hi = std::max(hi, bandHi);
    }
  } else if (len > 0 && std::fabs(static_cast<double>(y) - a.y) <= r) {
    lo = std::min(lo, static_cast<double>(std::min(a.x, b.x)));
    hi = std::max(hi, static_cast<double>(std::max(a.x, b.x)));
  }
  return {lo, hi};
}

}  // namespace

CapsuleRow CapsuleRowSpan(Point a, Point b, int width, int y) {
  const auto [lo, hi] = EstimateCapsuleRow(a, b, width / 2.0, y);
  if (!(lo <= hi)) return {};
  const std::int64_t w2 = std::int64_t{width} * width;
  std::int64_t x0 = static_cast<std::int64_t>(std::floor(lo));
  std::int64_t x1 = static_cast<std::int64_t>(std::ceil(hi));
  while (x0 <= x1 && !WithinCapsule(a, b, w2, x0, y)) ++x0;
  if (x0 > x1) return {};
  while (WithinCapsule(a, b, w2, x0 - 1, y)) --x0;
  while (!WithinCapsule(a, b, w2, x1, y)) --x1;
  while (WithinCapsule(a, b, w2, x1 + 1, y)) ++x1;  // the estimate is made exact
  return {true, static_cast<int>(x0), static_cast<int>(x1)};
}

}  // namespace pixmint::raster
