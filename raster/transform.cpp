#include "raster/transform.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

namespace pixmint::raster {

namespace {

// Builds the W' x H' result by asking, for every new pixel, which old pixel it
// takes; then the picture becomes the result. Rows are reached directly.
template <typename SourceOf>
void Remap(Picture& picture, int newWidth, int newHeight, SourceOf sourceOf) {
  Picture result(newWidth, newHeight);
  for (int y = 0; y < newHeight; ++y) {
    std::uint8_t* out = result.Row(y);
    for (int x = 0; x < newWidth; ++x, out += kPixelBytes) {
      const auto [sx, sy] = sourceOf(x, y);
      std::memcpy(out, picture.At(sx, sy), kPixelBytes);
    }
  }
  picture = std::move(result);
}

}  // namespace

void FlipHorizontal(Picture& picture) {
  const int w = picture.Width();
  for (int y = 0; y < picture.Height(); ++y) {
    std::uint8_t* row = picture.Row(y);
    for (int x = 0; x < w / 2; ++x) {
      std::swap_ranges(row + x * kPixelBytes, row + (x + 1) * kPixelBytes, row + (w - 1 - x) * kPixelBytes);
    }
  }
}

void FlipVertical(Picture& picture) {
  const int h = picture.Height();
  const std::size_t bytes = static_cast<std::size_t>(picture.Width()) * kPixelBytes;
  for (int y = 0; y < h / 2; ++y) std::swap_ranges(picture.Row(y), picture.Row(y) + bytes, picture.Row(h - 1 - y));
}

void Rotate90(Picture& picture) {
  const int h = picture.Height();
  Remap(picture, h, picture.Width(), [h](int x, int y) { return std::pair{y, h - 1 - x}; });
}

void Rotate180(Picture& picture) {
  FlipHorizontal(picture);
  FlipVertical(picture);
}

void Rotate270(Picture& picture) {
  const int w = picture.Width();
  Remap(picture, picture.Height(), w, [w](int x, int y) { return std::pair{w - 1 - y, x}; });
}

void RotateBy(Picture& picture, int degrees) {
  if (degrees < 1 || degrees > 359) return;
  if (degrees == 90) return Rotate90(picture);
  if (degrees == 180) return Rotate180(picture);
  if (degrees == 270) return Rotate270(picture);
  if (degrees > 270) {
    Rotate270(picture);
    degrees -= 270;
  } else if (degrees > 180) {
    Rotate180(picture);
    degrees -= 180;
  } else if (degrees > 90) {
    Rotate90(picture);
    degrees -= 90;
  }
  // The divisor 57.325 (not 180 / pi) and angle, cosine and sine held as
  // 32-bit floats are part of the result: pictures rotated earlier must come
  // out pixel for pixel the same. Products and sums are formed in double
  // precision from those stored values, then truncated toward zero.
  const float theta = static_cast<float>(degrees / 57.325);
  const double c = static_cast<float>(std::cos(static_cast<double>(theta)));
  const double s = static_cast<float>(std::sin(static_cast<double>(theta)));
  const int w = picture.Width();
  const int h = picture.Height();
  const int xs[3] = {static_cast<int>(-h * s), static_cast<int>(w * c - h * s), static_cast<int>(w * c)};
  const int ys[3] = {static_cast<int>(h * c), static_cast<int>(h * c + w * s), static_cast<int>(w * s)};
  const int minX = std::min({0, xs[0], xs[1], xs[2]});
  const int minY = std::min({0, ys[0], ys[1], ys[2]});
  const int maxX = std::max({xs[0], xs[1], xs[2]});
  const int maxY = std::max({ys[0], ys[1], ys[2]});
  // A very small picture can truncate to no extent at all; keep at least one
  // pixel so that a rotated selection never vanishes.
  const int newWidth = std::max(maxX - minX, w > 0 ? 1 : 0);
  const int newHeight = std::max(maxY - minY, h > 0 ? 1 : 0);
  Picture result(newWidth, newHeight);
  for (int y = minY; y < minY + newHeight; ++y) {
    std::uint8_t* out = result.Row(y - minY);
    for (int x = minX; x < minX + newWidth; ++x, out += kPixelBytes) {
      const int sx = static_cast<int>(x * c + y * s);
      const int sy = static_cast<int>(y * c - x * s);
      if (sx >= 0 && sx < w && sy >= 0 && sy < h) std::memcpy(out, picture.At(sx, sy), kPixelBytes);
    }
  }
  picture = std::move(result);
}

}  // namespace pixmint::raster
