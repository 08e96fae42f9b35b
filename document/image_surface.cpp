#include "document/image_surface.h"

#include <algorithm>
#include <array>

#include "document/icon_image.h"
#include "document/pixel_look.h"
#include "raster/canvas.h"

namespace pixmint::document {
namespace {

[[nodiscard]] std::uint32_t ToRgbWord(raster::Colour c) {
  return (std::uint32_t{raster::Red(c)} << 16) | (std::uint32_t{raster::Green(c)} << 8) | raster::Blue(c);
}
[[nodiscard]] raster::Colour FromRgbWord(std::uint32_t v) {
  return raster::Rgb(static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 8),
                     static_cast<std::uint8_t>(v));
}

// A 5-bit channel (the low five bits of v) as eight bits: the top bits repeat
// in the low ones, so 31 is full intensity 255 and 0 stays 0.
[[nodiscard]] std::uint8_t Expand5(std::uint32_t v) {
  const std::uint32_t five = v & 31;
  return static_cast<std::uint8_t>((five << 3) | (five >> 2));
}

// Source coordinate of a nearest-pixel stretch; 64-bit so sizes never overflow.
[[nodiscard]] int Scale(int d, int dstSize, int srcSize) {
  return static_cast<int>(static_cast<std::int64_t>(d) * srcSize / dstSize);
}

}  // namespace

ImageSurface::ImageSurface(int width, int height, int bitCount, std::span<const std::uint8_t> table)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), bitCount_(bitCount) {
  stride_ = static_cast<std::size_t>(RowBytes(static_cast<std::uint64_t>(width_) * static_cast<unsigned>(bitCount)));
  bits_.assign(stride_ * static_cast<std::size_t>(height_), 0);
  if (bitCount <= 8) table_ = TableColours(table);
}

std::uint32_t ImageSurface::GetRaw(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  const std::uint8_t* row = bits_.data() + RowOffset(y);
  switch (bitCount_) {
    case 1:
      return (row[x >> 3] >> (7 - (x & 7))) & 1u;
    case 4:
      return (x & 1) ? (row[x >> 1] & 0x0Fu) : (row[x >> 1] >> 4);
    case 8:
      return row[x];
    case 16:
      return row[2 * x] | (std::uint32_t{row[2 * x + 1]} << 8);
    case 24:
      return row[3 * x] | (std::uint32_t{row[3 * x + 1]} << 8) | (std::uint32_t{row[3 * x + 2]} << 16);
    case 32:
      return row[4 * x] | (std::uint32_t{row[4 * x + 1]} << 8) | (std::uint32_t{row[4 * x + 2]} << 16) |
             (std::uint32_t{row[4 * x + 3]} << 24);
    default:
      return 0;
  }
}

void ImageSurface::SetRaw(int x, int y, std::uint32_t v) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  std::uint8_t* row = bits_.data() + RowOffset(y);
  switch (bitCount_) {
    case 1: {
      const auto bit = static_cast<std::uint8_t>(0x80 >> (x & 7));
      row[x >> 3] = static_cast<std::uint8_t>((v & 1) ? (row[x >> 3] | bit) : (row[x >> 3] & ~bit));
      break;
    }
    case 4: {
      std::uint8_t& b = row[x >> 1];
      b = static_cast<std::uint8_t>((x & 1) ? ((b & 0xF0) | (v & 0x0F)) : ((b & 0x0F) | ((v & 0x0F) << 4)));
      break;
    }
    case 8:
      row[x] = static_cast<std::uint8_t>(v);
      break;
    default:
      for (int k = 0; k < bitCount_ / 8; ++k) row[x * (bitCount_ / 8) + k] = static_cast<std::uint8_t>(v >> (8 * k));
      break;
  }
}

std::uint32_t ImageSurface::IndexOf(raster::Colour c) const {
  if (table_.empty()) return 0;
  if (c != cachedColour_) {
    cachedColour_ = c;
    cachedIndex_ = static_cast<std::uint32_t>(raster::NearestColourIndex(c, table_));
  }
  return cachedIndex_;
}

