#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "raster/colour.h"

namespace pixmint::raster {

// Bytes of one pixel: blue, green, red, alpha.
inline constexpr int kPixelBytes = 4;
inline constexpr std::uint8_t kOpaque = 255;

// A picture that carries each pixel's transparency beside its colour: rows
// top-down, four bytes a pixel (blue, green, red, alpha; alpha 255 is opaque,
// 0 transparent). Every working picture of the editor is one of these.
//
// In an image whose mask decides (1 to 24 bits) alpha is 0 or 255, and a
// pixel of alpha 0 keeps the colour the mask shows it with: black is plain
// transparency and, in a cursor, white inverts the screen (see Transparency).
class Picture {
 public:
  Picture() = default;
  // Every pixel transparent.
  Picture(int width, int height);
  // Every pixel the opaque colour.
  Picture(int width, int height, Colour fill);

  [[nodiscard]] int Width() const { return width_; }
  [[nodiscard]] int Height() const { return height_; }
  [[nodiscard]] int Stride() const { return width_ * kPixelBytes; }
  [[nodiscard]] bool Empty() const { return width_ <= 0 || height_ <= 0; }
  [[nodiscard]] Rect Bounds() const { return {0, 0, width_, height_}; }

  // Changes the size; the overlapping top-left part keeps its pixels and new
  // pixels are transparent. Negative sizes count as 0.
  void Resize(int width, int height);

  // Direct row access, row 0 at the top. y must be in range.
  [[nodiscard]] std::uint8_t* Row(int y) { return data_.data() + static_cast<std::size_t>(y) * Stride(); }
  [[nodiscard]] const std::uint8_t* Row(int y) const { return data_.data() + static_cast<std::size_t>(y) * Stride(); }
  [[nodiscard]] std::uint8_t* At(int x, int y) { return Row(y) + static_cast<std::size_t>(x) * kPixelBytes; }
  [[nodiscard]] const std::uint8_t* At(int x, int y) const {
    return Row(y) + static_cast<std::size_t>(x) * kPixelBytes;
  }
  [[nodiscard]] std::span<std::uint8_t> Bytes() { return data_; }
  [[nodiscard]] std::span<const std::uint8_t> Bytes() const { return data_; }

  [[nodiscard]] bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  // The colour bytes; outside the picture: kInvalidColour.
  [[nodiscard]] Colour Pixel(int x, int y) const;
  // Outside the picture: 0.
  [[nodiscard]] std::uint8_t Alpha(int x, int y) const;
  // Outside the picture: nothing.
  void SetPixel(int x, int y, Colour c, std::uint8_t alpha = kOpaque);

  // Opaque colour; clipped to the picture.
  void Fill(Colour c);
  void FillRect(Rect r, Colour c, std::uint8_t alpha = kOpaque);
  // Transparent (all four bytes 0).
  void Clear();
  void ClearRect(Rect r);
  // Copies src's rectangle 1:1 so that its top-left lands at dst; clipped to
  // both pictures. src may be *this only when the areas do not overlap.
  void CopyFrom(const Picture& src, Rect srcRect, Point dst);
  // True when no pixel has alpha below 255.
  [[nodiscard]] bool Opaque() const;

  friend bool operator==(const Picture& a, const Picture& b) = default;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<std::uint8_t> data_;
};

// What transparency the pixels of a picture stand for: partial alpha (a
// 32-bit image), or only whole transparency through the mask; and whether a
// transparent white pixel is the mask's screen-inverting pixel (a cursor
// image whose mask decides).
struct Transparency {
  bool partial = true;
  bool inverting = false;
};

// A pixel (four bytes) that inverts the screen where the picture can hold one.
[[nodiscard]] constexpr bool IsInverting(const std::uint8_t* p, Transparency t) {
  return t.inverting && p[3] == 0 && p[0] == 255 && p[1] == 255 && p[2] == 255;
}
// A pixel that shows nothing at all.
[[nodiscard]] constexpr bool IsClear(const std::uint8_t* p, Transparency t) {
  return p[3] == 0 && !IsInverting(p, t);
}

}  // namespace pixmint::raster
