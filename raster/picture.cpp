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
  std::vector<std::uint8_t> data(static_cast<std::size_t>(width) * kPixelBytes * height, 0);
  const int keepRows = std::min(width, width_) > 0 ? std::min(height, height_) : 0;
  const auto keepBytes = static_cast<std::size_t>(std::min(width, width_)) * kPixelBytes;
  const auto stride = static_cast<std::size_t>(width) * kPixelBytes;
  for (int y = 0; y < keepRows; ++y) std::memcpy(data.data() + y * stride, Row(y), keepBytes);
  width_ = width;
  height_ = height;
  data_ = std::move(data);
}

Colour Picture::Pixel(int x, int y) const {
  if (!Contains(x, y)) return kInvalidColour;
  const std::uint8_t* p = At(x, y);
  return Rgb(p[2], p[1], p[0]);
}

std::uint8_t Picture::Alpha(int x, int y) const {
  return Contains(x, y) ? At(x, y)[3] : 0;
}

void Picture::SetPixel(int x, int y, Colour c, std::uint8_t alpha) {
  if (!Contains(x, y)) return;
  std::uint8_t* p = At(x, y);
  p[0] = Blue(c);
  p[1] = Green(c);
  p[2] = Red(c);
  p[3] = alpha;
}

void Picture::Fill(Colour c) {
  FillRect(Bounds(), c);
}

void Picture::FillRect(Rect r, Colour c, std::uint8_t alpha) {
  r.left = std::max(r.left, 0);
  r.top = std::max(r.top, 0);
  r.right = std::min(r.right, width_);
  r.bottom = std::min(r.bottom, height_);
  if (r.Empty()) return;
  const std::uint8_t px[kPixelBytes] = {Blue(c), Green(c), Red(c), alpha};
  // Fill the first row, then copy it: rows are the unit of direct access.
  std::uint8_t* first = At(r.left, r.top);
  for (int x = 0; x < r.Width(); ++x) std::memcpy(first + x * kPixelBytes, px, kPixelBytes);
  const auto bytes = static_cast<std::size_t>(r.Width()) * kPixelBytes;
  for (int y = r.top + 1; y < r.bottom; ++y) std::memcpy(At(r.left, y), first, bytes);
}

void Picture::Clear() {
  std::fill(data_.begin(), data_.end(), std::uint8_t{0});
}

void Picture::ClearRect(Rect r) {
  FillRect(r, 0, 0);
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
  const auto bytes = static_cast<std::size_t>(srcRect.Width()) * kPixelBytes;
  for (int y = 0; y < srcRect.Height(); ++y) {
    std::memmove(At(dst.x, dst.y + y), src.At(srcRect.left, srcRect.top + y), bytes);
  }
}

bool Picture::Opaque() const {
  for (std::size_t i = 3; i < data_.size(); i += kPixelBytes) {
    if (data_[i] != kOpaque) return false;
  }
  return true;
}

}  // namespace pixmint::raster