raster::Colour ImageSurface::GetPixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return raster::kInvalidColour;
  const std::uint32_t v = GetRaw(x, y);
  switch (bitCount_) {
    case 1:
    case 4:
    case 8:
      return v < table_.size() ? table_[v] : raster::Rgb(0, 0, 0);
    case 16:
      return raster::Rgb(Expand5(v >> 10), Expand5(v >> 5), Expand5(v));
    default:
      return FromRgbWord(v);
  }
}

void ImageSurface::SetPixel(int x, int y, raster::Colour c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  switch (bitCount_) {
    case 1:
    case 4:
    case 8:
      SetRaw(x, y, IndexOf(c));
      break;
    case 16:
      SetRaw(x, y,
             ((std::uint32_t{raster::Red(c)} >> 3) << 10) | ((std::uint32_t{raster::Green(c)} >> 3) << 5) |
                 (std::uint32_t{raster::Blue(c)} >> 3));
      break;
    default:
      SetRaw(x, y, ToRgbWord(c));
      break;
  }
}

std::uint8_t ImageSurface::Alpha(int x, int y) const {
  return bitCount_ == 32 ? static_cast<std::uint8_t>(GetRaw(x, y) >> 24) : 0;
}

void ImageSurface::Fill(raster::Colour c) {
  if (width_ == 0 || height_ == 0) return;
  // Fill the top row pixel by pixel, then copy it: every row is laid out alike.
  SetPixel(0, 0, c);
  const std::uint32_t v = GetRaw(0, 0);
  for (int x = 1; x < width_; ++x) SetRaw(x, 0, v);
  const auto top = bits_.begin() + static_cast<std::ptrdiff_t>(RowOffset(0));
  for (int y = 1; y < height_; ++y) {
    std::copy(top, top + static_cast<std::ptrdiff_t>(stride_),
              bits_.begin() + static_cast<std::ptrdiff_t>(RowOffset(y)));
  }
}

raster::Picture ImageSurface::ToPicture() const {
  raster::Picture picture(width_, height_);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) picture.SetPixel(x, y, GetPixel(x, y));
  }
  return picture;
}

MaskSurface::MaskSurface(int width, int height) : width_(std::max(width, 0)), height_(std::max(height, 0)) {
  stride_ = static_cast<std::size_t>(RowBytes(static_cast<std::uint64_t>(width_)));
  bits_.assign(stride_ * static_cast<std::size_t>(height_), 0);
}

bool MaskSurface::Get(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
  const std::size_t row = static_cast<std::size_t>(height_ - 1 - y) * stride_;
  return ((bits_[row + (x >> 3)] >> (7 - (x & 7))) & 1) != 0;
}

void MaskSurface::Set(int x, int y, bool transparent) {
  SetMaskBit(bits_, width_, height_, x, y, transparent ? 1 : 0);
}

void MaskSurface::Fill(bool transparent) {
  std::fill(bits_.begin(), bits_.end(), transparent ? 0xFF : 0x00);
}

raster::Colour MaskSurface::GetPixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return raster::kInvalidColour;
  return Get(x, y) ? raster::Rgb(255, 255, 255) : raster::Rgb(0, 0, 0);
}

void MaskSurface::SetPixel(int x, int y, raster::Colour c) {
  static constexpr std::array<raster::Colour, 2> kBlackWhite = {raster::Rgb(0, 0, 0), raster::Rgb(255, 255, 255)};
  Set(x, y, raster::NearestColourIndex(c, kBlackWhite) == 1);
}

