#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "raster/colour.h"

namespace pixmint::raster {

// A 24-bit picture: rows top-down, three bytes per pixel in the order blue,
// green, red, each row padded to a multiple of four bytes. Every working
// picture of the editor is one of these.
class Picture {
 public:
  Picture() = default;
  Picture(int width, int height);
  Picture(int width, int height, Colour fill);

  [[nodiscard]] int Width() const { return width_; }
  [[nodiscard]] int Height() const { return height_; }
  [[nodiscard]] int Stride() const { return stride_; }
  [[nodiscard]] bool Empty() const { return width_ <= 0 || height_ <= 0; }
  [[nodiscard]] Rect Bounds() const { return {0, 0, width_, height_}; }

  // Changes the size; the overlapping top-left part keeps its pixels and new
  // pixels are black. Negative sizes count as 0.
  void Resize(int width, int height);

  // Direct row access, row 0 at the top. y must be in range.
  [[nodiscard]] std::uint8_t* Row(int y) { return data_.data() + static_cast<std::size_t>(y) * stride_; }
  [[nodiscard]] const std::uint8_t* Row(int y) const { return data_.data() + static_cast<std::size_t>(y) * stride_; }
  [[nodiscard]] std::span<std::uint8_t> Bytes() { return data_; }
  [[nodiscard]] std::span<const std::uint8_t> Bytes() const { return data_; }

  [[nodiscard]] bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  // Outside the picture: kInvalidColour.
  [[nodiscard]] Colour Pixel(int x, int y) const;
  // Outside the picture: nothing.
  void SetPixel(int x, int y, Colour c);

  void Fill(Colour c);
  // Clipped to the picture.
  void FillRect(Rect r, Colour c);
  // Copies src's rectangle 1:1 so that its top-left lands at dst; clipped to
  // both pictures. src may be *this only when the areas do not overlap.
  void CopyFrom(const Picture& src, Rect srcRect, Point dst);

  friend bool operator==(const Picture& a, const Picture& b);

 private:
  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
  std::vector<std::uint8_t> data_;
};

[[nodiscard]] constexpr int PictureStride(int width) {
  return ((width * 24 + 31) >> 5) << 2;
}

}  // namespace pixmint::raster
