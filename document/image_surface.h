#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "raster/colour.h"
#include "raster/picture.h"

namespace pixmint::document {

// The live colour pixels of one image in its own depth, with the row layout
// of the raw block (bottom row first, rows padded to 4 bytes) so that bytes
// move between the two in one copy. Coordinates are counted from the top.
class ImageSurface {
 public:
  ImageSurface() = default;
  // table holds 4-byte entries (blue, green, red, 0); only 1, 4 and 8 bits use it.
  ImageSurface(int width, int height, int bitCount, std::span<const std::uint8_t> table = {});

  [[nodiscard]] int Width() const { return width_; }
  [[nodiscard]] int Height() const { return height_; }
  [[nodiscard]] int BitCount() const { return bitCount_; }
  [[nodiscard]] std::size_t Stride() const { return stride_; }
  [[nodiscard]] std::span<std::uint8_t> Bits() { return bits_; }
  [[nodiscard]] std::span<const std::uint8_t> Bits() const { return bits_; }
  [[nodiscard]] std::span<const raster::Colour> Table() const { return table_; }
  // Row y counted from the top, as stored (y must be in range).
  [[nodiscard]] std::uint8_t* RowBits(int y) { return bits_.data() + RowOffset(y); }

  // The colour shown at (x, y) (for 32 bits without its alpha); outside:
  // raster::kInvalidColour.
  [[nodiscard]] raster::Colour GetPixel(int x, int y) const;
  // Stores c in the surface's depth: nearest table entry for 1, 4 and 8
  // bits, 5-5-5 for 16 bits, the colour itself for 24 and 32 bits (alpha 0).
  // Outside: nothing.
  void SetPixel(int x, int y, raster::Colour c);
  // The stored value: a table index, the 5-5-5 word, 0x00RRGGBB or 0xAARRGGBB.
  [[nodiscard]] std::uint32_t GetRaw(int x, int y) const;
  void SetRaw(int x, int y, std::uint32_t value);
  // Alpha byte of a 32-bit pixel (0 for other depths or outside).
  [[nodiscard]] std::uint8_t Alpha(int x, int y) const;
  void Fill(raster::Colour c);
  // The surface as a 24-bit picture.
  [[nodiscard]] raster::Picture ToPicture() const;

  // Index of the nearest table entry (first of equals), with a one-entry cache.
  [[nodiscard]] std::uint32_t IndexOf(raster::Colour c) const;

 private:
  [[nodiscard]] std::size_t RowOffset(int y) const { return static_cast<std::size_t>(height_ - 1 - y) * stride_; }

  int width_ = 0;
  int height_ = 0;
  int bitCount_ = 0;
  std::size_t stride_ = 0;
  std::vector<std::uint8_t> bits_;
  std::vector<raster::Colour> table_;
  mutable raster::Colour cachedColour_ = raster::kInvalidColour;
  mutable std::uint32_t cachedIndex_ = 0;
};

// The 1-bit mask of one image: bottom-up rows padded to 4 bytes, most
// significant bit first, 1 = transparent (shown as white), 0 = opaque (black).
class MaskSurface {
 public:
  MaskSurface() = default;
  MaskSurface(int width, int height);

  [[nodiscard]] int Width() const { return width_; }
  [[nodiscard]] int Height() const { return height_; }
  [[nodiscard]] std::size_t Stride() const { return stride_; }
  [[nodiscard]] std::span<std::uint8_t> Bits() { return bits_; }
  [[nodiscard]] std::span<const std::uint8_t> Bits() const { return bits_; }
  // Row y counted from the top, as stored (y must be in range).
  [[nodiscard]] std::uint8_t* RowBits(int y) {
    return bits_.data() + static_cast<std::size_t>(height_ - 1 - y) * stride_;
  }

  // Outside: false.
  [[nodiscard]] bool Get(int x, int y) const;
  // Outside: nothing.
  void Set(int x, int y, bool transparent);
  void Fill(bool transparent);
  // As a drawable: white for 1, black for 0; storing a colour sets the bit
  // when it is nearer to white than to black.
  [[nodiscard]] raster::Colour GetPixel(int x, int y) const;
  void SetPixel(int x, int y, raster::Colour c);

 private:
  int width_ = 0;
  int height_ = 0;
  std::size_t stride_ = 0;
  std::vector<std::uint8_t> bits_;
};

// Nearest-pixel stretching copies of the whole source onto the whole target.
// Colours are mapped into the target's depth (nearest table entry for 1, 4 and
// 8 bits); between two 32-bit surfaces the alpha byte is copied, into 32 bits
// from another depth it is 0.
void StretchCopy(const ImageSurface& src, ImageSurface& dst);
void StretchCopy(const MaskSurface& src, MaskSurface& dst);
void StretchCopy(const raster::Picture& src, ImageSurface& dst);
void StretchCopy(const ImageSurface& src, raster::Picture& dst);

// What an icon handle does: draws an image over a background. The colour
// surface and the mask are combined the classic way (background AND mask,
// then XOR colour), so a set mask bit over white inverts the background. With
// useAlpha a 32-bit image whose alpha bytes are not all 0 is blended by its
// alpha instead (alpha 0 leaves the background). The image is scaled
// (nearest pixel) to fill target, clipped to the picture.
class IconDrawing {
 public:
  IconDrawing(const ImageSurface& colour, const MaskSurface& mask) : colour_(&colour), mask_(&mask) {}
  [[nodiscard]] int Width() const { return colour_->Width(); }
  [[nodiscard]] int Height() const { return colour_->Height(); }
  void Draw(raster::Picture& background, raster::Rect target, bool useAlpha = false) const;
  void Draw(raster::Picture& background, raster::Point at, bool useAlpha = false) const;

 private:
  const ImageSurface* colour_;
  const MaskSurface* mask_;
};

// True when any alpha byte of a 32-bit surface is non-zero.
[[nodiscard]] bool HasAlpha(const ImageSurface& surface);

}  // namespace pixmint::document
