#include "raster/stretch.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "raster/composite.h"

namespace pixmint::raster {

namespace {

// Source index for destination index i of an axis: the source pixel under the
// destination pixel's centre. 64-bit so that huge rectangles cannot overflow.
int SourceIndex(std::int64_t i, std::int64_t srcStart, std::int64_t srcExtent, std::int64_t dstExtent) {
  return static_cast<int>(srcStart + ((2 * i + 1) * srcExtent) / (2 * dstExtent));
}

}  // namespace

void StretchCopy(Picture& dst, Rect dstRect, const Picture& src, Rect srcRect) {
  if (dstRect.Empty() || srcRect.Empty()) return;
  const int x0 = std::max(dstRect.left, 0);
  const int x1 = std::min(dstRect.right, dst.Width());
  const int y0 = std::max(dstRect.top, 0);
  const int y1 = std::min(dstRect.bottom, dst.Height());
  if (x0 >= x1 || y0 >= y1) return;
  // Columns are the same for every row: work them out once. -1 marks a
  // column whose source pixel lies outside the source picture.
  std::vector<int> columns(static_cast<std::size_t>(x1 - x0));
  for (int x = x0; x < x1; ++x) {
    const int sx = SourceIndex(x - std::int64_t{dstRect.left}, srcRect.left, srcRect.Width(), dstRect.Width());
    columns[x - x0] = (sx >= 0 && sx < src.Width()) ? sx : -1;
  }
  // Same width and every column inside the source: each row is one block copy.
  const bool identity =
      srcRect.Width() == dstRect.Width() && std::find(columns.begin(), columns.end(), -1) == columns.end();
  int previousSy = -1;
  for (int y = y0; y < y1; ++y) {
    const int sy = SourceIndex(y - std::int64_t{dstRect.top}, srcRect.top, srcRect.Height(), dstRect.Height());
    if (sy < 0 || sy >= src.Height()) continue;
    std::uint8_t* out = dst.At(x0, y);
    const auto rowBytes = static_cast<std::size_t>(x1 - x0) * kPixelBytes;
    if (sy == previousSy && y > y0) {  // a repeated source row: copy the row just made
      std::memcpy(out, dst.At(x0, y - 1), rowBytes);
      continue;
    }
    previousSy = sy;
    if (identity) {
      std::memmove(out, src.At(columns[0], sy), rowBytes);
      continue;
    }
    for (int x = x0; x < x1; ++x, out += kPixelBytes) {
      const int sx = columns[x - x0];
      if (sx >= 0) std::memcpy(out, src.At(sx, sy), kPixelBytes);
    }
  }
}

void ZoomCopy(Picture& view, const Picture& src, int zoom, Rect srcArea, Transparency holds) {
  if (zoom < 1) return;
  srcArea.left = std::max(srcArea.left, 0);
  srcArea.top = std::max(srcArea.top, 0);
  srcArea.right = std::min(srcArea.right, src.Width());
  srcArea.bottom = std::min(srcArea.bottom, src.Height());
  if (srcArea.Empty()) return;
  const std::int64_t z = zoom;
  const auto clampView = [](std::int64_t v, int limit) {
    return static_cast<int>(std::clamp<std::int64_t>(v, 0, limit));
  };
  const int vx0 = clampView(srcArea.left * z, view.Width());
  const int vx1 = clampView(srcArea.right * z, view.Width());
  const int vy0 = clampView(srcArea.top * z, view.Height());
  const int vy1 = clampView(srcArea.bottom * z, view.Height());
  if (vx0 >= vx1 || vy0 >= vy1) return;
  const std::size_t rowBytes = static_cast<std::size_t>(vx1 - vx0) * kPixelBytes;
  for (int vy = vy0; vy < vy1; ++vy) {
    std::uint8_t* out = view.At(vx0, vy);
    if (vy % zoom != 0 && vy > vy0) {  // every row of a block is the same
      std::memcpy(out, view.At(vx0, vy - 1), rowBytes);
      continue;
    }
    int vx = vx0;
    while (vx < vx1) {
      const int sx = vx / zoom;
      const int blockEnd = std::min(vx1, static_cast<int>((sx + 1) * z));
      const std::uint8_t* px = src.At(sx, vy / zoom);
      std::uint8_t shown[kPixelBytes] = {px[0], px[1], px[2], kOpaque};
      if (px[3] != kOpaque) {
        const Colour c = DisplayColour(px, holds);
        shown[0] = Blue(c), shown[1] = Green(c), shown[2] = Red(c);
      }
      for (; vx < blockEnd; ++vx, out += kPixelBytes) std::memcpy(out, shown, kPixelBytes);
    }
  }
}

}  // namespace pixmint::raster
