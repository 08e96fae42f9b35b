#include "cli/image_rgba.h"

#include "document/pixel_look.h"

namespace pixmint::cli {

std::vector<std::uint8_t> ImageRgba(const document::TKvIcon& icon, std::uint32_t i) {
  const document::ImageSurface* colour = icon.XorBitmap(i);
  const document::MaskSurface* mask = icon.AndBitmap(i);
  if (colour == nullptr || mask == nullptr) return {};
  const document::PixelRule rule(*colour, *mask);
  std::vector<std::uint8_t> out(static_cast<std::size_t>(colour->Width()) * colour->Height() * 4, 0);
  std::uint8_t* p = out.data();
  for (int y = 0; y < colour->Height(); ++y) {
    for (int x = 0; x < colour->Width(); ++x, p += 4) {
      // A picture cannot change the screen under it: such pixels stay clear.
      const document::PixelLook look = rule.At(x, y);
      if (look.kind != document::PixelKind::kColour) continue;
      p[0] = raster::Red(look.colour);
      p[1] = raster::Green(look.colour);
      p[2] = raster::Blue(look.colour);
      p[3] = look.alpha;
    }
  }
  return out;
}

}  // namespace pixmint::cli
