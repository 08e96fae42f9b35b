#include "formats/cursor_argb.h"

#include <algorithm>

namespace pixmint::formats {
namespace {

constexpr std::uint32_t kOpaqueBlack = 0xFF000000u;
constexpr std::uint32_t kOpaqueWhite = 0xFFFFFFFFu;
// Images this wide or wider are stored PNG-compressed, as large icons are.
constexpr int kPngSide = 256;

std::uint32_t Channel(std::uint32_t argb, int shift) {
  return (argb >> shift) & 0xFF;
}

// The transparent pixels next to (or diagonal to) an inverting pixel.
void OutlineInverting(ArgbImage& image, const std::vector<bool>& inverting) {
  const int w = image.width, h = image.height;
  const std::vector<std::uint32_t> before = image.pixels;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const std::size_t at = static_cast<std::size_t>(y) * static_cast<std::size_t>(w) + static_cast<std::size_t>(x);
      if (before[at] != 0) continue;
      bool near = false;
      for (int dy = -1; dy <= 1 && !near; ++dy) {
        for (int dx = -1; dx <= 1 && !near; ++dx) {
          const int nx = x + dx, ny = y + dy;
          near = nx >= 0 && ny >= 0 && nx < w && ny < h &&
                 inverting[static_cast<std::size_t>(ny) * static_cast<std::size_t>(w) + static_cast<std::size_t>(nx)];
        }
      }
      if (near) image.pixels[at] = kOpaqueWhite;
    }
  }
}

}  // namespace

std::uint32_t Premultiply(std::uint32_t argb) {
  const std::uint32_t a = argb >> 24;
  std::uint32_t out = a << 24;
  for (int shift = 0; shift < 24; shift += 8) out |= ((Channel(argb, shift) * a + 127) / 255) << shift;
  return out;
}

std::uint32_t Unpremultiply(std::uint32_t argb) {
  const std::uint32_t a = argb >> 24;
  if (a == 0) return 0;
  std::uint32_t out = a << 24;
  for (int shift = 0; shift < 24; shift += 8) {
    out |= std::min<std::uint32_t>(255, (Channel(argb, shift) * 255 + a / 2) / a) << shift;
  }
  return out;
}

std::optional<ArgbConversion> ToPremultipliedArgb(const document::TKvIcon& icon, std::uint32_t i) {
  const document::ImageSurface* colour = icon.XorBitmap(i);
  const document::MaskSurface* mask = icon.AndBitmap(i);
  if (colour == nullptr || mask == nullptr) return std::nullopt;
  ArgbConversion out;
  ArgbImage& image = out.image;
  image.width = colour->Width();
  image.height = colour->Height();
  // A hot spot left outside by a change of size points at the nearest edge.
  const raster::Point hot = icon.GetHotSpot(i);
  image.hotSpot = {std::clamp(hot.x, 0, image.width - 1), std::clamp(hot.y, 0, image.height - 1)};
  image.pixels.assign(static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height), 0);
  std::vector<bool> inverting(image.pixels.size(), false);
  const bool alphaDecides = colour->BitCount() == 32 && document::HasAlpha(*colour);
  std::size_t at = 0;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x, ++at) {
      if (alphaDecides) {
        const std::uint32_t raw = colour->GetRaw(x, y);
        image.pixels[at] = (raw >> 24) == 0 ? 0 : Premultiply(raw);
        continue;
      }
      const raster::Colour c = colour->GetPixel(x, y);
      if (!mask->Get(x, y)) {
        image.pixels[at] = kOpaqueBlack | (std::uint32_t{raster::Red(c)} << 16) |
                           (std::uint32_t{raster::Green(c)} << 8) | raster::Blue(c);
      } else if (raster::SameRgb(c, raster::Rgb(255, 255, 255))) {
        image.pixels[at] = kOpaqueBlack;
        inverting[at] = true;
        ++out.invertingPixels;
      }
    }
  }
  if (out.invertingPixels != 0) OutlineInverting(image, inverting);
  return out;
}

bool AddPremultipliedArgb(document::TKvIcon& icon, const ArgbImage& image) {
  if (image.pixels.size() != static_cast<std::size_t>(image.width) * static_cast<std::size_t>(image.height)) {
    return false;
  }
  if (!icon.AddImage(image.width, image.height, 32)) return false;
  const std::uint32_t i = icon.ImageCount() - 1;
  document::ImageSurface& colour = *icon.XorBitmap(i);
  document::MaskSurface& mask = *icon.AndBitmap(i);
  std::size_t at = 0;
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x, ++at) {
      const std::uint32_t argb = Unpremultiply(image.pixels[at]);
      colour.SetRaw(x, y, argb);
      mask.Set(x, y, argb == 0);
    }
  }
  icon.SetHotSpot(i,
                  {std::clamp(image.hotSpot.x, 0, image.width - 1), std::clamp(image.hotSpot.y, 0, image.height - 1)});
  if (image.width >= kPngSide || image.height >= kPngSide) icon.SetPngCompressed(i, true);
  return true;
}

}  // namespace pixmint::formats
