#include "raster/grid.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace pixmint::raster {

namespace {

// Clamps a 64-bit view coordinate into [lo, hi].
int ClampTo(std::int64_t v, int lo, int hi) {
  return static_cast<int>(std::clamp<std::int64_t>(v, lo, hi));
}

}  // namespace

void DrawGrid(Picture& view, int w, int h, int zoom) {
  DrawGrid(view, w, h, zoom, view.Bounds());
}

void DrawGrid(Picture& view, int w, int h, int zoom, Rect clip) {
  if (zoom < 3 || w < 1 || h < 1) return;
  const int x0 = std::max(clip.left, 0);
  const int y0 = std::max(clip.top, 0);
  const int x1 = std::min(clip.right, view.Width());
  const int y1 = std::min(clip.bottom, view.Height());
  if (x0 >= x1 || y0 >= y1) return;
  const std::int64_t z = zoom;
  // Every line runs from 0 to w * zoom (or h * zoom), its end point left out,
  // and the alternate pen sets the line's pixels 0, 2, 4, ...: on a vertical
  // line the even rows, on a horizontal one the even columns.
  const int lineBottom = ClampTo(h * z, y0, y1);
  const int lineRight = ClampTo(w * z, x0, x1);
  const int firstColumn = ClampTo((x0 + z - 1) / z, 0, w);
  const int firstRow = ClampTo((y0 + z - 1) / z, 0, h);
  const std::uint8_t px[kPixelBytes] = {Blue(kGridColour), Green(kGridColour), Red(kGridColour), kOpaque};
  for (int i = firstColumn; i < w && i * z < x1; ++i) {
    const int x = static_cast<int>(i * z);
    for (int y = y0 + (y0 & 1); y < lineBottom; y += 2) std::copy(px, px + kPixelBytes, view.At(x, y));
  }
  for (int j = firstRow; j < h && j * z < y1; ++j) {
    const int y = static_cast<int>(j * z);
    for (int x = x0 + (x0 & 1); x < lineRight; x += 2) std::copy(px, px + kPixelBytes, view.At(x, y));
  }
}

void DrawSelectionFrame(Canvas& canvas, Rect rect) {
  const int l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
  canvas.pen().style = PenStyle::kDot;
  canvas.pen().width = 1;
  canvas.brush() = Brush{false, Rgb(255, 255, 255)};
  const Point frame[5] = {{l + 1, t + 1}, {l + 1, b - 1}, {r - 1, b - 1}, {r - 1, t + 1}, {l + 1, t + 1}};
  canvas.Polyline(frame);
  canvas.pen().style = PenStyle::kSolid;
  const int mx = l + (r - l) / 2;
  const int my = t + (b - t) / 2;
  const Point handles[8] = {{l, t}, {l, my}, {l, b}, {mx, b}, {r, b}, {r, my}, {r, t}, {mx, t}};
  for (const Point c : handles) canvas.Rectangle(c.x - 3, c.y - 3, c.x + 3, c.y + 3);
}

HandleEdges EdgesOf(FrameHandle handle) {
  using enum FrameHandle;
  switch (handle) {
    case kInside:
      return {0, 0, true};
    case kTop:
      return {0, -1};
    case kBottom:
      return {0, 1};
    case kLeft:
      return {-1, 0};
    case kRight:
      return {1, 0};
    case kTopLeft:
      return {-1, -1};
    case kBottomLeft:
      return {-1, 1};
    case kTopRight:
      return {1, -1};
    case kBottomRight:
      return {1, 1};
    case kOutside:
      break;
  }
  return {};
}

FrameHandle HitTestFrame(Rect rect, int x, int y) {
  const auto near = [](long long a, long long b) { return std::llabs(a - b) < 5; };
  const long long l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
  if (near(x, l) && near(y, t)) return FrameHandle::kTopLeft;
  if (near(x, l) && near(y, b)) return FrameHandle::kBottomLeft;
  if (near(y, t) && near(x, r)) return FrameHandle::kTopRight;
  if (near(y, b) && near(x, r)) return FrameHandle::kBottomRight;
  // The middles are tested in floating point, so an odd extent's half is x.5.
  const bool midX = std::fabs(static_cast<double>(x - l) - static_cast<double>(r - l) / 2.0) < 5.0;
  const bool midY = std::fabs(static_cast<double>(y - t) - static_cast<double>(b - t) / 2.0) < 5.0;
  if (midX && near(y, t)) return FrameHandle::kTop;
  if (midX && near(y, b)) return FrameHandle::kBottom;
  if (midY && near(x, l)) return FrameHandle::kLeft;
  if (midY && near(x, r)) return FrameHandle::kRight;
  if (x >= l - 5 && y >= t - 5 && x < r + 5 && y < b + 5) return FrameHandle::kInside;
  return FrameHandle::kOutside;
}

}  // namespace pixmint::raster
