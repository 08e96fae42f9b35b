#include "raster/picture.h"

#include <algorithm>
#include <cstring>

namespace pixmint::raster {

namespace {
MarkerColours gMarkers;
}  // namespace

const MarkerColours& Markers() {
  return gMarkers;
}
void SetMarkers(const MarkerColours& markers) {
  gMarkers = markers;
}

Picture::Picture(int width, int height) {
  Resize(width, height);
}

Picture::Picture(int width, int height, Colour fill) : Picture(width, height) {
  Fill(fill);
}

void Picture::Resize(int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  if (width == width_ && height == height_) return;
  const int stride = PictureStride(width);
  std::vector<std::uint8_t> data(static_cast<std::size_t>(stride) * height, 0);
  const int keepRows = std::min(width, width_) > 0 ? std::min(height, height_) : 0;
  const int keepBytes = std::min(width, width_) * 3;
  for (int y = 0; y < keepRows; ++y) {
    std::memcpy(data.data() + static_cast<std::size_t>(y) * stride, Row(y), keepBytes);
  }
  width_ = width;
  height_ = height;
  stride_ = stride;
  data_ = std::move(data);
}

Colour Picture::Pixel(int x, int y) const {
  if (!Contains(x, y)) return kInvalidColour;
  const std::uint8_t* p = Row(y) + x * 3;
  return Rgb(p[2], p[1], p[0]);
}

void Picture::SetPixel(int x, int y, Colour c) {
  if (!Contains(x, y)) return;
  std::uint8_t* p = Row(y) + x * 3;
  p[0] = Blue(c);
  p[1] = Green(c);
  p[2] = Red(c);
}

void Picture::Fill(Colour c) {
  FillRect(Bounds(), c);
}

void Picture::FillRect(Rect r, Colour c) {
  r.left = std::max(r.left, 0);
  r.top = std::max(r.top, 0);
  r.right = std::min(r.right, width_);
  r.bottom = std::min(r.bottom, height_);
  if (r.Empty()) return;
  const std::uint8_t px[3] = {Blue(c), Green(c), Red(c)};
  // Fill the first row, then copy it: rows are the unit of direct access.
  std::uint8_t* first = Row(r.top) + r.left * 3;
  for (int x = 0; x < r.Width(); ++x) std::memcpy(first + x * 3, px, 3);
  for (int y = r.top + 1; y < r.bottom; ++y) std::memcpy(Row(y) + r.left * 3, first, r.Width() * 3);
}

void Picture::CopyFrom(const Picture& src, Rect srcRect, Point dst) {
  // Clip the source rectangle to the source, moving the destination along.
  if (srcRect.left < 0) {
    dst.x -= srcRect.left;
    srcRect.left = 0;
  }
  if (srcRect.top < 0) {
    dst.y -= srcRect.top;
    srcRect.top = 0;
  }
  srcRect.right = std::min(srcRect.right, src.width_);
  srcRect.bottom = std::min(srcRect.bottom, src.height_);
  // Then to the destination.
  if (dst.x < 0) {
    srcRect.left -= dst.x;
    dst.x = 0;
  }
  if (dst.y < 0) {
    srcRect.top -= dst.y;
    dst.y = 0;
  }
  srcRect.right = std::min(srcRect.right, srcRect.left + (width_ - dst.x));
  srcRect.bottom = std::min(srcRect.bottom, srcRect.top + (height_ - dst.y));
  if (srcRect.Empty()) return;
  const std::size_t bytes = static_cast<std::size_t>(srcRect.Width()) * 3;
  for (int y = 0; y < srcRect.Height(); ++y) {
    std::memmove(Row(dst.y + y) + dst.x * 3, src.Row(srcRect.top + y) + srcRect.left * 3, bytes);
  }
}

bool operator==(const Picture& a, const Picture& b) {
  if (a.width_ != b.width_ || a.height_ != b.height_) return false;
  const std::size_t bytes = static_cast<std::size_t>(a.width_) * 3;
  for (int y = 0; y < a.height_; ++y) {
    if (std::memcmp(a.Row(y), b.Row(y), bytes) != 0) return false;
  }
  return true;
}

}  // namespace pixmint::raster