void StretchCopy(const ImageSurface& src, ImageSurface& dst) {
  if (src.Width() == 0 || src.Height() == 0) return;
  // Equal layouts copy the stored values: every index keeps its colour and
  // every alpha byte stays.
  const bool rawCopy =
      src.BitCount() == dst.BitCount() && (src.BitCount() > 8 || std::ranges::equal(src.Table(), dst.Table()));
  for (int y = 0; y < dst.Height(); ++y) {
    const int sy = Scale(y, dst.Height(), src.Height());
    for (int x = 0; x < dst.Width(); ++x) {
      const int sx = Scale(x, dst.Width(), src.Width());
      if (rawCopy) {
        dst.SetRaw(x, y, src.GetRaw(sx, sy));
      } else {
        dst.SetPixel(x, y, src.GetPixel(sx, sy));
      }
    }
  }
}

void StretchCopy(const MaskSurface& src, MaskSurface& dst) {
  if (src.Width() == 0 || src.Height() == 0) return;
  for (int y = 0; y < dst.Height(); ++y) {
    const int sy = Scale(y, dst.Height(), src.Height());
    for (int x = 0; x < dst.Width(); ++x) dst.Set(x, y, src.Get(Scale(x, dst.Width(), src.Width()), sy));
  }
}

void StretchCopy(const raster::Picture& src, ImageSurface& dst) {
  if (src.Empty()) return;
  for (int y = 0; y < dst.Height(); ++y) {
    const int sy = Scale(y, dst.Height(), src.Height());
    for (int x = 0; x < dst.Width(); ++x) dst.SetPixel(x, y, src.Pixel(Scale(x, dst.Width(), src.Width()), sy));
  }
}

void StretchCopy(const ImageSurface& src, raster::Picture& dst) {
  if (src.Width() == 0 || src.Height() == 0) return;
  for (int y = 0; y < dst.Height(); ++y) {
    const int sy = Scale(y, dst.Height(), src.Height());
    for (int x = 0; x < dst.Width(); ++x) dst.SetPixel(x, y, src.GetPixel(Scale(x, dst.Width(), src.Width()), sy));
  }
}

bool HasAlpha(const ImageSurface& surface) {
  if (surface.BitCount() != 32) return false;
  const auto bits = surface.Bits();
  const std::size_t rowPixels = static_cast<std::size_t>(surface.Width());
  for (int r = 0; r < surface.Height(); ++r) {
    const std::uint8_t* row = bits.data() + static_cast<std::size_t>(r) * surface.Stride();
    for (std::size_t x = 0; x < rowPixels; ++x) {
      if (row[4 * x + 3] != 0) return true;
    }
  }
  return false;
}

void IconDrawing::Draw(raster::Picture& background, raster::Rect target, bool useAlpha) const {
  if (target.Empty() || Width() == 0 || Height() == 0) return;
  const PixelRule rule(*colour_, *mask_);
  const int top = std::max(target.top, 0), bottom = std::min(target.bottom, background.Height());
  const int left = std::max(target.left, 0), right = std::min(target.right, background.Width());
  for (int y = top; y < bottom; ++y) {
    const int sy = Scale(y - target.top, target.Height(), Height());
    for (int x = left; x < right; ++x) {
      const int sx = Scale(x - target.left, target.Width(), Width());
      const raster::Colour under = background.Pixel(x, y);
      const PixelLook look = rule.At(sx, sy);
      if (look.kind == PixelKind::kTransparent) continue;
      if (look.kind != PixelKind::kColour) {  // the screen XORed with the colour
        background.SetPixel(x, y, (under ^ look.colour) & 0xFFFFFF);
        continue;
      }
      const int a = useAlpha ? look.alpha : 255;
      auto mix = [a](int fg, int bg) { return static_cast<std::uint8_t>((fg * a + bg * (255 - a)) / 255); };
      const raster::Colour c = look.colour;
      background.SetPixel(
          x, y,
          raster::Rgb(mix(raster::Red(c), raster::Red(under)), mix(raster::Green(c), raster::Green(under)),
                      mix(raster::Blue(c), raster::Blue(under))));
    }
  }
}

void IconDrawing::Draw(raster::Picture& background, raster::Point at, bool useAlpha) const {
  Draw(background, raster::Rect{at.x, at.y, at.x + Width(), at.y + Height()}, useAlpha);
}

}  // namespace pixmint::document
