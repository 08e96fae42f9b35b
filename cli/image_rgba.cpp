#include "cli/image_rgba.h"

namespace pixmint::cli {

std::vector<std::uint8_t> ImageRgba(const document::TKvIcon& icon, std::uint32_t i) {
  const document::ImageSurface* colour = icon.XorBitmap(i);
  const document::MaskSurface* mask = icon.AndBitmap(i);
  if (colour == nullptr || mask == nullptr) return {};
  const bool alphaDecides = colour->BitCount() == 32 && document::HasAlpha(*colour);
  std::vector<std::uint8_t> out(static_cast<std::size_t>(colour->Width()) * colour->Height() * 4, 0);
  std::uint8_t* p = out.data();
  for (int y = 0; y < colour->Height(); ++y) {
    for (int x = 0; x < colour->Width(); ++x, p += 4) {
      const std::uint8_t alpha = alphaDecides ? colour->Alpha(x, y) : (mask->Get(x, y) ? 0 : 255);
      if (alpha == 0) continue;
      const raster::Colour c = colour->GetPixel(x, y);
      p[0] = raster::Red(c);
      p[1] = raster::Green(c);
      p[2] = raster::Blue(c);
      p[3] = alpha;
    }
  }
  return out;
}

}  // namespace pixmint::cli
