#include "document/pixel_look.h"

namespace pixmint::document {

PixelRule::PixelRule(const ImageSurface& colour, const MaskSurface& mask)
    : colour_(colour), mask_(mask), alphaDecides_(HasAlpha(colour)) {}

PixelLook PixelRule::At(int x, int y) const {
  const raster::Colour c = colour_.GetPixel(x, y) & 0xFFFFFF;
  if (alphaDecides_) {
    const std::uint8_t a = colour_.Alpha(x, y);
    return a == 0 ? PixelLook{} : PixelLook{PixelKind::kColour, c, a};
  }
  if (!mask_.Get(x, y)) return {PixelKind::kColour, c, 255};
  if (c == 0) return {};
  return {c == 0xFFFFFF ? PixelKind::kInverting : PixelKind::kXorColour, c, 0};
}

}  // namespace pixmint::document
